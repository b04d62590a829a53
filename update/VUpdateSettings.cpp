// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VUpdateSettings.h"

#include <QSettings>

namespace {

const QString kRemindUntil = QStringLiteral("RemindUntil");

QSettings store()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Morvane"),
                     QStringLiteral("TalvikUpdate"));
}

} // namespace

QDateTime VUpdateSettings::remindUntil()
{
    const QDateTime until = store().value(kRemindUntil).toDateTime();
    return until.isValid() ? until : QDateTime::currentDateTime();
}

void VUpdateSettings::setRemindUntil(const QDateTime& until)
{
    store().setValue(kRemindUntil, until);
}
