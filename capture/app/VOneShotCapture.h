#pragma once

class QTextStream;
struct VCommandLine;

// A capture from the command line: grab the monitor under the pointer, write the file, print
// its path. Needs the GUI application object. Returns the process exit code.
int runOneShotCapture(const VCommandLine& commandLine, QTextStream& out, QTextStream& err);
