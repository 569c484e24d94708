// SPDX-License-Identifier: MIT
#include "form/form_controls.h"

#include <algorithm>

namespace zindle::form {

namespace {

template <typename Array>
bool allSet(const Array& controls)
{
    return std::all_of(controls.begin(), controls.end(), [](auto* c) { return c != nullptr; });
}

}  // namespace

bool FormControls::complete() const
{
    const std::array<const void*, 20> singles{
        Lblotsikko, Lblohje,   Lblletter1, Lblletter2, Lblletter3, Lblkello1, Lblkello2,
        Lblkello3,  Lblkello4, Lblkello5,  Lblpisteet, Lblohje2,   Lblnorvo,  Lblwritten,
        Pic1,       Pic2,      Pic3,       Cmdjatka,   Tmr1,       beep};
    return allSet(singles) && allSet(Lbltext1) && allSet(Lbltext2) && allSet(Lbltext3) &&
           allSet(Line1);
}

}  // namespace zindle::form
