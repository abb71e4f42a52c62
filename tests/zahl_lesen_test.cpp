// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading numbers as users type them: what each format takes and refuses,
// texts of any length, and random numbers written by hand read back exactly.
#include "zahl_lesen.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <random>
#include <string>
#include <string_view>

#include "formate.hpp"

namespace flockenlinie {
namespace {

using namespace std::string_view_literals;
using test::deutsch, test::schweiz, test::schweiz_schreibmaschine, test::usa, test::frankreich;
const Zahlformat ohne_gruppen{",", ""};
const Zahlformat arabisch{"\u066B", "\u066C"};

// nullopt: refused.
void liest(const Zahlformat& f, std::string_view text, std::optional<double> wert) {
    const auto gelesen = zahl_lesen(text, f);
    EXPECT_EQ(test::bits(gelesen), test::bits(wert)) << '"' << text.substr(0, 40) << "\" read as " << gelesen.value_or(NAN);
}
void lehnt_ab(const Zahlformat& f, std::initializer_list<std::string_view> texte) {
    for (const auto text : texte) liest(f, text, std::nullopt);
}

// What the random round trip below does not write. Spaces group in every
// format, as DIN 5008 writes large numbers; pasted megabytes are judged whole.
TEST(ZahlLesen, Angenommen) {
    liest(deutsch, ",5", 0.5), liest(deutsch, "5,", 5), liest(deutsch, "1.500,", 1500), liest(deutsch, "0.500", 500);
    liest(deutsch, "-0", -0.0), liest(deutsch, "\u202F-3\t \u00A0", -3), liest(deutsch, "2e\u22124", 2e-4);
    liest(deutsch, "5,e1", 50), liest(deutsch, "1,7976931348623157E308", DBL_MAX);
    liest(deutsch, "4,9E-324", 4.9406564584124654e-324), liest(deutsch, "-1E-400", -0.0);
    liest(deutsch, "0E999999999999999999999", 0), liest(deutsch, "0,000001E-99999999999999", 0);
    liest(schweiz, "1'234\u2019567", 1234567), liest(schweiz_schreibmaschine, "1\u2019234'567", 1234567);
    liest(usa, ".5e1", 5);
    liest(deutsch, "12\u00A0345\u202F678,9", 12345678.9), liest(ohne_gruppen, "1 500,5", 1500.5);
    liest(arabisch, "1\u066C500\u066B5", 1500.5);
    liest(deutsch, "0," + std::string(1'000'000, '0') + "1", 0.0), liest(deutsch, "1" + std::string(300, '0'), 1e300);
    liest(deutsch, "0," + std::string(300, '0') + "1E301", 1.0);
    liest(deutsch, std::string(500'000, ' ') + "7" + std::string(500'000, '\t'), 7.0);
}

TEST(ZahlLesen, Abgelehnt) {
    lehnt_ab(deutsch, {"", " ", ",", "-", "+,", "abc", "5a", "1,5,5", std::string(1'000'000, '1')});
    // Grouping only in whole groups of three, and only before the separator.
    lehnt_ab(deutsch, {"1.5", "15.00", "1.50.000", "1234.567", "1.5000", ".500", "1..000", "1.000.", "1,500.000"});
    lehnt_ab(deutsch, {"1 50", "1\u00A05000"}), lehnt_ab(frankreich, {"1 50", "1 5000", "1\t500"});
    // Signs: one, directly before the digits. Exponents: digits, no blank before.
    lehnt_ab(deutsch, {"- 5", "\u2212", "\u2212 5", "5-", "\u2013" "5", "1e", "1e+", "1e\u2212", "E5", ",E5", "5 E3", "1e2,5"});
    for (const std::string a : {"+", "-", "\u2212"}) {
        for (const std::string b : {"+", "-", "\u2212"}) lehnt_ab(deutsch, {a + b + "5", "1e" + a + b + "1", a + "5" + b});
    }
    // Beyond the double range; nothing else that strtod or a spreadsheet takes.
    lehnt_ab(deutsch, {"1E400", "-1,8E308", "inf", "nan", "0x10", "5\u20AC", "5%", "(5)", "\u0665", "\uFF15"});
    lehnt_ab(deutsch, {"5\0"sv, "\0" "5"sv, "\xFF" "5", "5\xC2", "\xE2\x80" "5"});
    // Each format its own separators only.
    lehnt_ab(schweiz, {"2,5", "1\u2019" "50"}), lehnt_ab(usa, {"2,5", "1,5", "1.500,5"}), lehnt_ab(frankreich, {"2.5"});
    lehnt_ab(schweiz_schreibmaschine, {"2,5", "1'50", "1\u2019" "50"});
    lehnt_ab(ohne_gruppen, {"1.500"}), lehnt_ab(arabisch, {"1.5"});
}

// A double written by hand the way a user might: grouped by the format's
// separator or a space, or not; fixed or with an exponent (e or E); either
// minus; blanks around.
std::string schreiben(double wert, const Zahlformat& format, std::mt19937_64& zufall) {
    char puffer[400];
    const auto art = zufall() % 2 ? std::chars_format::scientific : std::chars_format::fixed;
    const std::string_view roh(puffer, std::to_chars(puffer, puffer + sizeof puffer, std::fabs(wert), art).ptr);
    const std::string_view ganz = roh.substr(0, std::min(roh.find('.'), roh.find('e')));

    std::string text(zufall() % 3, ' ');
    if (std::signbit(wert)) text += zufall() % 2 ? "-" : "\u2212";
    else if (zufall() % 2) text += '+';
    constexpr std::string_view leerzeichen[] = {" ", "\u00A0", "\u202F"};
    const std::string_view trenner = zufall() % 3 ? std::string_view(format.gruppentrenner) : leerzeichen[zufall() % 3];
    const bool gruppieren = zufall() % 2;
    for (std::size_t i = 0; i < ganz.size(); ++i) {
        if (gruppieren && i > 0 && (ganz.size() - i) % 3 == 0) text += trenner;
        text += ganz[i];
    }
    for (const char c : roh.substr(ganz.size())) {
        text += c == '.' ? std::string_view(format.dezimaltrenner) : c == 'e' && zufall() % 2 ? "E" : std::string_view(&c, 1);
    }
    return text.append(zufall() % 3, '\t');
}

TEST(ZahlLesen, ZufallszahlenKommenUnveraendertZurueck) {
    std::mt19937_64 zufall(20261206);
    std::uniform_real_distribution<double> ueblich(-100.0, 12'000.0);
    for (const Zahlformat* format : {&deutsch, &schweiz, &schweiz_schreibmaschine, &usa, &frankreich}) {
        for (int i = 0; i < 20'000; ++i) {
            // Half any bit pattern, half what users type.
            double wert = ueblich(zufall);
            while (i % 2 && !std::isfinite(wert = std::bit_cast<double>(zufall()))) {}
            const std::string text = schreiben(wert, *format, zufall);
            liest(*format, text, wert);
            ASSERT_FALSE(HasFailure());
        }
    }
}

}  // namespace
}  // namespace flockenlinie
