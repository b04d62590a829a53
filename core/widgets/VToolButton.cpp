#include "VToolButton.h"

VToolButton::VToolButton(QWidget* parent) : QToolButton(parent) {}

VToolButton::~VToolButton() = default;
