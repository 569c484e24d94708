// SPDX-License-Identifier: MIT
// The floor: a bare Xlib window of the game's size that paints a rectangle
// on each key press, alternating two colours.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

int main()
{
    Display* d = XOpenDisplay(nullptr);
    if (d == nullptr)
        return 1;
    const int screen = DefaultScreen(d);
    const int width = 620, height = 456;
    const int x = (DisplayWidth(d, screen) - width) / 2, y = (DisplayHeight(d, screen) - height) / 2;
    Window w = XCreateSimpleWindow(d, RootWindow(d, screen), x, y, width, height, 0, 0, 0x000000);
    XStoreName(d, w, "Reference Xlib");
    XSelectInput(d, w, ExposureMask | KeyPressMask);
    XMapWindow(d, w);
    GC gc = XCreateGC(d, w, 0, nullptr);
    unsigned long colours[2] = {0x3366CC, 0xCC6633};
    int presses = 0;
    for (;;) {
        XEvent e;
        XNextEvent(d, &e);
        if (e.type == KeyPress)
            ++presses;
        else if (e.type != Expose)
            continue;
        XSetForeground(d, gc, colours[presses % 2]);
        XFillRectangle(d, w, gc, 100, 100, 200, 100);
        XFlush(d);
    }
}
