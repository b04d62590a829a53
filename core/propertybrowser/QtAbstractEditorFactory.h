// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "QtAbstractPropertyManager.h"
#include "TalvikCoreExport.h"

#include <QObject>
#include <QSet>

class QWidget;

// What a browser asks of an editor factory, whatever manager class it serves.
class TALVIKCORE_EXPORT QtAbstractEditorFactoryBase : public QObject
{
    Q_OBJECT

public:
    // Null when the property belongs to none of the factory's managers.
    virtual QWidget* createEditor(QtProperty* property, QWidget* parent) = 0;

protected:
    explicit QtAbstractEditorFactoryBase(QObject* parent = nullptr) : QObject(parent) {}
};

// Makes editors for the properties of managers of one class. An editor writes what the user
// commits into the manager; the factory keeps it showing the manager's value.
template <class PropertyManager>
class QtAbstractEditorFactory : public QtAbstractEditorFactoryBase
{
public:
    explicit QtAbstractEditorFactory(QObject* parent = nullptr)
        : QtAbstractEditorFactoryBase(parent)
    {
    }

    QWidget* createEditor(QtProperty* property, QWidget* parent) override
    {
        PropertyManager* manager = propertyManager(property);
        return manager ? createEditor(manager, property, parent) : nullptr;
    }

    void addPropertyManager(PropertyManager* manager)
    {
        if (!manager || m_managers.contains(manager))
            return;
        m_managers.insert(manager);
        connectPropertyManager(manager);
        QObject::connect(manager, &QObject::destroyed, this,
                         [this, manager] { m_managers.remove(manager); });
    }

    void removePropertyManager(PropertyManager* manager)
    {
        if (!m_managers.remove(manager))
            return;
        QObject::disconnect(manager, &QObject::destroyed, this, nullptr);
        disconnectPropertyManager(manager);
    }

    QSet<PropertyManager*> propertyManagers() const { return m_managers; }

    PropertyManager* propertyManager(const QtProperty* property) const
    {
        for (PropertyManager* manager : m_managers)
            if (manager == property->propertyManager())
                return manager;
        return nullptr;
    }

protected:
    virtual void connectPropertyManager(PropertyManager* manager) = 0;
    virtual QWidget* createEditor(PropertyManager* manager, QtProperty* property,
                                  QWidget* parent) = 0;
    virtual void disconnectPropertyManager(PropertyManager* manager) = 0;

private:
    QSet<PropertyManager*> m_managers;
};
