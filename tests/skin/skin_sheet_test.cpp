#include "skin/skin_sheet.h"

#include <QTest>

using namespace ftq;

class SkinSheetTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readSkinSource_splitsPaletteFromRules();
    void composeStyleSheet_substitutesByWholeName_data();
    void composeStyleSheet_substitutesByWholeName();
};

void SkinSheetTest::readSkinSource_splitsPaletteFromRules()
{
    const auto skin = readSkinSource(u"/* 99 Test */\n"
                                     u"@window: #ffffff;\n"
                                     u"  @button-hover :  qlineargradient(x1:0, stop:0 #fff) ;\n"
                                     u"QLineEdit { border-width: 2px; }\n");

    QCOMPARE(skin.variables.size(), 2);
    QCOMPARE(skin.variables.value(QStringLiteral("window")), QStringLiteral("#ffffff"));
    QCOMPARE(skin.variables.value(QStringLiteral("button-hover")),
             QStringLiteral("qlineargradient(x1:0, stop:0 #fff)"));
    QCOMPARE(skin.rules, QStringLiteral("/* 99 Test */\nQLineEdit { border-width: 2px; }\n"));
}

void SkinSheetTest::composeStyleSheet_substitutesByWholeName_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain") << QStringLiteral("a { color: @text; }")
                           << QStringLiteral("a { color: #111; }");
    // "@button" must not be substituted inside "@button-hover".
    QTest::newRow("name that prefixes another")
        << QStringLiteral("@button @button-hover") << QStringLiteral("#222 #333");
    QTest::newRow("twice on a line")
        << QStringLiteral("@text/@text") << QStringLiteral("#111/#111");
    QTest::newRow("unknown name kept")
        << QStringLiteral("b: @nothing;") << QStringLiteral("b: @nothing;");
    QTest::newRow("no names") << QStringLiteral("c {}") << QStringLiteral("c {}");
}

void SkinSheetTest::composeStyleSheet_substitutesByWholeName()
{
    QFETCH(QString, base);
    QFETCH(QString, expected);
    SkinSource skin;
    skin.variables = {{QStringLiteral("text"), QStringLiteral("#111")},
                      {QStringLiteral("button"), QStringLiteral("#222")},
                      {QStringLiteral("button-hover"), QStringLiteral("#333")}};
    skin.rules = QStringLiteral("\nd { color: @button; }");

    QCOMPARE(composeStyleSheet(base, skin), expected + QStringLiteral("\nd { color: #222; }"));
}

QTEST_GUILESS_MAIN(SkinSheetTest)
#include "skin_sheet_test.moc"
