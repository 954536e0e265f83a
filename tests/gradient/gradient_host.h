// What the preset strip, the dialog and the gradient boxes need from a host in these tests.
#pragma once
#include <Ostrel.h>
#include <gtest/gtest.h>
#include <t32Base.h>
#include <functional>
#include <string>
#include <vector>
#include "ImportPatch.h"
#include "ModalDriver.h"
#include "TempDir.h"

namespace gradient_test {

// The executable seems to live in a fresh folder, so the presets are its "Tarvik.dat\Gradient.qs4".
struct HostFolder {
  ostrel_test::TempDir temp;
  ostrel_test::FakeExePath exe{temp.File("host.exe")};
  HostFolder() { CreateDirectoryA(temp.File("Tarvik.dat").c_str(), NULL); }
  std::string PresetFile() const { return temp.File("Tarvik.dat\\Gradient.qs4"); }
  std::string ReadPresets() const { return ostrel_test::TempDir::Read(PresetFile()); }
};

inline bool IconButtonsLoaded() {
  static HMODULE hModule = LoadLibraryA("IconBtn.dll");
  return hModule != NULL;
}

template <class T>
std::string Bytes(const T& record) {
  return std::string((const char*)&record, sizeof record);
}

// The pixels of an image buffer, empty for NULL.
inline std::vector<unsigned char> BufferPixels(HANDLE hBuffer) {
  BUF32INFO info = {};
  if (hBuffer == NULL || !buf32GetInfo(hBuffer, &info)) return {};
  std::vector<unsigned char> pixels((size_t)info.nTotalBytes);
  buf32GetMem(hBuffer, 0, 0, info.nWidth, info.nHeight, pixels.data());
  return pixels;
}

// The dialog reads its preset file before it shows: room for a slow machine.
const DWORD kTimeoutMs = 30000;

// `opens` runs a "Gradient Fill" dialog; `script` runs on it once it shows and must end it.
inline void DriveDialog(const std::function<void()>& opens, const std::function<void(HWND)>& script) {
  ostrel_test::ModalDriver driver(ostrel_test::ModalDriver::DialogTitled("Gradient Fill"), script, kTimeoutMs);
  opens();
  EXPECT_TRUE(driver.Acted());
  EXPECT_FALSE(driver.TimedOut());
}

// Answers the message box that `opens` brings up with `button`; its text, empty when none came.
inline std::string AnswerBox(const std::function<void()>& opens, int button) {
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
