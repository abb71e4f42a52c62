// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#include "utf.hpp"

namespace flockenlinie {

namespace {

void anhaengen(std::string& aus, char32_t c) {
    if (c < 0x80) {
        aus += static_cast<char>(c);
    } else if (c < 0x800) {
        aus += static_cast<char>(0xC0 | (c >> 6));
        aus += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        aus += static_cast<char>(0xE0 | (c >> 12));
        aus += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        aus += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        aus += static_cast<char>(0xF0 | (c >> 18));
        aus += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        aus += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        aus += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool hoch(char32_t c) { return c >= 0xD800 && c < 0xDC00; }
bool tief(char32_t c) { return c >= 0xDC00 && c < 0xE000; }

}  // namespace

std::string utf8(std::wstring_view text) {
    std::string aus;
    aus.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = static_cast<char16_t>(text[i]);
        if (hoch(c) && i + 1 < text.size() && tief(static_cast<char16_t>(text[i + 1]))) {
            anhaengen(aus, 0x10000 + ((c - 0xD800) << 10) + (static_cast<char16_t>(text[++i]) - 0xDC00));
        } else {
            anhaengen(aus, hoch(c) || tief(c) ? U'\uFFFD' : c);
        }
    }
    return aus;
}

std::wstring utf16(std::string_view text) {
    std::wstring aus;
    aus.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        const int laenge = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        char32_t c = laenge == 1 ? b : b & (0x7F >> laenge);
        for (int j = 1; j < laenge && i + j < text.size(); ++j) c = (c << 6) | (text[i + j] & 0x3F);
        i += laenge;
        if (c >= 0x10000) {
            aus += static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
            aus += static_cast<wchar_t>(0xDC00 + (c & 0x3FF));
        } else {
            aus += static_cast<wchar_t>(c);
        }
    }
    return aus;
}

}  // namespace flockenlinie
