// SPDX-License-Identifier: MIT
#pragma once

// The real widgets: the one that takes the keys for the key boxes, and the
// button. Labels, lines and the key boxes' strips are drawn on the window's
// surface (drawn.h).

#include "qt/drawn.h"
#include "qt/look.h"
#include "form/controls.h"
#include "form/layout.h"
#include "form/tile_cursor.h"

#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>

namespace zindle::qt {

// The keyboard's way into the game: the one widget that holds the keyboard
// while a key box does, whichever it is. The keys of the tile cursor
// (arrows, Home, End, Escape, Space and Enter, without Ctrl, Alt or Meta)
// go first to `onPicker`, which says whether the cursor took them. Each
// character of any other key press goes to `onText`, which hands it to the
// key box that holds the keyboard; keys that produce none (Shift, function
// keys, arrows the cursor did not take) are dropped. It has no area and
// draws nothing. Since the keyboard stays with
// it through a whole game, a screen reader hears no change of focus at a
// hit, only what the widget tells: the three letters in their order while
// the game waits, the letter due while it runs.
class KeysWidget final : public QWidget {
    Q_OBJECT

public:
    KeysWidget(QWidget* parent, std::function<void(const QString&)> onText,
               std::function<bool(form::PickerKey)> onPicker);
    // What a screen reader is to say now; told only when it changes, and
    // only while the keys are the focus for assistive technologies (not
    // while `quiet`: the tile cursor is): a reader finds the words when the
    // focus comes back.
    void tell(const QString& words, bool quiet = false);
    QString told() const { return told_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    QString told_;
    std::function<void(const QString&)> onText_;
    std::function<bool(form::PickerKey)> onPicker_;
};

// The "Continue" button. It holds the keyboard at the end of a game: Space
// or Enter presses it, and every other key, letters and Tab included, does
// nothing, so a player still hammering letters when the clock runs out does
// not continue by accident. Such keys cut a screen reader's speech: half a
// second after the last of them the result is told again.
class ButtonWidget final : public QPushButton, public form::PushButton {
    Q_OBJECT

public:
    ButtonWidget(const form::ControlLayout& entry, QWidget* parent, std::function<void()> onClick);
    void setVisible(bool visible) override;
    // Before it takes the keyboard at the end of a game: the result, which
    // a screen reader says first, as the button's name ("Time is up, 42
    // hits. Continue"); the caption stays "Continue".
    void tellResult(const QString& score);
    // What a screen reader calls it: "Continue", or the result first.
    QString spokenName() const { return spokenName_; }
    bool visible() const override { return !isHidden(); }
    bool enabled() const override { return isEnabled(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void tellAgain();
    void rename(const QString& name);

    QColor face_;
    std::optional<form::Colour> text_;
    QString result_;
    QString spokenName_;
    QTimer* again_;
};

}  // namespace zindle::qt
