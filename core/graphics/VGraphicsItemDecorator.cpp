#include "VGraphicsItemDecorator.h"

VGraphicsItemDecorator::VGraphicsItemDecorator(VGraphicsItem* parent) : VGraphicsItem(parent) {}

VGraphicsItemDecorator::~VGraphicsItemDecorator() = default;
