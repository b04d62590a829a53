// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VGraphicsItemObfuscate.h"

#include "foundation/VRestorePainter.h"
#include "VGraphicsItemChangeNotifier.h"
#include "VGraphicsItemCopy.h"
#include "VGraphicsLayer.h"
#include "VGraphicsScene.h"

#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <QtMath>

namespace {
constexpr int kSmallestCell = 2;

// Two passes of a 3 x 3 box over a small premultiplied picture, edges clamped.
QImage boxBlurred(QImage image)
{
    const int w = image.width();
    const int h = image.height();
    for (int pass = 0; pass < 2; ++pass) {
        const QImage source = image;
        for (int y = 0; y < h; ++y) {
            auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < w; ++x) {
                int sum[4] = {0, 0, 0, 0};
                for (int dy = -1; dy <= 1; ++dy) {
                    const auto* row = reinterpret_cast<const QRgb*>(
                        source.constScanLine(qBound(0, y + dy, h - 1)));
                    for (int dx = -1; dx <= 1; ++dx) {
                        const QRgb p = row[qBound(0, x + dx, w - 1)];
                        sum[0] += qAlpha(p);
                        sum[1] += qRed(p);
                        sum[2] += qGreen(p);
                        sum[3] += qBlue(p);
                    }
                }
                out[x] = qRgba(sum[1] / 9, sum[2] / 9, sum[3] / 9, sum[0] / 9);
            }
        }
    }
    return image;
}
} // namespace

VGraphicsItemObfuscate::VGraphicsItemObfuscate(VGraphicsItem* parent)
    : VGraphicsItemRectangle(parent)
{
    // The hidden area is the mark; an outline shows only while it is selected or drawn.
    suppressChangeNotification();
    setStrokeWidth(0);
    unsuppressChangeNotification();
}

VGraphicsItemObfuscate::VGraphicsItemObfuscate() : VGraphicsItemObfuscate(nullptr) {}

VGraphicsItemObfuscate::~VGraphicsItemObfuscate() = default;

VGraphicsItemObfuscate::Method VGraphicsItemObfuscate::method() const
{
    return Method(m_obfuscateData.method());
}

void VGraphicsItemObfuscate::setMethod(Method method)
{
    VGraphicsItemChangeNotifier notifier(this);
    m_obfuscateData.set_method(VFileFormat::GraphicsItemObfuscate::Method(method));
}

int VGraphicsItemObfuscate::cellSize() const
{
    return qMax(kSmallestCell, int(m_obfuscateData.cellsize()));
}

void VGraphicsItemObfuscate::setCellSize(int size)
{
    VGraphicsItemChangeNotifier notifier(this);
    m_obfuscateData.set_cellsize(qMax(kSmallestCell, size));
}

void VGraphicsItemObfuscate::setMessage(const VFileFormat::GraphicsItemObfuscate& message)
{
    VGraphicsItemChangeNotifier notifier(this);
    m_obfuscateData.CopyFrom(message);
}

QImage VGraphicsItemObfuscate::pictureBeneath(const QRectF& r) const
{
    QImage image(qMax(1, qCeil(r.width())), qMax(1, qCeil(r.height())),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QGraphicsScene* own = scene();
    if (!own)
        return image;
    const QRectF area = sceneTransform().mapRect(r);
    // The layer's index is not asked: inside its own rendering it may not answer yet. Documents
    // hold few items; checking each one's bounds costs nothing next to the painting.
    QList<QGraphicsItem*> beneath;
    const auto collect = [&area, &beneath](const QList<QGraphicsItem*>& bottomFirst,
                                           const QGraphicsItem* pStop) {
        for (QGraphicsItem* pItem : bottomFirst) {
            if (pItem == pStop)
                return;
            if (pItem->isVisible() && pItem->sceneBoundingRect().intersects(area))
                beneath.append(pItem);
        }
    };
    if (auto* pScene = qobject_cast<VGraphicsScene*>(own)) {
        // A sample or a drag preview floats above the whole document.
        for (VGraphicsLayer* pLayer : pScene->layers())
            if (pLayer->isVisible())
                collect(pLayer->QGraphicsScene::items(Qt::AscendingOrder), nullptr);
    } else {
        // Only what is stacked below: what lies above this item stays readable.
        collect(own->items(Qt::AscendingOrder), this);
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QTransform toImage =
        sceneTransform().inverted() * QTransform::fromTranslate(-r.left(), -r.top());
    QStyleOptionGraphicsItem option;
    for (QGraphicsItem* pItem : std::as_const(beneath)) {
        painter.save();
        painter.setTransform(pItem->sceneTransform() * toImage);
        painter.setOpacity(pItem->effectiveOpacity());
        option.exposedRect = pItem->boundingRect();
        pItem->paint(&painter, &option, nullptr);
        painter.restore();
    }
    return image;
}

QPainterPath VGraphicsItemObfuscate::shape() const
{
    // The whole area grabs a click: the mark is its inside.
    QPainterPath path;
    path.addRect(rectangle());
    return path;
}

void VGraphicsItemObfuscate::paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
                                   QWidget* widget)
{
    VRestorePainter restore(*painter);
    VGraphicsItem::paint(painter, option, widget);
    const QRectF r = rectangle();
    if (r.width() < 1 || r.height() < 1)
        return;
    const QImage picture = pictureBeneath(r);
    // A half-transparent drag preview would show the very secret it is moved over.
    if (!isPersistent())
        painter->setOpacity(1.0);
    const int cell = cellSize();
    if (method() == Blur) {
        // Shrinking averages the picture; the box passes and the smooth enlargement blend the
        // averages into each other.
        const int step = qMax(1, cell / 2);
        const QImage small =
            picture.scaled(qMax(1, picture.width() / step), qMax(1, picture.height() / step),
                           Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter->drawImage(r,
                           boxBlurred(small.convertToFormat(QImage::Format_ARGB32_Premultiplied)));
    } else {
        const QImage blocks = picture.scaled(qMax(1, qRound(picture.width() / double(cell))),
                                             qMax(1, qRound(picture.height() / double(cell))),
                                             Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter->drawImage(r, blocks);
    }
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(r);
}

bool VGraphicsItemObfuscate::copy(const VGraphicsItem* other)
{
    return copyItem<VGraphicsItemRectangle>(this, other, &VGraphicsItemObfuscate::m_obfuscateData);
}

QByteArray VGraphicsItemObfuscate::encodedMessages() const
{
    return VGraphicsItemRectangle::encodedMessages() + encoded(m_obfuscateData);
}
