// SPDX-License-Identifier: MIT
#pragma once

// Labels, lines and key boxes are no windows of their own: they are drawn
// on the window's surface, in the layout's drawing order, later ones over
// earlier ones, the key boxes last. Only the button is a real control above
// them.

#include "form/controls.h"
#include "form/layout.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <memory>
#include <vector>

class QPainter;
class QWidget;

namespace zindle::qt {

class Surface;

// Something drawn on the surface: a label, a tile or a frame line.
class Drawn {
public:
    Drawn(const form::ControlLayout& entry, Surface& surface);
    virtual ~Drawn();
    Drawn(const Drawn&) = delete;
    Drawn& operator=(const Drawn&) = delete;

    const form::ControlLayout& entry() const { return entry_; }
    QRect rect() const { return rect_; }   // in the window, logical pixels
    bool isVisible() const { return visible_; }
    bool isEnabled() const { return enabled_; }
    virtual void paint(QPainter& painter) const = 0;

    // The id of its accessibility interface, 0 until a client asks.
    unsigned accessibleId() const { return accessibleId_; }
    void setAccessibleId(unsigned id) { accessibleId_ = id; }
    // Tells assistive technologies that have met it whether it has become
    // blocked or free, shown or hidden, since it last told them.
    void announceChanges();

protected:
    void show(bool visible);
    void enable(bool enabled);
    void moveTo(const QRect& rect);
    void changed() const;   // asks for its rectangle to be painted again

    Surface& surface_;

private:
    const form::ControlLayout& entry_;
    QRect rect_;
    bool visible_;
    bool enabled_;
    bool toldVisible_;
    bool toldEnabled_;
    unsigned accessibleId_ = 0;
};

// A caption in one font and colour on an opaque rectangle, optionally with a
// single-line border; disabled, its caption is grey. The tile under the
// tile cursor is drawn reversed: black, in a white border, its caption in
// the row's colour while free and grey while blocked.
class DrawnLabel final : public Drawn, public form::Label {
public:
    DrawnLabel(const form::ControlLayout& entry, Surface& surface);

    void setCaption(const form::Text& caption) override;
    void setVisible(bool visible) override { show(visible); }
    void setEnabled(bool enabled) override { enable(enabled); }
    void setBackColor(form::Colour colour) override;
    void setFontBold(bool bold) override;
    bool visible() const override { return isVisible(); }
    bool enabled() const override { return isEnabled(); }
    void paint(QPainter& painter) const override;

    form::Text caption() const override { return caption_.toStdU16String(); }
    QString text() const { return caption_; }
    bool isTile() const { return entry().style == form::StyleId::Tile; }

private:
    const form::LabelStyle& style_;
    QString caption_;
    QFont font_;
    QColor back_;
};

// A one-pixel line between two points; only X1 and X2 change.
class DrawnLine final : public Drawn, public form::Line {
public:
    DrawnLine(const form::ControlLayout& entry, Surface& surface);

    void setVisible(bool visible) override { show(visible); }
    void setX1(int twips) override;
    void setX2(int twips) override;
    void paint(QPainter& painter) const override;

    const form::LinePoints& points() const { return points_; }

private:
    void place();
    form::LinePoints points_;
    QColor colour_;
};

// A key box, drawn: a strip in its slot's colour, dark grey while disabled.
// The keys themselves reach the game through the window's one keyboard
// widget (widgets.h), so that a hit repaints the surface alone and moves no
// focus.
class DrawnKeyBox final : public Drawn, public form::KeyBox {
public:
    using Drawn::Drawn;
    void setVisible(bool visible) override { show(visible); }
    void setEnabled(bool enabled) override { enable(enabled); }
    bool visible() const override { return isVisible(); }
    bool enabled() const override { return isEnabled(); }
    void paint(QPainter& painter) const override;
};

// The window's surface: the labels and lines in drawing order, then the
// key boxes. It paints what lies in a region, finds what a
// click lands on, and asks its widget to paint again only the rectangles
// that changed.
class Surface {
public:
    explicit Surface(QWidget& widget) : widget_(widget) {}

    // Each added in turn: labels and lines in drawing order, key boxes above.
    DrawnLabel& addLabel(const form::ControlLayout& entry);
    DrawnLine& addLine(const form::ControlLayout& entry);
    DrawnKeyBox& addKeyBox(const form::ControlLayout& entry);
    // The rectangle that holds every key box's strip.
    QRect keyBoxArea() const;
    void paint(QPainter& painter, const QRect& area) const;
    // The topmost visible label at `point`, or nullptr.
    const DrawnLabel* labelAt(const QPoint& point) const;
    // The tile under the tile cursor, drawn over its neighbours, or nullptr.
    void setCursor(const DrawnLabel* tile);
    const DrawnLabel* cursor() const { return cursor_; }
    void changed(const QRect& rect) const;
    // Once an event has been handled: what changed for assistive technologies.
    void announceChanges();
    const std::vector<std::unique_ptr<Drawn>>& items() const { return items_; }
    // The labels and tiles, in drawing order: what assistive technologies see.
    std::size_t labelCount() const { return labels_.size(); }
    const DrawnLabel& label(std::size_t i) const { return *labels_.at(i); }
    DrawnLabel& label(std::size_t i) { return *labels_.at(i); }
    QWidget& widget() const { return widget_; }

private:
    QWidget& widget_;
    std::vector<std::unique_ptr<Drawn>> items_;       // labels and lines
    std::vector<DrawnLabel*> labels_;
    std::vector<std::unique_ptr<DrawnKeyBox>> keyBoxes_;   // drawn above them
    const DrawnLabel* cursor_ = nullptr;
};

}  // namespace zindle::qt
