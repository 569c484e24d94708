// SPDX-License-Identifier: MIT
#include "qt/drawn.h"

#include "qt/device_pixels.h"
#include "qt/fonts.h"
#include "qt/look.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QPainter>
#include <QWidget>

#include <algorithm>

namespace zindle::qt {

namespace {

// Captions of disabled labels: grey whatever the colour scheme, so a blocked
// tile reads differently from a free one even to a player who cannot tell
// its pale colour.
const QColor kDisabledText(0x80, 0x80, 0x80);

QRect lineRect(const form::LinePoints& p)
{
    const int x1 = form::pixels(p.x1), x2 = form::pixels(p.x2);
    const int y1 = form::pixels(p.y1), y2 = form::pixels(p.y2);
    return {std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + 1, std::abs(y2 - y1) + 1};
}

}  // namespace

// ---- Drawn ------------------------------------------------------------------

Drawn::Drawn(const form::ControlLayout& entry, Surface& surface)
    : surface_(surface), entry_(entry),
      rect_(entry.kind == form::Kind::Line ? lineRect(entry.line) : pixelRect(entry.rect)),
      visible_(entry.visible), enabled_(entry.enabled), toldVisible_(visible_), toldEnabled_(enabled_)
{
}

Drawn::~Drawn()
{
    if (accessibleId_ != 0)
        QAccessible::deleteAccessibleInterface(accessibleId_);
}

void Drawn::show(bool visible)
{
    if (visible == visible_)
        return;
    visible_ = visible;
    surface_.changed(rect_);
}

void Drawn::enable(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    changed();
}

// Told once the event has been handled, so that a refresh that frees every
// tile and blocks some again announces only the tiles whose state it changed.
void Drawn::announceChanges()
{
    const bool enabledChanged = enabled_ != toldEnabled_, visibleChanged = visible_ != toldVisible_;
    toldEnabled_ = enabled_;
    toldVisible_ = visible_;
    if (accessibleId_ == 0 || !QAccessible::isActive())
        return;
    QAccessibleInterface* self = QAccessible::accessibleInterface(accessibleId_);
    if (enabledChanged) {
        QAccessible::State states;
        states.disabled = true;
        QAccessibleStateChangeEvent event(self, states);
        QAccessible::updateAccessibility(&event);
    }
    if (visibleChanged) {
        QAccessibleEvent event(self, visible_ ? QAccessible::ObjectShow : QAccessible::ObjectHide);
        QAccessible::updateAccessibility(&event);
    }
}

void Drawn::moveTo(const QRect& rect)
{
    if (rect == rect_)
        return;
    if (visible_)
        surface_.changed(rect_);
    rect_ = rect;
    changed();
}

void Drawn::changed() const
{
    if (visible_)
        surface_.changed(rect_);
}

// ---- DrawnLabel -------------------------------------------------------------

DrawnLabel::DrawnLabel(const form::ControlLayout& entry, Surface& surface)
    : Drawn(entry, surface),
      style_(form::style(entry.style)),
      caption_(QString::fromStdU16String(std::u16string(entry.caption))),
      font_(fontFor(style_).resolve(surface.widget().font())),
      back_(toQColor(entry.backColour))
{
}

void DrawnLabel::setCaption(const form::Text& caption)
{
    const QString text = QString::fromStdU16String(caption);
    if (text == caption_)
        return;
    caption_ = text;
    changed();
    if (accessibleId() != 0 && QAccessible::isActive()) {
        QAccessibleEvent event(QAccessible::accessibleInterface(accessibleId()), QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void DrawnLabel::setBackColor(form::Colour colour)
{
    back_ = toQColor(colour);
    changed();
}

void DrawnLabel::setFontBold(bool bold)
{
    font_.setWeight(bold ? static_cast<QFont::Weight>(std::max(style_.weight, 700)) : QFont::Normal);
    changed();
}

// The caption stands at the top of the label, left-aligned or centred, its
// baseline where the layout's face would put it. Under the tile cursor the
// ground is black, the border white and a free tile's caption its row's
// colour.
void DrawnLabel::paint(QPainter& p) const
{
    const bool underCursor = surface_.cursor() == this;
    const QRect r = rect();
    const DevicePixels device(p);
    device.fill(r, underCursor ? QColor(Qt::black) : back_);
    if (style_.border)
        device.frame(r, underCursor ? Qt::white : Qt::black);
    const QRect box = style_.border ? r.adjusted(1, 1, -1, -1) : r;
    p.setFont(font_);
    int x = box.left();
    if (style_.align == form::Align::Centre)
        x += (box.width() - QFontMetrics(font_).horizontalAdvance(caption_)) / 2;
    const QColor free = underCursor ? toQColor(entry().backColour)
                                    : captionColour(entry().textColour, back_, surface_.widget().palette());
    p.setPen(isEnabled() ? free : kDisabledText);
    p.drawText(QPoint(x, box.top() + baselineFor(style_, font_)), caption_);
}

// ---- DrawnLine --------------------------------------------------------------

DrawnLine::DrawnLine(const form::ControlLayout& entry, Surface& surface)
    : Drawn(entry, surface), points_(entry.line), colour_(toQColor(entry.backColour))
{
}

void DrawnLine::setX1(int twips)
{
    points_.x1 = twips;
    place();
}

void DrawnLine::setX2(int twips)
{
    points_.x2 = twips;
    place();
}

// A line covers the pixels from one end point to the other, both included.
void DrawnLine::place() { moveTo(lineRect(points_)); }

void DrawnLine::paint(QPainter& p) const
{
    const QRect r = rect();
    const DevicePixels device(p);
    if (r.height() == 1)
        device.hline(r.left(), r.right(), r.top(), colour_);
    else
        device.vline(r.left(), r.top(), r.bottom(), colour_);
}

// ---- DrawnKeyBox -------------------------------------------------------------

void DrawnKeyBox::paint(QPainter& p) const
{
    DevicePixels(p).fill(rect(), toQColor(isEnabled() ? form::slotColour(entry().group) : form::colours::darkGrey));
}

// ---- Surface ----------------------------------------------------------------

DrawnLabel& Surface::addLabel(const form::ControlLayout& entry)
{
    auto label = std::make_unique<DrawnLabel>(entry, *this);
    labels_.push_back(label.get());
    items_.push_back(std::move(label));
    return *labels_.back();
}

DrawnLine& Surface::addLine(const form::ControlLayout& entry)
{
    auto line = std::make_unique<DrawnLine>(entry, *this);
    DrawnLine& added = *line;
    items_.push_back(std::move(line));
    return added;
}

void Surface::announceChanges()
{
    for (DrawnLabel* label : labels_)
        label->announceChanges();
}

DrawnKeyBox& Surface::addKeyBox(const form::ControlLayout& entry)
{
    keyBoxes_.push_back(std::make_unique<DrawnKeyBox>(entry, *this));
    return *keyBoxes_.back();
}

QRect Surface::keyBoxArea() const
{
    QRect area;
    for (const auto& box : keyBoxes_)
        area |= box->rect();
    return area;
}

namespace {

void paintItem(QPainter& painter, const Drawn& item, const QRect& area)
{
    if (!item.isVisible() || !item.rect().intersects(area))
        return;
    painter.save();
    painter.setClipRect(QRectF(item.rect().topLeft(), item.rect().size()), Qt::IntersectClip);
    item.paint(painter);
    painter.restore();
}

}  // namespace

void Surface::paint(QPainter& painter, const QRect& area) const
{
    for (const auto& item : items_)
        paintItem(painter, *item, area);
    if (cursor_ != nullptr)
        paintItem(painter, *cursor_, area);
    for (const auto& box : keyBoxes_)
        paintItem(painter, *box, area);
}

const DrawnLabel* Surface::labelAt(const QPoint& point) const
{
    for (auto it = labels_.rbegin(); it != labels_.rend(); ++it)
        if ((*it)->isVisible() && (*it)->rect().contains(point))
            return *it;
    return nullptr;
}

void Surface::setCursor(const DrawnLabel* tile)
{
    if (tile == cursor_)
        return;
    if (cursor_ != nullptr)
        changed(cursor_->rect());
    cursor_ = tile;
    if (cursor_ != nullptr)
        changed(cursor_->rect());
}

void Surface::changed(const QRect& rect) const { widget_.update(rect); }

}  // namespace zindle::qt
