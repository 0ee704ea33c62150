// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace tw::oracle::number {

inline bool isblank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
inline bool isdec(char c) { return c >= '0' && c <= '9'; }
inline bool isoct(char c) { return c >= '0' && c <= '7'; }
inline bool ishex(char c) { return isdec(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// The C library's own conversion; this process never leaves the "C" locale.
inline double convert(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

inline double hexreference(const std::string& digits) { return digits.empty() ? 0.0 : convert("0x" + digits); }

// Octal digits are three bits each; regrouped by four they are the same number in hex.
inline double octalreference(const std::string& digits) {
    std::string bits;
    for (char c : digits) {
        for (int b = 2; b >= 0; --b) bits += ((c - '0') >> b & 1) ? '1' : '0';
    }
    bits.insert(0, (4 - bits.size() % 4) % 4, '0');
    std::string hex;
    for (std::size_t i = 0; i < bits.size(); i += 4) hex += "0123456789abcdef"[std::stoi(bits.substr(i, 4), nullptr, 2)];
    return hexreference(hex);
}

// What a Custom Field box reads from `input`: the blanks dropped first, then the number rebuilt in the
// C library's syntax and read by the C library.
inline double numbertext(std::string_view input) {
    std::string text;
    for (char c : input) {
        if (!isblank(c)) text += c;
    }
    text += '\0';
    std::size_t i = 0;
    if (text[0] == '&') {
        bool hex = false;
        if (text[1] == 'H' || text[1] == 'h') {
            hex = true;
        } else if (text[1] != 'O' && text[1] != 'o') {
            return 0.0;
        }
        std::string digits;
        for (i = 2; hex ? ishex(text[i]) : isoct(text[i]); ++i) digits += text[i];
        return hex ? hexreference(digits) : octalreference(digits);
    }
    std::string number;
    if (text[i] == '+' || text[i] == '-') number += text[i++];
    bool anydigit = false;
    for (; isdec(text[i]); ++i, anydigit = true) number += text[i];
    if (text[i] == '.') {
        number += text[i++];
        for (; isdec(text[i]); ++i, anydigit = true) number += text[i];
    }
    if (!anydigit) return 0.0;
    if (std::strchr("EeDd", text[i]) != nullptr && text[i] != '\0') {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (text[j] == '+' || text[j] == '-') exponent += text[j++];
        if (isdec(text[j])) {
            for (; isdec(text[j]); ++j) exponent += text[j];
            number += exponent;
        }
    }
    return convert(number);
}

}  // namespace tw::oracle::number
