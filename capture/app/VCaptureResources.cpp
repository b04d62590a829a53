#include "VCaptureResources.h"

#include <QtGlobal>

static void registerCaptureResources()
{
    Q_INIT_RESOURCE(capture);
}

void initCaptureResources()
{
    static const bool registered = (registerCaptureResources(), true);
    Q_UNUSED(registered);
}
