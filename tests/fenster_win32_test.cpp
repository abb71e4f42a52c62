// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

// The Win32 window driven as a user drives it: typing, Tab, Alt+E, Space,
// Enter, the message box, what a screen reader is told, pixel densities and
// the user's regional settings.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <oleacc.h>

#include <array>
#include <string>
#include <string_view>
#include <thread>
#include <tuple>

#include "fenster_pruefungen.hpp"
#include "frm_flockenlinie.hpp"
#include "utf.hpp"

namespace flockenlinie {
namespace {

using test::Taste;

std::wstring text_von(HWND h) {
    std::array<wchar_t, 512> t{};
    return {t.data(), static_cast<std::size_t>(GetWindowTextW(h, t.data(), static_cast<int>(t.size())))};
}
std::string klasse_von(HWND h) {
    std::array<char, 16> k{};
    return {k.data(), static_cast<std::size_t>(GetClassNameA(h, k.data(), static_cast<int>(k.size())))};
}

// A setting of the user's session as a test found it, put back on every way
// out of the test, a failed assertion included.
template <typename T, typename Setzen>
struct WieGefunden {
    T alt;
    Setzen setzen;
    ~WieGefunden() { setzen(alt); }
};

class Win32Bedienung : public test::Bedienung {
public:
    Win32Bedienung() {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);  // as the program's start does
        selbst = this;
        haken = SetWindowsHookExW(WH_CBT, beim_aktivieren, nullptr, GetCurrentThreadId());
        live = SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr, beim_ereignis,
                               GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
        fenster = std::make_unique<FrmFlockenlinie>(SW_SHOW);
        pumpen();
    }
    ~Win32Bedienung() override {
        fenster.reset();
        UnhookWindowsHookEx(haken);
        UnhookWinEvent(live);
        CoUninitialize();
    }

    HWND h(const char* name) const {
        for (const auto& s : layout::steuerelemente) {
            if (std::string_view(s.name) == name) return GetDlgItem(fenster->fenster(), kennung(s));
        }
        return nullptr;
    }
    void pumpen() const {
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) fenster->verteilen(m);
    }
    void tippen_w(const char* name, const std::wstring& t) const {
        SetFocus(h(name));
        SendMessageW(h(name), EM_SETSEL, 0, -1);
        PostMessageW(h(name), WM_CHAR, VK_BACK, 1);
        for (const wchar_t c : t) PostMessageW(h(name), WM_CHAR, c, 1);
        pumpen();
    }
    void tippen(const char* name, const std::string& t) override { tippen_w(name, utf16(t)); }
    // Alt+E as the keyboard sends it; the other keys down and up at the focus.
    void taste(Taste t) override {
        if (t == Taste::alt_e) {
            PostMessageW(GetFocus(), WM_SYSCHAR, L'e', 1 << 29);
            return pumpen();
        }
        const UINT vk = std::array<UINT, 5>{VK_TAB, VK_TAB, VK_SPACE, VK_RETURN, VK_ESCAPE}[static_cast<int>(t)];
        BYTE tasten[256];
        GetKeyboardState(tasten);
        tasten[VK_SHIFT] = t == Taste::umschalt_tab ? 0x80 : 0;
        SetKeyboardState(tasten);
        PostMessageW(GetFocus(), WM_KEYDOWN, vk, 1);
        PostMessageW(GetFocus(), WM_KEYUP, vk, 0xC0000001);
        pumpen();
        tasten[VK_SHIFT] = 0;
        SetKeyboardState(tasten);
    }
    // As shown: the result as its window draws it, into a metafile.
    std::string text(const char* name) override {
        if (std::string_view(name) != "lbl_ergebnis") return utf8(text_von(h(name)));
        const HDC aufnahme = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
        DRAWITEMSTRUCT z{ODT_STATIC, 0, 0, ODA_DRAWENTIRE, 0, h(name), aufnahme, {}, 0};
        GetClientRect(h(name), &z.rcItem);
        SendMessageW(fenster->fenster(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&z));
        const HENHMETAFILE bild = CloseEnhMetaFile(z.hDC);
        std::wstring t;
        EnumEnhMetaFile(nullptr, bild, [](HDC, HANDLETABLE*, const ENHMETARECORD* e, int, LPARAM l) {
            if (e->iType != EMR_EXTTEXTOUTW) return 1;  // other records are shorter
            const auto& a = reinterpret_cast<const EMREXTTEXTOUTW*>(e)->emrtext;
            const auto* zeichen = reinterpret_cast<const wchar_t*>(reinterpret_cast<const char*>(e) + a.offString);
            reinterpret_cast<std::wstring*>(l)->append(zeichen, a.nChars);
            return 1;
        }, &t, nullptr);
        DeleteEnhMetaFile(bild);
        return utf8(t);
    }
    std::string tipp(const char* name) override {
        std::array<wchar_t, 80> t{};
        TOOLINFOW werkzeug{sizeof(TOOLINFOW), 0, fenster->fenster(), reinterpret_cast<UINT_PTR>(h(name)), {}, nullptr,
                           t.data(), 0, nullptr};
        HWND tt = nullptr;
        do tt = FindWindowExW(nullptr, tt, TOOLTIPS_CLASSW, nullptr);
        while (tt && GetWindow(tt, GW_OWNER) != fenster->fenster());
        SendMessageW(tt, TTM_GETTEXTW, t.size(), reinterpret_cast<LPARAM>(&werkzeug));
        return utf8(t.data());
    }
    std::string fokus() override {
        for (const auto& s : layout::steuerelemente) if (h(s.name) == GetFocus()) return s.name;
        return "";
    }
    test::Rechteck lage(const char* name) override {
        RECT r;
        GetWindowRect(h(name), &r);
        MapWindowPoints(nullptr, fenster->fenster(), reinterpret_cast<POINT*>(&r), 2);
        return {r.left, r.top, r.right, r.bottom};
    }
    test::Rechteck innen() override {
        RECT r;
        return GetClientRect(fenster->fenster(), &r), test::Rechteck{r.left, r.top, r.right, r.bottom};
    }
    bool passt(const char* name) override {
        HDC dc = GetDC(h(name));
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(h(name), WM_GETFONT, 0, 0)));
        SIZE g;
        const std::wstring t = utf16(text(name));
        GetTextExtentPoint32W(dc, t.c_str(), static_cast<int>(t.size()), &g);
        ReleaseDC(h(name), dc);
        const test::Rechteck r = lage(name);
        return g.cx <= r[2] - r[0] && g.cy <= r[3] - r[1];
    }
    std::optional<int> ansagen() override { return ereignisse; }
    // The clipboard's text after a right-click on the result and "Kopieren"
    // by its access key (Escape for a menu still open), or after Ctrl+C at
    // the focus.
    std::wstring kopiert(bool menue) {
        OpenClipboard(nullptr), EmptyClipboard(), CloseClipboard();
        BYTE tasten[256];
        GetKeyboardState(tasten);
        tasten[VK_CONTROL] = menue ? 0 : 0x80;
        SetKeyboardState(tasten);
        if (menue) {
            PostMessageW(GetFocus(), WM_CHAR, L'k', 1);
            PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
            SendMessageW(h("lbl_ergebnis"), WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
        } else {
            PostMessageW(GetFocus(), WM_KEYDOWN, 'C', 1);
        }
        pumpen();
        tasten[VK_CONTROL] = 0;
        SetKeyboardState(tasten);
        std::wstring t;
        OpenClipboard(nullptr);
        if (const HANDLE daten = GetClipboardData(CF_UNICODETEXT)) {
            t = static_cast<const wchar_t*>(GlobalLock(daten));
            GlobalUnlock(daten);
        }
        CloseClipboard();
        return t;
    }

    // A message box is read and closed with Enter as it comes up.
    static LRESULT CALLBACK beim_aktivieren(int code, WPARAM w, LPARAM l) {
        if (code == HCBT_ACTIVATE && klasse_von(reinterpret_cast<HWND>(w)) == "#32770") selbst->lesen(reinterpret_cast<HWND>(w));
        return CallNextHookEx(nullptr, code, w, l);
    }
    void lesen(HWND box) {
        std::string text;
        std::vector<int> knoepfe;
        bool stopp = false;
        for (HWND k = GetWindow(box, GW_CHILD); k; k = GetWindow(k, GW_HWNDNEXT)) {
            if (!(GetWindowLongW(k, GWL_STYLE) & WS_VISIBLE)) continue;
            if (klasse_von(k) == "Button") knoepfe.push_back(GetDlgCtrlID(k));
            if ((GetWindowLongW(k, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
                stopp = reinterpret_cast<HICON>(SendMessageW(k, STM_GETICON, 0, 0)) == LoadIconW(nullptr, IDI_HAND);
            } else if (klasse_von(k) == "Static" && GetWindowTextLengthW(k) > 0) {
                text = utf8(text_von(k));
            }
        }
        meldungen.emplace_back(utf8(text_von(box)), text, stopp && knoepfe == std::vector<int>{IDOK}, drei());
        PostMessageW(box, WM_KEYDOWN, VK_RETURN, 1);
    }
    static void CALLBACK beim_ereignis(HWINEVENTHOOK, DWORD, HWND quelle, LONG, LONG, DWORD, DWORD) {
        if (quelle == selbst->h("lbl_ergebnis")) ++selbst->ereignisse;
    }

    static inline Win32Bedienung* selbst = nullptr;
    HHOOK haken = nullptr;
    HWINEVENTHOOK live = nullptr;
    std::unique_ptr<FrmFlockenlinie> fenster;
    int ereignisse = 0;  // live-region changes of the result
};

// The presses, the keys, the tab chain and a long result as every window
// answers them. A lone surrogate is no number; a pasted text is taken whole.
// Each box comes right after its caption, by which a screen reader names it.
TEST(Fenster, WieJedesFenster) {
    test::tasten_pruefen([] { return std::make_unique<Win32Bedienung>(); });
    Win32Bedienung b;
    test::druecke_pruefen(b);
    test::langes_ergebnis_pruefen(b);
    IAccessible* ergebnis = nullptr;  // as a screen reader reads it, whole also where it is drawn shortened
    ASSERT_EQ(AccessibleObjectFromWindow(b.h("lbl_ergebnis"), OBJID_CLIENT, IID_IAccessible,
                                         reinterpret_cast<void**>(&ergebnis)), S_OK);
    VARIANT selbst{};
    selbst.vt = VT_I4;
    const std::wstring klein = L"0," + std::wstring(39, L'0') + L"1";
    for (const auto& [geo, ganz] : {std::pair<const char*, std::wstring>{"1500", L"1500"}, {"1E-40", klein}}) {
        b.rechnen("2", geo);
        BSTR name = nullptr;
        EXPECT_EQ(ergebnis->get_accName(selbst, &name), S_OK);
        EXPECT_EQ(std::wstring(name ? name : L""), ganz);
        SysFreeString(name);
    }
    ergebnis->Release();
    // Copied whole from the context menu and by Ctrl+C, nothing while there is
    // no result; a box's own selection goes first for Ctrl+C.
    for (const auto& [geo, auswahl, menue, strg_c] : {std::tuple<const char*, bool, std::wstring, std::wstring>
             {"1500", false, L"1500", L"1500"}, {"1E-40", false, klein, klein}, {"1E-40", true, klein, L"1E-40"},
             {"-10", false, L"", L""}}) {
        b.rechnen("2", geo);
        SendMessageW(b.h("txt_geo"), EM_SETSEL, 0, auswahl ? -1 : 0);
        EXPECT_EQ(b.kopiert(true), menue) << geo;
        EXPECT_EQ(b.kopiert(false), strg_c) << geo;
    }
    // The clipboard held open by another program takes no copy, and the
    // window says so; then it does.
    b.rechnen("2", "1500");
    const HANDLE offen = CreateEventW(nullptr, TRUE, FALSE, nullptr), fertig = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    bool anderes_offen = false;
    std::thread anderes([&] {
        anderes_offen = OpenClipboard(nullptr);
        SignalObjectAndWait(offen, fertig, 10'000, FALSE);
        CloseClipboard();
    });
    WaitForSingleObject(offen, 10'000);
    EXPECT_TRUE(anderes_offen);
    EXPECT_EQ(b.fenster->ergebnis_kopieren(), FrmFlockenlinie::Kopie::belegt);
    SetEvent(fertig);
    anderes.join();
    CloseHandle(offen), CloseHandle(fertig);
    EXPECT_EQ(b.fenster->ergebnis_kopieren(), FrmFlockenlinie::Kopie::erledigt);
    b.meldungen.clear();
    b.tippen_w("txt_temperatur", std::wstring(L"2") + wchar_t(0xD800));
    b.taste(Taste::alt_e);
    ASSERT_EQ(b.meldungen.size(), 1u);
    EXPECT_EQ(std::get<1>(b.meldungen[0]), test::keine_zahl);
    const std::wstring lang(33'000, L'1');  // more than an edit control takes unless told
    SendMessageW(b.h("txt_temperatur"), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(lang.c_str()));
    EXPECT_GE(GetWindowTextLengthW(b.h("txt_temperatur")), 33'000);
    EXPECT_EQ(GetWindow(b.h("txt_temperatur"), GW_HWNDPREV), b.h("lbl_temperatur"));
    EXPECT_EQ(GetWindow(b.h("txt_geo"), GW_HWNDPREV), b.h("lbl_geo"));
}

// At each pixel density: the client area, the button and the 12 pt heading
// in pixels; nothing clipped or overlapping. A system font too large for the
// table enlarges the window uniformly until every caption fits.
TEST(Fenster, PixeldichtenUndGrosseSchrift) {
    Win32Bedienung b;
    const HWND w = b.fenster->fenster();
    EXPECT_EQ(GetAwarenessFromDpiAwarenessContext(GetWindowDpiAwarenessContext(w)), DPI_AWARENESS_PER_MONITOR_AWARE);
    EXPECT_EQ(GetWindowLongW(w, GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0) << "fixed size";
    const struct { UINT dpi; test::Rechteck innen, knopf; LONG ueberschrift; } dichten[] = {
        {144, {0, 0, 497, 377}, {228, 276, 350, 326}, -24},
        {192, {0, 0, 662, 502}, {304, 368, 466, 434}, -32},
        {0, {0, 0, 331, 251}, {152, 184, 233, 217}, -16},  // Windows could not tell: 96 dpi
        {96, {0, 0, 331, 251}, {152, 184, 233, 217}, -16},
    };
    for (const auto& [dpi, innen, knopf, ueberschrift] : dichten) {
        SCOPED_TRACE(dpi);
        SIZE g{};  // Windows asks the size first and suggests it
        ASSERT_TRUE(SendMessageW(w, WM_GETDPISCALEDSIZE, dpi, reinterpret_cast<LPARAM>(&g)));
        RECT vorschlag{10, 20, 10 + g.cx, 20 + g.cy};
        SendMessageW(w, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&vorschlag));
        EXPECT_EQ(b.fenster->faktor(), 1.0) << "the system's font fits the table as drawn";
        EXPECT_EQ(b.innen(), innen);
        EXPECT_EQ(b.lage("cmd_berechnen"), knopf);
        LOGFONTW f{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(b.h("lbl_oben"), WM_GETFONT, 0, 0)), sizeof f, &f);
        EXPECT_EQ(f.lfHeight, ueberschrift);
        const HDC dc = GetDC(b.h("lbl_oben"));
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(b.h("lbl_oben"), WM_GETFONT, 0, 0)));
        TEXTMETRICW tm{};
        GetTextMetricsW(dc, &tm);
        ReleaseDC(b.h("lbl_oben"), dc);
        EXPECT_TRUE(tm.tmWeight >= FW_BOLD && tm.tmOverhang == 0) << "a bold of its own, not regular drawn twice";
        test::nichts_verdeckt(b);
    }
    NONCLIENTMETRICSW gross{};
    gross.cbSize = sizeof gross;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof gross, &gross, 0);
    {
        const WieGefunden zurueck{gross, [](auto m) { SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof m, &m, 0); }};
        gross.lfMessageFont.lfHeight *= 3;
        SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof gross, &gross, 0);
        SendMessageW(w, WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);  // as Windows tells every window
    }
    EXPECT_GT(b.fenster->faktor(), 2.0);
    test::nichts_verdeckt(b, false);
}

// ---- The user's regional settings (one process per locale) -------------------

// As the user's locale writes numbers; then the user sets another decimal
// separator in the regional settings, and Windows tells every window.
TEST(Gebietsschema, DesNutzersUndEigenesDezimalzeichen) {
    std::array<wchar_t, LOCALE_NAME_MAX_LENGTH> name{};
    GetUserDefaultLocaleName(name.data(), static_cast<int>(name.size()));
    Win32Bedienung b;
    int zeilen = 0;
    for (const auto& s : test::schreibweisen) {
        if (utf16(s.gebiet) == name.data()) test::schreibweise_pruefen(b, s), ++zeilen;
    }
    ASSERT_GT(zeilen, 0) << "no row for " << utf8(name.data());
    std::array<wchar_t, 8> gefunden{};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, gefunden.data(), static_cast<int>(gefunden.size()));
    const WieGefunden zurueck{gefunden, [](auto t) { SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, t.data()); }};
    ASSERT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, L"\u00B7"));
    SendMessageW(b.fenster->fenster(), WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"intl"));
    b.rechnen("-7\u00B79", "1500\u00B73");
    EXPECT_EQ(b.text("lbl_ergebnis"), "15\u00B73");
}

}  // namespace
}  // namespace flockenlinie
