// SPDX-License-Identifier: MIT
#include "qt/laid_out.h"

#include "game/frmzindle.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace zindle::testing {

namespace {

class Device {
public:
    Device(QImage& image, double scale) : painter_(&image), scale_(scale), line_(std::max(1, int(scale))) {}

    int at(int logical) const { return static_cast<int>(std::ceil(logical * scale_ - 0.5)); }
    QRect map(const form::Rect& r) const
    {
        const int x = form::pixels(r.left), y = form::pixels(r.top);
        return QRect(QPoint(at(x), at(y)), QPoint(at(x + form::pixels(r.width)) - 1, at(y + form::pixels(r.height)) - 1));
    }
    void fill(const QRect& r, form::Colour c) { painter_.fillRect(r, QColor(c.red(), c.green(), c.blue())); }
    void border(const QRect& r, form::Colour c)
    {
        fill({r.left(), r.top(), r.width(), line_}, c);
        fill({r.left(), r.bottom() - line_ + 1, r.width(), line_}, c);
        fill({r.left(), r.top(), line_, r.height()}, c);
        fill({r.right() - line_ + 1, r.top(), line_, r.height()}, c);
    }
    void line(const form::LinePoints& p, form::Colour c)
    {
        line(form::pixels(p.x1), form::pixels(p.y1), form::pixels(p.x2), form::pixels(p.y2), c);
    }
    // A line across or down between two logical pixels, both included.
    void line(int xa, int ya, int xb, int yb, form::Colour c)
    {
        const bool across = ya == yb;
        const int x1 = std::min(xa, xb), x2 = std::max(xa, xb), y1 = std::min(ya, yb), y2 = std::max(ya, yb);
        fill(QRect(QPoint(at(x1), at(y1)), QPoint(across ? at(x2 + 1) - 1 : at(x1) + line_ - 1,
                                                  across ? at(y1) + line_ - 1 : at(y2 + 1) - 1)), c);
    }

private:
    QPainter painter_;
    double scale_;
    int line_;
};

const form::ControlLayout& buttonEntry()
{
    static const std::vector<form::ControlLayout> layout = game::frmzindleLayout();
    return *std::find_if(layout.begin(), layout.end(),
                         [](const form::ControlLayout& e) { return e.kind == form::Kind::PushButton; });
}

}  // namespace

QImage laidOut(const qt::FormWindow& window, double scale)
{
    QImage image(static_cast<int>(std::lround(form::pixels(form::kClientWidth) * scale)),
                 static_cast<int>(std::lround(form::pixels(form::kClientHeight) * scale)), QImage::Format_RGB32);
    image.fill(Qt::black);
    Device device(image, scale);
    for (const auto& item : window.surface().items()) {
        const form::ControlLayout& e = item->entry();
        if (!item->isVisible())
            continue;
        if (e.kind == form::Kind::Line) {
            device.line(static_cast<const qt::DrawnLine&>(*item).points(), e.backColour);
        } else if (e.style == form::StyleId::Tile) {
            const auto& slot = form::slotLook(e.group);
            device.fill(device.map(e.rect), item->isEnabled() ? slot.colour : slot.pale);
            device.border(device.map(e.rect), form::colours::black);
        } else {
            device.fill(device.map(e.rect), e.backColour);
        }
    }
    // The tile cursor: black in a white border, over its neighbours.
    if (const qt::DrawnLabel* cursor = window.surface().cursor()) {
        device.fill(device.map(cursor->entry().rect), form::colours::black);
        device.border(device.map(cursor->entry().rect), form::colours::white);
    }
    // Continue: its face with a black border, lit above and left inside it,
    // shaded below and right.
    if (const qt::ButtonWidget* button = window.button(); !button->isHidden()) {
        const form::ControlLayout& e = buttonEntry();
        const QRect r = device.map(e.rect);
        device.fill(r, e.backColour);
        device.border(r, form::colours::black);
        const int x = form::pixels(e.rect.left), y = form::pixels(e.rect.top);
        const int right = x + form::pixels(e.rect.width) - 1, bottom = y + form::pixels(e.rect.height) - 1;
        device.line(x + 1, y + 1, right - 2, y + 1, form::colours::white);
        device.line(x + 1, y + 1, x + 1, bottom - 2, form::colours::white);
        device.line(x + 1, bottom - 1, right - 1, bottom - 1, form::colours::grey);
        device.line(right - 1, y + 1, right - 1, bottom - 1, form::colours::grey);
    }
    for (int slot = 1; slot <= 3; ++slot) {
        const qt::DrawnKeyBox* box = window.keyBox(slot);
        if (box->isVisible())
            device.fill(device.map(box->entry().rect),
                        box->isEnabled() ? form::slotColour(slot) : form::colours::darkGrey);
    }
    return image;
}

}  // namespace zindle::testing
