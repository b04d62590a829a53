// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikDesktop.h"
#include "TalvikMouse.h"
#include "TalvikOverlay.h"
#include "TalvikTest.h"
#include "TalvikTexts.h"

#include "app/VCaptureResources.h"
#include "config/VConfigCapture.h"
#include "dialogs/VDeliveryNotice.h"
#include "foundation/VV.h"
#include "grab/VScreenGrab.h"
#include "grab/VWindowNode.h"
#include "graphics/VGraphicsLayer.h"
#include "graphics/VGraphicsScene.h"
#include "output/VOutput.h"
#include "overlay/VFullScreenSelector.h"
#include "overlay/VGraphicsItemArrow.h"
#include "platform/VPlatformBackend.h"
#include "VVCapture.h"
#include "widgets/VCanvas.h"
#include "widgets/VGraphicsView.h"
#include "widgets/VHelpBalloon.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QScopeGuard>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QToolButton>

#include <functional>

namespace {

// A picture no two places of which look alike: each pixel's colour is its position.
QPixmap positionPicture(const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 16 + y / 256));
    return QPixmap::fromImage(image);
}

// Runs the overlay, playing the user's part from inside its event loop.
int runOverlay(VFullScreenSelector& overlay, int mode, const QImage& screen,
               const VWindowNode& tree, const std::function<void()>& user)
{
    QTimer::singleShot(0, &overlay, [&overlay, user] {
        // Its shortcuts need it to hold the keyboard.
        if (QTest::qWaitForWindowActive(&overlay))
            user();
        else
            QTest::qFail("the overlay never became the active window", __FILE__, __LINE__);
        // A user who stops leaves; the test ends what it did not end itself.
        if (overlay.isVisible())
            overlay.done(-1);
    });
    return overlay.runCapture(mode, screen, tree);
}

// Stands in for the file manager.
class UrlOpener : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }
};

} // namespace

class tst_VFullScreenSelector : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void twoAreasMakeOnePictureAndSave();
    void escapeOnTheFirstPickEndsWithNothing();
    void thePickersShowTheScreenDimmed_data();
    void thePickersShowTheScreenDimmed();
    void shapedWindowIsPickedWithItsShape();
    void shapedWindowPickedByItsContentKeepsItsShape();
    void arrowHead();
    void anAreaIsTakenBackAndBroughtAgainWithTheKeys();
    void aCaptureOnARealDesktop();
    void theUserIsToldWhereTheCaptureWent();
    void readableNamedAndTranslated_data();
    void readableNamedAndTranslated();

private:
    QWidget* view(VFullScreenSelector& overlay) { return overlay.canvas()->view()->viewport(); }
    QTemporaryDir m_dir;
};

void tst_VFullScreenSelector::initTestCase()
{
    initCaptureResources();
}

void tst_VFullScreenSelector::init()
{
    VConfigCapture* pConfig = VConfigCapture::instance();
    pConfig->setNameMethod(1);
    pConfig->setAutomaticSaveFolder(m_dir.path());
    pConfig->setCreateSubfolders(false);
    pConfig->setFileNameFormat(QStringLiteral("overlay"));
    pConfig->setTargetFormat(VV::TargetFormatPng);
    pConfig->setRegionType(0);
    pConfig->setBorderLineWidth(0);
    for (const QString& name : QDir(m_dir.path()).entryList(QDir::Files))
        QFile::remove(m_dir.filePath(name));
}

void tst_VFullScreenSelector::twoAreasMakeOnePictureAndSave()
{
    const QRect screenRect = QGuiApplication::primaryScreen()->geometry();
    const QPixmap screen = positionPicture(screenRect.size());
    VFullScreenSelector overlay(nullptr);
    const int result =
        runOverlay(overlay, VV::CaptureRegion, screen.toImage(),
                   VWindowNode::fromWindows({}, screenRect, {screenRect}), [&] {
                       TalvikTest::Mouse mouse(view(overlay));
                       mouse.drag(QPoint(10, 20), QPoint(60, 50));
                       TALVIK_WAIT_FOR_OVERLAY_ROWS(&overlay, TalvikTest::OverlayRows::Main);
                       // F4 shows the properties panel over the picture, and hides it again.
                       QTest::keyClick(&overlay, Qt::Key_F4);
                       auto* pPanel =
                           overlay.findChild<QWidget*>(QStringLiteral("propertiesPanel"));
                       QVERIFY(pPanel && pPanel->isVisible());
                       QTest::keyClick(&overlay, Qt::Key_F4);
                       QVERIFY(!pPanel->isVisible());
                       overlay.findChild<QToolButton*>("toolButtonCapture")->click();
                       TALVIK_WAIT_FOR_OVERLAY_ROWS(&overlay, TalvikTest::OverlayRows::MainAndSub);
                       overlay.findChild<QToolButton*>("toolButtonCaptureRectangle")->click();
                       TALVIK_WAIT_FOR_OVERLAY_ROWS(&overlay, TalvikTest::OverlayRows::None);
                       mouse.drag(QPoint(300, 200), QPoint(340, 230));
                       TALVIK_WAIT_FOR_OVERLAY_ROWS(&overlay, TalvikTest::OverlayRows::MainAndSub);
                       const QImage image = overlay.renderedImage();
                       QCOMPARE(image.size(), QSize(330, 210));
                       QCOMPARE(image.pixel(15, 12), screen.toImage().pixel(25, 32));
                       QCOMPARE(qAlpha(image.pixel(150, 100)), 0);
                       QCOMPARE(image.pixel(320, 200), screen.toImage().pixel(330, 220));
                       QTest::keyClick(&overlay, Qt::Key_S, Qt::ControlModifier);
                   });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(QImage(m_dir.filePath(QStringLiteral("overlay.png"))).size(), QSize(330, 210));
}

void tst_VFullScreenSelector::escapeOnTheFirstPickEndsWithNothing()
{
    const QRect screenRect = QGuiApplication::primaryScreen()->geometry();
    VFullScreenSelector overlay(nullptr);
    const int result =
        runOverlay(overlay, VV::CaptureRegion, positionPicture(screenRect.size()).toImage(),
                   VWindowNode::fromWindows({}, screenRect, {screenRect}),
                   [&] { QTest::keyClick(overlay.canvas()->view(), Qt::Key_Escape); });
    QCOMPARE(result, int(QDialog::Rejected));
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), QStringList());
}

void tst_VFullScreenSelector::thePickersShowTheScreenDimmed_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("regionType");
    QTest::newRow("rectangle") << int(VV::CaptureRegion) << 0;
    QTest::newRow("polygon") << int(VV::CaptureRegion) << 1;
    QTest::newRow("window") << int(VV::CaptureWindow) << 0;
}

// What the X server shows while an area is picked is the picture under black at 60 % opacity,
// pixel for pixel, in device pixels also on a screen of twice the density.
void tst_VFullScreenSelector::thePickersShowTheScreenDimmed()
{
    QFETCH(int, mode);
    QFETCH(int, regionType);
    VConfigCapture::instance()->setRegionType(regionType);
    QScreen* pScreen = QGuiApplication::primaryScreen();
    const QRect device = deviceGeometry(pScreen);
    const QImage screen = positionPicture(device.size()).toImage();
    QImage expected = screen.convertToFormat(QImage::Format_RGB32);
    {
        QPainter painter(&expected);
        painter.setOpacity(0.6);
        painter.fillRect(expected.rect(), Qt::black);
    }
    // Away from the help balloon (top right) and the pointer's cross (parked bottom right).
    const QRect checked(0, 0, device.width() / 2, device.height() / 2);
    QCursor::setPos(pScreen->geometry().bottomRight() - QPoint(40, 40));
    VFullScreenSelector overlay(nullptr);
    runOverlay(overlay, mode, screen, VWindowNode::fromWindows({}, device, {device}), [&] {
        QVERIFY(QTest::qWaitForWindowExposed(&overlay));
        QTRY_VERIFY(
            grabScreen(pScreen).picture.convertToFormat(QImage::Format_RGB32).copy(checked) ==
            expected.copy(checked));
    });
}

// A real window of the desktop with an elliptic shape, found in the live window tree and
// picked with one click: the picture is the ellipse, transparent in the corners.
void tst_VFullScreenSelector::shapedWindowIsPickedWithItsShape()
{
    QWidget window(nullptr, Qt::X11BypassWindowManagerHint | Qt::FramelessWindowHint);
    window.setWindowTitle(QStringLiteral("Shaped"));
    window.setStyleSheet(QStringLiteral("background: rgb(200, 30, 90);"));
    window.setGeometry(200, 150, 160, 100);
    window.setMask(QRegion(0, 0, 160, 100, QRegion::Ellipse));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(TalvikTest::screenPixel(QPoint(280, 200)), qRgb(200, 30, 90));

    const VScreenGrab grab = grabScreen(QGuiApplication::primaryScreen());
    VFullScreenSelector overlay(nullptr);
    runOverlay(overlay, VV::CaptureWindow, grab.picture, buildWindowTree(grab.deviceGeometry), [&] {
        TalvikTest::Mouse mouse(view(overlay), true);
        mouse.move(QPoint(280, 200));
        mouse.click(QPoint(280, 200));
        TALVIK_WAIT_FOR_OVERLAY_ROWS(&overlay, TalvikTest::OverlayRows::Main);
        const QImage image = overlay.renderedImage();
        QCOMPARE(image.size(), QSize(160, 100));
        QCOMPARE(image.pixel(80, 50), qRgb(200, 30, 90));
        QCOMPARE(qAlpha(image.pixel(2, 2)), 0);
        QCOMPARE(qAlpha(image.pixel(image.width() - 3, image.height() - 3)), 0);
    });
}

// xeyes shapes its window to the two eyes and draws them in an inner window: picked by a click
// on that content, the window still has the eyes' outline, with nothing between them.
void tst_VFullScreenSelector::shapedWindowPickedByItsContentKeepsItsShape()
{
    QProcess eyes;
    eyes.start(QStringLiteral("xeyes"), {"-shape", "-geometry", "200x200+500+300"});
    const auto stopEyes = qScopeGuard([&eyes] {
        eyes.kill();
        eyes.waitForFinished();
    });
    QVERIFY(eyes.waitForStarted());
    // A window manager may put it into a frame of its own.
    QRect content;
    QTRY_VERIFY_WITH_TIMEOUT(
        (content = TalvikTest::windowGeometry({"--onlyvisible", "--class", "XEyes"})).width() ==
            200,
        10000);
    const QPoint leftEye = content.topLeft() + QPoint(50, 100);
    const QRect screenRect = deviceGeometry(QGuiApplication::primaryScreen());
    const auto isShaped = [&] {
        const VWindowNode tree = buildWindowTree(screenRect);
        for (const auto& pTop : tree.children()) {
            if (pTop->rect().contains(leftEye))
                return !pTop->shapeMask().isNull();
        }
        return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(isShaped(), 10000);

    const VScreenGrab grab = grabScreen(QGuiApplication::primaryScreen());
    VFullScreenSelector overlay(nullptr);
    runOverlay(overlay, VV::CaptureWindow, grab.picture, buildWindowTree(grab.deviceGeometry), [&] {
        TalvikTest::Mouse mouse(view(overlay), true);
        mouse.move(leftEye);
        mouse.click(leftEye);
        QTRY_VERIFY(!overlay.renderedImage().isNull());
        const QImage image = overlay.renderedImage();
        // As wide as the eyes reach.
        QVERIFY(image.width() >= 190 && image.width() <= 200);
        QCOMPARE(qAlpha(image.pixel(50, 100)), 255);
        QCOMPARE(qAlpha(image.pixel(100, 100)), 0);
        QCOMPARE(qAlpha(image.pixel(100, 10)), 0);
    });
}

void tst_VFullScreenSelector::arrowHead()
{
    const auto [left, right] = VGraphicsItemArrow::headPoints(QLineF(0, 0, 100, 0));
    QVERIFY(qAbs(left.x() - 93.94) < 0.01 && qAbs(qAbs(left.y()) - 3.5) < 0.01);
    QVERIFY(qAbs(right.x() - 93.94) < 0.01 && qAbs(right.y() + left.y()) < 0.01);
}

void tst_VFullScreenSelector::anAreaIsTakenBackAndBroughtAgainWithTheKeys()
{
    const QRect screenRect = QGuiApplication::primaryScreen()->geometry();
    VFullScreenSelector overlay(nullptr);
    runOverlay(overlay, VV::CaptureRegion, positionPicture(screenRect.size()).toImage(),
               VWindowNode::fromWindows({}, screenRect, {screenRect}), [&] {
                   const auto items = [&] {
                       return overlay.canvas()->scene()->activeLayer()->items();
                   };
                   TalvikTest::Mouse mouse(view(overlay));
                   mouse.drag(QPoint(10, 20), QPoint(200, 150));
                   TALVIK_WAIT_FOR_OVERLAY_ROWS(&overlay, TalvikTest::OverlayRows::Main);
                   auto* pUndo = overlay.findChild<QToolButton*>(QStringLiteral("toolButtonUndo"));
                   QVERIFY(pUndo->isVisible() && pUndo->isEnabled());
                   QVERIFY(pUndo->toolTip().contains(QStringLiteral("Ctrl+Z")));
                   QTest::keyClick(&overlay, Qt::Key_Z, Qt::ControlModifier);
                   QVERIFY(items().isEmpty());
                   QTRY_VERIFY(!pUndo->isEnabled());
                   QTest::keyClick(&overlay, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
                   QCOMPARE(items().size(), 1);
                   QTest::keyClick(&overlay, Qt::Key_Z, Qt::ControlModifier);
                   QTest::keyClick(&overlay, Qt::Key_Y, Qt::ControlModifier);
                   QCOMPARE(items().size(), 1);
               });
}

// The whole road with the real pointer and keyboard, with and without a window manager: every
// dialog shows above the overlay and gives the keys back; the area moves with keys and by its
// body; a new arrow is as wide on a dense screen; the file is exactly the dragged pixels.
void tst_VFullScreenSelector::aCaptureOnARealDesktop()
{
    using TalvikTest::xdotool;
    QScreen* pScreen = QGuiApplication::primaryScreen();
    const double dpr = pScreen->devicePixelRatio();
    const QImage screen =
        positionPicture((QSizeF(pScreen->geometry().size()) * dpr).toSize()).toImage();
    VConfigCapture* pConfig = VConfigCapture::instance();
    pConfig->setNameMethod(0);
    pConfig->setLastFilePath(QString());
    // As a red arrow of an earlier capture leaves them.
    pConfig->setBorderLineColor(Qt::red);
    pConfig->setBorderLineWidth(3);

    VFullScreenSelector overlay(nullptr);
    const auto modal = [] { return QApplication::activeModalWidget(); };
    const auto layer = [&] { return overlay.canvas()->scene()->activeLayer(); };
    const int result = runOverlay(overlay, VV::CaptureRegion, screen, VWindowNode(), [&] {
        // The real pointer reaches it only once the screen shows it, also under a window manager.
        QTRY_VERIFY_WITH_TIMEOUT(TalvikTest::shownShare(&overlay) > 0.9, 10000);
        QVERIFY(TalvikTest::dragOnScreen(QPoint(100, 100), QPoint(300, 250)));
        TALVIK_WAIT_FOR_OVERLAY_ROWS(&overlay, TalvikTest::OverlayRows::Main);
        VGraphicsItem* pArea = layer()->items().value(0);
        QVERIFY(pArea);
        const QPointF picked = pArea->sceneBoundary().topLeft();

        const auto preview = TalvikTest::onNextDialog<QPrintPreviewDialog>(
            &overlay, [](QWidget* pDialog) { QTRY_VERIFY(TalvikTest::shownShare(pDialog) > 0.9); },
            QStringLiteral("Escape"));
        xdotool({"key", "ctrl+p"});
        QTRY_VERIFY(*preview && !modal() && overlay.isActiveWindow());

        // Each key press is one step back.
        xdotool({"key", "Right", "Right", "shift+Down"});
        QTRY_COMPARE(pArea->sceneBoundary().topLeft(), picked + QPointF(2, 10));
        xdotool({"key", "ctrl+z"});
        QTRY_COMPARE(pArea->sceneBoundary().topLeft(), picked + QPointF(2, 0));
        QVERIFY(TalvikTest::dragOnScreen(QPoint(130, 130), QPoint(190, 160)));
        QTRY_COMPARE(pArea->sceneBoundary().topLeft(), picked + QPointF(62, 30));

        overlay.findChild<QToolButton*>(QStringLiteral("toolButtonDraw"))->click();
        overlay.findChild<QToolButton*>(QStringLiteral("toolButtonDrawArrow"))->click();
        QVERIFY(TalvikTest::dragOnScreen(QPoint(600, 400), QPoint(750, 450)));
        QTRY_COMPARE(layer()->items().size(), 2);
        QCOMPARE(layer()->items().first()->strokeWidth(), unsigned(qRound(3 * dpr)));
        xdotool({"key", "ctrl+z"});
        QTRY_COMPARE(layer()->items().size(), 1);

        const auto save = TalvikTest::onNextDialog<QFileDialog>(
            &overlay,
            [&](QFileDialog* pDialog) {
                QTRY_VERIFY(TalvikTest::shownShare(pDialog) > 0.9);
                // Enter alone takes the automatic name in the automatic folder.
                QCOMPARE(QFileInfo(pDialog->selectedFiles().value(0)).dir(), QDir(m_dir.path()));
            },
            QStringLiteral("Return"));
        xdotool({"key", "ctrl+s"});
        QTRY_VERIFY(*save && !overlay.isVisible());
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(overlay.delivery().kind, VDelivery::Kind::Saved);
    const QImage saved = QImage(overlay.delivery().path).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(saved, screen.copy(100, 100, 200, 150).convertToFormat(QImage::Format_RGB32));
}

// A tray message after a save, whose click opens the folder; with no tray, a note on the
// monitor that does the same.
void tst_VFullScreenSelector::theUserIsToldWhereTheCaptureWent()
{
    UrlOpener opener;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &opener, "open");
    const auto unsetHandler =
        qScopeGuard([] { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); });
    const QString path = m_dir.filePath(QStringLiteral("shot.png"));
    const QUrl folder = QUrl::fromLocalFile(m_dir.path());

    QProcess trayer;
    trayer.start(QStringLiteral("trayer"), {"--edge", "bottom", "--align", "right"});
    QTRY_VERIFY_WITH_TIMEOUT(QSystemTrayIcon::isSystemTrayAvailable(), 10000);
    QSystemTrayIcon tray(QIcon(QStringLiteral(":/images/App16.png")));
    tray.show();
    VDeliveryNotice notice(&tray, nullptr);
    const auto balloon = [] {
        for (QWidget* pWidget : QApplication::topLevelWidgets())
            if (pWidget->isVisible() && pWidget->inherits("QBalloonTip"))
                return pWidget;
        return static_cast<QWidget*>(nullptr);
    };
    QTRY_VERIFY(tray.geometry().isValid());
    notice.announce({VDelivery::Kind::Saved, path}, QRect());
    QTRY_VERIFY(balloon());
    QTest::mouseClick(balloon(), Qt::LeftButton);
    QTRY_COMPARE(opener.opened, QList<QUrl>{folder});

    trayer.kill();
    trayer.waitForFinished();
    QTRY_VERIFY(!QSystemTrayIcon::isSystemTrayAvailable());
    notice.announce({VDelivery::Kind::Saved, path}, QGuiApplication::primaryScreen()->geometry());
    QTRY_VERIFY(notice.note() && notice.note()->isVisible());
    QVERIFY(qobject_cast<QLabel*>(notice.note())->text().contains(QDir::toNativeSeparators(path)));
    QTRY_VERIFY(TalvikTest::shownShare(notice.note()) > 0.9);
    QTest::mouseClick(notice.note(), Qt::LeftButton);
    QCOMPARE(opener.opened, (QList<QUrl>{folder, folder}));
}

void tst_VFullScreenSelector::readableNamedAndTranslated_data()
{
    TalvikTest::addPaletteRows();
}

void tst_VFullScreenSelector::readableNamedAndTranslated()
{
    QFETCH(bool, dark);
    const TalvikTest::Palette palette(dark);
    const QRect screenRect = QGuiApplication::primaryScreen()->geometry();
    VFullScreenSelector overlay(nullptr);
    runOverlay(overlay, VV::CaptureRegion, positionPicture(screenRect.size()).toImage(),
               VWindowNode::fromWindows({}, screenRect, {screenRect}), [&] {
                   TalvikTest::Mouse(view(overlay)).drag(QPoint(200, 150), QPoint(600, 450));
                   const QList<VWidget*> panels = overlay.findChildren<VWidget*>();
                   auto* pBalloon = overlay.findChild<VHelpBalloon*>();
                   QTRY_VERIFY(pBalloon && pBalloon->isVisible());
                   // Read once the panels have faded in.
                   QTRY_VERIFY(std::all_of(panels.begin(), panels.end(), [](const VWidget* pPanel) {
                       const auto* pEffect =
                           qobject_cast<QGraphicsOpacityEffect*>(pPanel->graphicsEffect());
                       return !pPanel->isVisible() || !pEffect || pEffect->opacity() > 0.85;
                   }));
                   TALVIK_VERIFY_NONE(TalvikTest::lowContrastTexts(&overlay));
                   const TalvikTest::MarkingTranslator marking;
                   // A tool's note comes in the new language.
                   overlay.findChild<QToolButton*>("toolButtonDrawEllipse")->click();
                   QTRY_VERIFY(pBalloon->isVisible());
                   TALVIK_VERIFY_NONE(TalvikTest::untranslatedTexts(&overlay));
                   TALVIK_VERIFY_NONE(TalvikTest::unnamedControls(&overlay));
               });
}

TALVIK_TEST_MAIN(tst_VFullScreenSelector)
#include "tst_VFullScreenSelector.moc"
