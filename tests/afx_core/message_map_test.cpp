// Message maps: handler signatures, inheritance, commands, notifications, reflection, owner draw,
// handle maps, subclassing and object lifetime.
#include <gtest/gtest.h>
#include <afxwin.h>
#include <vector>
#include "RecordingParent.h"
#include "TestApp.h"

using namespace ostrel_test;

namespace {

class CProbeWnd : public CWnd {
 public:
  std::vector<CPoint> clicks;
  UINT flags = 0;
  std::vector<UINT_PTR> timers;
  int customCalls = 0;
  bool refuseCreate = false;

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT cs) {
    if (refuseCreate) return -1;
    return CWnd::OnCreate(cs);
  }
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point) {
    flags = nFlags;
    clicks.push_back(point);
  }
  afx_msg void OnTimer(UINT_PTR id) {
    timers.push_back(id);
    KillTimer(id);
  }
  afx_msg LRESULT OnCustom(WPARAM wParam, LPARAM lParam) {
    ++customCalls;
    return (LRESULT)(wParam + lParam);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbeWnd, CWnd)
ON_WM_CREATE()
ON_WM_LBUTTONDOWN()
ON_WM_TIMER()
ON_MESSAGE(WM_USER + 5, OnCustom)
END_MESSAGE_MAP()

// A derived class handles one more message and replaces one handler of its base.
class CDerivedProbe : public CProbeWnd {
 public:
  int rightClicks = 0;

 protected:
  afx_msg void OnRButtonDown(UINT, CPoint) { ++rightClicks; }
  afx_msg LRESULT OnCustom(WPARAM, LPARAM) { return -7; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedProbe, CProbeWnd)
ON_WM_RBUTTONDOWN()
ON_MESSAGE(WM_USER + 5, OnCustom)
END_MESSAGE_MAP()

BOOL CreateChild(CWnd& wnd, CWnd* pParent, UINT id = 1, const char* cls = NULL, DWORD style = 0,
                 const char* text = "") {
  RECT rc = {10, 10, 110, 40};
  return wnd.CreateEx(0, cls, text, WS_CHILD | WS_VISIBLE | style, rc, pParent, id);
}

TEST(MessageMap, HandlersGetUnpackedArguments) {
  CRecordingParent parent;
  CProbeWnd probe;
  ASSERT_TRUE(CreateChild(probe, &parent));
  EXPECT_EQ(&probe, CWnd::FromHandlePermanent(probe.m_hWnd));
  probe.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(-3, 17));
  ASSERT_EQ(1u, probe.clicks.size());
  EXPECT_EQ(CPoint(-3, 17), probe.clicks[0]);
  EXPECT_EQ((UINT)(MK_LBUTTON | MK_SHIFT), probe.flags);
  EXPECT_EQ(12, probe.SendMessage(WM_USER + 5, 5, 7));
  probe.SetTimer(42, 10);
  EXPECT_TRUE(PumpUntil([&] { return !probe.timers.empty(); }));
  EXPECT_EQ(std::vector<UINT_PTR>{42}, probe.timers);
  // Unhandled messages reach the default procedure.
  probe.SetWindowText("caption");
  CString text;
  probe.GetWindowText(text);
  EXPECT_STREQ("caption", (const char*)text);
}

TEST(MessageMap, DerivedMapsExtendAndOverrideTheBase) {
  CRecordingParent parent;
  CDerivedProbe probe;
  ASSERT_TRUE(CreateChild(probe, &parent));
  probe.SendMessage(WM_RBUTTONDOWN, 0, 0);
  probe.SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(1, 2));
  EXPECT_EQ(1, probe.rightClicks);
  EXPECT_EQ(1u, probe.clicks.size()) << "the base class's entry still applies";
  EXPECT_EQ(-7, probe.SendMessage(WM_USER + 5, 1, 1));
  EXPECT_EQ(0, probe.customCalls);
}

TEST(MessageMap, RefusedCreationLeavesTheObjectDetached) {
  CRecordingParent parent;
  CProbeWnd probe;
  probe.refuseCreate = true;
  EXPECT_FALSE(CreateChild(probe, &parent));
  EXPECT_EQ((HWND)NULL, probe.m_hWnd);
}

// The system may make an input-method window inside the call that creates ours, before it.
TEST(MessageMap, CreationHookPassesOverAnInputMethodWindowMadeFirst) {
  CProbeWnd probe;
  AfxHookWindowCreate(&probe);
  HWND hIme = CreateWindowExA(0, "IME", "", WS_POPUP, 0, 0, 1, 1, NULL, NULL, NULL, NULL);
  HWND hWnd = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, MainWnd()->m_hWnd, NULL, NULL, NULL);
  EXPECT_TRUE(AfxUnhookWindowCreate());
  ASSERT_NE((HWND)NULL, hIme);
  EXPECT_EQ(hWnd, probe.m_hWnd);
  EXPECT_EQ((CWnd*)NULL, CWnd::FromHandlePermanent(hIme));
  SendMessageA(hWnd, WM_LBUTTONDOWN, 0, MAKELPARAM(1, 1));
  EXPECT_EQ(1u, probe.clicks.size()) << "the created window runs through the object's map";
  DestroyWindow(hIme);
}

// Commands at the parent, and the same notifications reflected to the control.
class CCommandParent : public CWnd {
 public:
  std::vector<UINT> commands;
  std::vector<int> notifies;

 protected:
  afx_msg void OnClicked() { commands.push_back(1); }
  afx_msg void OnRange(UINT id) { commands.push_back(id); }
  afx_msg void OnNotifyTest(NMHDR* pNMHDR, LRESULT* pResult) {
    notifies.push_back((int)pNMHDR->code);
    *pResult = 99;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCommandParent, CWnd)
ON_BN_CLICKED(1, OnClicked)
ON_COMMAND_RANGE(200, 210, OnRange)
ON_NOTIFY(NM_CLICK, 5, OnNotifyTest)
END_MESSAGE_MAP()

class CReflectingButton : public CButton {
 public:
  int reflected = 0;
  BOOL handled = TRUE;
  int drawn = 0;
  UINT drawnId = 0;
  void DrawItem(LPDRAWITEMSTRUCT lpDIS) override {
    ++drawn;
    drawnId = lpDIS->CtlID;
    FillRect(lpDIS->hDC, &lpDIS->rcItem, (HBRUSH)GetStockObject(BLACK_BRUSH));
  }

 protected:
  afx_msg BOOL OnClickedReflect() {
    ++reflected;
    return handled;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingButton, CButton)
ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClickedReflect)
END_MESSAGE_MAP()

class CommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* cls = AfxRegisterWndClass(0, NULL, (HBRUSH)(COLOR_WINDOW + 1));
    ASSERT_TRUE(m_parent.CreateEx(0, cls, "", WS_CHILD | WS_VISIBLE, 0, 0, 300, 200, MainWnd()->m_hWnd, NULL));
  }
  CCommandParent m_parent;
};

TEST_F(CommandTest, CommandsRangesAndNotificationsWithTheirResult) {
  m_parent.SendMessage(WM_COMMAND, MAKEWPARAM(1, BN_CLICKED), 0);
  m_parent.SendMessage(WM_COMMAND, MAKEWPARAM(205, 0), 0);
  m_parent.SendMessage(WM_COMMAND, MAKEWPARAM(211, 0), 0);  // outside the range
  EXPECT_EQ(std::vector<UINT>({1, 205}), m_parent.commands);
  NMHDR hdr = {};
  hdr.hwndFrom = m_parent.m_hWnd;
  hdr.idFrom = 5;
  hdr.code = NM_CLICK;
  EXPECT_EQ(99, m_parent.SendMessage(WM_NOTIFY, 5, (LPARAM)&hdr));
  hdr.idFrom = 6;
  EXPECT_EQ(0, m_parent.SendMessage(WM_NOTIFY, 6, (LPARAM)&hdr));
  EXPECT_EQ(std::vector<int>({(int)NM_CLICK}), m_parent.notifies);
}

TEST_F(CommandTest, ReflectedNotificationStopsAtTheControlUnlessPassedOn) {
  CReflectingButton button;
  ASSERT_TRUE(CreateChild(button, &m_parent, 1, "BUTTON", BS_PUSHBUTTON, "Go"));
  button.SendMessage(BM_CLICK);
  EXPECT_EQ(1, button.reflected);
  EXPECT_TRUE(m_parent.commands.empty());
  button.handled = FALSE;
  button.SendMessage(BM_CLICK);
  EXPECT_EQ(2, button.reflected);
  EXPECT_EQ(std::vector<UINT>({1}), m_parent.commands);
}

TEST(HandleMap, TemporaryObjectsComeAndGoWithoutTheWindow) {
  HWND hWnd = CreateWindowExA(0, "STATIC", "plain", WS_CHILD, 0, 0, 10, 10, MainWnd()->m_hWnd, NULL, NULL, NULL);
  EXPECT_EQ((CWnd*)NULL, CWnd::FromHandlePermanent(hWnd));
  CWnd* pTemp = CWnd::FromHandle(hWnd);
  ASSERT_NE((CWnd*)NULL, pTemp);
  EXPECT_EQ(hWnd, pTemp->m_hWnd);
  EXPECT_EQ(pTemp, CWnd::FromHandle(hWnd)) << "one temporary object per handle";
  EXPECT_EQ((CWnd*)NULL, CWnd::FromHandle(NULL));
  AfxDeleteTempMaps();
  EXPECT_TRUE(IsWindow(hWnd)) << "a temporary object never destroys its window";
  CWnd permanent;
  EXPECT_TRUE(permanent.Attach(hWnd));
  EXPECT_EQ(&permanent, CWnd::FromHandle(hWnd));
  CWnd other;
  EXPECT_FALSE(other.Attach(hWnd)) << "one permanent object per handle";
  EXPECT_EQ(hWnd, permanent.Detach());
  DestroyWindow(hWnd);
}

TEST(HandleMap, SubclassingRoutesMessagesAndUnsubclassingRestores) {
  HWND hWnd = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, MainWnd()->m_hWnd, NULL, NULL, NULL);
  LONG_PTR original = GetWindowLongPtrA(hWnd, GWLP_WNDPROC);
  CProbeWnd probe;
  ASSERT_TRUE(probe.SubclassWindow(hWnd));
  SendMessageA(hWnd, WM_LBUTTONDOWN, 0, MAKELPARAM(4, 5));
  EXPECT_EQ(1u, probe.clicks.size());
  SetWindowTextA(hWnd, "still a static");  // unhandled: the static's own procedure answers
  char text[32];
  GetWindowTextA(hWnd, text, sizeof text);
  EXPECT_STREQ("still a static", text);
  EXPECT_EQ(hWnd, probe.UnsubclassWindow());
  EXPECT_EQ(original, GetWindowLongPtrA(hWnd, GWLP_WNDPROC));
  SendMessageA(hWnd, WM_LBUTTONDOWN, 0, 0);
  EXPECT_EQ(1u, probe.clicks.size());
  DestroyWindow(hWnd);
}

class CSelfDeleting : public CWnd {
 public:
  explicit CSelfDeleting(bool* pDeleted) : m_pDeleted(pDeleted) {}
  ~CSelfDeleting() override { *m_pDeleted = true; }
  void PostNcDestroy() override { delete this; }

 private:
  bool* m_pDeleted;
};

TEST(Lifetime, PostNcDestroyMayDeleteTheObjectAndTheObjectsEndDestroysItsWindow) {
  bool deleted = false;
  CSelfDeleting* p = new CSelfDeleting(&deleted);
  ASSERT_TRUE(CreateChild(*p, MainWnd()));
  HWND hWnd = p->m_hWnd;
  DestroyWindow(hWnd);
  EXPECT_TRUE(deleted);
  EXPECT_EQ((CWnd*)NULL, CWnd::FromHandlePermanent(hWnd));
  {
    CProbeWnd probe;
    ASSERT_TRUE(CreateChild(probe, MainWnd()));
    hWnd = probe.m_hWnd;
  }
  EXPECT_FALSE(IsWindow(hWnd));
}

TEST(Classes, RegisteredOncePerCombination) {
  HCURSOR hArrow = LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
  CString a = AfxRegisterWndClass(CS_DBLCLKS, hArrow);
  CString b = AfxRegisterWndClass(CS_DBLCLKS, hArrow);
  CString c = AfxRegisterWndClass(CS_HREDRAW, hArrow);
  EXPECT_EQ(a, b);
  EXPECT_NE(a, c);
  WNDCLASSA wc;
  ASSERT_TRUE(GetClassInfoA(AfxGetInstanceHandle(), c, &wc));
  EXPECT_EQ((UINT)CS_HREDRAW, wc.style);
  EXPECT_EQ(hArrow, wc.hCursor);
}

// Update requests: a handler decides, and nobody's item can be disabled.
class CUpdateTarget : public CCmdTarget {
 public:
  BOOL enable = TRUE;

 protected:
  afx_msg void OnUpdateItem(CCmdUI* pCmdUI) { pCmdUI->Enable(enable); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CUpdateTarget, CCmdTarget)
ON_UPDATE_COMMAND_UI(300, OnUpdateItem)
END_MESSAGE_MAP()

TEST(CmdUI, UpdateHandlersEnableControls) {
  CButton button;
  ASSERT_TRUE(button.Create("x", WS_CHILD | WS_VISIBLE, CRect(0, 0, 20, 20), MainWnd(), 300));
  CUpdateTarget target;
  CCmdUI state;
  state.m_nID = 300;
  state.m_pOther = &button;
  target.enable = FALSE;
  EXPECT_TRUE(state.DoUpdate(&target, FALSE));
  EXPECT_FALSE(button.IsWindowEnabled());
  target.enable = TRUE;
  state.DoUpdate(&target, FALSE);
  EXPECT_TRUE(button.IsWindowEnabled());
  state.m_nID = 301;  // nobody handles it
  EXPECT_FALSE(state.DoUpdate(&target, TRUE));
  EXPECT_FALSE(button.IsWindowEnabled());
}

}  // namespace
