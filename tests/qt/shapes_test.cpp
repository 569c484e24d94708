// SPDX-License-Identifier: MIT
// Every shape the window draws lies on whole device pixels at the scale it
// is shown at (QT_SCALE_FACTOR, or the compositor's): with the captions
// taken away (Continue's focus mark with them), the window is pixel for
// pixel what its layout draws, at the start, with the tile cursor on a
// blocked and on a free tile, after the first hit and at the end, Continue
// shown. CTest runs it at 1, 1.25, 1.5, 1.75, 2 and 3 on the offscreen
// platform, and under sway at the same scales.

#include "qt/laid_out.h"
#include "qt/picture.h"
#include "qt/window_fixture.h"

#include <cmath>

using zindle::testing::laidOut;
using zindle::testing::matchesImage;

class WindowShapes : public zindle::testing::WindowTest {
protected:
    ::testing::AssertionResult laidOutWithoutCaptions(const char* state)
    {
        for (std::size_t i = 0; i < window.surface().labelCount(); ++i)
            window.surface().label(i).setCaption({});
        window.button()->setText({});
        window.button()->clearFocus();
        const double scale = window.devicePixelRatioF();
        return matchesImage(grab(), laidOut(window, scale), QStringLiteral("shapes-%1-at-%2").arg(QLatin1String(state)).arg(scale));
    }
};

TEST_F(WindowShapes, LieOnWholeDevicePixels)
{
    // Under a compositor (tests/wayland/shapes.sh), the output's scale.
    if (const double output = qEnvironmentVariable("ZINDLE_OUTPUT_SCALE").toDouble(); output > 0) {
        if (QT_VERSION < QT_VERSION_CHECK(6, 5, 0) && output != std::floor(output))
            GTEST_SKIP() << "Qt " << qVersion() << " draws at the next whole scale and the compositor shrinks it";
        // The compositor tells a fractional scale once the window is on its output.
        (void)QTest::qWaitFor([&] { return window.devicePixelRatioF() == output; }, 2000);
        EXPECT_EQ(window.devicePixelRatioF(), output) << "drawn at another scale than the output's";
    }
    EXPECT_TRUE(laidOutWithoutCaptions("start"));
    press({Qt::Key_Down, Qt::Key_Down});   // the cursor on the orange S, blocked
    EXPECT_TRUE(laidOutWithoutCaptions("cursor-blocked"));
    press({Qt::Key_Home, Qt::Key_Right});   // the orange B, free
    EXPECT_TRUE(laidOutWithoutCaptions("cursor-free"));
    type(QStringLiteral("s"));
    EXPECT_TRUE(laidOutWithoutCaptions("first-hit"));
    for (int tick = 0; tick < 15; ++tick)
        window.timer().deliver(true);
    ASSERT_TRUE(window.button()->isVisible());
    EXPECT_TRUE(laidOutWithoutCaptions("ended"));
}
