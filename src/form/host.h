// SPDX-License-Identifier: MIT
#pragma once

#include "form/form_controls.h"
#include "form/form_events.h"
#include "form/layout.h"
#include "form/tile_cursor.h"

#include <cstdint>
#include <vector>

namespace zindle::form {

// What a toolkit gives the host: each control built from its layout entry
// (the toolkit owns them), the beep, and a hand on the keyboard.
class Toolkit {
public:
    virtual ~Toolkit() = default;
    virtual Label& makeLabel(const ControlLayout& entry) = 0;
    virtual Line& makeLine(const ControlLayout& entry) = 0;
    virtual KeyBox& makeKeyBox(const ControlLayout& entry) = 0;
    virtual PushButton& makeButton(const ControlLayout& entry) = 0;
    virtual Timer& makeTimer(const ControlLayout& entry) = 0;
    virtual Beep& beep() = 0;
    // Once an event has been handled: the control that now holds the
    // keyboard (nullptr for none), for the toolkit to give it its keys.
    virtual void settled(const ControlLayout* keyboardHolder) = 0;
};

// The window's host, the same for every toolkit: it builds the controls
// from the layout, delivers the runtime's events to the game's handlers,
// and after each one settles the keyboard. A click on a hidden or disabled
// control, a tick of a stopped timer and a key while no key box holds the
// keyboard raise nothing.
class FormHost {
public:
    FormHost(Toolkit& toolkit, const std::vector<ControlLayout>& layout);
    FormHost(const FormHost&) = delete;
    FormHost& operator=(const FormHost&) = delete;

    const FormControls& controls() const { return controls_; }

    // Runs the load event, then gives the keyboard to the first key box
    // that can take it.
    void load(FormEvents& events);

    // Each returns whether a handler ran. A key press goes to the key box
    // that holds the keyboard and carries back what the handler left in
    // `code`.
    bool keyPress(std::int16_t& code);
    bool clickTile(int row, int index);
    bool clickButton();
    bool tick();

    // A key for the tile cursor, which works only while the game waits
    // (the picker rows shown, the clock stopped). Returns whether the
    // cursor took it: an arrow always does then; Home, End, Escape and
    // Choose (Space or Enter) only while the cursor is shown. Choose runs
    // the tile's click handler if the tile is free, and does nothing on a
    // blocked one.
    bool pickerKey(PickerKey key);
    // Where the cursor stands, while it is shown. It is hidden by Escape,
    // by hideTileCursor and whenever the game stops waiting.
    const std::optional<TilePlace>& tileCursor() const { return cursor_.place(); }
    void hideTileCursor();

    // Hands the keyboard on where its holder can no longer keep it (the
    // window calls this again once it is shown).
    void settleKeyboard();
    // The control that holds the keyboard, or nullptr.
    const ControlLayout* keyboardHolder() const;
    // The key box (1 to 3) that holds the keyboard, 0 for none.
    int keyBoxHolding() const;

private:
    struct Focusable {
        const ControlLayout* entry;
        KeyBox* box;
        PushButton* button;
    };
    void build(const ControlLayout& entry);
    bool waiting() const;
    const Label& tile(const TilePlace& place) const;
    TilePlace cursorStart() const;

    Toolkit& toolkit_;
    FormControls controls_;
    std::vector<Focusable> tabOrder_;   // key boxes and the button
    FormEvents* events_ = nullptr;
    int holder_ = -1;
    TileCursor cursor_;
};

}  // namespace zindle::form
