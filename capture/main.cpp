#include "app/VCaptureMain.h"

int main(int argc, char* argv[])
{
    return captureMain(argc, argv);
}
