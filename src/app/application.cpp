// SPDX-License-Identifier: MIT
#include "app/application.h"

#include "app/accessibility.h"
#include "app/icon.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace zindle::app {

void describeApplication(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("Zindle"));
    QApplication::setApplicationDisplayName(QStringLiteral("Zindle"));
    QApplication::setApplicationVersion(QStringLiteral(ZINDLE_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Norvo"));
    QGuiApplication::setDesktopFileName(QStringLiteral(ZINDLE_APP_ID));
    QApplication::setWindowIcon(zindleIcon(64));
    installAccessibility();
    (void)app;
}

void afterFirstFrame()
{
    QApplication::setWindowIcon(zindleIcon());
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

}  // namespace zindle::app
