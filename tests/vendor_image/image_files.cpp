#include "image_files.h"
#include <wincodec.h>
#include <wrl/client.h>
#include <vector>

using Microsoft::WRL::ComPtr;

COLORREF TestColour(int x, int y) { return RGB(x * 7 & 255, y * 13 & 255, (x + y) * 3 & 255); }
int TestIndex(int x, int y, int bits) { return (x * 3 + y * 5) % (1 << bits); }
COLORREF TestColour16(int x, int y) { return RGB((x & 1) * 255, (y & 1) * 255, ((x + y) & 2) ? 255 : 0); }
COLORREF TestPaletteEntry(int i) { return RGB(i, 255 - i, i * 5 & 255); }

namespace {
void Put(std::string& s, DWORD value, int bytes) {
  for (int i = 0; i < bytes; ++i) s += char(value >> (8 * i));
}
}  // namespace

std::string BmpBytes(int bits, int width, int height) {
  const int colours = bits <= 8 ? 1 << bits : 0, stride = ((width * bits + 31) / 32) * 4;
  const DWORD offBits = 14 + 40 + colours * 4;
  std::string f = "BM";
  for (DWORD v : {offBits + stride * height, 0ul, offBits, 40ul, (DWORD)width, (DWORD)height}) Put(f, v, 4);
  Put(f, 1, 2);
  Put(f, bits, 2);
  for (DWORD v : {(DWORD)BI_RGB, (DWORD)(stride * height), 3780ul, 3780ul, (DWORD)colours, 0ul}) Put(f, v, 4);
  for (int i = 0; i < colours; ++i)
    Put(f, RGB(GetBValue(TestPaletteEntry(i)), GetGValue(TestPaletteEntry(i)), GetRValue(TestPaletteEntry(i))), 4);
  for (int y = height - 1; y >= 0; --y) {  // bottom-up
    std::string row(stride, '\0');
    for (int x = 0; x < width; ++x) {
      if (bits <= 8) {
        row[x * bits / 8] |= char(TestIndex(x, y, bits) << (8 - bits - x * bits % 8));
      } else if (bits == 16) {
        COLORREF c = TestColour16(x, y);
        WORD w = WORD((GetRValue(c) >> 3) << 10 | (GetGValue(c) >> 3) << 5 | GetBValue(c) >> 3);
        row[x * 2] = char(w);
        row[x * 2 + 1] = char(w >> 8);
      } else {
        COLORREF c = TestColour(x, y);
        row.replace(x * bits / 8, 3, {char(GetBValue(c)), char(GetGValue(c)), char(GetRValue(c))});
      }
    }
    f += row;
  }
  return f;
}

// Encoders that take no 24-bit pixels (GIF) get 8-bit indices into a halftone palette.
bool WriteImage(const std::string& path, REFGUID container, int width, int height, double dpi) {
  WCHAR wide[MAX_PATH];
  MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
  ComPtr<IWICImagingFactory> factory;
  ComPtr<IWICStream> stream;
  ComPtr<IWICBitmapEncoder> encoder;
  ComPtr<IWICBitmapFrameEncode> frame;
  ComPtr<IWICPalette> palette;
  WICPixelFormatGUID fmt = GUID_WICPixelFormat24bppBGR;
  const bool bReady = SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                                 IID_IWICImagingFactory, (void**)factory.GetAddressOf())) &&
                      SUCCEEDED(factory->CreateStream(&stream)) &&
                      SUCCEEDED(stream->InitializeFromFilename(wide, GENERIC_WRITE)) &&
                      SUCCEEDED(factory->CreateEncoder(container, nullptr, &encoder)) &&
                      SUCCEEDED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) &&
                      SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) && SUCCEEDED(frame->Initialize(nullptr)) &&
                      SUCCEEDED(frame->SetSize(width, height)) && SUCCEEDED(frame->SetResolution(dpi, dpi)) &&
                      SUCCEEDED(frame->SetPixelFormat(&fmt));
  if (!bReady) return false;
  const bool bIndexed = fmt == GUID_WICPixelFormat8bppIndexed;
  if (bIndexed && !(SUCCEEDED(factory->CreatePalette(&palette)) &&
                    SUCCEEDED(palette->InitializePredefined(WICBitmapPaletteTypeFixedHalftone256, FALSE)) &&
                    SUCCEEDED(frame->SetPalette(palette.Get()))))
    return false;
  if (!bIndexed && fmt != GUID_WICPixelFormat24bppBGR) return false;
  std::vector<BYTE> pixels;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const COLORREF c = TestColour(x, y);
      if (bIndexed)
        pixels.push_back((BYTE)TestIndex(x, y, 8));
      else
        pixels.insert(pixels.end(), {GetBValue(c), GetGValue(c), GetRValue(c)});
    }
  const UINT nStride = width * (bIndexed ? 1 : 3);
  return SUCCEEDED(frame->WritePixels(height, nStride, UINT(pixels.size()), pixels.data())) &&
         SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
}

HPALETTE MakePalette(const COLORREF* colours, int n) {
  std::vector<BYTE> mem(sizeof(LOGPALETTE) + 256 * sizeof(PALETTEENTRY));
  LOGPALETTE* lp = reinterpret_cast<LOGPALETTE*>(mem.data());
  lp->palVersion = 0x300;
  lp->palNumEntries = WORD(n);
  for (int i = 0; i < n; ++i)
    lp->palPalEntry[i] = {GetRValue(colours[i]), GetGValue(colours[i]), GetBValue(colours[i]), 0};
  return CreatePalette(lp);
}
