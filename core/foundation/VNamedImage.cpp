// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VNamedImage.h"

#include "VGlobalResource.h"

VNamedImage::VNamedImage(const QPixmap& image) : m_id(QUuid::createUuid()), m_image(image)
{
    VGlobalResource::instance()->addImage(this);
}

VNamedImage::~VNamedImage()
{
    VGlobalResource::instance()->removeImage(m_id);
}
