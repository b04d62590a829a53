// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VGlobalResource.h"

template class VSingleton<VGlobalResource>;

QExplicitlySharedDataPointer<VNamedImage> VGlobalResource::image(const QUuid& id) const
{
    return QExplicitlySharedDataPointer<VNamedImage>(m_images.value(id));
}

void VGlobalResource::addImage(VNamedImage* pImage)
{
    m_images.insert(pImage->id(), pImage);
}

void VGlobalResource::removeImage(const QUuid& id)
{
    m_images.remove(id);
}
