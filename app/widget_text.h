#pragma once

#include <QString>

#include <string>
#include <string_view>

// The program's texts are code page 936 bytes; widgets take UTF-16. These two are the boundary.
namespace ftq {

QString toUiText(std::string_view gbkText);
std::string fromUiText(const QString &text);

} // namespace ftq
