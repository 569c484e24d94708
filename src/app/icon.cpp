#include "app/icon.h"

#include <QPixmap>

namespace zindle::app {

namespace {
#include "icons/zindle-16.xpm"
#include "icons/zindle-32.xpm"
}  // namespace

QIcon zindleIcon()
{
    QIcon icon;
    icon.addPixmap(QPixmap(zindle_32_xpm));
    icon.addPixmap(QPixmap(zindle_16_xpm));
    return icon;
}

}  // namespace zindle::app
