// What the preset strip, the dialog and the gradient boxes need from a host in these tests.
#pragma once
#include <Ostrel.h>
#include <functional>
#include <string>
#include <vector>
#include "ImportPatch.h"
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
std::vector<unsigned char> BufferPixels(HANDLE hBuffer);

// Writes a preset file of the records through a strip, as the dialog would.
void WritePresets(CWnd* pParent, const std::vector<GFILL_OPTION>& records);
void AddPreset(CGradientWnd& strip, const GFILL_OPTION& record);

// `opens` runs a "Gradient Fill" dialog; `script` runs on it once it shows and must end it.
void DriveDialog(const std::function<void()>& opens, const std::function<void(HWND)>& script);
// Answers the message box that `opens` brings up with `button`; its text, empty when none came.
std::string AnswerBox(const std::function<void()>& opens, int button);

}  // namespace gradient_test
