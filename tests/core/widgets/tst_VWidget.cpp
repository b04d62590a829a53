// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikTest.h"

#include "widgets/VButtonBoardPenWidth.h"
#include "widgets/VCanvas.h"
#include "widgets/VWidget.h"
#include "widgets/VWidgetTools.h"

#include <QGraphicsOpacityEffect>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace {
class Panel : public VWidget
{
public:
    explicit Panel(VCanvas* canvas) : VWidget(canvas)
    {
        for (const char* text : {"One", "Two"}) {
            auto* button = new QPushButton(QString::fromLatin1(text));
            button->setFixedSize(60, 24);
            addWidget(button);
        }
    }
    using VWidget::animationFading;

    double opacity() const
    {
        const auto* effect = qobject_cast<const QGraphicsOpacityEffect*>(graphicsEffect());
        return effect ? effect->opacity() : 1.0;
    }
};

class Receiver : public QObject
{
    Q_OBJECT

public:
    int clicks = 0;
    QVariantList chosen;

public slots:
    void click() { ++clicks; }
    void choose(QVariant value) { chosen.append(value); }
};

struct ShownCanvas
{
    ShownCanvas()
    {
        canvas.resize(500, 400);
        canvas.show();
        canvas.activateWindow();
    }
    VCanvas canvas;
};
} // namespace

class tst_VWidget : public QObject
{
    Q_OBJECT

private slots:
    void fade_data();
    void fade();
    void hoverHoldsTheFade_data();
    void hoverHoldsTheFade();
    void unanimatedShowEndsAnyFade_data();
    void unanimatedShowEndsAnyFade();
    void toolWithBoard();
    void plainTool_data();
    void plainTool();
};

void tst_VWidget::fade_data()
{
    QTest::addColumn<bool>("in");
    QTest::addColumn<int>("time");
    QTest::addColumn<double>("opacity");
    QTest::addColumn<bool>("visible");

    QTest::newRow("in, start") << true << 0 << 0.0 << true;
    QTest::newRow("in, half way") << true << 200 << 0.45 << true;
    QTest::newRow("in, almost") << true << 390 << 0.8986 << true;
    QTest::newRow("in, end") << true << 400 << 0.9 << true;
    QTest::newRow("out, start") << false << 0 << 0.9 << true;
    QTest::newRow("out, half way") << false << 200 << 0.45 << true;
    QTest::newRow("out, almost") << false << 390 << 0.0014 << true;
    QTest::newRow("out, end") << false << 400 << 0.0 << false;
}

void tst_VWidget::fade()
{
    QFETCH(bool, in);
    QFETCH(int, time);
    QFETCH(double, opacity);
    QFETCH(bool, visible);

    VCanvas canvas;
    canvas.show();
    Panel panel(&canvas);
    if (in) {
        panel.show(true);
    } else {
        panel.show(false);
        panel.hide(true);
    }
    QPropertyAnimation* fading = panel.animationFading();
    QVERIFY(fading);
    QCOMPARE(fading->state(), QAbstractAnimation::Running);
    fading->setCurrentTime(time);
    QVERIFY2(std::abs(panel.opacity() - opacity) < 1e-3,
             qPrintable(QString::number(panel.opacity())));
    QCOMPARE(panel.isVisible(), visible);
    QCOMPARE(fading->state(),
             time < 400 ? QAbstractAnimation::Running : QAbstractAnimation::Stopped);
}

void tst_VWidget::hoverHoldsTheFade_data()
{
    QTest::addColumn<bool>("in");
    QTest::newRow("fading in") << true;
    QTest::newRow("fading out") << false;
}

void tst_VWidget::hoverHoldsTheFade()
{
    QFETCH(bool, in);
    ShownCanvas shown;
    QVERIFY(QTest::qWaitForWindowExposed(&shown.canvas));
    QWindow* window = shown.canvas.windowHandle();
    QTest::mouseMove(window, QPoint(400, 300));

    Panel panel(&shown.canvas);
    panel.move(40, 60);
    if (in) {
        panel.show(true);
    } else {
        panel.show(false);
        panel.hide(true);
    }
    QPropertyAnimation* fading = panel.animationFading();
    fading->setCurrentTime(100);
    const double before = panel.opacity();

    QTest::mouseMove(window, panel.geometry().center());
    QCOMPARE(fading->state(), QAbstractAnimation::Paused);
    QCOMPARE(panel.opacity(), 0.9);
    QCOMPARE(fading->currentTime(), 100);

    QTest::mouseMove(window, QPoint(400, 300));
    QCOMPARE(fading->state(), QAbstractAnimation::Running);
    fading->setCurrentTime(100);
    QCOMPARE(panel.opacity(), before);
    fading->setCurrentTime(400);
    QCOMPARE(panel.isVisible(), in);
}

void tst_VWidget::unanimatedShowEndsAnyFade_data()
{
    QTest::addColumn<int>("fadedFor");
    QTest::newRow("after a finished fade-out") << 400;
    QTest::newRow("during a fade-out") << 150;
}

void tst_VWidget::unanimatedShowEndsAnyFade()
{
    QFETCH(int, fadedFor);
    VCanvas canvas;
    canvas.show();
    Panel panel(&canvas);
    panel.show(false);
    panel.hide(true);
    QPropertyAnimation* fading = panel.animationFading();
    fading->setCurrentTime(fadedFor);

    panel.show(false);
    QVERIFY(panel.isVisible());
    QCOMPARE(panel.opacity(), 0.9);
    QCOMPARE(fading->state(), QAbstractAnimation::Stopped);
    // Nothing left running takes it away again.
    fading->setCurrentTime(400);
    QVERIFY(panel.isVisible());
}

void tst_VWidget::toolWithBoard()
{
    ShownCanvas shown;
    QVERIFY(QTest::qWaitForWindowExposed(&shown.canvas));
    VWidgetTools* tools = new VWidgetTools(&shown.canvas);
    Receiver receiver;
    auto* board = new VButtonBoardPenWidth(nullptr);
    board->setButtonData({0, 1, 2, 3});
    board->setColumnCount(4);
    QToolButton* button =
        tools->addTool(QStringLiteral("Width"), board, 2, &receiver, SLOT(choose(QVariant)));
    QVERIFY(button);
    QCOMPARE(tools->toolCount(), 1);
    QCOMPARE(button->toolTip(), QStringLiteral("Width"));
    QCOMPARE(board->parent(), button);
    QVERIFY(board->isHidden());
    QCOMPARE(button->size(), QSize(24, 24));
    QCOMPARE(button->icon().pixmap(16, 16).toImage(), board->buttonIcon(2).toImage());
    tools->show(false);

    // The board pops up from the button; a click on a width hands it over and closes it.
    bool popped = false;
    QTimer::singleShot(0, board, [&] {
        popped = board->isVisible();
        if (popped) {
            const QPoint at = board->buttonRect(3).center();
            QTest::mouseMove(board->windowHandle(), at);
            QTest::mouseClick(board->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
        }
        board->hide();
    });
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(popped);
    QCOMPARE(receiver.chosen, QVariantList{3});
    QVERIFY(board->isHidden());

    QCOMPARE(tools->addTool(QStringLiteral("None"), nullptr, 0, &receiver, SLOT(choose(QVariant))),
             nullptr);
    QCOMPARE(tools->toolCount(), 1);
}

void tst_VWidget::plainTool_data()
{
    QTest::addColumn<bool>("shown");
    QTest::newRow("panel on screen") << true;
    QTest::newRow("panel hidden") << false;
}

void tst_VWidget::plainTool()
{
    QFETCH(bool, shown);
    ShownCanvas canvas;
    QVERIFY(QTest::qWaitForWindowActive(&canvas.canvas));
    VWidgetTools* tools = new VWidgetTools(&canvas.canvas);
    Receiver receiver;
    QPixmap picture(20, 20);
    picture.fill(Qt::darkCyan);
    QToolButton* button = tools->addTool(QIcon(picture), QStringLiteral("Rectangle"), &receiver,
                                         SLOT(click()), QKeySequence(Qt::CTRL | Qt::Key_R));
    QCOMPARE(tools->toolCount(), 1);
    QCOMPARE(button->size(), QSize(23, 23));
    QCOMPARE(button->iconSize(), QSize(20, 20));
    if (shown)
        tools->show(false);

    QTest::keyClick(&canvas.canvas, Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(receiver.clicks, shown ? 1 : 0);
    if (shown) {
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(receiver.clicks, 2);
    }
}

TALVIK_TEST_MAIN(tst_VWidget)
#include "tst_VWidget.moc"
