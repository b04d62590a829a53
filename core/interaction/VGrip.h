// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "foundation/VV.h"
#include "graphics/VGraphicsItem.h"
#include "TalvikCoreExport.h"
#include "VGripAdditionalGraphics.h"
#include "VGripConstraint.h"
#include "VGripData.h"
#include "VGripGlyph.h"

#include <QColor>
#include <QGraphicsObject>
#include <QSharedPointer>
#include <QVector3D>

#include <memory>

class VGraphicsScene;
class VGripFactoryAbstract;

// A handle over a selected item. It never edits the item while it is dragged: each move shows
// a fresh half-transparent copy reshaped by the whole drag so far, and only the release applies
// the drag, once, to the item itself.
class TALVIKCORE_EXPORT VGrip : public QGraphicsObject
{
    Q_OBJECT

public:
    enum
    {
        Type = QGraphicsItem::UserType + 1
    };

    explicit VGrip(VGraphicsItem* item);
    ~VGrip() override;

    int type() const override { return Type; }

    // Also places the grip there; the drag offset is measured from this point.
    void setBasePoint(const QVector3D& point);
    const QVector3D& basePoint() const { return m_basePoint; }
    void setDirection(const QVector3D& direction) { m_direction = direction; }
    const QVector3D& direction() const { return m_direction; }
    void setColor(const QColor& color) { m_fillColor = color; }
    QColor color() const { return m_fillColor; }
    void setGlyph(VGripGlyph::enumGlyph glyph);
    VGripGlyph::enumGlyph glyphType() const { return m_glyph; }

    QVector3D offset() const { return m_offset; }
    QVector3D offsetPoint() const { return m_basePoint + m_offset; }

    void setGripData(VGripData* data)
    {
        // Handing back the payload it already owns must not delete it.
        if (data != m_pGripData.get())
            m_pGripData.reset(data);
    }
    const VGripData* gripData() const { return m_pGripData.get(); }
    void setConstraint(VGripConstraint* constraint);
    const VGripConstraint* constraint() const { return m_pConstraint.get(); }
    void setAdditionalGraphics(VGripAdditionalGraphics* graphics);

    VV::enumGripDragStatus dragStatus() const { return m_dragStatus; }
    VGraphicsScene* scene() const;
    VGraphicsItem* item() const { return m_pItem; }
    VGripFactoryAbstract* factory() const { return m_pFactory.data(); }

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
               QWidget* widget = nullptr) override;

public slots:
    // The grip keeps its factory alive.
    void setFactory(const QSharedPointer<VGripFactoryAbstract>& factory) { m_pFactory = factory; }

signals:
    void dragStatusChanged(VV::enumGripDragStatus dragStatus);
    void moved(VGrip* pGrip, VGraphicsItem* pItem);

protected:
    const QPainterPath& glyph() const;
    void cleanMovingItem();

    bool sceneEvent(QEvent* event) override;
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;
    void hoverEnterEvent(QGraphicsSceneHoverEvent* event) override;
    void hoverMoveEvent(QGraphicsSceneHoverEvent* event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent* event) override;
    // Passed on to the item under the grip, such as a text box that a double click edits.
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event) override;

private:
    void dragOperation(VV::enumGripDragStatus status, const QVector3D& position);
    void finishDrag();
    void setDragStatus(VV::enumGripDragStatus status);

    QSharedPointer<VGripFactoryAbstract> m_pFactory;
    VGripGlyph::enumGlyph m_glyph = VGripGlyph::GlyphSquare;
    QVector3D m_basePoint;
    QColor m_penColor = QColor(1, 20, 50, 255);
    QColor m_fillColor = Qt::green;
    QVector3D m_direction = QVector3D(1, 0, 0);
    QVector3D m_offset;
    std::unique_ptr<VGripData> m_pGripData;
    bool m_bHoverBound = false;
    VGraphicsItem* m_pItem;
    std::unique_ptr<VGraphicsItem> m_pMovingItem;
    VV::enumGripDragStatus m_dragStatus = VV::GripIdle;
    std::unique_ptr<VGripConstraint> m_pConstraint;
    std::unique_ptr<VGripAdditionalGraphics> m_pAdditionalGraphics;
};
