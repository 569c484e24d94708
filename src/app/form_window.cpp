// SPDX-License-Identifier: MIT
#include "app/form_window.h"

#include "app/frame_extents.h"
#include "app/icon.h"
#include "ui/focus.h"
#include "ui/layout.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWindow>

#include <algorithm>

namespace zindle::app {

std::vector<std::int16_t> keyCodes(const QString& text)
{
    std::vector<std::int16_t> codes;
    for (char32_t c : text.toUcs4()) {
        const char32_t code = c <= 0xFFFF ? c : 0xFFFD;
        codes.push_back(static_cast<std::int16_t>(static_cast<std::uint16_t>(code)));
    }
    return codes;
}

FormWindow::FormWindow()
{
    setObjectName(QStringLiteral("Frmzindle"));
    setWindowTitle(QString::fromStdU16String(std::u16string(ui::kWindowCaption)));
    setWindowIcon(zindleIcon());
    resize(ui::pixels(ui::kClientWidth), ui::pixels(ui::kClientHeight));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(ui::kWindowBackColor));
    pal.setColor(QPalette::WindowText, toQColor(ui::kWindowForeColor));
    setPalette(pal);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
    build();
}

FormWindow::~FormWindow() = default;

void FormWindow::build()
{
    for (const ui::ControlLayout& entry : ui::formLayout()) {
        switch (entry.kind) {
        case ui::Kind::Label: {
            std::function<void()> onClick;
            if (entry.name.starts_with("Lbltext"))
                onClick = [this, row = entry.group, index = entry.index] { clickedTile(row, index); };
            ui::attach(controls_, entry, *new LabelWidget(entry, this, std::move(onClick)));
            break;
        }
        case ui::Kind::Line:
            ui::attach(controls_, entry, *new LineWidget(entry, this));
            break;
        case ui::Kind::KeyBox: {
            auto* box = new KeyBoxWidget(entry, this, [this](const QString& t) { typed(t); });
            ui::attach(controls_, entry, *box);
            break;
        }
        case ui::Kind::PushButton:
            button_ = new ButtonWidget(entry, this, [this] { clickedButton(); });
            ui::attach(controls_, entry, *button_);
            break;
        case ui::Kind::Timer:
            timer_ = std::make_unique<TimerControl>(entry, [this] { ticked(); });
            ui::attach(controls_, entry, *timer_);
            break;
        }
    }
    controls_.beep = &beep_;
    for (const ui::ControlLayout* entry : ui::keyboardOrder())
        tab_order_.push_back(findChild<QWidget*>(objectNameOf(*entry), Qt::FindDirectChildrenOnly));
}

void FormWindow::load(ui::FormEvents& events)
{
    events_ = &events;
    events_->Form_Load();
    settleKeyboard();
}

// The whole window, the window manager's border included, stands in the
// middle of the screen's free area.
void FormWindow::showCentred()
{
    create();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QMargins border = frameExtentsBeforeShowing(*this) / devicePixelRatioF();
        QRect frame(QPoint(), size().grownBy(border));
        frame.moveCenter(screen->availableGeometry().center());
        windowHandle()->setPosition(frame.topLeft() + QPoint(border.left(), border.top()));
    }
    show();
    settleKeyboard();
}

// The control that holds the keyboard keeps it while it is visible and
// enabled; otherwise it passes along the tab order to the next one that is:
// from key box to key box during a game, to "Continue" at its end.
void FormWindow::settleKeyboard()
{
    std::vector<ui::FocusCandidate> candidates;
    int current = -1;
    for (std::size_t i = 0; i < tab_order_.size(); ++i) {
        candidates.push_back({!tab_order_[i]->isHidden(), tab_order_[i]->isEnabled()});
        if (tab_order_[i] == holder_)
            current = static_cast<int>(i);
    }
    const int next = ui::settleFocus(candidates, current);
    holder_ = next < 0 ? nullptr : tab_order_[static_cast<std::size_t>(next)];
    if (holder_ != nullptr && focusWidget() != holder_)
        holder_->setFocus(Qt::OtherFocusReason);
}

// Each character of a key press is a key press of its own, delivered to the
// box that holds the keyboard at that moment. Characters left over when the
// game ends, and the keyboard passes to "Continue", are dropped.
void FormWindow::typed(const QString& text)
{
    for (std::int16_t code : keyCodes(text)) {
        const auto* box = dynamic_cast<const KeyBoxWidget*>(holder_);
        if (events_ == nullptr || box == nullptr)
            return;
        ui::deliverKeyPress(*events_, box->slot(), code);
        settleKeyboard();
    }
}

void FormWindow::clickedTile(int row, int index)
{
    if (events_ == nullptr)
        return;
    ui::deliverTileClick(*events_, row, static_cast<std::int16_t>(index));
    settleKeyboard();
}

void FormWindow::clickedButton()
{
    if (events_ == nullptr)
        return;
    events_->Cmdjatka_Click();
    settleKeyboard();
}

void FormWindow::ticked()
{
    if (events_ == nullptr)
        return;
    events_->Tmr1_Timer();
    settleKeyboard();
}

// Keys that no control takes are swallowed.
void FormWindow::keyPressEvent(QKeyEvent* event) { event->accept(); }

LabelWidget* FormWindow::label(const QString& objectName) const
{
    return findChild<LabelWidget*>(objectName, Qt::FindDirectChildrenOnly);
}

LabelWidget* FormWindow::tile(int row, int index) const
{
    return label(QStringLiteral("Lbltext%1(%2)").arg(row).arg(index));
}

LineWidget* FormWindow::line(int index) const
{
    return findChild<LineWidget*>(QStringLiteral("Line1(%1)").arg(index), Qt::FindDirectChildrenOnly);
}

KeyBoxWidget* FormWindow::keyBox(int slot) const
{
    return findChild<KeyBoxWidget*>(QStringLiteral("Pic%1").arg(slot), Qt::FindDirectChildrenOnly);
}

}  // namespace zindle::app
