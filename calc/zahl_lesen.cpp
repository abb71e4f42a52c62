// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#include "zahl_lesen.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <initializer_list>
#include <string>

namespace flockenlinie {

namespace {

constexpr std::string_view nbsp = "\u00A0";
constexpr std::string_view schmales_nbsp = "\u202F";
constexpr std::string_view minuszeichen = "\u2212";
constexpr std::string_view hochkomma = "\u2019";
constexpr std::string_view schreibmaschine = "'";

bool ist_ziffer(char c) { return c >= '0' && c <= '9'; }

bool ist_gruppenleerzeichen(std::string_view s) { return s == " " || s == nbsp || s == schmales_nbsp; }

// The separators that count as grouping for this format: any of the three
// spaces in every format (a space is never a decimal separator, and DIN 5008
// groups with one), the format's own separator (unless it is none or the
// decimal separator), and beside either apostrophe the other: Swiss numbers
// are grouped with U+2019 by Windows and older locale data, with the
// typewriter apostrophe by newer, and the user types what the keyboard has.
struct Gruppentrenner {
    std::array<std::string_view, 5> varianten{};
    std::size_t anzahl = 0;

    explicit Gruppentrenner(const Zahlformat& format) {
        for (const std::string_view leer : {std::string_view(" "), nbsp, schmales_nbsp}) {
            if (leer != format.dezimaltrenner) varianten[anzahl++] = leer;
        }
        const std::string_view g = format.gruppentrenner;
        if (g.empty() || g == format.dezimaltrenner || ist_gruppenleerzeichen(g)) return;
        varianten[anzahl++] = g;
        if (g == hochkomma) varianten[anzahl++] = schreibmaschine;
        if (g == schreibmaschine) varianten[anzahl++] = hochkomma;
    }
};

// Walks the text front to back and copies what it accepts, in the form
// std::from_chars reads ("-123.45e-6"), to `ziel`.
class Leser {
public:
    Leser(std::string_view text, char* ziel) : p_(text.data()), ende_(text.data() + text.size()), ziel_(ziel) {}

    // Takes `s` if the rest starts with it. An empty `s` is never taken: in a
    // format whose decimal separator is empty no number has a fraction.
    bool nimm(std::string_view s) {
        if (s.empty() || !rest().starts_with(s)) return false;
        p_ += s.size();
        return true;
    }
    void nimm_leerzeichen() {
        while (const std::size_t n = leerzeichen_vorn()) p_ += n;
    }
    // Takes one sign, if there is one, and copies a minus.
    void nimm_vorzeichen() {
        if (nimm("-") || nimm(minuszeichen)) {
            schreibe('-');
        } else {
            nimm("+");
        }
    }
    // Copies the digits in front; returns how many.
    std::size_t nimm_ziffern() {
        const char* const von = p_;
        while (p_ != ende_ && ist_ziffer(*p_)) *ziel_++ = *p_++;
        return static_cast<std::size_t>(p_ - von);
    }
    // A grouping separator counts only when exactly three digits follow it.
    bool nimm_gruppe(const Gruppentrenner& g) {
        for (std::size_t i = 0; i < g.anzahl; ++i) {
            const std::string_view t = g.varianten[i];
            if (!rest().starts_with(t)) continue;
            const std::string_view danach = rest().substr(t.size());
            if (danach.size() < 3 || !std::all_of(danach.begin(), danach.begin() + 3, ist_ziffer)) continue;
            if (danach.size() > 3 && ist_ziffer(danach[3])) continue;
            p_ += t.size();
            return true;
        }
        return false;
    }
    void schreibe(char c) { *ziel_++ = c; }

    bool am_ende() const { return p_ == ende_; }
    char* ziel() const { return ziel_; }

private:
    std::string_view rest() const { return {p_, static_cast<std::size_t>(ende_ - p_)}; }

    // Length of the blank in front, or 0.
    std::size_t leerzeichen_vorn() const {
        if (p_ == ende_) return 0;
        if (*p_ == ' ' || *p_ == '\t') return 1;
        if (rest().starts_with(nbsp)) return nbsp.size();
        if (rest().starts_with(schmales_nbsp)) return schmales_nbsp.size();
        return 0;
    }

    const char* p_;
    const char* ende_;
    char* ziel_;
};

// For a number that std::from_chars found out of range, in its own form:
// whether it is at least 1 (too large for a double) or below (too small).
// The power of ten of its first non-zero digit plus the exponent decides;
// the exponent is saturated, so the sum cannot overflow.
bool mindestens_eins(std::string_view zahl) {
    if (zahl.front() == '-') zahl.remove_prefix(1);
    const std::size_t e = std::min(zahl.find('e'), zahl.size());
    const std::string_view mantisse = zahl.substr(0, e);
    const std::size_t punkt = std::min(mantisse.find('.'), mantisse.size());
    const std::size_t erste = mantisse.find_first_of("123456789");
    if (erste == std::string_view::npos) return false;
    const std::int64_t stelle = erste < punkt ? static_cast<std::int64_t>(punkt - erste - 1)
                                              : -static_cast<std::int64_t>(erste - punkt);
    std::int64_t exponent = 0;
    std::string_view hoch = e < zahl.size() ? zahl.substr(e + 1) : std::string_view{};
    const bool negativ = !hoch.empty() && hoch.front() == '-';
    if (negativ) hoch.remove_prefix(1);
    for (const char c : hoch) exponent = std::min<std::int64_t>(exponent * 10 + (c - '0'), std::int64_t{1} << 50);
    return stelle + (negativ ? -exponent : exponent) >= 0;
}

}  // namespace

std::optional<double> zahl_lesen(std::string_view text, const Zahlformat& format) {
    // The copy is never longer than the text plus one byte: the "0" put before
    // a leading decimal separator is all it adds.
    std::array<char, 256> stapel;
    std::string halde;
    char* anfang = stapel.data();
    if (text.size() + 2 > stapel.size()) {
        halde.resize(text.size() + 2);
        anfang = halde.data();
    }
    Leser l(text, anfang);

    l.nimm_leerzeichen();
    l.nimm_vorzeichen();

    // Integer part: 1 to 3 digits before the first grouping separator, then
    // groups of three.
    std::size_t ganz = l.nimm_ziffern();
    if (ganz > 0 && ganz <= 3) {
        const Gruppentrenner gruppe(format);
        while (l.nimm_gruppe(gruppe)) ganz += l.nimm_ziffern();
    }
    if (ganz == 0) l.schreibe('0');

    std::size_t bruch = 0;
    if (l.nimm(format.dezimaltrenner)) {
        l.schreibe('.');
        bruch = l.nimm_ziffern();
    }
    if (ganz + bruch == 0) return std::nullopt;

    if (l.nimm("e") || l.nimm("E")) {
        l.schreibe('e');
        l.nimm_vorzeichen();
        if (l.nimm_ziffern() == 0) return std::nullopt;
    }

    l.nimm_leerzeichen();
    if (!l.am_ende()) return std::nullopt;

    double wert = 0.0;
    const auto [ptr, ec] = std::from_chars(anfang, l.ziel(), wert);
    if (ptr != l.ziel()) return std::nullopt;
    if (ec == std::errc::result_out_of_range) {
        // Too large for a double is not a number; too small is zero.
        if (mindestens_eins(std::string_view(anfang, l.ziel() - anfang))) return std::nullopt;
        return *anfang == '-' ? -0.0 : 0.0;
    }
    if (ec != std::errc{}) return std::nullopt;
    return wert;
}

}  // namespace flockenlinie
