#include "modal_probe.h"

namespace {

struct Probe {
    std::function<void(HWND)> act;
    DWORD start = 0, timeout = 0;
    bool acted = false, timedOut = false;
};
Probe* g_probe = nullptr;

BOOL CALLBACK FindDialog(HWND hwnd, LPARAM lp)
{
    char cls[16] = {};
    GetClassNameA(hwnd, cls, sizeof(cls));
    if (strcmp(cls, "#32770") == 0 && IsWindowVisible(hwnd)) {
        *reinterpret_cast<HWND*>(lp) = hwnd;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
{
    Probe* p = g_probe;
    if (!p)
        return;
    HWND dlg = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, (LPARAM)&dlg);
    if (dlg && !p->acted) {
        p->acted = true;
        p->act(dlg);
    } else if (GetTickCount() - p->start > p->timeout && !p->timedOut) {
        p->timedOut = true;
        if (dlg)
            PostMessageA(dlg, WM_COMMAND, IDCANCEL, 0);
        PostQuitMessage(0);
    }
}

} // namespace

bool RunModal(const std::function<void()>& call, const std::function<void(HWND)>& act, DWORD timeoutMs)
{
    Probe probe;
    probe.act = act;
    probe.start = GetTickCount();
    probe.timeout = timeoutMs;
    g_probe = &probe;
    UINT_PTR timer = SetTimer(nullptr, 0, 50, Tick);
    call();
    KillTimer(nullptr, timer);
    g_probe = nullptr;
    MSG m;
    PeekMessageA(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    return probe.acted && !probe.timedOut;
}
