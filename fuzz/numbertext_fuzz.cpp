// SPDX-License-Identifier: GPL-3.0-or-later
#include "menus/numbertext.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "tests/numbertext_oracle.h"

// Any bytes read as the C library reads their rewriting: a NaN, or an infinity the oracle has not, differs too.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = tw::numbertext(text);
    const double expected = tw::oracle::number::numbertext(text);
    if (!(value == expected && std::signbit(value) == std::signbit(expected))) std::abort();
    return 0;
}
