// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VGripManager.h"

#include "graphics/VGraphicsItem.h"
#include "graphics/VGraphicsScene.h"
#include "VGrip.h"

#include <QSet>

#include <utility>

VGripManager::VGripManager(VGraphicsScene* scene)
    : m_pScene(scene), m_pGrips(std::make_shared<GripMap>())
{
}

VGripManager::~VGripManager()
{
    // Copies share the map; the last one cleans up.
    if (m_pGrips.use_count() == 1)
        clear();
}

void VGripManager::clear()
{
    const GripMap all = std::exchange(*m_pGrips, GripMap());
    for (QList<VGrip*>* grips : all)
        removeGrips(grips);
}

void VGripManager::createGrips(const VGraphicsLayer* layer, const QList<VGraphicsItem*>& items)
{
    QSet<VGraphicsItem*> wanted(items.begin(), items.end());
    QList<VGraphicsItem*> gone;
    for (auto it = m_pGrips->cbegin(); it != m_pGrips->cend(); ++it) {
        VGraphicsItem* item = it.key();
        if (wanted.remove(item))
            continue;
        const VGraphicsLayer* itemLayer = item->layer();
        if (!itemLayer || itemLayer == layer)
            gone.append(item);
    }
    for (VGraphicsItem* item : std::as_const(gone))
        removeGrips(m_pGrips->take(item));
    // In selection order, so grips stack the same way every time.
    for (VGraphicsItem* item : items) {
        // Taken out as it is served: an item given twice must not get a second set of grips.
        if (!wanted.remove(item))
            continue;
        if (QList<VGrip*>* grips = item->createGrips()) {
            addGrips(grips);
            m_pGrips->insert(item, grips);
        }
    }
}

void VGripManager::updateGrips(VGraphicsItem* item)
{
    const auto found = m_pGrips->find(item);
    if (found == m_pGrips->end())
        return;
    removeGrips(found.value());
    QList<VGrip*>* grips = item->createGrips();
    if (!grips) {
        m_pGrips->erase(found);
        return;
    }
    found.value() = grips;
    addGrips(grips);
}

QList<VGrip*> VGripManager::grips(const VGraphicsItem* item) const
{
    const QList<VGrip*>* grips = m_pGrips->value(const_cast<VGraphicsItem*>(item), nullptr);
    return grips ? *grips : QList<VGrip*>();
}

bool VGripManager::hasGrips(const VGraphicsItem* item) const
{
    return m_pGrips->contains(const_cast<VGraphicsItem*>(item));
}

void VGripManager::addGrips(QList<VGrip*>* grips)
{
    for (VGrip* grip : std::as_const(*grips))
        m_pScene->addItem(grip);
}

void VGripManager::removeGrips(QList<VGrip*>* grips)
{
    if (!grips)
        return;
    for (VGrip* grip : std::as_const(*grips)) {
        if (grip->QGraphicsObject::scene())
            m_pScene->removeItem(grip);
        delete grip;
    }
    delete grips;
}
