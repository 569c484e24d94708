// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>

#include <gtest/gtest.h>

namespace zindle::testing {

// Whether `actual` equals the reference picture NAME.png under
// tests/pictures (or under its folder for this Qt version, where that has
// the picture: see tests/CMakeLists.txt), pixel for pixel. On a difference
// the picture as it is and a map of the differing pixels (red on a dimmed
// copy) go into the build folder, and the failure names them. With ZINDLE_WRITE_PICTURES=1 in the
// environment (tools/update-pictures.sh) it writes the reference instead.
::testing::AssertionResult matchesPicture(const QImage& actual, const QString& name);

// The same against a picture made by the test; NAME names what goes into the
// build folder on a difference.
::testing::AssertionResult matchesImage(const QImage& actual, const QImage& expected, const QString& name);

}  // namespace zindle::testing
