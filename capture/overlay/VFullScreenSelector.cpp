// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VFullScreenSelector.h"
#include "ui_VFullScreenSelector.h"

#include "VOverlayBackground.h"
#include "VOverlayOutput.h"
#include "VOverlayProperties.h"
#include "VOverlayToolbars.h"
#include "VOverlayWindow.h"

#include "config/VConfigCapture.h"
#include "grab/VScreenGrab.h"
#include "grab/VWindowNode.h"
#include "graphics/VGraphicsBackgroundColor.h"
#include "graphics/VGraphicsItem.h"
#include "graphics/VGraphicsLayer.h"
#include "graphics/VGraphicsScene.h"
#include "interaction/VCreatePromptPolygon.h"
#include "VCreatePromptRectangleWindow.h"
#include "VCreatePromptWindow.h"
#include "VVCapture.h"
#include "widgets/VCanvas.h"
#include "widgets/VGraphicsView.h"
#include "widgets/VUndoButtons.h"

#include <QShortcut>
#include <QTimer>

#include <utility>

VFullScreenSelector::VFullScreenSelector(QWidget* parent)
    // A window the window manager knows, full screen: only then can it stack the overlay's
    // own dialogs above it and give the keyboard back when they close.
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_pUi(std::make_unique<Ui::VFullScreenSelector>())
{
    m_pUi->setupUi(this);
    m_pToolbars = new VOverlayToolbars(this, *m_pUi);
    m_pWindow = new VOverlayWindow(this, m_pUi->canvas->view(), m_pUi->canvas->view()->viewport());
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
    connect(m_pUi->canvas, &VCanvas::selectionChanged, this,
            &VFullScreenSelector::onSelectionChanged);

    const auto shortcut = [this](const QKeySequence& keys, QToolButton* pButton) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [this, pButton] {
            m_pToolbars->whenIn([this, pButton] {
                if (isEditing())
                    pButton->click();
            });
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
    m_placement = m_pWindow->show(m_placement);
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
    m_pToolbars->layOut();

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
        m_pToolbars->retranslate();
        nameCanvas();
        disableWindowPicking();
    }
}

void VFullScreenSelector::nameCanvas()
{
    m_pToolbars->nameButtons();
    VGraphicsView* view = m_pUi->canvas->view();
    view->setAccessibleName(tr("Screen"));
    view->setAccessibleDescription(
        tr("The frozen screen: drag to pick an area, then draw on it with the tools."));
}

bool VFullScreenSelector::hasWork() const
{
    return !m_pUi->canvas->scene()->activeLayer()->items().isEmpty();
}

bool VFullScreenSelector::isEditing() const
{
    return m_pToolbars->isEditing();
}

// ---- picking ----

void VFullScreenSelector::addCapture()
{
    m_pProperties->setEditing(false);
    m_pToolbars->leave([this] {
        VGraphicsScene* scene = m_pUi->canvas->scene();
        // Earlier areas and annotations stay out of the way while the next one is picked.
        scene->activeLayer()->hide();
        scene->setBackground(new VOverlayBackground(m_screen));
        m_pUi->canvas->setCanvasSize(m_screen.size());
        startPicker();
    });
}

void VFullScreenSelector::startPicker()
{
    VCreatePrompt* pPicker = nullptr;
    if (m_captureMode == VV::CaptureRegion) {
        const int regionType = VConfigCapture::instance()->regionType();
        if (regionType == VV::RegionRectangle) {
            auto* pRectangle = new VCreatePromptRectangleWindow;
            pRectangle->setFillImage(m_screen);
            pPicker = pRectangle;
        } else if (regionType == VV::RegionPolygon) {
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
        const std::optional<VDelivery> delivery = VOverlayOutput::scrollingWindow(picked, clicked);
        if (delivery)
            finishWith(delivery);
        else
            done(QDialog::Rejected);
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
    m_pToolbars->comeBack([this] {
        m_pUi->canvas->scene()->setBackground(new VGraphicsBackgroundColor(Qt::white));
        // Clear of both rows, whichever shows later.
        m_pProperties->place(m_pToolbars->subRowTop());
        m_pProperties->setEditing(true);
        m_pUi->canvas->showBalloon(tr("Your Capture Is Ready"),
                                   tr("Draw on it with the tools below, then<br>Ctrl+S saves, "
                                      "Ctrl+C copies, Ctrl+P prints."),
                                   Qt::AlignRight | Qt::AlignTop);
    });
}

// ---- the main row ----

void VFullScreenSelector::on_toolButtonCapture_toggled(bool on)
{
    m_pToolbars->toggleRow(on, m_pUi->toolButtonDraw);
}

void VFullScreenSelector::on_toolButtonDraw_toggled(bool on)
{
    m_pToolbars->toggleRow(on, m_pUi->toolButtonCapture);
}

void VFullScreenSelector::showDrawOrCaptureTools()
{
    m_pToolbars->showCheckedRow();
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
    VOverlayOutput::print(this, m_pUi->canvas->scene());
}

void VFullScreenSelector::on_toolButtonSave_clicked()
{
    finishWith(VOverlayOutput::save(this, renderedImage(), m_saveTarget));
}

void VFullScreenSelector::on_toolButtonClipboard_clicked()
{
    finishWith(VOverlayOutput::copy(this, renderedImage()));
}

void VFullScreenSelector::finishWith(const std::optional<VDelivery>& delivery)
{
    if (!delivery)
        return;
    m_delivery = *delivery;
    done(QDialog::Accepted);
}

void VFullScreenSelector::on_toolButtonCancel_clicked()
{
    done(QDialog::Rejected);
}

// ---- capture and drawing buttons ----

void VFullScreenSelector::on_toolButtonCaptureRectangle_clicked()
{
    VConfigCapture::instance()->setRegionType(VV::RegionRectangle);
    m_captureMode = VV::CaptureRegion;
    addCapture();
}

void VFullScreenSelector::on_toolButtonCapturePolygon_clicked()
{
    VConfigCapture::instance()->setRegionType(VV::RegionPolygon);
    m_captureMode = VV::CaptureRegion;
    addCapture();
}

void VFullScreenSelector::on_toolButtonCaptureWindow_clicked()
{
    m_captureMode = VV::CaptureWindow;
    addCapture();
}

void VFullScreenSelector::on_toolButtonDrawLine_clicked()
{
    m_pToolbars->startTool(QStringLiteral("Line"));
}

void VFullScreenSelector::on_toolButtonDrawArrow_clicked()
{
    m_pToolbars->startTool(QStringLiteral("Arrow"));
}

void VFullScreenSelector::on_toolButtonDrawPolyline_clicked()
{
    m_pToolbars->startTool(QStringLiteral("Polyline"));
}

void VFullScreenSelector::on_toolButtonDrawRectangle_clicked()
{
    m_pToolbars->startTool(QStringLiteral("Rectangle"));
}

void VFullScreenSelector::on_toolButtonDrawPolygon_clicked()
{
    m_pToolbars->startTool(QStringLiteral("Polygon"));
}

void VFullScreenSelector::on_toolButtonDrawText_clicked()
{
    m_pToolbars->startTool(QStringLiteral("Text"));
}
