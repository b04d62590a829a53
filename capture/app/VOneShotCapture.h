// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QTextStream;
class VPlatformDirect;
struct VCommandLine;

// A capture from the command line: grab the monitor under the pointer, write the file, print
// its path. Needs the GUI application object. Returns the process exit code.
int runOneShotCapture(const VCommandLine& commandLine, QTextStream& out, QTextStream& err);

class QString;

// Keeps the picture that --clipboard left in file on this process's clipboard and removes the
// file; false for a file that is not such a picture.
bool takeClipboardPicture(const QString& file);

// The background process of --clipboard on a desktop without the running instance: serves the
// picture until another program takes the clipboard over. Returns the exit code.
int serveClipboard(const QString& file);

// Prints the monitors for --list-monitors, in the order --monitor counts them. Needs the GUI
// application object. Returns the exit code.
int listMonitors(QTextStream& out);

// A full-screen capture from the command line on a desktop reached without the GUI toolkit,
// under a core application object only.
int runOneShotCapture(const VCommandLine& commandLine, VPlatformDirect& desktop, QTextStream& out,
                      QTextStream& err);
