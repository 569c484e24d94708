// SPDX-License-Identifier: MIT
#include "qt/form_window.h"

#include "qt/application.h"
#include "qt/frame_extents.h"
#include "form/focus.h"
#include "form/layout.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>


namespace zindle::qt {

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
    setWindowTitle(QString::fromStdU16String(std::u16string(form::kWindowCaption)));
    resize(form::pixels(form::kClientWidth), form::pixels(form::kClientHeight));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(form::kWindowBackColor));
    pal.setColor(QPalette::WindowText, toQColor(form::kWindowForeColor));
    setPalette(pal);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
    build();
}

FormWindow::~FormWindow() = default;

void FormWindow::build()
{
    for (const form::ControlLayout& entry : form::formLayout()) {
        switch (entry.kind) {
        case form::Kind::Label: {
            auto label = std::make_unique<DrawnLabel>(entry, surface_);
            form::attach(controls_, entry, *label);
            surface_.add(std::move(label));
            break;
        }
        case form::Kind::Line: {
            auto line = std::make_unique<DrawnLine>(entry, surface_);
            form::attach(controls_, entry, *line);
            surface_.add(std::move(line));
            break;
        }
        case form::Kind::KeyBox: {
            auto* box = new KeyBoxWidget(entry, this, surface_.addKeyBox(entry),
                                         [this](const QString& t) { typed(t); });
            form::attach(controls_, entry, *box);
            break;
        }
        case form::Kind::PushButton:
            button_ = new ButtonWidget(entry, this, [this] { clickedButton(); });
            form::attach(controls_, entry, *button_);
            break;
        case form::Kind::Timer:
            timer_ = std::make_unique<TimerControl>(entry, [this] { ticked(); });
            form::attach(controls_, entry, *timer_);
            break;
        }
    }
    controls_.beep = &beep_;
    for (const form::ControlLayout* entry : form::keyboardOrder())
        tab_order_.push_back(findChild<QWidget*>(objectNameOf(*entry), Qt::FindDirectChildrenOnly));
}

void FormWindow::load(form::FormEvents& events)
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
    std::vector<form::FocusCandidate> candidates;
    int current = -1;
    for (std::size_t i = 0; i < tab_order_.size(); ++i) {
        candidates.push_back({!tab_order_[i]->isHidden(), tab_order_[i]->isEnabled()});
        if (tab_order_[i] == holder_)
            current = static_cast<int>(i);
    }
    const int next = form::settleFocus(candidates, current);
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
        const auto* box = qobject_cast<const KeyBoxWidget*>(holder_);
        if (events_ == nullptr || box == nullptr)
            return;
        form::deliverKeyPress(*events_, box->slot(), code);
        settleKeyboard();
    }
}

void FormWindow::clickedTile(int row, int index)
{
    if (events_ == nullptr)
        return;
    form::deliverTileClick(*events_, row, static_cast<std::int16_t>(index));
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

void FormWindow::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    surface_.paint(painter, event->rect());
    if (!painted_) {
        painted_ = true;
        QTimer::singleShot(0, this, &afterFirstFrame);
    }
}

// A click is a left button pressed and released on the same tile; a
// disabled or hidden tile raises none. Clicks never move the keyboard.
void FormWindow::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton ? surface_.labelAt(event->position().toPoint()) : nullptr;
    event->accept();
}

void FormWindow::mouseReleaseEvent(QMouseEvent* event)
{
    const DrawnLabel* label = surface_.labelAt(event->position().toPoint());
    const bool click = event->button() == Qt::LeftButton && label != nullptr && label == pressed_;
    pressed_ = nullptr;
    event->accept();
    if (click)
        pressTile(*label);
}

void FormWindow::pressTile(const DrawnLabel& tile)
{
    if (tile.isTile() && tile.isVisible() && tile.isEnabled())
        clickedTile(tile.entry().group, tile.entry().index);
}

const Drawn* FormWindow::drawn(const QString& objectName) const
{
    for (const auto& item : surface_.items())
        if (objectNameOf(item->entry()) == objectName)
            return item.get();
    return nullptr;
}

const DrawnLabel* FormWindow::label(const QString& objectName) const
{
    return dynamic_cast<const DrawnLabel*>(drawn(objectName));
}

const DrawnLabel* FormWindow::tile(int row, int index) const
{
    return label(QStringLiteral("Lbltext%1(%2)").arg(row).arg(index));
}

const DrawnLine* FormWindow::line(int index) const
{
    return dynamic_cast<const DrawnLine*>(drawn(QStringLiteral("Line1(%1)").arg(index)));
}

KeyBoxWidget* FormWindow::keyBox(int slot) const
{
    return findChild<KeyBoxWidget*>(QStringLiteral("Pic%1").arg(slot), Qt::FindDirectChildrenOnly);
}

}  // namespace zindle::qt
