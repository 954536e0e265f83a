// Threads: worker functions, user-interface threads with their own loop, and per-thread handle maps.
#include <gtest/gtest.h>
#include <afxwin.h>
#include "TestApp.h"

namespace {

struct WorkerData {
  CWinThread* seenThread = NULL;
  CWnd* seenMainWnd = NULL;
};

UINT Worker(LPVOID pParam) {
  WorkerData* data = (WorkerData*)pParam;
  data->seenThread = AfxGetThread();
  data->seenMainWnd = CWnd::FromHandlePermanent(ostrel_test::MainWnd()->m_hWnd);
  return 5;
}

TEST(Threads, WorkerRunsWithItsOwnThreadObject) {
  WorkerData data;
  CWinThread* pThread = AfxBeginThread(Worker, &data, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
  ASSERT_NE((CWinThread*)NULL, pThread);
  pThread->m_bAutoDelete = FALSE;
  pThread->ResumeThread();
  ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(pThread->m_hThread, 5000));
  DWORD code = 0;
  GetExitCodeThread(pThread->m_hThread, &code);
  EXPECT_EQ(5u, code);
  EXPECT_EQ(pThread, data.seenThread);
  EXPECT_EQ((CWnd*)NULL, data.seenMainWnd) << "window objects belong to the thread that made them";
  delete pThread;
  EXPECT_EQ(AfxGetApp(), AfxGetThread());
}

TEST(Threads, NoProcedureNoThread) { EXPECT_EQ((CWinThread*)NULL, AfxBeginThread((AFX_THREADPROC)NULL, NULL)); }

// A user-interface thread: a window of its own and a message loop until WM_QUIT.
class CUiThread : public CWinThread {
  DECLARE_DYNCREATE(CUiThread)
 public:
  static HWND s_hWnd;
  static HANDLE s_hReady;
  BOOL InitInstance() override {
    m_pMainWnd = new CWnd;
    m_pMainWnd->CreateEx(0, AfxRegisterWndClass(0), "ui thread", WS_POPUP, 0, 0, 10, 10, NULL, NULL);
    s_hWnd = m_pMainWnd->m_hWnd;
    SetEvent(s_hReady);
    return TRUE;
  }
  int ExitInstance() override {
    if (m_pMainWnd != NULL) {
      m_pMainWnd->DestroyWindow();
      delete m_pMainWnd;
      m_pMainWnd = NULL;
    }
    return 17;
  }
};
IMPLEMENT_DYNCREATE(CUiThread, CWinThread)
HWND CUiThread::s_hWnd = NULL;
HANDLE CUiThread::s_hReady = NULL;

TEST(Threads, UserInterfaceThreadRunsItsLoopUntilQuit) {
  CUiThread::s_hReady = CreateEventA(NULL, TRUE, FALSE, NULL);
  CWinThread* pThread = AfxBeginThread(RUNTIME_CLASS(CUiThread), THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
  ASSERT_NE((CWinThread*)NULL, pThread);
  pThread->m_bAutoDelete = FALSE;
  pThread->ResumeThread();
  ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(CUiThread::s_hReady, 5000));
  EXPECT_TRUE(IsWindow(CUiThread::s_hWnd));
  EXPECT_EQ(GetWindowThreadProcessId(CUiThread::s_hWnd, NULL), pThread->m_nThreadID);
  pThread->PostThreadMessage(WM_QUIT, 0, 0);
  ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(pThread->m_hThread, 5000));
  DWORD code = 0;
  GetExitCodeThread(pThread->m_hThread, &code);
  EXPECT_EQ(17u, code);
  EXPECT_FALSE(IsWindow(CUiThread::s_hWnd));
  delete pThread;
  CloseHandle(CUiThread::s_hReady);
}

}  // namespace
