// SPDX-License-Identifier: MIT
// Listens for XKB bell notifications on an X display and prints one line
// per bell: the wall-clock time in seconds with microseconds. Exits after
// the number of bells given as its argument, or never with none.

#include <X11/XKBlib.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

int main(int argc, char* argv[])
{
    const long wanted = argc > 1 ? std::strtol(argv[1], nullptr, 10) : -1;
    int event = 0, error = 0, major = XkbMajorVersion, minor = XkbMinorVersion, reason = 0;
    Display* display = XkbOpenDisplay(nullptr, &event, &error, &major, &minor, &reason);
    if (display == nullptr) {
        std::fprintf(stderr, "bellwatch: cannot open the display with XKB (reason %d)\n", reason);
        return 2;
    }
    XkbSelectEvents(display, XkbUseCoreKbd, XkbBellNotifyMask, XkbBellNotifyMask);
    std::printf("ready\n");
    std::fflush(stdout);
    long bells = 0;
    while (wanted < 0 || bells < wanted) {
        XEvent e;
        XNextEvent(display, &e);
        if (e.type != event)
            continue;
        const auto* xkb = reinterpret_cast<const XkbAnyEvent*>(&e);
        if (xkb->xkb_type != XkbBellNotify)
            continue;
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        std::printf("%ld.%06ld\n", static_cast<long>(now.tv_sec), now.tv_nsec / 1000);
        std::fflush(stdout);
        ++bells;
    }
    XCloseDisplay(display);
    return 0;
}
