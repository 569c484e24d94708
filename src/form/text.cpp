// SPDX-License-Identifier: MIT
#include "form/text.h"

namespace zindle::form {

namespace {

char16_t upperOf(char16_t c)
{
    if (c >= u'a' && c <= u'z')
        return static_cast<char16_t>(c - 0x20);
    // Latin-1 small letters à..þ map 32 down, except the division sign;
    // ß (U+00DF) and ÿ (capital outside Latin-1) fall outside this range.
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return static_cast<char16_t>(c - 0x20);
    return c;
}

}  // namespace

Text Chr(std::int16_t code)
{
    return Text(1, static_cast<char16_t>(static_cast<std::uint16_t>(code)));
}

Text UCase(const Text& text)
{
    Text upper = text;
    for (char16_t& c : upper)
        c = upperOf(c);
    return upper;
}

std::int16_t Asc(const Text& text)
{
    if (text.empty())
        return 0;
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(text.front()));
}

Text Str(int value)
{
    const std::string digits = std::to_string(value);
    Text caption = value >= 0 ? u" " : u"";
    caption.append(digits.begin(), digits.end());
    return caption;
}

Text resultText(const Text& scoreCaption)
{
    const std::size_t first = scoreCaption.find_first_not_of(u' ');
    const Text hits = first == Text::npos ? Text() : scoreCaption.substr(first);
    return u"Time is up, " + hits + (hits == u"1" ? u" hit." : u" hits.");
}

}  // namespace zindle::form
