// SPDX-License-Identifier: MIT
#pragma once

#include "form/colour.h"
#include "form/text.h"

namespace zindle::form {

// The operations the game calls on the window's controls, and what the
// window's host reads of them to route events and the keyboard. Each
// toolkit binding implements these small interfaces; the game holds only
// pointers to them.

class Label {
public:
    virtual ~Label() = default;
    virtual void setCaption(const Text& caption) = 0;
    virtual void setVisible(bool visible) = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual void setBackColor(Colour colour) = 0;
    virtual void setFontBold(bool bold) = 0;
    virtual bool visible() const = 0;
    virtual bool enabled() const = 0;
    virtual Text caption() const = 0;
};

// A straight line; only its X coordinates (twips) ever change.
class Line {
public:
    virtual ~Line() = default;
    virtual void setVisible(bool visible) = 0;
    virtual void setX1(int twips) = 0;
    virtual void setX2(int twips) = 0;
};

// A focusable area that receives key presses while it holds the keyboard.
class KeyBox {
public:
    virtual ~KeyBox() = default;
    virtual void setVisible(bool visible) = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool visible() const = 0;
    virtual bool enabled() const = 0;
};

class PushButton {
public:
    virtual ~PushButton() = default;
    virtual void setVisible(bool visible) = 0;
    virtual bool visible() const = 0;
    virtual bool enabled() const = 0;
};

class Timer {
public:
    virtual ~Timer() = default;
    virtual bool enabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
};

// The system's default sound, once per call.
class Beep {
public:
    virtual ~Beep() = default;
    virtual void beep() = 0;
};

}  // namespace zindle::form
