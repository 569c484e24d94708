// SPDX-License-Identifier: MIT
// The real program under a real X server, played as a player does: X key
// events from xdotool to the focused window, real mouse clicks, pixels read
// back from the screen and bells heard through XKB.

#include "e2e/places.h"
#include "e2e/x_session.h"
#include "headless/runtime.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <random>
#include <string>

using namespace zindle::e2e;
using namespace std::chrono_literals;

namespace {

XServer* server = nullptr;

class ServerEnvironment : public ::testing::Environment {
public:
    void SetUp() override { server = new XServer(); }
    void TearDown() override
    {
        delete server;
        server = nullptr;
    }
};

constexpr std::uint32_t kYellow = slotRgb(1);

class Zindle : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(server, nullptr);
        ASSERT_NO_FATAL_FAILURE(start(server->display()));
    }

    // Starts the program on `display` with these arguments and waits for
    // its painted window, which then gets the keyboard.
    void start(const std::string& display, const std::vector<std::string>& args = {})
    {
        display_ = display;
        x.emplace(display);
        std::vector<std::string> argv{ZINDLE_EXECUTABLE};
        argv.insert(argv.end(), args.begin(), args.end());
        std::vector<std::string> env{"DISPLAY=" + display, "QT_QPA_PLATFORM=xcb"};
        if (scale != 1)
            env.push_back("QT_SCALE_FACTOR=" + std::to_string(scale));
        program.emplace(argv, env);
        window = x->waitForWindow("Zindle", 15s);
        ASSERT_NE(window, 0u) << "no window named Zindle appeared within 15 s";
        ASSERT_TRUE(x->waitFor(window, [this](const Image& i) {
            return i.width == device(place::client().w) && count(i, place::title(), kGreen) > 500;
        })) << "the window was not painted within 5 s";
        activate(window);
    }

    void TearDown() override
    {
        program.reset();
        x.reset();
    }

    // Gives `w` the keyboard: through the window manager where one runs.
    void activate(Window w)
    {
        const bool managed = !x->cardinals(x->root(), "_NET_SUPPORTING_WM_CHECK").empty();
        xdotool(display_, {managed ? "windowactivate" : "windowfocus", "--sync", std::to_string(w)});
    }
    Image screen() { return x->grab(window); }
    void type(const std::string& text, int delayMs = 12)
    {
        xdotool(display_, {"type", "--delay", std::to_string(delayMs), text});
    }
    void key(const std::string& name) { xdotool(display_, {"key", name}); }
    void click(int px, int py)
    {
        const auto g = x->geometry(window);
        xdotool(display_, {"mousemove", std::to_string(g.x + px), std::to_string(g.y + py), "click", "1"});
    }
    void clickTile(int row, char letter) { click(place::tile(row, letter).x + 8, place::tile(row, letter).y + 8); }

    // The slot whose letter the white frame marks, 0 for none.
    static int frameAt(const Image& i)
    {
        for (int slot = 1; slot <= 3; ++slot)
            if (count(i, frameEdge(slot, 0), kWhite) == frameEdge(slot, 0).w)
                return slot;
        return 0;
    }
    bool waitForFrame(int slot)
    {
        return x->waitFor(window, [slot](const Image& i) { return frameAt(i) == slot; });
    }
    static Image part(const Image& i, Box b) { return i.crop(b.x, b.y, b.w, b.h); }
    static Image without(Image i, std::initializer_list<Box> boxes)
    {
        for (const Box& b : boxes)
            for (int y = b.y; y < b.y + b.h; ++y)
                std::fill_n(i.pixels.begin() + y * i.width + b.x, b.w, 0u);
        return i;
    }
    // Keys or clicks that must change nothing were sent; then a step that
    // must change `changes`. Once that change shows, everything sent before
    // it has been handled: the rest of the window, but for `alsoChanged`,
    // must be as `before`.
    ::testing::AssertionResult unchangedOnceShown(const Image& before, Box changes, Box alsoChanged)
    {
        Image now;
        if (!x->waitFor(window, [&](const Image& i) { now = i; return part(i, changes) != part(before, changes); }))
            return ::testing::AssertionFailure() << "the step that must change the window changed nothing";
        if (without(before, {changes, alsoChanged}) != without(now, {changes, alsoChanged}))
            return ::testing::AssertionFailure() << "something else changed";
        return ::testing::AssertionSuccess();
    }
    static int count(const Image& i, Box b, std::uint32_t rgb) { return i.count(b.x, b.y, b.w, b.h, rgb); }
    static bool rowsShown(const Image& i)
    {
        return i.at(place::tile(1, 'B').x + 2, place::tile(1, 'B').y + 14) == kYellow;
    }

    // Waits for the end of a game, the `game`th: seven bells more and "Continue".
    void waitForTheEnd(int game = 1, std::chrono::seconds limit = 25s)
    {
        const auto end = Clock::now() + limit;
        while (x->bells() < 7 * game && Clock::now() < end)
            std::this_thread::sleep_for(20ms);
        ASSERT_EQ(x->bells(), 7 * game) << "the game did not end with seven bells";
        ASSERT_TRUE(x->waitFor(window, [](const Image& i) { return count(i, place::button(), kButtonFace) > 500; }))
            << "Continue did not appear";
    }

    int device(int logical) const { return static_cast<int>(std::lround(logical * scale)); }

    double scale = 1;   // QT_SCALE_FACTOR
    std::string display_;
    std::optional<XClient> x;
    std::optional<Process> program;
    Window window = 0;
};

}  // namespace

TEST_F(Zindle, OpensCentredWithItsTitleSizeAndIcon)
{
    EXPECT_EQ(x->windowName(window), "Zindle");
    const auto g = x->geometry(window);
    EXPECT_EQ(g.width, place::client().w);
    EXPECT_EQ(g.height, place::client().h);
    EXPECT_EQ(g.x, (1024 - place::client().w) / 2);
    EXPECT_EQ(g.y, (768 - place::client().h) / 2);
    // The large images follow the first frame.
    (void)x->waitFor(window, [&](const Image&) { return x->iconSizes(window).size() >= 6; }, Millis(2000));
    const auto icons = x->iconSizes(window);
    for (int size : {16, 32, 48, 64, 128, 256})
        EXPECT_NE(std::find(icons.begin(), icons.end(), std::make_pair(size, size)), icons.end()) << size;
}

TEST_F(Zindle, ClickingTilesChoosesFreeLettersOnly)
{
    const Image start = screen();
    clickTile(1, 'T');   // blocked by T itself
    clickTile(3, 'S');   // blocked by S
    clickTile(2, 'Y');   // free
    EXPECT_TRUE(unchangedOnceShown(start, place::bigLetter(2), place::rows())) << "a blocked tile changes nothing";
    type("xsy");
    ASSERT_TRUE(waitForFrame(3)) << "Y is the second letter now";
}

TEST_F(Zindle, KeysStartTheGameAndWalkTheFrame)
{
    const Image start = screen();
    type("xq1 t");   // t: the second letter, not yet due
    key("Return");
    key("Tab");
    clickTile(2, 'Y');
    EXPECT_TRUE(unchangedOnceShown(start, place::bigLetter(2), place::rows())) << "wrong keys change nothing";

    type("s");
    ASSERT_TRUE(waitForFrame(2)) << "the first hit shows the frame at slot 2";
    const Image running = screen();
    EXPECT_FALSE(rowsShown(running));
    EXPECT_EQ(count(running, place::hint(), kYellow), 0) << "the start hint is hidden";
    type("y");
    EXPECT_TRUE(waitForFrame(3));
    type("i");
    EXPECT_TRUE(waitForFrame(1));
    type("S");
    EXPECT_TRUE(waitForFrame(2)) << "caps do not matter";
}

// A fast burst of keys and a slow game with the same number of hits must
// show the same score label.
TEST_F(Zindle, ScoreCountsEveryCorrectKeyOfAFastBurst)
{
    std::mt19937 random(8122026);
    const std::string pool = "stiSTIxqz";
    const std::string targets = "STI";
    std::string burst;
    int due = 0, hits = 0;
    while (burst.size() < 400) {
        const char c = pool[random() % pool.size()];
        const int times = random() % 4 == 0 ? 2 : 1;
        for (int t = 0; t < times; ++t) {
            burst += c;
            if (std::toupper(c) == targets[static_cast<std::size_t>(due)]) {
                ++hits;
                due = (due + 1) % 3;
            }
        }
    }
    type(burst, 0);
    ASSERT_NO_FATAL_FAILURE(waitForTheEnd());
    const Image fast = part(screen(), place::score());

    click(place::button().x + 50, place::button().y + 12);
    ASSERT_TRUE(x->waitFor(window, [](const Image& i) { return rowsShown(i); }));
    std::string slow;
    for (int n = 0; n < hits; ++n)
        slow += "sti"[n % 3];
    type(slow, 20);
    ASSERT_NO_FATAL_FAILURE(waitForTheEnd(2));
    EXPECT_EQ(part(screen(), place::score()), fast) << hits << " hits typed slowly read differently";
}

// The tiles, row by row, as the window shows them ('f' free, 'b' blocked,
// 'C' under the tile cursor: black in a white border, '?' not shown) and as
// the game's model has them.
static std::string tilesOn(const Image& i)
{
    std::string seen;
    for (int row = 1; row <= 3; ++row)
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            const Box t = place::tile(row, letter);
            const std::uint32_t ground = i.at(t.x + 2, t.y + 14), edge = i.at(t.x, t.y + 8);
            const zindle::form::SlotLook& look = zindle::form::slotLook(row);
            seen += ground == rgb(look.colour) ? 'f' : ground == rgb(look.pale) ? 'b'
                    : ground == 0 && edge == kWhite ? 'C' : '?';
        }
    return seen;
}

static std::string tilesIn(const zindle::headless::Runtime& model)
{
    std::string expected;
    for (int row = 1; row <= 3; ++row)
        for (int i = 0; i < 26; ++i)
            expected += model.tileCursor() == zindle::form::TilePlace{row, i} ? 'C'
                        : model.tile(row, i).enabled() ? 'f' : 'b';
    return expected;
}

// A whole session without the mouse. D, G and P are chosen with the tile
// cursor, each key's step on the screen as in the game's model; a game on
// them; at the end the keyboard passes to "Continue", where letters and Tab
// do nothing and Space continues; then the cursor chooses again.
TEST_F(Zindle, AWholeSessionWithoutTheMouse)
{
    using zindle::form::PickerKey;
    zindle::headless::Runtime model;
    zindle::game::Frmzindle game(model.controls());
    model.load(game);
    const std::map<std::string, PickerKey> picker{{"Left", PickerKey::Left}, {"Right", PickerKey::Right},
        {"Up", PickerKey::Up}, {"Down", PickerKey::Down}, {"Home", PickerKey::Home}, {"End", PickerKey::End},
        {"Return", PickerKey::Choose}, {"Escape", PickerKey::Hide}};
    // D, the orange G, the blocked cyan X, the cyan P; then the cursor hidden.
    for (const char* name : {"Left", "Home", "Right", "Right", "Right", "Return", "Down", "Right", "Right", "Right",
                             "Return", "Down", "End", "Left", "Left", "Return", "Up", "Down", "Left", "Left", "Left",
                             "Left", "Left", "Left", "Left", "Left", "Return", "Escape"}) {
        model.pickerKey(picker.at(name));
        key(name);
        std::string shown;
        EXPECT_TRUE(x->waitFor(window, [&](const Image& i) { return (shown = tilesOn(i)) == tilesIn(model); }))
            << "after " << name << " the tiles read\n" << shown << ", not\n" << tilesIn(model);
    }
    const Image chosen = screen();
    key("Up");
    EXPECT_TRUE(x->waitFor(window, [](const Image& i) { return tilesOn(i).find('C') == 3; }))
        << "the cursor is back, on the yellow D";

    // The yellow letter starts the game, the cursor shown or not.
    const auto beforeTheHit = Clock::now();
    type("stid");
    ASSERT_TRUE(waitForFrame(2)) << "D is the yellow letter";
    type("gp");
    ASSERT_TRUE(waitForFrame(1)) << "then G and P";
    key("Down");
    type("d");
    EXPECT_TRUE(waitForFrame(2)) << "an arrow changes nothing in a game";
    ASSERT_NO_FATAL_FAILURE(waitForTheEnd());
    EXPECT_GE(std::chrono::duration<double>(x->bellTimes().back() - beforeTheHit).count(), 15.0)
        << "the game ended before fifteen seconds had passed";

    // Had Tab or a letter continued, the "d" among them would start a game.
    key("Tab");
    type("dgpdgp");
    key("space");
    ASSERT_TRUE(x->waitFor(window, [&](const Image& i) {
        return part(i, place::rightOfKeyBoxes()) == part(chosen, place::rightOfKeyBoxes());
    })) << "letters and Tab after the end do nothing; Space on Continue brings back the rows, with no cursor";
    for (const char* name : {"Right", "Left", "Return"})   // the cursor on the yellow D, then C, chosen
        key(name);
    type("c");
    EXPECT_TRUE(waitForFrame(2)) << "the letter chosen again starts the second game";
    EXPECT_EQ(tilesOn(screen()).find_first_not_of('?'), std::string::npos) << "the rows and the cursor are gone";
    EXPECT_EQ(x->bells(), 7);
}

// Qt's own options change nothing: the program takes no command line.
TEST(ZindleCommandLine, IsIgnoredQtOptionsIncluded)
{
    XClient x(server->display());
    const std::vector<std::string> env{"DISPLAY=" + server->display(), "QT_QPA_PLATFORM=xcb"};
    Image normal;
    {
        Process plain({ZINDLE_EXECUTABLE}, env);
        const Window w = x.waitForWindow("Zindle", 15s);
        ASSERT_NE(w, 0u);
        ASSERT_TRUE(x.waitFor(w, [t = place::title()](const Image& i) { return i.count(t.x, t.y, t.w, t.h, kGreen) > 500; }));
        normal = x.grab(w);
    }
    Process options({ZINDLE_EXECUTABLE, "-title", "Hacked", "-geometry", "300x200+0+0", "-reverse",
                     "-style", "fusion", "-platform", "offscreen", "-name", "other", "--help"},
                    env);
    const Window w = x.waitForWindow("Zindle", 15s);
    ASSERT_NE(w, 0u) << "no window named Zindle";
    ASSERT_TRUE(x.waitFor(w, [&](const Image& i) { return i == normal; }))
        << "the window differs from the one started without arguments";
    const auto g = x.geometry(w);
    EXPECT_EQ(g.x, (1024 - place::client().w) / 2);
    EXPECT_EQ(g.y, (768 - place::client().h) / 2);
    EXPECT_TRUE(options.running());
}

// Under a real window manager, openbox on an Xvfb of the test's own.
class ZindleUnderWindowManager : public Zindle {
protected:
    void SetUp() override
    {
        ownServer.emplace(std::to_string(kScreen.w) + "x" + std::to_string(kScreen.h));
        // A desktop's panel down the left edge, there before the window
        // manager as in a session: the free area is what it leaves.
        panel.emplace(ownServer->display());
        panel->createPanel(kPanelWidth);
        windowManager.emplace(std::vector<std::string>{"openbox", "--sm-disable", "--config-file",
                                                       "/etc/xdg/openbox/rc.xml"},
                              std::vector<std::string>{"DISPLAY=" + ownServer->display()});
        XClient probe(ownServer->display());
        ASSERT_TRUE(probe.waitForWindowManager(10s)) << "openbox did not start";
        const std::vector<long> free{kPanelWidth, 0, kScreen.w - kPanelWidth, kScreen.h};
        auto freeArea = [&] {   // of the first desktop
            auto area = probe.cardinals(probe.root(), "_NET_WORKAREA");
            area.resize(4);
            return area;
        };
        const auto end = Clock::now() + 10s;
        while (freeArea() != free && Clock::now() < end)
            std::this_thread::sleep_for(10ms);
        ASSERT_EQ(freeArea(), free) << "openbox took no note of the panel";
        ASSERT_NO_FATAL_FAILURE(start(ownServer->display()));
    }

    void TearDown() override
    {
        Zindle::TearDown();
        panel.reset();
        windowManager.reset();
    }

    // The whole window on the screen, the window manager's frame included.
    struct Frame { int x, y, width, height, titleHeight; };
    Frame frame()
    {
        const auto g = x->geometry(window);
        const auto e = x->cardinals(window, "_NET_FRAME_EXTENTS");   // left, right, top, bottom
        if (e.size() != 4)
            return {g.x, g.y, g.width, g.height, 0};
        return {g.x - static_cast<int>(e[0]), g.y - static_cast<int>(e[2]),
                g.width + static_cast<int>(e[0] + e[1]), g.height + static_cast<int>(e[2] + e[3]),
                static_cast<int>(e[2])};
    }

    // The framed window in the middle of the free area, right of the
    // panel, ±1 device pixel; the window keeps its size in logical pixels.
    void expectCentred()
    {
        ASSERT_TRUE(x->waitFor(window, [&](const Image&) { return frame().titleHeight > 0; }))
            << "no frame round the window";
        const Frame f = frame();
        const long left = kPanelWidth, width = kScreen.w - kPanelWidth, top = 0, height = kScreen.h;
        EXPECT_LE(std::abs(2 * f.x - (2 * left + width - f.width)), 2) << "left " << f.x;
        EXPECT_LE(std::abs(2 * f.y - (2 * top + height - f.height)), 2) << "top " << f.y;
        const auto g = x->geometry(window);
        EXPECT_EQ(g.width, device(place::client().w));
        EXPECT_EQ(g.height, device(place::client().h));
    }

    static constexpr long kPanelWidth = 100;
    static constexpr Box kScreen{0, 0, 2048, 1536};
    std::optional<XServer> ownServer;
    std::optional<Process> windowManager;
    std::optional<XClient> panel;
};

TEST_F(ZindleUnderWindowManager, StandsCentredInTheFreeAreaFrameIncludedWithItsIcon)
{
    ASSERT_NO_FATAL_FAILURE(expectCentred());
    const Frame f = frame();
    // The hand at the left of the title bar: its white glove and cyan cuff.
    const Image title = x->grabScreen().crop(f.x, f.y, f.titleHeight + 8, f.titleHeight);
    int white = 0, cyan = 0;
    for (std::uint32_t p : title.pixels) {
        const unsigned r = p >> 16, gr = (p >> 8) & 0xFF, b = p & 0xFF;
        white += r > 0xF0 && gr > 0xF0 && b > 0xF0 ? 1 : 0;
        cyan += r < 0x20 && gr > 0xC0 && b > 0xC0 ? 1 : 0;
    }
    EXPECT_GE(white, 10);
    EXPECT_GE(cyan, 6);
}

// At the scale factors of a laptop's screen too: the window manager's border
// is in device pixels, the window's place in logical ones.
class ZindleScaledUnderWindowManager : public ZindleUnderWindowManager,
                                       public ::testing::WithParamInterface<double> {
protected:
    void SetUp() override
    {
        scale = GetParam();
        ZindleUnderWindowManager::SetUp();
    }
};

TEST_P(ZindleScaledUnderWindowManager, StandsCentredInTheFreeArea) { expectCentred(); }

INSTANTIATE_TEST_SUITE_P(Laptop, ZindleScaledUnderWindowManager, ::testing::Values(1.5, 2.0));

TEST_F(ZindleUnderWindowManager, ClosingMidGameEndsTheProgramAtOnce)
{
    type("st");
    ASSERT_TRUE(waitForFrame(3));
    x->closeByWindowManager(window);
    EXPECT_EQ(program->wait(10s), 0) << "the program did not end with status 0 long before its game would";
    EXPECT_EQ(x->bells(), 0);
}

TEST_F(ZindleUnderWindowManager, MinimisedTheClockRunsOnAndKeysCountOnReturn)
{
    const auto beforeTheHit = Clock::now();
    type("s");
    ASSERT_TRUE(waitForFrame(2));
    xdotool(display_, {"windowminimize", "--sync", std::to_string(window)});
    std::this_thread::sleep_for(3s);
    activate(window);
    type("ti");
    EXPECT_TRUE(waitForFrame(1)) << "keys typed after the restore count";
    ASSERT_NO_FATAL_FAILURE(waitForTheEnd());
    EXPECT_GE(std::chrono::duration<double>(x->bellTimes().back() - beforeTheHit).count(), 15.0)
        << "the clock did not run its fifteen seconds while the window was minimised";
}

TEST_F(ZindleUnderWindowManager, KeysTypedIntoAnotherWindowChangeNothing)
{
    type("s");
    ASSERT_TRUE(waitForFrame(2));
    const Image before = screen();
    activate(x->createWindow("Another"));
    type("tistis");
    const auto end = Clock::now() + 5s;
    while (x->keysHeard() < 6 && Clock::now() < end)
        std::this_thread::sleep_for(5ms);
    EXPECT_EQ(x->keysHeard(), 6) << "the other window did not get the keys";
    // The running clock aside, the window is as before.
    EXPECT_EQ(without(screen(), {place::clock()}), without(before, {place::clock()}));
    activate(window);
    type("t");
    EXPECT_TRUE(waitForFrame(3)) << "keys count again once the window is back";
}

int main(int argc, char* argv[])
{
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new ServerEnvironment);
    return RUN_ALL_TESTS();
}
