// SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
// SPDX-License-Identifier: GPL-3.0-or-later

// Built with the program's flags: runs itself with a planted stack overflow
// and passes where the stack protector ended that run, before the
// overwritten return address was used. Ended by the protector, a process
// exits with STATUS_STACK_BUFFER_OVERRUN (mingw-w64's own protector) or
// with the illegal instruction libssp's stops at; the overwritten return
// address, reached unprotected, is an access violation instead.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

volatile std::size_t ueber = 64;  // bytes beyond the buffer, unknown to the compiler

__attribute__((noinline)) int ueberlaufen(const char* quelle) {
    char puffer[16];
    std::memcpy(puffer, quelle, sizeof puffer + ueber);
    return puffer[1];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    static const char muster[128] = "0123456789abcdef0123456789abcdef0123456789abcdef0123456789abcdef0123456789";
    if (argc > 1) return ueberlaufen(muster);
    std::wstring befehl = L"\"" + std::wstring(argv[0]) + L"\" ueberlauf";
    STARTUPINFOW start{};
    start.cb = sizeof start;
    PROCESS_INFORMATION p{};
    if (!CreateProcessW(nullptr, befehl.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start, &p)) return 2;
    WaitForSingleObject(p.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(p.hProcess, &code);
    std::printf("Überlauf endete mit 0x%08lX\n", static_cast<unsigned long>(code));
    return code == 0xC0000409 || code == STATUS_ILLEGAL_INSTRUCTION ? 0 : 1;
}
