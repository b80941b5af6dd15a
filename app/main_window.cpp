#include "app/main_window.h"

#include "app/build_constants.h"
#include "app/key_choice.h"
#include "app/main_window_texts.h"
#include "app/notice_box.h"
#include "app/open_address.h"
#include "app/widget_text.h"
#include "skin/skin.h"
#include "ui_main_window.h"

#include <QWindow>

#include <string>

namespace ftq {
namespace {

constexpr int startSkin = 14;

// The designer's outer size; its client area, 447 x 392, holds the controls.
constexpr QSize outerSize{453, 420};
constexpr QSize designedClientSize{447, 392};

QString statusLine()
{
    using namespace mainWindowText;
    return toUiText(std::string(userGroupLead) + userGroup + theftGroupLead + theftGroup +
                    contactLead + supportContact);
}

void makeTransparent(QLabel *label)
{
    label->setAutoFillBackground(false);
    label->setAttribute(Qt::WA_TranslucentBackground);
}

} // namespace

MainWindow::MainWindow(QString keyDirectory, QWidget *parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::MainWindow>()),
      m_keyDirectory(std::move(keyDirectory))
{
    m_ui->setupUi(this);
    setWindowTitle(windowTitle() + toUiText(supportContact));
    move(50, 50);
    setFixedSize(designedClientSize);

    for (QLabel *label : {m_ui->透明标签1, m_ui->透明标签2, m_ui->透明标签3})
        makeTransparent(label);
    auto *statusText = new QLabel(statusLine(), m_ui->状态条1);
    m_ui->状态条1->addWidget(statusText, 1);

    // Users expect Enter in the key field to start the query.
    connect(m_ui->编辑框1, &QLineEdit::returnPressed, m_ui->按钮1, &QPushButton::click);
    connect(m_ui->选择框1, &QCheckBox::clicked, this, &MainWindow::onRememberKeyClicked);
    connect(m_ui->按钮4, &QPushButton::clicked, this, &MainWindow::onHelpClicked);
    connect(m_ui->按钮3, &QPushButton::clicked, this, &MainWindow::onShopClicked);
}

MainWindow::~MainWindow()
{
    onMainWindowDestroying();
}

void MainWindow::onMainWindowCreated()
{
    applySkin(startSkin);
    restoreKeyChoice();
    revealWithoutUpdateCheck();
}

// Until the update check exists to decide it, the window is simply revealed.
void MainWindow::revealWithoutUpdateCheck()
{
    show();
    activateWindow();
}

void MainWindow::saveKeyChoice()
{
    writeKeyChoice(m_keyDirectory, {m_ui->选择框1->isChecked(), fromUiText(m_ui->编辑框1->text())});
}

void MainWindow::restoreKeyChoice()
{
    const KeyChoice choice = readKeyChoice(m_keyDirectory);
    m_ui->选择框1->setChecked(choice.remember);
    if (choice.remember)
        m_ui->编辑框1->setText(toUiText(choice.key));
}

void MainWindow::onRememberKeyClicked()
{
    saveKeyChoice();
}

void MainWindow::onHelpClicked()
{
    NoticeBox(mainWindowText::help);
}

void MainWindow::onShopClicked()
{
    openAddress(keyShopAddress);
}

void MainWindow::onMainWindowDestroying()
{
    saveKeyChoice();
    openAddress(homePageAddress);
}

// The outer size is 453 x 420 with the frame. Where the platform reports its frame, the client
// area takes what the frame leaves; otherwise (no frame known, as offscreen) it keeps the
// designer's client size.
void MainWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    const QWindow *handle = windowHandle();
    const QMargins frame = handle ? handle->frameMargins() : QMargins();
    if (!frame.isNull())
        setFixedSize(outerSize.shrunkBy(frame));
}

// The status line stays along the bottom edge, whatever the client size.
void MainWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_ui->状态条1->setGeometry(0, height() - m_ui->状态条1->height(), width(),
                               m_ui->状态条1->height());
}

} // namespace ftq
