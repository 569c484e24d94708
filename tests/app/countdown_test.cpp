#include "app/window_fixture.h"


using zindle::testing::WindowTest;

class Countdown : public WindowTest {
protected:
    QString clock() const
    {
        return window.label(QStringLiteral("Lblkello4"))->caption() +
               window.label(QStringLiteral("Lblkello5"))->caption();
    }

    // One tick of the real timer, delivered as the event loop delivers it
    // when the interval is up.
    void tick()
    {
        ASSERT_TRUE(window.timer().enabled());
        window.timer().deliver(true);
    }
};

TEST_F(Countdown, TheRealTimerTicksOnceASecondAfterTheFirstHit)
{
    type(QStringLiteral("s"));
    ASSERT_TRUE(window.timer().enabled());
    EXPECT_TRUE(QTest::qWaitFor([&] { return clock() == QStringLiteral(" 1 4"); }, 5000));
}

TEST_F(Countdown, ContinueGivesTheKeyboardBackToTheFirstBox)
{
    type(QStringLiteral("st"));
    for (int i = 0; i < 15; ++i)
        tick();
    EXPECT_EQ(clock(), QStringLiteral(" 0 0"));
    EXPECT_FALSE(window.timer().enabled());
    EXPECT_TRUE(window.button()->isVisible());
    EXPECT_EQ(window.keyboardHolder(), nullptr);

    // A player still hammering keys neither scores nor presses the button.
    type(QStringLiteral("stis \r\n"));
    key(QStringLiteral(" "), Qt::Key_Space);
    key(QStringLiteral("\r"), Qt::Key_Return);
    EXPECT_EQ(score(), QStringLiteral(" 2"));
    EXPECT_TRUE(window.button()->isVisible());

    QTest::mouseClick(window.button(), Qt::LeftButton);
    EXPECT_FALSE(window.button()->isVisible());
    EXPECT_EQ(clock(), QStringLiteral(" 1 5"));
    EXPECT_EQ(score(), QStringLiteral(" 0"));
    EXPECT_EQ(window.focusWidget(), window.keyBox(1));
    type(QStringLiteral("s"));
    EXPECT_EQ(score(), QStringLiteral(" 1"));
    EXPECT_TRUE(window.timer().enabled());
    EXPECT_EQ(window.focusWidget(), window.keyBox(2));
}

// Only the key boxes differ: after a game the boxes of slots 2 and 3 stay
// shown, disabled.
TEST_F(Countdown, ContinueBringsBackTheStartPicture)
{
    const QRect rightOfKeyBoxes(130, 0, 490, 456);
    const QImage start = grab().copy(rightOfKeyBoxes);
    type(QStringLiteral("s"));
    for (int i = 0; i < 15; ++i)
        tick();
    ASSERT_NE(grab().copy(rightOfKeyBoxes), start);
    QTest::mouseClick(window.button(), Qt::LeftButton);
    EXPECT_EQ(grab().copy(rightOfKeyBoxes), start);
    EXPECT_FALSE(window.keyBox(2)->isHidden());
    EXPECT_FALSE(window.keyBox(2)->isEnabled());
}
