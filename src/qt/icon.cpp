// SPDX-License-Identifier: MIT
#include "qt/icon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <cstdint>
#include <iterator>

namespace zindle::qt {

namespace {

#include "icon_pixels.inc"

// Each image of the table: its width and height, then its pixels. The
// table holds them from the smallest to the largest.
struct Image {
    const std::uint32_t* at;
    int width() const { return static_cast<int>(at[0]); }
    int height() const { return static_cast<int>(at[1]); }
    QImage image() const
    {
        return {reinterpret_cast<const uchar*>(at + 2), width(), height(), width() * 4, QImage::Format_ARGB32};
    }
    Image next() const { return {at + 2 + static_cast<std::size_t>(width()) * static_cast<std::size_t>(height())}; }
};

class PixelIconEngine final : public QIconEngine {
public:
    explicit PixelIconEngine(int largest) : largest_(largest) {}

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        forEachImage([&](Image i) { sizes.append(QSize(i.width(), i.height())); });
        return sizes;
    }

    // The smallest image at least as large as asked, or else the largest,
    // scaled to fit.
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        Image chosen{nullptr};
        forEachImage([&](Image i) {
            if (chosen.at == nullptr || chosen.width() < size.width() || chosen.height() < size.height())
                chosen = i;
        });
        if (chosen.at == nullptr)
            return {};
        QPixmap pixmap = QPixmap::fromImage(chosen.image());
        if (pixmap.width() > size.width() || pixmap.height() > size.height())
            pixmap = pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        return pixmap;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QIconEngine* clone() const override { return new PixelIconEngine(largest_); }

private:
    template <typename F>
    void forEachImage(F f) const
    {
        for (Image i{std::begin(kIconPixels)}; i.at != std::end(kIconPixels) && i.width() <= largest_; i = i.next())
            f(i);
    }

    int largest_;
};

}  // namespace

QIcon zindleIcon(int largest) { return QIcon(new PixelIconEngine(largest)); }

}  // namespace zindle::qt
