// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QRect>

class QPainter;

namespace zindle::qt {

// Paints rectangles and one-pixel lines on whole device pixels, whatever
// the scale factor: a rectangle's edges are rounded one by one, so that
// neighbours meet exactly, and a one-pixel line is as many device pixels
// wide as the whole part of the scale (one at 1.25 and 1.5, two at 2), so
// that every edge is one even line. Coordinates are the painter's, in
// logical pixels, with no transformation of its own.
class DevicePixels {
public:
    explicit DevicePixels(QPainter& painter);

    QRect map(const QRect& logical) const;
    int lineWidth() const;
    void fill(const QRect& logical, const QColor& colour) const;
    // A one-pixel border along the inside of the edges of `logical`.
    void frame(const QRect& logical, const QColor& colour) const;
    // One-pixel lines from x1 to x2 (or y1 to y2), both included.
    void hline(int x1, int x2, int y, const QColor& colour) const;
    void vline(int x, int y1, int y2, const QColor& colour) const;

private:
    int device(int logical) const;
    void fillDevice(const QRect& device, const QColor& colour) const;

    QPainter& painter_;
    qreal ratio_;
};

}  // namespace zindle::qt
