// SPDX-License-Identifier: MIT
#include "qt/look.h"

namespace zindle::qt {

QString slotName(int slot)
{
    const std::string_view name = form::slotLook(slot).name;
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

QColor toQColor(form::Colour colour) { return QColor(colour.red(), colour.green(), colour.blue()); }

form::Colour fromQColor(const QColor& colour)
{
    return form::Colour::fromRgb(colour.red(), colour.green(), colour.blue());
}

QColor captionColour(const std::optional<form::Colour>& fixed, const QColor& back, const QPalette& palette)
{
    if (fixed)
        return toQColor(*fixed);
    const QColor system = palette.color(QPalette::Active, QPalette::ButtonText);
    return toQColor(form::readableOn(fromQColor(back), fromQColor(system)));
}

QRect pixelRect(const form::Rect& r)
{
    return QRect(form::pixels(r.left), form::pixels(r.top), form::pixels(r.width),
                 form::pixels(r.height));
}

QString objectNameOf(const form::ControlLayout& entry)
{
    const QString name = QString::fromLatin1(entry.name.data(), static_cast<qsizetype>(entry.name.size()));
    return entry.index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(entry.index);
}

}  // namespace zindle::qt
