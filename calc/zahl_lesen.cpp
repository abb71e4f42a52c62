#include "zahl_lesen.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string>

namespace flockenlinie {

namespace {

constexpr std::string_view leerzeichen[] = {" ", "\t", "\u00A0", "\u202F"};
constexpr std::string_view gruppenleerzeichen[] = {" ", "\u00A0", "\u202F"};
constexpr std::string_view minuszeichen = "\u2212";
constexpr std::string_view hochkomma = "\u2019";

bool ist_ziffer(char c) { return c >= '0' && c <= '9'; }

// The separators that count as grouping for this format: none when the format
// has none (or the same one as its decimal separator), all three spaces for a
// space, the typewriter apostrophe besides U+2019, else just the one.
struct Gruppentrenner {
    std::array<std::string_view, 3> varianten{};
    std::size_t anzahl = 0;

    explicit Gruppentrenner(const Zahlformat& format) {
        const std::string_view g = format.gruppentrenner;
        if (g.empty() || g == format.dezimaltrenner) return;
        if (std::ranges::find(gruppenleerzeichen, g) != std::end(gruppenleerzeichen)) {
            std::ranges::copy(gruppenleerzeichen, varianten.begin());
            anzahl = 3;
        } else if (g == hochkomma) {
            varianten = {hochkomma, "'", {}};
            anzahl = 2;
        } else {
            varianten[0] = g;
            anzahl = 1;
        }
    }
};

// Walks the text front to back and copies what it accepts, in the form
// std::from_chars reads, into `ziel`.
class Leser {
public:
    Leser(std::string_view text, char* ziel) : rest_(text), ziel_(ziel) {}

    bool nimm(std::string_view s) {
        if (s.empty() || !rest_.starts_with(s)) return false;
        rest_.remove_prefix(s.size());
        return true;
    }
    bool nimm_leerzeichen() {
        return std::ranges::any_of(leerzeichen, [this](std::string_view l) { return nimm(l); });
    }
    // Takes a sign, if there is one; true for a minus.
    bool nimm_vorzeichen() {
        if (nimm("-") || nimm(minuszeichen)) return true;
        nimm("+");
        return false;
    }
    bool ziffer_vorn() const { return !rest_.empty() && ist_ziffer(rest_.front()); }

    // Copies the next digit; returns it.
    char ziffer() {
        const char c = rest_.front();
        rest_.remove_prefix(1);
        *ziel_++ = c;
        return c;
    }
    void schreibe(char c) { *ziel_++ = c; }

    // A grouping separator counts only when exactly three digits follow it.
    bool nimm_gruppe(const Gruppentrenner& g) {
        for (std::size_t i = 0; i < g.anzahl; ++i) {
            const std::string_view t = g.varianten[i];
            if (!rest_.starts_with(t)) continue;
            const std::string_view danach = rest_.substr(t.size());
            if (danach.size() < 3 || !std::all_of(danach.begin(), danach.begin() + 3, ist_ziffer)) continue;
            if (danach.size() > 3 && ist_ziffer(danach[3])) continue;
            rest_ = danach;
            return true;
        }
        return false;
    }

    bool am_ende() const { return rest_.empty(); }
    char* ziel() const { return ziel_; }

private:
    std::string_view rest_;
    char* ziel_;
};

// Decides on which side of 1 a number lies that std::from_chars found out of
// range: the power of ten of its first non-zero digit plus the exponent.
// Counts are bounded by the text length and the exponent is saturated, so
// the sum cannot overflow.
struct Groessenordnung {
    std::size_t ganz = 0;                       // integer digits
    std::optional<std::size_t> erste_ganz;      // index of the first non-zero integer digit
    std::optional<std::size_t> erste_bruch;     // index of the first non-zero fraction digit
    std::int64_t exponent = 0;

    void ziffer_ganz(char c) {
        if (c != '0' && !erste_ganz) erste_ganz = ganz;
        ++ganz;
    }
    void ziffer_bruch(char c, std::size_t index) {
        if (c != '0' && !erste_bruch) erste_bruch = index;
    }
    void ziffer_exponent(char c) {
        exponent = std::min<std::int64_t>(exponent * 10 + (c - '0'), std::int64_t{1} << 50);
    }
    bool mindestens_eins() const {
        const auto stelle = erste_ganz ? static_cast<std::int64_t>(ganz - 1 - *erste_ganz)
                                       : -static_cast<std::int64_t>(erste_bruch.value_or(0) + 1);
        return stelle + exponent >= 0;
    }
};

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

    const Gruppentrenner gruppe(format);
    Leser l(text, anfang);
    Groessenordnung ordnung;

    while (l.nimm_leerzeichen()) {
    }
    const bool negativ = l.nimm_vorzeichen();
    if (negativ) l.schreibe('-');

    // Integer part; the first group may have 1 to 3 digits.
    bool gruppiert = false;
    for (;;) {
        if (l.ziffer_vorn()) {
            ordnung.ziffer_ganz(l.ziffer());
        } else if (ordnung.ganz > 0 && (gruppiert || ordnung.ganz <= 3) && l.nimm_gruppe(gruppe)) {
            gruppiert = true;
        } else {
            break;
        }
    }
    if (ordnung.ganz == 0) l.schreibe('0');

    std::size_t bruch = 0;
    if (l.nimm(format.dezimaltrenner)) {
        l.schreibe('.');
        for (; l.ziffer_vorn(); ++bruch) ordnung.ziffer_bruch(l.ziffer(), bruch);
    }
    if (ordnung.ganz + bruch == 0) return std::nullopt;

    if (l.nimm("e") || l.nimm("E")) {
        l.schreibe('e');
        const bool exponent_negativ = l.nimm_vorzeichen();
        if (exponent_negativ) l.schreibe('-');
        if (!l.ziffer_vorn()) return std::nullopt;
        while (l.ziffer_vorn()) ordnung.ziffer_exponent(l.ziffer());
        if (exponent_negativ) ordnung.exponent = -ordnung.exponent;
    }

    while (l.nimm_leerzeichen()) {
    }
    if (!l.am_ende()) return std::nullopt;

    double wert = 0.0;
    const auto [ptr, ec] = std::from_chars(anfang, l.ziel(), wert);
    if (ptr != l.ziel()) return std::nullopt;
    if (ec == std::errc::result_out_of_range) {
        // Too large for a double is not a number; too small is zero.
        if (ordnung.mindestens_eins()) return std::nullopt;
        return negativ ? -0.0 : 0.0;
    }
    if (ec != std::errc{}) return std::nullopt;
    return wert;
}

}  // namespace flockenlinie
