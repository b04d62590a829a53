// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "output/VDelivery.h"

#include <QImage>
#include <QString>

#include <functional>
#include <optional>

class QPoint;
class QRect;
class QWidget;
class VGraphicsScene;

// Where the overlay sends its picture. Each says where it went, or nothing when it did not:
// the work then stays on the overlay for another try, and the user has been told why.
namespace VOverlayOutput {

using SaveTarget = std::function<bool(const QImage& picture, QString* pError)>;

// To saveTarget when there is one, else to a file by the output settings.
std::optional<VDelivery> save(QWidget* pParent, const QImage& picture,
                              const SaveTarget& saveTarget);
std::optional<VDelivery> copy(QWidget* pParent, const QImage& picture);
void print(QWidget* pParent, VGraphicsScene* scene);
// A window picked for a scrolling capture: its whole content, and the output chooser for it.
// Nothing when the user gave up.
std::optional<VDelivery> scrollingWindow(const QRect& deviceRect, const QPoint& devicePoint);

} // namespace VOverlayOutput
