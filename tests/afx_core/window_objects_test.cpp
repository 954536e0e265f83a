// Window objects and their handles: the creation hook, temporary and permanent objects, subclassing
// and object lifetime.
#include <gtest/gtest.h>
#include <afxwin.h>
#include "TestApp.h"

using namespace ostrel_test;

namespace {

class CClickWnd : public CWnd {
 public:
  int clicks = 0;

 protected:
  afx_msg void OnLButtonDown(UINT, CPoint) { ++clicks; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CClickWnd, CWnd)
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

HWND MakeStatic(const char* text = "") {
  return CreateWindowExA(0, "STATIC", text, WS_CHILD, 0, 0, 10, 10, MainWnd()->m_hWnd, NULL, NULL, NULL);
}

// The system may make an input-method window inside the call that creates ours, before it.
TEST(CreationHook, PassesOverAnInputMethodWindowMadeFirst) {
  CClickWnd probe;
  AfxHookWindowCreate(&probe);
  HWND hIme = CreateWindowExA(0, "IME", "", WS_POPUP, 0, 0, 1, 1, NULL, NULL, NULL, NULL);
  HWND hWnd = MakeStatic();
  EXPECT_TRUE(AfxUnhookWindowCreate());
  ASSERT_NE((HWND)NULL, hIme);
  EXPECT_EQ(hWnd, probe.m_hWnd);
  EXPECT_EQ((CWnd*)NULL, CWnd::FromHandlePermanent(hIme));
  SendMessageA(hWnd, WM_LBUTTONDOWN, 0, MAKELPARAM(1, 1));
  EXPECT_EQ(1, probe.clicks) << "the created window runs through the object's map";
  DestroyWindow(hIme);
}

TEST(HandleMap, TemporaryAndPermanentObjectsAndSubclassing) {
  HWND hWnd = MakeStatic("plain");
  CWnd* pTemp = CWnd::FromHandle(hWnd);
  ASSERT_NE((CWnd*)NULL, pTemp);
  EXPECT_EQ(pTemp, CWnd::FromHandle(hWnd)) << "one temporary object per handle";
  AfxDeleteTempMaps();
  EXPECT_TRUE(IsWindow(hWnd)) << "a temporary object never destroys its window";
  CWnd permanent, other;
  EXPECT_TRUE(permanent.Attach(hWnd));
  EXPECT_EQ(&permanent, CWnd::FromHandle(hWnd));
  EXPECT_FALSE(other.Attach(hWnd));
  EXPECT_EQ(hWnd, permanent.Detach());

  // Subclassing routes messages through the object; unsubclassing restores the procedure.
  LONG_PTR original = GetWindowLongPtrA(hWnd, GWLP_WNDPROC);
  CClickWnd probe;
  ASSERT_TRUE(probe.SubclassWindow(hWnd));
  SendMessageA(hWnd, WM_LBUTTONDOWN, 0, MAKELPARAM(4, 5));
  SetWindowTextA(hWnd, "still a static");  // unhandled: the static's own procedure answers
  char text[32];
  GetWindowTextA(hWnd, text, sizeof text);
  EXPECT_STREQ("still a static", text);
  EXPECT_EQ(hWnd, probe.UnsubclassWindow());
  EXPECT_EQ(original, GetWindowLongPtrA(hWnd, GWLP_WNDPROC));
  SendMessageA(hWnd, WM_LBUTTONDOWN, 0, 0);
  EXPECT_EQ(1, probe.clicks);
  DestroyWindow(hWnd);
}

struct CSelfDeleting : CWnd {
  bool* pDeleted;
  ~CSelfDeleting() override { *pDeleted = true; }
  void PostNcDestroy() override { delete this; }
};

TEST(Lifetime, PostNcDestroyMayDeleteTheObjectAndTheObjectsEndDestroysItsWindow) {
  bool deleted = false;
  CSelfDeleting* p = new CSelfDeleting;
  p->pDeleted = &deleted;
  const CRect rc(10, 10, 110, 40);
  ASSERT_TRUE(p->CreateEx(0, NULL, "", WS_CHILD, rc, MainWnd(), 1));
  HWND hWnd = p->m_hWnd;
  DestroyWindow(hWnd);
  EXPECT_TRUE(deleted);
  EXPECT_EQ((CWnd*)NULL, CWnd::FromHandlePermanent(hWnd));
  {
    CClickWnd probe;
    ASSERT_TRUE(probe.CreateEx(0, NULL, "", WS_CHILD, rc, MainWnd(), 1));
    hWnd = probe.m_hWnd;
  }
  EXPECT_FALSE(IsWindow(hWnd));
}

}  // namespace
