// SPDX-License-Identifier: MIT
#include "form/host.h"

#include "form/focus.h"

#include <algorithm>
#include <stdexcept>

namespace zindle::form {

FormHost::FormHost(Toolkit& toolkit, const std::vector<ControlLayout>& layout) : toolkit_(toolkit)
{
    for (const ControlLayout& entry : layout)
        build(entry);
    controls_.beep = &toolkit_.beep();
    std::sort(tabOrder_.begin(), tabOrder_.end(),
              [](const Focusable& a, const Focusable& b) { return a.entry->tab < b.entry->tab; });
    if (!controls_.complete())
        throw std::logic_error("the layout leaves a control of the window unset");
}

void FormHost::build(const ControlLayout& entry)
{
    switch (entry.kind) {
    case Kind::Label: attach(controls_, entry, toolkit_.makeLabel(entry)); break;
    case Kind::Line: attach(controls_, entry, toolkit_.makeLine(entry)); break;
    case Kind::KeyBox: {
        KeyBox& box = toolkit_.makeKeyBox(entry);
        attach(controls_, entry, box);
        tabOrder_.push_back({&entry, &box, nullptr});
        break;
    }
    case Kind::PushButton: {
        PushButton& button = toolkit_.makeButton(entry);
        attach(controls_, entry, button);
        tabOrder_.push_back({&entry, nullptr, &button});
        break;
    }
    case Kind::Timer: attach(controls_, entry, toolkit_.makeTimer(entry)); break;
    }
}

void FormHost::load(FormEvents& events)
{
    events_ = &events;
    events_->Form_Load();
    settleKeyboard();
}

bool FormHost::keyPress(std::int16_t& code)
{
    const int box = keyBoxHolding();
    if (events_ == nullptr || box == 0)
        return false;
    deliverKeyPress(*events_, box, code);
    settleKeyboard();
    return true;
}

bool FormHost::clickTile(int row, int index)
{
    if (events_ == nullptr || row < 1 || row > 3 || index < 0 || index >= kTilesPerRow)
        return false;
    const Label& clicked = tile({row, index});
    if (!clicked.visible() || !clicked.enabled())
        return false;
    deliverTileClick(*events_, row, static_cast<std::int16_t>(index));
    settleKeyboard();
    return true;
}

bool FormHost::clickButton()
{
    if (events_ == nullptr || !controls_.Cmdjatka->visible() || !controls_.Cmdjatka->enabled())
        return false;
    events_->Cmdjatka_Click();
    settleKeyboard();
    return true;
}

bool FormHost::tick()
{
    if (events_ == nullptr || !controls_.Tmr1->enabled())
        return false;
    events_->Tmr1_Timer();
    settleKeyboard();
    return true;
}

bool FormHost::pickerKey(PickerKey key)
{
    if (!waiting()) {
        cursor_.hide();
        return false;
    }
    const std::optional<TilePlace> place = cursor_.place();
    switch (key) {
    case PickerKey::Choose:
        if (place)
            clickTile(place->row, place->index);   // a blocked tile raises no click
        return place.has_value();
    case PickerKey::Hide:
        hideTileCursor();
        return place.has_value();
    default:
        if (!cursor_.move(key, cursorStart()))
            return false;
        toolkit_.settled(keyboardHolder());
        return true;
    }
}

void FormHost::hideTileCursor()
{
    if (!cursor_.place())
        return;
    cursor_.hide();
    toolkit_.settled(keyboardHolder());
}

// The game waits for its first hit: the picker rows are shown, the clock
// stands and a key box holds the keyboard.
bool FormHost::waiting() const
{
    return events_ != nullptr && !controls_.Tmr1->enabled() && controls_.Lbltext1[0]->visible() &&
           keyBoxHolding() != 0;
}

const Label& FormHost::tile(const TilePlace& place) const
{
    const TileRow& row = place.row == 1 ? controls_.Lbltext1 : place.row == 2 ? controls_.Lbltext2 : controls_.Lbltext3;
    return *row[static_cast<std::size_t>(place.index)];
}

// The first row's tile of the yellow letter.
TilePlace FormHost::cursorStart() const
{
    const Text letter = controls_.Lblletter1->caption();
    const int index = letter.empty() ? 0 : static_cast<int>(letter[0]) - 'A';
    return {1, index >= 0 && index < kTilesPerRow ? index : 0};
}

void FormHost::settleKeyboard()
{
    if (!waiting())
        cursor_.hide();
    std::vector<FocusCandidate> candidates;
    for (const Focusable& f : tabOrder_)
        candidates.push_back(f.box != nullptr ? FocusCandidate{f.box->visible(), f.box->enabled()}
                                              : FocusCandidate{f.button->visible(), f.button->enabled()});
    holder_ = settleFocus(candidates, holder_);
    toolkit_.settled(keyboardHolder());
}

const ControlLayout* FormHost::keyboardHolder() const
{
    return holder_ < 0 ? nullptr : tabOrder_[static_cast<std::size_t>(holder_)].entry;
}

int FormHost::keyBoxHolding() const
{
    const ControlLayout* holder = keyboardHolder();
    return holder != nullptr && holder->kind == Kind::KeyBox ? holder->group : 0;
}

}  // namespace zindle::form
