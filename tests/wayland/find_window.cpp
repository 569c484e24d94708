// SPDX-License-Identifier: MIT
// Finds a window in a screenshot from its pixels alone: prints "X Y" of the
// place where the picture WINDOW stands in SCREEN, pixel for pixel, and
// exits 1 when it stands nowhere. Pixels inside the optional boxes
// WxH+X+Y of the window are not compared.
//   find_window SCREEN WINDOW [WxH+X+Y...]

#include <QImage>
#include <QRect>

#include <cstdio>
#include <vector>

namespace {

QRect ignoredBox(const char* text)
{
    int w = 0, h = 0, x = 0, y = 0;
    if (text && std::sscanf(text, "%dx%d+%d+%d", &w, &h, &x, &y) == 4)
        return {x, y, w, h};
    return {};
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    const QImage screen = QImage(argv[1]).convertToFormat(QImage::Format_RGB32);
    const QImage window = QImage(argv[2]).convertToFormat(QImage::Format_RGB32);
    if (screen.isNull() || window.isNull())
        return 2;
    std::vector<QRect> ignored;
    for (int i = 3; i < argc; ++i)
        ignored.push_back(ignoredBox(argv[i]));
    const auto compared = [&](int x, int y) {
        for (const QRect& box : ignored)
            if (box.contains(x, y))
                return false;
        return true;
    };
    // The window's pixels in an order that rejects a wrong place soon: a
    // coarse grid first, then every pixel.
    std::vector<QPoint> order;
    for (int step : {16, 1})
        for (int y = 0; y < window.height(); y += step)
            for (int x = 0; x < window.width(); x += step)
                if (compared(x, y))
                    order.emplace_back(x, y);
    for (int top = 0; top + window.height() <= screen.height(); ++top)
        for (int left = 0; left + window.width() <= screen.width(); ++left) {
            bool same = true;
            for (const QPoint& p : order)
                if (screen.pixel(left + p.x(), top + p.y()) != window.pixel(p)) {
                    same = false;
                    break;
                }
            if (same) {
                std::printf("%d %d\n", left, top);
                return 0;
            }
        }
    return 1;
}
