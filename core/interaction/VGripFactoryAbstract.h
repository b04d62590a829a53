// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "graphics/VGraphicsItem.h"
#include "TalvikCoreExport.h"
#include "VGrip.h"

#include <QList>
#include <QObject>

// Knows, for one kind of item, where its grips go and what their drags do to it. A factory
// lives as long as the grips it made.
class TALVIKCORE_EXPORT VGripFactoryAbstract : public QObject
{
    Q_OBJECT
    friend class VGrip;

public:
    ~VGripFactoryAbstract() override = default;

    virtual void createGrips(QList<VGrip*>& grips, const VGraphicsItem* pItem) const = 0;

signals:
    void dragStarted();
    void dragEnded();

protected:
    VGripFactoryAbstract() = default;

    void onGripDragStarted() { emit dragStarted(); }
    void onGripDragEnded() { emit dragEnded(); }
};
