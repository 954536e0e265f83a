#include "image_files.h"
#include <wincodec.h>
#include <cstdio>

TempFolder::TempFolder() {
  char base[MAX_PATH], name[MAX_PATH];
  GetTempPathA(MAX_PATH, base);
  GetTempFileNameA(base, "vim", 0, name);
  DeleteFileA(name);
  CreateDirectoryA(name, nullptr);
  m_path = name;
}

TempFolder::~TempFolder() {
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((m_path + "\\*").c_str(), &fd);
  if (h != INVALID_HANDLE_VALUE) {
    do DeleteFileA(Path(fd.cFileName).c_str());
    while (FindNextFileA(h, &fd));
    FindClose(h);
  }
  RemoveDirectoryA(m_path.c_str());
}

COLORREF TestColour(int x, int y) { return RGB(x * 7 & 255, y * 13 & 255, (x + y) * 3 & 255); }

int TestIndex(int x, int y, int bits) { return (x * 3 + y * 5) % (1 << bits); }

COLORREF TestPaletteEntry(int i) { return RGB(i, 255 - i, i * 5 & 255); }

namespace {

void Put16(std::vector<BYTE>& v, WORD w) { v.insert(v.end(), {BYTE(w), BYTE(w >> 8)}); }
void Put32(std::vector<BYTE>& v, DWORD d) { v.insert(v.end(), {BYTE(d), BYTE(d >> 8), BYTE(d >> 16), BYTE(d >> 24)}); }

}  // namespace

COLORREF TestColour16(int x, int y) { return RGB((x & 1) * 255, (y & 1) * 255, ((x + y) & 2) ? 255 : 0); }

bool WriteBmp(const std::string& path, int bits, int width, int height) {
  int colours = bits <= 8 ? 1 << bits : 0;
  int stride = ((width * bits + 31) / 32) * 4;
  std::vector<BYTE> f;
  DWORD offBits = 14 + 40 + colours * 4;
  f.insert(f.end(), {'B', 'M'});
  Put32(f, offBits + stride * height);
  Put32(f, 0);
  Put32(f, offBits);
  Put32(f, 40);
  Put32(f, width);
  Put32(f, height);  // bottom-up
  Put16(f, 1);
  Put16(f, WORD(bits));
  Put32(f, BI_RGB);
  Put32(f, stride * height);
  Put32(f, 3780);  // 96 dpi
  Put32(f, 3780);
  Put32(f, colours);
  Put32(f, 0);
  for (int i = 0; i < colours; ++i) {
    COLORREF c = TestPaletteEntry(i);
    f.insert(f.end(), {GetBValue(c), GetGValue(c), GetRValue(c), 0});
  }
  for (int y = height - 1; y >= 0; --y) {
    std::vector<BYTE> row(stride, 0);
    for (int x = 0; x < width; ++x) {
      if (bits <= 8) {
        int bit = x * bits;
        row[bit / 8] |= BYTE(TestIndex(x, y, bits) << (8 - bits - bit % 8));
      } else if (bits == 16) {
        COLORREF c = TestColour16(x, y);
        WORD w = WORD((GetRValue(c) >> 3) << 10 | (GetGValue(c) >> 3) << 5 | GetBValue(c) >> 3);
        row[x * 2] = BYTE(w);
        row[x * 2 + 1] = BYTE(w >> 8);
      } else {
        COLORREF c = TestColour(x, y);
        BYTE* p = &row[x * bits / 8];
        p[0] = GetBValue(c);
        p[1] = GetGValue(c);
        p[2] = GetRValue(c);
      }
    }
    f.insert(f.end(), row.begin(), row.end());
  }
  return WriteBytes(path, f);
}

bool WritePng(const std::string& path, int width, int height, double dpi) {
  WCHAR wide[MAX_PATH];
  MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
  IWICImagingFactory* factory = nullptr;
  IWICStream* stream = nullptr;
  IWICBitmapEncoder* encoder = nullptr;
  IWICBitmapFrameEncode* frame = nullptr;
  std::vector<BYTE> pixels(size_t(width) * height * 3);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      COLORREF c = TestColour(x, y);
      BYTE* p = &pixels[(size_t(y) * width + x) * 3];
      p[0] = GetBValue(c);
      p[1] = GetGValue(c);
      p[2] = GetRValue(c);
    }
  WICPixelFormatGUID fmt = GUID_WICPixelFormat24bppBGR;
  bool ok = SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                       (void**)&factory)) &&
            SUCCEEDED(factory->CreateStream(&stream)) &&
            SUCCEEDED(stream->InitializeFromFilename(wide, GENERIC_WRITE)) &&
            SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
            SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
            SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) && SUCCEEDED(frame->Initialize(nullptr)) &&
            SUCCEEDED(frame->SetSize(width, height)) && SUCCEEDED(frame->SetResolution(dpi, dpi)) &&
            SUCCEEDED(frame->SetPixelFormat(&fmt)) && fmt == GUID_WICPixelFormat24bppBGR &&
            SUCCEEDED(frame->WritePixels(height, width * 3, UINT(pixels.size()), pixels.data())) &&
            SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
  for (IUnknown* p : {(IUnknown*)frame, (IUnknown*)encoder, (IUnknown*)stream, (IUnknown*)factory})
    if (p) p->Release();
  return ok;
}

std::vector<BYTE> ReadBytes(const std::string& path) {
  std::vector<BYTE> v;
  FILE* f = fopen(path.c_str(), "rb");
  if (!f) return v;
  int c;
  while ((c = fgetc(f)) != EOF) v.push_back(BYTE(c));
  fclose(f);
  return v;
}

bool WriteBytes(const std::string& path, const std::vector<BYTE>& bytes) {
  FILE* f = fopen(path.c_str(), "wb");
  if (!f) return false;
  bool ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return fclose(f) == 0 && ok;
}
