// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "QtProperty.h"
#include "TalvikCoreExport.h"

#include <QObject>

#include <map>
#include <memory>

// Creates, holds and formats properties of one kind; browsers follow its signals.
class TALVIKCORE_EXPORT QtAbstractPropertyManager : public QObject
{
    Q_OBJECT
    friend class QtProperty;

public:
    explicit QtAbstractPropertyManager(QObject* parent = nullptr);
    ~QtAbstractPropertyManager() override;

    QSet<QtProperty*> properties() const;
    bool contains(const QtProperty* property) const;
    QtProperty* addProperty(const QString& name = QString());
    // Deletes the property; the browsers showing it drop it.
    void deleteProperty(QtProperty* property);
    // Deletes every property.
    void clear();

signals:
    void propertyInserted(QtProperty* property, QtProperty* parent, QtProperty* after);
    void propertyChanged(QtProperty* property);
    void propertyRemoved(QtProperty* property, QtProperty* parent);
    void propertyDestroyed(QtProperty* property);

protected:
    virtual bool hasValue(const QtProperty* property) const;
    virtual QIcon valueIcon(const QtProperty* property) const;
    virtual QString valueText(const QtProperty* property) const;
    virtual void initializeProperty(QtProperty* property) = 0;
    virtual void uninitializeProperty(QtProperty* property);

private:
    std::map<const QtProperty*, std::unique_ptr<QtProperty>> m_properties;
};
