#pragma once

#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class MainWindow;
}

// The main window: key entry, the four buttons, the remembered-key box, the busy animation, the
// report area with the notes under it, and the status line. Its controls carry their designer
// names as object names (按钮1, 编辑框1, 选择框1, 透明标签1 ...).
namespace ftq {

class MainWindow : public QWidget
{
    Q_OBJECT

public:
    // `keyDirectory` holds the remembered-key files.
    explicit MainWindow(QString keyDirectory, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The controls, by their designer names, for the flows that drive this window.
    Ui::MainWindow &form() { return *m_ui; }

    // The start sequence, run once while the window still hides: skin, remembered key, then
    // the window is revealed.
    void onMainWindowCreated();

    void saveKeyChoice();
    void restoreKeyChoice();

private:
    void onRememberKeyClicked();
    void onHelpClicked();
    void onShopClicked();
    void onMainWindowDestroying();
    void revealWithoutUpdateCheck();

    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

    std::unique_ptr<Ui::MainWindow> m_ui;
    QString m_keyDirectory;
};

// The main window's identity in programWindows().
inline const QString mainWindowId = QStringLiteral("MainWindow");

} // namespace ftq
