// SPDX-License-Identifier: MIT
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

// At the end of a game the keyboard is with "Continue": letters and Tab do
// nothing, Space or Enter continues, and the keyboard goes back to the first
// box. A click continues too.
TEST_F(Countdown, ContinueTakesTheKeyboardAtTheEnd)
{
    const std::pair<QString, Qt::Key> presses[] = {{QStringLiteral(" "), Qt::Key_Space},
                                                   {QStringLiteral("\r"), Qt::Key_Return},
                                                   {QStringLiteral("\r"), Qt::Key_Enter}};
    for (const auto& [text, code] : presses) {
        type(QStringLiteral("st"));
        for (int i = 0; i < 15; ++i)
            tick();
        EXPECT_EQ(clock(), QStringLiteral(" 0 0"));
        ASSERT_TRUE(window.button()->isVisible());
        EXPECT_EQ(window.keyboardHolder(), window.button());
        EXPECT_TRUE(window.button()->hasFocus());

        type(QStringLiteral("stistiSTI"));
        key(QStringLiteral("\t"), Qt::Key_Tab);
        EXPECT_EQ(score(), QStringLiteral(" 2"));
        EXPECT_TRUE(window.button()->isVisible()) << "letters and Tab do not continue";
        EXPECT_TRUE(window.button()->hasFocus()) << "Tab leaves the keyboard on Continue";

        key(text, code);
        EXPECT_FALSE(window.button()->isVisible()) << "key " << code << " continues";
        EXPECT_EQ(clock(), QStringLiteral(" 1 5"));
        EXPECT_EQ(score(), QStringLiteral(" 0"));
        EXPECT_EQ(window.focusWidget(), window.keyBox(1));
    }
    type(QStringLiteral("s"));
    for (int i = 0; i < 15; ++i)
        tick();
    QTest::mouseClick(window.button(), Qt::LeftButton);
    EXPECT_FALSE(window.button()->isVisible());
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
