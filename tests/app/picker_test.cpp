// SPDX-License-Identifier: MIT
#include "app/window_fixture.h"

using zindle::testing::WindowTest;

class Pickers : public WindowTest {
protected:
    void click(int row, char letter) { QTest::mouseClick(window.tile(row, letter - 'A'), Qt::LeftButton); }
    QString bigLetter(int slot) const
    {
        return window.label(QStringLiteral("Lblletter%1").arg(slot))->caption();
    }
    // The colour inside a tile, below its letter.
    QColor tileGround(const QImage& image, int row, char letter) const
    {
        const QRect r = window.tile(row, letter - 'A')->geometry();
        return image.pixelColor(r.left() + 2, r.bottom() - 2);
    }
    // How many pixels of a tile are in this colour.
    int tilePixels(const QImage& image, int row, char letter, QColor colour) const
    {
        const QRect r = window.tile(row, letter - 'A')->geometry();
        int n = 0;
        for (int y = r.top() + 1; y < r.bottom(); ++y)
            for (int x = r.left() + 1; x < r.right(); ++x)
                n += image.pixelColor(x, y) == colour ? 1 : 0;
        return n;
    }
};

TEST_F(Pickers, BlockedTilesArePaleWithGreyLetters)
{
    const QImage image = grab();
    EXPECT_EQ(tileGround(image, 1, 'A'), QColor(255, 255, 0));
    EXPECT_EQ(tileGround(image, 1, 'T'), QColor(255, 255, 192));
    EXPECT_EQ(tileGround(image, 2, 'B'), QColor(255, 128, 0));
    EXPECT_EQ(tileGround(image, 2, 'A'), QColor(255, 224, 192));
    EXPECT_EQ(tileGround(image, 3, 'B'), QColor(0, 255, 255));
    EXPECT_EQ(tileGround(image, 3, 'A'), QColor(192, 255, 255));
    // A free tile's letter is black; a blocked one's is grey, never dark.
    EXPECT_GT(tilePixels(image, 1, 'A', Qt::black), 5);
    const QRect t = window.tile(1, 'T' - 'A')->geometry().adjusted(1, 1, -1, -1);
    int inked = 0, darkest = 255;
    for (int y = t.top(); y <= t.bottom(); ++y)
        for (int x = t.left(); x <= t.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            inked += c != QColor(255, 255, 192) ? 1 : 0;
            darkest = std::min(darkest, c.value());
        }
    EXPECT_GT(inked, 5) << "the letter is drawn";
    EXPECT_GE(darkest, 120) << "in grey";
    EXPECT_FALSE(window.tile(1, 'T' - 'A')->font().bold());
    EXPECT_TRUE(window.tile(1, 'A' - 'A')->font().bold());
}

TEST_F(Pickers, ClickOnAFreeTileChoosesItsLetter)
{
    click(1, 'B');
    EXPECT_EQ(bigLetter(1), QStringLiteral("B"));
    const QImage image = grab();
    EXPECT_EQ(tileGround(image, 2, 'G'), QColor(255, 224, 192)) << "B blocks G in row 2";
    EXPECT_EQ(tileGround(image, 2, 'S'), QColor(255, 128, 0)) << "S is free again";
    EXPECT_EQ(window.focusWidget(), window.keyBox(1));
    type(QStringLiteral("b"));
    EXPECT_EQ(score(), QStringLiteral(" 1"));
}

TEST_F(Pickers, ClickOnABlockedTileChangesNothing)
{
    const QImage before = grab();
    click(1, 'T');
    click(2, 'S');
    click(3, 'Z');
    EXPECT_EQ(grab(), before);
    EXPECT_EQ(bigLetter(1), QStringLiteral("S"));
    EXPECT_EQ(bigLetter(2), QStringLiteral("T"));
    EXPECT_EQ(bigLetter(3), QStringLiteral("I"));
}

TEST_F(Pickers, OnlyALeftClickReleasedOnTheTileChooses)
{
    QTest::mouseClick(window.tile(1, 1), Qt::RightButton);
    EXPECT_EQ(bigLetter(1), QStringLiteral("S"));
    QTest::mousePress(window.tile(1, 1), Qt::LeftButton);
    QTest::mouseRelease(window.tile(1, 1), Qt::LeftButton, {}, QPoint(40, 5));
    EXPECT_EQ(bigLetter(1), QStringLiteral("S")) << "released off the tile";
}
