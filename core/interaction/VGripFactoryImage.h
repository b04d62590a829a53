#pragma once

#include "VGripFactoryAbstract.h"

// Holds an image's place in the factory order; its size grips come from the size factory.
class TALVIKCORE_EXPORT VGripFactoryImage : public VGripFactoryAbstract
{
    Q_OBJECT

public:
    Q_INVOKABLE VGripFactoryImage() = default;

    void createGrips(QList<VGrip*>& grips, const VGraphicsItem* pItem) const override;

private slots:
    void gripMoved(VGrip* pGrip, VGraphicsItem* pItem);
};
