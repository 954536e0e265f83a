// What the preset strip, the dialog and the gradient boxes need from a host in these tests.
#pragma once
#include <Ostrel.h>
#include <functional>
#include <string>
#include <vector>
#include "ImportPatch.h"
#include "TempDir.h"

namespace gradient_test {

// For the library, the executable lives in a fresh temporary folder, so its presets are in that
// folder's "Tarvik.dat\Gradient.qs4".
class HostFolder {
 public:
  HostFolder();
  std::string PresetFile() const { return m_temp.File("Tarvik.dat\\Gradient.qs4"); }
  std::string ReadPresets() const { return ostrel_test::TempDir::Read(PresetFile()); }
  const ostrel_test::TempDir& Temp() const { return m_temp; }

 private:
  ostrel_test::TempDir m_temp;
  ostrel_test::FakeExePath m_exe;
};

// Loads IconBtn.dll once, as a host does; whether it is there.
inline bool IconButtonsLoaded() {
  static HMODULE hModule = LoadLibraryA("IconBtn.dll");
  return hModule != NULL;
}

// A record as the dialog keeps it, for a w x h preview.
GFILL_OPTION Record(COLORREF clrStart, COLORREF clrEnd, int nDirection, int nShift, int w = 40, int h = 40);
std::string Bytes(const GFILL_OPTION& record);
// The pixels of an image buffer, empty for NULL.
std::vector<unsigned char> BufferPixels(HANDLE hBuffer);

// Writes a preset file of the given records through a strip (as the dialog would), thumbnails made
// from the records.
void WritePresets(CWnd* pParent, const std::vector<GFILL_OPTION>& records);
// Adds one preset to a strip: a copy of the record and its thumbnail.
void AddPreset(CGradientWnd& strip, const GFILL_OPTION& record);

// Runs a "Gradient Fill" dialog (or whatever opens one) modally: `opens` starts it, `script` runs
// on the dialog once it shows and must end it. Fails the test when the dialog never shows or is
// still open at the time-out.
void DriveDialog(const std::function<void()>& opens, const std::function<void(HWND)>& script);
// Answers the message box that `opens` brings up with `button`; its text, empty when none came.
std::string AnswerBox(const std::function<void()>& opens, int button);

}  // namespace gradient_test
