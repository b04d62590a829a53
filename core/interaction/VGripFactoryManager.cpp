// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VGripFactoryManager.h"

#include "VGripFactoryAbstract.h"
#include "VGripFactoryBoundary.h"
#include "VGripFactoryImage.h"
#include "VGripFactoryLine.h"
#include "VGripFactoryLocation.h"
#include "VGripFactoryPolygon.h"
#include "VGripFactoryPolyline.h"
#include "VGripFactorySize.h"

template class VSingleton<VGripFactoryManager>;

VGripFactoryManager::VGripFactoryManager()
    : m_extensions(QString::fromLatin1(VGripFactoryAbstract::staticMetaObject.className()))
{
    // The order decides the order of an item's grips.
    add(&VGripFactoryBoundary::staticMetaObject, QStringLiteral("VGraphicsItemRectangle"));
    add(&VGripFactoryImage::staticMetaObject, QStringLiteral("VGraphicsItemImage"));
    add(&VGripFactoryLine::staticMetaObject, QStringLiteral("VGraphicsItemLine"));
    add(&VGripFactoryLocation::staticMetaObject, QStringLiteral("VGraphicsItem"));
    add(&VGripFactoryPolygon::staticMetaObject, QStringLiteral("VGraphicsItemPolygon"));
    add(&VGripFactoryPolyline::staticMetaObject, QStringLiteral("VGraphicsItemPolyline"));
    add(&VGripFactorySize::staticMetaObject, QStringLiteral("VGraphicsItemImage"));
    // A freehand stroke has too many points to grip one by one: it stretches as a whole.
    add(&VGripFactorySize::staticMetaObject, QStringLiteral("VGraphicsItemPen"));
}

bool VGripFactoryManager::add(const QMetaObject* factory, const QString& itemClassName)
{
    return m_extensions.add(factory, itemClassName);
}

QList<const QMetaObject*> VGripFactoryManager::find(const QMetaObject* itemClass) const
{
    return m_extensions.find(itemClass);
}
