// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VGraphicsLayer.h"

#include "VGraphicsItem.h"
#include "VGraphicsScene.h"

#include <QPointer>

VGraphicsLayer::VGraphicsLayer(VGraphicsScene* scene) : m_pScene(scene)
{
    connect(this, &QGraphicsScene::changed, scene, &VGraphicsScene::onLayerChanged);
    connect(this, &QGraphicsScene::selectionChanged, this, &VGraphicsLayer::onSelectionChanged);
}

VGraphicsLayer::~VGraphicsLayer()
{
    // The items go with the layer, and their grips before them; their deselection must not
    // reach a scene being destroyed.
    m_pScene->gripManager().createGrips(this, {});
    blockSignals(true);
    clear();
}

void VGraphicsLayer::addItem(VGraphicsItem* item)
{
    QGraphicsScene::addItem(item);
    item->setPersistent(true);
}

void VGraphicsLayer::removeItem(VGraphicsItem* item)
{
    QGraphicsScene::removeItem(item);
    item->setPersistent(false);
}

namespace {
QList<VGraphicsItem*> itemsOf(const QList<QGraphicsItem*>& all)
{
    QList<VGraphicsItem*> result;
    result.reserve(all.size());
    for (QGraphicsItem* item : all) {
        if (auto* vItem = qgraphicsitem_cast<VGraphicsItem*>(item))
            result.append(vItem);
    }
    return result;
}
} // namespace

QList<VGraphicsItem*> VGraphicsLayer::items() const
{
    return itemsOf(QGraphicsScene::items());
}

QList<VGraphicsItem*> VGraphicsLayer::selectedItems() const
{
    return itemsOf(QGraphicsScene::selectedItems());
}

void VGraphicsLayer::setVisible(bool bVisibile)
{
    m_bVisible = bVisibile;
    if (!bVisibile) {
        const QList<VGraphicsItem*> selected = selectedItems();
        for (VGraphicsItem* item : selected)
            item->setSelected(false);
    }
    m_pScene->invalidate(QRectF(0, 0, m_pScene->width(), m_pScene->height()),
                         QGraphicsScene::BackgroundLayer);
}

void VGraphicsLayer::onItemChanged(VGraphicsItem* item)
{
    if (item->layer() != this)
        return;
    emit itemChanged(item);
    // The scene hears of it once the change is complete and control is back in the event loop;
    // guarded, because the item may be deleted before then.
    QMetaObject::invokeMethod(
        m_pScene,
        [scene = m_pScene, guard = QPointer<VGraphicsItem>(item)] {
            if (guard)
                scene->onPersistentItemChanged(guard);
        },
        Qt::QueuedConnection);
}

void VGraphicsLayer::onSelectionChanged()
{
    m_pScene->onPersistentSelectionChanged(this);
}
