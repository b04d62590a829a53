// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VGraphicsScene.h"

#include "foundation/VRestorePainter.h"
#include "foundation/VUtility.h"
#include "interaction/VCreatePrompt.h"
#include "interaction/VRestorePenBrush.h"
#include "VGraphicsBackgroundColor.h"
#include "VGraphicsItem.h"
#include "VGraphicsLayer.h"
#include "VPixelGrid.h"
#include "widgets/VGraphicsView.h"

#include <QGraphicsSceneMouseEvent>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>
#include <QRadialGradient>

#include <cmath>

namespace {
// Half a device pixel: a one-pixel line on whole coordinates then covers whole pixels.
constexpr double kStrokeShift = 0.5;
} // namespace

VGraphicsScene::VGraphicsScene()
    : m_cursor(this)
    , m_gripManager(this)
    , m_eventFilters(this)
    , m_pBackground(std::make_unique<VGraphicsBackgroundColor>(Qt::white))
    , m_snapSystem(this)
    , m_history(this)
    , m_mover(this)
{
    installEventFilter(&m_eventFilters);
    // Installed last, so asked first: every filter sees snapped positions.
    installEventFilter(&m_snapSystem);
    // Only a few dynamic items ever live here.
    setItemIndexMethod(QGraphicsScene::NoIndex);
}

VGraphicsScene::~VGraphicsScene()
{
    // What the teardown does to the items is no edit.
    m_history.close();
    m_eventFilters.clearFilters();
    QObject::removeEventFilter(&m_eventFilters);
    // Grips apply an unfinished drag to their items as they go, so they go before the items.
    m_gripManager.clear();
    QObject::removeEventFilter(&m_snapSystem);
    qDeleteAll(m_layers);
    m_layers.clear();
}

VGraphicsLayer* VGraphicsScene::activeLayer() const
{
    if (m_layers.isEmpty())
        createLayer();
    return m_layers.first();
}

void VGraphicsScene::createLayer() const
{
    auto* self = const_cast<VGraphicsScene*>(this);
    auto* layer = new VGraphicsLayer(self);
    m_layers.append(layer);
    layer->setSceneRect(sceneRect());
    connect(self, &QGraphicsScene::sceneRectChanged, layer, &VGraphicsLayer::onSceneRectChanged);
}

void VGraphicsScene::addPersistenItem(VGraphicsItem* item, bool select)
{
    VGraphicsLayer* layer = activeLayer();
    // A new item is selected alone, as a click would select it.
    if (select) {
        const QList<VGraphicsItem*> earlier = layer->selectedItems();
        for (VGraphicsItem* other : earlier)
            other->setSelected(false);
    }
    layer->addItem(item);
    item->setSelected(select);
    invalidate(item->sceneBoundingRect(), QGraphicsScene::BackgroundLayer);
    emit persistentItemAdded(item);
    m_snapSystem.add(item);
    m_history.itemAdded(item);
}

void VGraphicsScene::removePersistenItem(VGraphicsItem* item)
{
    if (!item || !item->layer())
        return;
    // The undo history keeps it while a step can still bring it back.
    const bool kept = m_history.itemRemoving(item);
    takePersistenItem(item);
    if (!kept)
        item->deleteLater();
}

bool VGraphicsScene::takePersistenItem(VGraphicsItem* item)
{
    VGraphicsLayer* layer = item->layer();
    if (!layer)
        return false;
    m_snapSystem.remove(item);
    invalidate(item->sceneBoundingRect(), QGraphicsScene::BackgroundLayer);
    emit persistentItemRemoving(item);
    layer->removeItem(item);
    return true;
}

void VGraphicsScene::addActiveItem(VGraphicsItem* item)
{
    QGraphicsScene::addItem(item);
}

void VGraphicsScene::removeActiveItem(VGraphicsItem* item)
{
    QGraphicsScene::removeItem(item);
}

void VGraphicsScene::setBackground(VGraphicsBackground* background)
{
    m_pBackground.reset(background);
    invalidate(QRectF(0, 0, width(), height()), QGraphicsScene::BackgroundLayer);
}

void VGraphicsScene::setSize(int w, int h)
{
    setSceneRect(0, 0, w, h);
    for (VGraphicsLayer* layer : std::as_const(m_layers))
        layer->setSceneRect(0, 0, w, h);
}

VGraphicsView* VGraphicsScene::view() const
{
    const QList<QGraphicsView*> all = views();
    return all.isEmpty() ? nullptr : qobject_cast<VGraphicsView*>(all.first());
}

double VGraphicsScene::scale() const
{
    const VGraphicsView* v = view();
    return v ? v->scale() : 1.0;
}

QRectF VGraphicsScene::visibleRect() const
{
    const VGraphicsView* v = view();
    if (!v)
        return QRectF();
    return v->mapToScene(v->viewport()->rect()).boundingRect().adjusted(0, 0, -1, -1);
}

bool VGraphicsScene::isFilterAllowed(QEvent* event) const
{
    const int type = event->type();
    const bool input =
        type == QEvent::KeyPress || type == QEvent::KeyRelease ||
        (type >= QEvent::GraphicsSceneMouseMove && type <= QEvent::GraphicsSceneWheel);
    return input && view();
}

void VGraphicsScene::onPersistentItemChanged(VGraphicsItem* pItem)
{
    if (!pItem->isPersistent())
        return;
    m_gripManager.updateGrips(pItem);
    emit persistentItemChanged(pItem);
    m_snapSystem.remove(pItem);
    m_snapSystem.add(pItem);
    // A scene shown by no view has no pointer to follow the new geometry.
    if (VGraphicsView* v = view())
        v->replayMouseMoveEvent();
}

void VGraphicsScene::onPersistentSelectionChanged(const VGraphicsLayer* layer)
{
    m_gripManager.createGrips(layer, layer->selectedItems());
    emit persistentSelectionChanged(layer);
    if (VGraphicsView* v = view())
        v->replayMouseMoveEvent();
}

void VGraphicsScene::onLayerChanged(const QList<QRectF>& region)
{
    for (const QRectF& rect : region)
        invalidate(rect, QGraphicsScene::BackgroundLayer);
}

bool VGraphicsScene::event(QEvent* e)
{
    const bool result = QGraphicsScene::event(e);
    // Presses reached the layers in mousePressEvent already.
    if (e->isAccepted() || e->type() == QEvent::GraphicsSceneMousePress)
        return result;
    for (VGraphicsLayer* layer : std::as_const(m_layers)) {
        layer->event(e);
        if (e->isAccepted())
            break;
    }
    return result;
}

void VGraphicsScene::mousePressEvent(QGraphicsSceneMouseEvent* e)
{
    if (m_cursor.isBinded()) {
        // The press happens where the cursor shows, not where the pointer is.
        const QPointF d = m_cursor.pos() - e->scenePos();
        e->setScenePos(m_cursor.pos());
        e->setScreenPos((QPointF(e->screenPos()) + d).toPoint());
    }
    QGraphicsScene::mousePressEvent(e);
    for (VGraphicsLayer* layer : std::as_const(m_layers)) {
        if (e->isAccepted())
            break;
        layer->mousePressEvent(e);
        // No grip and no tool took the press: a selected item is dragged by its body.
        if (e->isAccepted())
            m_mover.pressed(layer, e);
    }
}

void VGraphicsScene::mouseMoveEvent(QGraphicsSceneMouseEvent* e)
{
    if (m_mover.moved(e)) {
        e->accept();
        return;
    }
    QGraphicsScene::mouseMoveEvent(e);
}

void VGraphicsScene::mouseReleaseEvent(QGraphicsSceneMouseEvent* e)
{
    // The layer that took the press still needs its release.
    m_mover.released();
    QGraphicsScene::mouseReleaseEvent(e);
}

void VGraphicsScene::keyPressEvent(QKeyEvent* e)
{
    QGraphicsScene::keyPressEvent(e);
    if (!e->isAccepted() && m_mover.nudge(e))
        e->accept();
}

void VGraphicsScene::drawSurround(QPainter* painter, const QRectF& e) const
{
    VRestorePenBrush restore(*painter);
    const QRectF s = sceneRect();
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor(205, 209, 214));
    QPainterPath outside;
    outside.addRect(e);
    QPainterPath document;
    document.addRect(s);
    painter->drawPath(outside.subtracted(document));

    // A shadow of 10 device pixels at any zoom.
    const QTransform& world = painter->worldTransform();
    const double w = 10 / world.m11();
    const double h = 10 / world.m22();
    const QColor c0(167, 174, 182, 255);
    const QColor c1(167, 174, 182, 0);

    auto strip = [&](const QRectF& r, const QPointF& from, const QPointF& to) {
        if (!r.intersects(e))
            return;
        QLinearGradient gradient(from, to);
        gradient.setColorAt(0, c0);
        gradient.setColorAt(1, c1);
        painter->setBrush(gradient);
        painter->drawRect(r);
    };
    const QRectF top(s.left(), s.top() - h, s.width(), h);
    const QRectF bottom(s.left(), s.bottom(), s.width(), h);
    const QRectF left(s.left() - w, s.top(), w, s.height());
    const QRectF right(s.right(), s.top(), w, s.height());
    strip(top, top.bottomLeft(), top.topLeft());
    strip(bottom, bottom.topLeft(), bottom.bottomLeft());
    strip(left, left.topRight(), left.topLeft());
    strip(right, right.topLeft(), right.topRight());

    auto corner = [&](const QRectF& r, const QPointF& centre) {
        if (!r.intersects(e))
            return;
        QRadialGradient gradient(centre, w, centre);
        gradient.setColorAt(0, c0);
        gradient.setColorAt(1, c1);
        painter->setBrush(gradient);
        painter->drawRect(r);
    };
    const QRectF topLeft(s.left() - w, s.top() - h, w, h);
    const QRectF topRight(s.right(), s.top() - h, w, h);
    const QRectF bottomLeft(s.left() - w, s.bottom(), w, h);
    const QRectF bottomRight(s.right(), s.bottom(), w, h);
    corner(topLeft, topLeft.bottomRight());
    corner(topRight, topRight.bottomLeft());
    corner(bottomLeft, bottomLeft.topRight());
    corner(bottomRight, bottomRight.topLeft());
}

void VGraphicsScene::drawBackground(QPainter* painter, const QRectF& rect)
{
    painter->setRenderHint(QPainter::Antialiasing, true);
    const QRectF e = rect.adjusted(-1, -1, 1, 1);
    const QRectF s = sceneRect();
    if (!s.contains(e))
        drawSurround(painter, e);
    if (m_pBackground)
        m_pBackground->paint(painter, e & s);

    // One-pixel lines of the items fall on device pixels.
    const double h2 = kStrokeShift / (scale() * VPixelGrid::devicePixelRatio(*painter));
    painter->translate(h2, h2);
    for (VGraphicsLayer* layer : std::as_const(m_layers)) {
        if (layer->isVisible())
            layer->render(painter, e, e, Qt::KeepAspectRatio);
    }
    painter->translate(-h2, -h2);
}

void VGraphicsScene::drawForeground(QPainter* painter, const QRectF& rect)
{
    VRestorePainter restore(*painter);
    // Floating panels let the picture show through, but not the pointer and its guides.
    if (const VGraphicsView* v = view(); v && painter->device() == v->viewport()) {
        const QRegion covered = v->coveredRegion();
        if (!covered.isEmpty()) {
            const QTransform toView = painter->worldTransform();
            painter->resetTransform();
            painter->setClipRegion(QRegion(v->viewport()->rect()).subtracted(covered),
                                   Qt::IntersectClip);
            painter->setWorldTransform(toView);
        }
    }
    for (const VSnapLine& line : std::as_const(m_snapLines)) {
        if (line.intersects(rect))
            line.paint(painter, rect);
    }
    m_cursor.paint(painter, nullptr, nullptr);
}

void VGraphicsScene::snapped(const VSnapLine& line)
{
    invalidate(line.rect(visibleRect()), QGraphicsScene::ForegroundLayer);
    m_snapLines.append(line);
}

void VGraphicsScene::clearSnapLines()
{
    const QRectF visible = visibleRect();
    for (const VSnapLine& line : std::as_const(m_snapLines))
        invalidate(line.rect(visible), QGraphicsScene::ForegroundLayer);
    m_snapLines.clear();
}

void VGraphicsScene::onCreatePromptFinished(VCreatePrompt* pPrompt)
{
    m_eventFilters.removeEventFilter(pPrompt);
}

void VGraphicsScene::onGripDragStarted()
{
    if (m_nDragCount++ == 0) {
        // A whole drag is one step, however many moves it applies.
        m_history.beginGroup(this);
        emit gripDragStarted();
    }
}

void VGraphicsScene::onGripDragEnded()
{
    if (m_nDragCount == 0)
        return;
    if (--m_nDragCount == 0) {
        m_history.endGroup(this);
        emit gripDragEnded();
    }
}

QRectF VGraphicsScene::contentBoundary() const
{
    QRectF r;
    for (VGraphicsLayer* layer : std::as_const(m_layers)) {
        const QList<VGraphicsItem*> items = layer->items();
        for (VGraphicsItem* item : items) {
            QRectF painted = item->mapRectToScene(item->paintedBoundary());
            // Strokes are drawn half a pixel down and right; areas stay on their pixels.
            if (!item->isArea())
                painted.translate(kStrokeShift, kStrokeShift);
            r |= painted;
        }
    }
    if (r.isEmpty())
        return QRectF();
    // Whole pixels: what is drawn right up to an edge must not be cut into a fraction of one.
    constexpr double slack = 1e-6;
    return QRectF(QPointF(std::floor(r.left() + slack), std::floor(r.top() + slack)),
                  QPointF(std::ceil(r.right() - slack), std::ceil(r.bottom() - slack)));
}

void VGraphicsScene::renderContentTo(QPainter& painter)
{
    const QRectF r = contentBoundary();
    if (r.isEmpty())
        return;
    const QRectF source = r.translated(-kStrokeShift, -kStrokeShift);
    for (VGraphicsLayer* layer : std::as_const(m_layers)) {
        // No selection feedback in the picture; the selection is back before anyone looks.
        const QSignalBlocker blocker(layer);
        const QList<VGraphicsItem*> selected = layer->selectedItems();
        for (VGraphicsItem* item : selected)
            item->setSelected(false);
        layer->render(&painter, QRectF(QPointF(0, 0), r.size()), source, Qt::KeepAspectRatio);
        for (VGraphicsItem* item : selected)
            item->setSelected(true);
    }
}

void VGraphicsScene::renderContentTo(QImage& image)
{
    const QRectF r = contentBoundary();
    if (r.isEmpty())
        return;
    image = QImage(r.size().toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    renderContentTo(painter);
}

QRect VGraphicsScene::printPlacement(const QSize& image, const QSizeF& page)
{
    const double rx = image.width() / page.width();
    const double ry = image.height() / page.height();
    if (rx <= 1 && ry <= 1)
        return QRect(int((page.width() - image.width()) * 0.5),
                     int((page.height() - image.height()) * 0.5), image.width(), image.height());
    if (rx > ry) {
        const double height = image.height() / rx;
        return QRect(0, int((page.height() - height) * 0.5), int(page.width()), int(height));
    }
    const double width = image.width() / ry;
    return QRect(int((page.width() - width) * 0.5), 0, int(width), int(page.height()));
}

void VGraphicsScene::printTo(QPaintDevice* device, const QSizeF& page)
{
    QImage image;
    renderContentTo(image);
    if (image.isNull() || page.isEmpty())
        return;
    QPainter painter(device);
    painter.drawImage(printPlacement(image.size(), page), image);
}

void VGraphicsScene::onPrint(QPrinter* printer)
{
    printTo(printer, printer->pageRect(QPrinter::DevicePixel).size());
}
