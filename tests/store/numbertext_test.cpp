// SPDX-License-Identifier: GPL-3.0-or-later
#include "menus/numbertext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

struct Case {
    std::string text;
    double value;
};

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The dialect of the Custom Field boxes; fuzz/numbertext_fuzz.cpp compares every other reading
// with the C library's own conversion.
TEST(NumberTextTest, ReadsTheBoxDialect) {
    const std::string megabyte(1 << 20, '0');
    const std::vector<Case> cases = {
        {"12 apples", 12}, {"-.5", -0.5}, {"1.5.5", 1.5}, {"7-3", 7}, {std::string("1\0" "2", 3), 1}, {"-0", -0.0},
        {"2.5e1.5", 25}, {"1d3", 1000}, {"1ex", 1}, {"e3", 0}, {"  1 . 5 e 2", 150}, {"1 e - 2", 0.01},
        {"\n&\tO17", 15}, {"", 0}, {"--3", 0}, {"-&HFF", 0}, {"\xef\xbc\x91", 0}, {"\v12", 0}, {"& H F F", 255},
        {"&H10.5", 16}, {"&O17", 15}, {"&17", 0}, {"&H-1", 0}, {"&H20000000000001", 9007199254740992.0},
        {"&H200000000000010000000001", std::ldexp(9007199254740994.0, 40)},
        {std::string("&H").append(2000, '0').append("1F"), 31}, {"1e999", kInfinity}, {"-1e999", -kInfinity},
        {"1e99999999999999999999999", kInfinity}, {"-1e-999", -0.0},
        {std::string("&H").append(300, 'F'), kInfinity}, {std::string("&O").append(400, '7'), kInfinity},
        {std::string("-").append(1 << 20, '7'), -kInfinity}, {megabyte + "42", 42},
        {"0." + megabyte + "1e1048577", 1},
        {std::string("9007199254740993").append(800, '0').append("1e-801"), 9007199254740994.0},
        {std::string("9007199254740993").append(5000, '0').append("e-5000"), 9007199254740992.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text.size() > 60 ? c.text.substr(0, 60) + "..." : c.text));
        const double value = tw::numbertext(c.text);
        EXPECT_EQ(value, c.value);
        EXPECT_EQ(std::signbit(value), std::signbit(c.value));
    }
}

}  // namespace
