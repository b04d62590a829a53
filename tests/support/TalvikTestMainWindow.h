// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

namespace TalvikTest {

// A main window as the application's dialog is: it announces its showing and hiding.
class MainWindow : public QWidget
{
    Q_OBJECT

signals:
    void shown();
    void hidden();

protected:
    void showEvent(QShowEvent* event) override
    {
        QWidget::showEvent(event);
        emit shown();
    }
    void hideEvent(QHideEvent* event) override
    {
        QWidget::hideEvent(event);
        emit hidden();
    }
};

} // namespace TalvikTest
