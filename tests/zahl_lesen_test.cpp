#include "zahl_lesen.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

#include "formate.hpp"

namespace flockenlinie {
namespace {

using test::deutsch;
using test::frankreich;
using test::schweiz;
using test::usa;

struct Angenommen {
    std::string text;
    const Zahlformat* format;
    double wert;
};

void PrintTo(const Angenommen& a, std::ostream* os) { *os << '"' << a.text << '"'; }

class ZahlLesenAngenommen : public testing::TestWithParam<Angenommen> {};

TEST_P(ZahlLesenAngenommen, LiestDenWert) {
    const auto& [text, format, wert] = GetParam();
    const auto gelesen = zahl_lesen(text, *format);
    ASSERT_TRUE(gelesen.has_value()) << '"' << text << '"';
    // Bit for bit, so that the sign of zero counts too.
    EXPECT_EQ(std::bit_cast<std::uint64_t>(*gelesen), std::bit_cast<std::uint64_t>(wert)) << '"' << text << '"';
}

INSTANTIATE_TEST_SUITE_P(Deutsch, ZahlLesenAngenommen, testing::Values(
    Angenommen{",5", &deutsch, 0.5},
    Angenommen{"5,", &deutsch, 5},
    Angenommen{"0,1", &deutsch, 0.1},
    Angenommen{"1.500,5", &deutsch, 1500.5},
    Angenommen{"12.345.678,9", &deutsch, 12345678.9},
    // Spaces group in every format, as DIN 5008 writes large numbers.
    Angenommen{"1 500", &deutsch, 1500},
    Angenommen{"12\u00A0345\u202F678,9", &deutsch, 12345678.9},
    Angenommen{"0.500", &deutsch, 500},
    Angenommen{"1.500,", &deutsch, 1500},
    Angenommen{"\u22128", &deutsch, -8},
    Angenommen{"-0", &deutsch, -0.0},
    Angenommen{"\t12\u00A0", &deutsch, 12},
    Angenommen{"\u202F-3\t \u00A0", &deutsch, -3},
    Angenommen{"1,5E3", &deutsch, 1500},
    Angenommen{"2e\u22124", &deutsch, 2e-4},
    Angenommen{"5,e1", &deutsch, 50},
    Angenommen{"1,7976931348623157E308", &deutsch, DBL_MAX},
    Angenommen{"4,9E-324", &deutsch, 4.9406564584124654e-324},
    Angenommen{"1E-400", &deutsch, 0.0},
    Angenommen{"-1E-400", &deutsch, -0.0},
    Angenommen{"0E999999999999999999999", &deutsch, 0.0},
    Angenommen{"0,000001E-99999999999999", &deutsch, 0.0}));

INSTANTIATE_TEST_SUITE_P(Schweiz, ZahlLesenAngenommen, testing::Values(
    Angenommen{"1\u2019500.25", &schweiz, 1500.25},
    Angenommen{"1'500", &schweiz, 1500},
    Angenommen{"1'234\u2019567", &schweiz, 1234567},
    Angenommen{"1 500", &schweiz, 1500}));

INSTANTIATE_TEST_SUITE_P(Usa, ZahlLesenAngenommen, testing::Values(
    Angenommen{"1,500.5", &usa, 1500.5},
    Angenommen{"-1,000,000", &usa, -1e6},
    Angenommen{".5e1", &usa, 5},
    Angenommen{"-1\u202F500.5", &usa, -1500.5}));

INSTANTIATE_TEST_SUITE_P(Frankreich, ZahlLesenAngenommen, testing::Values(
    Angenommen{"1\u202F500,3", &frankreich, 1500.3},
    Angenommen{"1 500", &frankreich, 1500},
    Angenommen{"1\u00A0500\u202F000", &frankreich, 1.5e6},
    Angenommen{" 1 500 ", &frankreich, 1500}));

struct Abgelehnt {
    std::string text;
    const Zahlformat* format;
};

void PrintTo(const Abgelehnt& a, std::ostream* os) { *os << '"' << a.text << '"'; }

class ZahlLesenAbgelehnt : public testing::TestWithParam<Abgelehnt> {};

TEST_P(ZahlLesenAbgelehnt, IstKeineZahl) {
    const auto& [text, format] = GetParam();
    EXPECT_FALSE(zahl_lesen(text, *format).has_value()) << '"' << text << '"';
}

INSTANTIATE_TEST_SUITE_P(Deutsch, ZahlLesenAbgelehnt, testing::Values(
    Abgelehnt{"", &deutsch},
    Abgelehnt{" ", &deutsch},
    Abgelehnt{",", &deutsch},
    Abgelehnt{"-", &deutsch},
    Abgelehnt{"+,", &deutsch},
    Abgelehnt{"abc", &deutsch},
    Abgelehnt{"5a", &deutsch},
    // Grouping only in whole groups of three, and only before the separator.
    Abgelehnt{"1.5", &deutsch},
    Abgelehnt{"15.00", &deutsch},
    Abgelehnt{"1.50.000", &deutsch},
    Abgelehnt{"1234.567", &deutsch},
    Abgelehnt{"1.5000", &deutsch},
    Abgelehnt{".500", &deutsch},
    Abgelehnt{"1..000", &deutsch},
    Abgelehnt{"1.000.", &deutsch},
    Abgelehnt{"1,500.000", &deutsch},
    Abgelehnt{"1 50", &deutsch},
    Abgelehnt{"1\u00A05000", &deutsch},
    Abgelehnt{"1,5,5", &deutsch},
    // Signs: one, directly before the digits.
    Abgelehnt{"- 5", &deutsch},
    Abgelehnt{"--5", &deutsch},
    Abgelehnt{"+-5", &deutsch},
    Abgelehnt{"5-", &deutsch},
    Abgelehnt{"\u2013" "5", &deutsch},
    // Exponents need digits, and no blank before them.
    Abgelehnt{"1e", &deutsch},
    Abgelehnt{"1e+", &deutsch},
    Abgelehnt{"E5", &deutsch},
    Abgelehnt{",E5", &deutsch},
    Abgelehnt{"5 E3", &deutsch},
    Abgelehnt{"1e2,5", &deutsch},
    Abgelehnt{"1E400", &deutsch},
    Abgelehnt{"-1,8E308", &deutsch},
    // Nothing else that strtod or a spreadsheet might take.
    Abgelehnt{"inf", &deutsch},
    Abgelehnt{"nan", &deutsch},
    Abgelehnt{"0x10", &deutsch},
    Abgelehnt{"5\u20AC", &deutsch},
    Abgelehnt{"5%", &deutsch},
    Abgelehnt{"(5)", &deutsch},
    Abgelehnt{"\u0665", &deutsch},
    Abgelehnt{"\uFF15", &deutsch},
    Abgelehnt{std::string("5\0", 2), &deutsch},
    Abgelehnt{std::string("\0" "5", 2), &deutsch},
    Abgelehnt{"\xFF" "5", &deutsch},
    Abgelehnt{"5\xC2", &deutsch},
    Abgelehnt{"\xE2\x80" "5", &deutsch}));

INSTANTIATE_TEST_SUITE_P(Andere, ZahlLesenAbgelehnt, testing::Values(
    Abgelehnt{"2,5", &schweiz},
    Abgelehnt{"1\u2019" "50", &schweiz},
    Abgelehnt{"2,5", &usa},
    Abgelehnt{"1,5", &usa},
    Abgelehnt{"1.500,5", &usa},
    Abgelehnt{"2.5", &frankreich},
    Abgelehnt{"1 50", &frankreich},
    Abgelehnt{"1 5000", &frankreich},
    Abgelehnt{"1\t500", &frankreich}));

TEST(ZahlLesen, FormatOhneGruppentrennerKenntKeineGruppen) {
    const Zahlformat ohne{",", ""};
    EXPECT_EQ(zahl_lesen("1500,5", ohne), 1500.5);
    EXPECT_FALSE(zahl_lesen("1.500", ohne));
    EXPECT_EQ(zahl_lesen("1 500,5", ohne), 1500.5) << "spaces group in every format";
}

TEST(ZahlLesen, MehrbyteDezimaltrenner) {
    const Zahlformat arabisch{"\u066B", "\u066C"};
    EXPECT_EQ(zahl_lesen("1\u066C500\u066B5", arabisch), 1500.5);
    EXPECT_FALSE(zahl_lesen("1.5", arabisch));
}

// Pasted megabytes: judged whole, and on both sides of the stack buffer.
TEST(ZahlLesen, LangeTexte) {
    const std::string million(1'000'000, '1');
    EXPECT_FALSE(zahl_lesen(million, deutsch)) << "10^1000000 is beyond the double range";
    EXPECT_FALSE(zahl_lesen(million + "x", deutsch));
    EXPECT_EQ(zahl_lesen("0," + std::string(1'000'000, '0') + "1", deutsch), 0.0);
    EXPECT_EQ(zahl_lesen("1" + std::string(300, '0'), deutsch), 1e300);
    EXPECT_EQ(zahl_lesen("0," + std::string(300, '0') + "1E301", deutsch), 1.0);
    EXPECT_EQ(zahl_lesen(std::string(500'000, ' ') + "7" + std::string(500'000, '\t'), deutsch), 7.0);
}

// Random doubles of every magnitude, written by hand in each format the way a
// user might (grouped by the format's separator or a space, or not, fixed or
// exponent, any minus, blanks around), read back to the same double.
std::string schreiben(double wert, const Zahlformat& format, std::mt19937_64& zufall) {
    const bool wissenschaftlich = zufall() % 2 == 0;
    char puffer[400];
    const auto ende = std::to_chars(puffer, puffer + sizeof puffer, std::fabs(wert),
                                    wissenschaftlich ? std::chars_format::scientific : std::chars_format::fixed)
                          .ptr;
    const std::string_view roh(puffer, ende - puffer);
    const auto punkt = std::min(roh.find('.'), roh.find('e'));
    const std::string_view ganz = roh.substr(0, punkt);

    std::string text(zufall() % 3, ' ');
    if (std::signbit(wert)) text += zufall() % 2 ? "-" : "\u2212";
    else if (zufall() % 2) text += '+';
    constexpr std::string_view leerzeichen[] = {" ", "\u00A0", "\u202F"};
    const std::string_view trenner = zufall() % 3 ? std::string_view(format.gruppentrenner) : leerzeichen[zufall() % 3];
    const bool gruppieren = !trenner.empty() && zufall() % 2;
    for (std::size_t i = 0; i < ganz.size(); ++i) {
        if (gruppieren && i > 0 && (ganz.size() - i) % 3 == 0) text += trenner;
        text += ganz[i];
    }
    for (const char c : roh.substr(ganz.size())) {
        if (c == '.') text += format.dezimaltrenner;
        else text += c;
    }
    text.append(zufall() % 3, '\t');
    return text;
}

TEST(ZahlLesen, ZufallszahlenKommenUnveraendertZurueck) {
    std::mt19937_64 zufall(20261206);
    for (const Zahlformat* format : {&deutsch, &schweiz, &usa, &frankreich}) {
        std::uniform_real_distribution<double> ueblich(-100.0, 12'000.0);
        for (int i = 0; i < 20'000; ++i) {
            // Half any bit pattern, half what users type.
            double wert = ueblich(zufall);
            if (i % 2) {
                do wert = std::bit_cast<double>(zufall()); while (!std::isfinite(wert));
            }
            const std::string text = schreiben(wert, *format, zufall);
            const auto gelesen = zahl_lesen(text, *format);
            ASSERT_TRUE(gelesen) << text;
            ASSERT_EQ(std::bit_cast<std::uint64_t>(*gelesen), std::bit_cast<std::uint64_t>(wert)) << text;
        }
    }
}

}  // namespace
}  // namespace flockenlinie
