// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "foundation/VExtensionManager.h"
#include "foundation/VSingleton.h"
#include "TalvikCoreExport.h"

#include <QList>

struct QMetaObject;

class VGripFactoryManager;
// Instantiated once, inside the library.
extern template class TALVIKCORE_EXPORT VSingleton<VGripFactoryManager>;

// The grip factories of every item class, found for a class and its bases.
class TALVIKCORE_EXPORT VGripFactoryManager : public VSingleton<VGripFactoryManager>
{
public:
    // Refuses classes that are no grip factory or cannot be default-constructed.
    bool add(const QMetaObject* factory, const QString& itemClassName);
    // The item class's own factories first, then those of each base class upwards.
    QList<const QMetaObject*> find(const QMetaObject* itemClass) const;

protected:
    VGripFactoryManager();
    ~VGripFactoryManager() override = default;

private:
    friend class VSingleton<VGripFactoryManager>;

    VExtensionManager m_extensions;
};
