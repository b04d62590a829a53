// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikCaptureSettings.h"
#include "TalvikDesktop.h"
#include "TalvikMouse.h"
#include "TalvikTest.h"

#include "app/VCaptureResources.h"
#include "scrolling/VScrollingCapture.h"
#include "config/VConfigCapture.h"
#include "output/VDialogPromptTarget.h"
#include "grab/VScreenGrab.h"
#include "grab/VWindowNode.h"
#include "overlay/VFullScreenSelector.h"
#include "VVCapture.h"
#include "widgets/VCanvas.h"
#include "widgets/VGraphicsView.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QScrollArea>
#include <QScrollBar>

namespace {

constexpr int kWidth = 600;
constexpr int kHeight = 400;

// Rows that differ from each other (the row number is in the colours), with blank runs and a
// repeated block, as real pages have.
QImage page(int height, int seed)
{
    QImage image(kWidth, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const int row = (y >= 300 && y < 390) ? 300 + (y - 300) % 30 : y; // a block, three times
        const bool blank = (y / 100) % 5 == 4 && y % 100 < 40;
        for (int x = 0; x < kWidth; ++x)
            image.setPixel(x, y,
                           blank ? qRgb(255, 255, 255)
                                 : qRgb((row + seed) & 255, (row >> 8) * 40 + x / 60,
                                        (x * 7 + row * 3) & 255));
    }
    return image;
}

// The page's part of a capture of the window: without the scroll bar on its right.
QImage pageOf(const QImage& shot)
{
    return shot.copy(0, 0, kWidth, shot.height());
}

constexpr int kStepPause = 150;

struct Shot
{
    QImage image;
    QString err;
};

// The program's one-shot capture of the page under a point, while this process keeps its
// window scrolling.
Shot captureByCommandLine(const QPoint& at)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.png"));
    QProcess process;
    process.start(QStringLiteral(TALVIK_CAPTURE_BINARY),
                  {"--capture", "scrolling", "--at",
                   QStringLiteral("%1,%2").arg(at.x()).arg(at.y()), "--output", path});
    QDeadlineTimer deadline(60000);
    while (!process.waitForFinished(10) && !deadline.hasExpired())
        QCoreApplication::processEvents();
    const QString err = QString::fromLocal8Bit(process.readAllStandardError());
    if (process.state() != QProcess::NotRunning)
        process.kill();
    return {QImage(path).convertToFormat(QImage::Format_RGB32), err};
}

} // namespace

class tst_ScrollingCapture : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void capturesThePageExactly_data();
    void capturesThePageExactly();
    void changedContent_data();
    void changedContent();
    void heightLimitAndEscapeKeepWhatWasCaptured();
    void throughTheOverlayToTheClipboard();

private:
    QImage run(VScrollingCapture& capture)
    {
        capture.setSettleDelay(kStepPause);
        capture.setStepPause(kStepPause);
        return capture.capture(m_pArea->geometry());
    }
    void showPage(const QImage& image)
    {
        m_pLabel->setPixmap(QPixmap::fromImage(image));
        m_pLabel->resize(image.size());
        m_pArea->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_pArea.get()));
        // The capture reads the screen, not the widget.
        QTRY_VERIFY(TalvikTest::shownShare(m_pArea.get()) > 0.99);
    }
    QPoint inPage() const { return m_pArea->geometry().center(); }

    std::unique_ptr<QScrollArea> m_pArea;
    QLabel* m_pLabel = nullptr;
};

void tst_ScrollingCapture::initTestCase()
{
    // Read by the program started from the command line and by this process's overlay alike.
    TalvikTest::writeCaptureSettings("ScrollingInterval=" + QByteArray::number(kStepPause) + "\n");
    initCaptureResources();
}

void tst_ScrollingCapture::init()
{
    m_pArea = std::make_unique<QScrollArea>();
    m_pArea->setWindowFlags(Qt::X11BypassWindowManagerHint | Qt::FramelessWindowHint);
    m_pArea->setFrameShape(QFrame::NoFrame);
    m_pArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_pArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pLabel = new QLabel;
    m_pArea->setWidget(m_pLabel);
    m_pArea->setGeometry(100, 100, kWidth + m_pArea->verticalScrollBar()->sizeHint().width(),
                         kHeight);
}

void tst_ScrollingCapture::cleanup()
{
    m_pArea.reset();
}

void tst_ScrollingCapture::capturesThePageExactly_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("caret");
    QTest::newRow("three notches a step") << 2600 << false;
    QTest::newRow("a page one screen long") << kHeight << false;
    QTest::newRow("a blinking caret") << 1500 << true;
}

void tst_ScrollingCapture::capturesThePageExactly()
{
    QFETCH(int, height);
    QFETCH(bool, caret);
    const QImage image = page(height, 0);
    QFrame blink(m_pArea->viewport());
    blink.setStyleSheet(QStringLiteral("background: black;"));
    blink.setGeometry(300, 200, 2, 18);
    QTimer blinking;
    connect(&blinking, &QTimer::timeout, &blink,
            [&blink] { blink.setVisible(!blink.isVisible()); });
    if (caret)
        blinking.start(70);
    blink.setVisible(caret);
    showPage(image);

    Shot shot = captureByCommandLine(inPage());
    QVERIFY2(!shot.image.isNull(), qPrintable(shot.err));
    QImage got = pageOf(shot.image), want = image;
    if (caret) {
        // The caret is on the screen, not on the page: blank its column out of both.
        for (QImage* p : {&got, &want})
            QPainter(p).fillRect(296, 0, 8, p->height(), Qt::black);
    }
    QCOMPARE(got, want);
}

void tst_ScrollingCapture::changedContent_data()
{
    QTest::addColumn<bool>("keep");
    QTest::newRow("keep the part") << true;
    QTest::newRow("give up") << false;
}

// The page is replaced by another one while it scrolls: the question comes, and its answer
// decides between the part captured before and nothing.
void tst_ScrollingCapture::changedContent()
{
    QFETCH(bool, keep);
    const QImage image = page(3000, 0);
    showPage(image);
    connect(m_pArea->verticalScrollBar(), &QScrollBar::valueChanged, m_pLabel, [this](int value) {
        if (value > 500)
            m_pLabel->setPixmap(QPixmap::fromImage(page(3000, 128)));
    });
    VScrollingCapture capture;
    bool asked = false;
    capture.setKeepChangedContent([&asked, keep] { return asked = true, keep; });
    const QImage result = run(capture);
    QVERIFY(asked);
    QCOMPARE(result.isNull(), !keep);
    if (keep) {
        QCOMPARE(int(capture.end()), int(VScrollingCapture::End::ContentChanged));
        QVERIFY(result.height() > 500 && result.height() < 1000);
        QCOMPARE(pageOf(result), image.copy(0, 0, kWidth, result.height()));
    }
}

void tst_ScrollingCapture::heightLimitAndEscapeKeepWhatWasCaptured()
{
    const QImage image = page(5000, 0);
    showPage(image);

    VScrollingCapture limited;
    limited.setRowLimit(1000);
    const QImage result = run(limited);
    QCOMPARE(int(limited.end()), int(VScrollingCapture::End::HeightLimit));
    QCOMPARE(result.height(), 1000);
    QCOMPARE(pageOf(result), image.copy(0, 0, kWidth, 1000));

    m_pArea->verticalScrollBar()->setValue(0);
    // Escape from the keyboard once the page moves, though the focus is elsewhere; again until
    // the capture ends, as a busy machine may lose a key. Detached: this process must go on
    // scrolling its page meanwhile.
    QTimer escape;
    connect(&escape, &QTimer::timeout, [] {
        QProcess::startDetached("xdotool", {"key", "Escape"});
    });
    connect(m_pArea->verticalScrollBar(), &QScrollBar::valueChanged, &escape, [&escape] {
        if (!escape.isActive())
            escape.start(300);
    });
    const Shot shot = captureByCommandLine(inPage());
    escape.stop();
    QVERIFY2(shot.err.contains(QLatin1String("Escape")),
             qPrintable(QStringLiteral("%1 rows; %2").arg(shot.image.height()).arg(shot.err)));
    QVERIFY(shot.image.height() > 400 && shot.image.height() < 3000);
    QCOMPARE(pageOf(shot.image), image.copy(0, 0, kWidth, shot.image.height()));
}

// Picked in the overlay, the page goes to the output chooser, and from it to the clipboard.
void tst_ScrollingCapture::throughTheOverlayToTheClipboard()
{
    const QImage image = page(1200, 0);
    showPage(image);
    QGuiApplication::clipboard()->clear();

    QTimer chooserWatch;
    connect(&chooserWatch, &QTimer::timeout, [] {
        for (QWidget* pWindow : QApplication::topLevelWidgets()) {
            if (qobject_cast<VDialogPromptTarget*>(pWindow) && pWindow->isVisible())
                pWindow->findChild<QAbstractButton*>(QStringLiteral("buttonClipboard"))->click();
        }
    });
    chooserWatch.start(100);
    const VScreenGrab grab = grabScreen(QGuiApplication::primaryScreen());
    VFullScreenSelector overlay(nullptr);
    QTimer::singleShot(0, &overlay, [this, &overlay] {
        QVERIFY(QTest::qWaitForWindowExposed(&overlay));
        TalvikTest::Mouse mouse(overlay.canvas()->view()->viewport(), true);
        mouse.move(inPage());
        mouse.click(inPage());
    });
    const int result = overlay.runCapture(VV::CaptureScrolling, grab.picture,
                                          buildWindowTree(grab.deviceGeometry));
    QCOMPARE(result, int(QDialog::Accepted));
    const QImage copied =
        QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(pageOf(copied), image);
}

TALVIK_TEST_MAIN(tst_ScrollingCapture)
#include "tst_ScrollingCapture.moc"
