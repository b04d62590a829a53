// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data.pb.h"
#include "TalvikCoreExport.h"
#include "VGraphicsItemRectangle.h"

#include <QImage>

// A rectangle that hides whatever picture lies beneath it by pixelating or blurring it. Only
// the rectangle's own area of the items beneath is ever drawn for it, so its cost follows its
// size, not the size of the picture.
class TALVIKCORE_EXPORT VGraphicsItemObfuscate : public VGraphicsItemRectangle
{
    Q_OBJECT
    Q_PROPERTY(
        Method method READ method WRITE setMethod DESIGNABLE true SCRIPTABLE true STORED true)
    Q_PROPERTY(
        int cellSize READ cellSize WRITE setCellSize DESIGNABLE true SCRIPTABLE true STORED true)

public:
    enum Method
    {
        Pixelate = VFileFormat::GraphicsItemObfuscate::pixelate,
        Blur = VFileFormat::GraphicsItemObfuscate::blur
    };
    Q_ENUM(Method)

    Q_INVOKABLE explicit VGraphicsItemObfuscate(VGraphicsItem* parent);
    Q_INVOKABLE VGraphicsItemObfuscate();
    ~VGraphicsItemObfuscate() override;

    Method method() const;
    void setMethod(Method method);
    // Edge of a block, or the blur's reach, in item units; at least 2.
    int cellSize() const;
    void setCellSize(int size);

    const VFileFormat::GraphicsItemObfuscate& message() const { return m_obfuscateData; }
    void setMessage(const VFileFormat::GraphicsItemObfuscate& message);
    QByteArray encodedMessages() const override;

    // The picture beneath the rectangle r (item coordinates), one pixel per item unit.
    QImage pictureBeneath(const QRectF& r) const;

    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
               QWidget* widget = nullptr) override;

protected:
    bool copy(const VGraphicsItem* other) override;

private:
    VFileFormat::GraphicsItemObfuscate m_obfuscateData;
};
