// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "graphics/VGraphicsItem.h"
#include "TalvikCoreExport.h"
#include "VCursorGraphics.h"
#include "VGrip.h"

#include <QCursor>
#include <QGraphicsObject>
#include <QString>
#include <QVector>

#include <memory>
#include <vector>

class VGraphicsScene;

// The pointer a scene draws while a tool runs: a graphics of constant screen size at the hot
// spot (its pos(), in scene units) with an optional text box that stays inside the visible
// part of the scene. It is painted in the scene's foreground and is never one of its items.
class TALVIKCORE_EXPORT VCursor : public QGraphicsObject
{
    Q_OBJECT

public:
    explicit VCursor(VGraphicsScene* scene);
    ~VCursor() override;

    // Pushes g, taking ownership; the first push that asks blanks the view's own pointer.
    void setGraphics(VCursorGraphics* g, bool blankViewCursor);
    // Pops and deletes the top graphics; the first pop that asks restores the view's pointer.
    void unsetGraphics(bool restoreViewCursor);
    bool hasGraphics() const { return !m_graphics.empty(); }

    const QString& text() const { return m_text; }
    void updateText(const QString& text);
    void setTextAlignment(QFlags<Qt::AlignmentFlag> alignment);
    // Ignored while nothing is shown or while a grip holds the cursor.
    void updateScenePos(const QPointF& pos);

    // A grip under the pointer holds the cursor: it jumps there and follows the grip's drag.
    void bind(VGrip* grip);
    void unbind(VGrip* grip);
    bool isBinded() const { return !m_boundGrips.isEmpty(); }

    // Off the view the system pointer shows instead: over a floating panel or outside the
    // window a drawn cross would be a second pointer.
    void setPointerInside(bool inside);
    bool isPointerInside() const { return m_bPointerInside; }

    QRectF boundingRect() const override;
    QRectF sceneBoundingRect() const;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
               QWidget* widget = nullptr) override;

private slots:
    void onBindingObjectMoved(VGrip* grip, VGraphicsItem* item);

private:
    void repaint();
    void moveHotSpot(const QPointF& pos);
    // Where the text box goes, in screen pixels like visible: beside the hot spot, inside the
    // visible area and off any floating panel when it can be.
    QRectF placeText(const QRectF& visible, const QPointF& hotSpot, const QSizeF& size) const;

    QVector<VGrip*> m_boundGrips;
    std::vector<std::unique_ptr<VCursorGraphics>> m_graphics;
    VGraphicsScene* m_pScene;
    QCursor m_savedViewCursor;
    QString m_text;
    // Screen pixels relative to the hot spot; placed by boundingRect().
    mutable QRectF m_textRect;
    bool m_bViewCursorBlanked = false;
    bool m_bPointerInside = true;
};
