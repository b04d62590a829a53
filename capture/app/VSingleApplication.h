// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "VSingleInstance.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

class QLocalServer;

// A GUI application that runs once per user: a later start finds the first one through a lock
// file and hands it a message over a local socket.
class VSingleApplication : public QApplication
{
    Q_OBJECT

public:
    VSingleApplication(const QString& id, int& argc, char** argv);
    // With the claim made before the application (and its display connection) existed.
    VSingleApplication(VSingleInstance instance, int& argc, char** argv);
    ~VSingleApplication() override;

    // True when another instance with the same id holds the lock. The first call claims the
    // lock when it is free, so a process that never asks never counts as the instance.
    bool isRunning();

    // Delivers message to the running instance; false when it could not within timeoutMs.
    bool sendMessage(const QString& message, int timeoutMs) const;
    const VSingleInstance& instance() const { return m_instance; }

    // The window raised when a message arrives (if activateOnMessage).
    void setActivationWindow(QWidget* pWindow, bool activateOnMessage = true);
    QWidget* activationWindow() const { return m_pActivationWindow; }

signals:
    void messageReceived(const QString& message);

public slots:
    // Restores, raises and activates the activation window.
    virtual void activateWindow();

protected:
    // Whether a message raises the activation window; all do unless a subclass says otherwise.
    virtual bool activatesWindow(const QString& message) const;

private:
    void listen();
    void onNewConnection();

    VSingleInstance m_instance;
    QLocalServer* m_pServer = nullptr;
    QPointer<QWidget> m_pActivationWindow;
    bool m_bActivateOnMessage = false;
};
