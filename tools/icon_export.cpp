// SPDX-License-Identifier: MIT
// Writes the window's icon images as PNG files (one per drawn size) and as
// one Windows icon file, for installing and packaging.
//   icon_export OUTDIR BASENAME

#include "app/icon.h"

#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QImageWriter>
#include <QPixmap>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: icon_export OUTDIR BASENAME\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QString base = QString::fromLocal8Bit(argv[2]);
    const QIcon icon = zindle::app::drawnIcon();
    bool ok = true;
    for (const QSize& size : icon.availableSizes()) {
        const QString name = out.filePath(QStringLiteral("%1-%2.png").arg(base).arg(size.width()));
        ok = icon.pixmap(size).save(name, "PNG") && ok;
    }
    QImageWriter ico(out.filePath(base + QStringLiteral(".ico")), "ico");
    ok = ico.write(icon.pixmap(QSize(32, 32)).toImage()) && ok;
    if (!ok)
        std::fprintf(stderr, "icon_export: could not write the icon files\n");
    return ok ? 0 : 1;
}
