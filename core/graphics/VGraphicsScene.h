// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "interaction/VCursor.h"
#include "interaction/VEventFilterList.h"
#include "interaction/VGraphicsSnapSystem.h"
#include "interaction/VGripManager.h"
#include "interaction/VSnapLine.h"
#include "TalvikCoreExport.h"
#include "VGraphicsHistory.h"
#include "VGraphicsItemMover.h"

#include <QGraphicsScene>
#include <QList>

#include <memory>

class QPrinter;
class VCreatePrompt;
class VEventFilter;
class VGraphicsBackground;
class VGraphicsItem;
class VGraphicsLayer;
class VGraphicsView;

// The document a canvas shows. Persistent items live in layers, which this scene draws inside
// its background pass, so they reach the screen through the view's background cache; dynamic
// items (samples, previews, editors) are ordinary items of this scene, drawn over the cache.
class TALVIKCORE_EXPORT VGraphicsScene : public QGraphicsScene
{
    Q_OBJECT
    Q_MOC_INCLUDE("graphics/VGraphicsItem.h")
    Q_MOC_INCLUDE("graphics/VGraphicsLayer.h")
    Q_MOC_INCLUDE("interaction/VCreatePrompt.h")
    friend class VCanvas;
    friend class VGraphicsHistoryStep;
    friend class VGraphicsItem;
    friend class VGraphicsLayer;

public:
    VGraphicsScene();
    ~VGraphicsScene() override;

    // The first layer, created if there is none.
    VGraphicsLayer* activeLayer() const;
    const QList<VGraphicsLayer*>& layers() const { return m_layers; }

    void addPersistenItem(VGraphicsItem* item, bool select);
    // The item is deleted once no undo step can bring it back.
    void removePersistenItem(VGraphicsItem* item);
    // Show or stop showing a dynamic item; the caller keeps ownership.
    void addActiveItem(VGraphicsItem* item);
    void removeActiveItem(VGraphicsItem* item);

    // Takes ownership.
    void setBackground(VGraphicsBackground* background);

    VGraphicsView* view() const;
    // The view's zoom, or 1.0 without a view.
    double scale() const;
    QRectF visibleRect() const;
    VCursor* cursor() { return &m_cursor; }
    VGripManager& gripManager() { return m_gripManager; }
    VGraphicsSnapSystem& snapSystem() { return m_snapSystem; }
    VGraphicsHistory& history() { return m_history; }

    bool isDragging() const { return m_nDragCount > 0; }
    bool isDrawing() const { return m_eventFilters.hasActivePrompt(); }
    // Guide lines on show until the next mouse event.
    void snapped(const VSnapLine& line);
    void clearSnapLines();
    const QList<VSnapLine>& snapLines() const { return m_snapLines; }

    // Items only, transparent around them: no background, no dynamic items, no cursor.
    void renderContentTo(QImage& image);
    void renderContentTo(QPainter& painter);
    // What the items paint, in scene coordinates, grown to whole pixels: where renderContentTo's
    // picture lies.
    QRectF contentBoundary() const;

    void onPersistentSelectionChanged(const VGraphicsLayer* layer);

    // Where a picture of that size goes on a page: centred at its own size when it fits,
    // otherwise shrunk to the page with its aspect kept.
    static QRect printPlacement(const QSize& image, const QSizeF& page);
    // The rendered document on a device whose printable area has that size.
    void printTo(QPaintDevice* device, const QSizeF& page);

    void startEventFilter(VEventFilter* filter) { m_eventFilters.startEventFilter(filter); }
    void removeEventFilter(VEventFilter* filter) { m_eventFilters.removeEventFilter(filter); }
    void cancelCurrentPrompt() { m_eventFilters.cancelCurrentPrompt(); }
    bool isFilterAllowed(QEvent* event) const;

public slots:
    // A prompt that finished or was cancelled leaves the filter list and is deleted later.
    void onCreatePromptFinished(VCreatePrompt* pPrompt);

signals:
    void persistentItemAdded(const VGraphicsItem* pItem);
    void persistentItemRemoving(const VGraphicsItem* pItem);
    void persistentItemChanged(const VGraphicsItem* pItem);
    void persistentSelectionChanged(const VGraphicsLayer* pLayer);
    // Around a whole drag of grips, however many grips and moves it takes.
    void gripDragStarted();
    void gripDragEnded();

protected slots:
    void onDynamicSelectionChanged() {}
    void onPersistentItemChanged(VGraphicsItem* pItem);
    void onLayerChanged(const QList<QRectF>& region);
    void onPrint(QPrinter* printer);
    void onGripDragStarted();
    void onGripDragEnded();

protected:
    void setSize(int w, int h);
    void createLayer() const;
    // Out of the document, not deleted; false when it was not in it.
    bool takePersistenItem(VGraphicsItem* item);

    bool event(QEvent* e) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* e) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* e) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void drawBackground(QPainter* painter, const QRectF& rect) override;
    void drawForeground(QPainter* painter, const QRectF& rect) override;

private:
    void drawSurround(QPainter* painter, const QRectF& exposed) const;

    // Layers are created on demand, also from const accessors.
    mutable QList<VGraphicsLayer*> m_layers;
    VCursor m_cursor;
    VGripManager m_gripManager;
    VEventFilterList m_eventFilters;
    int m_nDragCount = 0;
    std::unique_ptr<VGraphicsBackground> m_pBackground;
    VGraphicsSnapSystem m_snapSystem;
    QList<VSnapLine> m_snapLines;
    VGraphicsHistory m_history;
    VGraphicsItemMover m_mover;
};
