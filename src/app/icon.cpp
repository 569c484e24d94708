// SPDX-License-Identifier: MIT
#include "app/icon.h"

#include <QPixmap>

namespace zindle::app {

namespace {
#include "icons/zindle-16.xpm"
#include "icons/zindle-32.xpm"
}  // namespace

QIcon drawnIcon()
{
    QIcon icon;
    icon.addPixmap(QPixmap(zindle_32_xpm));
    icon.addPixmap(QPixmap(zindle_16_xpm));
    return icon;
}

QIcon zindleIcon()
{
    QIcon icon = drawnIcon();
    for (int size : {48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/zindle-%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace zindle::app
