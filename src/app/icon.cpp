// SPDX-License-Identifier: MIT
#include "app/icon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <cstdint>
#include <iterator>

namespace zindle::app {

namespace {

#include "icon_pixels.inc"

// Each image of the table: its size, then its pixels.
struct Image {
    const std::uint32_t* at;
    int size() const { return static_cast<int>(at[0]); }
    QImage image() const
    {
        const auto* pixels = reinterpret_cast<const uchar*>(at + 2);
        return {pixels, size(), size(), size() * 4, QImage::Format_ARGB32};
    }
    Image next() const { return {at + 2 + static_cast<std::size_t>(size()) * static_cast<std::size_t>(size())}; }
};

class PixelIconEngine final : public QIconEngine {
public:
    explicit PixelIconEngine(int largest) : largest_(largest) {}

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        forEachImage([&](Image i) { sizes.append(QSize(i.size(), i.size())); });
        return sizes;
    }

    // The smallest image at least as large as asked, or else the largest,
    // scaled to fit.
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        Image chosen{nullptr};
        forEachImage([&](Image i) {
            if (chosen.at == nullptr || chosen.size() < size.width() || chosen.size() < size.height())
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
        for (Image i{std::begin(kIconPixels)}; i.at != std::end(kIconPixels) && i.size() <= largest_; i = i.next())
            f(i);
    }

    int largest_;
};

}  // namespace

QIcon zindleIcon(int largest) { return QIcon(new PixelIconEngine(largest)); }

}  // namespace zindle::app
