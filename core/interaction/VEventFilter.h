// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "foundation/VV.h"
#include "TalvikCoreExport.h"

#include <QObject>
#include <QPointF>

class QEvent;
class QPoint;
class VCanvas;
class VGraphicsScene;

// A tool that gets the first pick of a canvas's input while it is attached. The scene's list
// deletes it when it is removed; its owner never does.
class TALVIKCORE_EXPORT VEventFilter : public QObject
{
    Q_OBJECT
    friend class VEventFilterList;

public:
    VEventFilter();
    ~VEventFilter() override;

    virtual void start(VCanvas* canvas);
    // True consumes the event: no later filter and not the scene sees it.
    virtual bool eventFilter(QEvent* event) = 0;

    VGraphicsScene* scene() { return m_pScene; }
    const VGraphicsScene* scene() const { return m_pScene; }
    VCanvas* canvas() const { return m_pCanvas; }
    VV::enumFilterPriority priority() const { return m_priority; }

    bool isEnabled() const { return m_bEnabled; }
    void enable() { m_bEnabled = true; }
    void disable() { m_bEnabled = false; }

    QPointF mapToScene(const QPoint& viewPoint) const;

protected:
    virtual void onStart() {}
    virtual void onRemoved() {}

    void setPriority(VV::enumFilterPriority priority) { m_priority = priority; }

private:
    using QObject::eventFilter;

    VV::enumFilterPriority m_priority = VV::FilterPriorityNormal;
    VGraphicsScene* m_pScene = nullptr;
    VCanvas* m_pCanvas = nullptr;
    bool m_bEnabled = true;
};
