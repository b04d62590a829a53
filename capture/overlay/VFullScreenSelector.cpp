// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VFullScreenSelector.h"
#include "ui_VFullScreenSelector.h"

#include "VOverlayBackground.h"
#include "VOverlayProperties.h"

#include "app/VScrollingCapture.h"
#include "config/VConfigCapture.h"
#include "dialogs/VDialogPromptTarget.h"
#include "grab/VScreenGrab.h"
#include "grab/VWindowNode.h"
#include "graphics/VGraphicsBackgroundColor.h"
#include "graphics/VGraphicsItem.h"
#include "graphics/VGraphicsLayer.h"
#include "graphics/VGraphicsScene.h"
#include "interaction/VCreatePromptEllipse.h"
#include "interaction/VCreatePromptHighlighter.h"
#include "interaction/VCreatePromptLine.h"
#include "interaction/VCreatePromptObfuscate.h"
#include "interaction/VCreatePromptPen.h"
#include "interaction/VCreatePromptPolygon.h"
#include "interaction/VCreatePromptPolyline.h"
#include "interaction/VCreatePromptRectangle.h"
#include "interaction/VCreatePromptStepMarker.h"
#include "interaction/VCreatePromptText.h"
#include "output/VOutput.h"
#include "platform/VPlatformBackend.h"
#include "platform/VPlatformFactory.h"
#include "VCreatePromptArrow.h"
#include "VCreatePromptRectangleWindow.h"
#include "VCreatePromptWindow.h"
#include "VVCapture.h"
#include "widgets/VCanvas.h"
#include "widgets/VGraphicsView.h"
#include "widgets/VUndoButtons.h"

#include <QApplication>
#include <QMessageBox>
#include <QPrinter>
#include <QPrintPreviewDialog>
#include <QPropertyAnimation>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

#include <utility>

namespace {
constexpr int kSlideMs = 300;
} // namespace

VFullScreenSelector::VFullScreenSelector(QWidget* parent)
    // A window the window manager knows, full screen: only then can it stack the overlay's
    // own dialogs above it and give the keyboard back when they close.
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_pUi(std::make_unique<Ui::VFullScreenSelector>())
{
    m_pUi->setupUi(this);
    qApp->installEventFilter(this);
    m_pUi->canvas->view()->viewport()->installEventFilter(this);
    m_pUi->canvas->setRulerVisible(false);
    VGraphicsView* view = m_pUi->canvas->view();
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    nameCanvas();
    // No background cache: it would be one more picture of the whole screen. The dimmed
    // screen is painted where it shows, from the one picture; the document where it changes.
    view->setCacheMode(QGraphicsView::CacheNone);
    // The scene covers the whole viewport: nothing to clear under it first.
    view->viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    m_pUi->widgetSubTool->setStyleSheet(QStringLiteral(
        "QWidget#widgetSubTool { background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, "
        "y2:0, stop:0 rgba(25, 33, 44, 220), stop:0.5 rgba(42, 54, 66, 220), stop:1 rgba(25, 33, "
        "44, 220));}"));
    m_pUi->widgetMainTool->setStyleSheet(QStringLiteral(
        "QWidget#widgetMainTool { background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, "
        "y2:0, stop:0 rgba(182, 195, 203, 255), stop:1 rgba(222, 230, 233, 255));}"));
    const QString frameStyle = QStringLiteral("background-color: rgb(185, 196, 202);");
    m_pUi->frameTop->setStyleSheet(frameStyle);
    m_pUi->frameMiddle->setStyleSheet(frameStyle);
    // The dark row's captions would vanish in the default text colour.
    for (QToolButton* pButton : m_pUi->widgetSubTool->findChildren<QToolButton*>())
        pButton->setStyleSheet(QStringLiteral("QToolButton { color: rgb(235, 240, 244); }"));
    connect(m_pUi->canvas, &VCanvas::selectionChanged, this,
            &VFullScreenSelector::onSelectionChanged);

    const auto shortcut = [this](const QKeySequence& keys, QToolButton* pButton) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [this, pButton] {
            if (isEditing()) {
                pButton->click();
            } else if (m_bSliding && m_pUi->widgetMainTool->isVisible()) {
                // A key pressed while a row slides is not lost: it acts once the row is in.
                QTimer::singleShot(kSlideMs, pButton, [this, pButton] {
                    if (isEditing())
                        pButton->click();
                });
            }
        });
    };
    shortcut(QKeySequence::Save, m_pUi->toolButtonSave);
    shortcut(QKeySequence::Copy, m_pUi->toolButtonClipboard);
    shortcut(QKeySequence::Print, m_pUi->toolButtonPrint);
    m_pProperties = new VOverlayProperties(this, m_pUi->canvas, m_pUi->toolButtonDelete);
    new VUndoButtons(m_pUi->canvas->scene()->history(), m_pUi->toolButtonUndo,
                     m_pUi->toolButtonRedo, this);
    disableWindowPicking();
}

void VFullScreenSelector::disableWindowPicking()
{
    const QString why = windowTreeUnavailableText();
    if (why.isEmpty())
        return;
    m_pUi->toolButtonCaptureWindow->setEnabled(false);
    m_pUi->toolButtonCaptureWindow->setToolTip(why);
}

VFullScreenSelector::~VFullScreenSelector() = default;

VCanvas* VFullScreenSelector::canvas() const
{
    return m_pUi->canvas;
}

int VFullScreenSelector::runCapture(int mode, QImage screen, const VWindowNode& windowTree)
{
    if (mode == VV::CaptureFullScreen || screen.isNull())
        return QDialog::Rejected;
    showScreen(std::move(screen));
    m_windowTree = windowTree;
    m_captureMode = mode;
    addCapture();
    return exec();
}

void VFullScreenSelector::showScreen(QImage screen)
{
    if (m_placement.isEmpty())
        m_placement = QGuiApplication::primaryScreen()->geometry();
    // Without a window manager nobody else would place a full-screen window.
    setGeometry(m_placement);
    QScreen* pMonitor = screenAt(m_placement.center());
    if (VPlatform::backend().placesOwnWindows() && pMonitor &&
        pMonitor->geometry() != m_placement) {
        // Full screen is one monitor to a window manager; several are asked for as a window
        // above the others.
        // A change of flags may forget the geometry.
        setWindowFlag(Qt::WindowStaysOnTopHint);
        setGeometry(m_placement);
        show();
    } else {
        // Where the compositor places windows, only a monitor and full screen can be asked for.
        if (!VPlatform::backend().placesOwnWindows())
            setScreen(pMonitor);
        showFullScreen();
    }
    takeKeyboard();
    // The picture counts device pixels: new strokes and texts are as wide as at 1x.
    m_pUi->canvas->setDefaultItemScale(devicePixelRatioF());

    // One picture pixel per device pixel: the scene counts in the picture's pixels. Set on the
    // image while it is the only holder of its pixels, and moved on: a raster pixmap then
    // takes the very same pixels.
    screen.setDevicePixelRatio(1);
    m_screen = QPixmap::fromImage(std::move(screen));
    m_pUi->canvas->setGeometry(rect());
    m_pUi->canvas->setCanvasSize(m_screen.size());
    m_pUi->canvas->view()->setExactScale(double(width()) / m_screen.width());
    for (QWidget* pBar : {m_pUi->widgetSubTool, m_pUi->widgetMainTool}) {
        pBar->setFixedWidth(width());
        pBar->move(0, height());
        pBar->hide();
    }

    VGraphicsScene* scene = m_pUi->canvas->scene();
    connect(scene, &VGraphicsScene::persistentItemChanged, this,
            &VFullScreenSelector::onItemChanged);
    connect(scene, &VGraphicsScene::persistentItemAdded, this, &VFullScreenSelector::onItemChanged);
}

QImage VFullScreenSelector::renderedImage() const
{
    QImage image;
    m_pUi->canvas->scene()->renderContentTo(image);
    return image;
}

QRect VFullScreenSelector::renderedArea() const
{
    return m_pUi->canvas->scene()->contentBoundary().toAlignedRect();
}

void VFullScreenSelector::reject()
{
    if (!hasWork())
        QDialog::reject();
}

void VFullScreenSelector::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        m_pUi->retranslateUi(this);
        nameCanvas();
        disableWindowPicking();
    }
}

void VFullScreenSelector::nameCanvas()
{
    // The toolbars' icon-only buttons are announced by what their tool tips say; buttons that
    // others named keep their names.
    static const char* const kNamedHere = "talvikNamedByToolTip";
    QList<QToolButton*> buttons = m_pUi->widgetMainTool->findChildren<QToolButton*>();
    buttons += m_pUi->widgetSubTool->findChildren<QToolButton*>();
    for (QToolButton* pButton : std::as_const(buttons)) {
        if (pButton->toolButtonStyle() != Qt::ToolButtonIconOnly || pButton->icon().isNull() ||
            (!pButton->accessibleName().isEmpty() && !pButton->property(kNamedHere).toBool()))
            continue;
        pButton->setAccessibleName(pButton->toolTip());
        pButton->setProperty(kNamedHere, true);
    }
    VGraphicsView* view = m_pUi->canvas->view();
    view->setAccessibleName(tr("Screen"));
    view->setAccessibleDescription(
        tr("The frozen screen: drag to pick an area, then draw on it with the tools."));
}

bool VFullScreenSelector::eventFilter(QObject* pWatched, QEvent* event)
{
    if (event->type() == QEvent::Hide && pWatched != this && isVisible()) {
        // One of its dialogs closed: the keyboard would stay with the desktop.
        const auto* pWidget = qobject_cast<QWidget*>(pWatched);
        if (pWidget && pWidget->isWindow() && pWidget->windowType() == Qt::Dialog)
            QTimer::singleShot(0, this, &VFullScreenSelector::takeKeyboard);
    } else if (event->type() == QEvent::MouseButtonPress &&
               pWatched == m_pUi->canvas->view()->viewport() && !isActiveWindow()) {
        takeKeyboard();
    }
    return QDialog::eventFilter(pWatched, event);
}

void VFullScreenSelector::takeKeyboard()
{
    // Not while a window of its own is still up.
    if (const QWidget* pModal = QApplication::activeModalWidget();
        !isVisible() || (pModal && pModal != this))
        return;
    raise();
    activateWindow();
    m_pUi->canvas->view()->setFocus(Qt::ActiveWindowFocusReason);
}

bool VFullScreenSelector::hasWork() const
{
    return !m_pUi->canvas->scene()->activeLayer()->items().isEmpty();
}

bool VFullScreenSelector::isEditing() const
{
    return m_pUi->widgetMainTool->isVisible() && !m_bSliding;
}

// ---- picking ----

void VFullScreenSelector::addCapture()
{
    m_pProperties->setEditing(false);
    if (m_pUi->widgetMainTool->isVisible()) {
        m_bSubToolShown = false;
        slide(m_pUi->widgetMainTool, QPoint(0, height()), false, &VFullScreenSelector::addCapture);
        return;
    }
    if (m_pUi->widgetSubTool->isVisible()) {
        m_bSubToolShown = true;
        slide(m_pUi->widgetSubTool, QPoint(0, height()), false, &VFullScreenSelector::addCapture);
        return;
    }
    VGraphicsScene* scene = m_pUi->canvas->scene();
    // Earlier areas and annotations stay out of the way while the next one is picked.
    scene->activeLayer()->hide();
    scene->setBackground(new VOverlayBackground(m_screen));
    m_pUi->canvas->setCanvasSize(m_screen.size());
    startPicker();
}

void VFullScreenSelector::startPicker()
{
    VCreatePrompt* pPicker = nullptr;
    if (m_captureMode == VV::CaptureRegion) {
        const int regionType = VConfigCapture::instance()->regionType();
        if (regionType == 0) {
            auto* pRectangle = new VCreatePromptRectangleWindow;
            pRectangle->setFillImage(m_screen);
            pPicker = pRectangle;
        } else if (regionType == 1) {
            auto* pPolygon = new VCreatePromptPolygon;
            pPolygon->setBackgroundImage(m_screen);
            pPicker = pPolygon;
        }
    } else {
        auto* pWindow = new VCreatePromptWindow;
        pWindow->setScreen(m_screen);
        pWindow->setWindowTree(m_windowTree);
        pPicker = pWindow;
    }
    if (!pPicker)
        return;
    connect(pPicker, &VCreatePrompt::finished, this, &VFullScreenSelector::onPostEditing,
            Qt::DirectConnection);
    connect(pPicker, &VCreatePrompt::cancelled, this, &VFullScreenSelector::onPromptCancelled,
            Qt::DirectConnection);
    pPicker->start(m_pUi->canvas);
}

void VFullScreenSelector::onPostEditing(VCreatePrompt* pPrompt)
{
    if (!pPrompt->hasSample())
        return;
    if (m_captureMode == VV::CaptureRegion || m_captureMode == VV::CaptureWindow) {
        restoreTools();
        return;
    }
    if (m_captureMode != VV::CaptureScrolling)
        return;
    // The picked window goes to the scrolling capture, not onto the canvas. It runs once the
    // picker has finished: its event loops must not delete the picker under its own feet.
    // Hiding ends this dialog's modal loop, so it comes just before the capture, which then
    // runs inside that loop's last turn.
    const QPoint origin = m_windowTree.rect().topLeft();
    const QRect picked = pPrompt->sample()->sceneBoundary().toRect().translated(origin);
    const auto* pWindowPrompt = qobject_cast<VCreatePromptWindow*>(pPrompt);
    const QPoint clicked = pWindowPrompt ? pWindowPrompt->pickedPoint() + origin : picked.center();
    QTimer::singleShot(0, this, [this, picked, clicked] {
        hide();
        QImage image = scrollingCapture(picked, clicked);
        if (image.isNull()) {
            done(QDialog::Rejected);
            return;
        }
        VDialogPromptTarget chooser(nullptr, &image);
        chooser.show();
        chooser.activateWindow();
        chooser.exec();
        m_delivery = chooser.delivery();
        done(QDialog::Accepted);
    });
}

void VFullScreenSelector::onItemChanged(const VGraphicsItem*) {}

void VFullScreenSelector::onPromptCancelled()
{
    if (hasWork())
        restoreTools();
    else
        done(QDialog::Rejected);
}

void VFullScreenSelector::restoreTools()
{
    VGraphicsLayer* layer = m_pUi->canvas->scene()->activeLayer();
    if (!layer->isVisible())
        layer->show();
    const int mainHeight = m_pUi->widgetMainTool->height();
    if (m_pUi->widgetSubTool->isHidden() && m_bSubToolShown) {
        slide(m_pUi->widgetSubTool,
              QPoint(0, height() - mainHeight - m_pUi->widgetSubTool->height()), true,
              &VFullScreenSelector::restoreTools);
        return;
    }
    if (m_pUi->widgetMainTool->isHidden()) {
        slide(m_pUi->widgetMainTool, QPoint(0, height() - mainHeight), true,
              &VFullScreenSelector::restoreTools);
        return;
    }
    m_pUi->canvas->scene()->setBackground(new VGraphicsBackgroundColor(Qt::white));
    // Clear of both rows, whichever shows later.
    m_pProperties->place(height() - mainHeight - m_pUi->widgetSubTool->height());
    m_pProperties->setEditing(true);
    m_pUi->canvas->showBalloon(
        tr("Your Capture Is Ready"),
        tr("Draw on it with the tools below, then<br>Ctrl+S saves, Ctrl+C copies, Ctrl+P prints."),
        Qt::AlignRight | Qt::AlignTop);
}

void VFullScreenSelector::slide(QWidget* pWidget, const QPoint& to, bool in,
                                void (VFullScreenSelector::*then)())
{
    auto* pAnimation = new QPropertyAnimation(pWidget, "pos", this);
    pAnimation->setDuration(kSlideMs);
    pAnimation->setStartValue(pWidget->pos());
    pAnimation->setEndValue(to);
    pAnimation->setEasingCurve(in ? QEasingCurve::OutQuad : QEasingCurve::InQuad);
    if (in)
        pWidget->show();
    m_bSliding = true;
    connect(pAnimation, &QPropertyAnimation::finished, this, [this, pWidget, in, then] {
        m_bSliding = false;
        if (!in)
            pWidget->hide();
        if (then)
            (this->*then)();
    });
    pAnimation->start(QAbstractAnimation::DeleteWhenStopped);
}

// ---- the main row ----

void VFullScreenSelector::on_toolButtonCapture_toggled(bool on)
{
    toggleToolRow(on, m_pUi->toolButtonDraw->isChecked(), m_pUi->toolButtonDraw);
}

void VFullScreenSelector::on_toolButtonDraw_toggled(bool on)
{
    toggleToolRow(on, m_pUi->toolButtonCapture->isChecked(), m_pUi->toolButtonCapture);
}

void VFullScreenSelector::toggleToolRow(bool on, bool otherChecked, QWidget* pOther)
{
    if (on) {
        // The two rows share one place: the other one leaves first.
        if (otherChecked)
            static_cast<QToolButton*>(pOther)->setChecked(false);
        else
            showDrawOrCaptureTools();
        return;
    }
    if (m_pUi->widgetSubTool->isVisible())
        slide(m_pUi->widgetSubTool, QPoint(0, height() - m_pUi->widgetMainTool->height()), false,
              &VFullScreenSelector::showDrawOrCaptureTools);
}

void VFullScreenSelector::showDrawOrCaptureTools()
{
    const bool draw = m_pUi->toolButtonDraw->isChecked();
    const bool capture = m_pUi->toolButtonCapture->isChecked();
    if (!draw && !capture)
        return;
    for (QToolButton* pButton :
         {m_pUi->toolButtonDrawLine, m_pUi->toolButtonDrawArrow, m_pUi->toolButtonDrawPolyline,
          m_pUi->toolButtonDrawRectangle, m_pUi->toolButtonDrawPolygon, m_pUi->toolButtonDrawText,
          m_pUi->toolButtonDrawEllipse, m_pUi->toolButtonDrawPen, m_pUi->toolButtonDrawHighlighter,
          m_pUi->toolButtonDrawObfuscate, m_pUi->toolButtonDrawStepMarker})
        pButton->setVisible(draw);
    for (QToolButton* pButton : {m_pUi->toolButtonCaptureRectangle, m_pUi->toolButtonCapturePolygon,
                                 m_pUi->toolButtonCaptureWindow})
        pButton->setVisible(!draw);
    slide(m_pUi->widgetSubTool,
          QPoint(0, height() - m_pUi->widgetMainTool->height() - m_pUi->widgetSubTool->height()),
          true, nullptr);
}

void VFullScreenSelector::on_toolButtonDelete_clicked()
{
    VGraphicsScene* scene = m_pUi->canvas->scene();
    const QList<VGraphicsItem*> selected = scene->activeLayer()->selectedItems();
    for (VGraphicsItem* pItem : selected)
        scene->removePersistenItem(pItem);
}

void VFullScreenSelector::onSelectionChanged(QList<VGraphicsItem*>)
{
    m_pUi->toolButtonDelete->setEnabled(
        !m_pUi->canvas->scene()->activeLayer()->selectedItems().isEmpty());
}

void VFullScreenSelector::on_toolButtonPrint_clicked()
{
    QPrintPreviewDialog preview(this, Qt::WindowMaximizeButtonHint | Qt::WindowSystemMenuHint);
    VGraphicsScene* scene = m_pUi->canvas->scene();
    connect(&preview, &QPrintPreviewDialog::paintRequested, scene, [scene](QPrinter* pPrinter) {
        scene->printTo(pPrinter, pPrinter->pageRect(QPrinter::DevicePixel).size());
    });
    preview.exec();
}

void VFullScreenSelector::on_toolButtonSave_clicked()
{
    QString error;
    QString path;
    if (m_saveTarget ? m_saveTarget(renderedImage(), &error)
                     : ::outputImage(renderedImage(), VV::OutputFile, false, &error, &path)) {
        m_delivery = {VDelivery::Kind::Saved, path};
        done(QDialog::Accepted);
        return;
    }
    // The work stays: another name, another target, or the clipboard can still take it.
    if (!error.isEmpty())
        QMessageBox::warning(this, tr("Error"), tr("Failed to save the file: %1").arg(error));
}

void VFullScreenSelector::on_toolButtonClipboard_clicked()
{
    if (::outputImage(renderedImage(), VV::OutputClipboard, false)) {
        m_delivery = {VDelivery::Kind::Copied, QString()};
        done(QDialog::Accepted);
        return;
    }
    QMessageBox::critical(this, tr("Error"),
                          tr("Failed to Copy to Clipboard, please save to file!"), QMessageBox::Ok);
}

void VFullScreenSelector::on_toolButtonCancel_clicked()
{
    done(QDialog::Rejected);
}

// ---- capture and drawing buttons ----

void VFullScreenSelector::on_toolButtonCaptureRectangle_clicked()
{
    VConfigCapture::instance()->setRegionType(0);
    m_captureMode = VV::CaptureRegion;
    addCapture();
}

void VFullScreenSelector::on_toolButtonCapturePolygon_clicked()
{
    VConfigCapture::instance()->setRegionType(1);
    m_captureMode = VV::CaptureRegion;
    addCapture();
}

void VFullScreenSelector::on_toolButtonCaptureWindow_clicked()
{
    m_captureMode = VV::CaptureWindow;
    addCapture();
}

void VFullScreenSelector::startDrawing(VCreatePrompt* pPrompt)
{
    pPrompt->start(m_pUi->canvas);
}

void VFullScreenSelector::on_toolButtonDrawLine_clicked()
{
    startDrawing(new VCreatePromptLine);
}

void VFullScreenSelector::on_toolButtonDrawArrow_clicked()
{
    startDrawing(new VCreatePromptArrow);
}

void VFullScreenSelector::on_toolButtonDrawPolyline_clicked()
{
    startDrawing(new VCreatePromptPolyline);
}

void VFullScreenSelector::on_toolButtonDrawRectangle_clicked()
{
    startDrawing(new VCreatePromptRectangle);
}

void VFullScreenSelector::on_toolButtonDrawPolygon_clicked()
{
    startDrawing(new VCreatePromptPolygon);
}

void VFullScreenSelector::on_toolButtonDrawText_clicked()
{
    startDrawing(new VCreatePromptText);
}

void VFullScreenSelector::on_toolButtonDrawEllipse_clicked()
{
    startDrawing(new VCreatePromptEllipse);
}

void VFullScreenSelector::on_toolButtonDrawPen_clicked()
{
    startDrawing(new VCreatePromptPen);
}

void VFullScreenSelector::on_toolButtonDrawHighlighter_clicked()
{
    startDrawing(new VCreatePromptHighlighter);
}

void VFullScreenSelector::on_toolButtonDrawObfuscate_clicked()
{
    startDrawing(new VCreatePromptObfuscate);
}

void VFullScreenSelector::on_toolButtonDrawStepMarker_clicked()
{
    auto* pPrompt = new VCreatePromptStepMarker;
    startDrawing(pPrompt);
    // Steps come in series: the tool stays for the next number until Esc or a right click.
    // Connected after the start, so the scene has let go of this prompt when the next begins.
    connect(pPrompt, &VCreatePrompt::finished, this,
            &VFullScreenSelector::on_toolButtonDrawStepMarker_clicked, Qt::QueuedConnection);
}

QImage VFullScreenSelector::scrollingCapture(const QRect& deviceRect, const QPoint& devicePoint)
{
    VScrollingCapture scrolling;
    scrolling.setStepPause(VConfigCapture::instance()->scrollingInterval());
    scrolling.setWheelPoint(devicePoint);
    scrolling.setKeepChangedContent([] {
        QMessageBox box(QMessageBox::Warning, tr("TalvikCapture - Scrolling Window"),
                        tr("The content changed during scrolling!\n\n Still save the captured "
                           "part?"),
                        QMessageBox::Yes | QMessageBox::No);
        box.setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
        return box.exec() == QMessageBox::Yes;
    });
    const QImage image = scrolling.capture(deviceRect);
    const VScrollingCapture::End end = scrolling.end();
    // The changed-content question has already said its piece.
    if (end != VScrollingCapture::End::Finished && end != VScrollingCapture::End::ContentChanged &&
        end != VScrollingCapture::End::GaveUp)
        QMessageBox::information(nullptr, tr("Scrolling Window"), VScrollingCapture::endText(end));
    return image;
}
