// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"

#include <QGraphicsView>
#include <QList>

#include <memory>

class VCanvas;
class VGraphicsScene;

// The zoomable view of a canvas; it creates and owns the document scene. Its background cache
// holds the document, so edits repaint only what they touch.
class TALVIKCORE_EXPORT VGraphicsView : public QGraphicsView
{
    Q_OBJECT
    friend class VGraphicsScene;

public:
    explicit VGraphicsView(VCanvas* canvas);
    ~VGraphicsView() override;

    VGraphicsScene* scene() const { return m_pScene.get(); }
    VCanvas* canvas() const;

    double scale() const { return m_scale; }
    // Lands on the nearest of the zoom levels 0.2, 0.4, ... 10.0.
    void setScale(double scale);
    // Exactly this zoom, off the levels: 1 / devicePixelRatio shows one scene unit on each
    // device pixel, so a picture of the screen is shown as it was, never resampled.
    void setExactScale(double scale);

    // The zoom levels, in increasing order.
    static const QList<double>& scaleLevels();

    // The part of the viewport, in its coordinates, that widgets stacked above it hide, such as
    // the canvas's floating panels.
    QRegion coveredRegion() const;

protected:
    // A move at the pointer's place, so hover feedback follows geometry that moved under it.
    void replayMouseMoveEvent();

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    std::unique_ptr<VGraphicsScene> m_pScene;
    double m_scale = 1.0;
    // As the last mouse event left them: a replayed move must not look like a release to an
    // item that holds the mouse in a layer.
    Qt::MouseButtons m_heldButtons;
};
