#include "PngShot.h"
#include <wincodec.h>
#include <wrl/client.h>
#include <vector>

using Microsoft::WRL::ComPtr;

namespace {

// 24-bit top-down copy of a rectangle, rows padded to 4 bytes.
struct Picture24 {
  int width = 0, height = 0, stride = 0;
  std::vector<BYTE> bits;
};

// Reads rc of the window's DC, of the screen's for NULL.
bool ReadPixels(HWND hWnd, const RECT& rc, Picture24& out) {
  if (rc.right <= rc.left || rc.bottom <= rc.top) return false;
  out.width = rc.right - rc.left;
  out.height = rc.bottom - rc.top;
  out.stride = (out.width * 3 + 3) & ~3;

  BITMAPINFO bmi = {};
  bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
  bmi.bmiHeader.biWidth = out.width;
  bmi.bmiHeader.biHeight = -out.height;
  bmi.bmiHeader.biPlanes = 1;
  bmi.bmiHeader.biBitCount = 24;
  void* pBits = nullptr;
  HDC hdcWnd = ::GetDC(hWnd);
  HDC hdcMem = ::CreateCompatibleDC(hdcWnd);
  HBITMAP hbm = ::CreateDIBSection(hdcWnd, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
  bool ok = false;
  if (hdcMem != NULL && hbm != NULL) {
    HGDIOBJ hOld = ::SelectObject(hdcMem, hbm);
    ok = ::BitBlt(hdcMem, 0, 0, out.width, out.height, hdcWnd, rc.left, rc.top, SRCCOPY) != FALSE;
    ::GdiFlush();
    if (ok) out.bits.assign((BYTE*)pBits, (BYTE*)pBits + (size_t)out.stride * out.height);
    ::SelectObject(hdcMem, hOld);
  }
  if (hbm != NULL) ::DeleteObject(hbm);
  if (hdcMem != NULL) ::DeleteDC(hdcMem);
  ::ReleaseDC(hWnd, hdcWnd);
  return ok;
}

bool Check(HRESULT hr, const char* step, std::string& error) {
  if (SUCCEEDED(hr)) return true;
  char text[96];
  wsprintfA(text, "%s failed (0x%08lX)", step, (unsigned long)hr);
  error = text;
  return false;
}

bool EncodePng(const Picture24& px, const std::string& path, std::string& error) {
  std::wstring wpath(path.size() + 1, L'\0');
  wpath.resize(::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, &wpath[0], (int)wpath.size()) - 1);

  ComPtr<IWICImagingFactory> factory;
  ComPtr<IWICStream> stream;
  ComPtr<IWICBitmapEncoder> encoder;
  ComPtr<IWICBitmapFrameEncode> frame;
  if (!Check(::CoCreateInstance(CLSID_WICImagingFactory, NULL, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                (void**)factory.GetAddressOf()),
             "creating the WIC factory", error) ||
      !Check(factory->CreateStream(&stream), "creating a stream", error) ||
      !Check(stream->InitializeFromFilename(wpath.c_str(), GENERIC_WRITE), "opening the file", error) ||
      !Check(factory->CreateEncoder(GUID_ContainerFormatPng, NULL, &encoder), "creating the PNG encoder", error) ||
      !Check(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache), "starting the encoder", error) ||
      !Check(encoder->CreateNewFrame(&frame, NULL), "creating the frame", error) ||
      !Check(frame->Initialize(NULL), "starting the frame", error) ||
      !Check(frame->SetSize(px.width, px.height), "setting the size", error))
    return false;
  WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
  if (!Check(frame->SetPixelFormat(&format), "setting the pixel format", error)) return false;
  if (format != GUID_WICPixelFormat24bppBGR) {
    error = "the PNG encoder does not take 24-bit pixels";
    return false;
  }
  return Check(frame->WritePixels(px.height, px.stride, (UINT)px.bits.size(), const_cast<BYTE*>(px.bits.data())),
               "writing the pixels", error) &&
         Check(frame->Commit(), "finishing the frame", error) && Check(encoder->Commit(), "finishing the file", error);
}

}  // namespace

// Reads rc of the window's (or the screen's) DC and writes it as a PNG file.
static bool SavePixelsPng(HWND hWnd, const RECT& rc, const std::string& path, std::string& error) {
  Picture24 px;
  if (!ReadPixels(hWnd, rc, px)) {
    error = "cannot read the window's pixels";
    return false;
  }
  if (!EncodePng(px, path, error)) {
    error = path + ": " + error;
    ::DeleteFileA(path.c_str());  // no half-written picture left behind
    return false;
  }
  return true;
}

bool SaveClientPng(HWND hWnd, const std::string& path, std::string& error) {
  RECT rc = {0, 0, 0, 0};
  ::GetClientRect(hWnd, &rc);
  return SavePixelsPng(hWnd, rc, path, error);
}

bool SaveScreenPng(const RECT& rcScreen, const std::string& path, std::string& error) {
  return SavePixelsPng(NULL, rcScreen, path, error);
}
