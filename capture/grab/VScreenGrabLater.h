#pragma once

#include "grab/VScreenGrab.h"

#include <QString>

#include <functional>

class QObject;
class QScreen;

// The grab, or why there is none (a sentence for the user).
using ScreenGrabDone = std::function<void(VScreenGrab grab, const QString& whyNot)>;

// Grabs one monitor and hands the grab to done: at once where the desktop lets us read its
// pixels, else once its screenshot service has answered, from the event loop, which runs on
// meanwhile. done is dropped when pContext goes first.
void grabScreenLater(QScreen* pScreen, QObject* pContext, ScreenGrabDone done);
