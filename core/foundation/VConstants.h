#pragma once

#include "TalvikCoreExport.h"

#include <QVector3D>

class TALVIKCORE_EXPORT VConstants
{
public:
    static const QVector3D X_AXIS;
    static const QVector3D Y_AXIS;
    static const QVector3D Z_AXIS;
};
