// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "grab/VScreenGrab.h"

#include <QList>
#include <QString>

#include <functional>

class QObject;
class QScreen;

// The grab, or why there is none (a sentence for the user).
using ScreenGrabDone = std::function<void(VScreenGrab grab, const QString& whyNot)>;

// Grabs the monitors (as grabScreens does) and hands the grab to done: at once where the desktop
// lets us read its pixels, else once its screenshot service has answered, from the event loop,
// which runs on meanwhile. done is dropped when pContext goes first.
void grabScreenLater(const QList<QScreen*>& screens, QObject* pContext, ScreenGrabDone done);
