// The list file as plain data: writing and checked reading of the bytes, no windows, no buffers.
#pragma once
#include <stddef.h>

#include <string>
#include <vector>

#include "Drevnic.h"

struct IIFilePicture {
  int nBits = 0;
  int nWidth = 0;
  int nHeight = 0;
  std::vector<unsigned char> pixels;  // nHeight packed rows of (nWidth * nBits + 7) / 8 bytes
};

struct IIFileItem {
  int nId = 0;
  std::string strName;
  bool bPicture = false;
  IIFilePicture picture;
  std::vector<PALETTEENTRY> palette;  // empty: none
  bool bData = false;
  std::vector<unsigned char> data;
};

struct IIFileType {
  int nType = 0;
  std::vector<int> order;
  std::vector<int> selected;
};

struct IIFileImage {
  _IIOData settings;
  std::vector<IIFileItem> items;
  std::vector<IIFileType> types;
};

// Largest file Load reads at all.
const size_t IIFILE_MAX_BYTES = 512u * 1024 * 1024;

// Bytes of one packed picture, or 0 when the picture's numbers are out of range.
unsigned long long IIPictureBytes(int nBits, int nWidth, int nHeight);

std::vector<unsigned char> IIFileWrite(const IIFileImage& image);
// False for anything but a whole, consistent file; image is then unspecified.
bool IIFileRead(const unsigned char* pBytes, size_t nBytes, IIFileImage& image);

unsigned long IICrc32(const unsigned char* p, size_t n);
