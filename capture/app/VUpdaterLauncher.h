#pragma once

#include <QString>
#include <QStringList>

// The updater lives beside the capture program.
QString updaterProgram();
// Product key, display name, update description address, running version.
QStringList updaterArguments();

// Starts the updater detached when automatic updates are on; a missing updater is not an error.
void startUpdater();
