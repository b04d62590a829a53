// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRasterWindow>
#include <QString>

// A small frameless window beside the window being scrolled, outside it so that no grab sees
// it: rows so far and how to stop. A window of the toolkit's GUI part, so the command line,
// which runs without widgets, shows it too.
class VScrollProgress : public QRasterWindow
{
    Q_OBJECT

public:
    // deviceRect: the scrolled window, device pixels. Stays hidden where the screen has no room
    // around it.
    explicit VScrollProgress(const QRect& deviceRect);

    void setRows(qint64 rows);

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    QString m_text;
};
