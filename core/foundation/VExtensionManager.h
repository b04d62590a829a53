// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"

#include <QList>
#include <QMap>
#include <QString>

struct QMetaObject;

// Records extension classes per target class and finds them for a class and its bases.
// Extensions are created with QMetaObject::newInstance(), so each needs a Q_INVOKABLE default
// constructor.
class TALVIKCORE_EXPORT VExtensionManager
{
public:
    explicit VExtensionManager(const QString& baseClassName);

    // Refuses classes that do not inherit the base class or cannot be default-constructed.
    bool add(const QMetaObject* extension, const QString& targetClassName);

    // The most derived class's extensions first, then each base class's upwards.
    QList<const QMetaObject*> find(const QMetaObject* target) const;

private:
    QMap<QString, QList<const QMetaObject*>> m_extensions;
    QString m_baseClassName;
};
