// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikTest.h"

#include <QHash>
#include <QPainter>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QUrl>

#include <cstring>

namespace {

constexpr int kLines = 400;

// A fixed header, a spinner, an animation across the page, identical items, a blank gap.
constexpr char kPage[] = R"(<!DOCTYPE html><html><head><style>
html,body{margin:0;background:#fff;font:14px/20px monospace}p{margin:0;height:20px;padding-left:60px}
header{position:fixed;top:0;width:100%;height:40px;background:#234;color:#fff;line-height:40px}
main{padding-top:40px}.item{height:120px;border-bottom:2px solid #888;background:#eef}
.spin{position:absolute;width:40px;height:40px;border:4px solid #ccc;border-top-color:#06c;
border-radius:50%;animation:t .8s linear infinite}@keyframes t{to{transform:rotate(360deg)}}
.anim{height:30px;background:linear-gradient(90deg,red,blue);background-size:200%;animation:s 1s
linear infinite}@keyframes s{to{background-position:200%}}</style></head><body>
<header>Fixed header</header><main></main><script>let n=0,h='';const l=k=>{while(k--)h+=`<p>line
${++n}</p>`};l(40);h+='<div class=spin></div><p style="height:40px">spinner label</p>';l(40);
h+='<div class=anim></div>';l(40);h+='<div class=item></div>'.repeat(15);l(20);
h+='<div style="height:400px"></div>';l(40);document.querySelector('main').innerHTML=h</script>)";

// A program run on one X server, ended with the test.
class VRunning
{
public:
    VRunning(const QString& display, const QString& program, const QStringList& arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), display);
        // GTK programs: no settings daemon nor accessibility bus to wait for.
        environment.insert(QStringLiteral("GSETTINGS_BACKEND"), QStringLiteral("memory"));
        environment.insert(QStringLiteral("NO_AT_BRIDGE"), QStringLiteral("1"));
        m_process.setProcessEnvironment(environment);
        m_process.start(program, arguments);
    }
    ~VRunning()
    {
        m_process.kill();
        m_process.waitForFinished();
    }
    QProcess& process() { return m_process; }

private:
    QProcess m_process;
};

// What a program started on `display` prints, once it has ended; its exit code in `code`.
QByteArray output(const QString& display, const QString& program, const QStringList& arguments,
                  int* pCode = nullptr, QByteArray* pErr = nullptr)
{
    VRunning running(display, program, arguments);
    running.process().waitForFinished(120000);
    if (pCode)
        *pCode = running.process().exitStatus() == QProcess::NormalExit
                     ? running.process().exitCode()
                     : -1;
    if (pErr)
        *pErr = running.process().readAllStandardError();
    return running.process().readAllStandardOutput();
}

// The first window of that class mapped on `display`, in global pixels.
QRect windowOf(const QString& display, const QString& windowClass)
{
    const QByteArray shell = output(display, QStringLiteral("xdotool"),
                                    {"search", "--sync", "--onlyvisible", "--class", windowClass,
                                     "getwindowgeometry", "--shell"});
    QMap<QByteArray, int> value;
    for (const QByteArray& line : shell.split('\n')) {
        const QList<QByteArray> pair = line.split('=');
        if (pair.size() == 2)
            value[pair[0]] = pair[1].toInt();
    }
    return QRect(value["X"], value["Y"], value["WIDTH"], value["HEIGHT"]);
}

QImage grabScreenOf(const QString& display, const QTemporaryDir& dir)
{
    const QString path = dir.filePath(QStringLiteral("screen-%1.png").arg(display.mid(1)));
    output(display, QStringLiteral(TALVIK_CAPTURE_BINARY),
           {"--capture", "fullscreen", "--output", path});
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

// Until what the display shows stands still: two grabs in a row alike but for a caret or a
// spinner.
void waitUntilStill(const QString& display, const QTemporaryDir& dir)
{
    QImage before = grabScreenOf(display, dir);
    const auto still = [&] {
        QImage now = grabScreenOf(display, dir);
        std::swap(now, before);
        if (now.size() != before.size())
            return false;
        int differing = 0;
        for (int y = 0; y < now.height(); ++y)
            differing += std::memcmp(now.constScanLine(y), before.constScanLine(y),
                                     std::size_t(now.bytesPerLine())) != 0;
        return differing <= 100;
    };
    QTRY_VERIFY_WITH_TIMEOUT(still(), 15000);
}

// Focused, so that the caret shows as in the window scrolled. A program still starting may set
// its own size once more: until it keeps ours.
void resizeWindow(const QString& display, const QString& windowClass, const QRect& geometry,
                  const QTemporaryDir& dir)
{
    const auto resized = [&] {
        output(display, QStringLiteral("xdotool"),
               {"search", "--sync", "--onlyvisible", "--class", windowClass, "windowsize",
                QString::number(geometry.width()), QString::number(geometry.height()), "windowmove",
                QString::number(geometry.x()), QString::number(geometry.y()), "windowfocus"});
        return windowOf(display, windowClass).size() == geometry.size();
    };
    QTRY_VERIFY_WITH_TIMEOUT(resized(), 20000);
    waitUntilStill(display, dir);
}

// The row a page shows most in a strip: its background.
QImage blankRow(const QImage& image, int left, int width)
{
    QHash<QByteArray, int> seen;
    QByteArray most;
    for (int y = 0; y < image.height(); ++y) {
        const auto* pRow = reinterpret_cast<const char*>(image.constScanLine(y)) + left * 4;
        const QByteArray row(pRow, width * 4);
        if (++seen[row] > seen.value(most))
            most = row;
    }
    return QImage(reinterpret_cast<const uchar*>(most.constData()), width, 1, QImage::Format_RGB32)
        .copy();
}

// The row under the last line of text in a strip: above the window's bottom part and the
// blank run over it.
int textEnd(const QImage& image, int left, int width)
{
    const QImage blank = blankRow(image, left, width);
    int y = image.height();
    while (y > 0 && image.copy(left, y - 1, width, 1) != blank)
        --y;
    while (y > 0 && image.copy(left, y - 1, width, 1) == blank)
        --y;
    return y;
}

} // namespace

// Programs of other makers scrolled through the command line, each against itself drawn whole
// in a window tall enough, on an X server of its own with a tall screen.
class tst_ScrollingRealPrograms : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void program_data();
    void program();

private:
    std::unique_ptr<QProcess> m_pTall;
    QString m_tall;
    QString m_display;
    QTemporaryDir m_dir;
};

void tst_ScrollingRealPrograms::initTestCase()
{
    m_display = qEnvironmentVariable("DISPLAY");
    QFile lines(m_dir.filePath(QStringLiteral("lines.txt")));
    QVERIFY(lines.open(QIODevice::WriteOnly));
    for (int line = 1; line <= kLines; ++line)
        lines.write(QByteArray::number(line) + '\n');
    lines.close();
    // A blinking caret would make the reference differ from the capture by chance.
    const QString gtk = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/gtk-3.0");
    QDir().mkpath(gtk);
    QFile settings(gtk + QStringLiteral("/settings.ini"));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("[Settings]\ngtk-cursor-blink=false\n");
    settings.close();
    m_pTall = std::make_unique<QProcess>();
    // A developer sharing a machine may be given the displays to use.
    m_tall = qEnvironmentVariable("TALVIK_TEST_TALL_DISPLAY");
    if (!m_tall.isEmpty())
        return;
    m_pTall->start(QStringLiteral("Xvfb"),
                   {"-displayfd", "1", "-screen", "0", "1280x8000x24", "-nolisten", "tcp"});
    QVERIFY(m_pTall->waitForReadyRead(20000));
    m_tall = QLatin1Char(':') + QString::fromLatin1(m_pTall->readLine().trimmed());
}

void tst_ScrollingRealPrograms::cleanupTestCase()
{
    m_pTall->kill();
    m_pTall->waitForFinished();
}

void tst_ScrollingRealPrograms::program_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("tall");    // the reference's, drawn whole
    QTest::addColumn<int>("side");            // where the scroll bar is: -1 left, 1 right, 0 none
    QTest::addColumn<QSize>("size");          // the window's, when the arguments cannot set it
    QTest::addColumn<QList<QRect>>("moving"); // what blinks or animates, in the page's pixels
    const QString xterm = QStringLiteral("xterm");
    const QStringList text = {
        "-fa", "Monospace",
        "-fs", "9",
        "-e",  "sh",
        "-c",  QStringLiteral("seq 1 %1; printf '\\033[?25l'; exec sleep 600").arg(kLines)};
    const QStringList tallXterm =
        QStringList{"+sb", "-geometry", QStringLiteral("80x%1+0+0").arg(kLines + 5)} + text;
    const auto lines = [](int shown) { return QStringLiteral("80x%1+100+100").arg(shown); };
    QTest::newRow("xterm, scroll bar left")
        << xterm << QStringList{"-sb", "-geometry", lines(40)} + text << tallXterm << -1 << QSize()
        << QList<QRect>();
    QTest::newRow("xterm, scroll bar right")
        << xterm << QStringList{"-sb", "-rightbar", "-geometry", lines(40)} + text << tallXterm << 1
        << QSize() << QList<QRect>();
    QTest::newRow("xterm, no scroll bar")
        << xterm << QStringList{"+sb", "-geometry", lines(40)} + text << tallXterm << 0 << QSize()
        << QList<QRect>();
    // The last step's shift differs from the others.
    QTest::newRow("xterm, scroll bar left, 30 lines")
        << xterm << QStringList{"-sb", "-geometry", lines(30)} + text << tallXterm << -1 << QSize()
        << QList<QRect>();
    const QStringList file = {"--disable-server", m_dir.filePath(QStringLiteral("lines.txt"))};
    QTest::newRow("GTK editor with menu bar")
        << QStringLiteral("mousepad") << file << file << 1 << QSize(640, 480) << QList<QRect>();
    // Toolbar, tabs, search and status bars; as root a warning bar fades out at the first step.
    const QStringList plain = {m_dir.filePath(QStringLiteral("lines.txt"))};
    QTest::newRow("Qt editor with toolbar and status bar")
        << QStringLiteral("featherpad") << plain << plain << 1 << QSize(640, 480)
        << QList<QRect>{QRect(0, 90, 12, 30)};
    QFile page(m_dir.filePath(QStringLiteral("page.html")));
    QVERIFY(page.open(QIODevice::WriteOnly) && page.write(kPage) > 0);
    page.close();
    // Profiles of their own: a second start would hand its window to the first.
    // The window manager's frame, as without one: no title bar and shadow of the browser's own.
    const auto browser = [&](const QString& profile, const QString& how) {
        QDir().mkpath(m_dir.filePath(profile + QStringLiteral("/Default")));
        QFile preferences(m_dir.filePath(profile + QStringLiteral("/Default/Preferences")));
        if (preferences.open(QIODevice::WriteOnly))
            preferences.write(R"({"browser": {"custom_chrome_frame": false}})");
        return QStringList{"--no-sandbox",
                           "--test-type",
                           "--no-first-run",
                           "--disable-gpu",
                           "--password-store=basic",
                           "--user-data-dir=" + m_dir.filePath(profile),
                           how + QUrl::fromLocalFile(page.fileName()).toString()};
    };
    const QList<QRect> animated = {QRect(0, 834, 58, 60), QRect(0, 1676, 2000, 38)};
    QTest::newRow("browser page in an app window")
        << QStringLiteral("chromium") << browser("app", "--app=") << browser("app-tall", "--app=")
        << 1 << QSize(800, 600) << animated;
    // The tab strip's colour follows the focus, and the toolbar's profile button may slide out
    // a sign-in offer at any time.
    QTest::newRow("browser page under tabs and toolbar")
        << QStringLiteral("chromium") << browser("tabs", "") << browser("tabs-tall", "") << 1
        << QSize(800, 600) << animated + QList<QRect>{QRect(0, -200, 2000, 200)};
}

// Numbered lines; the wheel turns where the window was picked, whatever the scroll bar does.
void tst_ScrollingRealPrograms::program()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, tall);
    QFETCH(int, side);
    QFETCH(QSize, size);
    QFETCH(QList<QRect>, moving);
    const VRunning reference(m_tall, program, tall);
    const VRunning shown(m_display, program, arguments);
    const QString windowClass = program == QStringLiteral("xterm") ? "XTerm" : program;
    if (size.isValid()) {
        resizeWindow(m_tall, windowClass, QRect(0, 0, size.width(), 7900), m_dir);
        resizeWindow(m_display, windowClass, QRect(QPoint(100, 100), size), m_dir);
    }
    const QRect whole = windowOf(m_tall, windowClass);
    const QRect window = windowOf(m_display, windowClass);
    waitUntilStill(m_tall, m_dir);
    waitUntilStill(m_display, m_dir);
    // Back to the first line, as a user would before capturing.
    const QPoint at = window.center();
    output(m_display, QStringLiteral("xdotool"),
           {"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "--repeat",
            "120", "--delay", "2", "4"});
    waitUntilStill(m_display, m_dir);

    int code = -1;
    QByteArray err;
    const QString path = m_dir.filePath(QStringLiteral("shot.png"));
    output(m_display, QStringLiteral(TALVIK_CAPTURE_BINARY),
           {"--capture", "scrolling", "--at", QStringLiteral("%1,%2").arg(at.x()).arg(at.y()),
            "--output", path},
           &code, &err);
    QImage shot = QImage(path).convertToFormat(QImage::Format_RGB32);
    QVERIFY2(code == 0, err.constData());
    QCOMPARE(shot.width(), window.width());
    QImage all = grabScreenOf(m_tall, m_dir).copy(whole);
    // The window as it ends, placed by the capture's bottom rows: a frame or a border around
    // what the page scrolls in moves it by a few pixels.
    const QImage screen = grabScreenOf(m_display, m_dir);
    const int foot = 24;
    const QImage bottom = shot.copy(0, shot.height() - foot, shot.width(), foot);
    QPoint place(-1, -1);
    for (int dy = -32; dy <= 32 && place.x() < 0; ++dy) {
        for (int dx = -8; dx <= 8 && place.x() < 0; ++dx) {
            if (screen.copy(window.x() + dx, window.bottom() + 1 - foot + dy, shot.width(), foot) ==
                bottom)
                place = QPoint(window.x() + dx, window.bottom() + 1 + dy);
        }
    }
    QVERIFY(place.x() >= 0);
    const QImage last =
        screen.copy(place.x(), place.y() - window.height(), shot.width(), window.height());
    // The scroll bar shows where the window was, not the page; an overlay one is no wider.
    const int barWidth = side == 0 ? 0 : std::max(window.width() - whole.width(), 16);
    const int left = side < 0 ? barWidth : 0;
    const int width = std::min(whole.width(), window.width() - barWidth) - 2;
    // What blinks or animates is compared nowhere; a web page is placed by its fixed header.
    const int top = window.height() / 2;
    int pageTop = 0;
    while (program == QStringLiteral("chromium") &&
           all.pixel(all.width() / 2, pageTop) != qRgb(0x22, 0x33, 0x44))
        QVERIFY(++pageTop < top);
    for (const QRect& area : moving) {
        QPainter(&all).fillRect(area.translated(0, pageTop), Qt::black);
        QPainter(&shot).fillRect(area.translated(left, pageTop), Qt::black);
    }
    // Where the page starts in the reference: a top-level window may keep a frame of its own.
    QPoint origin(-1, -1);
    for (int dy = 0; dy < 3; ++dy) {
        for (int dx = 0; dx < 3; ++dx) {
            if (all.copy(dx, dy, width, top) == shot.copy(left, 0, width, top))
                origin = QPoint(dx, dy);
        }
    }
    QVERIFY(origin.x() >= 0);
    // Every row down to the last line as drawn whole, and that line where the window shows it
    // at the end: a row doubled or missing anywhere moves it.
    const int end = textEnd(all, origin.x(), width) - origin.y();
    QVERIFY(end > kLines * 5);
    QCOMPARE(shot.height() - last.height() + textEnd(last, left, width), end);
    for (int y = 0; y < end; ++y) {
        QVERIFY2(shot.copy(left, y, width, 1) == all.copy(origin.x(), origin.y() + y, width, 1),
                 qPrintable(QStringLiteral("row %1 of %2").arg(y).arg(end)));
    }
    // Below it, the window's bottom as it ends.
    QVERIFY(shot.copy(left, end, width, shot.height() - end) ==
            last.copy(left, last.height() - (shot.height() - end), width, shot.height() - end));
}

TALVIK_TEST_MAIN(tst_ScrollingRealPrograms)
#include "tst_ScrollingRealPrograms.moc"
