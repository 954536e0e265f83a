// First frame of an image file, decoded through WIC.
#pragma once
#include <windows.h>
#include <wincodec.h>
#include <wrl/client.h>
#include <functional>
#include <vector>

namespace tf {

// COM for the current thread, for as long as the object lives.
class ComScope {
 public:
  ComScope();
  ~ComScope();
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  bool m_uninit;
};

struct ImageFacts {
  int format = 0;  // TF_FORMAT_*
  int frames = 0;
  int storedBits = 0;  // record's bits per pixel
  int lineBits = 0;    // 1, 4, 8 or 24
  int width = 0, height = 0;
  double dpiX = 0, dpiY = 0;
  int colorType = 0;
  std::vector<COLORREF> palette;  // for line depths up to 8
};

class WicImage {
 public:
  WicImage() = default;
  WicImage(const WicImage&) = delete;
  WicImage& operator=(const WicImage&) = delete;

  // Opens the file and works out its facts; false if it cannot be decoded.
  bool Open(const char* path);
  const ImageFacts& Facts() const { return m_facts; }
  // Decodes the rows of rc (top to bottom) as lines of Facts().lineBits;
  // sink gets (row, data) and returns false to stop.
  bool ReadRows(const WICRect& rc, bool bottomUp, const std::function<bool(int, unsigned char*)>& sink);
  // Decodes the whole image once, to catch truncated or corrupt data.
  bool CheckDecodes();

 private:
  bool ReadPalette(WICPixelFormatGUID fmt);
  Microsoft::WRL::ComPtr<IWICBitmapSource> LineSource();  // the frame, converted when needed

  Microsoft::WRL::ComPtr<IWICImagingFactory> m_factory;
  Microsoft::WRL::ComPtr<IWICBitmapDecoder> m_decoder;
  Microsoft::WRL::ComPtr<IWICBitmapFrameDecode> m_frame;
  WICPixelFormatGUID m_pixelFormat = {};
  int m_nativeBits = 0;  // bits per pixel of the rows as decoded
  ImageFacts m_facts;
};

}  // namespace tf
