#include "PictureFile.h"
#include <wincodec.h>
#include <wrl/client.h>

using Microsoft::WRL::ComPtr;

bool Decode(const std::string& path, Picture& pic) {
  const HRESULT hrCom = CoInitializeEx(NULL, COINIT_APARTMENTTHREADED);
  std::wstring wpath(path.begin(), path.end());
  ComPtr<IWICImagingFactory> factory;
  ComPtr<IWICBitmapDecoder> decoder;
  ComPtr<IWICBitmapFrameDecode> frame;
  ComPtr<IWICFormatConverter> converter;
  bool ok = SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, NULL, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                       (void**)factory.GetAddressOf())) &&
            SUCCEEDED(factory->CreateDecoderFromFilename(wpath.c_str(), NULL, GENERIC_READ,
                                                         WICDecodeMetadataCacheOnDemand, &decoder)) &&
            SUCCEEDED(decoder->GetFrame(0, &frame)) && SUCCEEDED(frame->GetSize(&pic.width, &pic.height)) &&
            SUCCEEDED(factory->CreateFormatConverter(&converter)) &&
            SUCCEEDED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, NULL, 0,
                                            WICBitmapPaletteTypeCustom));
  if (ok) {
    pic.bits.resize((size_t)pic.width * pic.height);
    ok = SUCCEEDED(converter->CopyPixels(NULL, pic.width * 4, (UINT)pic.bits.size() * 4, (BYTE*)pic.bits.data()));
  }
  factory.Reset(), decoder.Reset(), frame.Reset(), converter.Reset();
  if (SUCCEEDED(hrCom)) CoUninitialize();
  return ok;
}
