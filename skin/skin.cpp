#include "skin/skin.h"

#include "skin/skin_sheet.h"

#include <QApplication>
#include <QFile>

#include <array>
#include <optional>

namespace ftq {

namespace {

constexpr std::array<SkinEntry, skinCount> skins{{
    {1, "Porcelain", ":/skins/01-porcelain.qss"},
    {2, "Graphite", ":/skins/02-graphite.qss"},
    {3, "Sage", ":/skins/03-sage.qss"},
    {4, "Midnight", ":/skins/04-midnight.qss"},
    {5, "Sandstone", ":/skins/05-sandstone.qss"},
    {6, "Lavender", ":/skins/06-lavender.qss"},
    {7, "Lagoon", ":/skins/07-lagoon.qss"},
    {8, "Slate", ":/skins/08-slate.qss"},
    {9, "Blossom", ":/skins/09-blossom.qss"},
    {10, "Forest", ":/skins/10-forest.qss"},
    {11, "Amber", ":/skins/11-amber.qss"},
    {12, "Arctic", ":/skins/12-arctic.qss"},
    {13, "Espresso", ":/skins/13-espresso.qss"},
    {14, "Classic", ":/skins/14-classic.qss"},
    {15, "Mint", ":/skins/15-mint.qss"},
    {16, "Aubergine", ":/skins/16-aubergine.qss"},
    {17, "Paper", ":/skins/17-paper.qss"},
    {18, "Steel", ":/skins/18-steel.qss"},
    {19, "Coral", ":/skins/19-coral.qss"},
    {20, "Fjord", ":/skins/20-fjord.qss"},
    {21, "Olive", ":/skins/21-olive.qss"},
    {22, "Ink", ":/skins/22-ink.qss"},
    {23, "Sky", ":/skins/23-sky.qss"},
    {24, "Burgundy", ":/skins/24-burgundy.qss"},
    {25, "Sunflower", ":/skins/25-sunflower.qss"},
    {26, "Reef", ":/skins/26-reef.qss"},
    {27, "Denim", ":/skins/27-denim.qss"},
    {28, "Sepia", ":/skins/28-sepia.qss"},
    {29, "Ember", ":/skins/29-ember.qss"},
    {30, "Jade", ":/skins/30-jade.qss"},
    {31, "Dusk", ":/skins/31-dusk.qss"},
    {32, "Contrast", ":/skins/32-contrast.qss"},
    {33, "Pearl", ":/skins/33-pearl.qss"},
}};

QString readResource(std::string_view path)
{
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

std::optional<SkinSource> skinSource(int number)
{
    if (number < 1 || number > skinCount)
        return std::nullopt;
    return readSkinSource(readResource(skins[number - 1].resource));
}

} // namespace

std::span<const SkinEntry> skinTable()
{
    return skins;
}

QString skinStyleSheet(int number)
{
    const auto source = skinSource(number);
    if (!source)
        return {};
    return composeStyleSheet(readResource(":/skins/base.qss"), *source);
}

QPalette skinPalette(int number)
{
    const auto source = skinSource(number);
    return source ? paletteOf(*source) : QPalette();
}

void applySkin(int number)
{
    auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
    if (!app)
        return;
    const auto source = skinSource(number);
    // A default palette resolves to the style's own, which is how "no skin" looks.
    QApplication::setPalette(source ? paletteOf(*source) : QPalette());
    app->setStyleSheet(source ? composeStyleSheet(readResource(":/skins/base.qss"), *source)
                              : QString());
}

} // namespace ftq
