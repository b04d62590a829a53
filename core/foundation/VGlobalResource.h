// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"
#include "VNamedImage.h"
#include "VSingleton.h"

#include <QExplicitlySharedDataPointer>
#include <QHash>
#include <QUuid>

class VGlobalResource;
// Instantiated once, inside the library.
extern template class TALVIKCORE_EXPORT VSingleton<VGlobalResource>;

// The process-wide table from id to named image; turns a stored id back into its picture.
class TALVIKCORE_EXPORT VGlobalResource : public VSingleton<VGlobalResource>
{
public:
    // Null when no image with that id exists (any more, or yet).
    QExplicitlySharedDataPointer<VNamedImage> image(const QUuid& id) const;

protected:
    VGlobalResource() = default;
    ~VGlobalResource() override = default;

    void addImage(VNamedImage* pImage);
    void removeImage(const QUuid& id);

private:
    friend class VSingleton<VGlobalResource>;
    friend class VNamedImage;

    // Not owned: each image adds and removes itself.
    QHash<QUuid, VNamedImage*> m_images;
};
