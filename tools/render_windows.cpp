// render_windows OUTPUT_DIR: writes main-window.png (skin 14), main-window-skin-NN.png for every
// skin, main-window-busy.png (the look-up running) and notice-box.png (the help notice).
#include "app/main_window.h"
#include "app/main_window_texts.h"
#include "app/notice_box.h"
#include "app/open_address.h"
#include "skin/skin.h"
#include "ui_main_window.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

bool save(QWidget &window, const QDir &out, const QString &name)
{
    const bool saved = window.grab().save(out.filePath(name));
    QTextStream(stderr) << (saved ? "wrote " : "FAILED ") << out.filePath(name) << '\n';
    return saved;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: render_windows OUTPUT_DIR\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    out.mkpath(QStringLiteral("."));

    // No browser and no files beside the tool when the window goes.
    ftq::setAddressOpener([](const std::string &) {});
    const QTemporaryDir keys;

    bool ok = true;
    {
        ftq::MainWindow window(keys.path());
        window.show();
        for (const ftq::SkinEntry &skin : ftq::skinTable()) {
            ftq::applySkin(skin.number);
            ok &= save(window, out,
                       QStringLiteral("main-window-skin-%1.png")
                           .arg(skin.number, 2, 10, QLatin1Char('0')));
        }
        ftq::applySkin(14);
        ok &= save(window, out, QStringLiteral("main-window.png"));

        Ui::MainWindow &form = window.form();
        form.透明标签1->hide();
        form.透明标签2->hide();
        form.图片框1->show();
        form.透明标签3->show();
        ok &= save(window, out, QStringLiteral("main-window-busy.png"));

        const auto box =
            ftq::makeNoticeBox({ftq::mainWindowText::help, ftq::noticeStyle::information,
                                "\xD3\xD1\xC7\xE9\xCC\xE1\xD0\xD1", &window});
        box->show();
        ok &= save(*box, out, QStringLiteral("notice-box.png"));
    }
    return ok ? 0 : 1;
}
