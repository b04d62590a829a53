// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VWidgetPropertyBrowser.h"

#include "graphics/VGraphicsItem.h"
#include "propertybrowser/QtVariantEditorFactory.h"
#include "VCanvas.h"
#include "VEditorFactoryVector3D.h"
#include "VPropertyAccess.h"
#include "VPropertyManagerVariant.h"
#include "VPropertyManagerVector3D.h"
#include "VPropertyRange.h"

#include <QMetaEnum>
#include <QScopedValueRollback>

namespace {

// Whether objects of meta have candidate itself: the same declaration, inherited from the class
// that declares it. A class declaring the name anew gives it another index.
bool hasDeclaration(const QMetaObject* meta, const QMetaProperty& candidate)
{
    return meta->indexOfProperty(candidate.name()) == candidate.propertyIndex() &&
           meta->inherits(candidate.enclosingMetaObject());
}

// As the variant manager holds it: an enumeration by the index of its key.
QVariant shown(const QMetaProperty& property, const QVariant& value)
{
    if (!property.isEnumType() || !value.isValid())
        return value;
    const QMetaEnum meta = property.enumerator();
    const int raw = value.toInt();
    for (int i = 0; i < meta.keyCount(); ++i)
        if (meta.value(i) == raw)
            return i;
    return QVariant();
}

QVariant stored(const QMetaProperty& property, const QVariant& value)
{
    return property.isEnumType() ? QVariant(property.enumerator().value(value.toInt())) : value;
}

} // namespace

VWidgetPropertyBrowser::VWidgetPropertyBrowser(QWidget* parent, VCanvas* canvas)
    : QtTreePropertyBrowser(parent)
    , m_pCanvas(canvas)
    , m_pVariantManager(new VPropertyManagerVariant(this))
    , m_pVariantFactory(new QtVariantEditorFactory(this))
    , m_pVectorManager(new VPropertyManagerVector3D(m_pVariantManager, this))
    , m_pVectorFactory(new VEditorFactoryVector3D(this))
{
    if (canvas)
        connect(canvas, &VCanvas::selectionChanged, this, &VWidgetPropertyBrowser::setItems);
    setFactoryForManager<QtVariantPropertyManager>(m_pVariantManager, m_pVariantFactory);
    setFactoryForManager(m_pVectorManager, m_pVectorFactory);
    connectSignals();
}

VWidgetPropertyBrowser::~VWidgetPropertyBrowser()
{
    // Open editors close while everything they report to still exists, and report nowhere.
    disconnectSignals();
    for (const QMetaObject::Connection& connection : std::as_const(m_itemConnections))
        disconnect(connection);
    m_propertyMap.clear();
    clear();
    m_pVectorManager->clear();
    m_pVariantManager->clear();
}

QList<VGraphicsItem*> VWidgetPropertyBrowser::items() const
{
    QList<VGraphicsItem*> result;
    for (const QPointer<VGraphicsItem>& item : m_items)
        if (item)
            result.append(item);
    return result;
}

void VWidgetPropertyBrowser::setItems(QList<VGraphicsItem*> items)
{
    // Items that left the selection are let go: they can neither refresh the browser nor be
    // written any more.
    for (const QMetaObject::Connection& connection : std::as_const(m_itemConnections))
        disconnect(connection);
    m_itemConnections.clear();
    m_items.clear();
    for (VGraphicsItem* item : std::as_const(items)) {
        if (!item)
            continue;
        m_items.append(item);
        m_itemConnections.append(
            connect(item, &VGraphicsItem::changed, this, &VWidgetPropertyBrowser::onItemChanged));
        m_itemConnections.append(
            connect(item, &QObject::destroyed, this, &VWidgetPropertyBrowser::forgetItem));
    }
    resetProperties();
}

void VWidgetPropertyBrowser::forgetItem(QObject* item)
{
    QList<VGraphicsItem*> remaining;
    for (const QPointer<VGraphicsItem>& kept : std::as_const(m_items))
        if (kept && kept.data() != item)
            remaining.append(kept);
    setItems(remaining);
}

void VWidgetPropertyBrowser::resetProperties()
{
    // An editor closing now reports its text; it must reach neither the old items nor the
    // new ones.
    disconnectSignals();
    m_propertyMap.clear();
    clear();
    m_pVectorManager->clear();
    m_pVariantManager->clear();
    const QList<VGraphicsItem*> selected = items();
    if (selected.isEmpty()) {
        connectSignals();
        return;
    }

    disconnect(this, &QtTreePropertyBrowser::collapsed, this,
               &VWidgetPropertyBrowser::onCollaplsed);
    disconnect(this, &QtTreePropertyBrowser::expanded, this, &VWidgetPropertyBrowser::onExpanded);

    const QMetaObject* first = selected.first()->metaObject();
    QList<QMetaProperty> candidates;
    for (int i = VGraphicsItem::staticMetaObject.propertyOffset(); i < first->propertyCount(); ++i)
        candidates.append(first->property(i));
    for (qsizetype n = 1; n < selected.size(); ++n) {
        const QMetaObject* meta = selected.at(n)->metaObject();
        candidates.removeIf(
            [meta](const QMetaProperty& candidate) { return !hasDeclaration(meta, candidate); });
    }

    for (const QMetaProperty& metaProperty : std::as_const(candidates)) {
        QtProperty* property = createProperty(metaProperty);
        if (!property) {
            qDebug("Failed to add property:%s", metaProperty.name());
            continue;
        }
        property->setEnabled(metaProperty.isWritable());
        QtBrowserItem* item = addProperty(property);
        m_propertyMap.insert(property, metaProperty);
        setExpanded(item, m_expandedNames.contains(property->propertyName()));
    }

    connect(this, &QtTreePropertyBrowser::collapsed, this, &VWidgetPropertyBrowser::onCollaplsed);
    connect(this, &QtTreePropertyBrowser::expanded, this, &VWidgetPropertyBrowser::onExpanded);
    updateProperties();
}

QtProperty* VWidgetPropertyBrowser::createProperty(const QMetaProperty& metaProperty)
{
    const QString name = QString::fromLatin1(metaProperty.name());
    const VPropertyRange range = VPropertyRange::of(metaProperty.name());
    const int type = metaProperty.metaType().id();
    if (type == QMetaType::QVector3D) {
        QtProperty* property = m_pVectorManager->addProperty(name);
        m_pVectorManager->setRange(property, range.minimum, range.maximum);
        return property;
    }
    if (metaProperty.isEnumType()) {
        QtProperty* property =
            m_pVariantManager->addProperty(QtVariantPropertyManager::enumTypeId(), name);
        QStringList keys;
        const QMetaEnum meta = metaProperty.enumerator();
        for (int i = 0; i < meta.keyCount(); ++i)
            keys.append(QString::fromLatin1(meta.key(i)));
        m_pVariantManager->setAttribute(property, QStringLiteral("enumNames"), keys);
        return property;
    }
    const bool integer = type == QMetaType::UInt || type == QMetaType::Int;
    const bool real = type == QMetaType::Double || type == QMetaType::Float;
    QtProperty* property = m_pVariantManager->addProperty(integer ? int(QMetaType::Int)
                                                          : real  ? int(QMetaType::Double)
                                                                  : type,
                                                          name);
    if (property && (integer || real)) {
        // The maximum first: a minimum above the default maximum would be taken back.
        m_pVariantManager->setAttribute(property, QStringLiteral("maximum"), range.maximum);
        m_pVariantManager->setAttribute(property, QStringLiteral("minimum"),
                                        type == QMetaType::UInt ? qMax(0.0, range.minimum)
                                                                : range.minimum);
        m_pVariantManager->setAttribute(property, QStringLiteral("singleStep"), range.singleStep);
        if (real)
            m_pVariantManager->setAttribute(property, QStringLiteral("decimals"), range.decimals);
    }
    return property;
}

void VWidgetPropertyBrowser::updateProperties()
{
    disconnectSignals();
    const QList<VGraphicsItem*> selected = items();
    for (auto it = m_propertyMap.cbegin(); it != m_propertyMap.cend(); ++it) {
        QtProperty* property = it.key();
        const QMetaProperty& metaProperty = it.value();
        QVariant value;
        if (!selected.isEmpty()) {
            value = VPropertyAccess::read(selected.first(), metaProperty);
            for (qsizetype n = 1; n < selected.size() && value.isValid(); ++n)
                if (VPropertyAccess::read(selected.at(n), metaProperty) != value)
                    value = QVariant();
        }
        const bool vector = property->propertyManager() == m_pVectorManager;
        VPropertyVariousChecker* checker =
            vector ? static_cast<VPropertyVariousChecker*>(m_pVectorManager) : m_pVariantManager;
        if (value.isValid()) {
            checker->setVarious(property, false);
            if (vector)
                m_pVectorManager->setValue(property, value.value<QVector3D>());
            else
                m_pVariantManager->setValue(property, shown(metaProperty, value));
        } else {
            checker->setVarious(property, true);
        }
        for (QtProperty* sub : property->subProperties())
            sub->setEnabled(value.isValid());
    }
    connectSignals();
}

void VWidgetPropertyBrowser::connectSignals()
{
    if (!m_managerConnections.isEmpty())
        return;
    m_managerConnections = {
        connect(m_pVariantManager, &QtVariantPropertyManager::valueChanged, this,
                qOverload<QtProperty*, QVariant>(&VWidgetPropertyBrowser::onValueChanged)),
        connect(m_pVectorManager, &VPropertyManagerVector3D::valueChanged, this,
                qOverload<QtProperty*, QVector3D>(&VWidgetPropertyBrowser::onValueChanged)),
        connect(m_pVariantManager, &QtAbstractPropertyManager::propertyDestroyed, this,
                &VWidgetPropertyBrowser::onPropertyDestroyed),
        connect(m_pVectorManager, &QtAbstractPropertyManager::propertyDestroyed, this,
                &VWidgetPropertyBrowser::onPropertyDestroyed)};
}

void VWidgetPropertyBrowser::disconnectSignals()
{
    for (const QMetaObject::Connection& connection : std::as_const(m_managerConnections))
        disconnect(connection);
    m_managerConnections.clear();
}

void VWidgetPropertyBrowser::onValueChanged(QtProperty* property, QVector3D value)
{
    writeToItems(property, QVariant(value));
}

void VWidgetPropertyBrowser::onValueChanged(QtProperty* property, QVariant value)
{
    const auto it = m_propertyMap.constFind(property);
    writeToItems(property, it == m_propertyMap.cend() ? value : stored(it.value(), value));
}

void VWidgetPropertyBrowser::writeToItems(QtProperty* property, const QVariant& value)
{
    const auto it = m_propertyMap.constFind(property);
    if (it == m_propertyMap.cend())
        return;
    const QMetaProperty metaProperty = it.value();
    {
        // One refresh for all of them, below.
        const QScopedValueRollback<bool> writing(m_bWriting, true);
        for (VGraphicsItem* item : items())
            VPropertyAccess::write(item, metaProperty, value);
    }
    // Also when an item refused the value or changed it: the browser shows what they hold.
    updateProperties();
}

void VWidgetPropertyBrowser::onPropertyDestroyed(QtProperty* property)
{
    m_propertyMap.remove(property);
}

void VWidgetPropertyBrowser::onItemChanged(const VGraphicsItem* /*item*/)
{
    if (!m_bWriting)
        updateProperties();
}

void VWidgetPropertyBrowser::onCollaplsed(QtBrowserItem* item)
{
    m_expandedNames.remove(item->property()->propertyName());
}

void VWidgetPropertyBrowser::onExpanded(QtBrowserItem* item)
{
    m_expandedNames.insert(item->property()->propertyName());
}
