#include "PictureFile.h"
#include <wincodec.h>

bool Decode(const std::string& path, Picture& pic) {
  std::wstring wpath(path.begin(), path.end());
  IWICImagingFactory* factory = NULL;
  IWICBitmapDecoder* decoder = NULL;
  IWICBitmapFrameDecode* frame = NULL;
  IWICFormatConverter* converter = NULL;
  bool ok = SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, NULL, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                       (void**)&factory)) &&
            SUCCEEDED(factory->CreateDecoderFromFilename(wpath.c_str(), NULL, GENERIC_READ,
                                                         WICDecodeMetadataCacheOnDemand, &decoder)) &&
            SUCCEEDED(decoder->GetFrame(0, &frame)) && SUCCEEDED(frame->GetSize(&pic.width, &pic.height)) &&
            SUCCEEDED(factory->CreateFormatConverter(&converter)) &&
            SUCCEEDED(converter->Initialize(frame, GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, NULL, 0,
                                            WICBitmapPaletteTypeCustom));
  if (ok) {
    pic.bits.resize((size_t)pic.width * pic.height);
    ok = SUCCEEDED(converter->CopyPixels(NULL, pic.width * 4, (UINT)pic.bits.size() * 4, (BYTE*)pic.bits.data()));
  }
  if (converter) converter->Release();
  if (frame) frame->Release();
  if (decoder) decoder->Release();
  if (factory) factory->Release();
  return ok;
}
