// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"

#include <QPixmap>
#include <QSharedData>
#include <QUuid>

// A picture with a process-wide unique id, shared through QExplicitlySharedDataPointer.
// It is listed in the global resources for exactly as long as it exists.
class TALVIKCORE_EXPORT VNamedImage : public QSharedData
{
public:
    explicit VNamedImage(const QPixmap& image);
    virtual ~VNamedImage();

    VNamedImage(const VNamedImage&) = delete;
    VNamedImage& operator=(const VNamedImage&) = delete;

    const QUuid& id() const { return m_id; }
    const QPixmap& image() const { return m_image; }

private:
    QUuid m_id;
    QPixmap m_image;
};
