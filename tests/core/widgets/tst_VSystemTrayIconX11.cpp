// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikTest.h"
#include "TalvikTestConfig.h"
#include "TalvikTestMainWindow.h"

#include "foundation/VConfig.h"
#include "widgets/VShapedTrayPanel.h"
#include "widgets/VSystemTrayIcon.h"

#include <QCursor>
#include <QMenu>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QToolButton>

#include <memory>
#include <utility>

// The tray icon in a real tray host on the X server, driven with the real pointer.

namespace {
// Keep Qt from putting the icon into a tray of the desktop this may run on (over the session
// bus) rather than into ours on the test's X server. Runs before the application object exists.
const bool kWithoutSessionBus = [] {
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/talvik-test-no-bus");
    return true;
}();

using TestConfig = TalvikTest::IniConfig;

using TalvikTest::MainWindow;

QIcon colourIcon(const QColor& colour)
{
    QPixmap picture(32, 32);
    picture.fill(colour);
    return QIcon(picture);
}
} // namespace

class tst_VSystemTrayIconX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void restingOnTheIconOpensThePanelAboveIt();
    void clickClosesThePanelUntilThePointerComesBack();

private:
    bool click(const QPoint& where);
    void saveScreenshot(const QString& name) const;

    QTemporaryDir m_dir;
    std::unique_ptr<TestConfig> m_pConfig;
    QProcess m_trayer;
    std::unique_ptr<MainWindow> m_pWindow;
    VSystemTrayIcon* m_pTray = nullptr;
};

void tst_VSystemTrayIconX11::initTestCase()
{
    Q_UNUSED(kWithoutSessionBus);
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        QSKIP("needs an X server");
    }
    const QString trayer = QStandardPaths::findExecutable(QStringLiteral("trayer"));
    if (trayer.isEmpty()) {
        QSKIP("trayer is not installed");
    }
    m_pConfig = std::make_unique<TestConfig>(m_dir.filePath(QStringLiteral("settings.ini")));
    m_pConfig->setShowTrayInstantMenu(true);

    QVERIFY2(!QSystemTrayIcon::isSystemTrayAvailable(), "another tray host runs on this display");
    m_trayer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_trayer.start(trayer, {"--edge", "bottom", "--align", "right", "--widthtype", "request",
                            "--height", "24"});
    QVERIFY(m_trayer.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QSystemTrayIcon::isSystemTrayAvailable(), 10000);

    m_pWindow = std::make_unique<MainWindow>();
    m_pWindow->resize(240, 120);
    m_pTray = new VSystemTrayIcon(m_pWindow.get(), colourIcon(QColor(40, 120, 200)));
    VShapedTrayPanel* panel = m_pTray->panel();
    const QColor colours[] = {Qt::red, Qt::green, Qt::yellow, Qt::cyan};
    for (const QColor& colour : colours) {
        panel->addButton(colourIcon(colour), colour.name(), nullptr, nullptr);
    }
    m_pTray->show();
    // Valid at once, but in the tray's strip at the bottom only once the host has embedded it.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QTRY_VERIFY_WITH_TIMEOUT(m_pTray->geometry().center().y() > screen.center().y(), 10000);
    qDebug() << "icon at" << m_pTray->geometry();
}

void tst_VSystemTrayIconX11::cleanupTestCase()
{
    m_pWindow.reset();
    if (m_trayer.state() != QProcess::NotRunning) {
        m_trayer.terminate();
        if (!m_trayer.waitForFinished(3000)) {
            m_trayer.kill();
            m_trayer.waitForFinished(3000);
        }
    }
}

void tst_VSystemTrayIconX11::restingOnTheIconOpensThePanelAboveIt()
{
    VShapedTrayPanel* panel = m_pTray->panel();
    const QRect icon = m_pTray->geometry();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCursor::setPos(screen.center());
    QTRY_COMPARE(QCursor::pos(), screen.center());
    // A negative check: away from the icon, a poll or two open nothing.
    QTest::qWait(300);
    QVERIFY(panel->isHidden());

    QCursor::setPos(icon.center());
    QTRY_VERIFY_WITH_TIMEOUT(panel->isVisible(), 5000);
    QVERIFY(QTest::qWaitForWindowExposed(panel));
    saveScreenshot(QStringLiteral("panel.png"));

    // Above the icon, wholly on the screen although the icon sits in its corner, with the
    // pointer's tip on the icon.
    const QRect geometry = panel->frameGeometry();
    QVERIFY(screen.contains(geometry));
    QCOMPARE(geometry.bottom() + 1, icon.center().y() - 8);
    const QRegion mask = panel->mask().translated(panel->geometry().topLeft());
    const int tipY = panel->geometry().bottom() - 3;
    bool tipOnIcon = false;
    for (int x = icon.left(); x <= icon.right(); ++x) {
        tipOnIcon = tipOnIcon || mask.contains(QPoint(x, tipY));
    }
    QVERIFY(tipOnIcon);

    // Into the panel, onto its first button: it stays.
    const auto* button = panel->findChild<QToolButton*>();
    const QPoint onButton = button->mapToGlobal(button->rect().center());
    QCursor::setPos(onButton);
    QTRY_COMPARE(QCursor::pos(), onButton);
    // A negative check: a panel left wrongly would close at the next poll, within 200 ms.
    QTest::qWait(500);
    QVERIFY(panel->isVisible());
    saveScreenshot(QStringLiteral("panel-hover.png"));

    // Leaving both closes it.
    QCursor::setPos(screen.center());
    QTRY_VERIFY_WITH_TIMEOUT(panel->isHidden(), 5000);
}

void tst_VSystemTrayIconX11::clickClosesThePanelUntilThePointerComesBack()
{
    VShapedTrayPanel* panel = m_pTray->panel();
    const QRect icon = m_pTray->geometry();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCursor::setPos(icon.center());
    QTRY_VERIFY_WITH_TIMEOUT(panel->isVisible(), 5000);

    if (!click(icon.center())) {
        QSKIP("xdotool is not installed");
    }
    QTRY_VERIFY_WITH_TIMEOUT(m_pWindow->isVisible(), 5000);
    QVERIFY(panel->isHidden());
    // A negative check: with the pointer still on the icon, the next polls keep it shut.
    QTest::qWait(500);
    QVERIFY(panel->isHidden());

    QCursor::setPos(screen.center());
    QTRY_COMPARE(QCursor::pos(), screen.center());
    // Real time on purpose: the icon polls the pointer every 200 ms and must see it away once.
    QTest::qWait(500);
    QCursor::setPos(icon.center());
    QTRY_VERIFY_WITH_TIMEOUT(panel->isVisible(), 5000);

    QCursor::setPos(screen.center());
    QTRY_VERIFY_WITH_TIMEOUT(panel->isHidden(), 5000);
    m_pWindow->hide();
}

// A real button press, so that the tray host's window sees it.
bool tst_VSystemTrayIconX11::click(const QPoint& where)
{
    const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
    if (xdotool.isEmpty()) {
        return false;
    }
    QCursor::setPos(where);
    return QProcess::execute(xdotool, {"click", "1"}) == 0;
}

// For looking at the panel as a user does: TALVIK_SCREENSHOT_DIR=/tmp/shots.
void tst_VSystemTrayIconX11::saveScreenshot(const QString& name) const
{
    const QString folder = qEnvironmentVariable("TALVIK_SCREENSHOT_DIR");
    if (folder.isEmpty()) {
        return;
    }
    // Taken once the screen stands still, so the picture shows what was painted.
    QScreen* pScreen = QGuiApplication::primaryScreen();
    QImage shot = pScreen->grabWindow(0).toImage();
    const bool bStill = QTest::qWaitFor([&] {
        const QImage previous = std::exchange(shot, pScreen->grabWindow(0).toImage());
        return previous == shot;
    });
    if (!bStill)
        qWarning("%s: the screen kept changing", qPrintable(name));
    shot.save(QDir(folder).filePath(name));
}

TALVIK_TEST_MAIN(tst_VSystemTrayIconX11)
#include "tst_VSystemTrayIconX11.moc"
