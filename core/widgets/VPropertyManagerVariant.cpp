// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VPropertyManagerVariant.h"

VPropertyManagerVariant::VPropertyManagerVariant(QObject* parent) : QtVariantPropertyManager(parent)
{
}

VPropertyManagerVariant::~VPropertyManagerVariant()
{
    clear();
}

void VPropertyManagerVariant::setValue(QtProperty* property, const QVariant& value)
{
    const QVariant accepted = acceptableValue(property, value);
    if (isVarious(property) && accepted.isValid() && accepted == this->value(property)) {
        emit valueChanged(property, accepted);
        return;
    }
    QtVariantPropertyManager::setValue(property, value);
}

QString VPropertyManagerVariant::valueText(const QtProperty* property) const
{
    return isVarious(property) ? variousText() : QtVariantPropertyManager::valueText(property);
}

QIcon VPropertyManagerVariant::valueIcon(const QtProperty* property) const
{
    return isVarious(property) ? QIcon() : QtVariantPropertyManager::valueIcon(property);
}

void VPropertyManagerVariant::uninitializeProperty(QtProperty* property)
{
    forgetVarious(property);
    QtVariantPropertyManager::uninitializeProperty(property);
}

void VPropertyManagerVariant::refreshDisplay(QtProperty* property)
{
    emit propertyChanged(property);
}
