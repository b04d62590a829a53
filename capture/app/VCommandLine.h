#pragma once

#include <QString>
#include <QStringList>

// What the command line asks for.
struct VCommandLine
{
    enum class Action
    {
        Start,   // the interactive application
        Capture, // one capture, then exit
        Help,
        Version,
        Invalid,
    };

    Action action = Action::Start;
    QString captureMode; // "region", "window", "scrolling" or "fullscreen"
    QString outputFile;  // empty: the automatic name
    int delayMs = 0;
    QString error;    // for Invalid
    QString helpText; // for Help and Invalid

    // arguments includes the program path, as QCoreApplication::arguments() does.
    static VCommandLine parse(const QStringList& arguments);

    // Whether the raw arguments only ask for help or the version, so no display is needed.
    static bool asksForTextOnly(int argc, char* argv[]);
};
