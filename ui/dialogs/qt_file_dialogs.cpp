#include "ui/dialogs/qt_file_dialogs.h"

#include "ui/text_box/cp1252_qstring.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QStringList>

namespace fieldizer::ui {
namespace {

// "Text files (*.txt)|*.txt|All files (*.*)|*.*" shows its descriptions, which
// carry their patterns: "Text files (*.txt);;All files (*.*)".
QString qtFilter(const std::string& filter) {
    const QStringList parts = toQString(filter).split(QLatin1Char('|'));
    QStringList descriptions;
    for (qsizetype i = 0; i < parts.size(); i += 2)
        descriptions << parts[i];
    return descriptions.join(QStringLiteral(";;"));
}

} // namespace

std::filesystem::path QtFileDialogs::chooseFile(const FileDialogRequest& request) {
    const QString title = toQString(request.title);
    const QString filter = qtFilter(request.filter);
    const QString initial = QFile::decodeName(request.initialPath.c_str());
    const QString chosen = request.mode == FileDialogRequest::Mode::Open
                               ? QFileDialog::getOpenFileName(parent_, title, initial, filter)
                               : QFileDialog::getSaveFileName(parent_, title, initial, filter);
    // Paths are the file system's bytes, not Windows-1252 text.
    return std::filesystem::path(QFile::encodeName(chosen).toStdString());
}

std::optional<std::string> QtFileDialogs::inputText(const std::string& prompt,
                                                    const std::string& title,
                                                    const std::string& initial) {
    bool ok = false;
    const QString text = QInputDialog::getText(parent_, toQString(title), toQString(prompt),
                                               QLineEdit::Normal, toQString(initial), &ok);
    if (!ok)
        return std::nullopt;
    return fromQString(text);
}

} // namespace fieldizer::ui
