// SPDX-License-Identifier: MIT
#include "headless/runtime.h"

#include "form/focus.h"

#include <algorithm>
#include <stdexcept>

namespace zindle::headless {

namespace {

std::string controlName(const form::ControlLayout& entry)
{
    std::string name(entry.name);
    if (entry.index >= 0)
        name += "(" + std::to_string(entry.index) + ")";
    return name;
}

std::string narrow(const form::Text& text)
{
    std::string out;
    for (char16_t c : text)
        out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

}  // namespace

Control::Control(const form::ControlLayout& entry, WriteLog& log, const bool& recording)
    : entry_(&entry), log_(&log), recording_(&recording), visible_(entry.visible), enabled_(entry.enabled)
{
}

void Control::write(const std::string& property, const std::string& value)
{
    if (*recording_)
        log_->push_back(controlName(*entry_) + "." + property + "=" + value);
}

void Control::putVisible(bool v)
{
    visible_ = v;
    write("Visible", v ? "1" : "0");
}

void Control::putEnabled(bool e)
{
    enabled_ = e;
    write("Enabled", e ? "1" : "0");
}

Label::Label(const form::ControlLayout& entry, WriteLog& log, const bool& recording)
    : Control(entry, log, recording),
      caption_(entry.caption),
      back_(entry.backColour),
      bold_(form::style(entry.style).weight >= 700)
{
}

void Label::setCaption(const form::Text& caption)
{
    caption_ = caption;
    write("Caption", narrow(caption));
}

void Label::setBackColor(form::Colour colour)
{
    back_ = colour;
    write("BackColor", std::to_string(colour.bgr));
}

void Label::setFontBold(bool bold)
{
    bold_ = bold;
    write("FontBold", bold ? "1" : "0");
}

Line::Line(const form::ControlLayout& entry, WriteLog& log, const bool& recording)
    : Control(entry, log, recording), points_(entry.line)
{
}

void Line::setX1(int twips)
{
    points_.x1 = twips;
    write("X1", std::to_string(twips));
}

void Line::setX2(int twips)
{
    points_.x2 = twips;
    write("X2", std::to_string(twips));
}

void Beep::beep()
{
    ++count_;
    log_->push_back("Beep");
}

Runtime::Runtime()
{
    for (const form::ControlLayout& entry : form::formLayout()) {
        switch (entry.kind) {
        case form::Kind::Label: {
            auto label = std::make_unique<Label>(entry, log_, recording_);
            form::attach(controls_, entry, *label);
            if (entry.style == form::StyleId::Tile)
                tiles_.at(static_cast<std::size_t>(entry.group - 1))
                    .at(static_cast<std::size_t>(entry.index)) = label.get();
            controls_list_.push_back(std::move(label));
            break;
        }
        case form::Kind::Line: {
            auto line = std::make_unique<Line>(entry, log_, recording_);
            form::attach(controls_, entry, *line);
            lines_.at(static_cast<std::size_t>(entry.index)) = line.get();
            controls_list_.push_back(std::move(line));
            break;
        }
        case form::Kind::KeyBox: {
            auto box = std::make_unique<KeyBox>(entry, log_, recording_);
            form::attach(controls_, entry, *box);
            boxes_.at(static_cast<std::size_t>(entry.group - 1)) = box.get();
            controls_list_.push_back(std::move(box));
            break;
        }
        case form::Kind::PushButton: {
            auto button = std::make_unique<PushButton>(entry, log_, recording_);
            form::attach(controls_, entry, *button);
            button_ = button.get();
            controls_list_.push_back(std::move(button));
            break;
        }
        case form::Kind::Timer: {
            auto timer = std::make_unique<Timer>(entry, log_, recording_);
            form::attach(controls_, entry, *timer);
            timer_ = timer.get();
            controls_list_.push_back(std::move(timer));
            break;
        }
        }
    }
    controls_.beep = &beep_;
    for (const form::ControlLayout* entry : form::keyboardOrder())
        tab_order_.push_back(find(entry->name, entry->index));
    if (!controls_.complete())
        throw std::logic_error("the layout leaves a control of the window unset");
}

void Runtime::load(form::FormEvents& events)
{
    events_ = &events;
    events_->Form_Load();
    settleKeyboard();
}

void Runtime::settleKeyboard()
{
    std::vector<form::FocusCandidate> candidates;
    for (const Control* control : tab_order_)
        candidates.push_back({control->visible(), control->enabled()});
    holder_ = form::settleFocus(candidates, holder_);
}

const Control* Runtime::holder() const
{
    return holder_ < 0 ? nullptr : tab_order_[static_cast<std::size_t>(holder_)];
}

int Runtime::keyboardHolder() const
{
    const Control* h = holder();
    return h != nullptr && h->entry().kind == form::Kind::KeyBox ? h->entry().group : 0;
}

bool Runtime::buttonHoldsKeyboard() const { return holder() == button_; }

bool Runtime::press(std::int16_t& code)
{
    if (events_ == nullptr || keyboardHolder() == 0)
        return false;
    form::deliverKeyPress(*events_, keyboardHolder(), code);
    settleKeyboard();
    return true;
}

bool Runtime::press(char16_t character)
{
    auto code = static_cast<std::int16_t>(static_cast<std::uint16_t>(character));
    return press(code);
}

void Runtime::type(std::u16string_view characters)
{
    for (char16_t c : characters)
        press(c);
}

bool Runtime::clickTile(int row, int index)
{
    if (events_ == nullptr || row < 1 || row > 3 || index < 0 || index >= form::kTilesPerRow)
        return false;
    const Label& t = tile(row, index);
    if (!t.visible() || !t.enabled())
        return false;
    form::deliverTileClick(*events_, row, static_cast<std::int16_t>(index));
    settleKeyboard();
    return true;
}

bool Runtime::clickButton()
{
    if (events_ == nullptr || !button_->visible() || !button_->enabled())
        return false;
    events_->Cmdjatka_Click();
    settleKeyboard();
    return true;
}

bool Runtime::clickControl(std::string_view name, int index)
{
    if (name == "Cmdjatka")
        return clickButton();
    for (int row = 1; row <= 3; ++row)
        if (name == "Lbltext" + std::to_string(row))
            return clickTile(row, index);
    return false;  // no other control has a click handler
}

bool Runtime::tick()
{
    if (events_ == nullptr || !timer_->enabled())
        return false;
    events_->Tmr1_Timer();
    settleKeyboard();
    return true;
}

const Control* Runtime::find(std::string_view name, int index) const
{
    for (const auto& c : controls_list_)
        if (c->entry().name == name && c->entry().index == index)
            return c.get();
    throw std::out_of_range("no control " + std::string(name));
}

const Label& Runtime::label(std::string_view name, int index) const
{
    return dynamic_cast<const Label&>(*find(name, index));
}

const Label& Runtime::tile(int row, int index) const
{
    return *tiles_.at(static_cast<std::size_t>(row - 1)).at(static_cast<std::size_t>(index));
}

const Line& Runtime::line(int index) const { return *lines_.at(static_cast<std::size_t>(index)); }

const KeyBox& Runtime::keyBox(int slot) const { return *boxes_.at(static_cast<std::size_t>(slot - 1)); }

}  // namespace zindle::headless
