// SPDX-License-Identifier: MIT
#include "qt/widgets.h"

#include "qt/device_pixels.h"
#include "qt/fonts.h"
#include "qt/spoken.h"
#include "form/text.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>

namespace zindle::qt {

// ---- KeysWidget -------------------------------------------------------------

KeysWidget::KeysWidget(QWidget* parent, std::function<void(const QString&)> onText,
                       std::function<bool(form::PickerKey)> onPicker)
    : QWidget(parent), onText_(std::move(onText)), onPicker_(std::move(onPicker))
{
    setObjectName(QStringLiteral("Keys"));
    // No area of its own: a click anywhere reaches the window.
    setGeometry(QRect(0, 0, 0, 0));
    // The window hands it the keyboard; the player never moves it with a
    // click or the Tab key.
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

// Told as a screen reader speaks it at once, without a role or anything
// else, cutting what it was saying: the echo of the key just typed too.
void KeysWidget::tell(const QString& words, bool quiet)
{
    if (words == told_)
        return;
    told_ = words;
    if (!quiet && QAccessible::isActive())
        tellNow(QAccessible::queryAccessibleInterface(this));
}

namespace {

// The tile cursor's key that a key press is, if any.
std::optional<form::PickerKey> pickerKeyOf(const QKeyEvent& event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    switch (event.key()) {
    case Qt::Key_Left: return form::PickerKey::Left;
    case Qt::Key_Right: return form::PickerKey::Right;
    case Qt::Key_Up: return form::PickerKey::Up;
    case Qt::Key_Down: return form::PickerKey::Down;
    case Qt::Key_Home: return form::PickerKey::Home;
    case Qt::Key_End: return form::PickerKey::End;
    case Qt::Key_Escape: return form::PickerKey::Hide;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: return form::PickerKey::Choose;
    default: return std::nullopt;
    }
}

}  // namespace

void KeysWidget::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    if (const auto picker = pickerKeyOf(*event); picker && onPicker_ && onPicker_(*picker))
        return;
    const QString text = event->text();
    if (!text.isEmpty() && onText_)
        onText_(text);
}

// Tab and Backtab are ordinary keys here: they reach the key press handler
// and never move the keyboard.
bool KeysWidget::focusNextPrevChild(bool) { return false; }

// ---- ButtonWidget -----------------------------------------------------------

ButtonWidget::ButtonWidget(const form::ControlLayout& entry, QWidget* parent, std::function<void()> onClick)
    : QPushButton(QString::fromStdU16String(std::u16string(entry.caption)), parent),
      face_(toQColor(entry.backColour)), text_(entry.textColour), again_(new QTimer(this))
{
    spokenName_ = text();
    again_->setSingleShot(true);
    again_->setInterval(500);
    QObject::connect(again_, &QTimer::timeout, this, &ButtonWidget::tellAgain);
    setObjectName(objectNameOf(entry));
    setGeometry(pixelRect(entry.rect));
    setFont(fontFor(form::style(entry.style)));
    // The window hands it the keyboard; a click on it needs none.
    setFocusPolicy(Qt::TabFocus);
    setAutoDefault(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QObject::connect(this, &QPushButton::clicked, this, [onClick = std::move(onClick)] { onClick(); });
    QWidget::setEnabled(entry.enabled);
    QWidget::setVisible(entry.visible);
}

// Hidden, it is "Continue" again, for the next game's end.
void ButtonWidget::setVisible(bool visible)
{
    QPushButton::setVisible(visible);
    if (!visible) {
        again_->stop();
        result_.clear();
        rename(text());
    }
}

void ButtonWidget::tellResult(const QString& score)
{
    result_ = QString::fromStdU16String(form::resultText(score.toStdU16String()));
    rename(result_ + QLatin1Char(' ') + text());
}

// Told again: with Qt 6.8 and later as an announcement, which Orca speaks
// after what it is saying; before, through the name, which Orca 43 speaks
// when it changes, and only then: the name gains or loses a full stop at
// its end, which is not heard. (Orca 51 takes names that alike for no
// change at all.)
void ButtonWidget::tellAgain()
{
    if (result_.isEmpty() || !hasFocus())
        return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (QAccessible::isActive()) {
        QAccessibleAnnouncementEvent event(this, result_);
        QAccessible::updateAccessibility(&event);
    }
#else
    const QString name = result_ + QLatin1Char(' ') + text();
    rename(spokenName_ == name ? name + QLatin1Char('.') : name);
#endif
}

void ButtonWidget::rename(const QString& name)
{
    if (name == spokenName_)
        return;
    spokenName_ = name;
    tellNameChanged(QAccessible::queryAccessibleInterface(this));
}

// A flat face in its own colour with a raised edge, sunken while pressed.
void ButtonWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();
    // At fractional scales the widget can reach into a device pixel beyond
    // the button's last one: that belongs to the black ground.
    p.fillRect(r, Qt::black);
    const DevicePixels device(p);
    device.fill(r, face_);
    const bool down = isDown();
    const QColor light = down ? QColor(0x80, 0x80, 0x80) : Qt::white;
    const QColor dark = down ? Qt::white : QColor(0x80, 0x80, 0x80);
    device.frame(r, Qt::black);
    device.hline(1, r.width() - 3, 1, light);
    device.vline(1, 1, r.height() - 3, light);
    device.hline(1, r.width() - 2, r.height() - 2, dark);
    device.vline(r.width() - 2, 1, r.height() - 2, dark);
    p.setPen(captionColour(text_, face_, palette()));
    p.drawText(r.translated(down ? 1 : 0, down ? 1 : 0), Qt::AlignCenter, text());
    if (hasFocus()) {
        p.setPen(QPen(Qt::black, 0, Qt::DotLine));
        p.drawRect(r.adjusted(4, 4, -5, -5));
    }
}

void ButtonWidget::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
        QPushButton::keyPressEvent(event);   // pressed now, clicked on release
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat())
            click();
        break;
    default:
        again_->start();
        break;
    }
    event->accept();
}

// It is the only control that can hold the keyboard while it is shown: Tab
// leaves the keyboard where it is.
bool ButtonWidget::focusNextPrevChild(bool) { return true; }

}  // namespace zindle::qt
