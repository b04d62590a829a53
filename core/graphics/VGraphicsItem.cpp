// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VGraphicsItem.h"

#include "data/VDataConvert.h"
#include "foundation/VConfig.h"
#include "foundation/VConstants.h"
#include "foundation/VGlobalResource.h"
#include "foundation/VRestorePainter.h"
#include "interaction/VGrip.h"
#include "interaction/VGripFactoryAbstract.h"
#include "interaction/VGripFactoryManager.h"
#include "VGraphicsHistory.h"
#include "VGraphicsItemChangeNotifier.h"
#include "VGraphicsLayer.h"
#include "VGraphicsScene.h"
#include "VPixelGrid.h"

#include <QDataStream>
#include <QIODevice>
#include <QPainter>
#include <QUuid>

#include <memory>
#include <typeinfo>

VGraphicsItem::VGraphicsItem(VGraphicsItem* parent) : QObject(nullptr), QGraphicsItem(parent)
{
    setFlag(ItemIsSelectable);
    suppressChangeNotification();
    const VConfig* config = VConfig::_instance();
    setStrokeWidth(config ? config->borderLineWidth() : VConfig::defaultBorderLineWidth());
    QColor color = config ? config->borderLineColor() : VConfig::defaultBorderLineColor();
    color.setAlpha(255);
    setStrokeColor(color);
    unsuppressChangeNotification();
}

VGraphicsItem::~VGraphicsItem()
{
    setSelected(false);
    m_pFillImage.reset();
}

VGraphicsItem* VGraphicsItem::clone() const
{
    QObject* object = metaObject()->newInstance();
    auto* item = qobject_cast<VGraphicsItem*>(object);
    if (!item) {
        delete object;
        return nullptr;
    }
    item->copy(this);
    return item;
}

VGraphicsLayer* VGraphicsItem::layer() const
{
    return m_bPersistent ? qobject_cast<VGraphicsLayer*>(scene()) : nullptr;
}

QList<VGrip*>* VGraphicsItem::createGrips() const
{
    if (m_gripFactories.isEmpty())
        m_gripFactories = VGripFactoryManager::instance()->find(metaObject());
    VGraphicsLayer* pLayer = layer();
    if (!pLayer || !pLayer->scene())
        return nullptr;
    VGraphicsScene* pScene = pLayer->scene();
    auto result = std::make_unique<QList<VGrip*>>();
    for (const QMetaObject* meta : std::as_const(m_gripFactories)) {
        std::unique_ptr<QObject> object(meta->newInstance());
        auto* created = qobject_cast<VGripFactoryAbstract*>(object.get());
        if (!created)
            continue;
        object.release();
        // The factory lives exactly as long as the grips it made.
        const QSharedPointer<VGripFactoryAbstract> factory(created);
        QList<VGrip*> grips;
        factory->createGrips(grips, this);
        for (VGrip* grip : std::as_const(grips))
            grip->setFactory(factory);
        result->append(grips);
        connect(created, &VGripFactoryAbstract::dragStarted, pScene,
                &VGraphicsScene::onGripDragStarted);
        connect(created, &VGripFactoryAbstract::dragEnded, pScene,
                &VGraphicsScene::onGripDragEnded);
    }
    return result.release();
}

QRectF VGraphicsItem::boundary()
{
    return shape().boundingRect();
}

QRectF VGraphicsItem::sceneBoundary()
{
    return mapRectToScene(boundary());
}

QRectF VGraphicsItem::paintedBoundary()
{
    // An area's outline lies wholly outside it.
    const double reach = isArea() ? strokeWidth() : strokeWidth() / 2.0;
    return boundary().adjusted(-reach, -reach, reach, reach);
}

bool VGraphicsItem::isArea() const
{
    return m_data.fill().type() == VFileFormat::Paint::byURI && m_pFillImage;
}

void VGraphicsItem::scaleDefaults(double factor)
{
    if (strokeWidth() > 0)
        setStrokeWidth(unsigned(qMax(1L, qRound(strokeWidth() * factor))));
}

QVector3D VGraphicsItem::center()
{
    return m_ecs.map(QVector3D(boundary().center()));
}

void VGraphicsItem::setCenter(const QVector3D& p)
{
    setTranslation(p - center(), true);
}

QVector3D VGraphicsItem::translation() const
{
    return VDataConvert::toVector3D(m_data.translation());
}

QVector3D VGraphicsItem::scale() const
{
    return m_data.has_scale() ? VDataConvert::toVector3D(m_data.scale()) : QVector3D(1, 1, 1);
}

QVector3D VGraphicsItem::rotation() const
{
    return VDataConvert::toVector3D(m_data.rotation());
}

double VGraphicsItem::rotation_z() const
{
    return rotation().z();
}

void VGraphicsItem::setTranslation(const QVector3D& v, bool relative)
{
    VGraphicsItemChangeNotifier notifier(this);
    VDataConvert::assign(m_data.mutable_translation(), relative ? v + translation() : v);
    updateTransform(false);
}

void VGraphicsItem::setScale(const QVector3D& v, bool relative)
{
    VGraphicsItemChangeNotifier notifier(this);
    QVector3D s = relative ? v * scale() : v;
    s.setZ(1.0f);
    VDataConvert::assign(m_data.mutable_scale(), s);
    updateTransform(false);
}

void VGraphicsItem::setRotation(const QVector3D& v, bool relative)
{
    VGraphicsItemChangeNotifier notifier(this);
    VDataConvert::assign(m_data.mutable_rotation(), relative ? v + rotation() : v);
    updateTransform(false);
}

void VGraphicsItem::setRotation_z(double degrees, bool relative)
{
    QVector3D r = rotation();
    r.setZ(float(degrees));
    setRotation(r, relative);
}

void VGraphicsItem::updateTransform(bool keepPlacement)
{
    const QVector3D c(boundary().center());
    QMatrix4x4 m;
    m.translate(-c);
    if (m_data.has_scale()) {
        QMatrix4x4 s;
        s.scale(scale());
        m = s * m;
    }
    if (m_data.has_rotation()) {
        QMatrix4x4 r;
        r.rotate(rotation().z(), VConstants::Z_AXIS);
        m = r * m;
    }
    QVector3D p = c;
    if (m_data.has_translation())
        p += translation();
    QMatrix4x4 t;
    t.translate(p);
    m = t * m;
    if (keepPlacement) {
        const QVector3D d = m_ecs.map(p) - m.map(p);
        if (d != QVector3D(0, 0, 0)) {
            VDataConvert::assign(m_data.mutable_translation(), translation() + d);
            QMatrix4x4 shift;
            shift.translate(d);
            m = shift * m;
        }
    }
    setTransform(m.toTransform());
    m_ecs = m;
    m_ecsInverse = m.inverted();
}

double VGraphicsItem::opacity() const
{
    return m_data.opacity();
}

void VGraphicsItem::setOpacity(double opacity)
{
    VGraphicsItemChangeNotifier notifier(this);
    m_data.set_opacity(float(opacity));
    QGraphicsItem::setOpacity(opacity);
}

unsigned int VGraphicsItem::strokeWidth() const
{
    // A stored document may hold anything; a negative width reads as none.
    const float width = m_data.strokewidth();
    return width > 0 ? static_cast<unsigned int>(width) : 0u;
}

void VGraphicsItem::setStrokeWidth(unsigned int width)
{
    VGraphicsItemChangeNotifier notifier(this);
    m_data.set_strokewidth(float(width));
}

QColor VGraphicsItem::strokeColor() const
{
    return QColor::fromRgba(static_cast<QRgb>(m_data.stroke().color()));
}

void VGraphicsItem::setStrokeColor(const QColor& color)
{
    VGraphicsItemChangeNotifier notifier(this);
    m_data.mutable_stroke()->set_color(static_cast<qint32>(color.rgba()));
}

bool VGraphicsItem::isFill() const
{
    return m_data.fill().type() != VFileFormat::Paint::none;
}

QColor VGraphicsItem::fillColor() const
{
    return QColor::fromRgba(QRgb(m_data.fill().color()));
}

void VGraphicsItem::setFillColor(const QColor& color)
{
    VGraphicsItemChangeNotifier notifier(this);
    m_data.mutable_fill()->set_color(int(color.rgba()));
}

void VGraphicsItem::setFilledByColor(bool filled)
{
    VGraphicsItemChangeNotifier notifier(this);
    m_data.mutable_fill()->set_type(filled ? VFileFormat::Paint::byColor
                                           : VFileFormat::Paint::none);
}

void VGraphicsItem::setFillImage(const QPixmap& image, const QPixmap& second)
{
    Q_UNUSED(second);
    if (image.isNull())
        return;
    m_data.mutable_fill()->set_type(VFileFormat::Paint::byURI);
    m_pFillImage = QExplicitlySharedDataPointer<VNamedImage>(new VNamedImage(image));
    m_data.mutable_fill()->set_uri(m_pFillImage->id().toString().toStdString());
}

void VGraphicsItem::setAreaPicture(const QPixmap& picture)
{
    VGraphicsItemChangeNotifier notifier(this);
    setFillImage(picture);
    setStrokeWidth(0);
}

void VGraphicsItem::notifyWillChange()
{
    if (m_nChangeDepth == 0) {
        // Edits made while an outer change closes belong to that change.
        if (m_bPersistent && !m_bSuppressChange) {
            if (const VGraphicsLayer* pLayer = layer(); pLayer && pLayer->scene())
                pLayer->scene()->history().itemWillChange(this);
        }
        prepareGeometryChange();
        if (!m_bPersistent && scene())
            scene()->invalidate(sceneBoundingRect(), QGraphicsScene::ItemLayer);
    }
    ++m_nChangeDepth;
}

void VGraphicsItem::notifyHasChanged()
{
    --m_nChangeDepth;
    if (m_nChangeDepth != 0 || m_bSuppressChange)
        return;
    m_bSuppressChange = true;
    updateTransform(true);
    if (m_bPersistent) {
        onChanged();
        if (VGraphicsLayer* pLayer = layer())
            pLayer->onItemChanged(this);
        emit changed(this);
    }
    m_bSuppressChange = false;
}

QByteArray VGraphicsItem::encodedMessages() const
{
    return encoded(m_data);
}

QByteArray VGraphicsItem::encoded(const google::protobuf::MessageLite& message)
{
    const std::string bytes = message.SerializeAsString();
    QByteArray result;
    QDataStream(&result, QIODevice::WriteOnly) << quint32(bytes.size());
    result.append(bytes.data(), qsizetype(bytes.size()));
    return result;
}

QRectF VGraphicsItem::boundingRect() const
{
    // Room for antialiasing and the half-pixel shift.
    constexpr double margin = 2;
    return const_cast<VGraphicsItem*>(this)->paintedBoundary().adjusted(-margin, -margin, margin,
                                                                        margin);
}

QPainterPath VGraphicsItem::shape() const
{
    return QPainterPath();
}

double VGraphicsItem::viewScale() const
{
    if (auto* pScene = qobject_cast<const VGraphicsScene*>(scene()))
        return pScene->scale();
    if (const VGraphicsLayer* pLayer = qobject_cast<const VGraphicsLayer*>(scene()))
        return pLayer->scene() ? pLayer->scene()->scale() : 1.0;
    return 1.0;
}

void VGraphicsItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
                          QWidget* widget)
{
    Q_UNUSED(option);
    Q_UNUSED(widget);
    const double h = 0.5 / (viewScale() * VPixelGrid::devicePixelRatio(*painter));
    // Persistent items get the same shift from the scene when it draws its layers.
    if (scene() && scene()->metaObject() == &VGraphicsScene::staticMetaObject)
        painter->translate(h, h);

    QPen pen;
    pen.setColor(strokeColor());
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    if (strokeWidth() > 0) {
        pen.setWidth(int(strokeWidth()));
    } else if (m_bPersistent && !isSelected()) {
        pen = QPen(Qt::NoPen);
    } else {
        // An invisible outline still shows while it is selected or being drawn.
        pen.setWidth(1);
        pen.setStyle(Qt::DotLine);
    }
    painter->setPen(pen);

    if (m_data.fill().type() == VFileFormat::Paint::byURI && m_pFillImage) {
        QBrush brush(m_pFillImage->image());
        // Keeps the picture on scene pixels despite the half-pixel shift.
        brush.setTransform(QTransform::fromTranslate(-h, -h));
        painter->setBrush(brush);
    } else if (m_data.fill().type() == VFileFormat::Paint::byColor) {
        painter->setBrush(fillColor());
    }
}

void VGraphicsItem::paintArea(QPainter* painter, const QPainterPath& path)
{
    const QPen pen = painter->pen();
    QBrush picture = painter->brush();
    if (strokeWidth() > 0) {
        // Twice as wide, centred on the edge: the inner half goes under the picture.
        QPen outside = pen;
        outside.setWidthF(2.0 * strokeWidth());
        painter->setPen(outside);
        painter->setBrush(Qt::NoBrush);
        painter->drawPath(path);
    }
    {
        VRestorePainter restore(*painter);
        VPixelGrid::alignToDevicePixels(*painter);
        picture.setTransform(QTransform());
        painter->setPen(Qt::NoPen);
        painter->setBrush(picture);
        painter->drawPath(path);
    }
    // An invisible outline still shows while selected.
    if (strokeWidth() == 0 && pen.style() != Qt::NoPen) {
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        painter->drawPath(path);
    }
}

QVector<QVector3D> VGraphicsItem::snapPoints()
{
    return {QVector3D(boundary().center())};
}

bool VGraphicsItem::copy(const VGraphicsItem* other)
{
    if (!other || typeid(*other) != typeid(*this))
        return false;
    setData(other->m_data);
    m_ecs = other->m_ecs;
    m_ecsInverse = other->m_ecsInverse;
    return true;
}

void VGraphicsItem::setData(const VFileFormat::GraphicsItem& data)
{
    m_data.CopyFrom(data);
    if (m_data.fill().type() == VFileFormat::Paint::byURI)
        m_pFillImage = VGlobalResource::instance()->image(
            QUuid::fromString(QString::fromStdString(m_data.fill().uri())));
    else
        m_pFillImage.reset();
    QGraphicsItem::setOpacity(m_data.opacity());
}
