// SPDX-License-Identifier: MIT
#include "qt/widgets.h"

#include "qt/device_pixels.h"
#include "qt/fonts.h"
#include "form/text.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>

namespace zindle::qt {

// ---- KeyBoxWidget -----------------------------------------------------------

KeyBoxWidget::KeyBoxWidget(const form::ControlLayout& entry, QWidget* parent, DrawnKeyBox& look,
                           const DrawnLabel& letter, std::function<void(const QString&)> onText)
    : QWidget(parent), look_(look), letter_(letter), toldLetter_(letter.caption()), onText_(std::move(onText))
{
    setObjectName(objectNameOf(entry));
    // No area of its own: nothing of it is ever painted. Its place is the
    // strip's.
    setGeometry(QRect(look.rect().topLeft(), QSize(0, 0)));
    setAccessibleDescription(QStringLiteral("the %1 letter").arg(slotName(entry.group)));
    // The window hands the keyboard to the box that is due; the player never
    // moves it with a click or the Tab key.
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    QWidget::setEnabled(entry.enabled);
    QWidget::setVisible(entry.visible);
}

void KeyBoxWidget::setVisible(bool visible)
{
    QWidget::setVisible(visible);
    look_.setVisible(visible);
}

void KeyBoxWidget::setEnabled(bool enabled)
{
    QWidget::setEnabled(enabled);
    look_.setEnabled(enabled);
}

void KeyBoxWidget::announceLetter()
{
    if (letter_.caption() == toldLetter_)
        return;
    toldLetter_ = letter_.caption();
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void KeyBoxWidget::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    const QString text = event->text();
    if (!text.isEmpty() && onText_)
        onText_(text);
}

// Tab and Backtab are ordinary keys here: they reach the key press handler
// and never move the keyboard to another box.
bool KeyBoxWidget::focusNextPrevChild(bool) { return false; }

// ---- ButtonWidget -----------------------------------------------------------

ButtonWidget::ButtonWidget(const form::ControlLayout& entry, QWidget* parent, std::function<void()> onClick)
    : QPushButton(QString::fromStdU16String(std::u16string(entry.caption)), parent),
      face_(toQColor(entry.backColour)), text_(entry.textColour)
{
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

void ButtonWidget::setVisible(bool visible) { QPushButton::setVisible(visible); }

// Qt 6.8 and later announce it, and the focus then names the button; before,
// the button carries it as its description, which the focus reads with it.
void ButtonWidget::tellResult(const QString& score)
{
    const QString result = QString::fromStdU16String(form::resultText(score.toStdU16String()));
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (QAccessible::isActive()) {
        QAccessibleAnnouncementEvent event(this, result);
        QAccessible::updateAccessibility(&event);
    }
#else
    setAccessibleDescription(result);
#endif
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
        break;
    }
    event->accept();
}

// It is the only control that can hold the keyboard while it is shown: Tab
// leaves the keyboard where it is.
bool ButtonWidget::focusNextPrevChild(bool) { return true; }

}  // namespace zindle::qt
