// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frm_flockenlinie.hpp"

#include <commctrl.h>
#include <initguid.h>
#include <oleacc.h>
#include <windowsx.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <cwchar>
#include <cwctype>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "anordnung.hpp"
#include "befehl.hpp"
#include "dpi.hpp"
#include "texte.hpp"
#include "utf.hpp"

// Screen readers announce a live region's changes without the focus moving.
DEFINE_GUID(LiveSetting_Property_GUID, 0xc12bcd8e, 0x2a8e, 0x4950, 0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb);

namespace flockenlinie {

namespace {

constexpr wchar_t klassenname[] = L"frm_flockenlinie";
// Fixed size: a caption, the system menu, minimise and close, no resizing.
constexpr DWORD fensterstil = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// Windows takes the order of creation for the z-order: the order a screen
// reader reads in, naming each box by the label just before it, and the
// order the Tab key follows. So first the labels that caption nothing the
// Tab key reaches, from top to bottom; then the boxes and the button by
// their tab index, each right after its caption.
std::vector<const layout::Steuerelement*> erstellreihenfolge() {
    using layout::Klasse, layout::steuerelemente;
    const auto im_tab = [](const layout::Steuerelement& s) { return s.klasse != Klasse::Label; };
    std::vector<const layout::Steuerelement*> kette, r;
    for (const auto& s : steuerelemente) {
        if (im_tab(s)) kette.push_back(&s);
        if (!im_tab(s) && (s.fuer == layout::keines || !im_tab(steuerelemente[s.fuer]))) r.push_back(&s);
    }
    std::ranges::sort(kette, {}, &layout::Steuerelement::tabindex);
    std::ranges::stable_sort(r, {}, &layout::Steuerelement::oben);
    for (const auto* k : kette) {
        const auto b = std::ranges::find(steuerelemente, layout::name_von(*k), &layout::Steuerelement::fuer);
        if (b != steuerelemente.end()) r.push_back(&*b);
        r.push_back(k);
    }
    return r;
}

std::wstring fenstertext(HWND h) {
    std::wstring t(static_cast<std::size_t>(GetWindowTextLengthW(h)) + 1, L'\0');
    t.resize(static_cast<std::size_t>(GetWindowTextW(h, t.data(), static_cast<int>(t.size()))));
    return t;
}

bool ohne_auswahl(HWND box) {
    DWORD von = 0, bis = 0;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&von), reinterpret_cast<LPARAM>(&bis));
    return von == bis;
}

std::string gebietsschema(LCTYPE was) {
    std::array<wchar_t, 16> puffer{};
    const int n = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, was, puffer.data(), static_cast<int>(puffer.size()));
    return utf8({puffer.data(), n > 0 ? static_cast<std::size_t>(n - 1) : 0});
}

// Whether the face comes in a bold of its own.
bool mit_fett(const wchar_t* name) {
    LOGFONTW gesucht{};
    gesucht.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(gesucht.lfFaceName, name, LF_FACESIZE - 1);
    bool fett = false;
    const HDC dc = GetDC(nullptr);
    EnumFontFamiliesExW(dc, &gesucht, [](const LOGFONTW* f, const TEXTMETRICW*, DWORD, LPARAM l) {
        *reinterpret_cast<bool*>(l) |= f->lfWeight >= FW_BOLD;
        return 1;
    }, reinterpret_cast<LPARAM>(&fett), 0);
    ReleaseDC(nullptr, dc);
    return fett;
}

// The heading's face is a bitmap font, sharp only at 96 dpi; above that its
// TrueType successor. The bitmap face comes in no bold of its own as Windows
// and Wine ship it, and its bold made up by drawing each stroke twice a pixel
// apart reads as regular: so it is taken only where it has a bold, else the
// successor, whose bold Windows thickens by its outlines.
HFONT ueberschrift_schrift(UINT dpi) {
    return CreateFontW(-MulDiv(12, static_cast<int>(dpi), 72), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                       dpi <= 96 && mit_fett(L"MS Sans Serif") ? L"MS Sans Serif" : L"Microsoft Sans Serif");
}

// The text's size in the control's font, or in `schrift` where given.
SIZE textgroesse(HWND h, const std::wstring& text, UINT format, HFONT schrift = nullptr) {
    HDC dc = GetDC(h);
    const HGDIOBJ alt = SelectObject(dc, schrift ? schrift : reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0)));
    RECT r{};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, format | DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc, alt);
    ReleaseDC(h, dc);
    return {r.right, r.bottom};
}

}  // namespace

FrmFlockenlinie::FrmFlockenlinie(int anzeigen, void (*geschlossen)()) : geschlossen_(geschlossen) {
    const HINSTANCE instanz = GetModuleHandleW(nullptr);
    WNDCLASSEXW klasse{};
    if (!GetClassInfoExW(instanz, klassenname, &klasse)) {
        klasse = {};
        klasse.cbSize = sizeof klasse;
        klasse.lpfnWndProc = prozedur;
        klasse.cbWndExtra = DLGWINDOWEXTRA;  // the dialog manager's keys and focus
        klasse.hInstance = instanz;
        klasse.hIcon = LoadIconW(instanz, MAKEINTRESOURCEW(1));
        klasse.hIconSm = static_cast<HICON>(LoadImageW(instanz, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                       GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
        klasse.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        klasse.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        klasse.lpszClassName = klassenname;
        if (!RegisterClassExW(&klasse)) return;  // not bereit()
    }
    const INITCOMMONCONTROLSEX cc{sizeof cc, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&cc);

    const std::wstring titel = utf16(texte::fenster_titel);
    CreateWindowExW(0, klassenname, titel.c_str(), fensterstil, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, nullptr, nullptr, instanz, this);
    // Out of window handles or memory, a window with controls missing would
    // be laid out and shown broken; the destructor ends what was made.
    if (!frm_flockenlinie || !anlegen()) return;
    format_lesen();
    anordnen(dpi::von(frm_flockenlinie), nullptr);
    ShowWindow(frm_flockenlinie, anzeigen);
    SetFocus(txt_temperatur);
    bereit_ = true;
}

FrmFlockenlinie::~FrmFlockenlinie() {
    if (frm_flockenlinie) DestroyWindow(frm_flockenlinie);
    if (vorleser) vorleser->Release();
    DeleteObject(ueberschrift);
    DeleteObject(schrift);
}

void FrmFlockenlinie::verteilen(MSG& m) {
    // Alt+E presses the button and leaves the focus where the user types; the
    // dialog manager would click the button, focus and all.
    constexpr wint_t zugriffstaste = layout::zugriffstaste(layout::steuerelemente[layout::cmd_berechnen]);
    if (m.message == WM_SYSCHAR && frm_flockenlinie && towlower(static_cast<wint_t>(m.wParam)) == zugriffstaste &&
        (m.hwnd == frm_flockenlinie || IsChild(frm_flockenlinie, m.hwnd))) {
        SendMessageW(frm_flockenlinie, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(cmd_berechnen), BN_CLICKED),
                     reinterpret_cast<LPARAM>(cmd_berechnen));
        return;
    }
    // Ctrl+C copies the result, which never takes the focus, wherever the
    // focus has nothing of its own to copy: on the button, or in a box with
    // nothing selected.
    if (m.message == WM_KEYDOWN && m.wParam == 'C' && GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0 &&
        (m.hwnd == cmd_berechnen || ((m.hwnd == txt_temperatur || m.hwnd == txt_geo) && ohne_auswahl(m.hwnd))) &&
        kopieren()) {
        return;
    }
    if (frm_flockenlinie && IsDialogMessageW(frm_flockenlinie, &m)) return;
    TranslateMessage(&m);
    DispatchMessageW(&m);
}

// One control for each row of the table, with its class and text; false
// where Windows could not create one of them.
bool FrmFlockenlinie::anlegen() {
    const HINSTANCE instanz = GetModuleHandleW(nullptr);
    for (const layout::Steuerelement* s : erstellreihenfolge()) {
        const bool ergebnis = layout::name_von(*s) == layout::lbl_ergebnis;
        const wchar_t* klasse = L"STATIC";
        DWORD stil = WS_CHILD | WS_VISIBLE;
        DWORD exstil = 0;
        switch (s->klasse) {
            case layout::Klasse::Label:
                stil |= SS_CENTERIMAGE | SS_NOPREFIX;
                stil |= ergebnis ? SS_OWNERDRAW | SS_NOTIFY : SS_LEFTNOWORDWRAP;
                exstil = ergebnis ? WS_EX_STATICEDGE : 0;  // reads as an output field
                break;
            case layout::Klasse::TextBox:
                klasse = L"EDIT";
                stil |= WS_TABSTOP | ES_AUTOHSCROLL;
                exstil = WS_EX_CLIENTEDGE;
                break;
            case layout::Klasse::CommandButton:
                // Neither default nor cancel button: Enter and Escape in a box
                // do not press it.
                klasse = L"BUTTON";
                stil |= WS_TABSTOP | BS_PUSHBUTTON;
                break;
        }
        if (!CreateWindowExW(exstil, klasse, utf16(s->text).c_str(), stil, 0, 0, 0, 0, frm_flockenlinie,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(kennung(*s))), instanz, nullptr)) {
            return false;
        }
    }
    lbl_oben = element(layout::lbl_oben);
    txt_temperatur = element(layout::txt_temperatur);
    txt_geo = element(layout::txt_geo);
    cmd_berechnen = element(layout::cmd_berechnen);
    lbl_ergebnis = element(layout::lbl_ergebnis);

    for (HWND box : {txt_temperatur, txt_geo}) SendMessageW(box, EM_SETLIMITTEXT, 0, 0);  // no length limit

    tipp = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0,
                           0, frm_flockenlinie, nullptr, instanz, nullptr);
    if (!tipp) return false;
    TOOLINFOW werkzeug = werkzeug_ergebnis();
    werkzeug.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    SendMessageW(tipp, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&werkzeug));

    if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                   reinterpret_cast<void**>(&vorleser)))) {
        VARIANT hoeflich{};
        hoeflich.vt = VT_I4;
        hoeflich.lVal = 1;  // polite: after what the reader is saying
        vorleser->SetHwndProp(lbl_ergebnis, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, LiveSetting_Property_GUID,
                              hoeflich);
    }
    return true;
}

HWND FrmFlockenlinie::element(layout::Name n) const {
    return GetDlgItem(frm_flockenlinie, kennung(layout::steuerelemente[n]));
}

// The heading's and the other controls' fonts at a pixel density.
FrmFlockenlinie::Schriften FrmFlockenlinie::schriften(UINT dpi) {
    NONCLIENTMETRICSW metriken = dpi::metriken(dpi);
    return {ueberschrift_schrift(dpi), CreateFontIndirectW(&metriken.lfMessageFont)};
}

// The table's layout at a pixel density, enlarged uniformly by the smallest
// factor that lets every caption, the heading and the button text fit the
// system's font at that density; and the window's outer size for it.
FrmFlockenlinie::Mass FrmFlockenlinie::messen(UINT dpi, const Schriften& f) const {
    const double k = dpi / 1440.0;
    const int knopfrand = 2 * (dpi::systemmass(SM_CXEDGE, dpi) + MulDiv(3, static_cast<int>(dpi), 96));
    const double faktor = layout::vergroesserung(k, [&](const layout::Steuerelement& s) {
        const HWND h = GetDlgItem(frm_flockenlinie, kennung(s));
        const bool knopf = s.klasse == layout::Klasse::CommandButton;
        const SIZE noetig =
            textgroesse(h, utf16(s.text), knopf ? 0 : DT_NOPREFIX, h == lbl_oben ? f.ueberschrift : f.schrift);
        return layout::Groesse{noetig.cx + (knopf ? knopfrand : 0), noetig.cy + (knopf ? knopfrand : 0)};
    });
    const RECT innen{0, 0, layout::fenster_breite_pixel(k * faktor), layout::fenster_hoehe_pixel(k * faktor)};
    return {faktor, innen, dpi::rahmen_um(innen, fensterstil, 0, dpi)};
}

// The layout at the window's pixel density; where Windows moves the window
// to another density, in the rectangle it suggests, which is the size
// WM_GETDPISCALEDSIZE told it.
void FrmFlockenlinie::anordnen(UINT dpi, const RECT* vorschlag) {
    dpi = layout::dpi_oder_standard(dpi);
    dpi_ = dpi;
    const Schriften alt{ueberschrift, schrift};
    const Schriften neu = schriften(dpi);
    ueberschrift = neu.ueberschrift;
    schrift = neu.schrift;
    const Mass mass = messen(dpi, neu);
    faktor_ = mass.faktor;
    for (const auto& s : layout::steuerelemente) {
        const HWND h = GetDlgItem(frm_flockenlinie, kennung(s));
        SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(h == lbl_oben ? ueberschrift : schrift), FALSE);
        const auto r = layout::in_pixel(s, dpi / 1440.0 * faktor_);
        MoveWindow(h, r.links, r.oben, r.breite, r.hoehe, FALSE);
    }
    const RECT& innen = mass.innen;
    const RECT aussen = vorschlag ? *vorschlag : mass.aussen;
    SetWindowPos(frm_flockenlinie, nullptr, aussen.left, aussen.top, aussen.right - aussen.left,
                 aussen.bottom - aussen.top, SWP_NOZORDER | SWP_NOACTIVATE | (vorschlag ? 0 : SWP_NOMOVE));
    // Where the frame is not drawn at this density after all, or Windows
    // before 10 1703 scaled the old size in step with the density, the
    // client area keeps its size and the frame gives way.
    RECT ist;
    GetClientRect(frm_flockenlinie, &ist);
    if (ist.right != innen.right || ist.bottom != innen.bottom) {
        SetWindowPos(frm_flockenlinie, nullptr, 0, 0, aussen.right - aussen.left + innen.right - ist.right,
                     aussen.bottom - aussen.top + innen.bottom - ist.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ergebnis_einpassen();
    InvalidateRect(frm_flockenlinie, nullptr, TRUE);
    alt.loeschen();
}

// The result's tooltip.
TOOLINFOW FrmFlockenlinie::werkzeug_ergebnis() {
    TOOLINFOW werkzeug{};
    werkzeug.cbSize = sizeof werkzeug;
    werkzeug.hwnd = frm_flockenlinie;
    werkzeug.uId = reinterpret_cast<UINT_PTR>(lbl_ergebnis);
    werkzeug.lpszText = tipptext_.data();
    return werkzeug;
}

int FrmFlockenlinie::innenrand() const { return MulDiv(3, static_cast<int>(dpi_), 96); }

void FrmFlockenlinie::format_lesen() { format_ = {gebietsschema(LOCALE_SDECIMAL), gebietsschema(LOCALE_STHOUSAND)}; }

// The result fitted to the window: where it is drawn shortened, the whole
// number is in its tooltip and in its text, which screen readers read as its
// name.
void FrmFlockenlinie::ergebnis_einpassen() {
    const int rahmen = 2 * (dpi::systemmass(SM_CXEDGE, dpi_) + innenrand());
    const auto feld = layout::ergebnis_einpassen(utf8(ergebnis_), dpi_ / 1440.0 * faktor_, [&](std::string_view t) {
        return textgroesse(lbl_ergebnis, utf16(t), DT_NOPREFIX).cx + rahmen;
    });
    gezeigt_ = utf16(feld.gezeigt);
    SetWindowTextW(lbl_ergebnis, ergebnis_.c_str());
    InvalidateRect(lbl_ergebnis, nullptr, TRUE);
    tipptext_ = feld.gekuerzt ? ergebnis_ : std::wstring();
    TOOLINFOW werkzeug = werkzeug_ergebnis();
    SendMessageW(tipp, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&werkzeug));
    SetWindowPos(lbl_ergebnis, nullptr, 0, 0, feld.breite, feld.hoehe, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FrmFlockenlinie::ergebnis_zeigen(const std::string& text) {
    ergebnis_ = utf16(text);
    ergebnis_einpassen();
    if (!text.empty()) NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, lbl_ergebnis, OBJID_CLIENT, CHILDID_SELF);
}

void FrmFlockenlinie::melden(std::string_view text) {
    MessageBoxW(frm_flockenlinie, utf16(text).c_str(), utf16(texte::meldung_titel).c_str(), MB_OK | MB_ICONSTOP);
}

void FrmFlockenlinie::leeren(Ziel box) { SetWindowTextW(box == Ziel::txt_temperatur ? txt_temperatur : txt_geo, L""); }

// The result's context menu where it was right-clicked: "Kopieren", greyed
// while there is no result.
void FrmFlockenlinie::ergebnis_menue(LPARAM wo) {
    POINT p{GET_X_LPARAM(wo), GET_Y_LPARAM(wo)};
    if (wo == -1) {  // from the keyboard: below the result
        RECT r;
        GetWindowRect(lbl_ergebnis, &r);
        p = {r.left, r.bottom};
    }
    const HMENU menue = CreatePopupMenu();
    AppendMenuW(menue, MF_STRING | (ergebnis_.empty() ? MF_GRAYED : 0), 1, utf16(texte::kopieren).c_str());
    if (TrackPopupMenu(menue, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, p.x, p.y, 0, frm_flockenlinie,
                       nullptr) == 1) {
        kopieren();
    }
    DestroyMenu(menue);
}

// The whole number as Unicode text, also where it is drawn shortened. What
// was on the clipboard stays there until the copy is ready to take its
// place; the copy's memory is the clipboard's once it took it, else freed.
FrmFlockenlinie::Kopie FrmFlockenlinie::ergebnis_kopieren() const {
    if (ergebnis_.empty()) return Kopie::kein_ergebnis;
    if (!OpenClipboard(frm_flockenlinie)) return Kopie::belegt;
    const std::size_t bytes = (ergebnis_.size() + 1) * sizeof(wchar_t);
    const HGLOBAL daten = GlobalAlloc(GMEM_MOVEABLE, bytes);
    Kopie k = Kopie::kein_speicher;
    if (void* const ziel = daten ? GlobalLock(daten) : nullptr) {
        std::memcpy(ziel, ergebnis_.c_str(), bytes);
        GlobalUnlock(daten);
        k = EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, daten) ? Kopie::erledigt : Kopie::abgelehnt;
    }
    if (k != Kopie::erledigt && daten) GlobalFree(daten);
    CloseClipboard();
    return k;
}

// Copies from the menu or the keyboard: false where there is no result; a
// warning sound where Windows took no copy.
bool FrmFlockenlinie::kopieren() const {
    const Kopie k = ergebnis_kopieren();
    if (k != Kopie::erledigt && k != Kopie::kein_ergebnis) MessageBeep(MB_ICONWARNING);
    return k != Kopie::kein_ergebnis;
}

LRESULT CALLBACK FrmFlockenlinie::prozedur(HWND fenster, UINT nachricht, WPARAM w, LPARAM l) {
    if (nachricht == WM_NCCREATE) {
        auto* selbst = static_cast<FrmFlockenlinie*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
        selbst->frm_flockenlinie = fenster;
        SetWindowLongPtrW(fenster, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(selbst));
    }
    auto* selbst = reinterpret_cast<FrmFlockenlinie*>(GetWindowLongPtrW(fenster, GWLP_USERDATA));
    if (nachricht == WM_NCDESTROY && selbst) {
        selbst->frm_flockenlinie = nullptr;
        SetWindowLongPtrW(fenster, GWLP_USERDATA, 0);
    }
    return selbst && selbst->frm_flockenlinie ? selbst->behandeln(nachricht, w, l)
                                              : DefDlgProcW(fenster, nachricht, w, l);
}

LRESULT FrmFlockenlinie::behandeln(UINT nachricht, WPARAM w, LPARAM l) {
    switch (nachricht) {
        case WM_COMMAND:
            // Only the button calculates. Enter and Escape in a box reach the
            // window as IDOK and IDCANCEL, which it has no control for.
            if (HIWORD(w) == BN_CLICKED && reinterpret_cast<HWND>(l) == cmd_berechnen && cmd_berechnen) {
                berechnen(utf8(fenstertext(txt_temperatur)), utf8(fenstertext(txt_geo)), format_);
            }
            return 0;
        case WM_DRAWITEM: {
            // The result on the window's background, a little off its edges.
            const auto* z = reinterpret_cast<const DRAWITEMSTRUCT*>(l);
            if (z->hwndItem != lbl_ergebnis) break;
            FillRect(z->hDC, &z->rcItem, GetSysColorBrush(COLOR_WINDOW));
            RECT r = z->rcItem;
            InflateRect(&r, -innenrand(), 0);
            const HGDIOBJ alt = SelectObject(z->hDC, schrift);
            SetBkMode(z->hDC, TRANSPARENT);
            SetTextColor(z->hDC, GetSysColor(COLOR_WINDOWTEXT));
            DrawTextW(z->hDC, gezeigt_.c_str(), static_cast<int>(gezeigt_.size()), &r,
                      DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
            SelectObject(z->hDC, alt);
            return TRUE;
        }
        case WM_CONTEXTMENU:
            if (reinterpret_cast<HWND>(w) != lbl_ergebnis) break;
            ergebnis_menue(l);
            return 0;
        case WM_GETDPISCALEDSIZE: {
            // The font-fitted size does not grow in step with the density:
            // Windows asks before it moves the window to another one.
            const UINT dpi = layout::dpi_oder_standard(static_cast<UINT>(w));
            const Schriften f = schriften(dpi);
            const RECT aussen = messen(dpi, f).aussen;
            f.loeschen();
            *reinterpret_cast<SIZE*>(l) = {aussen.right - aussen.left, aussen.bottom - aussen.top};
            return TRUE;
        }
        case WM_DPICHANGED:
            anordnen(HIWORD(w), reinterpret_cast<const RECT*>(l));
            return 0;
        case WM_SETTINGCHANGE:
            // The user changed the number format, or the system's fonts.
            if (l && std::wstring_view(reinterpret_cast<const wchar_t*>(l)) == L"intl") format_lesen();
            if (w == SPI_SETNONCLIENTMETRICS && lbl_ergebnis) anordnen(dpi_, nullptr);
            break;
        case WM_CLOSE:
            // No question, nothing to save.
            DestroyWindow(frm_flockenlinie);
            return 0;
        case WM_DESTROY:
            if (vorleser) vorleser->ClearHwndProps(lbl_ergebnis, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                                   &LiveSetting_Property_GUID, 1);
            if (geschlossen_) geschlossen_();
            return 0;
    }
    return DefDlgProcW(frm_flockenlinie, nachricht, w, l);
}

}  // namespace flockenlinie
