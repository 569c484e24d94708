// SPDX-License-Identifier: MIT
#include "qt/form_window.h"

#include "qt/frame_extents.h"
#include "qt/look.h"
#include "qt/spoken.h"
#include "form/layout.h"

#include <QAccessible>
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

FormWindow::FormWindow(const std::vector<form::ControlLayout>& layout)
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
    keys_ = new KeysWidget(
        this, [this](const QString& t) { typed(t); }, [this](form::PickerKey k) { return host_->pickerKey(k); });
    host_ = std::make_unique<form::FormHost>(static_cast<form::Toolkit&>(*this), layout);
    score_ = label(QStringLiteral("Lblpisteet"));
    for (int slot = 1; slot <= 3; ++slot)
        letters_.push_back(label(QStringLiteral("Lblletter%1").arg(slot)));
}

FormWindow::~FormWindow()
{
    for (unsigned id : cursorAccessibleIds_)
        if (id != 0)
            QAccessible::deleteAccessibleInterface(id);
}

form::Label& FormWindow::makeLabel(const form::ControlLayout& entry) { return surface_.addLabel(entry); }

form::Line& FormWindow::makeLine(const form::ControlLayout& entry) { return surface_.addLine(entry); }

// Whichever key box holds the keyboard, the keys come through the one
// keyboard widget.
form::KeyBox& FormWindow::makeKeyBox(const form::ControlLayout& entry)
{
    DrawnKeyBox& box = surface_.addKeyBox(entry);
    keyBoxes_.push_back(&box);
    focusable_.emplace_back(&entry, keys_);
    return box;
}

form::PushButton& FormWindow::makeButton(const form::ControlLayout& entry)
{
    button_ = new ButtonWidget(entry, this, [this] { host_->clickButton(); });
    focusable_.emplace_back(&entry, button_);
    return *button_;
}

form::Timer& FormWindow::makeTimer(const form::ControlLayout& entry)
{
    timer_ = std::make_unique<TimerControl>(entry, [this] { host_->tick(); });
    return *timer_;
}

void FormWindow::load(form::FormEvents& events) { host_->load(events); }

// The whole window, the window manager's border included, stands in the
// middle of the screen's free area. The border comes in device pixels and
// the place goes in logical ones: the middle is found in device pixels, in
// the free area as the window manager has it, and the place rounded once,
// at the end.
void FormWindow::showCentred()
{
    create();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const qreal ratio = devicePixelRatioF();
        const QMarginsF border(frameExtentsBeforeShowing(*this));
        // The window manager's free area spans every screen: on one screen
        // alone it is this one's, in device pixels.
        const QRect free = screen->availableGeometry();
        const QRect native = QGuiApplication::screens().size() == 1 ? freeAreaInDevicePixels() : QRect();
        const QRectF area = native.isEmpty() ? QRectF(QPointF(free.topLeft()) * ratio, QSizeF(free.size()) * ratio)
                                             : QRectF(native);
        const QSizeF frame = QSizeF(size()) * ratio + QSizeF(border.left() + border.right(), border.top() + border.bottom());
        const QPointF client = area.center() - QPointF(frame.width(), frame.height()) / 2 + QPointF(border.left(), border.top());
        windowHandle()->setPosition((client / ratio).toPoint());
    }
    show();
    host_->settleKeyboard();
}

// Once an event has been handled: the keyboard widget, while a key box
// holds the keyboard, or the button gets the keyboard, and assistive
// technologies hear what changed. What the player must hear comes first:
// the letter due, or the result as the keyboard passes to "Continue".
void FormWindow::settled(const form::ControlLayout* keyboardHolder)
{
    QWidget* holder = nullptr;
    for (const auto& [entry, widget] : focusable_)
        if (entry == keyboardHolder)
            holder = widget;
    bool chosen = false;
    if (holder == keys_)
        chosen = tellLetters();
    else if (holder == button_ && holder_ != button_ && score_ != nullptr)
        button_->tellResult(score_->text());
    holder_ = holder;
    if (holder_ != nullptr && focusWidget() != holder_)
        holder_->setFocus(Qt::OtherFocusReason);
    surface_.announceChanges();
    showTileCursor(chosen);
}

// The tile cursor is drawn on its tile and is the focus for assistive
// technologies while it is shown: the focus comes to it when it shows and
// goes back to the keys when it hides; in between, what it tells is said
// at once. Before Qt 6.8 that is a new name of the one object, as the
// keys tell theirs. From Qt 6.8 each move is the focus passing to the
// cursor's other object: Orca 51 takes a new name too like the last it
// spoke ("E, blocked." after "D, blocked.") for no change at all. The
// keyboard stays with the keys.
void FormWindow::showTileCursor(bool chosen)
{
    const std::optional<form::TilePlace>& place = host_->tileCursor();
    const DrawnLabel* under = place ? tile(place->row, place->index) : nullptr;
    const DrawnLabel* before = surface_.cursor();
    const bool shownOrHidden = (under == nullptr) != (before == nullptr);
    surface_.setCursor(under);
    QString words;
    if (under != nullptr && chosen) {
        words = keys_->told();
    } else if (under != nullptr) {
        // Coming into a row, the row's colour first ("orange D."): Up and
        // Down say a new thing even where the letter reads the same.
        const int row = under->entry().group;
        const bool newRow = before == nullptr || before->entry().group != row;
        words = (newRow ? slotName(row) + QLatin1Char(' ') : QString()) + under->text() +
                (under->isEnabled() ? QStringLiteral(".") : QStringLiteral(", blocked."));
    }
    if (words == cursorWords_)
        return;
    cursorWords_ = words;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    const bool focusMoves = true;
    if (!shownOrHidden)
        cursorSide_ = 1 - cursorSide_;
#else
    const bool focusMoves = shownOrHidden;
#endif
    if (!QAccessible::isActive() || !isActiveWindow())
        return;
    QAccessibleInterface* focus = QAccessible::queryAccessibleInterface(this)->focusChild();
    if (focusMoves && under != nullptr)
        tellNameChanged(focus);   // from "Tile cursor"
    if (focusMoves)
        tellFocus(focus);
    else
        tellNow(focus);
}

// While the game runs, the letter due, as a sentence ("T."): Orca 48 says a
// text of one character as a character, and espeak-ng says a capital one
// as "capital T"; the full stop is not read. While it waits, the three in
// their order, as the player will hit them, after a choice with the new
// letter first ("D. D, T, I,"): Orca 51 drops a new name too like the one
// before, and "D, T, I," after "S, T, I," is. The comma at the end keeps a
// last A a letter when Orca 43 says the keys' role after it: espeak-ng
// reads "A panel" and "A. panel" with the article, "A, panel" with the
// letter. Returns whether a letter has just been chosen.
bool FormWindow::tellLetters()
{
    const int due = host_->keyBoxHolding();
    if (timer_->enabled() && due >= 1 && due <= static_cast<int>(letters_.size())) {
        keys_->tell(letters_[static_cast<std::size_t>(due - 1)]->text() + QLatin1Char('.'));
        return false;
    }
    std::vector<QString> all;
    QString chosen;
    for (std::size_t slot = 0; slot < letters_.size(); ++slot) {
        all.push_back(letters_[slot]->text());
        if (toldLetters_.size() == letters_.size() && toldLetters_[slot] != all.back())
            chosen = all.back();
    }
    toldLetters_ = all;
    const QString order = QStringList(all.begin(), all.end()).join(QStringLiteral(", ")) + QLatin1Char(',');
    keys_->tell(chosen.isEmpty() ? order : chosen + QStringLiteral(". ") + order, host_->tileCursor().has_value());
    return !chosen.isEmpty();
}

// Each character of a key press is a key press of its own, delivered to the
// box that holds the keyboard at that moment. Characters left over when the
// game ends, and the keyboard passes to "Continue", are dropped.
void FormWindow::typed(const QString& text)
{
    for (std::int16_t code : keyCodes(text))
        if (!host_->keyPress(code))
            return;
}

// Keys that no control takes are swallowed.
void FormWindow::keyPressEvent(QKeyEvent* event) { event->accept(); }

void FormWindow::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    surface_.paint(painter, event->rect());
    if (!painted_) {
        painted_ = true;
        QTimer::singleShot(0, this, &FormWindow::firstFramePainted);
    }
}

// The window paints itself again when it gains or loses the keyboard.
// Under sway's X server the first frame of a window that gave no new frame
// then stood with its corner at the screen's centre until the next paint;
// this frame, when sway makes the placed window active, puts it right.
// Qt tells the keys as the focus when the window becomes active again: a
// tile cursor shown takes it back once that is done.
void FormWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange) {
        update();
        if (isActiveWindow() && surface_.cursor() != nullptr)
            QTimer::singleShot(0, this, [this] {
                if (surface_.cursor() != nullptr && QAccessible::isActive())
                    tellFocus(QAccessible::queryAccessibleInterface(this)->focusChild());
            });
    }
    QWidget::changeEvent(event);
}

// A click is a left button pressed and released on the same tile; a
// disabled or hidden tile raises none. Clicks never move the keyboard.
void FormWindow::mousePressEvent(QMouseEvent* event)
{
    host_->hideTileCursor();
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
    if (tile.isTile())
        host_->clickTile(tile.entry().group, tile.entry().index);
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

const DrawnKeyBox* FormWindow::keyBox(int slot) const
{
    return slot >= 1 && slot <= static_cast<int>(keyBoxes_.size()) ? keyBoxes_[static_cast<std::size_t>(slot - 1)]
                                                                    : nullptr;
}

}  // namespace zindle::qt
