#include "ui/manipulator/text_printer.h"

#include "ui/text_box/cp1252_qstring.h"

#include <QFontDatabase>
#include <QPainter>
#include <QPrinter>

namespace fieldizer::ui {

bool printText(QPrinter& printer, std::string_view bytes) {
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(10);
    painter.setFont(font);
    const int lineHeight = painter.fontMetrics().lineSpacing();
    const QRect page = painter.viewport();
    int y = lineHeight;
    // Lines end at CR LF or a lone CR, as everywhere in the program.
    std::size_t from = 0;
    while (from < bytes.size()) {
        std::size_t end = bytes.find('\r', from);
        if (end == std::string_view::npos)
            end = bytes.size();
        if (y > page.height()) {
            if (!printer.newPage())
                return false;
            y = lineHeight;
        }
        painter.drawText(0, y, toQString(bytes.substr(from, end - from)));
        y += lineHeight;
        from = end + 1;
        if (from < bytes.size() && bytes[from] == '\n')
            ++from;
    }
    return painter.end();
}

} // namespace fieldizer::ui
