// SPDX-License-Identifier: MIT
#include "app/accessibility.h"

#include "app/form_window.h"
#include "app/widgets.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace zindle::app {

namespace {

// A label reads as its caption.
class LabelAccessible final : public QAccessibleWidget {
public:
    explicit LabelAccessible(LabelWidget* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        const auto* label = static_cast<const LabelWidget*>(widget());
        if (t == QAccessible::Name)
            return label->caption();
        if (t == QAccessible::Description)
            return label->accessibleDescription();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* zindleAccessible(const QString&, QObject* object)
{
    if (auto* label = dynamic_cast<LabelWidget*>(object))
        return new LabelAccessible(label);
    // The game's window is a frame named by its title.
    if (auto* window = dynamic_cast<FormWindow*>(object))
        return new QAccessibleWidget(window, QAccessible::Window);
    return nullptr;
}

}  // namespace

void installAccessibility() { QAccessible::installFactory(zindleAccessible); }

}  // namespace zindle::app
