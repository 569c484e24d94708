// SPDX-License-Identifier: MIT
#include "qt/application.h"

#include "qt/accessibility.h"
#include "qt/icon.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace zindle::qt {

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

}  // namespace zindle::qt
