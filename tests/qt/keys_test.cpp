// SPDX-License-Identifier: MIT
#include "qt/window_fixture.h"

#include <functional>
#include <random>

using zindle::testing::WindowTest;

class Keys : public WindowTest {};

// The keys come through one widget, which keeps the keyboard from hit to
// hit: a screen reader hears no change of focus.
TEST_F(Keys, EachHitHandsTheKeyboardToTheNextBox)
{
    ASSERT_EQ(window.keyBoxHolding(), 1);
    ASSERT_EQ(window.focusWidget(), window.keys());
    type(QStringLiteral("s"));
    EXPECT_EQ(window.keyBoxHolding(), 2);
    type(QStringLiteral("t"));
    EXPECT_EQ(window.keyBoxHolding(), 3);
    type(QStringLiteral("i"));
    EXPECT_EQ(window.keyBoxHolding(), 1);
    type(QStringLiteral("s"));
    EXPECT_EQ(window.keyBoxHolding(), 2);
    EXPECT_EQ(score(), QStringLiteral(" 4"));
    EXPECT_EQ(window.focusWidget(), window.keys());
    EXPECT_EQ(window.line(2)->points(), zindle::form::frameAt(2)[2]) << "the frame stands at slot 2";
}

// Labels, lines and the key boxes' strips are drawn on the window's one
// surface: a hit, which changes the score, the frame and two key boxes,
// costs one paint event, of the window alone. Every paint shows something
// new: a hit's score, or a tick of the running clock. Each hit's paints are
// judged once the next hit, which must change the window, has been painted.
TEST_F(Keys, EachHitPaintsTheWindowOnce)
{
    struct PaintLog final : QObject {
        std::function<QString()> shown;
        QStringList paints;
        bool eventFilter(QObject* object, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                paints << object->objectName() + QLatin1Char(':') + shown();
            return false;
        }
    } log;
    log.shown = [this] { return score() + QLatin1Char('|') + window.label(QStringLiteral("Lblkello5"))->text(); };
    settle();
    qApp->installEventFilter(&log);
    for (const QChar letter : QStringLiteral("stist")) {
        const QString scored = QString::number(score().toInt() + 1);
        type(QString(letter));
        ASSERT_TRUE(QTest::qWaitFor([&] { return log.paints.join(QLatin1Char(' ')).contains(scored + QLatin1Char('|')); }, 5000))
            << "no paint for " << letter.toLatin1();
    }
    qApp->removeEventFilter(&log);
    const std::string all = log.paints.join(QLatin1Char(' ')).toStdString();
    for (qsizetype i = 0; i < log.paints.size(); ++i) {
        ASSERT_TRUE(log.paints[i].startsWith(QStringLiteral("Frmzindle:"))) << all;
        ASSERT_TRUE(i == 0 || log.paints[i] != log.paints[i - 1]) << "a paint that shows nothing new: " << all;
    }
}

TEST_F(Keys, TheCharacterDecidesNotTheKeyCode)
{
    // On an AZERTY keyboard the key in the place of Q types "a"; what the
    // key types is what counts.
    key(QStringLiteral("q"), Qt::Key_S);
    EXPECT_EQ(score(), QStringLiteral(" 0"));
    key(QStringLiteral("s"), Qt::Key_Q);
    EXPECT_EQ(score(), QStringLiteral(" 1"));
    key(QStringLiteral("T"), Qt::Key_T);   // caps lock on
    EXPECT_EQ(score(), QStringLiteral(" 2"));
}

TEST_F(Keys, CharactersThatAreNoTargetLetterNeverHit)
{
    key(QStringLiteral("\u00df"), Qt::Key_ssharp);                   // ß
    key(QString::fromUcs4(U"\U0001D412"), Qt::Key_unknown);         // a bold S beyond 16 bits
    key(QStringLiteral("\uFF33"), Qt::Key_unknown);                  // fullwidth S
    key(QStringLiteral("\u017f"), Qt::Key_unknown);                  // long s
    EXPECT_EQ(score(), QStringLiteral(" 0"));
    EXPECT_FALSE(window.timer().enabled());
    EXPECT_EQ(window.keyBoxHolding(), 1);
}

TEST_F(Keys, KeysWithoutACharacterReachNoHandler)
{
    for (Qt::Key code : {Qt::Key_Shift, Qt::Key_Left, Qt::Key_F1, Qt::Key_CapsLock})
        key(QString(), code);
    EXPECT_EQ(game.variables().keycode, 0) << "no key press was handled";
    key(QStringLiteral("\t"), Qt::Key_Tab);
    EXPECT_EQ(game.variables().keycode, 9) << "Tab is an ordinary key";
    EXPECT_EQ(window.keyBoxHolding(), 1);
}

TEST_F(Keys, SeveralCharactersInOneEventAreSeveralPresses)
{
    key(QStringLiteral("stis"));
    EXPECT_EQ(score(), QStringLiteral(" 4"));
    EXPECT_EQ(window.keyBoxHolding(), 2);
}

TEST_F(Keys, ClicksNeverTakeTheKeyboard)
{
    type(QStringLiteral("s"));
    ASSERT_EQ(window.keyBoxHolding(), 2);
    for (const char* name : {"Lblletter1", "Lblkello4", "Lblotsikko", "Lblpisteet"})
        click(window.label(QString::fromLatin1(name)));
    QTest::mouseClick(window.keys(), Qt::LeftButton);
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(600, 200));
    EXPECT_EQ(window.keyBoxHolding(), 2);
    type(QStringLiteral("t"));
    EXPECT_EQ(score(), QStringLiteral(" 2"));
}

TEST_F(Keys, ABurstOfTenThousandKeysLosesNone)
{
    const QString keys = QStringLiteral("stiSTIxqzz ");
    const QString targets = QStringLiteral("STI");
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> pick(0, static_cast<int>(keys.size()) - 1);
    int due = 0, hits = 0;
    for (int n = 0; n < 10000; ++n) {
        const QChar c = keys[pick(random)];
        const int repeat = n % 7 == 0 ? 2 : 1;   // doubled letters
        for (int r = 0; r < repeat; ++r) {
            key(QString(c), Qt::Key_unknown, r > 0);
            if (c.toUpper() == targets[due]) {
                ++hits;
                due = (due + 1) % 3;
            }
        }
    }
    ASSERT_GT(hits, 1000);
    EXPECT_EQ(score(), QStringLiteral(" %1").arg(hits));
}
