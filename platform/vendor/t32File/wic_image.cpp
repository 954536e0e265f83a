#include "wic_image.h"
#include "t32File.h"
#include <algorithm>
#include <new>

using Microsoft::WRL::ComPtr;

namespace tf {

namespace {

int FormatId(const GUID& container) {
  if (container == GUID_ContainerFormatBmp) return TF_FORMAT_BMP;
  if (container == GUID_ContainerFormatPng) return TF_FORMAT_PNG;
  if (container == GUID_ContainerFormatJpeg) return TF_FORMAT_JPEG;
  if (container == GUID_ContainerFormatGif) return TF_FORMAT_GIF;
  if (container == GUID_ContainerFormatTiff) return TF_FORMAT_TIFF;
  if (container == GUID_ContainerFormatIco) return TF_FORMAT_ICO;
  return 0;
}

bool IsGray(const GUID& f) {
  return f == GUID_WICPixelFormatBlackWhite || f == GUID_WICPixelFormat2bppGray || f == GUID_WICPixelFormat4bppGray ||
         f == GUID_WICPixelFormat8bppGray;
}

bool IsIndexed(const GUID& f) {
  return f == GUID_WICPixelFormat1bppIndexed || f == GUID_WICPixelFormat2bppIndexed ||
         f == GUID_WICPixelFormat4bppIndexed || f == GUID_WICPixelFormat8bppIndexed;
}

bool HasAlpha(const GUID& f) {
  return f == GUID_WICPixelFormat32bppBGRA || f == GUID_WICPixelFormat32bppPBGRA || f == GUID_WICPixelFormat32bppRGBA ||
         f == GUID_WICPixelFormat32bppPRGBA || f == GUID_WICPixelFormat64bppRGBA || f == GUID_WICPixelFormat64bppPRGBA;
}

int StoredBits(int bits) {
  if (bits > 32) return bits == 48 ? 24 : 32;
  return bits;
}

int ColorType(int storedBits, bool gray, bool alpha) {
  switch (storedBits) {
    case 1:
      return TF_COLOR_BW;
    case 4:
      return TF_COLOR_16;
    case 8:
      return gray ? TF_COLOR_GRAY : TF_COLOR_256;
    case 16:
      return TF_COLOR_HIGH;
    case 32:
      return TF_COLOR_ALPHA;
    default:
      return alpha ? TF_COLOR_ALPHA : TF_COLOR_TRUE;
  }
}

// One decoded row into the delivered layout: B, G, R, A to R, G, B; 2-bit indices widened.
void ToLine(const BYTE* src, BYTE* dst, int width, int nativeBits, int lineBits) {
  if (lineBits == 24) {
    for (int x = 0; x < width; ++x, src += 4, dst += 3) {
      dst[0] = src[2];
      dst[1] = src[1];
      dst[2] = src[0];
    }
  } else if (nativeBits == 2) {
    for (int x = 0; x < width; ++x) dst[x] = BYTE((src[x / 4] >> (6 - 2 * (x % 4))) & 3);
  } else {
    memcpy(dst, src, (size_t(width) * lineBits + 7) / 8);
  }
}

}  // namespace

ComScope::ComScope() {
  HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  m_uninit = SUCCEEDED(hr);  // RPC_E_CHANGED_MODE: COM is already up another way
}

ComScope::~ComScope() {
  if (m_uninit) CoUninitialize();
}

bool WicImage::Open(const char* path) {
  WCHAR wide[MAX_PATH];
  if (!path || !MultiByteToWideChar(CP_ACP, 0, path, -1, wide, MAX_PATH)) return false;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                              (void**)m_factory.GetAddressOf())))
    return false;
  if (FAILED(m_factory->CreateDecoderFromFilename(wide, nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                                  &m_decoder)))
    return false;
  GUID container;
  UINT frames = 0, w = 0, h = 0;
  if (FAILED(m_decoder->GetContainerFormat(&container)) || FAILED(m_decoder->GetFrameCount(&frames)) || frames == 0 ||
      FAILED(m_decoder->GetFrame(0, &m_frame)) || FAILED(m_frame->GetSize(&w, &h)) || w == 0 || h == 0 || w > 65535 ||
      h > 65535 || FAILED(m_frame->GetPixelFormat(&m_pixelFormat)))
    return false;
  ImageFacts& f = m_facts;
  f.format = FormatId(container);
  f.frames = int(frames);
  f.width = int(w);
  f.height = int(h);
  if (FAILED(m_frame->GetResolution(&f.dpiX, &f.dpiY))) f.dpiX = f.dpiY = 0;

  UINT bits = 0;
  ComPtr<IWICComponentInfo> info;
  ComPtr<IWICPixelFormatInfo> pf;
  if (SUCCEEDED(m_factory->CreateComponentInfo(m_pixelFormat, &info)) &&
      SUCCEEDED(info->QueryInterface(IID_IWICPixelFormatInfo, (void**)pf.GetAddressOf())))
    pf->GetBitsPerPixel(&bits);
  if (bits == 0) return false;
  bool gray = IsGray(m_pixelFormat), paletted = gray || IsIndexed(m_pixelFormat);
  // Palette images are delivered as indices (2 bits widened to 8), all others as 24-bit colour.
  m_nativeBits = paletted ? int(bits) : 32;
  f.lineBits = paletted ? (bits == 2 ? 8 : int(bits)) : 24;
  f.storedBits = paletted ? f.lineBits : StoredBits(int(bits));
  f.colorType = ColorType(f.storedBits, gray, HasAlpha(m_pixelFormat));
  return !paletted || ReadPalette(m_pixelFormat);
}

bool WicImage::ReadPalette(WICPixelFormatGUID fmt) {
  std::vector<COLORREF>& pal = m_facts.palette;
  if (IsGray(fmt)) {
    int n = fmt == GUID_WICPixelFormatBlackWhite ? 2
            : fmt == GUID_WICPixelFormat2bppGray ? 4
            : fmt == GUID_WICPixelFormat4bppGray ? 16
                                                 : 256;
    for (int i = 0; i < n; ++i) {
      int v = i * 255 / (n - 1);
      pal.push_back(RGB(v, v, v));
    }
    return true;
  }
  ComPtr<IWICPalette> wp;
  if (FAILED(m_factory->CreatePalette(&wp))) return false;
  UINT count = 0;
  WICColor colors[256];
  bool ok = (SUCCEEDED(m_frame->CopyPalette(wp.Get())) || SUCCEEDED(m_decoder->CopyPalette(wp.Get()))) &&
            SUCCEEDED(wp->GetColors(256, colors, &count)) && count > 0;
  for (UINT i = 0; ok && i < count; ++i)
    pal.push_back(RGB((colors[i] >> 16) & 255, (colors[i] >> 8) & 255, colors[i] & 255));
  return ok;
}

ComPtr<IWICBitmapSource> WicImage::LineSource() {
  ComPtr<IWICBitmapSource> src;
  if (m_facts.lineBits != 24) return m_frame;
  // 32-bit BGRA is the target every decoder's format converts to.
  if (FAILED(WICConvertBitmapSource(GUID_WICPixelFormat32bppBGRA, m_frame.Get(), &src))) return nullptr;
  return src;
}

bool WicImage::ReadRows(const WICRect& rc, bool bottomUp, const std::function<bool(int, unsigned char*)>& sink) {
  ComPtr<IWICBitmapSource> src = LineSource();
  if (!src) return false;
  int nativeBits = m_nativeBits;
  bool ok = true;
  try {
    std::vector<BYTE> native((size_t(rc.Width) * nativeBits + 7) / 8 + 4);
    std::vector<BYTE> line((size_t(rc.Width) * m_facts.lineBits + 7) / 8 + 4);
    for (int i = 0; ok && i < rc.Height; ++i) {
      int row = bottomUp ? rc.Y + rc.Height - 1 - i : rc.Y + i;
      WICRect one = {rc.X, row, rc.Width, 1};
      ok = SUCCEEDED(src->CopyPixels(&one, UINT(native.size()), UINT(native.size()), native.data()));
      if (ok) {
        ToLine(native.data(), line.data(), rc.Width, nativeBits, m_facts.lineBits);
        ok = sink(row, line.data());
      }
    }
  } catch (const std::bad_alloc&) {
    ok = false;
  }
  return ok;
}

bool WicImage::CheckDecodes() {
  WICRect last = {0, m_facts.height - 1, m_facts.width, 1};
  return ReadRows(last, false, [](int, unsigned char*) { return true; });
}

}  // namespace tf
