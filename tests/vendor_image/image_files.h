// Image files written by the tests themselves, in a temporary folder.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

// A temporary folder removed (with its files) at the end of the object's life.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  std::string Path(const char* name) const { return m_path + "\\" + name; }

 private:
  std::string m_path;
};

// Test picture: colour of pixel (x, y) as 8-bit R, G, B; and index for palette depths.
COLORREF TestColour(int x, int y);
int TestIndex(int x, int y, int bits);
// The 16-bit picture: only full or empty channels, so it reads back exactly.
COLORREF TestColour16(int x, int y);
// The palette written into palette BMPs: entry i.
COLORREF TestPaletteEntry(int i);

// Writes an uncompressed BMP of the given depth (1, 4, 8, 16 = 5-5-5, 24, 32) at 96 dpi.
bool WriteBmp(const std::string& path, int bits, int width, int height);
// Writes a 24-bit PNG of the test picture through WIC, at the given dpi.
bool WritePng(const std::string& path, int width, int height, double dpi);
// Raw file bytes in and out.
std::vector<BYTE> ReadBytes(const std::string& path);
bool WriteBytes(const std::string& path, const std::vector<BYTE>& bytes);
