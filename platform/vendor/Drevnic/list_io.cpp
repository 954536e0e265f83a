// CIIList::Load and Save: the list to and from its file image, with the data-block callbacks.
#include <algorithm>
#include <new>

#include "list_file.h"
#include "list_state.h"

namespace {

bool ReadWholeFile(const char* lpszPath, std::vector<unsigned char>& bytes) {
  HANDLE hFile = CreateFileA(lpszPath, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
  if (hFile == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER size;
  bool bOk = GetFileSizeEx(hFile, &size) && size.QuadPart <= (LONGLONG)IIFILE_MAX_BYTES;
  if (bOk) {
    bytes.resize((size_t)size.QuadPart);
    DWORD nRead = 0;
    bOk = bytes.empty() || (ReadFile(hFile, bytes.data(), (DWORD)bytes.size(), &nRead, NULL) && nRead == bytes.size());
  }
  CloseHandle(hFile);
  return bOk;
}

// Writes "<path>.new" and moves it over the old file only when every byte is on disk.
bool ReplaceFile(const char* lpszPath, const std::vector<unsigned char>& bytes) {
  std::string strTemp = std::string(lpszPath) + ".new";
  HANDLE hFile = CreateFileA(strTemp.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
  if (hFile == INVALID_HANDLE_VALUE) return false;
  DWORD nWritten = 0;
  bool bOk = WriteFile(hFile, bytes.data(), (DWORD)bytes.size(), &nWritten, NULL) && nWritten == bytes.size() &&
             FlushFileBuffers(hFile);
  bOk = CloseHandle(hFile) && bOk;
  bOk = bOk && MoveFileExA(strTemp.c_str(), lpszPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!bOk) DeleteFileA(strTemp.c_str());
  return bOk;
}

// Items, types and settings of a checked image; the data blocks follow through the callbacks.
bool BuildFromImage(IIListState& s, const IIFileImage& image) {
  s.opt = image.settings;
  s.types.assign(s.opt.nMaxTypeNum, IIType());
  for (const IIFileItem& src : image.items) {
    IIItem& item = s.items[src.nId];
    item.strName = src.strName;
    if (src.bPicture && (item.hBuffer = IIMakePicture(src.picture)) == NULL) return false;
    if (!src.palette.empty() && (item.hPalette = IIMakePalette(src.palette)) == NULL) return false;
    s.nNextId = std::max(s.nNextId, src.nId + 1);
  }
  for (const IIFileType& src : image.types) {
    IIType& type = s.types[src.nType];
    type.order = src.order;
    type.members.insert(src.order.begin(), src.order.end());
    type.selected.insert(src.selected.begin(), src.selected.end());
  }
  return true;
}

}  // namespace

int CIIList::Load(const char* lpszPath) {
  IIListState& s = *m_pState;
  Destroy();
  if (lpszPath == NULL || *lpszPath == 0) return 0;
  try {
    std::vector<unsigned char> bytes;
    IIFileImage image;
    if (!ReadWholeFile(lpszPath, bytes) || !IIFileRead(bytes.data(), bytes.size(), image)) return 0;
    bytes.clear();
    const int nScroll = image.settings.nScrollPos;
    if (!BuildFromImage(s, image)) {
      Destroy();
      return 0;
    }
    for (const IIFileItem& src : image.items) {
      if (!src.bData) continue;
      std::vector<unsigned char> block(std::max<size_t>(src.data.size(), s.opt.nFixedAPIIData));
      std::copy(src.data.begin(), src.data.end(), block.begin());
      OnIIAPDataSize((int)src.data.size());
      OnIIAPDataLoadBuf(src.nId, block.data());
    }
    s.opt.nScrollPos = nScroll;
    s.ViewChanged();
    return 1;
  } catch (const std::bad_alloc&) {
    Destroy();
    return 0;
  }
}

int CIIList::Save(const char* lpszPath) {
  IIListState& s = *m_pState;
  if (lpszPath == NULL || *lpszPath == 0) return 0;
  try {
    IIFileImage image;
    image.settings = s.opt;
    image.items.reserve(s.items.size());
    for (auto& entry : s.items) {
      const int nItem = entry.first;
      image.items.emplace_back();
      IIFileItem& dst = image.items.back();
      dst.nId = nItem;
      dst.strName = entry.second.strName;
      dst.bPicture = entry.second.hBuffer != NULL;
      if (dst.bPicture && !IIReadPicture(entry.second.hBuffer, dst.picture)) return 0;
      if (entry.second.hPalette) dst.palette = IIPaletteEntries(entry.second.hPalette);
      const int nSize = OnIIAPDataSaveBuf(nItem, NULL);
      if (nSize > IIFILE_MAX_BLOCK) return 0;
      if (nSize > 0) {
        dst.bData = true;
        dst.data.assign(nSize, 0);
        OnIIAPDataSaveBuf(nItem, dst.data.data());
      }
    }
    for (size_t i = 0; i < s.types.size(); i++) {
      const IIType& type = s.types[i];
      if (type.order.empty()) continue;
      image.types.emplace_back();
      image.types.back().nType = (int)i;
      image.types.back().order = type.order;
      for (int nItem : type.order)
        if (type.selected.count(nItem)) image.types.back().selected.push_back(nItem);
    }
    return ReplaceFile(lpszPath, IIFileWrite(image)) ? 1 : 0;
  } catch (const std::bad_alloc&) {
    return 0;
  }
}
