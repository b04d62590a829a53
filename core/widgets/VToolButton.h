// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"

#include <QToolButton>

// The tool button of the canvas's panels, a class of its own so style sheets can tell it apart.
class TALVIKCORE_EXPORT VToolButton : public QToolButton
{
    Q_OBJECT

public:
    explicit VToolButton(QWidget* parent = nullptr);
    ~VToolButton() override;
};
