#pragma once
// Where a Qt string cannot be avoided (the clipboard, the small fields), text
// crosses between the program's Windows-1252 bytes and Qt's strings here.

#include <QString>
#include <string>
#include <string_view>

namespace fieldizer::ui {

QString toQString(std::string_view cp1252);
std::string fromQString(const QString& text);

} // namespace fieldizer::ui
