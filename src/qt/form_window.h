// SPDX-License-Identifier: MIT
#pragma once

#include "qt/bell.h"
#include "qt/drawn.h"
#include "qt/timer_control.h"
#include "qt/widgets.h"
#include "form/form_controls.h"
#include "form/form_events.h"
#include "form/host.h"

#include <QWidget>

#include <array>
#include <memory>
#include <vector>

namespace zindle::qt {

// The window Frmzindle: the form's host builds it once from the layout with
// the controls this window makes, and delivers the events to the game. The
// window owns every control, paints the labels and lines on its surface and
// gives the keys to the control the host says holds the keyboard.
class FormWindow final : public QWidget, private form::Toolkit {
    Q_OBJECT

public:
    explicit FormWindow(const std::vector<form::ControlLayout>& layout);
    ~FormWindow() override;

    const form::FormControls& controls() const { return host_->controls(); }

    // Connects the game, runs its load event and gives the keyboard to the
    // first key box that can take it; the window is then ready to show.
    void load(form::FormEvents& events);
    void showCentred();

    // The keyboard widget (while a key box holds the keyboard) or the
    // button, or nullptr; and the key box, 1 to 3, that holds it, or 0.
    QWidget* keyboardHolder() const { return holder_; }
    int keyBoxHolding() const { return host_->keyBoxHolding(); }
    KeysWidget* keys() const { return keys_; }
    // Labels, tiles and lines by their object names ("Lblpisteet",
    // "Lbltext1(3)", "Line1(0)"), drawn on the window's surface.
    const DrawnLabel* label(const QString& objectName) const;
    const DrawnLabel* tile(int row, int index) const;
    const DrawnLine* line(int index) const;
    const Surface& surface() const { return surface_; }
    Surface& surface() { return surface_; }
    const DrawnKeyBox* keyBox(int slot) const;
    // A tile pressed other than with the mouse (an assistive technology's
    // press action): chooses its letter exactly as a click does, if the
    // tile is shown and free.
    void pressTile(const DrawnLabel& tile);
    // What the tile cursor tells a screen reader while it is shown: the
    // tile's letter ("D.", "E, blocked.", "orange D, blocked." coming into
    // a row), or after a choice what the keys tell of it ("D. D, T, I,");
    // empty while it is hidden.
    QString cursorWords() const { return cursorWords_; }
    // The cursor has two accessible objects, 0 and 1, one of them the
    // cursor at a time (see showTileCursor); their ids, 0 until made.
    int cursorSide() const { return cursorSide_; }
    unsigned cursorAccessibleId(int side) const { return cursorAccessibleIds_.at(static_cast<std::size_t>(side)); }
    void setCursorAccessibleId(int side, unsigned id) { cursorAccessibleIds_.at(static_cast<std::size_t>(side)) = id; }
    ButtonWidget* button() const { return button_; }
    const TimerControl& timer() const { return *timer_; }
    TimerControl& timer() { return *timer_; }

Q_SIGNALS:
    // The window's first frame has been painted.
    void firstFramePainted();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    form::Label& makeLabel(const form::ControlLayout& entry) override;
    form::Line& makeLine(const form::ControlLayout& entry) override;
    form::KeyBox& makeKeyBox(const form::ControlLayout& entry) override;
    form::PushButton& makeButton(const form::ControlLayout& entry) override;
    form::Timer& makeTimer(const form::ControlLayout& entry) override;
    form::Beep& beep() override { return beep_; }
    void settled(const form::ControlLayout* keyboardHolder) override;

    void typed(const QString& text);
    bool tellLetters();
    void showTileCursor(bool chosen);

    const Drawn* drawn(const QString& objectName) const;

    Surface surface_{*this};
    const DrawnLabel* pressed_ = nullptr;   // the label a left button went down on
    KeysWidget* keys_ = nullptr;
    std::vector<std::pair<const form::ControlLayout*, QWidget*>> focusable_;   // key boxes and the button
    ButtonWidget* button_ = nullptr;
    std::unique_ptr<TimerControl> timer_;
    BellBeep beep_;
    std::vector<DrawnKeyBox*> keyBoxes_;
    std::vector<const DrawnLabel*> letters_;   // the three big letters
    std::vector<QString> toldLetters_;        // as last told while the game waited
    const DrawnLabel* score_ = nullptr;
    QWidget* holder_ = nullptr;
    QString cursorWords_;
    std::array<unsigned, 2> cursorAccessibleIds_{};
    int cursorSide_ = 0;
    bool painted_ = false;
    std::unique_ptr<form::FormHost> host_;   // last: it builds the controls with all of the above
};

// A 16-bit character code for each character of a key press: characters of
// the Basic Multilingual Plane keep their code (read as signed 16 bits);
// characters beyond it come as U+FFFD, which no rule of the game treats as a
// letter.
std::vector<std::int16_t> keyCodes(const QString& text);

}  // namespace zindle::qt
