// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"
#include "VButtonBoard.h"

// A board of line styles; its values are Qt::PenStyle numbers, Qt::NoPen meaning no line.
class TALVIKCORE_EXPORT VButtonBoardPenStyle : public VButtonBoard
{
    Q_OBJECT

public:
    explicit VButtonBoardPenStyle(QWidget* parent);
    ~VButtonBoardPenStyle() override;

    QPixmap createButtonIcon(const QVariant& value) const override;
};
