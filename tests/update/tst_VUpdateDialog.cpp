// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikTest.h"
#include "TalvikTexts.h"
#include "VTestHttpServer.h"

#include "VUpdateDialog.h"
#include "VUpdateFormat.h"
#include "VUpdateSettings.h"

#include <QComboBox>
#include <QCryptographicHash>
#include <QLabel>
#include <QMovie>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QStackedWidget>
#include <QSystemTrayIcon>

#include <memory>

using Mode = VTestHttpServer::Mode;
Q_DECLARE_METATYPE(VTestHttpServer::Mode)

namespace {

const QString kKey = QStringLiteral("TalvikCapture");
const QString kName = QStringLiteral("Morvane Screen Capture");
constexpr int kTimeoutMs = 800;
// Generous bound for "ends by itself": the updater's own time-out plus slack.
constexpr int kWaitMs = 8000;

QByteArray product(const QString& version, const QString& link, const QString& extra = {})
{
    return QStringLiteral("<product name=\"%1\" version=\"%2\" link=\"%3\" %4/>")
        .arg(kKey, version, link, extra)
        .toUtf8();
}

QByteArray releases(const QByteArray& products)
{
    return "<?xml version=\"1.0\"?>\n<releases>" + products + "</releases>";
}

// The desktop's tray as the test decides: offscreen there is none.
class TrayDialog : public VUpdateDialog
{
public:
    TrayDialog(bool bTray, const QString& address, const QString& version, int timeoutMs)
        : VUpdateDialog(kKey, kName, address, version, timeoutMs), m_bTray(bTray)
    {
    }

protected:
    bool trayAvailable() const override { return m_bTray; }

private:
    bool m_bTray;
};

} // namespace

class TestVUpdateDialog : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<VTestHttpServer> m_pServer;
    std::unique_ptr<VUpdateDialog> m_pDialog;
    std::unique_ptr<QSignalSpy> m_pQuit;
    std::unique_ptr<QSignalSpy> m_pMessages;
    QStringList m_folders;

    template <typename T>
    T* child(const char* name) const
    {
        T* pChild = m_pDialog->findChild<T*>(QLatin1String(name));
        if (!pChild)
            qFatal("no child %s", name);
        return pChild;
    }
    QSystemTrayIcon* tray() const { return m_pDialog->findChild<QSystemTrayIcon*>(); }
    QString page() const
    {
        return child<QStackedWidget>("stackedWidget")->currentWidget()->objectName();
    }

    int m_timeoutMs = kTimeoutMs;
    bool m_bTray = true;

    void start(const QByteArray& description, const QString& version = QStringLiteral("2.5"))
    {
        m_pServer->setRoute(QStringLiteral("/d/talvikcapture.xml"), {200, description});
        startAt(m_pServer->url(QStringLiteral("/d/talvikcapture.xml")), version);
    }
    void startAt(const QString& address, const QString& version = QStringLiteral("2.5"))
    {
        m_pDialog = std::make_unique<TrayDialog>(m_bTray, address, version, m_timeoutMs);
        m_pQuit = std::make_unique<QSignalSpy>(m_pDialog.get(), &VUpdateDialog::quitRequested);
        m_pMessages =
            std::make_unique<QSignalSpy>(m_pDialog.get(), &VUpdateDialog::trayMessageShown);
    }
    // The latest tray message as "title: text".
    QString lastMessage() const
    {
        if (m_pMessages->isEmpty())
            return QString();
        return m_pMessages->last().at(0).toString() + ": " + m_pMessages->last().at(1).toString();
    }
    // The found page, with the installer at /files/<fileName>.
    bool startFound(const VTestHttpServer::Route& download, const QString& extra = {},
                    const QString& fileName = QStringLiteral("setup.sh"))
    {
        m_pServer->setRoute(QStringLiteral("/files/") + fileName, download);
        start(releases(product(QStringLiteral("2.6"),
                               m_pServer->url(QStringLiteral("/files/") + fileName), extra)));
        return QTest::qWaitFor([this] { return page() == QLatin1String("widgetFoundNew"); },
                               kWaitMs);
    }
    void clickDownload()
    {
        child<QPushButton>("pushButtonDownload")->click();
        if (!m_pDialog->downloadPath().isEmpty())
            m_folders << QFileInfo(m_pDialog->downloadPath()).path();
    }
    bool waitForQuit(int code)
    {
        return m_pQuit->wait(kWaitMs) && m_pQuit->size() == 1 &&
               m_pQuit->at(0).at(0).toInt() == code;
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
        m_pQuit.reset();
        m_pMessages.reset();
        m_pDialog.reset();
        m_pServer.reset();
        for (const QString& folder : std::as_const(m_folders))
            QDir(folder).removeRecursively();
        m_folders.clear();
        m_timeoutMs = kTimeoutMs;
        m_bTray = true;
    }

    void form()
    {
        start(releases({}));
        const auto* pDialog = m_pDialog.get();
        QCOMPARE(pDialog->windowTitle(), QStringLiteral("Morvane Update"));
        QCOMPARE(pDialog->minimumSize(), QSize(484, 240));
        QVERIFY(pDialog->maximumHeight() > 240); // it grows with its font
        QVERIFY(pDialog->windowFlags().testFlag(Qt::WindowSystemMenuHint));
        QVERIFY(pDialog->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!pDialog->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!pDialog->windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
        QVERIFY(!pDialog->isVisible());

        auto* pStack = child<QStackedWidget>("stackedWidget");
        const QStringList pages{"widgetChecking", "widgetFoundNew", "widgetDownload",
                                "widgetInstall"};
        QCOMPARE(pStack->count(), pages.size());
        for (int i = 0; i < pages.size(); ++i)
            QCOMPARE(pStack->widget(i)->objectName(), pages.at(i));
        QCOMPARE(pStack->currentIndex(), 0);
        for (const char* line : {"line", "line_2", "line_3", "line_4"})
            child<QFrame>(line);

        auto* pFound = child<QLabel>("labelFound");
        QVERIFY(pFound->isHidden());
        QCOMPARE(pFound->backgroundRole(), QPalette::Base); // white in a light scheme
        QCOMPARE(pFound->text(), "\n  New Updates for " + kName + " Available\n");
        QCOMPARE(child<QLabel>("labelChecking")->text(), "Checking updates for " + kName + "...");
        QCOMPARE(child<QLabel>("labelDownloading")->text(), "Downloading " + kName + "...");
        QCOMPARE(child<QLabel>("labelInstallReady")->text(),
                 "Updates for " + kName + " has been downloaded successfully, please exit " +
                     kName + " before installing updates.");
        const QString info = child<QLabel>("labelInfoBeforeDownload")->text();
        QVERIFY(info.contains("Your current version is 2.5 and the latest version is %3."));
        QVERIFY(info.contains("If you do not want " + kName + " to check"));
        QCOMPARE(child<QPushButton>("pushButtonDownload")->text(), QStringLiteral("&Download"));
        QCOMPARE(child<QPushButton>("pushButtonMinimizeToTray")->text(),
                 QStringLiteral("&Minimize To System Tray"));
        QCOMPARE(child<QPushButton>("pushButtonInstall")->text(),
                 QStringLiteral("Install Updates"));
        QCOMPARE(child<QProgressBar>("progressBar")->maximumHeight(), 16);

        QMovie* pMovie = child<QLabel>("labelAnimation")->movie();
        QVERIFY(pMovie && pMovie->isValid());
        QCOMPARE(pMovie->fileName(), QStringLiteral(":/animation/images/loading.gif"));
        QVERIFY(!tray()->icon().isNull());
        QVERIFY(!tray()->isVisible());

        const QStringList items{"Cancel and Remind me", "10 Minutes later", "1 Hour later",
                                "4 Hours later"};
        for (const char* name : {"comboBoxCancel", "comboBoxRemindAfterFailure"}) {
            auto* pCombo = child<QComboBox>(name);
            QCOMPARE(pCombo->count(), items.size());
            for (int i = 0; i < items.size(); ++i)
                QCOMPARE(pCombo->itemText(i), items.at(i));
        }

        // A new language re-applies the templates; the placeholders must be filled again.
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(m_pDialog.get(), &change);
        QCOMPARE(child<QLabel>("labelChecking")->text(), "Checking updates for " + kName + "...");
        QCOMPARE(child<QComboBox>("comboBoxCancel")->count(), items.size());
    }

    void endsQuietly_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("version");

        const QByteArray newer = releases(product("2.6", "http://127.0.0.1:1/setup.sh"));
        const auto row = [](const char* name, int status, Mode mode, const QByteArray& body,
                            const QString& version = QStringLiteral("2.5")) {
            QTest::newRow(name) << status << int(mode) << body << version;
        };
        row("same version", 200, Mode::Normal, releases(product("2.5", "http://h/s.sh")));
        row("older version", 200, Mode::Normal, releases(product("2.4", "http://h/s.sh")));
        row("decimal, not semantic", 200, Mode::Normal, releases(product("2.10", "http://h/s.sh")));
        row("hangs up", 200, Mode::Hangup, newer);
        row("never answers", 200, Mode::Silent, newer);
        row("trickles forever", 200, Mode::Trickle, newer);
        row("not found", 404, Mode::Normal, newer);
        row("server error with a description", 500, Mode::Normal, newer);
        row("cut off", 200, Mode::CutOff, newer);
        row("empty body", 200, Mode::Normal, QByteArray());
        row("not XML", 200, Mode::Normal, "this is { not xml");
        row("endless body", 200, Mode::Endless, QByteArray());
        row("large body", 200, Mode::NoLength,
            releases(QByteArray(2 << 20, ' ') + product("2.6", "http://127.0.0.1:1/setup.sh")));
        row("other product", 200, Mode::Normal,
            "<releases><product name=\"Other\" version=\"9\" link=\"http://h/s.sh\"/></releases>");
        row("no link", 200, Mode::Normal,
            releases("<product name=\"TalvikCapture\" version=\"2.6\"/>"));
        row("no version", 200, Mode::Normal,
            releases("<product name=\"TalvikCapture\" link=\"http://h/s.sh\"/>"));
        row("version not a number", 200, Mode::Normal, releases(product("two", "http://h/s.sh")));
        row("version infinite", 200, Mode::Normal, releases(product("inf", "http://h/s.sh")));
        row("empty version", 200, Mode::Normal, releases(product("", "http://h/s.sh")));
        row("empty link", 200, Mode::Normal, releases(product("2.6", "")));
        row("link to a folder", 200, Mode::Normal, releases(product("2.6", "http://h/files/")));
        row("link of dots", 200, Mode::Normal, releases(product("2.6", "http://h/files/..")));
        row("link to a local file", 200, Mode::Normal, releases(product("2.6", "file:///bin/sh")));
        row("link without host", 200, Mode::Normal, releases(product("2.6", "setup.sh")));
    }
    void endsQuietly()
    {
        QFETCH(int, status);
        QFETCH(int, mode);
        QFETCH(QByteArray, body);
        QFETCH(QString, version);

        m_pServer->setRoute(QStringLiteral("/d/talvikcapture.xml"), {status, body, Mode(mode)});
        startAt(m_pServer->url(QStringLiteral("/d/talvikcapture.xml")), version);
        QVERIFY(waitForQuit(0));
        // Qt retries once on a connection closed without an answer.
        QVERIFY(m_pServer->requestCount(QStringLiteral("/d/talvikcapture.xml")) >= 1);
        QVERIFY(!tray()->isVisible());
        QVERIFY(m_pMessages->isEmpty());
        QVERIFY(!m_pDialog->isVisible());
        QCOMPARE(page(), QStringLiteral("widgetChecking"));
        if (Mode(mode) == Mode::Endless)
            QVERIFY(m_pServer->bytesSent(QStringLiteral("/d/talvikcapture.xml")) < (64 << 20));
    }

    void endsQuietlyWithoutServer()
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const quint16 port = closed.serverPort();
        closed.close();
        startAt(QStringLiteral("http://127.0.0.1:%1/d/talvikcapture.xml").arg(port));
        QVERIFY(waitForQuit(0));
        QVERIFY(!tray()->isVisible());
    }

    void findsNewerVersion_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("running");
        const QByteArray good = product("2.6", "http://h/s.sh");
        QTest::newRow("one product") << releases(good) << "2.5";
        // A running version that is no number counts as 0: any described version is newer.
        QTest::newRow("running version not a number") << releases(good) << "dev";
        QTest::newRow("first lacks link")
            << releases("<product name=\"TalvikCapture\" version=\"9.0\"/>" + good +
                        product("3.0", "http://h/t.sh"))
            << "2.5";
        QTest::newRow("first lacks version")
            << releases("<product name=\"TalvikCapture\" link=\"http://h/x.sh\"/>" + good) << "2.5";
        QTest::newRow("other product first")
            << releases("<product name=\"Other\" version=\"9.0\" link=\"http://h/o.sh\"/>" + good)
            << "2.5";
        QTest::newRow("nested deep") << "<a><b><c>" + good + "</c></b></a>"
                                     << "2.5";
    }
    void findsNewerVersion()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, running);
        start(body, running);
        QTRY_COMPARE_WITH_TIMEOUT(page(), QStringLiteral("widgetFoundNew"), kWaitMs);
        QCOMPARE(m_pQuit->size(), 0);
        QVERIFY(!m_pDialog->isVisible());
        QVERIFY(tray()->isVisible());
        QCOMPARE(tray()->toolTip(), "Found new version for " + kName + ", version 2.6");
        QCOMPARE(lastMessage(), "Automatic Update: Found New version for " + kName +
                                    ", click here to download the latest version 2.6");
        QVERIFY(child<QLabel>("labelInfoBeforeDownload")
                    ->text()
                    .contains("Your current version is " + running +
                              " and the latest version is 2.6."));
        QCOMPARE(m_pServer->lastHeader(QStringLiteral("/d/talvikcapture.xml"), "user-agent"),
                 QByteArray("Morvane-Update 1.0"));

        emit tray()->activated(QSystemTrayIcon::Trigger);
        QVERIFY(m_pDialog->isVisible());
    }

    void remindLater_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("minutes");
        QTest::newRow("10 Minutes later") << 1 << 10;
        QTest::newRow("1 Hour later") << 2 << 60;
        QTest::newRow("4 Hours later") << 3 << 240;
    }
    void remindLater()
    {
        QFETCH(int, index);
        QFETCH(int, minutes);
        QVERIFY(startFound({}));
        m_pDialog->show();

        auto* pCombo = child<QComboBox>("comboBoxCancel");
        pCombo->setCurrentIndex(index);
        QVERIFY(m_pDialog->isHidden());
        QCOMPARE(pCombo->currentIndex(), 0);
        QCOMPARE(m_pQuit->size(), 0);
        QCOMPARE(m_pDialog->reminderIntervalMs(), minutes * 60000);
        QVERIFY(qAbs(QDateTime::currentDateTime().secsTo(VUpdateSettings::remindUntil()) -
                     minutes * 60) <= 5);

        // Each tick brings the dialog back minimised, and the timer keeps running.
        const int timerId = m_pDialog->reminderTimerId();
        QVERIFY(timerId != 0);
        QTimerEvent tick(timerId);
        QCoreApplication::sendEvent(m_pDialog.get(), &tick);
        QVERIFY(m_pDialog->isVisible());
        QVERIFY(m_pDialog->isMinimized());
        QCOMPARE(m_pDialog->reminderTimerId(), timerId);

        // Choosing again replaces the reminder.
        pCombo->setCurrentIndex(index == 1 ? 3 : 1);
        QCOMPARE(m_pDialog->reminderIntervalMs(), (index == 1 ? 240 : 10) * 60000);
    }

    void remindADayOrMoreQuits()
    {
        QVERIFY(startFound({}));
        m_pDialog->remindLater(1440);
        QCOMPARE(m_pQuit->size(), 1);
        QCOMPARE(m_pQuit->at(0).at(0).toInt(), 0);
        QCOMPARE(m_pDialog->reminderTimerId(), 0);
        QVERIFY(qAbs(QDateTime::currentDateTime().secsTo(VUpdateSettings::remindUntil()) - 86400) <=
                5);
    }

    void closingQuitsWithTwo_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("close") << false;
        QTest::newRow("escape") << true;
    }
    void closingQuitsWithTwo()
    {
        QFETCH(bool, escape);
        QVERIFY(startFound({}));
        m_pDialog->show();
        if (escape)
            QTest::keyClick(m_pDialog.get(), Qt::Key_Escape);
        else
            m_pDialog->close();
        QCOMPARE(m_pQuit->size(), 1);
        QCOMPARE(m_pQuit->at(0).at(0).toInt(), 2);
    }

    void withoutTrayTheDialogShows()
    {
        m_bTray = false;
        QVERIFY(startFound({}));
        QVERIFY(m_pDialog->isVisible());
        QVERIFY(!tray()->isVisible());
        QCOMPARE(m_pMessages->size(), 0);
        child<QPushButton>("pushButtonMinimizeToTray")->click();
        QVERIFY(m_pDialog->isMinimized() && m_pDialog->isVisible());
    }

    void readableNamedAndTranslated_data() { TalvikTest::addPaletteRows(); }
    void readableNamedAndTranslated()
    {
        QFETCH(bool, dark);
        const QFont font = QApplication::font();
        const auto restore = qScopeGuard([font] { QApplication::setFont(font); });
        const TalvikTest::Palette palette(dark);
        QFont large = font;
        large.setPointSize(12);
        QApplication::setFont(large);
        QVERIFY(startFound({}));
        m_pDialog->show();
        auto* pPages = child<QStackedWidget>("stackedWidget");
        for (int page = 0; page < pPages->count(); ++page) {
            pPages->setCurrentIndex(page);
            QCoreApplication::sendPostedEvents();
            // Nothing cut off: the dialog is at least as large as its wrapped texts ask.
            QVERIFY(m_pDialog->width() >= m_pDialog->minimumSizeHint().width());
            QVERIFY(m_pDialog->height() >= m_pDialog->heightForWidth(m_pDialog->width()));
            TALVIK_VERIFY_NONE(TalvikTest::lowContrastTexts(m_pDialog.get()));
        }
        const TalvikTest::MarkingTranslator marking;
        TALVIK_VERIFY_NONE(TalvikTest::untranslatedTexts(m_pDialog.get()));
        TALVIK_VERIFY_NONE(TalvikTest::unnamedControls(m_pDialog.get()));
    }

    void minimizeToTrayHides()
    {
        QVERIFY(startFound({}));
        m_pDialog->show();
        child<QPushButton>("pushButtonMinimizeToTray")->click();
        QVERIFY(m_pDialog->isHidden());
        QCOMPARE(m_pQuit->size(), 0);
    }

    void durationText_data()
    {
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << qint64(0) << "0 second";
        QTest::newRow("one second") << qint64(1) << "1 Second";
        QTest::newRow("seconds") << qint64(59) << "59 Seconds";
        QTest::newRow("one minute") << qint64(60) << "1 Minute";
        QTest::newRow("minute and second") << qint64(61) << "1 Minute, 1 Second";
        QTest::newRow("ten minutes") << qint64(600) << "10 Minutes";
        QTest::newRow("one hour") << qint64(3600) << "1 Hour";
        QTest::newRow("hours") << qint64(14400) << "4 Hours";
        QTest::newRow("day") << qint64(86400) << "1 Day";
        QTest::newRow("week and day") << qint64(8 * 86400) << "1 Week, 1 Day";
        QTest::newRow("weeks and days") << qint64(29 * 86400) << "4 Weeks, 1 Day";
        QTest::newRow("month") << qint64(30 * 86400) << "1 Month";
        QTest::newRow("everything") << qint64(2 * 2592000 + 16 * 86400 + 5 * 3600 + 2 * 60 + 3)
                                    << "2 Months, 2 Weeks, 2 Days, 5 Hours, 2 Minutes, 3 Seconds";
    }
    void durationText()
    {
        QFETCH(qint64, seconds);
        QFETCH(QString, text);
        QCOMPARE(VUpdateFormat::durationText(seconds, QStringLiteral(", ")), text);
    }

    void byteCountText_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << qint64(0) << "0";
        QTest::newRow("512") << qint64(512) << "512";
        QTest::newRow("1023") << qint64(1023) << "1023";
        QTest::newRow("1024") << qint64(1024) << "1.00k";
        QTest::newRow("1536") << qint64(1536) << "1.50k";
        QTest::newRow("3 MiB") << qint64(3145728) << "3.00m";
        QTest::newRow("just under 1 GiB") << qint64(1073741823) << "1024.00m";
        QTest::newRow("5 GiB") << qint64(5) * 1073741824 << "5.00g";
    }
    void byteCountText()
    {
        QFETCH(qint64, bytes);
        QFETCH(QString, text);
        QCOMPARE(VUpdateFormat::byteCountText(bytes), text);
    }

    void safeFileName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("safe");
        QTest::newRow("plain") << "TalvikCapture-2.6.exe"
                               << "TalvikCapture-2.6.exe";
        QTest::newRow("slashes") << "../../.bashrc"
                                 << "bashrc";
        QTest::newRow("backslashes") << "..\\..\\setup.exe"
                                     << "setup.exe";
        QTest::newRow("hidden") << ".profile"
                                << "profile";
        QTest::newRow("only dots") << ".."
                                   << "";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("control and reserved") << "a\tb:c*?.sh"
                                              << "abc.sh";
    }
    void safeFileName()
    {
        QFETCH(QString, name);
        QFETCH(QString, safe);
        QCOMPARE(VUpdateFormat::safeFileName(name), safe);
    }

    void progressReadout_data()
    {
        QTest::addColumn<qint64>("received");
        QTest::addColumn<qint64>("total");
        QTest::addColumn<qint64>("elapsed");
        QTest::addColumn<QString>("speed");
        QTest::addColumn<QString>("tip");
        QTest::addColumn<int>("maximum");

        const QString tip = "Downloading " + kName + ", version 2.6.\n";
        QTest::newRow("2 MiB in 1.5 s")
            << qint64(2097152) << qint64(4194304) << qint64(1500) << "Download speed: 1.33m/s"
            << tip + "1.33mB/s, 50% finished." << 4194304;
        QTest::newRow("within the first second")
            << qint64(2097152) << qint64(4194304) << qint64(900) << ""
            << "" << 4194304;
        QTest::newRow("size unknown") << qint64(3000) << qint64(-1) << qint64(3000)
                                      << "Download speed: 1000/s" << tip + "1000B/s." << 0;
        QTest::newRow("size zero") << qint64(3000) << qint64(0) << qint64(3000)
                                   << "Download speed: 1000/s" << tip + "1000B/s." << 0;
        QTest::newRow("more than announced")
            << qint64(300) << qint64(100) << qint64(1001) << "Download speed: 299/s"
            << tip + "299B/s, 100% finished." << 100;
    }
    void progressReadout()
    {
        QFETCH(qint64, received);
        QFETCH(qint64, total);
        QFETCH(qint64, elapsed);
        QFETCH(QString, speed);
        QFETCH(QString, tip);
        QFETCH(int, maximum);

        QVERIFY(startFound({200, {}, Mode::Silent}));
        const QString foundTip = tray()->toolTip();
        clickDownload();
        QCOMPARE(page(), QStringLiteral("widgetDownload"));
        QCOMPARE(child<QProgressBar>("progressBar")->value(), 0);

        m_pDialog->updateProgress(received, total, elapsed);
        QCOMPARE(child<QLabel>("labelSpeed")->text(), speed);
        QCOMPARE(tray()->toolTip(), tip.isEmpty() ? foundTip : tip);
        QCOMPARE(child<QProgressBar>("progressBar")->maximum(), maximum);
    }

    void progressOfHugeFile()
    {
        QVERIFY(startFound({200, {}, Mode::Silent}));
        clickDownload();
        const qint64 total = qint64(8) << 30;
        m_pDialog->updateProgress(total / 2, total, 1500);
        const auto* pBar = child<QProgressBar>("progressBar");
        QVERIFY(pBar->maximum() > 0);
        QCOMPARE(pBar->value(), pBar->maximum() / 2);
    }

    void download_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("sha256");
        QTest::addColumn<bool>("success");

        QByteArray body;
        for (int i = 0; i < 40000; ++i)
            body += QByteArray::number(i) + ' ';
        const QString digest =
            QString::fromLatin1(QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex());
        QTest::newRow("complete") << 200 << int(Mode::Normal) << QString() << true;
        // Without a length a cut-off body looks complete: only a checksum can vouch for it.
        QTest::newRow("size not announced") << 200 << int(Mode::NoLength) << QString() << false;
        QTest::newRow("size not announced, sha256") << 200 << int(Mode::NoLength) << digest << true;
        QTest::newRow("chunked") << 200 << int(Mode::Chunked) << QString() << true;
        QTest::newRow("chunked, cut off") << 200 << int(Mode::ChunkedCutOff) << QString() << false;
        QTest::newRow("matching sha256") << 200 << int(Mode::Normal) << digest << true;
        QTest::newRow("matching SHA256") << 200 << int(Mode::Normal) << digest.toUpper() << true;
        QTest::newRow("wrong sha256")
            << 200 << int(Mode::Normal) << QString(64, QLatin1Char('0')) << false;
        QTest::newRow("cut off") << 200 << int(Mode::CutOff) << QString() << false;
        QTest::newRow("stalls") << 200 << int(Mode::Stall) << QString() << false;
        QTest::newRow("not found") << 404 << int(Mode::Normal) << QString() << false;
        QTest::newRow("hangs up") << 200 << int(Mode::Hangup) << QString() << false;
    }
    void download()
    {
        QFETCH(int, status);
        QFETCH(int, mode);
        QFETCH(QString, sha256);
        QFETCH(bool, success);

        QByteArray body;
        for (int i = 0; i < 40000; ++i)
            body += QByteArray::number(i) + ' ';
        const QString extra = sha256.isEmpty() ? QString() : "sha256=\"" + sha256 + "\"";
        QVERIFY(
            startFound({status, body, Mode(mode)}, extra, QStringLiteral("TalvikCapture-2.6.run")));
        clickDownload();
        const QString path = m_pDialog->downloadPath();
        const QFileInfo file(path);
        QCOMPARE(file.fileName(), QStringLiteral("TalvikCapture-2.6.run"));
        QCOMPARE(QFileInfo(file.path()).path(), QFileInfo(QDir::tempPath()).absoluteFilePath());
        QVERIFY(file.dir().dirName().startsWith("TalvikUpdate-"));
        const QFile::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                          QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                          QFileDevice::WriteOther | QFileDevice::ExeOther;
        QCOMPARE(QFileInfo(file.path()).permissions() & others, QFile::Permissions());

        const auto settled = [this] {
            return page() == QLatin1String("widgetInstall") ||
                   child<QPushButton>("pushButtonRetry")->isVisibleTo(m_pDialog.get());
        };
        QVERIFY(QTest::qWaitFor(settled, kWaitMs));
        QCOMPARE(m_pQuit->size(), 0);

        if (success) {
            QCOMPARE(page(), QStringLiteral("widgetInstall"));
            if (Mode(mode) == Mode::Normal) {
                const auto* pBar = child<QProgressBar>("progressBar");
                QCOMPARE(pBar->maximum(), body.size());
                QCOMPARE(pBar->value(), body.size());
            }
            QFile written(path);
            QVERIFY(written.open(QIODevice::ReadOnly));
            QCOMPARE(written.readAll(), body);
            QVERIFY(written.permissions().testFlag(QFileDevice::ExeOwner));
            QCOMPARE(written.permissions() & others, QFile::Permissions());
            QCOMPARE(tray()->toolTip(),
                     "Download " + kName + ", version 2.6, finished. Ready to Install.");
            QCOMPARE(lastMessage(), "Automatic Update: " + tray()->toolTip());
        } else {
            QCOMPARE(page(), QStringLiteral("widgetDownload"));
            QVERIFY(!QFile::exists(path));
            QVERIFY(!QFile::exists(file.path()));
            QCOMPARE(child<QLabel>("labelDownloading")->text(),
                     "The download of " + kName + " failed.");
            QVERIFY(!child<QLabel>("labelSpeed")->text().isEmpty());
            QVERIFY(child<QComboBox>("comboBoxRemindAfterFailure")->isVisibleTo(m_pDialog.get()));
            QVERIFY(!child<QProgressBar>("progressBar")->isVisibleTo(m_pDialog.get()));
            QCOMPARE(tray()->toolTip(), "Download of " + kName + ", version 2.6, failed.");
            QCOMPARE(lastMessage(), "Automatic Update: " + tray()->toolTip());
        }
    }

    void failedDownloadOffersRemindAndRetry()
    {
        QVERIFY(startFound({200, "half", Mode::CutOff}));
        clickDownload();
        QTRY_VERIFY_WITH_TIMEOUT(
            child<QPushButton>("pushButtonRetry")->isVisibleTo(m_pDialog.get()), kWaitMs);

        m_pServer->setRoute(QStringLiteral("/files/setup.sh"), {200, "whole"});
        child<QPushButton>("pushButtonRetry")->click();
        m_folders << QFileInfo(m_pDialog->downloadPath()).path();
        QVERIFY(!child<QPushButton>("pushButtonRetry")->isVisibleTo(m_pDialog.get()));
        QTRY_COMPARE_WITH_TIMEOUT(page(), QStringLiteral("widgetInstall"), kWaitMs);

        // After a failure the remind choice works from the download page as well.
        QVERIFY(startFound({200, "half", Mode::CutOff}));
        clickDownload();
        QTRY_VERIFY_WITH_TIMEOUT(
            child<QPushButton>("pushButtonRetry")->isVisibleTo(m_pDialog.get()), kWaitMs);
        child<QComboBox>("comboBoxRemindAfterFailure")->setCurrentIndex(2);
        QVERIFY(m_pDialog->isHidden());
        QCOMPARE(m_pDialog->reminderIntervalMs(), 3600000);
    }

    void installStartsTheDownload()
    {
        QTemporaryDir scratch;
        const QString marker = scratch.filePath(QStringLiteral("installed"));
        const QByteArray script = "#!/bin/sh\necho \"$#\" > '" + marker.toUtf8() + "'\n";
        QVERIFY(startFound({200, script}));
        clickDownload();
        QTRY_COMPARE_WITH_TIMEOUT(page(), QStringLiteral("widgetInstall"), kWaitMs);

        child<QPushButton>("pushButtonInstall")->click();
        QCOMPARE(m_pQuit->size(), 1);
        QCOMPARE(m_pQuit->at(0).at(0).toInt(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(marker).size() > 0, kWaitMs);
        QFile written(marker);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll().trimmed(), QByteArray("0")); // started without arguments
        // The running installer keeps its file.
        const QString installer = m_pDialog->downloadPath();
        m_pDialog.reset();
        QVERIFY(QFile::exists(installer));
    }

    void downloadNotStartedIsRemovedOnExit_data()
    {
        QTest::addColumn<bool>("complete");
        QTest::newRow("unfinished") << false;
        QTest::newRow("finished, never installed") << true;
    }
    void downloadNotStartedIsRemovedOnExit()
    {
        QFETCH(bool, complete);
        m_timeoutMs = kWaitMs;
        QVERIFY(startFound({200, QByteArray(1000, 'x'), complete ? Mode::Normal : Mode::Stall}));
        clickDownload();
        const QString path = m_pDialog->downloadPath();
        // Written straight through, so the file shows what has arrived.
        QTRY_COMPARE_WITH_TIMEOUT(QFileInfo(path).size(), qint64(1000), kWaitMs);
        if (complete)
            QTRY_COMPARE_WITH_TIMEOUT(page(), QStringLiteral("widgetInstall"), kWaitMs);
        m_pDialog.reset();
        QVERIFY(!QFile::exists(path));
        QVERIFY(!QFile::exists(QFileInfo(path).path()));
    }
};

TALVIK_TEST_MAIN(TestVUpdateDialog)
#include "tst_VUpdateDialog.moc"
