// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <memory>

class QLockFile;

// The claim to be the one running instance of a user, and the way a later start reaches that
// instance. It needs no application object, so a start that only hands its request over can
// decide so before it opens a connection to the display.
class VSingleInstance
{
public:
    explicit VSingleInstance(const QString& id);
    VSingleInstance(VSingleInstance&& other) noexcept;
    VSingleInstance& operator=(VSingleInstance&& other) noexcept;
    ~VSingleInstance();

    // True when this process is the instance. The first call takes the lock when it is free
    // (or left by a process that died) and keeps it for the life of this object; while it is not
    // the instance, each call tries again, as the instance may have died since.
    bool claim();

    // Where the instance listens for messages.
    QString serverName() const;

    // Delivers message to the instance; false when it could not within timeoutMs. An instance
    // that is still starting is waited for, so a burst of starts loses no request.
    bool sendMessage(const QString& message, int timeoutMs) const;

private:
    QString m_id;
    std::unique_ptr<QLockFile> m_pLock;
    bool m_bPrimary = false;
};
