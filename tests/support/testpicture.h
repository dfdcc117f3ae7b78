// Made-up photos for the converter's tests and benchmarks.
#pragma once

#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdint>

// Smooth gradients, soft rings, shapes and a little grain, so that it has many distinct colours in runs,
// as a photograph has.
inline QImage MadeUpPhoto(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    std::uint32_t seed = 12345;
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const double v = static_cast<double>(y) / height;
        for (int x = 0; x < width; ++x) {
            const double u = static_cast<double>(x) / width;
            const double ring = 0.5 + 0.5 * std::sin(18.0 * std::hypot(u - 0.35, v - 0.4));
            seed = seed * 1664525u + 1013904223u;
            const int grain = static_cast<int>(seed >> 29) - 4;
            const int r = static_cast<int>(40 + 180 * u * ring) + grain;
            const int g = static_cast<int>(60 + 150 * v) + grain;
            const int b = static_cast<int>(200 - 140 * u * v + 40 * ring) + grain;
            line[x] = qRgb(qBound(0, r, 255), qBound(0, g, 255), qBound(0, b, 255));
        }
    }
    // A sun, a hill and a house front: flat areas with hard edges.
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 210, 60));
    painter.drawEllipse(QPointF(width * 0.8, height * 0.2), width * 0.08, width * 0.08);
    QLinearGradient hill(0, height * 0.6, 0, height);
    hill.setColorAt(0, QColor(70, 150, 60));
    hill.setColorAt(1, QColor(20, 70, 30));
    painter.setBrush(hill);
    painter.drawEllipse(QPointF(width * 0.3, height * 1.1), width * 0.6, height * 0.5);
    painter.setBrush(QColor(170, 60, 50));
    painter.drawRect(QRectF(width * 0.55, height * 0.55, width * 0.2, height * 0.3));
    painter.setBrush(QColor(230, 230, 210));
    painter.drawRect(QRectF(width * 0.6, height * 0.62, width * 0.05, height * 0.08));
    return image;
}

// Smooth gradients over all three channels with strong grain in each channel apart, as a noisy photo
// at full resolution has: at 1920 x 1080 over a million distinct colours, few runs.
inline QImage GrainyPhoto(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    std::uint32_t seed = 2024;
    const auto grain = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<int>(seed >> 27) - 16;
    };
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const double v = static_cast<double>(y) / height;
        for (int x = 0; x < width; ++x) {
            const double u = static_cast<double>(x) / width;
            const int r = static_cast<int>(255 * u) + grain();
            const int g = static_cast<int>(255 * v) + grain();
            const int b = static_cast<int>(128 + 110 * std::sin(6.0 * (u + v))) + grain();
            line[x] = qRgb(qBound(0, r, 255), qBound(0, g, 255), qBound(0, b, 255));
        }
    }
    return image;
}
