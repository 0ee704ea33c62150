// SPDX-License-Identifier: GPL-3.0-or-later
#include "menus/numbertext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "tests/numbertext_oracle.h"

namespace {

// The Custom Field boxes read as the C library reads the number rewritten in its own syntax: random
// entries of the dialect's pieces, and entries far longer than a box shows or a double holds.
TEST(NumberTextTest, ReadsTheBoxDialectAsTheCLibraryReadsItsRewriting) {
    const std::string megabyte(1 << 20, '0');
    std::vector<std::string> entries = {
        std::string("1\0" "2", 3), "\xef\xbc\x91", "&H20000000000001", "&H200000000000010000000001",
        std::string("&H").append(2000, '0').append("1F"), "1e99999999999999999999999", std::string("&H").append(300, 'F'),
        std::string("&O").append(400, '7'), std::string("-").append(1 << 20, '7'), megabyte + "42",
        "0." + megabyte + "1e1048577", std::string("9007199254740993").append(800, '0').append("1e-801"),
        std::string("9007199254740993").append(5000, '0').append("e-5000")};
    static const char* const pieces[] = {"0", "1", "7", "9", "12", "F", "a", ".", "-", "+", "e", "E", "d", "D", "&",
                                         "H", "h", "O", "o", " ", "\t", "\r", "\n", "\v", "x", "1e999", "1e-999"};
    std::mt19937 random(5);
    for (int n = 0; n < 200000; ++n) {
        std::string text;
        for (int k = static_cast<int>(random() % 8); k > 0; --k) text += pieces[random() % std::size(pieces)];
        entries.push_back(text);
    }
    for (const std::string& text : entries) {
        const double value = tw::numbertext(text);
        const double expected = tw::oracle::number::numbertext(text);
        ASSERT_TRUE(value == expected && std::signbit(value) == std::signbit(expected))
            << testing::PrintToString(text.size() > 60 ? text.substr(0, 60) + "..." : text) << " reads " << value
            << ", not " << expected;
    }
}

}  // namespace
