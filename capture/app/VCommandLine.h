// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

// What the command line asks for.
struct VCommandLine
{
    enum class Action
    {
        Start,   // the interactive application
        Capture, // a capture: one-shot, or asked from the running instance
        Help,
        HelpAll, // also the toolkit's options
        Version,
        ListMonitors,
        ServeClipboard, // the background process that keeps a picture on the clipboard
        Invalid,
    };

    Action action = Action::Start;
    QString captureMode;        // "region", "window", "scrolling" or "fullscreen"
    QString outputFile;         // a one-shot capture into this file; "-" for standard output
    QString format;             // "png", "jpg" or "bmp"; empty: the suffix or the settings choose
    bool autoName = false;      // a one-shot capture under the automatic name
    bool clipboard = false;     // a one-shot capture onto the clipboard, besides any file
    bool printGeometry = false; // a region picked in the overlay is printed, not written
    QString clipboardFile;      // ServeClipboard: the picture to serve, removed once it is served
    bool autorun = false;       // started at log-on: the dialog stays hidden
    int delayMs = 0;
    QPoint at; // a one-shot window capture: the window under this global point
    bool atGiven = false;
    bool active = false; // a one-shot window capture: the window with the keyboard focus
    QRect region;        // a one-shot of this area of the desktop, in its pixels; null for none
    QString monitor;     // an index or a name of --list-monitors, or "all"; empty: the pointer's
    QString error;       // for Invalid
    QString helpText;    // for Help and Invalid
    // Arguments that are neither options of the program nor "/autorun": reported, then left
    // alone, so a launcher that adds its own still opens the program.
    QStringList unknownArguments;
    // Options of the toolkit's own (-display, -platform...) were given: only it may act on them.
    bool toolkitOptions = false;

    // A capture written straight to a file, without the interactive application.
    bool isOneShot() const
    {
        return !outputFile.isEmpty() || autoName || clipboard || printGeometry;
    }
    bool isStandardOutput() const { return outputFile == QLatin1String("-"); }
    // A one-shot whose area the user picks in the overlay.
    bool isInteractive() const
    {
        return isOneShot() && (captureMode == QLatin1String("region") ||
                               (captureMode == QLatin1String("window") && !atGiven && !active));
    }

    // 0 region, 1 window, 2 scrolling, 3 full screen; -1 for any other word.
    static int captureModeIndex(const QString& mode);

    // arguments includes the program path, as QCoreApplication::arguments() does.
    static VCommandLine parse(const QStringList& arguments);

    // One line per unknown argument, for standard error.
    QString warnings() const;

    // The help and the options the toolkit takes.
    QString helpAllText() const;

    // Whether the raw arguments only ask for help or the version, so no display is needed.
    static bool asksForTextOnly(int argc, char* argv[]);
};
