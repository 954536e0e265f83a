#include "gradient_host.h"
#include <gtest/gtest.h>
#include <t32Base.h>
#include "ModalDriver.h"
#include "gradient/RecordBlock.h"

namespace gradient_test {

namespace {
// A driver's deadline also runs while its script does: room for a slow machine.
const DWORD kTimeoutMs = 30000;
}  // namespace

std::vector<unsigned char> BufferPixels(HANDLE hBuffer) {
  BUF32INFO info = {};
  if (hBuffer == NULL || !buf32GetInfo(hBuffer, &info)) return {};
  std::vector<unsigned char> pixels((size_t)info.nTotalBytes);
  buf32GetMem(hBuffer, 0, 0, info.nWidth, info.nHeight, pixels.data());
  return pixels;
}

void AddPreset(CGradientWnd& strip, const GFILL_OPTION& record) {
  int w = 0, h = 0;
  strip.GetList()->RetrieveIIWH(w, h);
  GFILL_OPTION* pBlock = (GFILL_OPTION*)AllocRecordBlock(sizeof record);
  *pBlock = record;
  void* hThumbnail = CreateGradientBuffer(pBlock, CRect(0, 0, w, h));
  strip.AddItem(hThumbnail, pBlock);
  buf32Free(hThumbnail);
}

void WritePresets(CWnd* pParent, const std::vector<GFILL_OPTION>& records) {
  CGradientWnd strip(pParent);
  strip.Create(0, CRect(0, 0, 200, 52), pParent, 1072);
  for (const GFILL_OPTION& record : records) AddPreset(strip, record);
}

void DriveDialog(const std::function<void()>& opens, const std::function<void(HWND)>& script) {
  ostrel_test::ModalDriver driver(ostrel_test::ModalDriver::DialogTitled("Gradient Fill"), script, kTimeoutMs);
  opens();
  EXPECT_TRUE(driver.Acted());
  EXPECT_FALSE(driver.TimedOut());
}

std::string AnswerBox(const std::function<void()>& opens, int button) {
  std::string text;
  ostrel_test::ModalDriver box(
      [](HWND h) { return !ostrel_test::ModalDriver::TitleIs("Gradient Fill")(h) && GetDlgItem(h, 0xFFFF) != NULL; },
      [&](HWND h) {
        text = ostrel_test::MessageBoxText(h);
        ostrel_test::PressButton(h, button);
      },
      kTimeoutMs);
  opens();
  return text;
}

}  // namespace gradient_test
