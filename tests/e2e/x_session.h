// SPDX-License-Identifier: MIT
#pragma once

// What the end-to-end tests need of an X display: an Xvfb of their own, the
// real program started on it, windows found by name, pixels read back,
// bells counted, and xdotool run to type and click.

#include <chrono>
#include <cstdint>
#include <optional>
#include <thread>
#include <time.h>
#include <string>
#include <vector>

struct _XDisplay;

namespace zindle::e2e {

// An X window id; Xlib's own header stays out of the tests, whose names
// its macros would clash with.
using Window = unsigned long;

using Clock = std::chrono::steady_clock;
using Millis = std::chrono::milliseconds;

// A child process, ended (TERM, then KILL) when this goes.
class Process {
public:
    Process(const std::vector<std::string>& argv, const std::vector<std::string>& env,
            int keepFd = -1);
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    bool running();
    void stop();
    // Waits up to `timeout` for the process to end; its exit code, or -1.
    int wait(Millis timeout);
    int pid() const { return pid_; }

private:
    int pid_ = -1;
    int status_ = -1;
};

// An Xvfb on a free display, 1024 x 768 (or the size given) at 24 bits.
class XServer {
public:
    explicit XServer(const std::string& size = "1024x768");
    const std::string& display() const { return display_; }

private:
    std::string display_;
    std::optional<Process> process_;
};

struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;   // 0xRRGGBB
    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
    int count(int x, int y, int w, int h, std::uint32_t rgb) const;
    Image crop(int x, int y, int w, int h) const;
    friend bool operator==(const Image&, const Image&) = default;
};

class XClient {
public:
    explicit XClient(const std::string& display);
    ~XClient();
    XClient(const XClient&) = delete;
    XClient& operator=(const XClient&) = delete;

    // The first mapped top-level window whose name is `name`, framed by a
    // window manager or not; waits up to `timeout`, polling every few
    // milliseconds. 0 if none appears.
    Window waitForWindow(const std::string& name, Millis timeout);
    std::string windowName(Window w);
    // Client area position on the screen and size.
    struct Geometry { int x, y, width, height; };
    Geometry geometry(Window w);
    // Sizes of the images in the window's _NET_WM_ICON.
    std::vector<std::pair<int, int>> iconSizes(Window w);
    Image grab(Window w);
    Image grabScreen();
    Window root() const;
    // A property of 32-bit numbers (CARDINAL), empty if it is not set.
    std::vector<long> cardinals(Window w, const std::string& property);
    // Waits until a window manager has announced itself on the screen.
    bool waitForWindowManager(Millis timeout);
    // Asks the window manager to close `w`, as its close button does.
    void closeByWindowManager(Window w);
    // A plain window of the test's own, mapped, named `name`.
    Window createWindow(const std::string& name);
    // A panel along the left edge of the screen, `width` pixels wide, that
    // reserves its strip as a desktop's panel does (a dock window with
    // _NET_WM_STRUT_PARTIAL).
    Window createPanel(int width);
    // Waits until `done(grab(w))` holds or `timeout` passes.
    template <typename Predicate>
    bool waitFor(Window w, Predicate done, Millis timeout = Millis(5000));

    // Bells heard since the client was made.
    int bells();
    // Key presses that reached the windows this client made.
    int keysHeard();
    std::vector<Clock::time_point> bellTimes();

private:
    void readEvents();
    std::vector<Window> topLevels();
    _XDisplay* display_ = nullptr;
    int xkbEvent_ = 0;
    std::vector<Clock::time_point> bells_;
    int keys_ = 0;
};

template <typename Predicate>
bool XClient::waitFor(Window w, Predicate done, Millis timeout)
{
    const auto end = Clock::now() + timeout;
    while (Clock::now() < end) {
        if (done(grab(w)))
            return true;
        struct timespec pause{0, 5'000'000};
        nanosleep(&pause, nullptr);
    }
    return done(grab(w));
}

// Runs xdotool on the display with these arguments and waits for it to end.
// Throws if it cannot be started, fails or takes more than a minute.
void xdotool(const std::string& display, const std::vector<std::string>& args);

}  // namespace zindle::e2e
