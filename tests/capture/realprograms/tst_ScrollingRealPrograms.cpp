// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikTest.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

namespace {

constexpr int kLines = 400;

// A program run on one X server, ended with the test.
class VRunning
{
public:
    VRunning(const QString& display, const QString& program, const QStringList& arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), display);
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

} // namespace

// Programs of other makers scrolled through the command line, each against itself drawn whole
// in a window tall enough, on an X server of its own with a tall screen.
class tst_ScrollingRealPrograms : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void xterm_data();
    void xterm();

private:
    std::unique_ptr<QProcess> m_pTall;
    QString m_tall;
    QString m_display;
    QTemporaryDir m_dir;
};

void tst_ScrollingRealPrograms::initTestCase()
{
    m_display = qEnvironmentVariable("DISPLAY");
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

void tst_ScrollingRealPrograms::xterm_data()
{
    QTest::addColumn<QStringList>("bar");
    QTest::addColumn<int>("side");  // where the bar is: -1 left, 1 right, 0 none
    QTest::addColumn<int>("shown"); // lines the window shows: the last step's shift differs
    QTest::newRow("scroll bar left") << QStringList{"-sb"} << -1 << 40;
    QTest::newRow("scroll bar right") << QStringList{"-sb", "-rightbar"} << 1 << 40;
    QTest::newRow("no scroll bar") << QStringList{"+sb"} << 0 << 40;
    QTest::newRow("scroll bar left, 30 lines") << QStringList{"-sb"} << -1 << 30;
}

// Numbered lines; the wheel turns where the window was picked, whatever the scroll bar does.
void tst_ScrollingRealPrograms::xterm()
{
    QFETCH(QStringList, bar);
    QFETCH(int, side);
    QFETCH(int, shown);
    const QStringList common = QStringList{
        "-fa", "Monospace", "-fs", "9",
        "-e",  "sh",        "-c",  QStringLiteral("seq 1 %1; exec sleep 600").arg(kLines)};
    const VRunning reference(
        m_tall, QStringLiteral("xterm"),
        QStringList{"+sb", "-geometry", QStringLiteral("80x%1+0+0").arg(kLines + 5)} + common);
    const VRunning program(
        m_display, QStringLiteral("xterm"),
        bar + QStringList{"-geometry", QStringLiteral("80x%1+100+100").arg(shown)} + common);
    const QRect tall = windowOf(m_tall, QStringLiteral("XTerm"));
    const QRect window = windowOf(m_display, QStringLiteral("XTerm"));
    const int lineHeight = (tall.height() - 4) / (kLines + 5);
    QVERIFY(lineHeight > 5);
    // Back to the first line, as a user would before capturing.
    QTest::qWait(500);
    const QPoint at = window.center();
    output(m_display, QStringLiteral("xdotool"),
           {"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "--repeat",
            "120", "--delay", "2", "4"});
    QTest::qWait(300);

    int code = -1;
    QByteArray err;
    const QString path = m_dir.filePath(QStringLiteral("xterm.png"));
    output(m_display, QStringLiteral(TALVIK_CAPTURE_BINARY),
           {"--capture", "scrolling", "--at", QStringLiteral("%1,%2").arg(at.x()).arg(at.y()),
            "--output", path},
           &code, &err);
    const QImage shot = QImage(path).convertToFormat(QImage::Format_RGB32);
    QVERIFY2(code == 0, err.constData());
    // Every line once, the cursor's below the last, and the window's borders.
    QCOMPARE(shot.height(), (kLines + 1) * lineHeight + 4);
    QCOMPARE(shot.width(), window.width());
    const QImage whole = grabScreenOf(m_tall, m_dir).copy(tall);
    // The scroll bar shows where the window was, not the page.
    const int barWidth = window.width() - tall.width();
    QVERIFY(side == 0 || barWidth > 0);
    const int left = side < 0 ? barWidth : 0;
    const int width = tall.width() - 2, height = kLines * lineHeight;
    // Where the text starts in the reference: a top-level window may keep a frame of its own.
    QPoint origin(-1, -1);
    for (int dy = 0; dy < 3; ++dy) {
        for (int dx = 0; dx < 3; ++dx) {
            if (whole.copy(dx, dy + lineHeight, width, lineHeight) ==
                shot.copy(left, lineHeight, width, lineHeight))
                origin = QPoint(dx, dy);
        }
    }
    QVERIFY(origin.x() >= 0);
    for (int y = 0; y < height; ++y) {
        QVERIFY2(shot.copy(left, y, width, 1) == whole.copy(origin.x(), origin.y() + y, width, 1),
                 qPrintable(QStringLiteral("row %1 (line %2)").arg(y).arg(y / lineHeight + 1)));
    }
}

TALVIK_TEST_MAIN(tst_ScrollingRealPrograms)
#include "tst_ScrollingRealPrograms.moc"
