// The overlays drawn into a 32-bit picture.
#pragma once

#include "common/packedcolor_picture.h"
#include "level/leveloverlays.h"

#include <QImage>
#include <algorithm>

class ImageOverlayCanvas : public OverlayCanvas {
public:
    // The picture is 32-bit RGB.
    explicit ImageOverlayCanvas(QImage& image) : mImage(image) {}
    int width() const override { return mImage.width(); }
    int height() const override { return mImage.height(); }
    void fill(int y, int x0, int x1, PackedColor color) override
    {
        QRgb* line = reinterpret_cast<QRgb*>(mImage.scanLine(y));
        std::fill(line + x0, line + x1 + 1, ToQRgb(color));
    }

private:
    QImage& mImage;
};
