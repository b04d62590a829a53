// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtProperty.h"

#include "QtAbstractPropertyManager.h"

QtProperty::QtProperty(QtAbstractPropertyManager* manager) : m_pManager(manager) {}

QtProperty::~QtProperty() = default;

void QtProperty::setPropertyName(const QString& name)
{
    if (m_name == name)
        return;
    m_name = name;
    propertyChanged();
}

void QtProperty::setEnabled(bool enabled)
{
    if (m_bEnabled == enabled)
        return;
    m_bEnabled = enabled;
    propertyChanged();
}

bool QtProperty::hasValue() const
{
    return m_pManager->hasValue(this);
}

QIcon QtProperty::valueIcon() const
{
    return m_pManager->valueIcon(this);
}

QString QtProperty::valueText() const
{
    return m_pManager->valueText(this);
}

void QtProperty::addSubProperty(QtProperty* property)
{
    insertSubProperty(property, m_subProperties.isEmpty() ? nullptr : m_subProperties.last());
}

void QtProperty::insertSubProperty(QtProperty* property, QtProperty* after)
{
    if (!property || property == this || m_subProperties.contains(property))
        return;
    // A property must never end up below itself.
    QList<QtProperty*> pending = property->m_subProperties;
    while (!pending.isEmpty()) {
        QtProperty* sub = pending.takeLast();
        if (sub == this)
            return;
        pending.append(sub->m_subProperties);
    }
    const qsizetype afterIndex = after ? m_subProperties.indexOf(after) : -1;
    if (after && afterIndex < 0)
        return;
    m_subProperties.insert(afterIndex + 1, property);
    property->m_parents.insert(this);
    emit m_pManager->propertyInserted(property, this, after);
}

void QtProperty::removeSubProperty(QtProperty* property)
{
    if (!m_subProperties.removeOne(property))
        return;
    property->m_parents.remove(this);
    emit m_pManager->propertyRemoved(property, this);
}

void QtProperty::propertyChanged()
{
    emit m_pManager->propertyChanged(this);
}

void QtProperty::detach()
{
    const QSet<QtProperty*> parents = m_parents;
    for (QtProperty* parent : parents)
        parent->removeSubProperty(this);
    for (QtProperty* sub : std::as_const(m_subProperties))
        sub->m_parents.remove(this);
    m_subProperties.clear();
}
