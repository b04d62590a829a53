#pragma once

#include "interaction/VCursor.h"
#include "interaction/VEventFilterList.h"
#include "TalvikCoreExport.h"

#include <QGraphicsScene>
#include <QList>

#include <memory>

class QPrinter;
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
    friend class VCanvas;
    friend class VGraphicsLayer;

public:
    VGraphicsScene();
    ~VGraphicsScene() override;

    // The first layer, created if there is none.
    VGraphicsLayer* activeLayer() const;
    const QList<VGraphicsLayer*>& layers() const { return m_layers; }

    void addPersistenItem(VGraphicsItem* item, bool select);
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

    // Items only, transparent around them: no background, no dynamic items, no cursor.
    void renderContentTo(QImage& image);
    void renderContentTo(QPainter& painter);

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

signals:
    void persistentItemAdded(const VGraphicsItem* pItem);
    void persistentItemRemoving(const VGraphicsItem* pItem);
    void persistentItemChanged(const VGraphicsItem* pItem);
    void persistentSelectionChanged(const VGraphicsLayer* pLayer);

protected slots:
    void onDynamicSelectionChanged() {}
    void onPersistentItemChanged(VGraphicsItem* pItem);
    void onLayerChanged(const QList<QRectF>& region);
    void onPrint(QPrinter* printer);

protected:
    void setSize(int w, int h);
    void createLayer() const;

    bool event(QEvent* e) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* e) override;
    void drawBackground(QPainter* painter, const QRectF& rect) override;
    void drawForeground(QPainter* painter, const QRectF& rect) override;

private:
    void drawSurround(QPainter* painter, const QRectF& exposed) const;
    QRectF contentBoundary() const;

    // Layers are created on demand, also from const accessors.
    mutable QList<VGraphicsLayer*> m_layers;
    VCursor m_cursor;
    VEventFilterList m_eventFilters;
    std::unique_ptr<VGraphicsBackground> m_pBackground;
};
