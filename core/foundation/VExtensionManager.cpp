// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VExtensionManager.h"

#include "VUtility.h"

#include <QDebug>
#include <QMetaObject>

VExtensionManager::VExtensionManager(const QString& baseClassName) : m_baseClassName(baseClassName)
{
}

bool VExtensionManager::add(const QMetaObject* extension, const QString& targetClassName)
{
    if (!VUtility::isInherits(extension, m_baseClassName))
        return false;
    const QByteArray signature = QByteArray(extension->className()) + "()";
    if (extension->indexOfConstructor(signature.constData()) < 0) {
        qDebug().noquote() << QStringLiteral("class %1 default constructor should be Q_INVOKABLE")
                                  .arg(QLatin1String(extension->className()));
        return false;
    }
    m_extensions[targetClassName].append(extension);
    return true;
}

QList<const QMetaObject*> VExtensionManager::find(const QMetaObject* target) const
{
    QList<const QMetaObject*> result;
    for (const QMetaObject* meta = target; meta; meta = meta->superClass())
        result += m_extensions.value(QLatin1String(meta->className()));
    return result;
}
