// SPDX-License-Identifier: MIT
// Plays many games in a row in the real program under its own Xvfb, the way
// a player does, and reports how its memory develops:
//   long_session ZINDLE [GAMES]
// Every game types the same number of hits among wrong keys, waits for the
// seven bells and "Continue", checks that the score label reads as it did in
// the first game, and clicks "Continue". Prints the resident set size after
// each tenth game; fails when a game goes wrong or the size after the last
// game is more than 1 MB above the size after game 10.

#include "e2e/places.h"
#include "e2e/x_session.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <thread>

using namespace zindle::e2e;
using namespace std::chrono_literals;

namespace {

long residentKb(int pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

// Keeps the picture of a game that went wrong, for a look afterwards.
void keepPicture(const Image& image, const char* path)
{
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << image.width << " " << image.height << "\n255\n";
    for (std::uint32_t p : image.pixels)
        out << static_cast<char>(p >> 16) << static_cast<char>(p >> 8) << static_cast<char>(p);
    std::fprintf(stderr, "the window as it was: %s\n", path);
}

constexpr int kHits = 30;

std::string keysFor(std::mt19937& random)
{
    const std::string targets = "sti";
    std::string keys;
    for (int hit = 0; hit < kHits; ++hit) {
        if (random() % 3 == 0)
            keys += "xqz"[random() % 3];
        keys += targets[static_cast<std::size_t>(hit % 3)];
    }
    return keys;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: long_session ZINDLE [GAMES]\n");
        return 2;
    }
    const int games = argc > 2 ? std::stoi(argv[2]) : 200;
    XServer server;
    XClient x(server.display());
    Process program({argv[1]}, {"DISPLAY=" + server.display(), "QT_QPA_PLATFORM=xcb"});
    const Window window = x.waitForWindow("Zindle", 15s);
    if (window == 0) {
        std::fprintf(stderr, "no window\n");
        return 1;
    }
    std::this_thread::sleep_for(500ms);
    xdotool(server.display(), {"windowfocus", "--sync", std::to_string(window)});
    const auto geometry = x.geometry(window);
    std::mt19937 random(424242);
    std::optional<Image> firstScore;
    long rssAt10 = -1, rss = -1;
    for (int game = 1; game <= games; ++game) {
        const int bellsBefore = x.bells();
        const auto gameStart = Clock::now();
        xdotool(server.display(), {"type", "--delay", "8", keysFor(random)});
        const auto end = Clock::now() + 25s;
        while (x.bells() < bellsBefore + 7 && Clock::now() < end)
            std::this_thread::sleep_for(50ms);
        std::this_thread::sleep_for(300ms);
        if (x.bells() != bellsBefore + 7) {
            std::fprintf(stderr, "game %d: %d bells instead of 7, at (ms from the first key):", game,
                         x.bells() - bellsBefore);
            const auto times = x.bellTimes();
            for (std::size_t i = static_cast<std::size_t>(std::max(0, bellsBefore - 7)); i < times.size(); ++i)
                std::fprintf(stderr, " %.0f", std::chrono::duration<double, std::milli>(times[i] - gameStart).count());
            std::fprintf(stderr, "\n");
            keepPicture(x.grab(window), "long_session_failure.ppm");
            return 1;
        }
        const Image shot = x.grab(window);
        const Box at = place::score(), button = place::button();
        const Image score = shot.crop(at.x, at.y, at.w, at.h);
        if (shot.count(button.x, button.y, button.w, button.h, kButtonFace) < 500) {
            std::fprintf(stderr, "game %d: no Continue\n", game);
            return 1;
        }
        if (!firstScore)
            firstScore = score;
        else if (!(score == *firstScore)) {
            std::fprintf(stderr, "game %d: the score reads differently from game 1\n", game);
            return 1;
        }
        rss = residentKb(program.pid());
        if (game == 10)
            rssAt10 = rss;
        if (game % 10 == 0 || game == 1)
            std::printf("game %3d: 7 bells, score as in game 1, RSS %ld kB\n", game, rss);
        std::fflush(stdout);
        // No --sync: xdotool would wait for a move that never comes when the
        // pointer already stands there; the server takes motion and click in order.
        xdotool(server.display(), {"mousemove", std::to_string(geometry.x + button.x + button.w / 2),
                                   std::to_string(geometry.y + button.y + button.h / 2), "click", "1"});
        const Box b = place::tile(1, 'B');
        if (!x.waitFor(window, [b](const Image& i) { return i.at(b.x + 2, b.y + 14) == slotRgb(1); })) {
            std::fprintf(stderr, "game %d: Continue did not bring the picker rows back\n", game);
            keepPicture(x.grab(window), "long_session_failure.ppm");
            return 1;
        }
    }
    if (rssAt10 > 0) {
        std::printf("RSS after game 10: %ld kB, after game %d: %ld kB, growth %ld kB\n", rssAt10,
                    games, rss, rss - rssAt10);
        if (rss - rssAt10 > 1024) {
            std::fprintf(stderr, "the program grew by more than 1 MB\n");
            return 1;
        }
    }
    return 0;
}
