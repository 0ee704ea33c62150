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

void expectreadings(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text.size() > 60 ? c.text.substr(0, 60) + "..." : c.text));
        const double value = tw::numbertext(c.text);
        EXPECT_EQ(value, c.value);
        EXPECT_EQ(std::signbit(value), std::signbit(c.value));
    }
}

constexpr double kInfinity = std::numeric_limits<double>::infinity();

TEST(NumberTextTest, ReadsDecimalNumbersUpToTheFirstForeignCharacter) {
    expectreadings({
        {"12", 12},
        {"12 apples", 12},
        {"-3", -3},
        {"0.5", 0.5},
        {"-.5", -0.5},
        {"1.5.5", 1.5},
        {"7-3", 7},
        {std::string("1\0" "2", 3), 1},
        {"-0", -0.0},
        {"9007199254740993", 9007199254740992.0},
        {"123456789012345678901234567890", 123456789012345678901234567890.0},
    });
}

TEST(NumberTextTest, ReadsExponents) {
    expectreadings({
        {"1e3", 1000},
        {"1e-3", 0.001},
        {"2.5e1.5", 25},
        {"1d3", 1000},
        {"1e", 1},
        {"1ex", 1},
        {"e3", 0},
        {"0e999999", 0},
        {"1.7976931348623157e308", std::numeric_limits<double>::max()},
        {"4.9406564584124654e-324", std::numeric_limits<double>::denorm_min()},
    });
}

TEST(NumberTextTest, SkipsBlanksTabsAndLineBreaksAnywhere) {
    expectreadings({
        {" 1 2 ", 12},
        {"\t-\t3", -3},
        {"  1 . 5 e 2", 150},
        {"1 e - 2", 0.01},
        {"& H F F", 255},
        {"\n&\tO17", 15},
    });
}

TEST(NumberTextTest, TextWithoutANumberAtItsStartReadsZero) {
    expectreadings({
        {"", 0},
        {"abc", 0},
        {"-", 0},
        {"--3", 0},
        {"-&HFF", 0},
        {"\xef\xbc\x91", 0},
        {"\v12", 0},
    });
}

TEST(NumberTextTest, ReadsHexadecimalAndOctalWholeNumbers) {
    expectreadings({
        {"&HFF", 255},
        {"&H10.5", 16},
        {"&H", 0},
        {"&O17", 15},
        {"&17", 0},
        {"&18", 0},
        {"&", 0},
        {"&H-1", 0},
        {"&HFFFFFFFFFFFFFFFF", 18446744073709551616.0},
        {std::string("&O1").append(40, '0'), std::ldexp(1.0, 120)},
        {"&H20000000000001", 9007199254740992.0},
        {"&H200000000000010000000001", std::ldexp(9007199254740994.0, 40)},
        {std::string("&H").append(2000, '0') + "1F", 31},
    });
}

TEST(NumberTextTest, OverflowGivesInfinityWithItsSignAndUnderflowGivesZero) {
    expectreadings({
        {"1e999", kInfinity},
        {"-1e999", -kInfinity},
        {"1e99999999999999999999999", kInfinity},
        {"1e-999", 0},
        {"-1e-999", -0.0},
        {std::string("&H").append(300, 'F'), kInfinity},
        {std::string("&O").append(400, '7'), kInfinity},
    });
}

TEST(NumberTextTest, ReadsVeryLongDigitStrings) {
    const std::string megabyte(1 << 20, '0');
    expectreadings({
        {std::string("1").append(300, '0'), 1e300},
        {std::string(400, '9'), kInfinity},
        {std::string("-").append(1 << 20, '7'), -kInfinity},
        {megabyte + "42", 42},
        {std::string("0.").append(300, '0') + "1", 1e-301},
        {"0." + megabyte + "1e1048577", 1},
        {"0." + megabyte + "1", 0},
        {std::string("9007199254740993").append(800, '0') + "1e-801", 9007199254740994.0},
        {std::string("9007199254740993").append(5000, '0') + "e-5000", 9007199254740992.0},
        {std::string("1.").append(1 << 20, '1') + " and more", 1.1111111111111112},
    });
}

}  // namespace
