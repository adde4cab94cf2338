#include "ui/table_browser/print_image.h"

#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QWidget>

namespace fieldizer::ui {

bool printWidgetImage(QPrinter& printer, QWidget& window) {
    const QPixmap image = window.grab();
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRect page = painter.viewport();
    QSize size = image.size();
    // Never larger than the page; a small window keeps its on-screen size.
    if (size.width() > page.width() || size.height() > page.height())
        size.scale(page.size(), Qt::KeepAspectRatio);
    painter.drawPixmap(QRect(page.topLeft(), size), image);
    return painter.end();
}

} // namespace fieldizer::ui
