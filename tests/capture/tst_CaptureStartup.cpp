#include "TalvikCaptureSettings.h"
#include "TalvikTest.h"

#include <QProcess>
#include <QScopeGuard>

namespace {

using TalvikTest::captureSettingsPath;
using TalvikTest::writeCaptureSettings;

// How many mapped top-level windows carry exactly this title.
int visibleWindows(const QString& title)
{
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"),
                  {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                   QStringLiteral("--name"), QLatin1Char('^') + title + QLatin1Char('$')});
    if (!xdotool.waitForFinished(5000))
        return -1;
    return int(QString::fromLatin1(xdotool.readAllStandardOutput())
                   .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                   .size());
}

const QString kDialogTitle = QStringLiteral("Morvane Screen Capture");

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
    void updaterIsNotStartedWhenSwitchedOff();
    void captureFromTheCommandLine();
    void hotkeyStartsACapture();
    void closing_data();
    void closing();

private:
    QProcess* start(const QStringList& arguments);
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

QProcess* tst_CaptureStartup::start(const QStringList& arguments)
{
    auto* pProcess = new QProcess;
    pProcess->setProcessChannelMode(QProcess::ForwardedErrorChannel);
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
    QTest::newRow("/autorun") << QStringList{"/autorun"} << 0;
    QTest::newRow("/AUTORUN") << QStringList{"/AUTORUN"} << 1;
    QTest::newRow("no argument") << QStringList{} << 1;
}

void tst_CaptureStartup::autorunKeepsTheDialogHidden()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, windows);
    QProcess* pProcess = start(arguments);
    QVERIFY(pProcess->waitForStarted());
    // The updater starts last, once the dialog is shown or not: a sign that start-up is over.
    QTRY_VERIFY_WITH_TIMEOUT(updaterStarted(), 15000);
    QTRY_COMPARE(visibleWindows(kDialogTitle), windows);
    QVERIFY(pProcess->state() == QProcess::Running);

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
    start({QStringLiteral("/autorun")});
    QTRY_VERIFY_WITH_TIMEOUT(updaterStarted(), 15000);
    QCOMPARE(visibleWindows(kDialogTitle), 0);

    QProcess second;
    second.start(m_program, {});
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
    const QString script =
        QStringLiteral("for i in $(seq 10); do (\"$0\" /autorun; echo $? > \"$1/$i\") & done");
    const auto killAll = qScopeGuard([this] { QProcess::execute("pkill", {"-f", m_program}); });
    QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
    noDisplay.remove(QStringLiteral("DISPLAY"));
    for (int round = 0; round < 3; ++round) {
        QFile::remove(m_updaterLog);
        QProcess* pFirst = start({QStringLiteral("/autorun")});
        QTRY_VERIFY_WITH_TIMEOUT(updaterStarted(), 15000);
        pFirst->kill();
        QVERIFY(pFirst->waitForFinished(5000));

        QTemporaryDir exits;
        QProcess::execute(QStringLiteral("sh"), {"-c", script, m_program, exits.path()});
        QDir folder(exits.path());
        QTRY_VERIFY_WITH_TIMEOUT(folder.entryList(QDir::Files).size() >= 9, 20000);
        QTest::qWait(300);
        QCOMPARE(folder.entryList(QDir::Files).size(), 9);
        for (const QString& name : folder.entryList(QDir::Files)) {
            QFile exit(folder.filePath(name));
            QVERIFY(exit.open(QIODevice::ReadOnly) && exit.readAll().trimmed() == "0");
        }
        QProcess late;
        late.setProcessEnvironment(noDisplay);
        late.start(m_program, {});
        QVERIFY(late.waitForFinished(15000) && late.exitCode() == 0);
        QTRY_COMPARE(visibleWindows(kDialogTitle), 1);
        QProcess::execute(QStringLiteral("pkill"), {"-f", m_program});
        QTRY_COMPARE(visibleWindows(kDialogTitle), 0);
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
    QProcess trayer;
    if (withTray) {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("trayer"));
        if (program.isEmpty())
            QSKIP("trayer is not installed");
        trayer.start(program,
                     {QStringLiteral("--edge"), QStringLiteral("bottom"), QStringLiteral("--align"),
                      QStringLiteral("right"), QStringLiteral("--widthtype"),
                      QStringLiteral("request"), QStringLiteral("--height"), QStringLiteral("24")});
        QVERIFY(trayer.waitForStarted());
    }
    const auto stopTrayer = qScopeGuard([&trayer] {
        trayer.kill();
        trayer.waitForFinished(3000);
    });
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
        QTest::qWait(500);
        QCOMPARE(pProcess->state(), QProcess::Running);
    } else {
        QVERIFY(pProcess->waitForFinished(10000));
        QCOMPARE(pProcess->exitStatus(), QProcess::NormalExit);
        QCOMPARE(pProcess->exitCode(), 0);
    }
}

TALVIK_TEST_MAIN(tst_CaptureStartup)
#include "tst_CaptureStartup.moc"
