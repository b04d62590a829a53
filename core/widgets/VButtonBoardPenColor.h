// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"
#include "VButtonBoard.h"

#include <QColor>

// A board of colour swatches; its values are QColors.
class TALVIKCORE_EXPORT VButtonBoardPenColor : public VButtonBoard
{
    Q_OBJECT

public:
    explicit VButtonBoardPenColor(QWidget* parent);
    ~VButtonBoardPenColor() override;

    // The 70 colours of the colour board: 10 base colours, five rows of shades of each, and a
    // row of strong colours. At 8 bits per channel, like the colours items store, so an item's
    // colour compares equal to the swatch it was chosen from.
    static const QVector<QColor>& colors();

    QPixmap createButtonIcon(const QVariant& value) const override;
};
