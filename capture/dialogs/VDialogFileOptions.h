// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class VDialogFileOptions;
}

// Edits the templates of automatic file and sub-folder names, with live previews.
class VDialogFileOptions : public QDialog
{
    Q_OBJECT

public:
    explicit VDialogFileOptions(QWidget* parent);
    ~VDialogFileOptions() override;

    // The preview of a template: invalid characters dropped, time variables expanded.
    static QString preview(const QString& format);

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void on_lineEditSubFolderFormat_textChanged(const QString& text);
    void on_lineEditFileNameFormat_textChanged(const QString& text);
    void on_buttonBox_accepted();

private:
    // A template that would leave the save folder is explained and cannot be accepted.
    void checkTemplates();

    std::unique_ptr<Ui::VDialogFileOptions> m_pUi;
};
