// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"

#include <QIcon>
#include <QList>
#include <QSet>
#include <QString>

#include <memory>

class QtAbstractPropertyManager;

// One entry of a property browser: a name, a value that its manager holds and formats, and
// sub-properties. Its manager creates and deletes it.
class TALVIKCORE_EXPORT QtProperty
{
    friend class QtAbstractPropertyManager;
    friend struct std::default_delete<QtProperty>;

public:
    QtProperty(const QtProperty&) = delete;
    QtProperty& operator=(const QtProperty&) = delete;

    QtAbstractPropertyManager* propertyManager() const { return m_pManager; }
    QList<QtProperty*> subProperties() const { return m_subProperties; }

    QString propertyName() const { return m_name; }
    void setPropertyName(const QString& name);
    bool isEnabled() const { return m_bEnabled; }
    void setEnabled(bool enabled);

    bool hasValue() const;
    QIcon valueIcon() const;
    QString valueText() const;

    void addSubProperty(QtProperty* property);
    // After after, or first for a null after.
    void insertSubProperty(QtProperty* property, QtProperty* after);
    void removeSubProperty(QtProperty* property);

protected:
    explicit QtProperty(QtAbstractPropertyManager* manager);
    virtual ~QtProperty();

    // Tells the browsers showing the property to show it again.
    void propertyChanged();

private:
    // Leaves its parents and lets its sub-properties go.
    void detach();

    QtAbstractPropertyManager* m_pManager;
    QString m_name;
    bool m_bEnabled = true;
    QList<QtProperty*> m_subProperties;
    QSet<QtProperty*> m_parents;
};
