#include "app/start_up.h"

#include "app/app_state.h"
#include "app/key_choice.h"
#include "app/main_window.h"
#include "app/program_end.h"
#include "app/window_loader.h"

#include <QApplication>

namespace ftq {

int startUp()
{
    // The program reads no command line of its own, so Qt gets none either.
    int argc = 1;
    char programName[] = "ftquery";
    char *argv[] = {programName, nullptr};
    QApplication app(argc, argv);

    initAppState();
    ProgramEnd end(&releaseAppState);

    WindowLoader &windows = programWindows();
    windows.define(
        mainWindowId,
        [] { return new MainWindow(keyChoiceDirectory(QCoreApplication::applicationDirPath())); },
        [](QWidget *window) { static_cast<MainWindow *>(window)->onMainWindowCreated(); });
    windows.load(mainWindowId, LoadMode::FirstWindow);

    end.run();
    windows.destroyAll();
    return 0;
}

} // namespace ftq
