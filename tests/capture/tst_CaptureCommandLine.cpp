// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikCaptureSettings.h"
#include "TalvikDesktop.h"
#include "TalvikPatterns.h"
#include "TalvikTest.h"

#include <QElapsedTimer>
#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QSet>

#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray raw; // standard output as it came
    QString out;
    QString err;
};

Run runCapture(const QStringList& arguments,
               const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TALVIK_CAPTURE_BINARY), arguments);
    Run run;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        run.err = QStringLiteral("timed out");
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.raw = process.readAllStandardOutput();
    run.out = QString::fromLocal8Bit(run.raw).trimmed();
    run.err = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    return run;
}

using TalvikTest::toolOutput;
using TalvikTest::xdotool;

// Two monitors side by side on the one X screen, as RandR 1.5 lets a user define them. The
// left one takes over the screen's output, whose own monitor then goes.
const QStringList kMonitors{QStringLiteral("talvik-left"), QStringLiteral("talvik-right")};

bool xrandr(const QStringList& arguments)
{
    bool bOk = false;
    toolOutput(QStringLiteral("xrandr"), arguments, &bOk);
    return bOk;
}

bool addTwoMonitors(const QSize& screen)
{
    const QRegularExpressionMatch output =
        QRegularExpression(QStringLiteral("^(\\S+) connected"), QRegularExpression::MultilineOption)
            .match(QString::fromLatin1(toolOutput(QStringLiteral("xrandr"), {})));
    const QString half =
        QStringLiteral("%1/170x%2/270+").arg(screen.width() / 2).arg(screen.height());
    return output.hasMatch() &&
           xrandr({"--setmonitor", kMonitors[0], half + "0+0", output.captured(1)}) &&
           xrandr({"--setmonitor", kMonitors[1], half + QString::number(screen.width() / 2) + "+0",
                   "none"});
}

void removeTwoMonitors()
{
    for (const QString& name : kMonitors)
        xrandr({"--delmonitor", name});
}

using TalvikTest::captureSettingsPath;
using TalvikTest::writeCaptureSettings;

const QStringList kAutoName{QStringLiteral("--capture"), QStringLiteral("fullscreen"),
                            QStringLiteral("--auto-name")};

// Four coloured quadrants with a white square in the middle, covering the whole screen
// (there is no window manager: the window places itself).
class Pattern : public QWidget
{
public:
    Pattern() : QWidget(nullptr, Qt::X11BypassWindowManagerHint | Qt::FramelessWindowHint)
    {
        setGeometry(QGuiApplication::primaryScreen()->geometry());
    }

    static QColor expectedAt(const QPoint& p, const QSize& size)
    {
        const QRect middle(size.width() / 2 - 50, size.height() / 2 - 50, 100, 100);
        if (middle.contains(p))
            return Qt::white;
        const bool right = p.x() >= size.width() / 2;
        const bool bottom = p.y() >= size.height() / 2;
        if (!right && !bottom)
            return QColor(255, 0, 0);
        if (right && !bottom)
            return QColor(0, 255, 0);
        if (!right)
            return QColor(0, 0, 255);
        return QColor(255, 255, 0);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const int w = width();
        const int h = height();
        painter.fillRect(0, 0, w / 2, h / 2, QColor(255, 0, 0));
        painter.fillRect(w / 2, 0, w - w / 2, h / 2, QColor(0, 255, 0));
        painter.fillRect(0, h / 2, w / 2, h - h / 2, QColor(0, 0, 255));
        painter.fillRect(w / 2, h / 2, w - w / 2, h - h / 2, QColor(255, 255, 0));
        painter.fillRect(w / 2 - 50, h / 2 - 50, 100, 100, Qt::white);
    }
};

} // namespace

class tst_CaptureCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void writesTheScreen_data();
    void writesTheScreen();
    void automaticNameInSubFolderWithCounter();
    void brokenSettingsFallBackAndStayUntouched();
    void failures_data();
    void failures();
    void hostileTemplatesStayInTheFolder_data();
    void hostileTemplatesStayInTheFolder();
    void simultaneousCapturesGetTheirOwnFiles();
    void fullDiskLosesNothing_data();
    void fullDiskLosesNothing();
    void killedSaveLeavesNoPartialFile();
    void outputThroughALinkKeepsItsTarget();
    void regionDraggedAndSaved_data();
    void regionDraggedAndSaved();
    void windowAtAPointKeepsItsShape();
    void windowAcrossTwoMonitorsIsWhole_data();
    void windowAcrossTwoMonitorsIsWhole();
    void monitorsAndRegions();
    void activeWindow();
    void clipboardOutlivesTheCommand();
    void noDisplay();
    void helpAndVersion();

private:
    // Writes settings under which the overlay's Ctrl+S saves to the path returned, free as yet.
    QString overlaySavesTo(const QString& name);
    // Starts the program hidden in the tray, as at log-on, then asks it for a capture from the
    // command line with the pointer at pointer.
    void askHiddenInstance(QProcess& app, const QString& mode, const QPoint& pointer);

    Pattern m_pattern;
    QTemporaryDir m_dir;
    QSize m_screen; // the whole X screen, however monitors divide it
};

void tst_CaptureCommandLine::initTestCase()
{
    m_screen = m_pattern.size();
    m_pattern.show();
    // Like a wallpaper: under a window manager the windows it manages stack above.
    m_pattern.lower();
    QVERIFY(QTest::qWaitForWindowExposed(&m_pattern));
    // The captures read the screen, not the widget.
    QTRY_VERIFY_WITH_TIMEOUT(TalvikTest::shownShare(&m_pattern) > 0.99, 10000);
}

void tst_CaptureCommandLine::init()
{
    QFile::remove(captureSettingsPath());
}

QString tst_CaptureCommandLine::overlaySavesTo(const QString& name)
{
    const QString folder = m_dir.filePath(QStringLiteral("overlay"));
    writeCaptureSettings("AutoUpdate=false\nNameMethod=1\nFileNameFormat=" + name.toUtf8() +
                         "\nAutomaticSaveFolder=" + folder.toUtf8() + '\n');
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
    QFile::remove(path);
    return path;
}

void tst_CaptureCommandLine::askHiddenInstance(QProcess& app, const QString& mode,
                                               const QPoint& pointer)
{
    app.start(QStringLiteral(TALVIK_CAPTURE_BINARY), {"/autorun"});
    QTRY_VERIFY_WITH_TIMEOUT(!xdotool({"search", "--name", "^Morvane Screen Capture$"}).isEmpty(),
                             15000);
    xdotool({"mousemove", QString::number(pointer.x()), QString::number(pointer.y())});
    const Run request = runCapture({"--capture", mode});
    QVERIFY2(request.exitCode == 0, qPrintable(request.err));
}

void tst_CaptureCommandLine::writesTheScreen_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("tolerance");
    QTest::addColumn<QStringList>("toolkitOptions"); // or other options
    QTest::newRow("png") << "screen.png" << 0 << QStringList();
    QTest::newRow("bmp") << "screen.bmp" << 0 << QStringList();
    QTest::newRow("jpeg") << "screen.jpeg" << 40 << QStringList();
    QTest::newRow("upper-case suffix") << "SCREEN.JPG" << 40 << QStringList();
    QTest::newRow("piped on") << "-" << 0 << QStringList();
    QTest::newRow("format over the suffix") << "bmp.png" << 0 << QStringList{"--format", "bmp"};
    // Only the toolkit knows what its options mean, so it grabs then.
    QTest::newRow("png through the toolkit")
        << "toolkit.png" << 0
        << QStringList{QStringLiteral("-display"), QString::fromLocal8Bit(qgetenv("DISPLAY"))};
}

void tst_CaptureCommandLine::writesTheScreen()
{
    QFETCH(QString, fileName);
    QFETCH(int, tolerance);
    QFETCH(QStringList, toolkitOptions);
    const QString path = fileName == QLatin1String("-") ? fileName : m_dir.filePath(fileName);
    const Run run =
        runCapture(QStringList{QStringLiteral("--capture"), QStringLiteral("fullscreen"),
                               QStringLiteral("--output"), path} +
                   toolkitOptions);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const QImage image = path == fileName ? QImage::fromData(run.raw) : QImage(path);
    QVERIFY(path == fileName || run.out == path);
    QVERIFY(!toolkitOptions.contains("bmp") || QImageReader(path).format() == "bmp");
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    QCOMPARE(image.size(), screen);
    const QPoint probes[] = {{10, 10},
                             {screen.width() - 10, 10},
                             {10, screen.height() - 10},
                             {screen.width() - 10, screen.height() - 10},
                             {screen.width() / 2, screen.height() / 2},
                             {screen.width() / 4, screen.height() / 2 + 30}};
    for (const QPoint& p : probes) {
        const QColor expected = Pattern::expectedAt(p, screen);
        const QColor actual = image.pixelColor(p);
        QVERIFY2(qAbs(actual.red() - expected.red()) <= tolerance &&
                     qAbs(actual.green() - expected.green()) <= tolerance &&
                     qAbs(actual.blue() - expected.blue()) <= tolerance,
                 qPrintable(QStringLiteral("at (%1, %2): %3 instead of %4")
                                .arg(p.x())
                                .arg(p.y())
                                .arg(actual.name(), expected.name())));
    }
}

void tst_CaptureCommandLine::automaticNameInSubFolderWithCounter()
{
    const QString folder = m_dir.filePath(QStringLiteral("auto"));
    writeCaptureSettings("AutomaticSaveFolder=" + folder.toUtf8() +
                         "\nCreateSubfolders=true\nSubFolderFormat=YM\nFileNameFormat=Snap-Y-M-D\n"
                         "TargetFormat=2\n");
    const QDate before = QDate::currentDate();
    const QStringList arguments{QStringLiteral("--capture"), QStringLiteral("fullscreen"),
                                QStringLiteral("--auto-name")};
    const Run first = runCapture(arguments);
    const Run second = runCapture(arguments);
    const QDate after = QDate::currentDate();
    QVERIFY2(first.exitCode == 0, qPrintable(first.err));
    QVERIFY2(second.exitCode == 0, qPrintable(second.err));

    const auto expected = [&folder](const QDate& day, const QString& counter) {
        return folder + day.toString(QStringLiteral("/yyyyMM/'Snap'-yyyy-MM-dd")) + counter +
               QStringLiteral(".bmp");
    };
    QVERIFY2(first.out == expected(before, QString()) || first.out == expected(after, QString()),
             qPrintable(first.out));
    if (before == after)
        QCOMPARE(second.out, expected(before, QStringLiteral("[1]")));
    QCOMPARE(QImage(first.out).size(), QGuiApplication::primaryScreen()->geometry().size());
    QVERIFY(QFileInfo::exists(second.out));
}

void tst_CaptureCommandLine::brokenSettingsFallBackAndStayUntouched()
{
    const QString folder = m_dir.filePath(QStringLiteral("broken"));
    writeCaptureSettings("AutomaticSaveFolder=" + folder.toUtf8() +
                         "\nFileNameFormat=Broken\nTargetFormat=abc\nJpgQuality=-4\n");
    QFile file(captureSettingsPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    const Run run = runCapture(
        {QStringLiteral("--capture"), QStringLiteral("fullscreen"), QStringLiteral("--auto-name")});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(run.out, folder + QStringLiteral("/Broken.png"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

void tst_CaptureCommandLine::failures_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    const QStringList capture{QStringLiteral("--capture"), QStringLiteral("fullscreen"),
                              QStringLiteral("--auto-name")};
    QTest::newRow("missing folder")
        << QByteArray()
        << QStringList{"--capture", "fullscreen", "--output", "/nonexistent-talvik/x.png"} << 1
        << "cannot write /nonexistent-talvik/x.png";
    QTest::newRow("unknown suffix")
        << QByteArray() << QStringList{"--capture", "fullscreen", "--output", "/tmp/x.gif"} << 2
        << "unknown file suffix \"gif\"";
    QTest::newRow("format outside 0 to 2")
        << QByteArray("TargetFormat=7\n") << capture << 1 << "TargetFormat=7";
    QTest::newRow("folder that cannot be made")
        << QByteArray("AutomaticSaveFolder=/dev/null/talvik\n") << capture << 1
        << "cannot write /dev/null/talvik/";
    QTest::newRow("bad delay") << QByteArray() << (capture + QStringList{"--delay", "x"}) << 2
                               << "--delay";
    QTest::newRow("page to scroll without its point")
        << QByteArray() << QStringList{"--capture", "scrolling", "--auto-name"} << 2
        << "--capture scrolling needs it";
    for (const char* geometry : {"10x", "-5x5+0+0", "99999x99999+0+0", "1x1+1e9+0"})
        QTest::newRow(geometry) << QByteArray()
                                << QStringList{"--region", geometry, "--output", "-"} << 2
                                << "region ";
    QTest::newRow("unknown monitor")
        << QByteArray() << (capture + QStringList{"--monitor", "x"}) << 2 << "no monitor \"x\"";
    QTest::newRow("unknown format") << QByteArray() << (capture + QStringList{"--format", "gif"})
                                    << 2 << "unknown format \"gif\"";
    QTest::newRow("standard output and automatic name")
        << QByteArray() << (capture + QStringList{"--output", "-"}) << 2 << "exclude each other";
    QTest::newRow("unknown option of a one-shot")
        << QByteArray() << (capture + QStringList{"--frobnicate"}) << 2 << "\"--frobnicate\"";
}

void tst_CaptureCommandLine::failures()
{
    QFETCH(QByteArray, settings);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    writeCaptureSettings(settings);
    const Run run = runCapture(arguments);
    QCOMPARE(run.exitCode, exitCode);
    // Said on a line of its own that names the program, as scripts expect.
    QVERIFY2(run.err.contains(QRegularExpression(QStringLiteral("(^|\n)TalvikCapture: [^\n]*") +
                                                 QRegularExpression::escape(message))),
             qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
}

void tst_CaptureCommandLine::hostileTemplatesStayInTheFolder_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QString>("expected"); // a pattern of the path below the (relative) folder
    QTest::newRow("name climbs up") << QByteArray("FileNameFormat=../../out") << "out\\.png";
    QTest::newRow("sub-folder climbs up")
        << QByteArray("CreateSubfolders=true\nSubFolderFormat=../../x\nFileNameFormat=n")
        << "x/n\\.png";
    QTest::newRow("empty name") << QByteArray("FileNameFormat=") << "Snap-[-0-9]+\\.png";
    QTest::newRow("punctuation only") << QByteArray("FileNameFormat=.-.") << "Snap-[-0-9]+\\.png";
    QTest::newRow("control characters")
        << QByteArray("FileNameFormat=\"line\\none\\ttab\"") << "lineonetab\\.png";
}

void tst_CaptureCommandLine::hostileTemplatesStayInTheFolder()
{
    QFETCH(QByteArray, settings);
    QFETCH(QString, expected);
    writeCaptureSettings("AutomaticSaveFolder=hostile\n" + settings + '\n');
    const Run run = runCapture(kAutoName);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const QString folder = QDir::home().filePath(QStringLiteral("hostile/"));
    QVERIFY2(QRegularExpression(
                 QRegularExpression::anchoredPattern(QRegularExpression::escape(folder) + expected))
                 .match(run.out)
                 .hasMatch(),
             qPrintable(run.out));
    QVERIFY(QFile::remove(run.out));
}

// Two captures of the same second, started together, never share a file.
void tst_CaptureCommandLine::simultaneousCapturesGetTheirOwnFiles()
{
    writeCaptureSettings("AutomaticSaveFolder=" + m_dir.filePath("pairs").toUtf8() +
                         "\nFileNameFormat=pair\n");
    QSet<QString> paths;
    for (int pair = 0; pair < 20; ++pair) {
        QProcess processes[2];
        for (QProcess& process : processes)
            process.start(QStringLiteral(TALVIK_CAPTURE_BINARY), kAutoName);
        for (QProcess& process : processes) {
            QVERIFY(process.waitForFinished(30000) && process.exitCode() == 0);
            paths << QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
        }
    }
    QCOMPARE(paths.size(), 40);
    for (const QString& path : std::as_const(paths))
        QVERIFY2(!QImage(path).isNull(), qPrintable(path));
}

// A full disk: nothing is reported as written, the system's reason is given, and the file that
// was there stays as it was. A disk with a little room left cuts the write short.
void tst_CaptureCommandLine::fullDiskLosesNothing_data()
{
    QTest::addColumn<QString>("output"); // below the disk; empty for the automatic name
    QTest::addColumn<int>("room");
    QTest::newRow("over an existing file") << "keep.png" << 0;
    QTest::newRow("automatic name") << QString() << 0;
    QTest::newRow("cut short") << "new.bmp" << 4096;
}

void tst_CaptureCommandLine::fullDiskLosesNothing()
{
    QFETCH(QString, output);
    QFETCH(int, room);
    QTemporaryDir disk;
    if (QProcess::execute(QStringLiteral("mount"),
                          {"-t", "tmpfs", "-o", "size=64k", "tmpfs", disk.path()}) != 0)
        QSKIP("mounting a small tmpfs for a full disk needs root");
    const auto unmount = qScopeGuard([&disk] { QProcess::execute("umount", {disk.path()}); });
    const QByteArray old(40000, 'k');
    QFile keep(disk.filePath(QStringLiteral("keep.png")));
    QVERIFY(keep.open(QIODevice::WriteOnly) && keep.write(old) == old.size());
    keep.close();
    QFile fill(disk.filePath(QStringLiteral("fill")));
    QVERIFY(fill.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (fill.write(QByteArray(1024, 'f')) == 1024) {
    }
    QVERIFY(fill.resize(fill.size() - room));
    fill.close();

    writeCaptureSettings("AutomaticSaveFolder=" + disk.path().toUtf8() + "\nFileNameFormat=new\n");
    const Run run = runCapture(output.isEmpty() ? kAutoName
                                                : QStringList{"--capture", "fullscreen", "--output",
                                                              disk.filePath(output)});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.out.isEmpty() && run.err.contains("No space left on device"), qPrintable(run.err));
    QVERIFY(keep.open(QIODevice::ReadOnly));
    QCOMPARE(keep.readAll(), old);
    QCOMPARE(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden),
             (QStringList{QStringLiteral("fill"), QStringLiteral("keep.png")}));
}

// A save killed at any moment leaves the whole picture or nothing under its name; a name held
// by a dangling link is passed over.
void tst_CaptureCommandLine::killedSaveLeavesNoPartialFile()
{
    const QDir folder(m_dir.filePath(QStringLiteral("killed")));
    writeCaptureSettings("AutomaticSaveFolder=" + folder.path().toUtf8() +
                         "\nFileNameFormat=killed\nTargetFormat=2\n");
    QElapsedTimer whole;
    whole.start();
    const Run first = runCapture(kAutoName);
    QVERIFY2(first.exitCode == 0, qPrintable(first.err));
    const qint64 wholeMs = whole.elapsed();
    QVERIFY(QFile::remove(first.out));
    for (int tenth = 3; tenth <= 9; ++tenth) {
        QProcess process;
        process.start(QStringLiteral(TALVIK_CAPTURE_BINARY), kAutoName);
        // Real time on purpose: the kill lands at this share of a whole save.
        QTest::qWait(int(wholeMs * tenth / 10));
        process.kill();
        process.waitForFinished();
        for (const QFileInfo& file : folder.entryInfoList(QDir::Files | QDir::Hidden)) {
            QCOMPARE(QImage(file.filePath()).size(), m_screen);
            QVERIFY(QFile::remove(file.filePath()));
        }
    }
    QVERIFY(QFile::link(QStringLiteral("/nonexistent-talvik"), folder.filePath("killed.bmp")));
    const Run run = runCapture(kAutoName);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(run.out, folder.filePath(QStringLiteral("killed[1].bmp")));
}

// Through a link, the file it points to gets the picture and keeps its owner and permissions.
void tst_CaptureCommandLine::outputThroughALinkKeepsItsTarget()
{
    const QString target = m_dir.filePath(QStringLiteral("theirs.png"));
    const QString link = m_dir.filePath(QStringLiteral("link.png"));
    QFile file(target);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("old") == 3);
    file.close();
    QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    if (::geteuid() == 0)
        QCOMPARE(::chown(QFile::encodeName(target).constData(), 65534, 65534), 0);
    struct stat before = {};
    QCOMPARE(::stat(QFile::encodeName(target).constData(), &before), 0);
    QVERIFY(QFile::link(target, link));

    const Run run = runCapture({"--capture", "fullscreen", "--output", link});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(QImage(target).size(), m_screen);
    struct stat after = {};
    QCOMPARE(::stat(QFile::encodeName(target).constData(), &after), 0);
    QCOMPARE(after.st_uid, before.st_uid);
    QCOMPARE(after.st_gid, before.st_gid);
    QCOMPARE(after.st_mode, before.st_mode);
}

void tst_CaptureCommandLine::regionDraggedAndSaved_data()
{
    QTest::addColumn<bool>("twoMonitors");
    QTest::addColumn<QPoint>("dragFrom");
    QTest::addColumn<QStringList>("oneShot"); // in a process of its own, writing its target
    QTest::newRow("one monitor") << false << QPoint(560, 440) << QStringList();
    QTest::newRow("the monitor under the pointer") << true << QPoint(860, 440) << QStringList();
    const QStringList piped{"--capture", "region", "--output", "-"};
    QTest::newRow("one-shot piped on") << false << QPoint(560, 440) << piped;
    QTest::newRow("one-shot cancelled") << false << QPoint() << piped;
    QTest::newRow("geometry picked")
        << false << QPoint(560, 440) << QStringList{"--capture", "region", "--print-geometry"};
}

// The road of a region capture as a user takes it: the overlay over the frozen screen, a
// rectangle dragged across the middle, Ctrl+S. The file holds the screen's own pixels. With two
// monitors the request goes to the running instance, hidden in the tray with its dialog's place
// on the first monitor, while the user is on the second.
void tst_CaptureCommandLine::regionDraggedAndSaved()
{
    QFETCH(bool, twoMonitors);
    QFETCH(QPoint, dragFrom);
    QFETCH(QStringList, oneShot);
    const QString path = overlaySavesTo(QStringLiteral("region"));
    const auto restoreMonitors = qScopeGuard([twoMonitors] {
        if (twoMonitors)
            removeTwoMonitors();
    });
    QVERIFY(!twoMonitors || addTwoMonitors(m_screen));
    QProcess app;
    const auto killApp = qScopeGuard([&app] {
        app.kill();
        app.waitForFinished();
    });
    QRect overlay(QPoint(0, 0), m_screen);
    if (twoMonitors) {
        overlay = QRect(m_screen.width() / 2, 0, m_screen.width() / 2, m_screen.height());
        askHiddenInstance(app, QStringLiteral("region"), QPoint(overlay.center().x(), 100));
        if (QTest::currentTestFailed())
            return;
    } else {
        app.start(QStringLiteral(TALVIK_CAPTURE_BINARY),
                  oneShot.isEmpty() ? QStringList{"--capture", "region"} : oneShot);
    }
    QTRY_COMPARE_WITH_TIMEOUT(TalvikTest::windowGeometry({"--name", "^Talvik is Capturing$"}),
                              overlay, 15000);
    QTRY_VERIFY(TalvikTest::hasKeyboard({"--name", "^Talvik is Capturing$"}));
    // The real pointer reaches the overlay once the screen shows it: the pattern dimmed.
    const QPoint probe = overlay.topLeft() + QPoint(20, 20);
    QTRY_VERIFY_WITH_TIMEOUT(
        TalvikTest::screenPixel(probe) != Pattern::expectedAt(probe, m_screen).rgb(), 10000);
    if (dragFrom.isNull()) {
        xdotool({"key", "Escape"});
        QVERIFY(app.waitForFinished(15000));
        QCOMPARE(app.exitCode(), 4);
        QVERIFY(app.readAllStandardOutput().isEmpty());
        return;
    }
    const auto at = [&dragFrom](int dx, int dy) {
        return QStringList{QString::number(dragFrom.x() + dx), QString::number(dragFrom.y() + dy)};
    };
    xdotool(QStringList{"mousemove"} + at(0, 0) + QStringList{"mousedown", "1", "mousemove"} +
            at(80, 60) + QStringList{"mousemove"} + at(160, 140) + QStringList{"mouseup", "1"});
    // Pressed while the toolbars still slide in, it is kept until they are.
    xdotool({"key", "ctrl+s"});
    // The name appears with the whole picture.
    QTRY_VERIFY_WITH_TIMEOUT(!oneShot.isEmpty() || !QImage(path).isNull(), 10000);
    QVERIFY(oneShot.isEmpty() || (app.waitForFinished(15000) && app.exitCode() == 0));
    if (oneShot.contains(QStringLiteral("--print-geometry"))) {
        QCOMPARE(app.readAllStandardOutput().trimmed(), QByteArray("160x140+560+440"));
        return;
    }
    const QImage image =
        oneShot.isEmpty() ? QImage(path) : QImage::fromData(app.readAllStandardOutput());
    QCOMPARE(image.size(), QSize(160, 140));
    for (const QPoint& p : {QPoint(5, 5), QPoint(155, 5), QPoint(5, 135), QPoint(155, 135),
                            QPoint(80, 70), QPoint(29, 21), QPoint(30, 22)})
        QCOMPARE(image.pixelColor(p), Pattern::expectedAt(p + dragFrom, m_screen));
}

// A shaped window written from the command line: its shape, transparent outside.
void tst_CaptureCommandLine::windowAtAPointKeepsItsShape()
{
    QWidget window(nullptr, Qt::X11BypassWindowManagerHint | Qt::FramelessWindowHint);
    window.setStyleSheet(QStringLiteral("background: rgb(30, 160, 90);"));
    window.setGeometry(300, 200, 120, 80);
    window.setMask(QRegion(0, 0, 120, 80, QRegion::Ellipse));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(TalvikTest::screenPixel(QPoint(360, 240)), qRgb(30, 160, 90));
    const QString path = m_dir.filePath(QStringLiteral("window.png"));
    const Run run = runCapture({"--capture", "window", "--at", "360,240", "--output", path});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const QImage image(path);
    QCOMPARE(image.size(), QSize(120, 80));
    QCOMPARE(image.pixel(60, 40), qRgb(30, 160, 90));
    QCOMPARE(qAlpha(image.pixel(2, 2)), 0);
    QCOMPARE(qAlpha(image.pixel(117, 77)), 0);
}

void tst_CaptureCommandLine::windowAcrossTwoMonitorsIsWhole_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<bool>("inTheOverlay");
    QTest::newRow("--at its part on the first monitor") << QPoint(500, 400) << false;
    QTest::newRow("--at its part on the second monitor") << QPoint(900, 400) << false;
    QTest::newRow("clicked in the overlay") << QPoint(500, 400) << true;
}

void tst_CaptureCommandLine::windowAcrossTwoMonitorsIsWhole()
{
    QFETCH(QPoint, at);
    QFETCH(bool, inTheOverlay);
    const QString path = inTheOverlay ? overlaySavesTo(QStringLiteral("window"))
                                      : m_dir.filePath(QStringLiteral("across.png"));
    const auto restoreMonitors = qScopeGuard(&removeTwoMonitors);
    QVERIFY(addTwoMonitors(m_screen));
    TalvikTest::PositionPattern window(QRect(420, 300, 606, 300));
    window.show();
    // On the wallpaper, under what a window manager manages.
    window.lower();
    m_pattern.lower();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // Until the X server shows what the window painted.
    QTRY_COMPARE(window.screen()->grabWindow(window.winId()).toImage().pixel(605, 299),
                 TalvikTest::PositionPattern::expectedAt(QPoint(605, 299)));

    const QString x = QString::number(at.x());
    const QString y = QString::number(at.y());
    QProcess app;
    const auto killApp = qScopeGuard([&app] {
        app.kill();
        app.waitForFinished();
    });
    if (inTheOverlay) {
        // The user is on the second monitor; the overlay shows both.
        askHiddenInstance(app, QStringLiteral("window"), QPoint(900, 100));
        if (QTest::currentTestFailed())
            return;
        QTRY_COMPARE_WITH_TIMEOUT(TalvikTest::windowGeometry({"--name", "^Talvik is Capturing$"}),
                                  QRect(QPoint(0, 0), m_screen), 15000);
        QTRY_VERIFY(TalvikTest::hasKeyboard({"--name", "^Talvik is Capturing$"}));
        xdotool({"mousemove", x, y, "click", "1"});
        xdotool({"key", "ctrl+s"});
        QTRY_VERIFY_WITH_TIMEOUT(!QImage(path).isNull(), 10000);
    } else {
        const Run run = runCapture({"--capture", "window", "--at", x + ',' + y, "--output", path});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    }
    const QImage image(path);
    QCOMPARE(image.size(), window.size());
    for (const int px : {0, 219, 220, 300, 385, 386, 605})
        for (const int py : {0, 150, 299})
            QCOMPARE(image.pixel(px, py), TalvikTest::PositionPattern::expectedAt(QPoint(px, py)));
}

// Two monitors: listed, taken by index, by name or all at once, and a region across both,
// each piped on as a script would.
void tst_CaptureCommandLine::monitorsAndRegions()
{
    const auto restoreMonitors = qScopeGuard(&removeTwoMonitors);
    QVERIFY(addTwoMonitors(m_screen));
    const int half = m_screen.width() / 2, height = m_screen.height();
    // Until the pattern is drawn again where an earlier test's window was.
    const QPoint probe(half + 100, height / 3);
    const QStringList all{"--capture", "fullscreen", "--monitor", "all", "--output", "-"};
    QTRY_COMPARE(QImage::fromData(runCapture(all).raw).pixelColor(probe),
                 Pattern::expectedAt(probe, m_screen));
    QCOMPARE(runCapture({"--list-monitors"}).out,
             QStringLiteral("0 %3 %1x%2+0+0 primary\n1 %4 %1x%2+%1+0")
                 .arg(half)
                 .arg(height)
                 .arg(kMonitors[0], kMonitors[1]));
    const QList<std::pair<QStringList, QRect>> cases = {
        {{"--capture", "fullscreen", "--monitor", "1"}, QRect(half, 0, half, height)},
        {{"--capture", "fullscreen", "--monitor", kMonitors[0]}, QRect(0, 0, half, height)},
        {all.mid(0, 4), QRect(QPoint(), m_screen)},
        {{"--region", "300x200+500+400"}, QRect(500, 400, 300, 200)}};
    for (const auto& [arguments, area] : cases) {
        const Run run = runCapture(arguments + QStringList{"--output", "-"});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        const QImage image = QImage::fromData(run.raw);
        QCOMPARE(image.size(), area.size());
        for (const QPoint& p :
             {QPoint(), area.bottomRight() - area.topLeft(), area.center() - area.topLeft()})
            QCOMPARE(image.pixelColor(p), Pattern::expectedAt(p + area.topLeft(), m_screen));
    }
}

// The window a key binding means: the one the window manager says has the focus.
void tst_CaptureCommandLine::activeWindow()
{
    QWidget window;
    window.setStyleSheet(QStringLiteral("background: rgb(200, 40, 120);"));
    window.setGeometry(200, 150, 200, 150);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    xdotool({"windowactivate", "--sync", QString::number(window.winId())});
    const Run run = runCapture({"--capture", "window", "--active", "--output", "-"});
    if (qEnvironmentVariableIsEmpty("TALVIK_TEST_WM")) {
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QLatin1String("keyboard focus")), qPrintable(run.err));
        return;
    }
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const QImage image = QImage::fromData(run.raw);
    // With the frame the window manager drew around it.
    QVERIFY(image.width() >= 200 && image.height() >= 150);
    QCOMPARE(image.pixel(image.width() / 2, image.height() / 2), qRgb(200, 40, 120));
}

// Pasted after the command has ended; its server ends once another program takes over.
void tst_CaptureCommandLine::clipboardOutlivesTheCommand()
{
    const Run run = runCapture({"--capture", "fullscreen", "--clipboard"});
    QVERIFY2(run.exitCode == 0 && run.out.isEmpty(), qPrintable(run.err));
    const QImage pasted = QImage::fromData(
        toolOutput(QStringLiteral("xclip"), {"-o", "-selection", "clipboard", "-t", "image/png"}));
    QCOMPARE(pasted.size(), m_screen);
    for (const QPoint& p : {QPoint(10, 10), QPoint(m_screen.width() - 10, m_screen.height() - 10),
                            QPoint(m_screen.width() / 2, m_screen.height() / 2)})
        QCOMPARE(pasted.pixelColor(p), Pattern::expectedAt(p, m_screen));
    // Taken over by another program, which serves one paste and ends.
    toolOutput(QStringLiteral("xclip"), {"-selection", "clipboard", "-loops", "1", "/dev/null"});
    toolOutput(QStringLiteral("xclip"), {"-o", "-selection", "clipboard"});
    QTRY_VERIFY(toolOutput(QStringLiteral("pgrep"), {"-f", "--", "--serve-clipboard"}).isEmpty());
}

void tst_CaptureCommandLine::noDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    const QString path = m_dir.filePath(QStringLiteral("never.png"));
    const Run run = runCapture({QStringLiteral("--capture"), QStringLiteral("fullscreen"),
                                QStringLiteral("--output"), path},
                               environment);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(QLatin1String("no display")), qPrintable(run.err));
    QVERIFY(!QFileInfo::exists(path));
}

void tst_CaptureCommandLine::helpAndVersion()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    // Text answers need no display.
    const Run version = runCapture({QStringLiteral("--version")}, environment);
    QCOMPARE(version.exitCode, 0);
    QCOMPARE(version.out, QStringLiteral("TalvikCapture 2.5"));
    const Run help = runCapture({QStringLiteral("--help")}, environment);
    QCOMPARE(help.exitCode, 0);
    QVERIFY(help.out.contains(QLatin1String("--capture <mode>")));
    QVERIFY(help.out.contains(QLatin1String("--output <file>")));
    for (const char* option : {"-?", "--help-all"}) {
        const Run asked = runCapture({QString::fromLatin1(option)}, environment);
        QCOMPARE(asked.exitCode, 0);
        QVERIFY(asked.out.contains(QLatin1String("--region <geometry>")));
    }
}

TALVIK_TEST_MAIN(tst_CaptureCommandLine)
#include "tst_CaptureCommandLine.moc"
