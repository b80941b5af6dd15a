#include "skin/skin_sheet.h"

#include <QColor>

namespace ftq {

namespace {

// Hand-written rather than regular expressions: skins are composed during start-up, where
// compiling a pattern alone costs more than the whole composition.
bool isNameChar(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'-';
}

qsizetype nameEnd(QStringView text, qsizetype from)
{
    while (from < text.size() && isNameChar(text[from]))
        ++from;
    return from;
}

} // namespace

SkinSource readSkinSource(QStringView text)
{
    SkinSource skin;
    for (QStringView line : text.tokenize(u'\n', Qt::SkipEmptyParts)) {
        const QStringView trimmed = line.trimmed();
        const qsizetype colon = trimmed.indexOf(u':');
        const QStringView name = colon > 1 ? trimmed.sliced(1, colon - 1).trimmed() : QStringView();
        if (trimmed.startsWith(u'@') && trimmed.endsWith(u';') && !name.isEmpty() &&
            nameEnd(name, 0) == name.size()) {
            const QStringView value = trimmed.sliced(colon + 1).chopped(1).trimmed();
            skin.variables.insert(name.toString(), value.toString());
        } else {
            skin.rules += line + u'\n';
        }
    }
    return skin;
}

QString composeStyleSheet(QStringView baseSheet, const SkinSource &skin)
{
    QString sheet;
    sheet.reserve(baseSheet.size() * 2 + skin.rules.size());
    const auto substitute = [&](QStringView text) {
        qsizetype done = 0;
        for (qsizetype at = text.indexOf(u'@'); at >= 0; at = text.indexOf(u'@', at + 1)) {
            const qsizetype end = nameEnd(text, at + 1);
            const auto value =
                skin.variables.constFind(text.sliced(at + 1, end - at - 1).toString());
            if (value == skin.variables.cend())
                continue;
            sheet += text.sliced(done, at - done) + *value;
            done = end;
        }
        sheet += text.sliced(done);
    };
    substitute(baseSheet);
    substitute(skin.rules);
    return sheet;
}

QPalette paletteOf(const SkinSource &skin)
{
    QPalette palette;
    const auto set = [&](QPalette::ColorGroup group, QPalette::ColorRole role, const char *name) {
        const QColor colour = QColor::fromString(skin.variables.value(QLatin1StringView(name)));
        if (colour.isValid())
            palette.setColor(group, role, colour);
    };
    const auto setAll = [&](QPalette::ColorRole role, const char *name) {
        set(QPalette::All, role, name);
    };
    setAll(QPalette::Window, "window");
    setAll(QPalette::WindowText, "text");
    setAll(QPalette::Base, "base");
    setAll(QPalette::AlternateBase, "window");
    setAll(QPalette::Text, "text");
    setAll(QPalette::Button, "window");
    setAll(QPalette::ButtonText, "button-text");
    setAll(QPalette::Highlight, "accent");
    setAll(QPalette::HighlightedText, "accent-text");
    setAll(QPalette::ToolTipBase, "base");
    setAll(QPalette::ToolTipText, "text");
    setAll(QPalette::PlaceholderText, "muted");
    set(QPalette::Disabled, QPalette::WindowText, "muted");
    set(QPalette::Disabled, QPalette::Text, "muted");
    set(QPalette::Disabled, QPalette::ButtonText, "muted");
    return palette;
}

} // namespace ftq
