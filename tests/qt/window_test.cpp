// SPDX-License-Identifier: MIT
#include "qt/laid_out.h"
#include "qt/picture.h"
#include "qt/window_fixture.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QtTest/QTest>

#include <gtest/gtest.h>

using namespace zindle;

namespace {

using zindle::testing::matchesPicture;

class WindowPicture : public zindle::testing::WindowTest {
protected:
    void ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            window.timer().deliver(true);
    }
};

}  // namespace

TEST_F(WindowPicture, HasTheLaidOutClientSizeAndTitle)
{
    EXPECT_EQ(window.size(), QSize(620, 456));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Zindle"));
    // The icon's large images follow the first frame.
    const QList<QSize> sizes{{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}};
    (void)grab();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.windowIcon().availableSizes() == sizes; }, 2000))
        << window.windowIcon().availableSizes().size() << " sizes";
    // Each image is the one drawn or rendered for its size, pixel for pixel.
    for (const QSize& size : sizes) {
        const QString file = QStringLiteral(ZINDLE_ICON_DIR "/zindle-%1.png").arg(size.width());
        const QImage expected = QImage(file).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        ASSERT_FALSE(expected.isNull()) << file.toStdString();
        EXPECT_EQ(window.windowIcon().pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                  expected) << size.width();
    }
}

// The whole window, pixel for pixel, in the states a player sees.
TEST_F(WindowPicture, AtTheStart)
{
    EXPECT_TRUE(matchesPicture(grab(), QStringLiteral("start")));
}

TEST_F(WindowPicture, AfterTheFirstHit)
{
    type(QStringLiteral("s"));
    EXPECT_TRUE(matchesPicture(grab(), QStringLiteral("first-hit")));
}

// Seventeen hits, slot 3 due, the clock at 08.
TEST_F(WindowPicture, MidGame)
{
    type(QStringLiteral("stististististist"));
    ticks(7);
    EXPECT_TRUE(matchesPicture(grab(), QStringLiteral("mid-game")));
}

// 00:00, the key boxes disabled, "Continue" holding the keyboard.
TEST_F(WindowPicture, AtTheEnd)
{
    type(QStringLiteral("st"));
    ticks(15);
    EXPECT_TRUE(matchesPicture(grab(), QStringLiteral("ended")));
}

// D, G and P chosen with arrows, Home and Enter, which reach no key press
// handler; Space on the blocked cyan N chooses nothing: the reference picture,
// under a dark scheme too, and with the cursor hidden that of D, G and P clicked.
TEST_F(WindowPicture, ChoosingDGPFromTheKeyboard)
{
    using enum Qt::Key;
    type(QStringLiteral("x"));
    press({Key_Left, Key_Home, Key_Right, Key_Right, Key_Right, Key_Return});   // D
    press({Key_Down, Key_Right, Key_Right, Key_Right, Key_Return});             // the orange G
    press({Key_Down, Key_Right, Key_Right, Key_Right, Key_Right, Key_Right, Key_Right, Key_Right, Key_Right,
           Key_Right, Key_Return});                                              // the cyan P
    press({Key_Left, Key_Left, Key_Space});                                      // the cyan N, blocked by G
    EXPECT_TRUE(matchesPicture(grab(), QStringLiteral("cursor-dgp")));
    const QPalette light = QApplication::palette();
    QApplication::setPalette(QPalette(QColor(0x30, 0x30, 0x30)));   // a dark colour scheme changes nothing
    EXPECT_TRUE(matchesPicture(grab(), QStringLiteral("cursor-dgp")));
    QApplication::setPalette(light);
    EXPECT_EQ(game.variables().keycode, 'X') << "a key of the cursor reached the game";
    press({Key_Escape});
    EXPECT_TRUE(matchesPicture(grab(), QStringLiteral("chosen-dgp")));
    type(QStringLiteral("d"));
    EXPECT_EQ(score(), QStringLiteral(" 1")) << "D is the letter to hit";
}

// A dark colour scheme, switched to while the window shows: its light
// button text would vanish on the pale tiles, so free tiles read in black
// and blocked ones keep their grey, and the window is the same picture as
// under the default scheme, at the start and at the end ("Continue"). A
// scheme whose button text reads on the tiles keeps it.
TEST_F(WindowPicture, UnderADarkColourScheme)
{
    struct PaintCount final : QObject {
        int paints = 0;
        bool eventFilter(QObject* object, QEvent* event) override
        {
            paints += event->type() == QEvent::Paint && object->objectName() == QStringLiteral("Frmzindle");
            return false;
        }
    } count;
    const QPalette light = QApplication::palette();
    (void)grab();
    settle();
    window.installEventFilter(&count);
    QApplication::setPalette(QPalette(QColor(0x30, 0x30, 0x30)));   // light text on dark buttons
    ASSERT_EQ(QApplication::palette().color(QPalette::ButtonText), QColor(Qt::white));
    EXPECT_TRUE(QTest::qWaitFor([&] { return count.paints > 0; }, 10000)) << "the change of scheme repainted nothing";
    window.removeEventFilter(&count);
    EXPECT_TRUE(matchesPicture(grab(), QStringLiteral("start")));

    // The window's own palette, not the application's, gives the colour.
    const QPalette own = window.palette();
    QPalette maroon = own;
    maroon.setColor(QPalette::ButtonText, QColor(0x80, 0, 0));
    window.setPalette(maroon);
    const QImage tile = grab().copy(window.tile(3, 1)->rect());   // cyan B, free
    int maroonPixels = 0;
    for (int y = 0; y < tile.height(); ++y)
        for (int x = 0; x < tile.width(); ++x)
            maroonPixels += tile.pixelColor(x, y) == QColor(0x80, 0, 0);
    EXPECT_GT(maroonPixels, 5) << "a readable system text colour is kept";
    window.setPalette(own);

    QApplication::setPalette(QPalette(QColor(0x30, 0x30, 0x30)));
    type(QStringLiteral("st"));
    ticks(15);
    EXPECT_TRUE(matchesPicture(grab(), QStringLiteral("ended")));
    QApplication::setPalette(light);
}

// Run with QT_SCALE_FACTOR=2 only (its own test in CTest). Away from the
// captions it is the start picture doubled: every logical pixel that, with
// its neighbours, has the colour of its shape is two by two device pixels
// of that colour.
TEST_F(WindowPicture, AtTheStartAtScale2)
{
    ASSERT_EQ(window.devicePixelRatio(), 2.0);
    const QImage picture = grab();
    EXPECT_TRUE(matchesPicture(picture, QStringLiteral("start-scale2")));
    const QImage start(QStringLiteral(ZINDLE_PICTURES_DIR "/start.png")), ground = zindle::testing::laidOut(window, 1);
    const auto caption = [&](int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (start.valid(x + dx, y + dy) && start.pixel(x + dx, y + dy) != ground.pixel(x + dx, y + dy))
                    return true;
        return false;
    };
    int differing = 0, compared = 0;
    for (int y = 0; y < start.height(); ++y)
        for (int x = 0; x < start.width(); ++x) {
            if (caption(x, y))
                continue;
            for (int d = 0; d < 4; ++d, ++compared)
                differing += picture.pixel(2 * x + d % 2, 2 * y + d / 2) != start.pixel(x, y);
        }
    EXPECT_GT(compared, picture.width() * picture.height() * 3 / 4);
    EXPECT_EQ(differing, 0) << "device pixels away from the captions differ from the start picture doubled";
}

TEST_F(WindowPicture, ResizingMovesAndScalesNothing)
{
    window.resize(900, 700);
    const QImage bigger = grab();
    EXPECT_EQ(bigger.size(), QSize(900, 700));
    EXPECT_TRUE(matchesPicture(bigger.copy(0, 0, 620, 456), QStringLiteral("start")));
    EXPECT_EQ(bigger.pixelColor(800, 600), QColor(Qt::black)) << "the rest is black ground";
}
