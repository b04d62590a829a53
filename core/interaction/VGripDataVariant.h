// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "VGripData.h"

#include <QVariant>

class TALVIKCORE_EXPORT VGripDataVariant : public VGripData
{
public:
    explicit VGripDataVariant(const QVariant& data) : m_data(data) {}

    const QVariant& data() const { return m_data; }
    void setData(const QVariant& data) { m_data = data; }

private:
    QVariant m_data;
};
