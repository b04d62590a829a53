// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikTest.h"
#include "TalvikTestConfig.h"
#include "TalvikTestMainWindow.h"

#include "foundation/VConfig.h"
#include "widgets/VShapedTrayPanel.h"
#include "widgets/VSystemTrayIcon.h"

#include <QAction>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QToolButton>
#include <QTranslator>

#include <memory>

namespace {
using TestConfig = TalvikTest::IniConfig;

using TalvikTest::MainWindow;

// A tray icon whose pointer and icon position the test decides.
class TrayIcon : public VSystemTrayIcon
{
public:
    using VSystemTrayIcon::poll;
    using VSystemTrayIcon::VSystemTrayIcon;

    QPoint pointer;
    QRect iconRect;

protected:
    QPoint pointerPosition() const override { return pointer; }
    QRect iconGeometry() const override { return iconRect; }
};

class Receiver : public QObject
{
    Q_OBJECT

public:
    QStringList calls;

public slots:
    void first() { calls << QStringLiteral("first"); }
    void second() { calls << QStringLiteral("second"); }
};

// Every text becomes upper case: a language the test can recognise.
class ShoutingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override
    {
        Q_UNUSED(context);
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        return QString::fromUtf8(sourceText).toUpper();
    }
};

QStringList menuTexts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return texts;
}
} // namespace

class tst_VSystemTrayIcon : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void picturesAreBuiltIn_data();
    void picturesAreBuiltIn();
    void menuOrder();
    void showAndHideFollowTheMainWindow_data();
    void showAndHideFollowTheMainWindow();
    void mainWindowWithoutSignals();
    void clickBringsTheWindowUp_data();
    void clickBringsTheWindowUp();
    void instantPanel_data();
    void instantPanel();
    void timerPollsThePointer();
    void textsFollowTheLanguage();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<TestConfig> m_pConfig;
};

void tst_VSystemTrayIcon::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_pConfig = std::make_unique<TestConfig>(m_dir.filePath(QStringLiteral("settings.ini")));
    QCOMPARE(VConfig::_instance(), m_pConfig.get());
}

void tst_VSystemTrayIcon::init()
{
    m_pConfig->setShowTrayInstantMenu(true);
}

void tst_VSystemTrayIcon::picturesAreBuiltIn_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");

    QTest::newRow("main window") << ":/images/mainwindow.png" << QSize(16, 16);
    QTest::newRow("main window, twice the size") << ":/images/mainwindow@2x.png" << QSize(32, 32);
    QTest::newRow("exit") << ":/images/exit.png" << QSize(16, 16);
    QTest::newRow("exit, twice the size") << ":/images/exit@2x.png" << QSize(32, 32);
}

// The pictures live in the shared library; they must be there without the program doing anything.
void tst_VSystemTrayIcon::picturesAreBuiltIn()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);

    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), size);
    QVERIFY(image.hasAlphaChannel());
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
}

void tst_VSystemTrayIcon::menuOrder()
{
    MainWindow window;
    TrayIcon tray(&window, QIcon());
    Receiver receiver;
    QAction* regionAction = tray.addAction(QStringLiteral("Capture Region"), &receiver,
                                           SLOT(first()), QKeySequence(QStringLiteral("Ctrl+1")));
    QAction* windowAction =
        tray.addAction(QIcon(QStringLiteral(":/images/exit.png")), QStringLiteral("Capture Window"),
                       &receiver, SLOT(second()), QKeySequence());
    tray.addAction(QStringLiteral("Scrolling Window"), &receiver, SLOT(second()));

    const QMenu* menu = tray.contextMenu();
    QVERIFY(menu);
    QCOMPARE(menuTexts(menu),
             QStringList({"&Show Main Window", "&Hide Main Window", "-", "Capture Region",
                          "Capture Window", "Scrolling Window", "-", "E&xit"}));
    const QList<QAction*> actions = menu->actions();
    QVERIFY(!actions.at(0)->icon().isNull());
    QVERIFY(!actions.at(1)->icon().isNull());
    QVERIFY(actions.at(3)->icon().isNull());
    QVERIFY(!actions.at(4)->icon().isNull());
    QVERIFY(!actions.last()->icon().isNull());
    QVERIFY(tray.panel());
    QCOMPARE(tray.panel()->parentWidget(), &window);

    QCOMPARE(regionAction->shortcut(), QKeySequence(QStringLiteral("Ctrl+1")));
    windowAction->trigger();
    regionAction->trigger();
    QCOMPARE(receiver.calls, QStringList({"second", "first"}));
}

void tst_VSystemTrayIcon::showAndHideFollowTheMainWindow_data()
{
    QTest::addColumn<bool>("visibleAtStart");

    QTest::newRow("window hidden at start") << false;
    QTest::newRow("window visible at start") << true;
}

void tst_VSystemTrayIcon::showAndHideFollowTheMainWindow()
{
    QFETCH(bool, visibleAtStart);

    MainWindow window;
    window.setVisible(visibleAtStart);
    TrayIcon tray(&window, QIcon());
    const QList<QAction*> actions = tray.contextMenu()->actions();
    QAction* show = actions.at(0);
    QAction* hide = actions.at(1);
    QCOMPARE(show->isVisible(), !visibleAtStart);
    QCOMPARE(hide->isVisible(), visibleAtStart);

    window.setVisible(!visibleAtStart);
    QCOMPARE(show->isVisible(), visibleAtStart);
    QCOMPARE(hide->isVisible(), !visibleAtStart);

    // The entries drive the window, and the window drives the entries.
    (visibleAtStart ? show : hide)->trigger();
    QCOMPARE(window.isVisible(), visibleAtStart);
    QCOMPARE(show->isVisible(), !visibleAtStart);
    QCOMPARE(hide->isVisible(), visibleAtStart);
}

void tst_VSystemTrayIcon::mainWindowWithoutSignals()
{
    QWidget window;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("has no signals shown\\(\\)"));
    TrayIcon tray(&window, QIcon());
    QCOMPARE(tray.contextMenu()->actions().size(), 5);
}

void tst_VSystemTrayIcon::clickBringsTheWindowUp_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<int>("reason");
    QTest::addColumn<bool>("visibleAfter");

    QTest::newRow("hidden, click") << "hidden" << int(QSystemTrayIcon::Trigger) << true;
    QTest::newRow("minimized, click") << "minimized" << int(QSystemTrayIcon::Trigger) << true;
    QTest::newRow("visible, click") << "visible" << int(QSystemTrayIcon::Trigger) << true;
    QTest::newRow("hidden, context menu") << "hidden" << int(QSystemTrayIcon::Context) << false;
    QTest::newRow("hidden, double click") << "hidden" << int(QSystemTrayIcon::DoubleClick) << false;
}

void tst_VSystemTrayIcon::clickBringsTheWindowUp()
{
    QFETCH(QString, state);
    QFETCH(int, reason);
    QFETCH(bool, visibleAfter);

    MainWindow window;
    window.resize(200, 100);
    if (state == QLatin1String("visible")) {
        window.show();
    } else if (state == QLatin1String("minimized")) {
        window.showMinimized();
        QVERIFY(window.isMinimized());
    }
    TrayIcon tray(&window, QIcon());
    tray.iconRect = QRect(700, 570, 24, 24);
    tray.pointer = tray.iconRect.center();
    tray.poll();
    QVERIFY(tray.panel()->isVisible());

    tray.onActivated(QSystemTrayIcon::ActivationReason(reason));
    QCOMPARE(window.isVisible(), visibleAfter || state != QLatin1String("hidden"));
    if (visibleAfter) {
        QVERIFY(!window.isMinimized());
    }
    // Whatever the reason, the panel makes way.
    QVERIFY(tray.panel()->isHidden());
}

void tst_VSystemTrayIcon::instantPanel_data()
{
    QTest::addColumn<bool>("setting");
    // One word per step; after each, the expected state of the panel: 1 shown, 0 hidden.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("expected");

    QTest::newRow("setting off: resting never opens")
        << false << QStringList{"icon", "icon"} << "00";
    QTest::newRow("resting opens, leaving closes")
        << true << QStringList{"icon", "icon", "away"} << "110";
    QTest::newRow("click hides until the pointer left and came back")
        << true << QStringList{"icon", "click", "icon", "icon", "away", "icon"} << "100001";
    QTest::newRow("click while closed suppresses too")
        << true << QStringList{"click", "icon", "away", "icon"} << "0001";
    QTest::newRow("context menu open: no panel")
        << true << QStringList{"menu", "icon", "icon", "unmenu", "icon"} << "00001";
    QTest::newRow("right click, menu, pointer stays")
        << true << QStringList{"icon", "context", "icon", "unmenu", "icon", "away", "icon"}
        << "1000001";
    QTest::newRow("from the icon into the panel and out")
        << true << QStringList{"icon", "panel", "panel", "panelEdge", "away"} << "11110";
    QTest::newRow("leaving the panel sideways closes")
        << true << QStringList{"icon", "panel", "beside"} << "110";
    QTest::newRow("button click closes, resting reopens")
        << true << QStringList{"icon", "panel", "button", "panel", "icon"} << "11001";
}

void tst_VSystemTrayIcon::instantPanel()
{
    QFETCH(bool, setting);
    QFETCH(QStringList, steps);
    QFETCH(QString, expected);
    QCOMPARE(steps.size(), expected.size());

    m_pConfig->setShowTrayInstantMenu(setting);
    MainWindow window;
    TrayIcon tray(&window, QIcon());
    VShapedTrayPanel* panel = tray.panel();
    panel->addButton(QIcon(), QStringLiteral("Capture Region"), nullptr, nullptr);
    panel->addButton(QIcon(), QStringLiteral("Capture Window"), nullptr, nullptr);
    const QRect area = QGuiApplication::primaryScreen()->geometry();
    tray.iconRect = QRect(area.right() - 100, area.bottom() - 23, 24, 24);

    QRect panelGeometry;
    for (int i = 0; i < steps.size(); ++i) {
        const QString& step = steps.at(i);
        if (!panel->isHidden()) {
            panelGeometry = panel->frameGeometry();
        }
        bool poll = true;
        if (step == QLatin1String("icon")) {
            tray.pointer = tray.iconRect.center();
        } else if (step == QLatin1String("away")) {
            tray.pointer = area.center();
        } else if (step == QLatin1String("panel")) {
            QVERIFY(panelGeometry.isValid());
            tray.pointer = panelGeometry.center();
        } else if (step == QLatin1String("panelEdge")) {
            tray.pointer = panelGeometry.topLeft();
        } else if (step == QLatin1String("beside")) {
            tray.pointer = QPoint(panelGeometry.left() - 5, panelGeometry.center().y());
        } else if (step == QLatin1String("click")) {
            tray.onActivated(QSystemTrayIcon::Trigger);
            poll = false;
        } else if (step == QLatin1String("context")) {
            tray.contextMenu()->popup(tray.iconRect.topLeft());
            tray.onActivated(QSystemTrayIcon::Context);
            poll = false;
        } else if (step == QLatin1String("menu")) {
            tray.contextMenu()->popup(tray.iconRect.topLeft());
            QVERIFY(tray.contextMenu()->isVisible());
            poll = false;
        } else if (step == QLatin1String("unmenu")) {
            tray.contextMenu()->hide();
            poll = false;
        } else if (step == QLatin1String("button")) {
            panel->findChild<QToolButton*>()->click();
            poll = false;
        } else {
            QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
        }
        if (poll) {
            tray.poll();
        }
        QVERIFY2(panel->isVisible() == (expected.at(i) == QLatin1Char('1')),
                 qPrintable(QStringLiteral("step %1 (%2)").arg(i).arg(step)));
    }
    tray.contextMenu()->hide();
}

// The same with the real 200 ms timer and nobody calling poll.
void tst_VSystemTrayIcon::timerPollsThePointer()
{
    MainWindow window;
    TrayIcon tray(&window, QIcon());
    tray.panel()->addButton(QIcon(), QStringLiteral("Capture Region"), nullptr, nullptr);
    tray.iconRect = QRect(300, 20, 24, 24);
    tray.pointer = tray.iconRect.center();
    QTRY_VERIFY(tray.panel()->isVisible());
    QVERIFY(tray.panel()->geometry().top() > tray.iconRect.center().y());

    tray.pointer = QPoint(0, 500);
    QTRY_VERIFY(tray.panel()->isHidden());
}

void tst_VSystemTrayIcon::textsFollowTheLanguage()
{
    MainWindow window;
    TrayIcon tray(&window, QIcon());
    ShoutingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QTRY_COMPARE(tray.contextMenu()->actions().constFirst()->text(),
                 QStringLiteral("&SHOW MAIN WINDOW"));
    QCOMPARE(tray.contextMenu()->actions().constLast()->text(), QStringLiteral("E&XIT"));

    QCoreApplication::removeTranslator(&translator);
    QTRY_COMPARE(tray.contextMenu()->actions().constFirst()->text(),
                 QStringLiteral("&Show Main Window"));
}

TALVIK_TEST_MAIN(tst_VSystemTrayIcon)
#include "tst_VSystemTrayIcon.moc"
