// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikCaptureSettings.h"
#include "TalvikDesktop.h"
#include "TalvikTest.h"

#include <QProcess>
#include <QScopeGuard>
#include <QSettings>

#include <X11/keysym.h>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <cstdlib>
#include <memory>

namespace {

using TalvikTest::captureSettingsPath;
using TalvikTest::writeCaptureSettings;

bool xdotool(const QStringList& arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

// How many mapped windows an xdotool search finds.
int countWindows(const QStringList& search)
{
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"),
                  QStringList{QStringLiteral("search"), QStringLiteral("--onlyvisible")} + search);
    if (!xdotool.waitForFinished(5000))
        return -1;
    return int(QString::fromLatin1(xdotool.readAllStandardOutput())
                   .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                   .size());
}

// How many mapped top-level windows carry exactly this title.
int visibleWindows(const QString& title)
{
    return countWindows({QStringLiteral("--name"), QLatin1Char('^') + title + QLatin1Char('$')});
}

// The program's mapped windows: dialogs, tray icon, menus.
int programWindows()
{
    return countWindows({QStringLiteral("--classname"), QStringLiteral("TalvikCapture")});
}

// Whether another client holds the key with these modifiers as a hotkey: the X server then
// refuses the same grab to us.
bool keyGrabbedElsewhere(xcb_keysym_t keysym, uint16_t modifiers)
{
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(
        xcb_connect(nullptr, nullptr), &xcb_disconnect);
    const std::unique_ptr<xcb_key_symbols_t, decltype(&xcb_key_symbols_free)> symbols(
        xcb_key_symbols_alloc(connection.get()), &xcb_key_symbols_free);
    const std::unique_ptr<xcb_keycode_t, decltype(&std::free)> codes(
        xcb_key_symbols_get_keycode(symbols.get(), keysym), &std::free);
    if (!codes || !codes.get()[0])
        return false;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection.get())).data->root;
    const std::unique_ptr<xcb_generic_error_t, decltype(&std::free)> error(
        xcb_request_check(connection.get(),
                          xcb_grab_key_checked(connection.get(), 1, root, modifiers, codes.get()[0],
                                               XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC)),
        &std::free);
    // Ours ends with the connection.
    return error != nullptr;
}

// A tray host at the bottom right for as long as it lives, as the tray journeys need.
class TrayHost
{
public:
    explicit TrayHost(bool bWanted = true)
    {
        if (bWanted)
            m_trayer.start(QStringLiteral("trayer"), {"--edge", "bottom", "--align", "right",
                                                      "--widthtype", "request", "--height", "24"});
    }
    ~TrayHost()
    {
        m_trayer.kill();
        m_trayer.waitForFinished(3000);
    }
    bool started() { return m_trayer.waitForStarted(); }

private:
    QProcess m_trayer;
};

QVariant storedSetting(const QString& key)
{
    return QSettings(TalvikTest::captureSettingsPath(), QSettings::IniFormat).value(key);
}

const QString kDialogTitle = QStringLiteral("Morvane Screen Capture");

// Starts `starts` copies of program with argument at once: exactly one becomes the instance and
// runs on, every other one ends with exit code 0.
void burstEndsWell(
    const QString& program, const QString& argument, int starts,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QTemporaryDir exits;
    QProcess burst;
    burst.setProcessEnvironment(environment);
    burst.setProcessChannelMode(QProcess::ForwardedChannels);
    burst.start(QStringLiteral("sh"),
                {"-c", "for i in $(seq $3); do (\"$0\" $2; echo $? > \"$1/$i\") & done", program,
                 exits.path(), argument, QString::number(starts)});
    QVERIFY(burst.waitForFinished(10000));
    const QDir folder(exits.path());
    QTRY_VERIFY_WITH_TIMEOUT(folder.entryList(QDir::Files).size() >= starts - 1, 60000);
    // The one that took the instance's place runs on, alone.
    QProcess count;
    count.start(QStringLiteral("pgrep"), {"-c", "-f", QLatin1Char('^') + program});
    QVERIFY(count.waitForFinished(5000));
    QCOMPARE(count.readAll().trimmed(), QByteArray("1"));
    QCOMPARE(folder.entryList(QDir::Files).size(), starts - 1);
    for (const QString& name : folder.entryList(QDir::Files)) {
        QFile exit(folder.filePath(name));
        QVERIFY(exit.open(QIODevice::ReadOnly) && exit.readAll().trimmed() == "0");
    }
}

} // namespace

// The program as a user starts it: one instance, the log-on word, the updater beside it.
class tst_CaptureStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void autorunKeepsTheDialogHidden_data();
    void autorunKeepsTheDialogHidden();
    void secondCopyWakesTheFirst();
    void burstAfterACrashLeavesOneInstance();
    void burstOnAResettingDisplay();
    void updaterIsNotStartedWhenSwitchedOff();
    void captureFromTheCommandLine();
    void withoutATrayNothingIsOutOfReach();
    void hotkeyStartsACapture();
    void closing_data();
    void closing();
    void exitFromTheTray_data();
    void exitFromTheTray();
    void hotkeyFieldRecords();
    void intervalOutsideItsRangeIsNotStored();

private:
    QProcess* start(const QStringList& arguments,
                    QProcess::ProcessChannelMode channels = QProcess::ForwardedErrorChannel);
    // Starts the program with its dialog shown and focused.
    void startFocused(const QByteArray& settings);
    bool updaterStarted() const { return QFileInfo::exists(m_updaterLog); }

    QTemporaryDir m_dir;
    QString m_program;
    QString m_updaterLog;
    QList<QProcess*> m_processes;
};

void tst_CaptureStartup::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        QSKIP("xdotool is not installed");
    // A copy of the program with a recording stand-in for the updater beside it.
    m_program = m_dir.filePath(QStringLiteral("TalvikCapture"));
    QVERIFY(QFile::copy(QStringLiteral(TALVIK_CAPTURE_BINARY), m_program));
    m_updaterLog = m_dir.filePath(QStringLiteral("updater.log"));
    QFile updater(m_dir.filePath(QStringLiteral("TalvikUpdate")));
    QVERIFY(updater.open(QIODevice::WriteOnly));
    updater.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"" + m_updaterLog.toLocal8Bit() +
                  ".part\"\n"
                  "mv \"" +
                  m_updaterLog.toLocal8Bit() + ".part\" \"" + m_updaterLog.toLocal8Bit() + "\"\n");
    updater.close();
    QVERIFY(updater.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                   QFileDevice::ExeOwner));
}

void tst_CaptureStartup::init()
{
    QFile::remove(captureSettingsPath());
    QFile::remove(m_updaterLog);
}

void tst_CaptureStartup::cleanup()
{
    for (QProcess* pProcess : std::as_const(m_processes)) {
        pProcess->kill();
        pProcess->waitForFinished(5000);
        delete pProcess;
    }
    m_processes.clear();
    QTRY_COMPARE(visibleWindows(kDialogTitle), 0);
}

QProcess* tst_CaptureStartup::start(const QStringList& arguments,
                                    QProcess::ProcessChannelMode channels)
{
    auto* pProcess = new QProcess;
    pProcess->setProcessChannelMode(channels);
    // The tray must be the one on the test's X server, never a desktop's over the session bus.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                       QStringLiteral("unix:path=/nonexistent/talvik-test-no-bus"));
    pProcess->setProcessEnvironment(environment);
    pProcess->start(m_program, arguments);
    m_processes.append(pProcess);
    return pProcess;
}

void tst_CaptureStartup::autorunKeepsTheDialogHidden_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("windows");
    QTest::addColumn<QString>("warning");
    QTest::newRow("/autorun") << QStringList{"/autorun"} << 0 << "";
    QTest::newRow("/AUTORUN") << QStringList{"/AUTORUN"} << 1 << "unknown argument \"/AUTORUN\"";
    QTest::newRow("no argument") << QStringList{} << 1 << "";
    // A launcher's own option must not keep the program from opening.
    QTest::newRow("--autorun") << QStringList{"--autorun"} << 1 << "unknown argument \"--autorun\"";
}

void tst_CaptureStartup::autorunKeepsTheDialogHidden()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, windows);
    QFETCH(QString, warning);
    // Hidden only where a tray icon can bring it back.
    TrayHost trayHost;
    QVERIFY(trayHost.started());
    QProcess* pProcess = start(arguments, QProcess::SeparateChannels);
    QVERIFY(pProcess->waitForStarted());
    // The updater starts last, once the dialog is shown or not: a sign that start-up is over.
    QTRY_VERIFY_WITH_TIMEOUT(updaterStarted(), 15000);
    QTRY_COMPARE(visibleWindows(kDialogTitle), windows);
    QVERIFY(pProcess->state() == QProcess::Running);
    const QString errors = QString::fromLocal8Bit(pProcess->readAllStandardError());
    QVERIFY2(warning.isEmpty() ? !errors.contains(QLatin1String("unknown"))
                               : errors.contains(warning),
             qPrintable(errors));

    QFile log(m_updaterLog);
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QStringList updaterArguments =
        QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(updaterArguments.size(), 4);
    QCOMPARE(updaterArguments.at(0), QStringLiteral("TalvikCapture"));
    QCOMPARE(updaterArguments.at(1), QStringLiteral("Morvane Screen Capture"));
    QVERIFY(updaterArguments.at(2).endsWith(QLatin1String("/d/talvikcapture.xml")));
    QCOMPARE(updaterArguments.at(3), QStringLiteral("2.5"));
}

void tst_CaptureStartup::secondCopyWakesTheFirst()
{
    TrayHost trayHost;
    QVERIFY(trayHost.started());
    start({QStringLiteral("/autorun")});
    QTRY_VERIFY_WITH_TIMEOUT(updaterStarted(), 15000);
    QCOMPARE(visibleWindows(kDialogTitle), 0);

    QProcess second;
    second.start(m_program, {QStringLiteral("--frobnicate")});
    QVERIFY(second.waitForFinished(15000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QTRY_COMPARE(visibleWindows(kDialogTitle), 1);
}

// The running instance dies without a word, then ten starts race for its place: one takes it,
// every other one hands over and ends normally, without even needing the display (which may
// drop connections that arrive all at once).
void tst_CaptureStartup::burstAfterACrashLeavesOneInstance()
{
    const auto killAll = qScopeGuard([this] { QProcess::execute("pkill", {"-f", m_program}); });
    QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
    noDisplay.remove(QStringLiteral("DISPLAY"));
    for (int round = 0; round < 3; ++round) {
        QFile::remove(m_updaterLog);
        QProcess* pFirst = start({QStringLiteral("/autorun")});
        QTRY_VERIFY_WITH_TIMEOUT(updaterStarted(), 15000);
        pFirst->kill();
        QVERIFY(pFirst->waitForFinished(5000));

        burstEndsWell(m_program, QStringLiteral("/autorun"), 10);
        if (QTest::currentTestFailed())
            return;
        QProcess late;
        late.setProcessEnvironment(noDisplay);
        late.start(m_program, {});
        QVERIFY(late.waitForFinished(15000) && late.exitCode() == 0);
        QTRY_COMPARE(visibleWindows(kDialogTitle), 1);
        QProcess::execute(QStringLiteral("pkill"), {"-f", m_program});
        QTRY_COMPARE(visibleWindows(kDialogTitle), 0);
    }
}

// An X server whose only client is the program resets whenever that client leaves, also the
// start-up's own check of the display. A burst of captures asked after a crash still leaves one
// instance, and every start hands its request over.
void tst_CaptureStartup::burstOnAResettingDisplay()
{
    QProcess server;
    server.start(QStringLiteral("Xvfb"),
                 {"-displayfd", "1", "-screen", "0", "640x480x24", "-nolisten", "tcp"});
    QVERIFY(server.waitForReadyRead(10000));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"),
                       QLatin1Char(':') + QString::fromLatin1(server.readAll()).trimmed());
    const auto stop = qScopeGuard([this, &server] {
        QProcess::execute(QStringLiteral("pkill"), {"-f", m_program});
        server.kill();
        server.waitForFinished();
    });
    for (int round = 0; round < 2; ++round) {
        QFile::remove(m_updaterLog);
        QProcess first;
        first.setProcessEnvironment(environment);
        first.start(m_program, {QStringLiteral("/autorun")});
        QTRY_VERIFY_WITH_TIMEOUT(updaterStarted(), 15000);
        first.kill();
        QVERIFY(first.waitForFinished(5000));

        burstEndsWell(m_program, QStringLiteral("--capture region"), 30, environment);
        if (QTest::currentTestFailed())
            return;
        QProcess::execute(QStringLiteral("pkill"), {"-9", "-f", m_program});
    }
}

void tst_CaptureStartup::updaterIsNotStartedWhenSwitchedOff()
{
    writeCaptureSettings("AutoUpdate=false\n");
    start({});
    // The window is mapped from the event loop, after the updater step of start-up.
    QTRY_COMPARE_WITH_TIMEOUT(visibleWindows(kDialogTitle), 1, 15000);
    QVERIFY(!updaterStarted());
}

void tst_CaptureStartup::captureFromTheCommandLine()
{
    writeCaptureSettings("AutoUpdate=false\n");
    // No instance runs: one starts in the tray and takes the capture at once.
    start({QStringLiteral("--capture"), QStringLiteral("fullscreen")});
    QTRY_COMPARE_WITH_TIMEOUT(visibleWindows(QStringLiteral("Select Output Target")), 1, 15000);
    QCOMPARE(visibleWindows(kDialogTitle), 0);

    // A later request reaches that instance and the asking copy ends at once.
    QProcess second;
    second.start(m_program, {QStringLiteral("--capture"), QStringLiteral("region")});
    QVERIFY(second.waitForFinished(15000));
    QCOMPARE(second.exitCode(), 0);
}

void tst_CaptureStartup::withoutATrayNothingIsOutOfReach()
{
    // A log-on start shows its dialog, minimised where a window manager can do it.
    QProcess* pProcess = start({QStringLiteral("/autorun")});
    QTRY_COMPARE_WITH_TIMEOUT(visibleWindows(kDialogTitle), 1, 15000);
    pProcess->kill();
    QVERIFY(pProcess->waitForFinished(5000));
    QTRY_COMPARE(visibleWindows(kDialogTitle), 0);

    // A start only for a capture ends with it.
    writeCaptureSettings("AutoUpdate=false\n");
    pProcess = start({QStringLiteral("--capture"), QStringLiteral("region")});
    QTRY_VERIFY_WITH_TIMEOUT(programWindows() > 0, 15000);
    QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("Escape")}));
    QVERIFY(pProcess->waitForFinished(10000));
    QCOMPARE(pProcess->exitCode(), 0);
}

void tst_CaptureStartup::hotkeyStartsACapture()
{
    writeCaptureSettings("UseHotkeyFullScreen=true\nHotkeyFullScreen=Ctrl+Shift+F11\n");
    start({QStringLiteral("/autorun")});
    QTRY_VERIFY_WITH_TIMEOUT(updaterStarted(), 15000);
    QVERIFY(QProcess::execute(QStringLiteral("xdotool"),
                              {QStringLiteral("key"), QStringLiteral("ctrl+shift+F11")}) == 0);
    QTRY_COMPARE_WITH_TIMEOUT(visibleWindows(QStringLiteral("Select Output Target")), 1, 15000);
}

void tst_CaptureStartup::closing_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<bool>("withTray");
    QTest::addColumn<bool>("keepsRunning");
    QTest::newRow("to the tray") << QByteArray() << true << true;
    QTest::newRow("tray switched off") << QByteArray("SystemTray=false\n") << true << false;
    QTest::newRow("no tray on this desktop") << QByteArray() << false << false;
}

void tst_CaptureStartup::closing()
{
    QFETCH(QByteArray, settings);
    QFETCH(bool, withTray);
    QFETCH(bool, keepsRunning);
    TrayHost trayHost(withTray);
    QVERIFY(!withTray || trayHost.started());
    writeCaptureSettings(settings);
    QProcess* pProcess = start({});
    QTRY_VERIFY_WITH_TIMEOUT(updaterStarted(), 15000);
    QTRY_COMPARE(visibleWindows(kDialogTitle), 1);

    // Escape in the focused dialog closes it as its close button would.
    QProcess search;
    search.start(QStringLiteral("xdotool"),
                 {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                  QStringLiteral("--name"), QLatin1Char('^') + kDialogTitle + QLatin1Char('$')});
    QVERIFY(search.waitForFinished(5000));
    const QString window = QString::fromLatin1(search.readAllStandardOutput()).trimmed();
    QVERIFY(QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"),
                                                          QStringLiteral("--sync"), window}) == 0);
    QVERIFY(QProcess::execute(QStringLiteral("xdotool"),
                              {QStringLiteral("key"), QStringLiteral("Escape")}) == 0);
    QTRY_COMPARE(visibleWindows(kDialogTitle), 0);
    if (keepsRunning) {
        // A negative check: a program that ends with its dialog is gone by now.
        QTest::qWait(500);
        QCOMPARE(pProcess->state(), QProcess::Running);
    } else {
        QVERIFY(pProcess->waitForFinished(10000));
        QCOMPARE(pProcess->exitStatus(), QProcess::NormalExit);
        QCOMPARE(pProcess->exitCode(), 0);
    }
}

void tst_CaptureStartup::exitFromTheTray_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("dialog shown") << QStringList{};
    QTest::newRow("dialog hidden") << QStringList{"/autorun"};
}

// One click on the tray menu's exit ends the program, whether the dialog is up or not.
void tst_CaptureStartup::exitFromTheTray()
{
    QFETCH(QStringList, arguments);
    TrayHost trayHost;
    QVERIFY(trayHost.started());
    writeCaptureSettings("AutoUpdate=false\n");
    QProcess* pProcess = start(arguments);
    const int windows = arguments.isEmpty() ? 2 : 1; // the dialog, the tray icon
    QTRY_COMPARE_WITH_TIMEOUT(programWindows(), windows, 15000);
    QVERIFY(xdotool({"search", "--onlyvisible", "--class", "trayer", "mousemove", "--window", "%1",
                     "12", "12", "click", "3"}));
    QTRY_COMPARE(programWindows(), windows + 1); // its menu
    QVERIFY(xdotool({"key", "x"}));
    QVERIFY(pProcess->waitForFinished(5000));
    QCOMPARE(pProcess->exitStatus(), QProcess::NormalExit);
    QCOMPARE(pProcess->exitCode(), 0);
}

void tst_CaptureStartup::startFocused(const QByteArray& settings)
{
    writeCaptureSettings("AutoUpdate=false\n" + settings);
    start({});
    QTRY_COMPARE_WITH_TIMEOUT(visibleWindows(kDialogTitle), 1, 15000);
    QVERIFY(xdotool({"search", "--onlyvisible", "--name", '^' + kDialogTitle + '$', "windowfocus",
                     "--sync", "%1"}));
    const QStringList dialog{"--onlyvisible", "--name", '^' + kDialogTitle + '$'};
    const int closedHeight = TalvikTest::windowGeometry(dialog).height();
    QVERIFY(xdotool({"key", "alt+o"})); // the settings tabs
    // A mnemonic clicks its button a moment later; the dialog grows for the tabs.
    QTRY_VERIFY_WITH_TIMEOUT(TalvikTest::windowGeometry(dialog).height() > closedHeight, 10000);
    // From the first mode button, which has the focus, past the title bar to the tabs' bar.
    QVERIFY(xdotool({"key", "Tab", "Tab", "Tab", "Tab", "Tab", "Tab", "Tab"}));
}

// In the Region field the Full Screen hotkey is recorded (and refused as taken) instead of
// starting its capture, and keys other programs need alone are refused, not grabbed.
void tst_CaptureStartup::hotkeyFieldRecords()
{
    startFocused("UseHotkeyFullScreen=true\nHotkeyFullScreen=Shift+F12\n"
                 "UseHotkeyRegion=true\nHotkeyRegion=Ctrl+F9\n");
    QTRY_VERIFY_WITH_TIMEOUT(keyGrabbedElsewhere(XK_F12, XCB_MOD_MASK_SHIFT), 10000);
    QVERIFY(xdotool({"key", "Right", "Right", "Tab", "Tab", "Tab", "Tab", "Tab"}));
    // The field withdraws the hotkeys once it has the focus.
    QTRY_VERIFY_WITH_TIMEOUT(!keyGrabbedElsewhere(XK_F12, XCB_MOD_MASK_SHIFT), 10000);
    QVERIFY(xdotool({"key", "shift+F12", "Escape", "a", "Tab", "a"}));
    // A negative check: longer than a capture takes to take the dialog off the screen.
    QTest::qWait(1500);
    QCOMPARE(visibleWindows(QStringLiteral("Select Output Target")), 0);
    QCOMPARE(visibleWindows(kDialogTitle), 1);
    QCOMPARE(storedSetting("HotkeyRegion").toString(), QStringLiteral("Ctrl+F9"));

    // Out of the field the Full Screen hotkey works again.
    QVERIFY(xdotool({"key", "shift+F12"}));
    QTRY_COMPARE_WITH_TIMEOUT(visibleWindows(QStringLiteral("Select Output Target")), 1, 5000);
}

void tst_CaptureStartup::intervalOutsideItsRangeIsNotStored()
{
    startFocused({});
    QVERIFY(xdotool({"key", "Tab", "Tab", "9", "9", "9", "9"}));
    QTRY_COMPARE(storedSetting("ScrollingInterval").toInt(), 999);
    QVERIFY(xdotool({"key", "Tab"})); // leaving the field brings it into the range
    QTRY_COMPARE(storedSetting("ScrollingInterval").toInt(), 5000);
}

TALVIK_TEST_MAIN(tst_CaptureStartup)
#include "tst_CaptureStartup.moc"
