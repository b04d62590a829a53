#pragma once

// The program entry of TalvikCapture.
int captureMain(int argc, char* argv[]);
