// SPDX-License-Identifier: MIT
#include "qt/window_fixture.h"

#include <QTimer>

#include <chrono>
#include <functional>
#include <optional>
#include <thread>


using zindle::testing::WindowTest;

class Countdown : public WindowTest {
protected:
    QString clock() const
    {
        return window.label(QStringLiteral("Lblkello4"))->text() +
               window.label(QStringLiteral("Lblkello5"))->text();
    }

    // One tick of the real timer, delivered as the event loop delivers it
    // when the interval is up.
    void tick()
    {
        ASSERT_TRUE(window.timer().enabled());
        window.timer().deliver(true);
    }
};

// Calls back on every paint of the object it watches.
class PaintWatch final : public QObject {
public:
    explicit PaintWatch(std::function<void()> painted) : painted_(std::move(painted)) {}
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted_();
        return false;
    }

private:
    std::function<void()> painted_;
};

// The timer runs at exactly one second. The event loop held up for 2.5 s
// in the middle of a game, over three ticks: those ticks still come, the
// game ends no sooner than fifteen seconds after the first hit, and once the
// monotonic clock has passed that deadline the fifteenth tick is due and
// ends it, however busy the machine. The clock shows every value on the way.
TEST_F(Countdown, AStalledEventLoopStillGivesAFifteenSecondGame)
{
    using Clock = std::chrono::steady_clock;
    QStringList shown{clock()};
    PaintWatch watch([&] {
        if (shown.back() != clock())
            shown << clock();
    });
    window.installEventFilter(&watch);

    EXPECT_EQ(window.timer().period(), std::chrono::nanoseconds{}) << "the clock stands before the hit";
    const auto beforeTheHit = Clock::now();
    type(QStringLiteral("s"));
    const auto deadline = Clock::now() + std::chrono::seconds(15);
    EXPECT_EQ(window.timer().period(), std::chrono::seconds(1));
    QTimer::singleShot(5700, [] { std::this_thread::sleep_for(std::chrono::milliseconds(2500)); });
    std::optional<Clock::time_point> endSeen;
    while (Clock::now() < deadline) {
        QTest::qWait(1);
        if (!endSeen && window.button()->isVisible())
            endSeen = Clock::now();
    }
    EXPECT_FALSE(endSeen && *endSeen - beforeTheHit < std::chrono::seconds(15)) << "the game ended early";
    // Everything due by the deadline, and nothing more: no waiting.
    for (int i = 0; i < 64 && !window.button()->isVisible(); ++i)
        QCoreApplication::processEvents();
    EXPECT_TRUE(window.button()->isVisible()) << "fifteen seconds after the hit the game runs on";
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown.back() == QStringLiteral(" 0 0"); }, 2000)) << "00 was never painted";
    QStringList everyValue;
    for (int left = 15; left >= 0; --left)
        everyValue << QStringLiteral(" %1 %2").arg(left / 10).arg(left % 10);
    EXPECT_EQ(shown, everyValue);
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
        EXPECT_EQ(window.keyBoxHolding(), 1);
    }
    type(QStringLiteral("s"));
    for (int i = 0; i < 15; ++i)
        tick();
    QTest::mouseClick(window.button(), Qt::LeftButton);
    EXPECT_FALSE(window.button()->isVisible());
    EXPECT_EQ(window.keyBoxHolding(), 1);
    type(QStringLiteral("s"));
    EXPECT_EQ(score(), QStringLiteral(" 1"));
    EXPECT_TRUE(window.timer().enabled());
    EXPECT_EQ(window.keyBoxHolding(), 2);
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
    EXPECT_TRUE(window.keyBox(2)->isVisible());
    EXPECT_FALSE(window.keyBox(2)->isEnabled());
}
