// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VDialogPromptTarget.h"

#include "output/VOutput.h"
#include "ui_VDialogPromptTarget.h"
#include "VVCapture.h"

#include <QLayout>
#include <QMessageBox>

VDialogPromptTarget::VDialogPromptTarget(QWidget* parent, QImage* pImage)
    : QDialog(parent), m_pUi(std::make_unique<Ui::VDialogPromptTarget>()), m_pImage(pImage)
{
    m_pUi->setupUi(this);
    // As tall as the three choices need at the form's width, with no blank below them.
    resize(width(), layout()->totalHeightForWidth(width()));
}

VDialogPromptTarget::~VDialogPromptTarget() = default;

void VDialogPromptTarget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        m_pUi->retranslateUi(this);
    QDialog::changeEvent(event);
}

void VDialogPromptTarget::on_buttonCancel_clicked()
{
    close();
}

void VDialogPromptTarget::on_buttonFile_clicked()
{
    // Always asks for a name here, whatever the naming method. Until a file is written the
    // chooser stays, so a cancelled name or a failed write never throws the capture away.
    QString error;
    QString path;
    if (outputImage(*m_pImage, VV::OutputFile, true, &error, &path)) {
        m_delivery = {VDelivery::Kind::Saved, path};
        close();
        return;
    }
    if (!error.isEmpty())
        QMessageBox::warning(this, tr("Error"), tr("Failed to save the file: %1").arg(error));
}

void VDialogPromptTarget::on_buttonClipboard_clicked()
{
    if (outputImage(*m_pImage, VV::OutputClipboard, true))
        m_delivery = {VDelivery::Kind::Copied, QString()};
    close();
}
