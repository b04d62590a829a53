// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VMainHelp.h"

#include "VCaptureInfo.h"

#include <QDesktopServices>
#include <QIcon>
#include <QMenu>
#include <QMessageBox>
#include <QUrl>

VMainHelp::VMainHelp(QWidget* pDialog) : QObject(pDialog), m_pMenu(new QMenu(pDialog)) {}

void VMainHelp::fill()
{
    m_pMenu->clear();
    m_pTellFriendAction = nullptr;
    m_pMenu->addAction(QIcon(QStringLiteral(":/images/mail_post_to.png")), tr("Email Support"),
                       this, &VMainHelp::openSupportMail);
    m_pMenu->addAction(QIcon(QStringLiteral(":/images/form.png")), tr("Submit Issue Online"), this,
                       &VMainHelp::openIssueForm);
    m_pMenu->addAction(QIcon(QStringLiteral(":/images/internet.png")), tr("Product Homepage"), this,
                       &VMainHelp::openProductPage);
}

void VMainHelp::addTellFriend()
{
    if (!m_pTellFriendAction)
        m_pTellFriendAction =
            m_pMenu->addAction(QIcon(QStringLiteral(":/images/bookmark.png")), tr("Tell a Friend"),
                               this, &VMainHelp::openSharePage);
}

void VMainHelp::openSupportMail()
{
    QDesktopServices::openUrl(QUrl(VCaptureInfo::supportMailUrl()));
}

void VMainHelp::openIssueForm()
{
    QDesktopServices::openUrl(QUrl(VCaptureInfo::issueFormUrl()));
}

void VMainHelp::openProductPage()
{
    QDesktopServices::openUrl(QUrl(VCaptureInfo::productPageUrl()));
}

void VMainHelp::openSharePage()
{
    QDesktopServices::openUrl(QUrl(VCaptureInfo::sharePageUrl()));
}

void VMainHelp::showAbout(QWidget* pParent)
{
    QMessageBox box(pParent);
    box.setWindowTitle(tr("About Morvane Screen Capture"));
    box.setIconPixmap(QPixmap(QStringLiteral(":/images/App48.png")));
    box.setTextFormat(Qt::RichText);
    box.setText(tr("<h3>%1</h3><p>Version %2</p><p><a href=\"%3\">%3</a></p>")
                    .arg(VCaptureInfo::displayName(), VCaptureInfo::version(),
                         VCaptureInfo::makerSiteUrl()));
    box.setTextInteractionFlags(Qt::TextBrowserInteraction);
    box.exec();
}
