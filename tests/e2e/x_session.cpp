// SPDX-License-Identifier: MIT
#include "e2e/x_session.h"

#include <X11/Xlib.h>
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace zindle::e2e {

namespace {

void pause(Millis ms)
{
    struct timespec t{static_cast<time_t>(ms.count() / 1000),
                      static_cast<long>((ms.count() % 1000) * 1'000'000)};
    nanosleep(&t, nullptr);
}

std::vector<char*> pointers(std::vector<std::string>& strings)
{
    std::vector<char*> out;
    for (std::string& s : strings)
        out.push_back(s.data());
    out.push_back(nullptr);
    return out;
}

// Requests on a window that is unmapped or gone (a grab of a minimised
// window) fail; the test sees an empty answer instead of the program ending.
int ignoreErrors(Display*, XErrorEvent*) { return 0; }

}  // namespace

// ---- Process ------------------------------------------------------------------

Process::Process(const std::vector<std::string>& argv, const std::vector<std::string>& env, int keepFd)
{
    std::vector<std::string> args = argv;
    std::vector<std::string> environment;
    for (char** e = environ; *e != nullptr; ++e)
        environment.emplace_back(*e);
    for (const std::string& e : env) {
        const std::string key = e.substr(0, e.find('=') + 1);
        std::erase_if(environment, [&](const std::string& s) { return s.rfind(key, 0) == 0; });
        environment.push_back(e);
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const int devnull = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (keepFd < 0 || keepFd != 1)
        posix_spawn_file_actions_adddup2(&actions, devnull, 1);
    posix_spawn_file_actions_adddup2(&actions, devnull, 2);
    if (keepFd >= 0 && keepFd != 3)
        posix_spawn_file_actions_adddup2(&actions, keepFd, 3);
    auto argvp = pointers(args);
    auto envp = pointers(environment);
    const int rc = posix_spawnp(&pid_, argvp[0], &actions, nullptr, argvp.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(devnull);
    if (rc != 0)
        throw std::runtime_error("cannot start " + argv[0] + ": " + std::strerror(rc));
}

Process::~Process() { stop(); }

bool Process::running()
{
    if (pid_ < 0)
        return false;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = -1;
        status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return false;
    }
    return true;
}

int Process::wait(Millis timeout)
{
    const auto end = Clock::now() + timeout;
    while (running() && Clock::now() < end)
        pause(Millis(1));
    return running() ? -1 : status_;
}

void Process::stop()
{
    if (!running())
        return;
    kill(pid_, SIGTERM);
    for (int i = 0; i < 200 && running(); ++i)
        pause(Millis(10));
    if (running()) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    pid_ = -1;
}

// ---- XServer ------------------------------------------------------------------

XServer::XServer(const std::string& size)
{
    int fds[2];
    if (pipe(fds) != 0)
        throw std::runtime_error("pipe failed");
    process_.emplace(std::vector<std::string>{"Xvfb", "-displayfd", "3", "-screen", "0", size + "x24",
                                              "-nolisten", "tcp", "-noreset"},
                     std::vector<std::string>{}, fds[1]);
    close(fds[1]);
    std::string number;
    char c = 0;
    const auto end = Clock::now() + Millis(10000);
    fcntl(fds[0], F_SETFL, O_NONBLOCK);
    while (Clock::now() < end) {
        const ssize_t n = read(fds[0], &c, 1);
        if (n == 1 && c == '\n')
            break;
        if (n == 1)
            number += c;
        else if (n == 0 || !process_->running())
            break;
        else
            pause(Millis(5));
    }
    close(fds[0]);
    if (number.empty())
        throw std::runtime_error("Xvfb did not start (is the xvfb package installed?)");
    display_ = ":" + number;
}

// ---- Image --------------------------------------------------------------------

int Image::count(int x0, int y0, int w, int h, std::uint32_t rgb) const
{
    int n = 0;
    for (int y = std::max(y0, 0); y < std::min(y0 + h, height); ++y)
        for (int x = std::max(x0, 0); x < std::min(x0 + w, width); ++x)
            n += at(x, y) == rgb ? 1 : 0;
    return n;
}

Image Image::crop(int x0, int y0, int w, int h) const
{
    // Pixels outside the image (a failed grab has none) read as a value no
    // screen pixel has.
    Image out{w, h, {}};
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x)
            out.pixels.push_back(x >= 0 && y >= 0 && x < width && y < height ? at(x, y) : 0xFF000000u);
    return out;
}

// ---- XClient ------------------------------------------------------------------

XClient::XClient(const std::string& display)
{
    int error = 0, major = XkbMajorVersion, minor = XkbMinorVersion, reason = 0;
    display_ = XkbOpenDisplay(const_cast<char*>(display.c_str()), &xkbEvent_, &error, &major,
                              &minor, &reason);
    if (display_ == nullptr)
        throw std::runtime_error("cannot open display " + display);
    XSetErrorHandler(ignoreErrors);
    XkbSelectEvents(display_, XkbUseCoreKbd, XkbBellNotifyMask, XkbBellNotifyMask);
    XSync(display_, False);
}

XClient::~XClient()
{
    if (display_ != nullptr)
        XCloseDisplay(display_);
}

void XClient::readEvents()
{
    XSync(display_, False);
    while (XPending(display_) > 0) {
        XEvent e;
        XNextEvent(display_, &e);
        if (e.type == xkbEvent_ &&
            reinterpret_cast<const XkbAnyEvent*>(&e)->xkb_type == XkbBellNotify)
            bells_.push_back(Clock::now());
        keys_ += e.type == KeyPress ? 1 : 0;
    }
}

int XClient::keysHeard()
{
    readEvents();
    return keys_;
}

int XClient::bells()
{
    readEvents();
    return static_cast<int>(bells_.size());
}

std::vector<Clock::time_point> XClient::bellTimes()
{
    readEvents();
    return bells_;
}

std::string XClient::windowName(Window w)
{
    char* name = nullptr;
    std::string out;
    if (XFetchName(display_, w, &name) != 0 && name != nullptr) {
        out = name;
        XFree(name);
    }
    return out;
}

Window XClient::root() const { return DefaultRootWindow(display_); }

// The children of the root window, and the clients a window manager lists.
std::vector<Window> XClient::topLevels()
{
    std::vector<Window> windows;
    Window rootWindow = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display_, root(), &rootWindow, &parent, &children, &count)) {
        windows.assign(children, children + count);
        if (children != nullptr)
            XFree(children);
    }
    for (long client : cardinals(root(), "_NET_CLIENT_LIST"))
        windows.push_back(static_cast<Window>(client));
    return windows;
}

Window XClient::waitForWindow(const std::string& name, Millis timeout)
{
    const auto end = Clock::now() + timeout;
    do {
        for (Window w : topLevels()) {
            XWindowAttributes a;
            if (XGetWindowAttributes(display_, w, &a) && a.map_state == IsViewable && windowName(w) == name)
                return w;
        }
        pause(Millis(5));
    } while (Clock::now() < end);
    return 0;
}

std::vector<long> XClient::cardinals(Window w, const std::string& property)
{
    const Atom name = XInternAtom(display_, property.c_str(), False);
    Atom type = 0;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<long> values;
    if (XGetWindowProperty(display_, w, name, 0, 1024, False, AnyPropertyType, &type, &format, &items,
                           &after, &data) == Success &&
        data != nullptr) {
        if (format == 32) {
            const auto* longs = reinterpret_cast<const long*>(data);
            values.assign(longs, longs + items);
        }
        XFree(data);
    }
    return values;
}

bool XClient::waitForWindowManager(Millis timeout)
{
    const auto end = Clock::now() + timeout;
    while (cardinals(root(), "_NET_SUPPORTING_WM_CHECK").empty()) {
        if (Clock::now() > end)
            return false;
        pause(Millis(10));
    }
    return true;
}

void XClient::closeByWindowManager(Window w)
{
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = XInternAtom(display_, "_NET_CLOSE_WINDOW", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = CurrentTime;
    e.xclient.data.l[1] = 2;   // from a pager or task bar
    XSendEvent(display_, root(), False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
    XFlush(display_);
}

Window XClient::createWindow(const std::string& name)
{
    const Window w = XCreateSimpleWindow(display_, root(), 0, 0, 200, 100, 0, 0, 0xFFFFFF);
    XStoreName(display_, w, name.c_str());
    XSelectInput(display_, w, KeyPressMask);
    XMapWindow(display_, w);
    XFlush(display_);
    return w;
}

Window XClient::createPanel(int width)
{
    const int height = DisplayHeight(display_, DefaultScreen(display_));
    const Window w = XCreateSimpleWindow(display_, root(), 0, 0, static_cast<unsigned>(width),
                                         static_cast<unsigned>(height), 0, 0, 0x404040);
    Atom dock = XInternAtom(display_, "_NET_WM_WINDOW_TYPE_DOCK", False);
    XChangeProperty(display_, w, XInternAtom(display_, "_NET_WM_WINDOW_TYPE", False), XA_ATOM, 32,
                    PropModeReplace, reinterpret_cast<unsigned char*>(&dock), 1);
    // left, right, top, bottom, then the start and end of each strip.
    long strut[12] = {width, 0, 0, 0, 0, height - 1, 0, 0, 0, 0, 0, 0};
    XChangeProperty(display_, w, XInternAtom(display_, "_NET_WM_STRUT_PARTIAL", False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<unsigned char*>(strut), 12);
    XMapWindow(display_, w);
    XFlush(display_);
    return w;
}

XClient::Geometry XClient::geometry(Window w)
{
    XWindowAttributes a;
    XGetWindowAttributes(display_, w, &a);
    int x = 0, y = 0;
    Window child = 0;
    XTranslateCoordinates(display_, w, DefaultRootWindow(display_), 0, 0, &x, &y, &child);
    return {x, y, a.width, a.height};
}

std::vector<std::pair<int, int>> XClient::iconSizes(Window w)
{
    const Atom icon = XInternAtom(display_, "_NET_WM_ICON", False);
    Atom type = 0;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<std::pair<int, int>> sizes;
    if (XGetWindowProperty(display_, w, icon, 0, 1 << 20, False, XA_CARDINAL, &type, &format, &items,
                           &after, &data) == Success &&
        data != nullptr) {
        const auto* values = reinterpret_cast<const unsigned long*>(data);
        for (unsigned long i = 0; i + 1 < items;) {
            const auto width = static_cast<int>(values[i]), height = static_cast<int>(values[i + 1]);
            sizes.emplace_back(width, height);
            i += 2 + static_cast<unsigned long>(width) * static_cast<unsigned long>(height);
        }
        XFree(data);
    }
    return sizes;
}

Image XClient::grab(Window w)
{
    XWindowAttributes a;
    XGetWindowAttributes(display_, w, &a);
    XImage* image = XGetImage(display_, w, 0, 0, static_cast<unsigned>(a.width),
                              static_cast<unsigned>(a.height), AllPlanes, ZPixmap);
    if (image == nullptr)
        return {};
    Image out{a.width, a.height, {}};
    out.pixels.reserve(static_cast<std::size_t>(a.width * a.height));
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            out.pixels.push_back(static_cast<std::uint32_t>(XGetPixel(image, x, y) & 0xFFFFFF));
    XDestroyImage(image);
    return out;
}

Image XClient::grabScreen() { return grab(root()); }

void xdotool(const std::string& display, const std::vector<std::string>& args)
{
    std::vector<std::string> argv{"xdotool"};
    argv.insert(argv.end(), args.begin(), args.end());
    Process p(argv, {"DISPLAY=" + display});
    const int rc = p.wait(Millis(60000));
    if (rc != 0)
        throw std::runtime_error("xdotool " + args.front() + " failed or hung (exit " +
                                 std::to_string(rc) + ")");
}

}  // namespace zindle::e2e
