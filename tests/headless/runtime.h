// SPDX-License-Identifier: MIT
#pragma once

// A toolkit for the game without a display: controls that keep every
// property the game sets and record each write in order, and a beep that
// counts. The window's own host builds them from the layout and delivers the
// events, so a test plays through the same guards and keyboard rule as the
// window: type keys, click tiles and the button, deliver timer ticks.

#include "form/form_controls.h"
#include "form/form_events.h"
#include "form/host.h"
#include "form/layout.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace zindle::headless {

using WriteLog = std::vector<std::string>;

class Control {
public:
    Control(const form::ControlLayout& entry, WriteLog& log, const bool& recording);
    virtual ~Control() = default;
    const form::ControlLayout& entry() const { return *entry_; }
    bool visible() const { return visible_; }
    bool enabled() const { return enabled_; }

protected:
    void write(const std::string& property, const std::string& value);
    void putVisible(bool v);
    void putEnabled(bool e);

private:
    const form::ControlLayout* entry_;
    WriteLog* log_;
    const bool* recording_;
    bool visible_;
    bool enabled_;
};

class Label final : public Control, public form::Label {
public:
    Label(const form::ControlLayout& entry, WriteLog& log, const bool& recording);
    void setCaption(const form::Text& caption) override;
    void setVisible(bool v) override { putVisible(v); }
    void setEnabled(bool e) override { putEnabled(e); }
    bool visible() const override { return Control::visible(); }
    bool enabled() const override { return Control::enabled(); }
    void setBackColor(form::Colour colour) override;
    void setFontBold(bool bold) override;

    form::Text caption() const override { return caption_; }
    form::Colour backColor() const { return back_; }
    bool fontBold() const { return bold_; }

private:
    form::Text caption_;
    form::Colour back_;
    bool bold_;
};

class Line final : public Control, public form::Line {
public:
    Line(const form::ControlLayout& entry, WriteLog& log, const bool& recording);
    void setVisible(bool v) override { putVisible(v); }
    void setX1(int twips) override;
    void setX2(int twips) override;
    const form::LinePoints& points() const { return points_; }

private:
    form::LinePoints points_;
};

class KeyBox final : public Control, public form::KeyBox {
public:
    using Control::Control;
    void setVisible(bool v) override { putVisible(v); }
    void setEnabled(bool e) override { putEnabled(e); }
    bool visible() const override { return Control::visible(); }
    bool enabled() const override { return Control::enabled(); }
};

class PushButton final : public Control, public form::PushButton {
public:
    using Control::Control;
    void setVisible(bool v) override { putVisible(v); }
    bool visible() const override { return Control::visible(); }
    bool enabled() const override { return Control::enabled(); }
};

class Timer final : public Control, public form::Timer {
public:
    using Control::Control;
    bool enabled() const override { return Control::enabled(); }
    void setEnabled(bool e) override { putEnabled(e); }
};

class Beep final : public form::Beep {
public:
    explicit Beep(WriteLog& log) : log_(&log) {}
    void beep() override;
    int count() const { return count_; }

private:
    WriteLog* log_;
    int count_ = 0;
};

class Runtime final : private form::Toolkit {
public:
    Runtime();
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    const form::FormControls& controls() const { return host_->controls(); }

    // Runs the load event, then shows the window: the keyboard goes to the
    // first key box that can take it.
    void load(form::FormEvents& events) { host_->load(events); }

    // A key press with this character code, delivered to the key box that
    // holds the keyboard. Returns false when no box holds it (keys that reach
    // "Continue" press it only as Space or Enter, which the window decides).
    // `code` gets what the handler left in it.
    bool press(std::int16_t& code) { return host_->keyPress(code); }
    bool press(char16_t character);
    void type(std::u16string_view characters);

    // Clicks. Each returns whether a handler ran: disabled or hidden
    // controls raise nothing.
    bool clickTile(int row, int index) { return host_->clickTile(row, index); }
    bool clickButton() { return host_->clickButton(); }

    bool pickerKey(form::PickerKey key) { return host_->pickerKey(key); }
    const std::optional<form::TilePlace>& tileCursor() const { return host_->tileCursor(); }

    // A tick of Tmr1, delivered only while the timer is enabled.
    bool tick() { return host_->tick(); }

    // The key box (1 to 3) that holds the keyboard, 0 for none.
    int keyboardHolder() const { return host_->keyBoxHolding(); }
    // Whether "Continue" holds the keyboard.
    bool buttonHoldsKeyboard() const;

    const Label& label(std::string_view name, int index = -1) const;
    const Label& tile(int row, int index) const;
    const Line& line(int index) const;
    const KeyBox& keyBox(int slot) const;
    const PushButton& button() const { return *button_; }
    const Timer& timer() const { return *timer_; }
    int beeps() const { return beep_.count(); }

    const WriteLog& log() const { return log_; }
    void clearLog() { log_.clear(); }
    // Long runs turn the record of writes off.
    void recordWrites(bool on) { recording_ = on; }

    const std::vector<std::unique_ptr<Control>>& all() const { return controls_list_; }

private:
    form::Label& makeLabel(const form::ControlLayout& entry) override;
    form::Line& makeLine(const form::ControlLayout& entry) override;
    form::KeyBox& makeKeyBox(const form::ControlLayout& entry) override;
    form::PushButton& makeButton(const form::ControlLayout& entry) override;
    form::Timer& makeTimer(const form::ControlLayout& entry) override;
    form::Beep& beep() override { return beep_; }
    void settled(const form::ControlLayout*) override {}

    template <typename T>
    T& keep(std::unique_ptr<T> control);
    const Control* find(std::string_view name, int index) const;

    WriteLog log_;
    bool recording_ = true;
    std::vector<std::unique_ptr<Control>> controls_list_;
    std::array<std::array<Label*, form::kTilesPerRow>, 3> tiles_{};
    std::array<Line*, form::kFrameLines> lines_{};
    std::array<KeyBox*, 3> boxes_{};
    PushButton* button_ = nullptr;
    Timer* timer_ = nullptr;
    Beep beep_{log_};
    std::unique_ptr<form::FormHost> host_;
};

}  // namespace zindle::headless
