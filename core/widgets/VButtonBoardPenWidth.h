// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"
#include "VButtonBoard.h"

// A board of line widths; its values are ints, 0 meaning no line.
class TALVIKCORE_EXPORT VButtonBoardPenWidth : public VButtonBoard
{
    Q_OBJECT

public:
    explicit VButtonBoardPenWidth(QWidget* parent);
    ~VButtonBoardPenWidth() override;

    QPixmap createButtonIcon(const QVariant& value) const override;
};
