// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data.pb.h"
#include "foundation/VNamedImage.h"
#include "TalvikCoreExport.h"

#include <QColor>
#include <QExplicitlySharedDataPointer>
#include <QGraphicsItem>
#include <QMatrix4x4>
#include <QObject>
#include <QVector3D>
#include <QVector>

class VGraphicsHistoryStep;
class VGraphicsLayer;
class VGraphicsScene;
class VGrip;

// The base of every annotation item. Its common state lives in one document message, so an
// item is always exactly what a stored document would hold. Every edit runs inside a change
// bracket; when the outermost bracket of a persistent item closes, the item, its layer and the
// scene hear of it once.
class TALVIKCORE_EXPORT VGraphicsItem : public QObject, public QGraphicsItem
{
    Q_OBJECT
    Q_INTERFACES(QGraphicsItem)
    Q_PROPERTY(
        QVector3D position READ center WRITE setCenter DESIGNABLE true SCRIPTABLE true STORED true)
    Q_PROPERTY(
        QVector3D scale READ scale WRITE setScale DESIGNABLE true SCRIPTABLE true STORED true)
    Q_PROPERTY(qreal rotation READ rotation_z WRITE setRotation_z
                   DESIGNABLE true SCRIPTABLE true STORED true)
    Q_PROPERTY(
        qreal opacity READ opacity WRITE setOpacity DESIGNABLE true SCRIPTABLE true STORED true)
    Q_PROPERTY(uint strokeWidth READ strokeWidth WRITE setStrokeWidth
                   DESIGNABLE true SCRIPTABLE true STORED true)
    Q_PROPERTY(QColor strokeColor READ strokeColor WRITE setStrokeColor
                   DESIGNABLE true SCRIPTABLE true STORED true)

    friend class VGraphicsHistoryStep;
    friend class VGraphicsItemChangeNotifier;
    friend class VGraphicsLayer;
    friend class VGraphicsSnapSystem;

public:
    enum
    {
        Type = QGraphicsItem::UserType + 2
    };

    explicit VGraphicsItem(VGraphicsItem* parent = nullptr);
    ~VGraphicsItem() override;

    // A new item of the same class with the same content, owned by the caller; null for a
    // class without an invokable default constructor.
    VGraphicsItem* clone() const;

    // The layer holding the item; null while the item is not persistent.
    VGraphicsLayer* layer() const;
    bool isPersistent() const { return m_bPersistent; }

    // The grips that edit the item, owned by the caller with the list; null unless the item is
    // in a layer.
    virtual QList<VGrip*>* createGrips() const;

    // Geometric extent in item coordinates, without the stroke.
    virtual QRectF boundary();
    QRectF sceneBoundary();
    // What painting covers, in item coordinates: the boundary with the stroke around it.
    virtual QRectF paintedBoundary();

    // A captured area: filled with a piece of the picture. Its pixels are painted as they are,
    // on whole device pixels, and an outline goes around them, never over them.
    bool isArea() const;
    // New items take their default sizes in 1x units; a scene that counts device pixels on a
    // denser screen scales them, so they look the same there.
    virtual void scaleDefaults(double factor);

    QVector3D center();
    void setCenter(const QVector3D& p);

    QVector3D translation() const;
    QVector3D scale() const;
    double rotation_z() const;
    bool hasTranslation() const { return m_data.has_translation(); }
    bool hasRotation() const { return m_data.has_rotation(); }
    bool hasScale() const { return m_data.has_scale(); }

    void setTranslation(const QVector3D& v, bool relative = false);
    void setScale(const QVector3D& v, bool relative = false);
    void setRotation_z(double degrees, bool relative = false);

    const QMatrix4x4& ecs() const { return m_ecs; }
    const QMatrix4x4& ecsInverse() const { return m_ecsInverse; }

    double opacity() const;
    void setOpacity(double opacity);
    unsigned int strokeWidth() const;
    void setStrokeWidth(unsigned int width);
    QColor strokeColor() const;
    void setStrokeColor(const QColor& color);
    bool isFill() const;
    // A solid fill in one colour; switching it off leaves the colour for the next time.
    QColor fillColor() const;
    void setFillColor(const QColor& color);
    void setFilledByColor(bool filled);
    // second is accepted for callers that pass a hover picture; it has no effect.
    void setFillImage(const QPixmap& image, const QPixmap& second = QPixmap());
    // Makes the item a captured area of picture: filled with it, without an outline until
    // the user gives it one.
    void setAreaPicture(const QPixmap& picture);

    void notifyWillChange();
    void notifyHasChanged();

    // Every document message the item holds, encoded one after the other: two items of a class
    // give equal bytes exactly when they are in the same state. A class with a message of its
    // own appends it to its base's.
    virtual QByteArray encodedMessages() const;

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    // Prepares the painter (pen, half-pixel shift, fill brush); subclasses call it, then draw.
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
               QWidget* widget = nullptr) override;

signals:
    void changed(const VGraphicsItem* pItem);

protected:
    virtual QVector<QVector3D> snapPoints();
    // Takes over other's content; false (and nothing changed) for an item of another class.
    virtual bool copy(const VGraphicsItem* other);
    // The whole of a class's copy(), in VGraphicsItemCopy.h: refuses an item of another class,
    // makes the copy one change, lets Base (the class whose copy() this one builds on) copy its
    // part, then takes parts in their order: a pointer to a data member is assigned from
    // other's, a callable runs, for what follows from the members (a cache, a document). A
    // Base other than VGraphicsItem befriends VGraphicsItem, which calls its copy() here.
    template <class Base, class Self, class... Parts>
    static bool copyItem(Self* self, const VGraphicsItem* other, Parts... parts);
    virtual void onChanged() {}

    // One message's share of encodedMessages(), its length first.
    static QByteArray encoded(const google::protobuf::MessageLite& message);

    void setPersistent(bool persistent) { m_bPersistent = persistent; }
    void updateTransform(bool keepPlacement);
    void suppressChangeNotification() { m_bSuppressChange = true; }
    void unsuppressChangeNotification() { m_bSuppressChange = false; }

    // The scale of the view that shows this item, through its layer's scene when persistent.
    double viewScale() const;
    // Paints path as an area (see isArea), with the pen and brush paint() prepared.
    void paintArea(QPainter* painter, const QPainterPath& path);

private:
    QVector3D rotation() const;
    void setRotation(const QVector3D& v, bool relative);
    void setData(const VFileFormat::GraphicsItem& data);

    VFileFormat::GraphicsItem m_data;
    QExplicitlySharedDataPointer<VNamedImage> m_pFillImage;
    QMatrix4x4 m_ecs;
    QMatrix4x4 m_ecsInverse;
    bool m_bPersistent = false;
    // The factory classes recorded for this item's class, looked up once.
    mutable QList<const QMetaObject*> m_gripFactories;
    int m_nChangeDepth = 0;
    bool m_bSuppressChange = false;
};
