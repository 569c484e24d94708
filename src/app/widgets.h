// SPDX-License-Identifier: MIT
#pragma once

// The Qt side of the control contract: one small widget class per kind of
// control, each drawn on the window and reporting its events to the window.

#include "ui/controls.h"
#include "ui/layout.h"

#include <QPushButton>
#include <QWidget>

#include <functional>
#include <memory>

namespace zindle::app {

QColor toQColor(ui::Colour colour);
QString slotName(int slot);   // "yellow", "orange" or "cyan"
QRect pixelRect(const ui::Rect& twips);
// A control's object name: its name, with its index for a control array
// ("Lblpisteet", "Lbltext1(3)", "Line1(0)").
QString objectNameOf(const ui::ControlLayout& entry);

// A caption on an opaque rectangle, optionally with a single-line border.
// A click (left button pressed and released on it) is reported only while
// it is enabled; it never takes the keyboard.
class LabelWidget final : public QWidget, public ui::Label {
public:
    LabelWidget(const ui::ControlLayout& entry, QWidget* parent, std::function<void()> onClick);

    void setCaption(const ui::Text& caption) override;
    void setVisible(bool visible) override;
    void setEnabled(bool enabled) override;
    void setBackColor(ui::Colour colour) override;
    void setFontBold(bool bold) override;

    QString caption() const { return caption_; }
    QRect textRect() const;
    QPoint textOrigin() const;   // the start of the caption's baseline

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const ui::LabelStyle& style_;
    QString caption_;
    QColor back_;
    QColor text_;
    std::function<void()> onClick_;
    bool pressed_ = false;
};

// A one-pixel line between two points; only X1 and X2 change.
class LineWidget final : public QWidget, public ui::Line {
public:
    LineWidget(const ui::ControlLayout& entry, QWidget* parent);

    void setVisible(bool visible) override;
    void setX1(int twips) override;
    void setX2(int twips) override;

    const ui::LinePoints& points() const { return points_; }

private:
    void place();
    ui::LinePoints points_;
};

// A strip that receives the key presses while it holds the keyboard. Each
// character a key press produces goes to `onText`; keys that produce none
// (Shift, arrows, function keys) are dropped.
class KeyBoxWidget final : public QWidget, public ui::KeyBox {
public:
    KeyBoxWidget(const ui::ControlLayout& entry, QWidget* parent,
                 std::function<void(const QString&)> onText);

    void setVisible(bool visible) override;
    void setEnabled(bool enabled) override;
    int slot() const { return slot_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    int slot_;
    QColor colour_;
    std::function<void(const QString&)> onText_;
};

// The "Continue" button. It holds the keyboard at the end of a game: Space
// or Enter presses it, and every other key, letters and Tab included, does
// nothing, so a player still hammering letters when the clock runs out does
// not continue by accident.
class ButtonWidget final : public QPushButton, public ui::PushButton {
public:
    ButtonWidget(const ui::ControlLayout& entry, QWidget* parent, std::function<void()> onClick);
    void setVisible(bool visible) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    QColor face_;
};

// The system's default sound. On X11 it is the X bell, which the desktop's
// bell settings turn into its bell sound. Platforms without a bell of their
// own (Wayland among them) get the sound theme's "bell" event through
// libcanberra, loaded when first needed; without the library or a sound
// server the request does nothing and returns at once.
class BellBeep final : public ui::Beep {
public:
    BellBeep();
    ~BellBeep() override;
    void beep() override;

    // Whether beeps go to the platform's own bell.
    bool usesPlatformBell() const { return platformBell_; }

private:
    struct EventSound;
    bool platformBell_;
    std::unique_ptr<EventSound> sound_;
    bool tried_ = false;
};

}  // namespace zindle::app
