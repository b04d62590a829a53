// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"

#include <QList>
#include <QWidget>

class QMouseEvent;
class QWheelEvent;
class VCanvasRulerHorizontal;
class VCanvasRulerVertical;
class VGraphicsItem;
class VGraphicsLayer;
class VGraphicsScene;
class VGraphicsView;
class VHelpBalloon;
class VWidgetQuickEditor;
class VWidgetTools;
class VHelpBalloon;
class VWidgetQuickEditor;
class VWidgetTools;

// The widget an application embeds to show and edit a drawing: a zoomable view with rulers
// along its top and left edges. It gathers the selection of every layer into one list.
class TALVIKCORE_EXPORT VCanvas : public QWidget
{
    Q_OBJECT
    friend class VGraphicsView;

public:
    explicit VCanvas(QWidget* parent = nullptr);
    ~VCanvas() override;

    VGraphicsScene* scene() const;
    VGraphicsView* view() const { return m_pView; }

    void setCanvasSize(int w, int h);
    void setCanvasSize(const QSize& size) { setCanvasSize(size.width(), size.height()); }

    void setRulerVisible(bool visible);
    bool isRulerVisible() const;

    // A one-time note in a corner of the canvas.
    void showBalloon(const QString& title, const QString& text,
                     const QFlags<Qt::AlignmentFlag>& alignment);

    // A new floating tool panel over the canvas.
    VWidgetTools* creatWidgetTools();
    const QList<VWidgetTools*>& toolWidgets() const { return m_toolWidgets; }
    VWidgetQuickEditor* quickEditor() const { return m_pQuickEditor; }
    VHelpBalloon* balloon() const { return m_pBalloon; }

    // A scene point in this widget's coordinates.
    QPoint mapFromScene(const QPointF& point) const;

    const QList<VGraphicsItem*>& selection() const { return m_selection; }

    // New items' default stroke widths and text sizes are multiplied by this; a scene that
    // counts device pixels sets the screen's device pixel ratio.
    void setDefaultItemScale(double scale) { m_dDefaultItemScale = scale; }
    double defaultItemScale() const { return m_dDefaultItemScale; }

signals:
    void selectionChanged(QList<VGraphicsItem*> items);

protected:
    // Called by the view before it handles the event; true when the canvas consumed it.
    bool onViewMouseMoveEvent(QMouseEvent* event);
    bool onViewWheelEvent(QWheelEvent* event);
    void onPersistentSelectionChanged(const VGraphicsLayer* layer);
    // The floating widgets stay out of the way while a grip is dragged.
    void onGripDragStarted();
    void onGripDragEnded();

private:
    VGraphicsView* m_pView;
    VCanvasRulerHorizontal* m_pRulerHorizontal;
    VCanvasRulerVertical* m_pRulerVertical;
    VWidgetQuickEditor* m_pQuickEditor;
    VHelpBalloon* m_pBalloon;
    QList<VWidgetTools*> m_toolWidgets;
    QList<VGraphicsItem*> m_selection;
    // Hears of the deletion of selected items, which a layer deleted with them never reports
    // as a deselection. Gone before the view and its items, so never told of their teardown.
    QObject m_selectionWatch;
    double m_dDefaultItemScale = 1.0;
};
