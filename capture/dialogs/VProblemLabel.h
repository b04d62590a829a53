// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

// Says what is wrong with an entry, in a red that reads on the window's own colour, light or
// dark, and follows it when the colours change.
class VProblemLabel : public QLabel
{
    Q_OBJECT

public:
    explicit VProblemLabel(QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void applyColour();
};
