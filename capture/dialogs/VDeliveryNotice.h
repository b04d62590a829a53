// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "output/VDelivery.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>

class QSystemTrayIcon;
class QWidget;

// Tells the user where a capture went: a tray message whose click opens the file's folder, or,
// with no tray to speak from, a short note on the monitor the capture came from.
class VDeliveryNotice : public QObject
{
    Q_OBJECT

public:
    VDeliveryNotice(QSystemTrayIcon* pTray, QObject* pParent);
    ~VDeliveryNotice() override;

    // place: the captured monitor, in the toolkit's coordinates.
    void announce(const VDelivery& delivery, const QRect& place);

    static QString text(const VDelivery& delivery);
    // The note shown when there is no tray, while it is up.
    QWidget* note() const { return m_pNote; }

private:
    void openFolder() const;

    QSystemTrayIcon* m_pTray;
    QString m_folder;
    QPointer<QWidget> m_pNote;
};
