// SPDX-License-Identifier: MIT
#pragma once

// The Qt side of the control contract for the controls that are real
// widgets: the key boxes and the button; and the beep. Labels and lines are
// drawn on the window's surface (drawn.h).

#include "qt/drawn.h"
#include "form/controls.h"
#include "form/layout.h"

#include <QPushButton>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

namespace zindle::qt {

QColor toQColor(form::Colour colour);
// The colour of a caption on the ground `back`: the layout's own where it
// names one; otherwise the button text of the widget's palette where that
// reads on the ground, and black or white where it does not (a dark colour
// scheme's light text on the pale tiles). Read at each paint, so a change of
// scheme shows at once.
QColor captionColour(const std::optional<form::Colour>& fixed, const QColor& back, const QPalette& palette);
QString slotName(int slot);   // "yellow", "orange" or "cyan"
QRect pixelRect(const form::Rect& twips);
// A control's object name: its name, with its index for a control array
// ("Lblpisteet", "Lbltext1(3)", "Line1(0)").
QString objectNameOf(const form::ControlLayout& entry);

// A strip that receives the key presses while it holds the keyboard. Each
// character a key press produces goes to `onText`; keys that produce none
// (Shift, arrows, function keys) are dropped. The strip is drawn on the
// window's surface (`look`); the widget itself has no area, so a hit that
// hands the keyboard on repaints the surface alone.
class KeyBoxWidget final : public QWidget, public form::KeyBox {
    Q_OBJECT

public:
    KeyBoxWidget(const form::ControlLayout& entry, QWidget* parent, DrawnKeyBox& look,
                 std::function<void(const QString&)> onText);

    void setVisible(bool visible) override;
    void setEnabled(bool enabled) override;
    bool visible() const override { return !isHidden(); }
    bool enabled() const override { return isEnabled(); }
    int slot() const { return slot_; }
    const DrawnKeyBox& look() const { return look_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    int slot_;
    DrawnKeyBox& look_;
    std::function<void(const QString&)> onText_;
};

// The "Continue" button. It holds the keyboard at the end of a game: Space
// or Enter presses it, and every other key, letters and Tab included, does
// nothing, so a player still hammering letters when the clock runs out does
// not continue by accident.
class ButtonWidget final : public QPushButton, public form::PushButton {
    Q_OBJECT

public:
    ButtonWidget(const form::ControlLayout& entry, QWidget* parent, std::function<void()> onClick);
    void setVisible(bool visible) override;
    bool visible() const override { return !isHidden(); }
    bool enabled() const override { return isEnabled(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    QColor face_;
    std::optional<form::Colour> text_;
};

// The system's default sound. On X11 it is the X bell, which the desktop's
// bell settings turn into its bell sound. Platforms without a bell of their
// own (Wayland among them) get the sound theme's "bell" event through
// libcanberra, loaded when first needed; without the library or a sound
// server the request does nothing and returns at once.
class BellBeep final : public form::Beep {
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

}  // namespace zindle::qt
