#pragma once

#include "TalvikCoreExport.h"
#include "VGraphicsItem.h"

// An item without geometry of its own.
class TALVIKCORE_EXPORT VGraphicsItemDecorator : public VGraphicsItem
{
    Q_OBJECT

public:
    explicit VGraphicsItemDecorator(VGraphicsItem* parent = nullptr);
    ~VGraphicsItemDecorator() override;
};
