// XShowMessage: message boxes with texts from string resources.
#include <string>

#include "qsComm.h"
#include "qsComm_res.h"

namespace {

HINSTANCE OwnModule() {
  HMODULE hModule = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&OwnModule), &hModule);
  return hModule;
}

// The text of string nId, or false when the module has no such string.
bool LoadText(HINSTANCE hInst, int nId, std::string* pText) {
  if (nId < 0 || nId > 0xFFFF) return false;
  char szText[1024];
  const int n = LoadStringA(hInst ? hInst : OwnModule(), UINT(nId), szText, sizeof szText);
  if (n <= 0) return false;
  pText->assign(szText, n);
  return true;
}

UINT WithIcon(UINT uStyle) {
  if (uStyle & MB_ICONMASK) return uStyle;
  const UINT uButtons = uStyle & MB_TYPEMASK;
  const bool bQuestion = uButtons == MB_YESNO || uButtons == MB_YESNOCANCEL;
  return uStyle | (bQuestion ? MB_ICONQUESTION : MB_ICONEXCLAMATION);
}

int ShowBox(HWND hOwner, const std::string& text, const char* pszCaption, UINT uStyle) {
  std::string caption;
  if (pszCaption)
    caption = pszCaption;
  else if (!LoadText(nullptr, IDS_QS_CAPTION, &caption))
    caption = "Message";
  if (hOwner && !IsWindow(hOwner)) hOwner = nullptr;
  if (!hOwner && !(uStyle & (MB_SYSTEMMODAL | MB_TASKMODAL))) uStyle |= MB_TASKMODAL;
  return MessageBoxA(hOwner, text.c_str(), caption.c_str(), WithIcon(uStyle) | MB_SETFOREGROUND);
}

}  // namespace

int __cdecl XShowMessage(HINSTANCE hInst, HWND hOwner, int nId, char* pszDetail, char* pszCaption) {
  std::string text;
  if (!LoadText(hInst, nId, &text)) return 0;
  if (pszDetail && *pszDetail) text.append("\n").append(pszDetail);
  return ShowBox(hOwner, text, pszCaption, MB_OK);
}

int __cdecl XShowMessage(HINSTANCE hInst, int nId, HWND hOwner, int /*nReserved*/, UINT uStyle) {
  std::string text;
  if (!LoadText(hInst, nId, &text)) return 0;
  return ShowBox(hOwner, text, nullptr, uStyle);
}
