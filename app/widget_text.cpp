#include "app/widget_text.h"

#include "text/codepage.h"

namespace ftq {

QString toUiText(std::string_view gbkText)
{
    const std::u16string wide = toUtf16(gbkText, codepage::gbk);
    return QString::fromUtf16(wide.data(), static_cast<qsizetype>(wide.size()));
}

std::string fromUiText(const QString &text)
{
    return fromUtf16(std::u16string_view(reinterpret_cast<const char16_t *>(text.utf16()),
                                         static_cast<std::size_t>(text.size())),
                     codepage::gbk);
}

} // namespace ftq
