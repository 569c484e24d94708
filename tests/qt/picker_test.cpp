// SPDX-License-Identifier: MIT
#include "qt/window_fixture.h"

using zindle::testing::WindowTest;

class Pickers : public WindowTest {
protected:
    void click(int row, char letter) { WindowTest::click(window.tile(row, letter - 'A')); }
    QString bigLetter(int slot) const
    {
        return window.label(QStringLiteral("Lblletter%1").arg(slot))->caption();
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
