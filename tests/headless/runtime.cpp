// SPDX-License-Identifier: MIT
#include "headless/runtime.h"

#include "game/frmzindle.h"

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

Runtime::Runtime() : host_(std::make_unique<form::FormHost>(static_cast<form::Toolkit&>(*this), game::frmzindleLayout())) {}

template <typename T>
T& Runtime::keep(std::unique_ptr<T> control)
{
    T& kept = *control;
    controls_list_.push_back(std::move(control));
    return kept;
}

form::Label& Runtime::makeLabel(const form::ControlLayout& entry)
{
    Label& label = keep(std::make_unique<Label>(entry, log_, recording_));
    if (entry.style == form::StyleId::Tile)
        tiles_.at(static_cast<std::size_t>(entry.group - 1)).at(static_cast<std::size_t>(entry.index)) = &label;
    return label;
}

form::Line& Runtime::makeLine(const form::ControlLayout& entry)
{
    Line& line = keep(std::make_unique<Line>(entry, log_, recording_));
    lines_.at(static_cast<std::size_t>(entry.index)) = &line;
    return line;
}

form::KeyBox& Runtime::makeKeyBox(const form::ControlLayout& entry)
{
    KeyBox& box = keep(std::make_unique<KeyBox>(entry, log_, recording_));
    boxes_.at(static_cast<std::size_t>(entry.group - 1)) = &box;
    return box;
}

form::PushButton& Runtime::makeButton(const form::ControlLayout& entry)
{
    button_ = &keep(std::make_unique<PushButton>(entry, log_, recording_));
    return *button_;
}

form::Timer& Runtime::makeTimer(const form::ControlLayout& entry)
{
    timer_ = &keep(std::make_unique<Timer>(entry, log_, recording_));
    return *timer_;
}

bool Runtime::buttonHoldsKeyboard() const
{
    const form::ControlLayout* holder = host_->keyboardHolder();
    return holder != nullptr && holder->kind == form::Kind::PushButton;
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
