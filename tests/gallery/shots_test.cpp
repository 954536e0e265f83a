// gallery.exe --shots DIR: every page as a PNG of the main window's client size, an index that
// lists them, and a clear failure when a picture cannot be written.
#include <gtest/gtest.h>
#include <wincodec.h>
#include "GalleryLayout.h"
#include "PictureFile.h"
#include "TempDir.h"
#include "TestApp.h"
#include <string>
#include <vector>

using ostrel_test::TempDir;

namespace {

const DWORD kTimeoutMs = 120000;

struct RunResult {
  DWORD exitCode = 0xFFFFFFFF;
  std::string errors;  // what the gallery wrote to stderr
};

// Runs the gallery with "--shots dir" and waits for it; a run that outlasts the time-out is ended.
RunResult RunShots(const std::string& dir) {
  RunResult result;
  SECURITY_ATTRIBUTES sa = {sizeof sa, NULL, TRUE};
  HANDLE hRead = NULL, hWrite = NULL;
  if (!CreatePipe(&hRead, &hWrite, &sa, 0)) return result;
  SetHandleInformation(hRead, HANDLE_FLAG_INHERIT, 0);

  std::string cmd = "\"" + ostrel_test::ExeFolder() + "gallery.exe\" --shots \"" + dir + "\"";
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  si.hStdOutput = hWrite;
  si.hStdError = hWrite;
  PROCESS_INFORMATION pi = {};
  BOOL started = CreateProcessA(NULL, &cmd[0], NULL, NULL, TRUE, 0, NULL, NULL, &si, &pi);
  CloseHandle(hWrite);
  if (started) {
    if (WaitForSingleObject(pi.hProcess, kTimeoutMs) != WAIT_OBJECT_0) {
      TerminateProcess(pi.hProcess, 99);
      ADD_FAILURE() << "gallery.exe did not finish within " << kTimeoutMs / 1000 << " s";
      WaitForSingleObject(pi.hProcess, 5000);
    }
    GetExitCodeProcess(pi.hProcess, &result.exitCode);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    char buf[512];
    DWORD n = 0;
    while (ReadFile(hRead, buf, sizeof buf, &n, NULL) && n > 0) result.errors.append(buf, n);
  }
  CloseHandle(hRead);
  return result;
}

// The picture files named by the index's <img src="..."> elements.
std::vector<std::string> IndexedPictures(const std::string& html) {
  std::vector<std::string> files;
  const std::string key = "<img src=\"";
  for (size_t pos = html.find(key); pos != std::string::npos; pos = html.find(key, pos)) {
    pos += key.size();
    files.push_back(html.substr(pos, html.find('"', pos) - pos));
  }
  return files;
}

class GalleryShots : public ::testing::Test {
 protected:
  void SetUp() override { CoInitializeEx(NULL, COINIT_APARTMENTTHREADED); }
  void TearDown() override { CoUninitialize(); }
};

TEST_F(GalleryShots, EveryPageIsAPictureOfTheMainWindow) {
  TempDir dir;
  const std::string out = dir.File("shots");  // not there yet: the gallery makes it
  RunResult run = RunShots(out);
  ASSERT_EQ(0u, run.exitCode) << run.errors;

  std::vector<std::string> files = IndexedPictures(TempDir::Read(out + "\\index.html"));
  ASSERT_FALSE(files.empty()) << "index.html lists no pictures";
  EXPECT_EQ("dial.png", files[0]) << "the dial page comes first";
  for (const std::string& file : files) {
    Picture pic;
    ASSERT_TRUE(Decode(out + "\\" + file, pic)) << file;
    EXPECT_EQ((UINT)gallery::kClientWidth, pic.width) << file;
    EXPECT_EQ((UINT)gallery::kClientHeight, pic.height) << file;
  }

  // The dial really painted: its red line from the centre to the marker is in the picture.
  Picture dial;
  ASSERT_TRUE(Decode(out + "\\dial.png", dial));
  int red = 0;
  for (DWORD px : dial.bits) red += (px & 0xFFFFFF) == 0xFF0000;
  EXPECT_GE(red, 15) << "no red line of the dial in dial.png";
}

TEST_F(GalleryShots, UnwritablePlacesFailWithAMessage) {
  TempDir dir;
  // A picture whose name is taken by a folder cannot be written; no index follows.
  const std::string out = dir.File("blocked");
  CreateDirectoryA(out.c_str(), NULL);
  CreateDirectoryA((out + "\\dial.png").c_str(), NULL);
  RunResult run = RunShots(out);
  EXPECT_NE(0u, run.exitCode);
  EXPECT_NE(std::string::npos, run.errors.find("dial.png")) << run.errors;
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((out + "\\index.html").c_str()));

  // A folder that cannot be made below a plain file.
  const std::string file = dir.Write("plain.txt", "x");
  run = RunShots(file + "\\shots");
  EXPECT_NE(0u, run.exitCode);
  EXPECT_NE(std::string::npos, run.errors.find("cannot make the folder")) << run.errors;
}

}  // namespace
