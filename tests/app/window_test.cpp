// SPDX-License-Identifier: MIT
#include "app/fonts.h"
#include "app/window_fixture.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QtTest/QTest>

#include <gtest/gtest.h>

using namespace zindle;

namespace {

class WindowPicture : public zindle::testing::WindowTest {
protected:
    WindowPicture() : image(grab()) {}

    QColor pixel(int x, int y) const { return image.pixelColor(x, y); }

    int countColour(const QRect& area, QColor colour) const
    {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                n += image.pixelColor(x, y) == colour ? 1 : 0;
        return n;
    }

    QImage image;
};

const QColor kBlack(0, 0, 0), kWhite(255, 255, 255), kGreen(0, 255, 0), kRed(255, 0, 0);
const QColor kYellow(255, 255, 0), kOrange(255, 128, 0), kCyan(0, 255, 255);

}  // namespace

TEST_F(WindowPicture, HasTheLaidOutClientSizeAndTitle)
{
    EXPECT_EQ(window.size(), QSize(620, 456));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Zindle"));
    EXPECT_FALSE(window.windowIcon().isNull());
    const QList<QSize> sizes{{32, 32}, {16, 16}, {48, 48}, {64, 64}, {128, 128}, {256, 256}};
    EXPECT_EQ(window.windowIcon().availableSizes(), sizes);
}

TEST_F(WindowPicture, PlacesControlsInPixels)
{
    EXPECT_EQ(window.tile(1, 0)->geometry(), QRect(104, 368, 17, 17));
    EXPECT_EQ(window.tile(3, 25)->geometry(), QRect(504, 400, 17, 17));
    EXPECT_EQ(window.label(QStringLiteral("Lblletter2"))->geometry(), QRect(256, 120, 105, 113));
    EXPECT_EQ(window.label(QStringLiteral("Lblkello5"))->geometry(), QRect(360, 248, 25, 33));
    EXPECT_EQ(window.keyBox(1)->geometry(), QRect(16, 128, 105, 9));
    EXPECT_EQ(window.button()->geometry(), QRect(256, 424, 105, 25));
    EXPECT_EQ(window.line(0)->geometry(), QRect(136, 144, 105, 1));
    EXPECT_EQ(window.line(3)->geometry(), QRect(240, 144, 1, 97));
}

TEST_F(WindowPicture, ShowsTheStartPictureInItsColours)
{
    EXPECT_EQ(pixel(610, 150), kBlack);
    EXPECT_EQ(pixel(5, 300), kBlack);
    EXPECT_GT(countColour(QRect(48, 0, 529, 89), kGreen), 500) << "green title";
    EXPECT_GT(countColour(QRect(136, 120, 105, 113), kYellow), 500) << "yellow S";
    EXPECT_GT(countColour(QRect(256, 120, 105, 113), kOrange), 500) << "orange T";
    EXPECT_GT(countColour(QRect(376, 120, 105, 113), kCyan), 300) << "cyan I";
    EXPECT_GT(countColour(QRect(328, 248, 25, 33), kRed), 20) << "red clock digit";
    EXPECT_GT(countColour(QRect(264, 296, 89, 25), kRed), 10) << "red score";
    EXPECT_EQ(countColour(QRect(130, 140, 120, 110), kWhite), 0) << "no white frame";
    // Free tiles (A of each row) in their row colours, inside the border.
    EXPECT_EQ(pixel(104 + 2, 368 + 14), kYellow) << "A of row 1 is free";
    EXPECT_EQ(pixel(104 + 1 + 16 * 1, 384 + 14), kOrange) << "B of row 2 is free";
    EXPECT_EQ(pixel(104 + 1 + 16 * 1, 400 + 14), kCyan) << "B of row 3 is free";
}

TEST_F(WindowPicture, GivesTheKeyboardToTheFirstKeyBox)
{
    EXPECT_EQ(window.keyboardHolder(), window.keyBox(1));
    EXPECT_EQ(window.focusWidget(), window.keyBox(1));
    EXPECT_FALSE(window.keyBox(2)->isVisible());
    EXPECT_FALSE(window.keyBox(3)->isVisible());
    EXPECT_FALSE(window.button()->isVisible());
    EXPECT_FALSE(window.timer().enabled());
}

TEST_F(WindowPicture, UsesTheChosenFontFaces)
{
    for (const char* name : {"Lblotsikko", "Lblohje", "Lblletter1", "Lblnorvo"}) {
        const QFontInfo info(window.label(QString::fromLatin1(name))->font());
        EXPECT_EQ(info.family(), QStringLiteral("Inter")) << name;
        EXPECT_GE(info.weight(), 900) << name;
    }
    for (const char* name : {"Lblkello4", "Lblpisteet", "Lbltext1(0)"}) {
        const QFontInfo info(window.label(QString::fromLatin1(name))->font());
        EXPECT_EQ(info.family(), QStringLiteral("Liberation Sans")) << name;
    }
}

TEST_F(WindowPicture, EveryCaptionFitsItsLabel)
{
    for (const ui::ControlLayout& entry : ui::formLayout()) {
        if (entry.kind != ui::Kind::Label)
            continue;
        const QString name = QString::fromLatin1(entry.name.data(), entry.name.size()) +
                             (entry.index >= 0 ? QStringLiteral("(%1)").arg(entry.index) : QString());
        const app::LabelWidget* label = window.label(name);
        ASSERT_NE(label, nullptr) << name.toStdString();
        const QFontMetricsF metrics(label->font());
        const QRectF ink = metrics.tightBoundingRect(label->caption()).translated(label->textOrigin());
        const QRectF advance(label->textOrigin().x(), 0, metrics.horizontalAdvance(label->caption()), 1);
        const QRect box = label->textRect();
        const std::string what = name.toStdString();
        EXPECT_GE(std::min(ink.left(), advance.left()), box.left()) << what;
        EXPECT_LE(std::max(ink.right(), advance.right()), box.right() + 1) << what;
        EXPECT_GE(ink.top(), box.top()) << what;
        EXPECT_LE(ink.bottom(), box.bottom() + 1) << what;
    }
}

TEST_F(WindowPicture, ResizingMovesAndScalesNothing)
{
    window.resize(900, 700);
    EXPECT_EQ(window.tile(1, 0)->geometry(), QRect(104, 368, 17, 17));
    EXPECT_EQ(window.label(QStringLiteral("Lblletter3"))->geometry(), QRect(376, 120, 105, 113));
    EXPECT_EQ(window.button()->geometry(), QRect(256, 424, 105, 25));
    const QImage bigger = grab();
    EXPECT_EQ(bigger.size(), QSize(900, 700));
    EXPECT_EQ(bigger.copy(0, 0, 620, 456), image) << "the laid-out part is unchanged";
    EXPECT_EQ(bigger.pixelColor(800, 600), kBlack) << "the rest is black ground";
}
