// SPDX-License-Identifier: MIT
// Gives an OpenType font a family name of its own: every name that says
// which font this is (family, full name, PostScript name, unique id,
// typographic family) has FROM replaced by TO, and nothing else of the font
// changes. The game draws with the faces it carries under a family that no
// system font has, so no installed font, whatever it calls itself, can take
// their place.
//   font_family IN OUT FROM TO

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t get(const Bytes& b, std::size_t at, int size)
{
    std::uint32_t v = 0;
    for (int i = 0; i < size; ++i)
        v = v << 8 | b.at(at + static_cast<std::size_t>(i));
    return v;
}

void put(Bytes& b, std::size_t at, std::uint32_t v, int size)
{
    for (int i = size - 1; i >= 0; --i, v >>= 8)
        b.at(at + static_cast<std::size_t>(i)) = static_cast<std::uint8_t>(v & 0xFF);
}

void append(Bytes& b, std::uint32_t v, int size)
{
    b.resize(b.size() + static_cast<std::size_t>(size));
    put(b, b.size() - static_cast<std::size_t>(size), v, size);
}

std::uint32_t checksum(const Bytes& b, std::size_t at, std::size_t length)
{
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < length; i += 4)
        for (std::size_t k = 0; k < 4; ++k)
            sum += static_cast<std::uint32_t>(i + k < length ? b.at(at + i + k) : 0) << (24 - 8 * k);
    return sum;
}

// The names that identify the font: family (1), unique id (3), full name
// (4), PostScript name (6), typographic family (16), compatible full name
// (18), WWS family (21). PostScript names and unique ids have no spaces.
bool identifies(std::uint32_t nameId) { return nameId == 1 || nameId == 3 || nameId == 4 || nameId == 6 || nameId == 16 || nameId == 18 || nameId == 21; }
bool spaceless(std::uint32_t nameId) { return nameId == 3 || nameId == 6; }

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// A name string as text: Windows names are UTF-16BE, Macintosh names one
// byte a character; the names replaced here are plain ASCII.
std::string decode(const Bytes& raw, bool wide)
{
    std::string text;
    for (std::size_t i = wide ? 1 : 0; i < raw.size(); i += wide ? 2 : 1)
        text += static_cast<char>(raw[i]);
    return text;
}

Bytes encode(const std::string& text, bool wide)
{
    Bytes raw;
    for (char c : text) {
        if (wide)
            raw.push_back(0);
        raw.push_back(static_cast<std::uint8_t>(c));
    }
    return raw;
}

// The name table written anew, format 0, with the identifying names renamed.
Bytes renamedNames(const Bytes& font, std::size_t at, const std::string& from, const std::string& to)
{
    const std::uint32_t count = get(font, at + 2, 2);
    const std::size_t strings = at + get(font, at + 4, 2);
    std::string toSpaceless;
    for (char c : to)
        if (c != ' ')
            toSpaceless += c;
    Bytes table, storage;
    append(table, 0, 2);
    append(table, count, 2);
    append(table, 6 + 12 * count, 2);
    for (std::uint32_t r = 0; r < count; ++r) {
        const std::size_t rec = at + 6 + 12 * r;
        const std::uint32_t platform = get(font, rec, 2), nameId = get(font, rec + 6, 2);
        const std::size_t offset = strings + get(font, rec + 10, 2);
        Bytes raw(font.begin() + static_cast<long>(offset),
                  font.begin() + static_cast<long>(offset + get(font, rec + 8, 2)));
        const bool wide = platform == 0 || platform == 3;
        if (identifies(nameId) && (wide || platform == 1))
            raw = encode(replaced(decode(raw, wide), from, spaceless(nameId) ? toSpaceless : to), wide);
        for (std::size_t k = 0; k < 8; k += 2)
            append(table, get(font, rec + k, 2), 2);
        append(table, static_cast<std::uint32_t>(raw.size()), 2);
        append(table, static_cast<std::uint32_t>(storage.size()), 2);
        storage.insert(storage.end(), raw.begin(), raw.end());
    }
    table.insert(table.end(), storage.begin(), storage.end());
    return table;
}

// The font written anew table by table, each on a four-byte boundary, with
// the new name table, every table's checksum and the font's own.
Bytes renamedFont(const Bytes& font, const std::string& from, const std::string& to)
{
    const std::uint32_t tables = get(font, 4, 2);
    Bytes out(font.begin(), font.begin() + 12 + 16 * tables);
    std::size_t head = 0;
    for (std::uint32_t t = 0; t < tables; ++t) {
        const std::size_t rec = 12 + 16 * t;
        const std::uint32_t tag = get(font, rec, 4);
        const std::size_t offset = get(font, rec + 8, 4), length = get(font, rec + 12, 4);
        Bytes data = tag == 0x6E616D65 /* name */ ? renamedNames(font, offset, from, to)
                                                  : Bytes(font.begin() + static_cast<long>(offset),
                                                          font.begin() + static_cast<long>(offset + length));
        if (tag == 0x68656164 /* head */) {
            head = out.size();
            put(data, 8, 0, 4);   // checkSumAdjustment, set below
        }
        put(out, rec + 8, static_cast<std::uint32_t>(out.size()), 4);
        put(out, rec + 12, static_cast<std::uint32_t>(data.size()), 4);
        put(out, rec + 4, checksum(data, 0, data.size()), 4);
        out.insert(out.end(), data.begin(), data.end());
        out.resize((out.size() + 3) / 4 * 4, 0);
    }
    if (head != 0)
        put(out, head + 8, 0xB1B0AFBAu - checksum(out, 0, out.size()), 4);
    return out;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: font_family IN OUT FROM TO\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const Bytes font{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (font.size() < 12) {
        std::fprintf(stderr, "font_family: cannot read %s\n", argv[1]);
        return 1;
    }
    try {
        const Bytes out = renamedFont(font, argv[3], argv[4]);
        std::ofstream(argv[2], std::ios::binary).write(reinterpret_cast<const char*>(out.data()),
                                                        static_cast<std::streamsize>(out.size()));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "font_family: %s is not a font this tool can read: %s\n", argv[1], e.what());
        return 1;
    }
    return 0;
}
