// SPDX-License-Identifier: MIT
#include "qt/fonts.h"

#include <QByteArray>
#include <QDir>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QResource>

#include <array>
#include <cmath>

namespace zindle::qt {

namespace {

struct Substitute {
    std::string_view face;
    const char* family;
    double ascent;   // of the named face, in ems; 0 to use the substitute's own
};

// Measured at 19 pixels, the instruction line is 614 pixels wide in
// DejaVu Sans Bold, 529 in Inter Black, 527 in Open Sans ExtraBold, 474 in
// Roboto Black and 449 in Lato Black. DejaVu Sans Bold overflows the start
// hint's label; Inter Black is the widest heavy face that fits every label.
// Liberation Sans has the metrics of Arial, close to MS Sans Serif.
constexpr std::array<Substitute, 2> kSubstitutes{{
    {"Arial Black", ZINDLE_FONT_FAMILY, 2254.0 / 2048.0},
    {"MS Sans Serif", "Liberation Sans", 0.0},
}};

// Inter Black and Inter Black Italic go with the program, built in
// uncompressed under a family name of the game's own, and are handed to the
// font database where they lie: no font installed on the system, whatever
// it calls itself, takes their place. Liberation Sans stays the system's:
// it draws alike on every release.
bool loadCarriedFonts()
{
    const QDir carried(QStringLiteral(":/fonts"));
    for (const QString& name : carried.entryList(QDir::Files)) {
        const QResource resource(carried.filePath(name));
        QFontDatabase::addApplicationFontFromData(QByteArray::fromRawData(
            reinterpret_cast<const char*>(resource.data()), static_cast<qsizetype>(resource.size())));
    }
    return true;
}

const Substitute* substituteFor(std::string_view face)
{
    for (const Substitute& s : kSubstitutes)
        if (s.face == face)
            return &s;
    return nullptr;
}

}  // namespace

QString familyFor(std::string_view face)
{
    if (const Substitute* s = substituteFor(face))
        return QString::fromLatin1(s->family);
    return QString::fromUtf8(face.data(), static_cast<qsizetype>(face.size()));
}

QFont fontFor(const form::LabelStyle& style)
{
    [[maybe_unused]] static const bool carriedFontsLoaded = loadCarriedFonts();
    QFont font(familyFor(style.face));
    // Point sizes are meant at 96 dots per inch: 8.25 pt is 11 pixels.
    font.setPixelSize(static_cast<int>(std::lround(style.points * 96.0 / 72.0)));
    font.setWeight(static_cast<QFont::Weight>(style.weight));
    font.setItalic(style.italic);
    // Big letters and tiles hold one letter at a time, which no shaping or
    // kerning can move: they skip the shaper, which would otherwise load
    // and keep the font's layout tables for each of their sizes.
    if (style.id == form::StyleId::BigLetter || style.id == form::StyleId::Tile)
        font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

int baselineFor(const form::LabelStyle& style, const QFont& font)
{
    const Substitute* s = substituteFor(style.face);
    if (s != nullptr && s->ascent > 0.0)
        return static_cast<int>(std::lround(s->ascent * font.pixelSize()));
    return QFontMetrics(font).ascent();
}

}  // namespace zindle::qt
