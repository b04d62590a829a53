// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtAbstractPropertyManager.h"

QtAbstractPropertyManager::QtAbstractPropertyManager(QObject* parent) : QObject(parent) {}

QtAbstractPropertyManager::~QtAbstractPropertyManager()
{
    // The browsers still hear of it; a subclass that keeps data per property clears itself.
    clear();
}

QSet<QtProperty*> QtAbstractPropertyManager::properties() const
{
    QSet<QtProperty*> result;
    for (const auto& entry : m_properties)
        result.insert(entry.second.get());
    return result;
}

bool QtAbstractPropertyManager::contains(const QtProperty* property) const
{
    return m_properties.count(property) != 0;
}

QtProperty* QtAbstractPropertyManager::addProperty(const QString& name)
{
    std::unique_ptr<QtProperty> owned(new QtProperty(this));
    QtProperty* property = owned.get();
    property->m_name = name;
    m_properties.emplace(property, std::move(owned));
    initializeProperty(property);
    return property;
}

void QtAbstractPropertyManager::deleteProperty(QtProperty* property)
{
    auto node = m_properties.extract(property);
    if (node.empty())
        return;
    emit propertyDestroyed(property);
    uninitializeProperty(property);
    property->detach();
}

void QtAbstractPropertyManager::clear()
{
    while (!m_properties.empty())
        deleteProperty(m_properties.begin()->second.get());
}

bool QtAbstractPropertyManager::hasValue(const QtProperty* /*property*/) const
{
    return true;
}

QIcon QtAbstractPropertyManager::valueIcon(const QtProperty* /*property*/) const
{
    return QIcon();
}

QString QtAbstractPropertyManager::valueText(const QtProperty* /*property*/) const
{
    return QString();
}

void QtAbstractPropertyManager::uninitializeProperty(QtProperty* /*property*/) {}
