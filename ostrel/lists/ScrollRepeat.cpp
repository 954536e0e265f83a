// Scroll bar presses and their auto-repeat, driven by a thread timer on the list's window whose
// identifier is the owner's address.
#include "ScrollRepeat.h"

namespace {

const UINT kFirstDelay = 400;
const UINT kRepeatDelay = 50;

void CALLBACK RepeatTick(HWND hWnd, UINT, UINT_PTR idEvent, DWORD) {
  CListScrollBar* pBar = reinterpret_cast<CScrollBarOwner*>(idEvent)->GetScrollBar();
  POINT pt;
  ::GetCursorPos(&pt);
  ::ScreenToClient(hWnd, &pt);
  const bool bHeld = (::GetKeyState(VK_LBUTTON) & 0x8000) != 0;
  if (!bHeld || pBar == NULL || !pBar->HitTest(pt.x, pt.y) || pBar->EndZoneAt(pt.x, pt.y) == 0) {
    ::KillTimer(hWnd, idEvent);
    return;
  }
  ::SetTimer(hWnd, idEvent, kRepeatDelay, RepeatTick);
  pBar->OnPress(MK_LBUTTON, pt.x, pt.y);
}

}  // namespace

void PressScrollBar(CScrollBarOwner& owner, UINT nFlags, int x, int y) {
  CListScrollBar* pBar = owner.GetScrollBar();
  CWnd* pWnd = owner.GetOwnerWnd();
  if (pBar == NULL) return;
  pBar->OnPress(nFlags, x, y);
  if (pBar->EndZoneAt(x, y) != 0 && pWnd != NULL && pWnd->m_hWnd != NULL)
    ::SetTimer(pWnd->m_hWnd, reinterpret_cast<UINT_PTR>(&owner), kFirstDelay, RepeatTick);
}

void StopScrollRepeat(CScrollBarOwner& owner) {
  CWnd* pWnd = owner.GetOwnerWnd();
  if (pWnd != NULL && pWnd->m_hWnd != NULL) ::KillTimer(pWnd->m_hWnd, reinterpret_cast<UINT_PTR>(&owner));
}
