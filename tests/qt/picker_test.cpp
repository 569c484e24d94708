// SPDX-License-Identifier: MIT
#include "qt/window_fixture.h"

using zindle::testing::WindowTest;

class Pickers : public WindowTest {
protected:
    void click(int row, char letter) { WindowTest::click(window.tile(row, letter - 'A')); }
    QString bigLetter(int slot) const
    {
        return window.label(QStringLiteral("Lblletter%1").arg(slot))->text();
    }
};

TEST_F(Pickers, OnlyALeftClickReleasedOnTheTileChooses)
{
    const QPoint b = window.tile(1, 1)->rect().center();
    QTest::mouseClick(&window, Qt::RightButton, {}, b);
    EXPECT_EQ(bigLetter(1), QStringLiteral("S"));
    QTest::mousePress(&window, Qt::LeftButton, {}, b);
    QTest::mouseRelease(&window, Qt::LeftButton, {}, b + QPoint(40, 0));
    EXPECT_EQ(bigLetter(1), QStringLiteral("S")) << "released off the tile";
}

// The tile cursor shows at the first arrow on the first row's tile of the
// yellow letter, stops at the rows' edges, and is there only while the
// game waits: a click hides it, and so does the start of a game; after
// Continue it stays hidden until the next arrow. Meanwhile the arrows
// reach no key press handler.
TEST_F(Pickers, TheTileCursorLivesOnlyWhileTheGameWaits)
{
    const auto cursor = [this] { return window.surface().cursor(); };
    EXPECT_EQ(cursor(), nullptr);
    key({}, Qt::Key_Escape);
    key({}, Qt::Key_Home);
    EXPECT_EQ(cursor(), nullptr) << "only an arrow shows the cursor";
    key({}, Qt::Key_Up);
    EXPECT_EQ(cursor(), window.tile(1, 'S' - 'A'));
    key({}, Qt::Key_Up);
    key({}, Qt::Key_End);
    key({}, Qt::Key_Right);
    EXPECT_EQ(cursor(), window.tile(1, 'Z' - 'A')) << "the cursor stops at the top right";
    for (int i = 0; i < 3; ++i)
        key({}, Qt::Key_Down);
    key({}, Qt::Key_Home);
    key({}, Qt::Key_Left);
    EXPECT_EQ(cursor(), window.tile(3, 0)) << "the cursor stops at the bottom left";
    key(QStringLiteral(" "), Qt::Key_Space);   // the cyan A, blocked by S
    EXPECT_EQ(bigLetter(3), QStringLiteral("I"));
    key({}, Qt::Key_Escape);
    EXPECT_EQ(cursor(), nullptr);

    key({}, Qt::Key_Right);
    click(1, 'D');
    EXPECT_EQ(cursor(), nullptr) << "a click hides the cursor";
    key({}, Qt::Key_Right);
    EXPECT_EQ(cursor(), window.tile(1, 'D' - 'A')) << "it starts on the yellow letter chosen";
    type(QStringLiteral("d"));
    EXPECT_EQ(cursor(), nullptr) << "the game started";
    key({}, Qt::Key_Left);
    EXPECT_EQ(cursor(), nullptr) << "no cursor while the game runs";
    EXPECT_EQ(game.variables().keycode, 'D') << "an arrow reached the game";
    for (int tick = 0; tick < 15; ++tick)
        window.timer().deliver(true);
    key({}, Qt::Key_Left);
    key(QStringLiteral(" "), Qt::Key_Space);   // presses Continue
    EXPECT_FALSE(window.button()->isVisible());
    EXPECT_EQ(cursor(), nullptr) << "the cursor stays hidden after Continue";
    key(QStringLiteral("\r"), Qt::Key_Return);
    EXPECT_EQ(game.variables().keycode, '\r') << "with no cursor Enter reaches the game";
    key({}, Qt::Key_Down);
    EXPECT_EQ(cursor(), window.tile(1, 'D' - 'A'));
}
