// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "output/VDelivery.h"

#include <QDialog>

#include <memory>

namespace Ui {
class VDialogPromptTarget;
}

// Asks where a full-screen or scrolling capture goes: the clipboard, a file, or nowhere.
class VDialogPromptTarget : public QDialog
{
    Q_OBJECT

public:
    // The caller keeps the image alive while the dialog runs.
    VDialogPromptTarget(QWidget* parent, QImage* pImage);
    ~VDialogPromptTarget() override;

    // Where the capture went, once the chooser has closed.
    const VDelivery& delivery() const { return m_delivery; }

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void on_buttonCancel_clicked();
    void on_buttonFile_clicked();
    void on_buttonClipboard_clicked();

private:
    std::unique_ptr<Ui::VDialogPromptTarget> m_pUi;
    QImage* m_pImage;
    VDelivery m_delivery;
};
