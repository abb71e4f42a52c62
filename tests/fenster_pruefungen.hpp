// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What every window of the program must do alike, whatever draws it: the
// presses of the button, the keys, the tab chain, the user's number format,
// the layout and a result too long for its field. Each platform's test drives
// its window through a Bedienung.

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "druecke.hpp"
#include "formate.hpp"
#include "layout.hpp"

namespace flockenlinie::test {

enum class Taste { tab, umschalt_tab, leer, enter, escape, alt_e };
using Drei = std::array<std::string, 3>;  // the two boxes and the result as shown
using Rechteck = std::array<int, 4>;  // left, top, right, bottom in the window's pixels

// A message box as the user saw it: title, text, whether it had the
// critical-stop icon and a single OK button; and how the window stood meanwhile.
using Meldung = std::tuple<std::string, std::string, bool, Drei>;

// One open window of the program, driven as a user drives it. Texts are UTF-8.
class Bedienung {
public:
    virtual ~Bedienung() = default;
    virtual void tippen(const char* box, const std::string& text) = 0;  // everything selected, typed over
    virtual void taste(Taste t) = 0;
    virtual std::string text(const char* name) = 0;  // as shown
    virtual std::string tipp(const char* name) = 0;  // its tooltip
    virtual std::string fokus() = 0;                 // the name of the control with the focus
    virtual Rechteck lage(const char* name) = 0;
    virtual Rechteck innen() = 0;              // the window's client area
    virtual bool passt(const char* name) = 0;  // the control's text fits it
    // How often a screen reader was told a new result, where the test hears it.
    virtual std::optional<int> ansagen() { return std::nullopt; }

    Drei drei() { return {text("txt_temperatur"), text("txt_geo"), text("lbl_ergebnis")}; }
    void rechnen(const char* temperatur, const char* geo) {
        tippen("txt_temperatur", temperatur);
        tippen("txt_geo", geo);
        taste(Taste::alt_e);
    }
    std::vector<Meldung> meldungen;
};

// Every German row of druecke, after a good press each time: the message
// first, then the one control it names changed; a screen reader told of each
// result shown, also the same again; the focus stays.
inline void druecke_pruefen(Bedienung& b) {
    for (const Druck& d : druecke) {
        if (d.format != &deutsch) continue;
        SCOPED_TRACE(std::string(d.temperatur) + " | " + d.geo);
        b.rechnen("2,5", "1500");
        b.meldungen.clear();
        ASSERT_EQ(b.drei(), (Drei{"2,5", "1500", "1575"}));
        const std::optional<int> ansagen = b.ansagen();
        b.rechnen(d.temperatur, d.geo);
        // A box is emptied only once its message is closed.
        const Meldung meldung{"Achtung!", d.text, true, {d.temperatur, d.geo, "1575"}};
        EXPECT_EQ(b.meldungen, d.meldung() ? std::vector{meldung} : std::vector<Meldung>{});
        const bool neu = d.ziel == lbl_ergebnis;
        EXPECT_EQ(b.drei(), (Drei{d.ziel == txt_temperatur ? "" : d.temperatur, d.ziel == txt_geo ? "" : d.geo,
                                  neu ? (d.meldung() ? "" : d.text) : "1575"}));
        EXPECT_EQ(b.ansagen().value_or(0) - ansagen.value_or(0), ansagen && neu && !d.meldung()) << "a screen reader hears each result shown";
        EXPECT_EQ(b.fokus(), "txt_geo") << "the command never moves the focus";
    }
}

// After typing into both boxes, what presses the button and what does not;
// the focus starts in the temperature and Tab goes boxes, button, round.
inline void tasten_pruefen(const std::function<std::unique_ptr<Bedienung>()>& oeffnen) {
    using enum Taste;
    const struct { const char* was; std::vector<Taste> tasten; bool rechnet; } faelle[] = {
        {"Alt+E im Textfeld", {alt_e}, true}, {"Leertaste auf dem Knopf", {tab, leer}, true},
        {"Enter auf dem Knopf", {tab, enter}, true}, {"Enter im Textfeld", {enter}, false},
        {"Enter im Textfeld nach dem Knopf", {tab, tab, enter}, false}, {"Escape im Textfeld", {escape}, false},
        {"Tippen allein", {}, false},
    };
    for (const auto& [was, tasten, rechnet] : faelle) {
        SCOPED_TRACE(was);
        const auto b = oeffnen();
        b->tippen("txt_temperatur", "2,5");
        b->tippen("txt_geo", "1500");
        for (const Taste t : tasten) b->taste(t);
        EXPECT_EQ(b->text("lbl_ergebnis"), rechnet ? "1575" : "");
        EXPECT_TRUE(b->meldungen.empty());
    }
    const auto b = oeffnen();
    EXPECT_EQ(b->fokus(), "txt_temperatur");
    for (const auto& [t, ziel] : {std::pair{tab, "txt_geo"}, {tab, "cmd_berechnen"}, {tab, "txt_temperatur"},
                                  {umschalt_tab, "cmd_berechnen"}, {umschalt_tab, "txt_geo"}}) {
        b->taste(t);
        EXPECT_EQ(b->fokus(), ziel);
    }
}

// Every caption, the heading and the button text fit their control, which
// lies on no other and, where the screen has room, in the window.
inline void nichts_verdeckt(Bedienung& b, bool im_fenster = true) {
    const Rechteck i = b.innen();
    for (const auto& s : layout::steuerelemente) {
        const Rechteck r = b.lage(s.name);
        EXPECT_TRUE(!im_fenster || (r[0] >= i[0] && r[1] >= i[1] && r[2] <= i[2] && r[3] <= i[3])) << s.name;
        for (const auto& t : layout::steuerelemente) {
            const Rechteck q = b.lage(t.name);
            EXPECT_TRUE(&s == &t || r[2] <= q[0] || q[2] <= r[0] || r[3] <= q[1] || q[3] <= r[1]) << s.name << " " << t.name;
        }
        EXPECT_TRUE(s.klasse == layout::Klasse::TextBox || !*s.text || b.passt(s.name)) << s.name;
    }
}

// A level too wide for the result grows it as far as the window's right
// margin; a wider one is shortened in the middle, whole in its tooltip, and a
// short one gets the field's own width back.
inline void langes_ergebnis_pruefen(Bedienung& b) {
    b.rechnen("2,5", "1500");
    const int breite = b.lage("lbl_ergebnis")[2];
    const auto am_rand = [&] { return b.lage("lbl_ergebnis")[2] * layout::fenster_breite <= b.innen()[2] * layout::rechter_rand; };
    b.rechnen("-8", "1500,3");
    EXPECT_EQ(b.text("lbl_ergebnis"), "0,299999999999955");
    EXPECT_TRUE(b.passt("lbl_ergebnis") && am_rand());
    b.rechnen("2", "1E-40");
    const std::string gezeigt = b.text("lbl_ergebnis");
    EXPECT_TRUE(gezeigt.starts_with("0,00") && gezeigt.ends_with("1") && gezeigt.find("\u2026") != std::string::npos) << gezeigt;
    EXPECT_EQ(b.tipp("lbl_ergebnis"), "0," + std::string(39, '0') + "1");
    EXPECT_TRUE(b.passt("lbl_ergebnis") && am_rand());
    b.rechnen("2,5", "1500");
    EXPECT_EQ(b.lage("lbl_ergebnis")[2], breite);
}

// One calculation as the users of a locale type and read it.
inline void schreibweise_pruefen(Bedienung& b, const Schreibweise& s) {
    SCOPED_TRACE(s.gebiet);
    b.rechnen(s.temperatur, s.geo);
    EXPECT_EQ(b.text("lbl_ergebnis"), s.ergebnis);
    EXPECT_TRUE(b.meldungen.empty());
}

}  // namespace flockenlinie::test
