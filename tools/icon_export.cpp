// SPDX-License-Identifier: MIT
// Writes the window's icon for the program and for packaging: the drawn
// 16 and 32 pixel images as PNG files, the 32 pixel one as a Windows icon
// file, and every size's pixels (drawn and rendered) as a table for the
// program, laid out as the window system takes them: width, height, then
// the 0xAARRGGBB pixels row by row, one image after the other.
//   icon_export OUTDIR BASENAME TABLE RENDERED_PNG...

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>

#include <cstdio>

namespace {
#include "qt/icons/zindle-16.xpm"
#include "qt/icons/zindle-32.xpm"

QByteArray table(const QList<QImage>& images)
{
    QByteArray out = "// Written by icon_export.\n"
                     "constexpr std::uint32_t kIconPixels[] = {\n";
    for (const QImage& any : images) {
        const QImage image = any.convertToFormat(QImage::Format_ARGB32);
        out += QByteArray::number(image.width()) + ", " + QByteArray::number(image.height()) + ",\n";
        for (int y = 0; y < image.height(); ++y) {
            const auto* row = reinterpret_cast<const quint32*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x)
                out += "0x" + QByteArray::number(row[x], 16) + ',';
            out += '\n';
        }
    }
    return out + "};\n";
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: icon_export OUTDIR BASENAME TABLE RENDERED_PNG...\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QString base = QString::fromLocal8Bit(argv[2]);
    const QImage drawn16(zindle_16_xpm), drawn32(zindle_32_xpm);
    bool ok = drawn16.save(out.filePath(base + QStringLiteral("-16.png")), "PNG");
    ok = drawn32.save(out.filePath(base + QStringLiteral("-32.png")), "PNG") && ok;
    ok = QImageWriter(out.filePath(base + QStringLiteral(".ico")), "ico").write(drawn32) && ok;

    QList<QImage> images{drawn16, drawn32};
    for (int i = 4; i < argc; ++i) {
        images.append(QImage(QString::fromLocal8Bit(argv[i])));
        ok = !images.back().isNull() && ok;
    }
    QFile pixels(QString::fromLocal8Bit(argv[3]));
    ok = pixels.open(QIODevice::WriteOnly) && pixels.write(table(images)) > 0 && ok;
    if (!ok)
        std::fprintf(stderr, "icon_export: could not read or write the icon files\n");
    return ok ? 0 : 1;
}
