// Threads: worker functions with their own thread object, and per-thread handle maps.
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

}  // namespace
