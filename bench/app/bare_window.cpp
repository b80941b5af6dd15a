#include "bare_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

namespace {

template <typename W>
W *place(QWidget *parent, const char *text, int x, int y, int width, int height)
{
    auto *w = new W(parent);
    if constexpr (!std::is_same_v<W, QWidget> && !std::is_same_v<W, QStatusBar>)
        w->setText(QString::fromUtf8(text));
    w->setGeometry(x, y, width, height);
    return w;
}

} // namespace

QWidget *makeBareWindow()
{
    auto *window = new QWidget;
    window->setWindowTitle(QStringLiteral("Kiv  FaceTime 查询器 v1.0.0 QQ：10000001"));
    window->move(50, 50);
    window->setFixedSize(447, 392);
    place<QLabel>(window, "请输入查询的key：", 21, 48, 104, 24);
    place<QLineEdit>(window, "", 136, 48, 152, 20);
    place<QPushButton>(window, "查询", 296, 27, 56, 32);
    place<QPushButton>(window, "帮助", 352, 27, 56, 32);
    place<QPushButton>(window, "获取Key", 296, 59, 56, 32);
    place<QPushButton>(window, "key绑定", 352, 59, 56, 32);
    place<QCheckBox>(window, "记住Key", 224, 72, 64, 24);
    auto *notes =
        place<QLabel>(window,
                      "重要说明： \n\n  第一查询 请进行key绑定（要查询的序列号绑定key）\n\n"
                      "  如果查询结果只显示你绑定的IMEI或者序列号请联系客服！ \n\n"
                      "（因为有可能你的序列号错的，或者售后有维修记录已注销）\n\n"
                      "  如果facetime号码为空说明没有激活记录。 \n\n"
                      "  耐心等待对方激活。合理安排好查询时间！\n\n",
                      72, 136, 360, 176);
    notes->setWordWrap(true);
    notes->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place<QLabel>(window, "", 64, 136, 320, 200);
    place<QWidget>(window, "", 144, 184, 136, 8)->hide();
    place<QLabel>(window, "查询中.....请稍后！！！", 144, 200, 144, 16)->hide();
    auto *status = place<QStatusBar>(window, "", 0, 372, 447, 20);
    status->addWidget(new QLabel(QStringLiteral("iphone交流群:20000001  iphone被偷讨论群：20000002 "
                                                "客服QQ：10000001")),
                      1);
    return window;
}
