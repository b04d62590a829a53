// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"

#include <QHash>
#include <QList>

#include <memory>

class VGrip;
class VGraphicsItem;
class VGraphicsLayer;
class VGraphicsScene;

// Keeps the grips of the selected items of a scene's layers in the scene.
class TALVIKCORE_EXPORT VGripManager
{
public:
    explicit VGripManager(VGraphicsScene* scene);
    ~VGripManager();

    VGripManager(const VGripManager&) = default;
    VGripManager& operator=(const VGripManager&) = default;

    // Makes the items of that layer with grips the given ones; other layers keep theirs.
    void createGrips(const VGraphicsLayer* layer, const QList<VGraphicsItem*>& items);
    // Rebuilds the grips of an item that has them, at its new geometry.
    void updateGrips(VGraphicsItem* item);

    // Takes every grip out of the scene and deletes it.
    void clear();

    QList<VGrip*> grips(const VGraphicsItem* item) const;
    bool hasGrips(const VGraphicsItem* item) const;

private:
    using GripMap = QHash<VGraphicsItem*, QList<VGrip*>*>;

    void addGrips(QList<VGrip*>* grips);
    void removeGrips(QList<VGrip*>* grips);

    VGraphicsScene* m_pScene;
    // Shared by copies; the last copy removes what is left.
    std::shared_ptr<GripMap> m_pGrips;
};
