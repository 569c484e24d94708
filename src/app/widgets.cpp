// SPDX-License-Identifier: MIT
#include "app/widgets.h"

#include "app/fonts.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cstdint>

#include <dlfcn.h>

namespace zindle::app {

namespace {

// Captions of disabled labels: grey, so a blocked tile reads differently
// from a free one even to a player who cannot tell its pale colour.
const QColor kDisabledText(0x80, 0x80, 0x80);
const QColor kDisabledKeyBox(0x40, 0x40, 0x40);

}  // namespace

QString slotName(int slot)
{
    switch (slot) {
    case 1: return QStringLiteral("yellow");
    case 2: return QStringLiteral("orange");
    case 3: return QStringLiteral("cyan");
    default: return QString();
    }
}

QColor toQColor(ui::Colour colour)
{
    return QColor(colour.red(), colour.green(), colour.blue());
}

QRect pixelRect(const ui::Rect& r)
{
    return QRect(ui::pixels(r.left), ui::pixels(r.top), ui::pixels(r.width),
                 ui::pixels(r.height));
}

QString objectNameOf(const ui::ControlLayout& entry)
{
    const QString name = QString::fromLatin1(entry.name.data(), static_cast<qsizetype>(entry.name.size()));
    return entry.index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(entry.index);
}

// ---- LabelWidget ------------------------------------------------------------

LabelWidget::LabelWidget(const ui::ControlLayout& entry, QWidget* parent, std::function<void()> onClick)
    : QWidget(parent),
      style_(ui::style(entry.style)),
      caption_(QString::fromStdU16String(std::u16string(entry.caption))),
      back_(toQColor(entry.backColour)),
      text_(entry.textColour ? toQColor(*entry.textColour)
                            : QApplication::palette().color(QPalette::Active, QPalette::ButtonText)),
      onClick_(std::move(onClick))
{
    setObjectName(objectNameOf(entry));
    setGeometry(pixelRect(entry.rect));
    if (entry.style == ui::StyleId::Tile)
        setAccessibleDescription(QStringLiteral("Letter for the %1 slot").arg(slotName(entry.group)));
    setFont(fontFor(style_));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QWidget::setEnabled(entry.enabled);
    QWidget::setVisible(entry.visible);
}

void LabelWidget::setCaption(const ui::Text& caption)
{
    const QString text = QString::fromStdU16String(caption);
    if (text == caption_)
        return;
    caption_ = text;
    update();
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void LabelWidget::setVisible(bool visible) { QWidget::setVisible(visible); }

void LabelWidget::setEnabled(bool enabled)
{
    QWidget::setEnabled(enabled);
    if (!enabled)
        pressed_ = false;
}

void LabelWidget::setBackColor(ui::Colour colour)
{
    back_ = toQColor(colour);
    update();
}

void LabelWidget::setFontBold(bool bold)
{
    QFont f = font();
    f.setWeight(bold ? static_cast<QFont::Weight>(std::max(style_.weight, 700)) : QFont::Normal);
    setFont(f);
    update();
}

QRect LabelWidget::textRect() const
{
    return style_.border ? rect().adjusted(1, 1, -1, -1) : rect();
}

void LabelWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), back_);
    if (style_.border) {
        p.setPen(Qt::black);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    p.setPen(isEnabled() ? text_ : kDisabledText);
    p.drawText(textOrigin(), caption_);
}

// Captions stand at the top of the label, left-aligned or centred.
QPoint LabelWidget::textOrigin() const
{
    const QRect box = textRect();
    int x = box.left();
    if (style_.align == ui::Align::Centre)
        x += (box.width() - QFontMetrics(font()).horizontalAdvance(caption_)) / 2;
    return {x, box.top() + baselineFor(style_, font())};
}

void LabelWidget::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void LabelWidget::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click && isEnabled() && onClick_)
        onClick_();
}

// ---- LineWidget -------------------------------------------------------------

LineWidget::LineWidget(const ui::ControlLayout& entry, QWidget* parent)
    : QWidget(parent), points_(entry.line)
{
    setObjectName(objectNameOf(entry));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(entry.backColour));
    setPalette(pal);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    place();
    QWidget::setVisible(entry.visible);
}

void LineWidget::setVisible(bool visible) { QWidget::setVisible(visible); }

void LineWidget::setX1(int twips)
{
    points_.x1 = twips;
    place();
}

void LineWidget::setX2(int twips)
{
    points_.x2 = twips;
    place();
}

// A line covers the pixels from one end point to the other, both included.
void LineWidget::place()
{
    const int x1 = ui::pixels(points_.x1), x2 = ui::pixels(points_.x2);
    const int y1 = ui::pixels(points_.y1), y2 = ui::pixels(points_.y2);
    setGeometry(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + 1, std::abs(y2 - y1) + 1);
}

// ---- KeyBoxWidget -----------------------------------------------------------

KeyBoxWidget::KeyBoxWidget(const ui::ControlLayout& entry, QWidget* parent,
                           std::function<void(const QString&)> onText)
    : QWidget(parent), slot_(entry.group), colour_(toQColor(ui::slotColour(entry.group))),
      onText_(std::move(onText))
{
    setObjectName(objectNameOf(entry));
    setGeometry(pixelRect(entry.rect));
    setAccessibleName(QStringLiteral("Keys for the %1 letter").arg(slotName(slot_)));
    // The window hands the keyboard to the box that is due; the player never
    // moves it with a click or the Tab key.
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    QWidget::setEnabled(entry.enabled);
    QWidget::setVisible(entry.visible);
}

void KeyBoxWidget::setVisible(bool visible) { QWidget::setVisible(visible); }

void KeyBoxWidget::setEnabled(bool enabled) { QWidget::setEnabled(enabled); }

void KeyBoxWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), isEnabled() ? colour_ : kDisabledKeyBox);
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

ButtonWidget::ButtonWidget(const ui::ControlLayout& entry, QWidget* parent, std::function<void()> onClick)
    : QPushButton(QString::fromStdU16String(std::u16string(entry.caption)), parent),
      face_(toQColor(entry.backColour))
{
    setObjectName(objectNameOf(entry));
    setGeometry(pixelRect(entry.rect));
    setFont(fontFor(ui::style(entry.style)));
    // The window hands it the keyboard; a click on it needs none.
    setFocusPolicy(Qt::TabFocus);
    setAutoDefault(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QObject::connect(this, &QPushButton::clicked, this, [onClick = std::move(onClick)] { onClick(); });
    QWidget::setEnabled(entry.enabled);
    QWidget::setVisible(entry.visible);
}

void ButtonWidget::setVisible(bool visible) { QPushButton::setVisible(visible); }

// A flat face in its own colour with a raised edge, sunken while pressed.
void ButtonWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, face_);
    const bool down = isDown();
    const QColor light = down ? QColor(0x80, 0x80, 0x80) : Qt::white;
    const QColor dark = down ? Qt::white : QColor(0x80, 0x80, 0x80);
    p.setPen(Qt::black);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.setPen(light);
    p.drawLine(1, 1, r.width() - 3, 1);
    p.drawLine(1, 1, 1, r.height() - 3);
    p.setPen(dark);
    p.drawLine(1, r.height() - 2, r.width() - 2, r.height() - 2);
    p.drawLine(r.width() - 2, 1, r.width() - 2, r.height() - 2);
    p.setPen(Qt::black);
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

// ---- BellBeep ----------------------------------------------------------------

// The event sounds of the desktop's sound theme, through libcanberra.
struct BellBeep::EventSound {
    using Create = int (*)(void**);
    using Destroy = int (*)(void*);
    using ChangeProps = int (*)(void*, ...);
    using Play = int (*)(void*, std::uint32_t, ...);

    void* library = nullptr;
    void* context = nullptr;
    Destroy destroy = nullptr;
    Play play = nullptr;

    EventSound()
    {
        library = dlopen("libcanberra.so.0", RTLD_NOW | RTLD_LOCAL);
        if (library == nullptr)
            return;
        auto create = reinterpret_cast<Create>(dlsym(library, "ca_context_create"));
        auto changeProps = reinterpret_cast<ChangeProps>(dlsym(library, "ca_context_change_props"));
        destroy = reinterpret_cast<Destroy>(dlsym(library, "ca_context_destroy"));
        play = reinterpret_cast<Play>(dlsym(library, "ca_context_play"));
        if (create == nullptr || changeProps == nullptr || destroy == nullptr || play == nullptr ||
            create(&context) != 0) {
            context = nullptr;
            return;
        }
        changeProps(context, "application.name", "Zindle", "application.id", ZINDLE_APP_ID,
                    static_cast<char*>(nullptr));
    }

    // The library stays loaded: its sound server client may keep threads
    // and handlers of its own until the process ends.
    ~EventSound()
    {
        if (context != nullptr)
            destroy(context);
    }

    void bell()
    {
        if (context != nullptr)
            play(context, 0, "event.id", "bell", "event.description", "End of the game",
                 static_cast<char*>(nullptr));
    }
};

BellBeep::BellBeep()
    : platformBell_(QGuiApplication::platformName() == QLatin1String("xcb"))
{
}

BellBeep::~BellBeep() = default;

void BellBeep::beep()
{
    if (platformBell_) {
        QApplication::beep();
        return;
    }
    if (!tried_) {
        tried_ = true;
        sound_ = std::make_unique<EventSound>();
    }
    sound_->bell();
}

}  // namespace zindle::app
