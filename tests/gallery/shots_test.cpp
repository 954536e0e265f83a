// gallery.exe --shots DIR: every page as a PNG of the main window's client size, an index that
// lists them, and a clear failure when a picture cannot be written.
#include <gtest/gtest.h>
#include "ChildProcess.h"
#include "GalleryLayout.h"
#include "PictureFile.h"
#include "TempDir.h"
#include "TestApp.h"
#include <string>
#include <vector>

using ostrel_test::TempDir;

namespace {

// Runs the gallery with "--shots dir" and waits for it; a run that outlasts the time-out is ended.
ostrel_test::ChildRun RunShots(const std::string& dir) {
  ostrel_test::ChildRun run =
      ostrel_test::RunChild("\"" + ostrel_test::ExeFolder() + "gallery.exe\" --shots \"" + dir + "\"", 120000);
  EXPECT_FALSE(run.timedOut) << "gallery.exe did not finish within two minutes";
  return run;
}

TEST(GalleryShots, EveryPageIsAPictureOfTheMainWindow) {
  TempDir dir;
  const std::string out = dir.File("shots");  // not there yet: the gallery makes it
  ostrel_test::ChildRun run = RunShots(out);
  ASSERT_EQ(0u, run.exitCode) << run.output;

  // The pictures named by the index's <img src="..."> elements.
  const std::string html = TempDir::Read(out + "\\index.html"), key = "<img src=\"";
  std::vector<std::string> files;
  for (size_t pos = html.find(key); pos != std::string::npos; pos = html.find(key, pos)) {
    pos += key.size();
    files.push_back(html.substr(pos, html.find('"', pos) - pos));
  }
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

TEST(GalleryShots, UnwritablePlacesFailWithAMessage) {
  TempDir dir;
  // A picture whose name is taken by a folder cannot be written; no index follows.
  const std::string out = dir.File("blocked");
  CreateDirectoryA(out.c_str(), NULL);
  CreateDirectoryA((out + "\\dial.png").c_str(), NULL);
  ostrel_test::ChildRun run = RunShots(out);
  EXPECT_NE(0u, run.exitCode);
  EXPECT_NE(std::string::npos, run.output.find("dial.png")) << run.output;
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((out + "\\index.html").c_str()));

  // A folder that cannot be made below a plain file.
  const std::string file = dir.Write("plain.txt", "x");
  run = RunShots(file + "\\shots");
  EXPECT_NE(0u, run.exitCode);
  EXPECT_NE(std::string::npos, run.output.find("cannot make the folder")) << run.output;
}

}  // namespace
