// The footstep button.
#include <gtest/gtest.h>
#include <Ostrel.h>
#include <functional>
#include <string>
#include <vector>
#include "ButtonFixture.h"
#include "GdiTracker.h"
#include "Input.h"
#include "Pixels.h"
#include "ModalDriver.h"
#include "ShownMenu.h"
#include "TestApp.h"

using namespace ostrel_test;

namespace {

const int kPressed = 3;  // state column

class CProbeStep : public CFtStepBtn {
 public:
  using CFtStepBtn::m_menuSteps;
  POINT OnScreen(int x, int y) {
    POINT pt = {x, y};
    ClientToScreen(&pt);
    return pt;
  }
};

// The message box a call raises, closed with OK; empty when none came.
std::string MessageOf(const std::function<void()>& call) {
  std::string text;
  ModalDriver driver(ModalDriver::ClassIs("#32770"), [&](HWND hBox) {
    text = MessageBoxText(hBox);
    PressButton(hBox, IDOK);
  });
  call();
  return text;
}

class FtStepTest : public ButtonFixture {
 protected:
  void SetUp() override {
    ButtonFixture::SetUp();
    m_parent.CopyPayload(FTSTEP_REQUEST, [](LPARAM l) { return std::string((const char*)l, sizeof(FTSTEPREQUEST)); });
  }
  void Make(CFtStepBtn& button, int nCur) {
    Item(401, 20, 150);
    ASSERT_TRUE(button.Create(&m_parent, 401, nCur, 6));
  }
  // (current, requested) of every request, checking the record's id and wParam.
  std::vector<std::pair<int, int>> Requests() const {
    std::vector<std::pair<int, int>> requests;
    for (const RecordedMessage& m : m_parent.Of(FTSTEP_REQUEST)) {
      const FTSTEPREQUEST* p = (const FTSTEPREQUEST*)m.payload.data();
      EXPECT_TRUE(m.wParam == 401 && p->nID == 401);
      requests.push_back({p->nCurStep, p->nNewStep});
    }
    return requests;
  }
  // Whether the face is the cell of this step and state column of strip 496 (50 x 20 pitch).
  static bool FaceIs(CWnd& button, int nStep, int nColumn) {
    static Pixels strip = BitmapPixels(_ButtonVexBmpInst, 496);
    return ShowsCell(ReadClient(button.m_hWnd), 0, 0, strip, 50 * nColumn, 20 * (nStep - 1), 49, 19);
  }
};

TEST_F(FtStepTest, OneCellInSizeAndStepsOutsideTheTotalRefused) {
  const std::string refused = "Error in modifying the Footstep button.";
  GdiTracker tracker({"Ostrel.dll", "afx.dll"});  // the step menu is made again
  {
    CProbeStep button;
    Make(button, 5);
    CRect client;
    button.GetClientRect(&client);
    EXPECT_EQ(CRect(0, 0, 49, 19), client);  // a cell of the 200 x 120 strip, one pixel short of its pitch
    EXPECT_TRUE(FaceIs(button, 5, 0));
    for (int nStep : {0, 7}) EXPECT_EQ(refused, MessageOf([&] { button.SetCurStep(nStep); }));
    EXPECT_EQ(refused, MessageOf([&] { button.SetTotalSteps(0); }));
    EXPECT_EQ("", MessageOf([&] { button.SetTotalSteps(3); }));
    EXPECT_EQ(5, button.GetCurStep());  // kept, even above the new total
    EXPECT_EQ(3, (int)button.m_menuSteps.GetMenuItemCount());
    EXPECT_EQ(refused, MessageOf([&] { button.SetCurStep(4); }));
  }
  EXPECT_EQ(0, tracker.Outstanding());
  CFtStepBtn bad;
  for (int nCur : {1, 0})
    EXPECT_EQ("Error in creating a Footstep button.",
              MessageOf([&] { EXPECT_FALSE(bad.Create(nCur ? NULL : &m_parent, 401, nCur, 6)); }));
}

TEST_F(FtStepTest, BackHalfAsksForTheStepBeforeAndTheParentAnswers) {
  CProbeStep button;
  Make(button, 3);
  POINT back = button.OnScreen(10, 9);
  InputClick(back.x, back.y);
  ASSERT_TRUE(PumpUntil([&] { return !Requests().empty(); }));
  EXPECT_EQ((std::vector<std::pair<int, int>>{{3, 2}}), Requests());
  EXPECT_EQ(3, button.GetCurStep());  // it waits for the parent
  EXPECT_TRUE(FaceIs(button, 3, kPressed));
  EXPECT_TRUE(m_parent.Of(WM_COMMAND).empty());  // no BN_ notification
  button.SetCurStep(2);
  EXPECT_TRUE(FaceIs(button, 2, kPressed));

  button.SetCurStep(1);  // nothing before the first step: no request, still the pressed look
  InputClick(back.x, back.y);
  PumpMessages(50);
  EXPECT_EQ(1u, Requests().size());
  EXPECT_TRUE(FaceIs(button, 1, kPressed));
}

// The click that closes the menu reaches the button after the menu's loop; it must not reopen it.
// (The clicks alternate between two points of the menu half, so as not to make a double click.)
TEST_F(FtStepTest, MenuHalfShowsStepPicturesAboveTheButtonAndAClickWhileItIsOpenClosesIt) {
  CProbeStep button;
  Make(button, 2);
  POINT ptOpen = button.OnScreen(27, 9), ptClose = button.OnScreen(45, 9);
  {
    ModalDriver closer(ModalDriver::ClassIs("#32768"), [&](HWND) { QueueClick(ptClose.x, ptClose.y); });
    InputClick(ptOpen.x, ptOpen.y);
    EXPECT_TRUE(PumpUntil([&] { return closer.Acted() && GetQueueStatus(QS_MOUSEBUTTON) == 0; }));
    PumpMessages();
    EXPECT_FALSE(closer.TimedOut()) << "the closing click opened the menu again";
  }
  ShownMenu shown = WhileMenuShown([&] { InputClick(ptOpen.x, ptOpen.y); }, 4);
  ASSERT_TRUE(PumpUntil([&] { return !Requests().empty(); }));
  EXPECT_EQ((std::vector<std::pair<int, int>>{{2, 5}}), Requests());
  ASSERT_EQ(6u, shown.items.size());
  Pixels menuStrip = BitmapPixels(_ButtonVexBmpInst, 497);  // 40 x 20 pitch
  for (int k = 0; k < 6; ++k) {
    const RECT& rc = shown.items[k].rect;
    EXPECT_EQ((UINT)k + 1, shown.items[k].id);
    EXPECT_EQ(19, rc.bottom - rc.top);
    EXPECT_TRUE(
        ShowsCell(shown.pixels, rc.left - shown.origin.x, rc.top - shown.origin.y, menuStrip, 0, 20 * k, 39, 19))
        << k;
  }
  POINT corner = button.OnScreen(24, 0);
  EXPECT_EQ(corner.x, shown.window.left);  // from the menu half's left edge (24) up
  EXPECT_EQ(corner.y, shown.window.bottom);

  WhileMenuShown([&] { InputClick(ptClose.x, ptClose.y); }, 1);  // the current step, asked for again
  ASSERT_TRUE(PumpUntil([&] { return Requests().size() == 2; }));
  EXPECT_EQ((std::vector<std::pair<int, int>>{{2, 5}, {2, 2}}), Requests());
}

}  // namespace
