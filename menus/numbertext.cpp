// SPDX-License-Identifier: GPL-3.0-or-later
#include "menus/numbertext.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <system_error>

namespace tw {

namespace {

constexpr int kEnd = -1;

// Any double's halfway point has at most 767 significant digits, so keeping a few
// more plus one sticky digit for the rest rounds exactly as the whole text would.
constexpr std::size_t kKeptDigits = 780;

// Beyond these decimal exponents of 0.ddd every text overflows or reads as zero.
constexpr std::int64_t kOverflowExponent = 400;
constexpr std::int64_t kExponentCap = 1'000'000'000;

// Bits kept of a hexadecimal or octal number; the rest only counts and sets a sticky bit.
constexpr int kKeptBits = 60;
constexpr std::int64_t kOverflowBits = 1100;

bool skipped(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool isdigit10(int c) { return c >= '0' && c <= '9'; }

int digitvalue(int c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text) {}

    int peek() {
        while (pos_ < text_.size() && skipped(text_[pos_])) ++pos_;
        return pos_ < text_.size() ? static_cast<unsigned char>(text_[pos_]) : kEnd;
    }

    void next() { ++pos_; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

double wholenumber(Cursor& in, int radix) {
    const int shift = radix == 16 ? 4 : 3;
    std::uint64_t kept = 0;
    std::int64_t droppedbits = 0;
    bool sticky = false;
    for (int d = digitvalue(in.peek()); d < radix; d = digitvalue(in.peek())) {
        in.next();
        if ((kept >> (kKeptBits - shift)) == 0) {
            kept = (kept << shift) | static_cast<std::uint64_t>(d);
        } else {
            if (droppedbits < kOverflowBits) droppedbits += shift;
            sticky = sticky || d != 0;
        }
    }
    if (droppedbits >= kOverflowBits) return HUGE_VAL;
    // Kept holds at least 57 bits here, so bit 0 lies below the rounding bit.
    if (sticky) kept |= 1;
    return std::ldexp(static_cast<double>(kept), static_cast<int>(droppedbits));
}

double decimalnumber(Cursor& in) {
    bool negative = false;
    if (in.peek() == '+' || in.peek() == '-') {
        negative = in.peek() == '-';
        in.next();
    }
    const double zero = negative ? -0.0 : 0.0;

    std::string digits;
    digits.reserve(kKeptDigits + 1);
    bool sticky = false;
    bool anydigit = false;
    std::int64_t pointexponent = 0;
    const auto keep = [&](int c) {
        if (digits.size() < kKeptDigits) {
            digits.push_back(static_cast<char>(c));
        } else if (c != '0') {
            sticky = true;
        }
    };

    for (int c = in.peek(); isdigit10(c); c = in.peek()) {
        in.next();
        anydigit = true;
        if (digits.empty() && c == '0') continue;
        keep(c);
        ++pointexponent;
    }
    if (in.peek() == '.') {
        in.next();
        for (int c = in.peek(); isdigit10(c); c = in.peek()) {
            in.next();
            anydigit = true;
            if (digits.empty() && c == '0') {
                --pointexponent;
                continue;
            }
            keep(c);
        }
    }
    if (!anydigit) return 0.0;

    std::int64_t exponent = 0;
    const int e = in.peek();
    if (e == 'E' || e == 'e' || e == 'D' || e == 'd') {
        in.next();
        bool negativeexponent = false;
        if (in.peek() == '+' || in.peek() == '-') {
            negativeexponent = in.peek() == '-';
            in.next();
        }
        for (int c = in.peek(); isdigit10(c); c = in.peek()) {
            in.next();
            if (exponent < kExponentCap) exponent = exponent * 10 + (c - '0');
        }
        if (negativeexponent) exponent = -exponent;
    }

    if (digits.empty()) return zero;
    const std::int64_t total = pointexponent + exponent;
    if (total > kOverflowExponent) return negative ? -HUGE_VAL : HUGE_VAL;
    if (total < -kOverflowExponent) return zero;
    if (sticky) digits.push_back('1');

    std::string number = "0.";
    number += digits;
    number += 'e';
    number += std::to_string(total);
    double value = 0.0;
    const auto read = std::from_chars(number.data(), number.data() + number.size(), value);
    if (read.ec == std::errc::result_out_of_range) value = total > 0 ? HUGE_VAL : 0.0;
    return negative ? -value : value;
}

}  // namespace

double numbertext(std::string_view text) {
    Cursor in(text);
    if (in.peek() != '&') return decimalnumber(in);
    in.next();
    const int kind = in.peek();
    if (kind == 'H' || kind == 'h') {
        in.next();
        return wholenumber(in, 16);
    }
    if (kind == 'O' || kind == 'o') {
        in.next();
        return wholenumber(in, 8);
    }
    return 0.0;
}

}  // namespace tw
