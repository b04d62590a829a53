// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>

// The updater's own settings file (organisation "Morvane", application "TalvikUpdate").
// The store is opened at each access rather than at static initialisation, so that it is
// found where the environment points when the program actually runs.
class VUpdateSettings
{
public:
    // Until when the updater keeps quiet; now when unset or unreadable.
    static QDateTime remindUntil();
    static void setRemindUntil(const QDateTime& until);
};
