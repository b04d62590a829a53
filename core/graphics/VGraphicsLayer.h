// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"

#include <QGraphicsScene>
#include <QList>

class VGraphicsItem;
class VGraphicsScene;

// A scene of persistent items that no view shows: its owning scene draws it inside its own
// background, so the document reaches the screen through the view's background cache.
class TALVIKCORE_EXPORT VGraphicsLayer : public QGraphicsScene
{
    Q_OBJECT
    Q_MOC_INCLUDE("graphics/VGraphicsItem.h")
    friend class VGraphicsScene;

public:
    explicit VGraphicsLayer(VGraphicsScene* scene);
    ~VGraphicsLayer() override;

    VGraphicsScene* scene() const { return m_pScene; }

    void addItem(VGraphicsItem* item);
    void removeItem(VGraphicsItem* item);
    QList<VGraphicsItem*> items() const;
    QList<VGraphicsItem*> selectedItems() const;

    bool isVisible() const { return m_bVisible; }
    void onItemChanged(VGraphicsItem* item);

public slots:
    void show() { setVisible(true); }
    void hide() { setVisible(false); }
    void setVisible(bool bVisibile);

signals:
    void itemChanged(VGraphicsItem* pItem);

protected:
    // A layer draws its items only.
    void drawBackground(QPainter*, const QRectF&) override {}
    void drawForeground(QPainter*, const QRectF&) override {}

private slots:
    void onSceneRectChanged(const QRectF& rect) { setSceneRect(rect); }
    void onSelectionChanged();

private:
    VGraphicsScene* m_pScene;
    bool m_bVisible = true;
};
