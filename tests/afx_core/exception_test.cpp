// Nothing a handler throws leaves the framework: window procedures, the creation hook, dialog
// initialisation and thread entries turn any exception into their failure result. Worker threads
// have their own thread object and handle maps.
#include <gtest/gtest.h>
#include <afxwin.h>
#include <new>
#include <stdexcept>
#include "TestApp.h"

using namespace ostrel_test;

namespace {

enum class Throw { Nothing, BadAlloc, StdError, Framework, Int };

void ThrowAs(Throw what) {
  if (what == Throw::BadAlloc) throw std::bad_alloc();
  if (what == Throw::StdError) throw std::runtime_error("handler failed");
  if (what == Throw::Framework) AfxThrowMemoryException();
  if (what == Throw::Int) throw 7;
}

const UINT WM_PROBE = WM_USER + 1;

class CThrowingWnd : public CWnd {
 public:
  Throw onSubclass = Throw::Nothing, onCreate = Throw::Nothing, onPaint = Throw::Nothing, onProbe = Throw::Nothing;
  int paints = 0;

  BOOL CreateIn(CWnd* pParent) {
    return CreateEx(0, NULL, "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 60, 40), pParent, 1);
  }

 protected:
  void PreSubclassWindow() override { ThrowAs(onSubclass); }
  afx_msg int OnCreate(LPCREATESTRUCT cs) {
    ThrowAs(onCreate);
    return CWnd::OnCreate(cs);
  }
  afx_msg void OnPaint() {
    ++paints;
    ThrowAs(onPaint);
    CPaintDC dc(this);
  }
  afx_msg LRESULT OnProbe(WPARAM, LPARAM) {
    ThrowAs(onProbe);
    return 5;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CThrowingWnd, CWnd)
ON_WM_CREATE()
ON_WM_PAINT()
ON_MESSAGE(WM_PROBE, OnProbe)
END_MESSAGE_MAP()

TEST(Exceptions, AHandlerThatThrowsAnswersZeroAndTheWindowGoesOn) {
  CThrowingWnd wnd;
  ASSERT_TRUE(wnd.CreateIn(MainWnd()));
  for (Throw what : {Throw::BadAlloc, Throw::StdError, Throw::Framework, Throw::Int}) {
    wnd.onProbe = what;
    EXPECT_EQ(0, wnd.SendMessage(WM_PROBE)) << "kind " << (int)what;
  }
  wnd.onProbe = Throw::Nothing;
  EXPECT_EQ(5, wnd.SendMessage(WM_PROBE));

  // A paint that threw counts as done; it does not come back for ever.
  wnd.onPaint = Throw::StdError;
  wnd.Invalidate();
  wnd.UpdateWindow();
  PumpMessages();
  EXPECT_EQ(1, wnd.paints);
  EXPECT_FALSE(::GetUpdateRect(wnd.m_hWnd, NULL, FALSE));
}

class CThrowingDialog : public CDialog {
 public:
  CThrowingDialog() : CDialog(200) {}

 protected:
  BOOL OnInitDialog() override { throw std::bad_alloc(); }
};

TEST(Exceptions, CreationThatThrowsFailsAndLeavesTheObjectDetached) {
  CThrowingWnd inCreate;
  inCreate.onCreate = Throw::BadAlloc;
  EXPECT_FALSE(inCreate.CreateIn(MainWnd()));
  EXPECT_EQ((HWND)NULL, inCreate.m_hWnd);

  // PreSubclassWindow runs inside the creation hook.
  CThrowingWnd inHook;
  inHook.onSubclass = Throw::StdError;
  EXPECT_FALSE(inHook.CreateIn(MainWnd()));
  EXPECT_EQ((HWND)NULL, inHook.m_hWnd);
  inHook.onSubclass = Throw::Nothing;
  EXPECT_TRUE(inHook.CreateIn(MainWnd())) << "the hook is gone with the failed call";

  // A dialog whose initialisation throws is made all the same.
  CThrowingDialog dlg;
  ASSERT_TRUE(dlg.Create(200, MainWnd()));
  EXPECT_TRUE(::IsWindow(dlg.m_hWnd));
  dlg.DestroyWindow();
}

struct Work {
  Throw what;
  CWinThread* seenThread = NULL;
  CWnd* seenMainWnd = NULL;
};

UINT Worker(LPVOID pParam) {
  Work* work = (Work*)pParam;
  work->seenThread = AfxGetThread();
  work->seenMainWnd = CWnd::FromHandlePermanent(MainWnd()->m_hWnd);
  ThrowAs(work->what);
  return 3;
}

TEST(Threads, AWorkerHasItsOwnThreadObjectAndEndsWithMinusOneWhenItThrows) {
  for (Throw what : {Throw::Nothing, Throw::BadAlloc, Throw::Int}) {
    Work work{what};
    CWinThread* pThread = AfxBeginThread(Worker, &work, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE((CWinThread*)NULL, pThread);
    pThread->m_bAutoDelete = FALSE;
    pThread->ResumeThread();
    DWORD code = (DWORD)-2;
    if (WaitForSingleObject(pThread->m_hThread, 5000) == WAIT_OBJECT_0) GetExitCodeThread(pThread->m_hThread, &code);
    EXPECT_EQ(what == Throw::Nothing ? 3u : (DWORD)-1, code) << "kind " << (int)what;
    EXPECT_EQ(pThread, work.seenThread);
    EXPECT_EQ((CWnd*)NULL, work.seenMainWnd) << "window objects belong to the thread that made them";
    delete pThread;
  }
  EXPECT_EQ(AfxGetApp(), AfxGetThread());
  EXPECT_EQ((CWinThread*)NULL, AfxBeginThread((AFX_THREADPROC)NULL, NULL)) << "no procedure, no thread";
}

}  // namespace
