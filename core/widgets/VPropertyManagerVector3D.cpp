// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VPropertyManagerVector3D.h"

#include "propertybrowser/QtVariantPropertyManager.h"

#include <QScopedValueRollback>

#include <cmath>

VPropertyManagerVector3D::VPropertyManagerVector3D(QtVariantPropertyManager* subManager,
                                                   QObject* parent)
    : QtAbstractPropertyManager(parent), m_pSubManager(subManager)
{
    connect(subManager, &QtVariantPropertyManager::valueChanged, this,
            &VPropertyManagerVector3D::onDoubleChanged);
    connect(subManager, &QtAbstractPropertyManager::propertyDestroyed, this,
            &VPropertyManagerVector3D::onPropertyDestroyed);
}

VPropertyManagerVector3D::~VPropertyManagerVector3D()
{
    clear();
}

QVector3D VPropertyManagerVector3D::value(const QtProperty* property) const
{
    return m_values.value(property).value;
}

void VPropertyManagerVector3D::setRange(QtProperty* property, double minimum, double maximum)
{
    const auto it = m_values.find(property);
    if (it == m_values.end())
        return;
    it->minimum = minimum;
    it->maximum = maximum;
    for (QtProperty* sub : {m_xOf.value(property), m_yOf.value(property)}) {
        if (!sub)
            continue;
        m_pSubManager->setAttribute(sub, QStringLiteral("minimum"), minimum);
        m_pSubManager->setAttribute(sub, QStringLiteral("maximum"), maximum);
    }
}

QString VPropertyManagerVector3D::format(const QVector3D& value)
{
    return QStringLiteral("(%1, %2)").arg(value.x(), 0, 'f', 2).arg(value.y(), 0, 'f', 2);
}

void VPropertyManagerVector3D::setValue(QtProperty* property, const QVector3D& value)
{
    const auto it = m_values.find(property);
    if (it == m_values.end())
        return;
    if (!std::isfinite(value.x()) || !std::isfinite(value.y()) || !std::isfinite(value.z()))
        return;
    const QVector3D bounded(float(qBound(it->minimum, double(value.x()), it->maximum)),
                            float(qBound(it->minimum, double(value.y()), it->maximum)), value.z());
    // While the items disagree the held value is no one's, so even an equal one is news.
    if (it->valueSet && qFuzzyCompare(it->value, bounded) && !isVarious(property))
        return;
    it->value = bounded;
    it->valueSet = true;
    {
        // The sub-properties follow; their echo is not a new edit.
        const QScopedValueRollback<bool> syncing(m_bSyncing, true);
        if (QtProperty* x = m_xOf.value(property))
            m_pSubManager->setValue(x, double(bounded.x()));
        if (QtProperty* y = m_yOf.value(property))
            m_pSubManager->setValue(y, double(bounded.y()));
    }
    emit propertyChanged(property);
    emit valueChanged(property, bounded);
}

bool VPropertyManagerVector3D::hasValue(const QtProperty* property) const
{
    return m_values.contains(property);
}

QString VPropertyManagerVector3D::valueText(const QtProperty* property) const
{
    const auto it = m_values.constFind(property);
    if (it == m_values.constEnd())
        return tr("undefined");
    return isVarious(property) ? variousText() : format(it->value);
}

void VPropertyManagerVector3D::initializeProperty(QtProperty* property)
{
    m_values.insert(property, Data());
    QtProperty* x = m_pSubManager->addProperty(QMetaType::Double, QStringLiteral("X"));
    QtProperty* y = m_pSubManager->addProperty(QMetaType::Double, QStringLiteral("Y"));
    m_xOf.insert(property, x);
    m_yOf.insert(property, y);
    m_ownerOfX.insert(x, property);
    m_ownerOfY.insert(y, property);
    property->addSubProperty(x);
    property->addSubProperty(y);
}

void VPropertyManagerVector3D::uninitializeProperty(QtProperty* property)
{
    forgetVarious(property);
    if (QtProperty* x = m_xOf.take(property)) {
        m_ownerOfX.remove(x);
        m_pSubManager->deleteProperty(x);
    }
    if (QtProperty* y = m_yOf.take(property)) {
        m_ownerOfY.remove(y);
        m_pSubManager->deleteProperty(y);
    }
    m_values.remove(property);
}

void VPropertyManagerVector3D::refreshDisplay(QtProperty* property)
{
    emit propertyChanged(property);
}

void VPropertyManagerVector3D::onDoubleChanged(QtProperty* property, const QVariant& value)
{
    if (m_bSyncing || value.metaType().id() != QMetaType::Double)
        return;
    if (QtProperty* ownerX = m_ownerOfX.value(property)) {
        QVector3D v = m_values.value(ownerX).value;
        v.setX(float(value.toDouble()));
        setValue(ownerX, v);
    } else if (QtProperty* ownerY = m_ownerOfY.value(property)) {
        QVector3D v = m_values.value(ownerY).value;
        v.setY(float(value.toDouble()));
        setValue(ownerY, v);
    }
}

void VPropertyManagerVector3D::onPropertyDestroyed(QtProperty* property)
{
    if (QtProperty* owner = m_ownerOfX.take(property))
        m_xOf.remove(owner);
    if (QtProperty* owner = m_ownerOfY.take(property))
        m_yOf.remove(owner);
}
