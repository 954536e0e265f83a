// Image files read back through WIC, for checking what the gallery wrote.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

struct Picture {
  UINT width = 0, height = 0;
  std::vector<DWORD> bits;  // 0x00RRGGBB, top-down
};

// Decodes the first frame of an image file; false when it cannot be read as an image.
bool Decode(const std::string& path, Picture& pic);
