// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VDialogFileOptions.h"

#include "config/VConfigCapture.h"
#include "foundation/VUtility.h"
#include "output/VFileNameTemplate.h"
#include "ui_VDialogFileOptions.h"

#include <QPushButton>

VDialogFileOptions::VDialogFileOptions(QWidget* parent)
    : QDialog(parent, Qt::WindowSystemMenuHint), m_pUi(std::make_unique<Ui::VDialogFileOptions>())
{
    m_pUi->setupUi(this);
    m_pUi->labelProblem->hide();
    const VConfigCapture* pConfig = VConfigCapture::instance();
    m_pUi->groupBoxCreateSubfolders->setChecked(pConfig->isCreateSubfolders());
    m_pUi->lineEditFileNameFormat->setText(pConfig->fileNameFormat());
    on_lineEditFileNameFormat_textChanged(m_pUi->lineEditFileNameFormat->text());
    m_pUi->lineEditSubFolderFormat->setText(pConfig->subFolderFormat());
    on_lineEditSubFolderFormat_textChanged(m_pUi->lineEditSubFolderFormat->text());
}

VDialogFileOptions::~VDialogFileOptions() = default;

QString VDialogFileOptions::preview(const QString& format)
{
    QString text = format;
    VUtility::removeFileNameInvalidChar(text);
    return VUtility::convertTimeVariables(text);
}

void VDialogFileOptions::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        // The form's own texts would replace what the user typed.
        const QString fileName = m_pUi->lineEditFileNameFormat->text();
        const QString subFolder = m_pUi->lineEditSubFolderFormat->text();
        m_pUi->retranslateUi(this);
        m_pUi->lineEditFileNameFormat->setText(fileName);
        m_pUi->lineEditSubFolderFormat->setText(subFolder);
        checkTemplates();
    }
    QDialog::changeEvent(event);
}

void VDialogFileOptions::on_lineEditSubFolderFormat_textChanged(const QString& text)
{
    m_pUi->lineEditSubFolderPreview->setText(preview(text));
    checkTemplates();
}

void VDialogFileOptions::on_lineEditFileNameFormat_textChanged(const QString& text)
{
    m_pUi->lineEditFileNamePreview->setText(preview(text));
    checkTemplates();
}

void VDialogFileOptions::checkTemplates()
{
    QString problem = VFileNameTemplate::problem(m_pUi->lineEditFileNameFormat->text());
    if (problem.isEmpty())
        problem = VFileNameTemplate::problem(m_pUi->lineEditSubFolderFormat->text());
    m_pUi->labelProblem->setText(problem);
    m_pUi->labelProblem->setVisible(!problem.isEmpty());
    m_pUi->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(problem.isEmpty());
}

void VDialogFileOptions::on_buttonBox_accepted()
{
    VConfigCapture* pConfig = VConfigCapture::instance();
    pConfig->setCreateSubfolders(m_pUi->groupBoxCreateSubfolders->isChecked());
    pConfig->setFileNameFormat(m_pUi->lineEditFileNameFormat->text());
    pConfig->setSubFolderFormat(m_pUi->lineEditSubFolderFormat->text());
}
