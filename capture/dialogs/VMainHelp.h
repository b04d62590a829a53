// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QAction;
class QMenu;
class QWidget;

// The main dialog's help menu and about box, and the pages they open.
class VMainHelp : public QObject
{
    Q_OBJECT

public:
    explicit VMainHelp(QWidget* pDialog);

    QMenu* menu() const { return m_pMenu; }
    // The menu's entries again, in the current language; without "Tell a Friend" until
    // addTellFriend() brings it back.
    void fill();
    // Once the banner that offered it is gone, the menu does; a second call adds nothing.
    void addTellFriend();

    static void openSupportMail();
    static void openIssueForm();
    static void openProductPage();
    static void openSharePage();
    static void showAbout(QWidget* pParent);

private:
    QMenu* m_pMenu = nullptr;
    QAction* m_pTellFriendAction = nullptr;
};
