// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The Windows installer and programs under Wine on the tests' X server, driven as a user drives
// them: real keys and pointer through xdotool, files and the registry read back afterwards. The
// journeys build on each other (installed, started, configured) and run in this order.

#include "TalvikDesktop.h"
#include "TalvikPatterns.h"
#include "TalvikTest.h"
#include "VTestHttpServer.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QProcess>
#include <QSettings>

namespace {

const QString kWine = QStringLiteral("/usr/lib/wine/wine64");
const QString kWineServer = QStringLiteral("/usr/lib/wine/wineserver64");
const QString kDialog = QStringLiteral("^Morvane Screen Capture$");
const QString kOverlay = QStringLiteral("^Talvik is Capturing$");
const QString kRunKey = QStringLiteral("HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");
const QString kUninstallKey =
    QStringLiteral("HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\TalvikCapture");
const QString kRunEntry =
    QStringLiteral("\"C:\\Program Files\\Talvik Capture\\bin\\TalvikCapture.exe\" /autorun");
constexpr int kWaitMs = 30000;

QString windowsPath(const QString& unixPath)
{
    return QStringLiteral("Z:") + QDir::toNativeSeparators(unixPath);
}

bool visible(const QString& title)
{
    return !TalvikTest::xdotool({"search", "--onlyvisible", "--name", title}).isEmpty();
}

void keys(const QString& sequence)
{
    TalvikTest::xdotool(QStringList{"key", "--delay", "150"} + sequence.split(QLatin1Char(' ')));
}

} // namespace

class tst_WindowsJourneys : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void installsSilently();
    void startsHiddenAndASecondStartShowsIt();
    void runAtLogOnWritesAndRemovesTheRunEntry();
    void hotkeySetInTheDialogStartsARegionCapture();
    void commandLineWritesTheScreenAndAWindow();
    void updaterInstallsTheNewerVersion();

private:
    QProcessEnvironment wineEnvironment() const;
    void startWine(QProcess& process, const QStringList& arguments) const;
    // Runs a Windows program to its end; its exit code, or -1 when it does not end in time.
    int runWine(const QStringList& arguments, QByteArray* pOutput = nullptr) const;
    QString installed(const QString& name) const
    {
        return m_prefix.path() + QStringLiteral("/drive_c/Program Files/Talvik Capture/") + name;
    }
    QString registryValue(const QString& key, const QString& value) const;

    QTemporaryDir m_prefix;
    QTemporaryDir m_files;
    QProcess m_trayer;
    QProcess m_app;
    TalvikTest::PositionPattern m_pattern{QRect(880, 80, 380, 300)};
};

QProcessEnvironment tst_WindowsJourneys::wineEnvironment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("WINEPREFIX"), m_prefix.path());
    environment.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
    // No offer to download Mono or Gecko, which would wait for a click.
    environment.insert(QStringLiteral("WINEDLLOVERRIDES"), QStringLiteral("mscoree,mshtml="));
    return environment;
}

void tst_WindowsJourneys::startWine(QProcess& process, const QStringList& arguments) const
{
    process.setProcessEnvironment(wineEnvironment());
    process.start(kWine, arguments);
}

int tst_WindowsJourneys::runWine(const QStringList& arguments, QByteArray* pOutput) const
{
    QProcess process;
    startWine(process, arguments);
    if (!process.waitForFinished(kWaitMs))
        return -1;
    if (pOutput)
        *pOutput = process.readAllStandardOutput();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QString tst_WindowsJourneys::registryValue(const QString& key, const QString& value) const
{
    QByteArray output;
    if (runWine({QStringLiteral("reg"), QStringLiteral("query"), key, QStringLiteral("/v"), value},
                &output) != 0)
        return {};
    // "    <name>    REG_SZ    <data>"
    for (const QByteArray& line : output.split('\n')) {
        const QString text = QString::fromUtf8(line).trimmed();
        if (text.startsWith(value + QLatin1Char(' ')))
            return text.section(QStringLiteral("    "), 2).trimmed();
    }
    return {};
}

void tst_WindowsJourneys::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("TALVIK_WINDOWS_INSTALLER"))
        QSKIP("no Windows installer: run scripts/test, which makes it with scripts/windows-build");
    QVERIFY(m_prefix.isValid() && m_files.isValid());
    // Unmanaged windows: with no window manager, Wine would wait for one at every window.
    QCOMPARE(runWine({"reg", "add", "HKCU\\Software\\Wine\\X11 Driver", "/v", "Managed", "/d", "N",
                      "/f"}),
             0);
    // Ctrl+S saves under an automatic name in a folder of this test's; no update check.
    QDirIterator users(m_prefix.path() + QStringLiteral("/drive_c/users"),
                       QDir::Dirs | QDir::NoDotAndDotDot);
    QString roaming;
    while (users.hasNext()) {
        const QString folder = users.next() + QStringLiteral("/AppData/Roaming");
        if (QFileInfo::exists(folder) && !folder.contains(QLatin1String("/Public/")))
            roaming = folder;
    }
    QVERIFY(!roaming.isEmpty());
    QSettings settings(roaming + QStringLiteral("/Morvane/TalvikCapture.ini"),
                       QSettings::IniFormat);
    settings.setValue(QStringLiteral("NameMethod"), 1);
    settings.setValue(QStringLiteral("AutomaticSaveFolder"), windowsPath(m_files.path()));
    settings.setValue(QStringLiteral("AutoUpdate"), false);
    m_trayer.start(QStringLiteral("trayer"),
                   {"--edge", "bottom", "--align", "right", "--widthtype", "request"});
    QVERIFY(m_trayer.waitForStarted());
    // A picture every pixel of which tells its place, beside where the dialog opens.
    m_pattern.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_pattern));
}

void tst_WindowsJourneys::cleanupTestCase()
{
    m_app.kill();
    m_app.waitForFinished();
    QProcess server;
    server.setProcessEnvironment(wineEnvironment());
    server.start(kWineServer, {QStringLiteral("-k")});
    server.waitForFinished();
    m_trayer.kill();
    m_trayer.waitForFinished();
}

void tst_WindowsJourneys::installsSilently()
{
    QCOMPARE(runWine({qEnvironmentVariable("TALVIK_WINDOWS_INSTALLER"), "/S"}), 0);
    for (const char* file : {"bin/TalvikCapture.exe", "bin/TalvikUpdate.exe", "bin/TalvikCore.dll",
                             "bin/platforms/qwindows.dll", "Uninstall.exe"})
        QVERIFY2(QFileInfo::exists(installed(QString::fromLatin1(file))), file);
    QDirIterator shortcuts(m_prefix.path() + QStringLiteral("/drive_c"), {"Talvik Capture.lnk"},
                           QDir::Files, QDirIterator::Subdirectories);
    QVERIFY2(shortcuts.hasNext() && shortcuts.next().contains(QLatin1String("Start Menu")),
             "no Start-menu entry");
    QCOMPARE(registryValue(kUninstallKey, QStringLiteral("DisplayVersion")),
             qEnvironmentVariable("TALVIK_WINDOWS_VERSION"));
}

void tst_WindowsJourneys::startsHiddenAndASecondStartShowsIt()
{
    startWine(m_app, {installed("bin/TalvikCapture.exe"), "/autorun"});
    // Up once it has written its "Run" entry, which the setting (on by default) asks for.
    QTRY_COMPARE_WITH_TIMEOUT(registryValue(kRunKey, QStringLiteral("TalvikCapture")), kRunEntry,
                              kWaitMs);
    QVERIFY(!visible(kDialog));
    QCOMPARE(runWine({installed("bin/TalvikCapture.exe")}), 0);
    QTRY_VERIFY_WITH_TIMEOUT(visible(kDialog), kWaitMs);
    QCOMPARE(m_app.state(), QProcess::Running);
}

void tst_WindowsJourneys::runAtLogOnWritesAndRemovesTheRunEntry()
{
    TalvikTest::xdotool({"search", "--onlyvisible", "--name", kDialog, "windowfocus", "--sync"});
    keys(QStringLiteral("alt+o alt+l"));
    QTRY_VERIFY_WITH_TIMEOUT(registryValue(kRunKey, QStringLiteral("TalvikCapture")).isEmpty(),
                             kWaitMs);
    keys(QStringLiteral("alt+l"));
    QTRY_COMPARE_WITH_TIMEOUT(registryValue(kRunKey, QStringLiteral("TalvikCapture")), kRunEntry,
                              kWaitMs);
}

void tst_WindowsJourneys::hotkeySetInTheDialogStartsARegionCapture()
{
    // Tab "System", the region's "Use" box, then a new combination typed into its field.
    keys(QStringLiteral("ctrl+Tab ctrl+Tab Tab space Tab ctrl+shift+F8 Tab"));
    // Pressed again, now with the keyboard elsewhere, it is the hotkey.
    keys(QStringLiteral("ctrl+shift+F8"));
    QTRY_VERIFY_WITH_TIMEOUT(visible(kOverlay), kWaitMs);
    // The frozen screen is up once the pattern shows dimmed under the overlay.
    const QPoint probe = m_pattern.geometry().topLeft() + QPoint(20, 20);
    QTRY_VERIFY_WITH_TIMEOUT(TalvikTest::screenPixel(probe) !=
                                 TalvikTest::PositionPattern::expectedAt(QPoint(20, 20)),
                             kWaitMs);
    const QPoint from = m_pattern.geometry().topLeft() + QPoint(30, 40);
    QVERIFY(TalvikTest::dragOnScreen(from, from + QPoint(160, 140)));
    keys(QStringLiteral("ctrl+s"));
    QDir folder(m_files.path());
    QTRY_VERIFY_WITH_TIMEOUT(!folder.entryList({"Snap-*.png"}, QDir::Files).isEmpty(), kWaitMs);
    const QString path = folder.filePath(folder.entryList({"Snap-*.png"}, QDir::Files).first());
    QImage image;
    QTRY_VERIFY_WITH_TIMEOUT(image.load(path), kWaitMs);
    QCOMPARE(image.size(), QSize(160, 140));
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 5)
            QCOMPARE(image.pixel(x, y) | 0xff000000,
                     TalvikTest::PositionPattern::expectedAt(QPoint(30 + x, 40 + y)));
    QTRY_VERIFY_WITH_TIMEOUT(!visible(kOverlay), kWaitMs);
    // The pattern has painted itself again where the overlay was.
    const QPoint chosen(100, 100);
    QTRY_COMPARE(TalvikTest::screenPixel(m_pattern.geometry().topLeft() + chosen),
                 TalvikTest::PositionPattern::expectedAt(chosen));
}

void tst_WindowsJourneys::commandLineWritesTheScreenAndAWindow()
{
    // The pattern shows whole again (the test's own window repaints between Wine's runs).
    const QList<QPoint> probes{QPoint(0, 0), QPoint(379, 0), QPoint(0, 299), QPoint(200, 150)};
    const QPoint origin = m_pattern.geometry().topLeft();
    m_pattern.update();
    for (const QPoint& p : probes)
        QTRY_COMPARE(TalvikTest::screenPixel(origin + p),
                     TalvikTest::PositionPattern::expectedAt(p));
    const QString screenFile = m_files.filePath(QStringLiteral("screen.png"));
    QCOMPARE(runWine({installed("bin/TalvikCapture.exe"), "--capture", "fullscreen", "--output",
                      windowsPath(screenFile)}),
             0);
    const QImage screen(screenFile);
    QCOMPARE(screen.size(), QGuiApplication::primaryScreen()->geometry().size());
    for (const QPoint& p : probes)
        QCOMPARE(screen.pixel(origin + p), TalvikTest::PositionPattern::expectedAt(p));

    // Wine's own Notepad, a program nobody here wrote, picked under a point.
    QProcess notepad;
    startWine(notepad, {QStringLiteral("notepad")});
    const auto stop = qScopeGuard([&notepad] {
        notepad.kill();
        notepad.waitForFinished();
    });
    QRect window;
    QTRY_VERIFY_WITH_TIMEOUT(
        (window = TalvikTest::windowGeometry({"--onlyvisible", "--name", "Notepad"})).isValid(),
        kWaitMs);
    const QImage reference =
        QGuiApplication::primaryScreen()
            ->grabWindow(0, window.x(), window.y(), window.width(), window.height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    const QString windowFile = m_files.filePath(QStringLiteral("window.png"));
    const QPoint at = window.center();
    QCOMPARE(runWine({installed("bin/TalvikCapture.exe"), "--capture", "window", "--at",
                      QStringLiteral("%1,%2").arg(at.x()).arg(at.y()), "--output",
                      windowsPath(windowFile)}),
             0);
    const QImage picked = QImage(windowFile).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(picked.size(), window.size());
    // All but Notepad's blinking text cursor.
    int differing = 0;
    for (int y = 0; y < picked.height(); ++y)
        for (int x = 0; x < picked.width(); ++x)
            differing += picked.pixel(x, y) != reference.pixel(x, y);
    QVERIFY2(differing <= 64, qPrintable(QString::number(differing)));
}

void tst_WindowsJourneys::updaterInstallsTheNewerVersion()
{
    QFile next(qEnvironmentVariable("TALVIK_WINDOWS_NEXT_INSTALLER"));
    QVERIFY2(next.open(QIODevice::ReadOnly), "TALVIK_WINDOWS_NEXT_INSTALLER");
    const QByteArray installer = next.readAll();
    VTestHttpServer server;
    server.setRoute(QStringLiteral("/files/setup.exe"), {200, installer});
    const QByteArray sha256 =
        QCryptographicHash::hash(installer, QCryptographicHash::Sha256).toHex();
    const QString nextVersion = qEnvironmentVariable("TALVIK_WINDOWS_NEXT_VERSION");
    server.setRoute(QStringLiteral("/d/talvikcapture.xml"),
                    {200, "<releases><product name=\"TalvikCapture\" version=\"" +
                              nextVersion.toUtf8() + "\" link=\"" +
                              server.url(QStringLiteral("/files/setup.exe")).toUtf8() +
                              "\" sha256=\"" + sha256 + "\"/></releases>"});
    // The tray then holds the updater's icon alone.
    m_app.kill();
    m_app.waitForFinished();
    QProcess updater;
    startWine(updater,
              {installed("bin/TalvikUpdate.exe"), "TalvikCapture", "Morvane Screen Capture",
               server.url(QStringLiteral("/d/talvikcapture.xml")),
               qEnvironmentVariable("TALVIK_WINDOWS_VERSION")});
    const auto stop = qScopeGuard([&updater] {
        updater.kill();
        updater.waitForFinished();
    });
    // Its tray icon, clicked, opens the dialog; Download fetches the installer.
    const QString dialog = QStringLiteral("^Morvane Update$");
    QTRY_VERIFY_WITH_TIMEOUT(
        (TalvikTest::xdotool({"search", "--onlyvisible", "--class", "trayer", "mousemove",
                              "--window", "%1", "12", "12", "click", "1"}),
         visible(dialog)),
        kWaitMs);
    TalvikTest::xdotool({"search", "--onlyvisible", "--name", dialog, "windowfocus", "--sync"});
    keys(QStringLiteral("alt+d"));
    // Whole in the temporary folder and checked, it offers "Install Updates" (the button then
    // has the keyboard), which starts the installer without arguments.
    const auto downloaded = [this, &installer] {
        QDirIterator files(m_prefix.path() + QStringLiteral("/drive_c/users"), QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext())
            if (files.next().contains(QLatin1String("/Temp/")) &&
                files.fileInfo().size() == installer.size())
                return true;
        return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(downloaded(), 2 * kWaitMs);
    const QString setup = QStringLiteral("^Talvik Capture Setup");
    const auto press = [](const QString& window) {
        TalvikTest::xdotool({"search", "--onlyvisible", "--name", window, "windowfocus", "--sync",
                             "key", "Return"});
    };
    QTRY_VERIFY_WITH_TIMEOUT((press(dialog), visible(setup)), 2 * kWaitMs);
    // The question about the old version, the pages, the files, the end: each takes Return,
    // which presses its default button.
    QTRY_VERIFY_WITH_TIMEOUT(
        (press(setup),
         !visible(setup) && registryValue(kUninstallKey, "DisplayVersion") == nextVersion),
        4 * kWaitMs);
}

TALVIK_TEST_MAIN(tst_WindowsJourneys)
#include "tst_WindowsJourneys.moc"
