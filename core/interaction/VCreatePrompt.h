// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "graphics/VGraphicsItem.h"
#include "TalvikCoreExport.h"
#include "VEventFilter.h"

#include <QPointer>

class QGraphicsSceneMouseEvent;
class QKeyEvent;

// A drawing tool: turns mouse and keys into a new item, shown as a dynamic sample while the
// user works and handed to the document, selected, when done. One drawing per object.
class TALVIKCORE_EXPORT VCreatePrompt : public VEventFilter
{
    Q_OBJECT

public:
    VCreatePrompt();
    ~VCreatePrompt() override;

    // Ends any other prompt of the canvas first: one tool at a time.
    void start(VCanvas* canvas) override;
    bool eventFilter(QEvent* event) override;

    // After finishing: the item handed to the document, which owns it now.
    VGraphicsItem* sample() { return m_pSample; }
    const VGraphicsItem* sample() const { return m_pSample; }
    bool hasSample() const { return !m_pSample.isNull(); }

    // Where a position lands at a scale: on a grid of 0.5 up to 4x, 0.1 beyond, untouched at 1x
    // and below.
    static QPointF snapToGrid(const QPointF& position, double scale);

signals:
    void finished(VCreatePrompt* pPrompt);
    void cancelled(VCreatePrompt* pPrompt);

protected:
    virtual bool mousePress(QGraphicsSceneMouseEvent* event);
    virtual bool mouseRelease(QGraphicsSceneMouseEvent* event);
    virtual bool mouseDoubleClick(QGraphicsSceneMouseEvent* event);
    virtual bool mouseMove(QGraphicsSceneMouseEvent* event);
    virtual bool keyPress(QKeyEvent* event);
    virtual bool keyRelease(QKeyEvent* event);
    virtual VGraphicsItem* createSample() const = 0;
    virtual void onStop();

    void onStart() override;
    void onRemoved() override;

    void finish();
    void cancel();
    void resetSample();
    void removeSample();
    // A right click: drops the shape being dragged and keeps the tool, or ends an idle tool.
    void dropSampleOrCancel();

    // "(x,y)" of a scene position, in the format of readOut.
    QString positionText(const QPointF& position) const;
    // A coordinate or length for the cursor's text: whole pixels up to 1:1, tenths when zoomed
    // in.
    QString readOut(double value) const;

private:
    void snapMouse(QGraphicsSceneMouseEvent* event) const;

    // Guarded: a finished sample belongs to the document, which may delete it.
    QPointer<VGraphicsItem> m_pSample;
    bool m_bOwnsSample = false;
};
