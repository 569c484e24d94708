// SPDX-License-Identifier: MIT
#include "qt/device_pixels.h"

#include <QPainter>
#include <QPaintDevice>

#include <algorithm>
#include <cmath>

namespace zindle::qt {

DevicePixels::DevicePixels(QPainter& painter)
    : painter_(painter), ratio_(painter.device()->devicePixelRatioF())
{
}

// Halves round down, so that at 1.5 an edge at 104.5 device pixels and the
// edge of the next pixel's rectangle agree.
int DevicePixels::device(int logical) const { return static_cast<int>(std::ceil(logical * ratio_ - 0.5)); }

int DevicePixels::lineWidth() const { return std::max(1, static_cast<int>(ratio_)); }

QRect DevicePixels::map(const QRect& r) const
{
    return QRect(QPoint(device(r.left()), device(r.top())),
                 QPoint(device(r.right() + 1) - 1, device(r.bottom() + 1) - 1));
}

void DevicePixels::fillDevice(const QRect& rect, const QColor& colour) const
{
    painter_.save();
    painter_.scale(1 / ratio_, 1 / ratio_);
    painter_.fillRect(rect, colour);
    painter_.restore();
}

void DevicePixels::fill(const QRect& logical, const QColor& colour) const { fillDevice(map(logical), colour); }

// The border lies inside the rectangle's device edges, each edge as wide as
// a line: at a whole scale exactly the device pixels of the rectangle's
// outermost logical pixels.
void DevicePixels::frame(const QRect& logical, const QColor& colour) const
{
    const QRect d = map(logical);
    const int w = std::min({lineWidth(), d.width(), d.height()});
    fillDevice({d.left(), d.top(), d.width(), w}, colour);
    fillDevice({d.left(), d.bottom() - w + 1, d.width(), w}, colour);
    fillDevice({d.left(), d.top(), w, d.height()}, colour);
    fillDevice({d.right() - w + 1, d.top(), w, d.height()}, colour);
}

void DevicePixels::hline(int x1, int x2, int y, const QColor& colour) const
{
    const QRect d = map(QRect(QPoint(std::min(x1, x2), y), QPoint(std::max(x1, x2), y)));
    fillDevice({d.left(), d.top(), d.width(), lineWidth()}, colour);
}

void DevicePixels::vline(int x, int y1, int y2, const QColor& colour) const
{
    const QRect d = map(QRect(QPoint(x, std::min(y1, y2)), QPoint(x, std::max(y1, y2))));
    fillDevice({d.left(), d.top(), lineWidth(), d.height()}, colour);
}

}  // namespace zindle::qt
