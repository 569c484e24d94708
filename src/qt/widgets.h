// SPDX-License-Identifier: MIT
#pragma once

// The Qt side of the control contract for the controls that are real
// widgets: the key boxes and the button. Labels and lines are drawn on the
// window's surface (drawn.h).

#include "qt/drawn.h"
#include "qt/look.h"
#include "form/controls.h"
#include "form/layout.h"

#include <QPushButton>
#include <QWidget>

#include <functional>
#include <optional>

namespace zindle::qt {

// A strip that receives the key presses while it holds the keyboard. Each
// character a key press produces goes to `onText`; keys that produce none
// (Shift, arrows, function keys) are dropped. The strip is drawn on the
// window's surface (`look`); the widget itself has no area, so a hit that
// hands the keyboard on repaints the surface alone. To assistive
// technologies it is the letter it waits for, its slot's big letter
// (`letter`), described by the slot's colour.
class KeyBoxWidget final : public QWidget, public form::KeyBox {
    Q_OBJECT

public:
    KeyBoxWidget(const form::ControlLayout& entry, QWidget* parent, DrawnKeyBox& look, const DrawnLabel& letter,
                 std::function<void(const QString&)> onText);

    void setVisible(bool visible) override;
    void setEnabled(bool enabled) override;
    bool visible() const override { return !isHidden(); }
    bool enabled() const override { return isEnabled(); }
    const DrawnKeyBox& look() const { return look_; }
    QString letter() const { return letter_.caption(); }
    // Once an event has been handled: tells assistive technologies that
    // the letter it waits for has changed, if it has.
    void announceLetter();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    DrawnKeyBox& look_;
    const DrawnLabel& letter_;
    QString toldLetter_;
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
    // Before it takes the keyboard at the end of a game: the result, as a
    // screen reader will say it with the button ("Time is up: 42 hits.").
    void tellResult(const QString& score);
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

}  // namespace zindle::qt
