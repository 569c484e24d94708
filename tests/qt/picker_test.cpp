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
// yellow letter and stops at the rows' edges; a click hides it, and so does
// the start of a game. Without it Space and Enter reach the game.
TEST_F(Pickers, TheTileCursorLivesOnlyWhileTheGameWaits)
{
    const auto press = [this](std::initializer_list<Qt::Key> keys) {
        WindowTest::press(keys);
        return window.surface().cursor();
    };
    EXPECT_EQ(press({Qt::Key_Escape, Qt::Key_Home}), nullptr) << "only an arrow shows the cursor";
    EXPECT_EQ(press({Qt::Key_Up}), window.tile(1, 'S' - 'A'));
    EXPECT_EQ(press({Qt::Key_Up, Qt::Key_End, Qt::Key_Right}), window.tile(1, 'Z' - 'A'));
    EXPECT_EQ(press({Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Home, Qt::Key_Left}), window.tile(3, 0));
    click(1, 'D');
    EXPECT_EQ(window.surface().cursor(), nullptr) << "a click hides the cursor";
    EXPECT_EQ(press({Qt::Key_Return}), nullptr);
    EXPECT_EQ(game.variables().keycode, '\r') << "with no cursor Enter reaches the game";
    EXPECT_EQ(press({Qt::Key_Right}), window.tile(1, 'D' - 'A')) << "it starts on the yellow letter chosen";
    type(QStringLiteral("d"));
    EXPECT_EQ(press({Qt::Key_Left}), nullptr) << "no cursor while the game runs";
    EXPECT_EQ(game.variables().keycode, 'D') << "an arrow reached the game";
}
