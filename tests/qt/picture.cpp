// SPDX-License-Identifier: MIT
#include "qt/picture.h"

#include <QDir>

namespace zindle::testing {

namespace {

QString referencePath(const QString& name)
{
    return QDir(QStringLiteral(ZINDLE_PICTURES_DIR)).filePath(name + QStringLiteral(".png"));
}

QString outputPath(const QString& name) { return QDir(QStringLiteral(ZINDLE_TEST_OUTPUT_DIR)).filePath(name); }

// The differing pixels in red over a dimmed copy of the reference; returns
// how many there are.
int differences(const QImage& reference, const QImage& actual, QImage& map)
{
    map = reference.convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < map.height(); ++y)
        for (int x = 0; x < map.width(); ++x) {
            const QRgb want = map.pixel(x, y);
            const bool same = actual.pixel(x, y) == want;
            count += same ? 0 : 1;
            map.setPixel(x, y, same ? qRgb(qGray(want) / 4, qGray(want) / 4, qGray(want) / 4)
                                    : qRgb(255, 0, 0));
        }
    return count;
}

}  // namespace

::testing::AssertionResult matchesPicture(const QImage& picture, const QString& name)
{
    const QImage actual = picture.convertToFormat(QImage::Format_RGB32);
    if (qEnvironmentVariable("ZINDLE_WRITE_PICTURES") == QStringLiteral("1")) {
        if (!actual.save(referencePath(name)))
            return ::testing::AssertionFailure() << "cannot write " << referencePath(name).toStdString();
        return ::testing::AssertionSuccess() << "wrote " << referencePath(name).toStdString();
    }
    const QImage reference(referencePath(name));
    if (reference.isNull())
        return ::testing::AssertionFailure()
               << "no reference picture " << referencePath(name).toStdString()
               << " (tools/update-pictures.sh writes them)";
    return matchesImage(actual, reference, name);
}

::testing::AssertionResult matchesImage(const QImage& picture, const QImage& expected, const QString& name)
{
    const QImage actual = picture.convertToFormat(QImage::Format_RGB32);
    const QString actualPath = outputPath(name + QStringLiteral("-actual.png"));
    if (expected.size() != actual.size()) {
        actual.save(actualPath);
        return ::testing::AssertionFailure()
               << name.toStdString() << ": the window is " << actual.width() << " x " << actual.height()
               << ", the reference " << expected.width() << " x " << expected.height()
               << "; the window as it is: " << actualPath.toStdString();
    }
    QImage map;
    const int differing = differences(expected, actual, map);
    if (differing == 0)
        return ::testing::AssertionSuccess();
    const QString mapPath = outputPath(name + QStringLiteral("-difference.png"));
    actual.save(actualPath);
    map.save(mapPath);
    return ::testing::AssertionFailure()
           << name.toStdString() << ": " << differing << " pixels differ from the reference; the window as it is: "
           << actualPath.toStdString() << ", the differences: " << mapPath.toStdString();
}

}  // namespace zindle::testing
