// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikDesktop.h"
#include "TalvikTest.h"
#include "VTestHttpServer.h"

#include "VUpdateSettings.h"

#include <QProcess>
#include <QSettings>

#include <memory>

using Mode = VTestHttpServer::Mode;

namespace {

const QString kPath = QStringLiteral("/d/talvikcapture.xml");
// The updater's network time-out in these runs, and a bound well above it for its end.
constexpr int kTimeoutMs = 800;
constexpr int kWaitMs = 10000;

QByteArray releases(const QByteArray& version)
{
    return "<releases><product name=\"TalvikCapture\" version=\"" + version +
           "\" link=\"http://127.0.0.1:1/files/setup.sh\"/></releases>";
}

} // namespace

// The built program as the capture application starts it: arguments in, exit code out.
class TestTalvikUpdate : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<VTestHttpServer> m_pServer;
    std::unique_ptr<QProcess> m_pProcess;

    QStringList arguments() const
    {
        return {QStringLiteral("TalvikCapture"), QStringLiteral("Morvane Screen Capture"),
                m_pServer->url(kPath), QStringLiteral("2.5")};
    }
    // Runs the program to its end while this process keeps serving; -1 when it does not end.
    int run(const QStringList& args, int timeoutMs = kTimeoutMs)
    {
        start(args, timeoutMs);
        QSignalSpy finished(m_pProcess.get(), &QProcess::finished);
        if (!finished.wait(kWaitMs) || m_pProcess->exitStatus() != QProcess::NormalExit)
            return -1;
        return m_pProcess->exitCode();
    }
    void start(const QStringList& args, int timeoutMs = kTimeoutMs)
    {
        m_pProcess = std::make_unique<QProcess>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QGuiApplication::platformName());
        environment.insert(QStringLiteral("TMPDIR"), TalvikTest::privateHome().path());
        environment.insert(QStringLiteral("TALVIK_UPDATE_TIMEOUT_MS"), QString::number(timeoutMs));
        m_pProcess->setProcessEnvironment(environment);
        m_pProcess->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_pProcess->start(QStringLiteral(TALVIK_UPDATE_PROGRAM), args);
    }

private slots:
    void init()
    {
        m_pServer = std::make_unique<VTestHttpServer>();
        QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Morvane"),
                  QStringLiteral("TalvikUpdate"))
            .clear();
    }
    void cleanup()
    {
        if (m_pProcess && m_pProcess->state() != QProcess::NotRunning) {
            m_pProcess->kill();
            m_pProcess->waitForFinished();
        }
        m_pProcess.reset();
        m_pServer.reset();
    }

    void tooFewArguments_data()
    {
        QTest::addColumn<int>("count");
        for (int count = 0; count < 4; ++count)
            QTest::addRow("%d arguments", count) << count;
    }
    void tooFewArguments()
    {
        QFETCH(int, count);
        m_pServer->setRoute(kPath, {200, releases("2.6")});
        QCOMPARE(run(arguments().mid(0, count)), 1);
        QCOMPARE(m_pServer->requestCount(kPath), 0);
    }

    void remindUntil_data()
    {
        QTest::addColumn<QVariant>("until");
        QTest::addColumn<bool>("checks");
        // Seconds from now, turned into a moment when the row runs.
        QTest::newRow("unset") << QVariant() << true;
        QTest::newRow("past") << QVariant(-3600) << true;
        QTest::newRow("30 s ahead") << QVariant(30) << true;
        QTest::newRow("61 s ahead") << QVariant(61) << false;
        QTest::newRow("4 hours ahead") << QVariant(4 * 3600) << false;
        QTest::newRow("not a date") << QVariant(QStringLiteral("soon")) << true;
    }
    void remindUntil()
    {
        QFETCH(QVariant, until);
        QFETCH(bool, checks);
        if (until.typeId() == QMetaType::Int)
            VUpdateSettings::setRemindUntil(QDateTime::currentDateTime().addSecs(until.toInt()));
        else if (until.isValid())
            QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Morvane"),
                      QStringLiteral("TalvikUpdate"))
                .setValue(QStringLiteral("RemindUntil"), until);
        m_pServer->setRoute(kPath, {200, releases("2.5")});
        QCOMPARE(run(arguments()), 0);
        QCOMPARE(m_pServer->requestCount(kPath), checks ? 1 : 0);
    }

    void endsQuietly_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("same version") << 200 << int(Mode::Normal) << releases("2.5");
        QTest::newRow("never answers") << 200 << int(Mode::Silent) << releases("2.6");
        QTest::newRow("trickles") << 200 << int(Mode::Trickle) << QByteArray();
        QTest::newRow("endless") << 200 << int(Mode::Endless) << QByteArray();
        QTest::newRow("http error") << 503 << int(Mode::Normal) << releases("2.6");
        QTest::newRow("not XML") << 200 << int(Mode::Normal) << QByteArray("<<<");
    }
    void endsQuietly()
    {
        QFETCH(int, status);
        QFETCH(int, mode);
        QFETCH(QByteArray, body);
        m_pServer->setRoute(kPath, {status, body, Mode(mode)});
        QCOMPARE(run(arguments()), 0);
        QCOMPARE(m_pServer->requestCount(kPath), 1);
    }

    void oversizedDescriptionIsCutAtOnce_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("no length, endless") << int(Mode::Endless) << QByteArray();
        // Announces twice its 600 KiB, more than the 1 MiB a description may have, then stalls.
        QTest::newRow("announces too much") << int(Mode::Stall) << QByteArray(600 << 10, ' ');
    }
    void oversizedDescriptionIsCutAtOnce()
    {
        QFETCH(int, mode);
        QFETCH(QByteArray, body);
        m_pServer->setRoute(kPath, {200, body, Mode(mode)});
        // A network time-out far beyond the wait: only the size cap ends the check in time.
        QCOMPARE(run(arguments(), 10 * 60 * 1000), 0);
        QVERIFY(m_pServer->bytesSent(kPath) < (16 << 20));
    }

    void newerVersionKeepsRunning()
    {
        m_pServer->setRoute(kPath, {200, releases("2.6")});
        start(arguments());
        QTRY_COMPARE_WITH_TIMEOUT(m_pServer->requestCount(kPath), 1, kWaitMs);
        // It now waits in the tray for the user; well past its own time-out it is still there.
        // Real time on purpose: the updater measures that time-out.
        QTest::qWait(2 * kTimeoutMs);
        QCOMPARE(m_pProcess->state(), QProcess::Running);
    }

    // Tray icon clicked, Download pressed; while a body pours in: kill, Alt+F4 (close) or Escape.
    void downloadStaysSmallAndEndsAtOnce()
    {
        if (qEnvironmentVariableIsEmpty("TALVIK_TEST_WM"))
            QSKIP("a desktop journey: runs as tst_TalvikUpdate_openbox");
        QProcess trayer;
        trayer.start("trayer", {"--edge", "bottom", "--align", "right", "--widthtype", "request"});
        const auto stop = qScopeGuard([&trayer] { trayer.kill(), trayer.waitForFinished(); });
        const auto x = [](const QString& c) { return TalvikTest::xdotool(c.split(' ')); };
        const auto tray = "search --onlyvisible --class trayer mousemove --window %1 12 12 click 1";
        const QString home = TalvikTest::privateHome().path(); // the program's TMPDIR
        for (const QString end : {"kill", "alt+F4", "Escape"}) {
            const QString path = "/files/" + end + "/setup.sh";
            m_pServer->setRoute(path, {200, {}, end == "alt+F4" ? Mode::Huge : Mode::Endless});
            m_pServer->setRoute(kPath,
                                {200, releases("2.6").replace("http://127.0.0.1:1/files/setup.sh",
                                                              m_pServer->url(path).toUtf8())});
            start(arguments(), kWaitMs);
            QTRY_COMPARE_WITH_TIMEOUT(QDir(home, "TalvikUpdate-*").count(), 0u, kWaitMs); // stale
            const QString pid = QString::number(m_pProcess->processId());
            const QString window = "search --all --onlyvisible --pid " + pid + " --name ^Morvane";
            QTRY_VERIFY_WITH_TIMEOUT((x(tray), !x(window).isEmpty()), kWaitMs);
            x(window + " windowfocus --sync key alt+d");
            QTRY_VERIFY_WITH_TIMEOUT(m_pServer->bytesSent(path) > (128 << 20), kWaitMs);
            QFile file("/proc/" + pid + "/status");
            QVERIFY(file.open(QIODevice::ReadOnly));
            const int kib = QString(file.readAll()).section("VmHWM:", 1).section('k', 0, 0).toInt();
            QVERIFY2(kib > 0 && kib < (100 << 10), qPrintable(QString::number(kib))); // the peak
            const QDeadlineTimer second(1000);
            end == "kill" ? m_pProcess->kill() : void(x("key " + end));
            QTRY_COMPARE_WITH_TIMEOUT(m_pProcess->state(), QProcess::NotRunning, kWaitMs);
            QVERIFY(end == "kill" || (m_pProcess->exitCode() == 2 && !second.hasExpired()));
            QCOMPARE(QDir(home, "TalvikUpdate-*").count(), end == "kill" ? 1u : 0u);
        }
    }
};

TALVIK_TEST_MAIN(TestTalvikUpdate)
#include "tst_TalvikUpdate.moc"
