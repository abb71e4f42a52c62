// The Win32 window driven as a user drives it: typing, Tab, Alt+E, Space,
// Enter, the message box, the user's regional settings, closing.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "anordnung.hpp"
#include "druecke.hpp"
#include "formate.hpp"
#include "frm_flockenlinie.hpp"
#include "utf.hpp"

namespace flockenlinie {
namespace {

std::wstring text_von(HWND h) {
    std::array<wchar_t, 512> t{};
    return {t.data(), static_cast<std::size_t>(GetWindowTextW(h, t.data(), static_cast<int>(t.size())))};
}
std::wstring w(const char* utf8) { return utf16(utf8); }

// A message box as the user saw it, and how the window stood meanwhile.
struct Meldung {
    std::wstring titel, text;
    bool stopp = false;
    std::vector<int> knoepfe;
    std::wstring txt_temperatur, txt_geo, lbl_ergebnis;
};

class Fenster : public testing::Test {
public:
    void SetUp() override {
        selbst = this;
        haken = SetWindowsHookExW(WH_CBT, beim_aktivieren, nullptr, GetCurrentThreadId());
        live = SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr, beim_ereignis,
                               GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
        fenster = std::make_unique<FrmFlockenlinie>(SW_SHOW);
        pumpen();
    }
    void TearDown() override {
        fenster.reset();
        UnhookWindowsHookEx(haken);
        UnhookWinEvent(live);
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {}  // the window's WM_QUIT
    }

    HWND h(const char* name) const { return GetDlgItem(fenster->fenster(), kennung(layout::eintrag(name))); }
    std::wstring text(const char* name) const { return text_von(h(name)); }
    void pumpen() const {
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) fenster->verteilen(m);
    }
    void taste(UINT vk, bool umschalt = false) const {
        BYTE tasten[256];
        GetKeyboardState(tasten);
        tasten[VK_SHIFT] = umschalt ? 0x80 : 0;
        SetKeyboardState(tasten);
        PostMessageW(GetFocus(), WM_KEYDOWN, vk, 1);
        PostMessageW(GetFocus(), WM_KEYUP, vk, 0xC0000001);
        pumpen();
        tasten[VK_SHIFT] = 0;
        SetKeyboardState(tasten);
    }
    void alt_e() const {
        PostMessageW(GetFocus(), WM_SYSCHAR, L'e', 1 << 29);
        pumpen();
    }
    // Into the box, everything selected, then typed over.
    void tippen(const char* name, const std::wstring& t) const {
        SetFocus(h(name));
        SendMessageW(h(name), EM_SETSEL, 0, -1);
        PostMessageW(h(name), WM_CHAR, VK_BACK, 1);
        for (const wchar_t c : t) PostMessageW(h(name), WM_CHAR, c, 1);
        pumpen();
    }
    void rechnen(const char* temperatur, const char* geo) const {
        tippen("txt_temperatur", w(temperatur));
        tippen("txt_geo", w(geo));
        alt_e();
    }

    // A message box is read and closed with Enter as it comes up.
    static LRESULT CALLBACK beim_aktivieren(int code, WPARAM w, LPARAM l) {
        const HWND box = reinterpret_cast<HWND>(w);
        std::array<wchar_t, 16> klasse{};
        GetClassNameW(box, klasse.data(), static_cast<int>(klasse.size()));
        if (code == HCBT_ACTIVATE && std::wstring(klasse.data()) == L"#32770") selbst->lesen(box);
        return CallNextHookEx(nullptr, code, w, l);
    }
    void lesen(HWND box) {
        Meldung m;
        m.titel = text_von(box);
        for (HWND k = GetWindow(box, GW_CHILD); k; k = GetWindow(k, GW_HWNDNEXT)) {
            std::array<wchar_t, 16> klasse{};
            GetClassNameW(k, klasse.data(), static_cast<int>(klasse.size()));
            if (!(GetWindowLongW(k, GWL_STYLE) & WS_VISIBLE)) continue;
            if (std::wstring(klasse.data()) == L"Button") m.knoepfe.push_back(GetDlgCtrlID(k));
            if ((GetWindowLongW(k, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
                m.stopp = reinterpret_cast<HICON>(SendMessageW(k, STM_GETICON, 0, 0)) == LoadIconW(nullptr, IDI_HAND);
            } else if (std::wstring(klasse.data()) == L"Static" && GetWindowTextLengthW(k) > 0) {
                m.text = text_von(k);
            }
        }
        m.txt_temperatur = text("txt_temperatur");
        m.txt_geo = text("txt_geo");
        m.lbl_ergebnis = text("lbl_ergebnis");
        meldungen.push_back(m);
        PostMessageW(box, WM_KEYDOWN, VK_RETURN, 1);
    }
    static void CALLBACK beim_ereignis(HWINEVENTHOOK, DWORD, HWND quelle, LONG, LONG, DWORD, DWORD) {
        if (quelle == selbst->h("lbl_ergebnis")) ++selbst->ereignisse;
    }

    static inline Fenster* selbst = nullptr;
    HHOOK haken = nullptr;
    HWINEVENTHOOK live = nullptr;
    std::unique_ptr<FrmFlockenlinie> fenster;
    std::vector<Meldung> meldungen;
    int ereignisse = 0;  // live-region changes of the result
};

// Where every control but the result stands, and what captions and button say.
std::vector<std::wstring> beschriftungen(const Fenster& f) {
    std::vector<std::wstring> r;
    for (const auto& s : layout::steuerelemente) {
        if (std::string_view(s.name) == "lbl_ergebnis") continue;
        RECT q;
        GetWindowRect(f.h(s.name), &q);
        r.push_back(std::to_wstring(q.left) + L"," + std::to_wstring(q.top) + L"," + std::to_wstring(q.right) + L"," +
                    std::to_wstring(q.bottom) + L" " + (s.klasse == layout::Klasse::TextBox ? L"" : f.text(s.name)));
    }
    return r;
}

// ---- The command, for each outcome, after a first good press -------------

class FensterBefehl : public Fenster, public testing::WithParamInterface<test::Druck> {};

TEST_P(FensterBefehl, AendertNurWasDerAusgangNennt) {
    const test::Druck& d = GetParam();
    rechnen("2,5", "1500");
    ASSERT_EQ(text("lbl_ergebnis"), L"1575");
    ASSERT_TRUE(meldungen.empty());
    ereignisse = 0;
    tippen("txt_temperatur", w(d.temperatur));
    tippen("txt_geo", w(d.geo));
    const auto vorher = beschriftungen(*this);
    alt_e();

    if (d.meldung) {
        ASSERT_EQ(meldungen.size(), 1u);
        const Meldung& m = meldungen[0];
        EXPECT_EQ(m.titel, L"Achtung!");
        EXPECT_EQ(m.text, w(d.meldung));
        EXPECT_TRUE(m.stopp) << "the critical-stop icon";
        EXPECT_EQ(m.knoepfe, std::vector<int>{IDOK});
        // The box is emptied only after the message has been read.
        EXPECT_EQ(m.txt_temperatur, w(d.temperatur));
        EXPECT_EQ(m.txt_geo, w(d.geo));
        EXPECT_EQ(m.lbl_ergebnis, L"1575");
    } else {
        EXPECT_TRUE(meldungen.empty());
    }
    EXPECT_EQ(text("txt_temperatur"), w(d.txt_temperatur));
    EXPECT_EQ(text("txt_geo"), w(d.txt_geo));
    EXPECT_EQ(text("lbl_ergebnis"), w(d.lbl_ergebnis));
    EXPECT_EQ(fenster->felder().str_temperatur, w(d.str_temperatur));
    EXPECT_EQ(fenster->felder().str_geo, w(d.str_geo));
    EXPECT_EQ(fenster->felder().var_ergebnis, d.var_ergebnis);
    EXPECT_EQ(ereignisse, std::string(d.lbl_ergebnis) != "1575") << "a screen reader hears each new result";
    EXPECT_EQ(beschriftungen(*this), vorher) << "captions and controls stay";
    EXPECT_EQ(GetFocus(), h("txt_geo")) << "the command never moves the focus";
}

INSTANTIATE_TEST_SUITE_P(Ausgaenge, FensterBefehl, testing::ValuesIn(test::druecke));

// Texts cross into the calculation unchanged; a lone surrogate is no number.
TEST_F(Fenster, TexteOhneVerlust) {
    tippen("txt_temperatur", L"\u22127,9");
    tippen("txt_geo", L"1.500,3");
    alt_e();
    EXPECT_EQ(text("lbl_ergebnis"), L"15,3");
    tippen("txt_temperatur", std::wstring(L"2") + wchar_t(0xD800));
    alt_e();
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].text, w(test::keine_zahl));
    EXPECT_EQ(fenster->felder().str_temperatur, L"\u22127,9");
    // No length limit: more than the 32767 characters an edit control takes by default.
    const std::wstring lang(33'000, L'1');
    SendMessageW(h("txt_geo"), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(lang.c_str()));
    EXPECT_GE(GetWindowTextLengthW(h("txt_geo")), 33'000);
}

TEST(Utf, HinUndZurueckOhneVerlustEinzelneSurrogateSindKeineZeichen) {
    for (const std::wstring t : {L"", L"a", L"\u00E4", L"\u20AC", L"\U0001F328", L"\u22127,9", L"1\u2019500.3",
                                 L"1\u202F500,3", L"\uFFFD\uFFFF", L"x\U0010FFFFy"}) {
        EXPECT_EQ(utf16(utf8(t)), t);
    }
    for (const std::wstring t : {L"\xD800", L"\xDC00", L"\xD800" L"a", L"a\xDFFF", L"\xDC00\xD800", L"1\xDBFF"}) {
        const std::wstring zurueck = utf16(utf8(t));
        EXPECT_EQ(zurueck.size(), t.size());
        EXPECT_NE(zurueck.find(L'\uFFFD'), std::wstring::npos);
        EXPECT_EQ(std::ranges::count_if(zurueck, [](wchar_t c) { return c >= 0xD800 && c < 0xE000; }), 0);
    }
}

// A level too long for the window is shortened in the middle, whole in its tooltip.
TEST_F(Fenster, LangesErgebnisGekuerztMitTooltip) {
    rechnen("2", "1E-40");
    const std::wstring ganz = L"0," + std::wstring(39, L'0') + L"1";
    const std::wstring gezeigt = text("lbl_ergebnis");
    EXPECT_NE(gezeigt.find(L'\u2026'), std::wstring::npos) << "shortened: " << utf8(gezeigt);
    EXPECT_EQ(gezeigt.substr(0, 4), L"0,00");
    EXPECT_EQ(gezeigt.back(), L'1');
    std::array<wchar_t, 80> tipp{};
    TOOLINFOW werkzeug{};
    werkzeug.cbSize = sizeof werkzeug;
    werkzeug.hwnd = fenster->fenster();
    werkzeug.uId = reinterpret_cast<UINT_PTR>(h("lbl_ergebnis"));
    werkzeug.lpszText = tipp.data();
    HWND tt = nullptr;
    do tt = FindWindowExW(nullptr, tt, TOOLTIPS_CLASSW, nullptr);
    while (tt && GetWindow(tt, GW_OWNER) != fenster->fenster());
    SendMessageW(tt, TTM_GETTEXTW, tipp.size(), reinterpret_cast<LPARAM>(&werkzeug));
    EXPECT_EQ(std::wstring(tipp.data()), ganz);
    RECT r;
    GetWindowRect(h("lbl_ergebnis"), &r);
    MapWindowPoints(nullptr, fenster->fenster(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_LE(r.right, layout::rechter_rand * GetDpiForWindow(fenster->fenster()) / 1440.0 * fenster->faktor());
}

// ---- Layout at every pixel density -----------------------------------

class FensterDpi : public Fenster, public testing::WithParamInterface<UINT> {};

TEST_P(FensterDpi, TabelleInPixeln) {
    const UINT dpi = GetParam();
    RECT vorschlag{10, 20, 30, 40};
    SendMessageW(fenster->fenster(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&vorschlag));
    const double k = dpi / 1440.0 * fenster->faktor();
    EXPECT_EQ(fenster->faktor(), 1.0) << "the system's font fits the table as drawn";
    RECT innen;
    GetClientRect(fenster->fenster(), &innen);
    EXPECT_EQ(innen.right, layout::fenster_breite_pixel(k));
    EXPECT_EQ(innen.bottom, layout::fenster_hoehe_pixel(k));
    for (const auto& s : layout::steuerelemente) {
        RECT r;
        GetWindowRect(h(s.name), &r);
        MapWindowPoints(nullptr, fenster->fenster(), reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ((layout::Rechteck{r.left, r.top, r.right - r.left, r.bottom - r.top}), layout::in_pixel(s, k)) << s.name;
    }
    LOGFONTW ueberschrift{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(h("lbl_oben"), WM_GETFONT, 0, 0)), sizeof ueberschrift, &ueberschrift);
    EXPECT_EQ(ueberschrift.lfHeight, -MulDiv(12, static_cast<int>(dpi), 72)) << "12 pt at every density";
}

INSTANTIATE_TEST_SUITE_P(Dichten, FensterDpi, testing::Values(96u, 144u, 192u));

// A system font too large for the table: the window grows uniformly until
// every caption fits, and nothing overlaps.
TEST_F(Fenster, GrosseSchriftVergroessertGleichmaessig) {
    NONCLIENTMETRICSW alt{};
    alt.cbSize = sizeof alt;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof alt, &alt, 0);
    NONCLIENTMETRICSW gross = alt;
    gross.lfMessageFont.lfHeight = 3 * alt.lfMessageFont.lfHeight;
    SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof gross, &gross, 0);
    SendMessageW(fenster->fenster(), WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);  // as Windows tells every window
    const double faktor = fenster->faktor();
    SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof alt, &alt, 0);
    EXPECT_GT(faktor, 2.0);
    const double k = GetDpiForWindow(fenster->fenster()) / 1440.0 * faktor;
    for (const auto& s : layout::steuerelemente) {
        if (*s.text == '\0' || s.klasse != layout::Klasse::Label) continue;
        HDC dc = GetDC(h(s.name));
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(h(s.name), WM_GETFONT, 0, 0)));
        SIZE g;
        GetTextExtentPoint32W(dc, w(s.text).c_str(), static_cast<int>(w(s.text).size()), &g);
        ReleaseDC(h(s.name), dc);
        EXPECT_LE(g.cx, layout::in_pixel(s, k).breite) << s.name;
    }
}

// A screen reader names each box by the caption before it.
TEST_F(Fenster, KaestenHeissenWieIhreBeschriftung) {
    for (const auto& [box, beschriftung] : {std::pair{"txt_temperatur", "lbl_temperatur"}, {"txt_geo", "lbl_geo"}}) {
        EXPECT_EQ(GetWindow(h(box), GW_HWNDPREV), h(beschriftung));
        IAccessible* a = nullptr;
        ASSERT_EQ(AccessibleObjectFromWindow(h(box), OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&a)), S_OK);
        VARIANT selbst{};
        selbst.vt = VT_I4;
        BSTR name = nullptr;
        a->get_accName(selbst, &name);
        EXPECT_EQ(std::wstring(name ? name : L""), text(beschriftung)) << box;
        SysFreeString(name);
        a->Release();
    }
}

// ---- Keys and focus -----------------------------------------------------

TEST_F(Fenster, FokusUndTabReihenfolge) {
    EXPECT_EQ(GetFocus(), h("txt_temperatur"));
    for (const char* naechstes : {"txt_geo", "cmd_berechnen", "txt_temperatur"}) {
        taste(VK_TAB);
        EXPECT_EQ(GetFocus(), h(naechstes)) << naechstes;
    }
    for (const char* voriges : {"cmd_berechnen", "txt_geo"}) {
        taste(VK_TAB, true);
        EXPECT_EQ(GetFocus(), h(voriges)) << voriges;
    }
    // Back in the window, the focus is where it was.
    const HWND anderes = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr,
                                         nullptr, nullptr);
    SetActiveWindow(anderes);
    pumpen();
    EXPECT_NE(GetFocus(), h("txt_geo"));
    SetActiveWindow(fenster->fenster());
    pumpen();
    EXPECT_EQ(GetFocus(), h("txt_geo"));
    DestroyWindow(anderes);
}

struct Taste {
    const char* was;
    std::function<void(Fenster&)> druecken;
    bool rechnet;
};

class FensterTasten : public Fenster, public testing::WithParamInterface<Taste> {};

TEST_P(FensterTasten, DrueckenOderNicht) {
    tippen("txt_temperatur", L"2,5");
    tippen("txt_geo", L"1500");
    GetParam().druecken(*this);
    EXPECT_EQ(text("lbl_ergebnis"), GetParam().rechnet ? L"1575" : L"") << GetParam().was;
    EXPECT_TRUE(meldungen.empty());
}

INSTANTIATE_TEST_SUITE_P(Tasten, FensterTasten, testing::Values(
    Taste{"Alt+E im Textfeld", [](Fenster& f) { f.alt_e(); }, true},
    Taste{"Leertaste auf dem Knopf", [](Fenster& f) { f.taste(VK_TAB); f.taste(VK_SPACE); }, true},
    Taste{"Enter auf dem Knopf", [](Fenster& f) { f.taste(VK_TAB); f.taste(VK_RETURN); }, true},
    Taste{"Enter im Textfeld", [](Fenster& f) { f.taste(VK_RETURN); }, false},
    Taste{"Enter im Textfeld nach dem Knopf", [](Fenster& f) { f.taste(VK_TAB); f.taste(VK_TAB); f.taste(VK_RETURN); }, false},
    Taste{"Escape im Textfeld", [](Fenster& f) { f.taste(VK_ESCAPE); }, false},
    Taste{"Tippen allein", [](Fenster&) {}, false}));

// ---- Closing ends the program with status 0 --------------------------------

class FensterSchliessen : public Fenster, public testing::WithParamInterface<std::array<UINT, 3>> {};

TEST_P(FensterSchliessen, EndetMitNull) {
    tippen("txt_temperatur", L"5");  // never calculated
    const auto [nachricht, w, l] = GetParam();
    PostMessageW(nachricht == WM_SYSKEYDOWN ? GetFocus() : fenster->fenster(), nachricht, w, l);
    EXPECT_EQ(fenster->ausfuehren(), 0);
    EXPECT_EQ(fenster->fenster(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Wege, FensterSchliessen, testing::Values(
    std::array<UINT, 3>{WM_CLOSE, 0, 0},                          // the close box
    std::array<UINT, 3>{WM_SYSCOMMAND, SC_CLOSE, 0},              // the system menu
    std::array<UINT, 3>{WM_SYSKEYDOWN, VK_F4, 1u << 29}));        // Alt+F4

// ---- The user's regional settings (one process per locale) -------------------

const test::Schreibweise& dieses_gebiet() {
    std::array<wchar_t, LOCALE_NAME_MAX_LENGTH> name{};
    GetUserDefaultLocaleName(name.data(), static_cast<int>(name.size()));
    for (const auto& s : test::schreibweisen) if (utf16(s.gebiet) == name.data()) return s;
    ADD_FAILURE() << "no row for " << utf8(name.data());
    return test::schreibweisen[0];
}

using Gebietsschema = Fenster;

TEST_F(Gebietsschema, DesNutzers) {
    const test::Schreibweise& s = dieses_gebiet();
    rechnen(s.temperatur, s.geo);
    EXPECT_EQ(text("lbl_ergebnis"), w(s.ergebnis)) << s.gebiet;
    EXPECT_TRUE(meldungen.empty());
}

// The user sets another decimal separator in the regional settings; Windows
// writes it to the registry and tells every window.
TEST_F(Gebietsschema, EigenesDezimalzeichen) {
    const test::Schreibweise& s = dieses_gebiet();
    const std::wstring alt = utf16(s.format.dezimaltrenner);
    ASSERT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, L"\u00B7"));
    std::array<wchar_t, 8> wert{};
    DWORD groesse = sizeof wert;
    RegGetValueW(HKEY_CURRENT_USER, L"Control Panel\\International", L"sDecimal", RRF_RT_REG_SZ, nullptr, wert.data(),
                 &groesse);
    EXPECT_EQ(std::wstring(wert.data()), L"\u00B7");
    SendMessageW(fenster->fenster(), WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"intl"));
    rechnen("-7\u00B79", "1500\u00B73");
    SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, alt.c_str());
    EXPECT_EQ(text("lbl_ergebnis"), L"15\u00B73");
}

}  // namespace
}  // namespace flockenlinie

namespace flockenlinie {
namespace {

// ---- The shipped program: starts with its window, ends with status 0 -------

BOOL CALLBACK fenster_des_prozesses(HWND h, LPARAM l) {
    auto* gesucht = reinterpret_cast<std::pair<DWORD, HWND>*>(l);
    DWORD prozess = 0;
    GetWindowThreadProcessId(h, &prozess);
    if (prozess == gesucht->first && IsWindowVisible(h)) gesucht->second = h;
    return gesucht->second == nullptr;
}

TEST(Programm, StartetMitFensterUndEndetMitNull) {
    std::array<wchar_t, MAX_PATH> pfad{};
    GetModuleFileNameW(nullptr, pfad.data(), static_cast<DWORD>(pfad.size()));
    std::wstring exe(pfad.data());
    exe = exe.substr(0, exe.find_last_of(L"\\/")) + L"\\..\\ui\\win32\\flockenlinie.exe";
    STARTUPINFOW start{};
    start.cb = sizeof start;
    const HMODULE datei = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    for (const auto* art : {RT_GROUP_ICON, RT_VERSION, RT_MANIFEST}) {
        EXPECT_NE(FindResourceW(datei, MAKEINTRESOURCEW(1), art), nullptr) << "resource type " << reinterpret_cast<INT_PTR>(art);
    }
    FreeLibrary(datei);
    PROCESS_INFORMATION p{};
    ASSERT_TRUE(CreateProcessW(exe.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start, &p));
    std::pair<DWORD, HWND> gesucht{p.dwProcessId, nullptr};
    for (int i = 0; i < 200 && !gesucht.second; ++i, Sleep(50)) EnumWindows(fenster_des_prozesses, reinterpret_cast<LPARAM>(&gesucht));
    const HWND fenster = gesucht.second;
    ASSERT_NE(fenster, nullptr);
    EXPECT_EQ(text_von(fenster), L"Flockenlinie");
    EXPECT_EQ(GetWindowLongW(fenster, GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0) << "fixed size";
    GUITHREADINFO faden{};
    faden.cbSize = sizeof faden;
    GetGUIThreadInfo(p.dwThreadId, &faden);
    EXPECT_EQ(GetDlgCtrlID(faden.hwndFocus), kennung(layout::eintrag("txt_temperatur")));
    EXPECT_EQ(GetAwarenessFromDpiAwarenessContext(GetWindowDpiAwarenessContext(fenster)), DPI_AWARENESS_PER_MONITOR_AWARE);
    PostMessageW(fenster, WM_CLOSE, 0, 0);
    ASSERT_EQ(WaitForSingleObject(p.hProcess, 10000), WAIT_OBJECT_0);
    DWORD status = 1;
    GetExitCodeProcess(p.hProcess, &status);
    EXPECT_EQ(status, 0u);
    CloseHandle(p.hThread);
    CloseHandle(p.hProcess);
}

}  // namespace
}  // namespace flockenlinie
