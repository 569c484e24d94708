// SPDX-License-Identifier: MIT
#include "qt/accessibility.h"

#include "qt/drawn.h"
#include "qt/form_window.h"
#include "qt/look.h"
#include "qt/widgets.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWindow>

namespace zindle::qt {

namespace {

// Something drawn on the window's surface, with no object or children of
// its own: a child of the window's interface.
class SurfaceAccessible : public QAccessibleInterface {
public:
    explicit SurfaceAccessible(FormWindow& window) : window_(window) {}

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return window_.windowHandle(); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(&window_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    FormWindow& window_;
};

// A label or tile on the window's surface: a label reads as its caption; a
// tile is a button described by its row, with a press action while it is
// shown and free, and disabled while blocked.
class DrawnAccessible final : public SurfaceAccessible, public QAccessibleActionInterface {
public:
    DrawnAccessible(const DrawnLabel& label, FormWindow& window) : SurfaceAccessible(window), label_(label) {}

    QRect rect() const override
    {
        return {window_.mapToGlobal(label_.rect().topLeft()), label_.rect().size()};
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return label_.text();
        if (t == QAccessible::Description && label_.isTile())
            return QStringLiteral("Letter for the %1 slot").arg(slotName(label_.entry().group));
        return {};
    }

    QAccessible::Role role() const override
    {
        return label_.isTile() ? QAccessible::Button : QAccessible::StaticText;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.disabled = !label_.isEnabled();
        s.invisible = !label_.isVisible() || !window_.isVisible();
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ActionInterface && label_.isTile())
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    QStringList actionNames() const override
    {
        if (label_.isEnabled() && label_.isVisible())
            return {pressAction()};
        return {};
    }

    void doAction(const QString& name) override
    {
        if (name == pressAction())
            window_.pressTile(label_);
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    const DrawnLabel& label_;
};

// The tile cursor: while it is shown, an object on its tile named by what
// it tells ("D.", "E, blocked."), with the role the keys have, so that a
// screen reader says its words and nothing else. It has two such objects,
// one of them the cursor at a time; the other, hidden, is "Tile cursor".
class CursorAccessible final : public SurfaceAccessible {
public:
    CursorAccessible(FormWindow& window, int side) : SurfaceAccessible(window), side_(side) {}

    QAccessible::Role role() const override;

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return {};
        return isCursor() ? window_.cursorWords() : QStringLiteral("Tile cursor");
    }

    QRect rect() const override
    {
        const DrawnLabel* tile = window_.surface().cursor();
        return isCursor() ? QRect(window_.mapToGlobal(tile->rect().topLeft()), tile->rect().size()) : QRect();
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.invisible = !isCursor() || !window_.isVisible();
        s.focusable = isCursor();
        s.focused = isCursor() && window_.isActiveWindow();
        return s;
    }

private:
    bool isCursor() const { return window_.surface().cursor() != nullptr && window_.cursorSide() == side_; }

    int side_;
};

// The game's window is a frame named by its title. Its children are the
// labels and tiles drawn on its surface, in drawing order (the frame's lines
// say nothing and are left out), the tile cursor's two objects, then its
// real controls;
// the interface of a drawn child or the cursor is made when a client first
// asks for it.
class WindowAccessible final : public QAccessibleWidget {
public:
    explicit WindowAccessible(FormWindow* window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return drawnCount() + kCursors + QAccessibleWidget::childCount(); }

    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (index >= drawnCount() + kCursors)
            return QAccessibleWidget::child(index - drawnCount() - kCursors);
        if (index >= drawnCount())
            return cursor(index - drawnCount());
        DrawnLabel& label = form().surface().label(static_cast<std::size_t>(index));
        if (label.accessibleId() == 0)
            label.setAccessibleId(QAccessible::registerAccessibleInterface(new DrawnAccessible(label, form())));
        return QAccessible::accessibleInterface(label.accessibleId());
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < drawnCount(); ++i) {
            const unsigned id = form().surface().label(static_cast<std::size_t>(i)).accessibleId();
            if (id != 0 && QAccessible::accessibleInterface(id) == child)
                return i;
        }
        for (int side = 0; side < kCursors; ++side) {
            const unsigned id = form().cursorAccessibleId(side);
            if (id != 0 && QAccessible::accessibleInterface(id) == child)
                return drawnCount() + side;
        }
        const int widget = QAccessibleWidget::indexOfChild(child);
        return widget < 0 ? -1 : drawnCount() + kCursors + widget;
    }

    // The tile cursor while it is shown.
    QAccessibleInterface* focusChild() const override
    {
        return form().surface().cursor() != nullptr ? cursor(form().cursorSide()) : QAccessibleWidget::focusChild();
    }

private:
    static constexpr int kCursors = 2;

    QAccessibleInterface* cursor(int side) const
    {
        if (form().cursorAccessibleId(side) == 0)
            form().setCursorAccessibleId(
                side, QAccessible::registerAccessibleInterface(new CursorAccessible(form(), side)));
        return QAccessible::accessibleInterface(form().cursorAccessibleId(side));
    }

    FormWindow& form() const { return *static_cast<FormWindow*>(widget()); }
    int drawnCount() const { return static_cast<int>(form().surface().labelCount()); }
};

// The keys stand where the key boxes' strips are drawn, and are a label
// named by what they tell: the three letters in their order while the game
// waits ("S, T, I", with commas, so that a lone "A" is read as the letter
// and not as the article), the letter due while it runs. Orca speaks a new
// name of the focused label as it stands, with no role: Orca 48 and later
// present it as the focus anew, which cuts the echo of the key just typed.
// Orca 43 says a label's role, and a panel's only when the focus comes to
// it: before Qt 6.8 the keys are a panel.
class KeysAccessible final : public QAccessibleWidget {
public:
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    static constexpr QAccessible::Role role = QAccessible::StaticText;
#else
    static constexpr QAccessible::Role role = QAccessible::Pane;
#endif
    explicit KeysAccessible(KeysWidget* keys) : QAccessibleWidget(keys, role) {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? keys().told() : QString();
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = keys().isVisible() && keys().isEnabled();
        s.focused = s.focused && form().surface().cursor() == nullptr;
        return s;
    }

    QRect rect() const override
    {
        const QRect strips = form().surface().keyBoxArea();
        return {form().mapToGlobal(strips.topLeft()), strips.size()};
    }

private:
    const KeysWidget& keys() const { return *static_cast<const KeysWidget*>(widget()); }
    const FormWindow& form() const { return *static_cast<const FormWindow*>(keys().parentWidget()); }
};

QAccessible::Role CursorAccessible::role() const { return KeysAccessible::role; }

// "Continue" is a button pressed by its action, named as it tells the end
// of a game: the result first, then its caption.
class ButtonAccessible final : public QAccessibleWidget {
public:
    explicit ButtonAccessible(ButtonWidget* button) : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? button().spokenName() : QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& name) override
    {
        if (name == pressAction() && button().isVisible())
            button().click();
    }

private:
    ButtonWidget& button() const { return *static_cast<ButtonWidget*>(widget()); }
};

QAccessibleInterface* zindleAccessible(const QString&, QObject* object)
{
    if (auto* keys = qobject_cast<KeysWidget*>(object))
        return new KeysAccessible(keys);
    if (auto* button = qobject_cast<ButtonWidget*>(object))
        return new ButtonAccessible(button);
    if (auto* window = qobject_cast<FormWindow*>(object))
        return new WindowAccessible(window);
    return nullptr;
}

}  // namespace

void installAccessibility() { QAccessible::installFactory(zindleAccessible); }

}  // namespace zindle::qt
