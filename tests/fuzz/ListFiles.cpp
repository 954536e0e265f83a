#include "ListFiles.h"
#include "Corpus.h"
#include "TestApp.h"
#include "list_file.h"

namespace fuzz {

void FixListCrc(std::string& bytes) {
  if (bytes.size() < 4) return;
  const unsigned long crc = Crc32(bytes, 0, bytes.size() - 4);
  for (int i = 0; i < 4; i++) bytes[bytes.size() - 4 + i] = (char)(crc >> (8 * i));
}

std::vector<size_t> ListFields(const std::string& bytes) {
  IIFileImage image;
  if (!IIFileRead((const unsigned char*)bytes.data(), bytes.size(), image)) return {};
  std::vector<size_t> fields;
  size_t nAt = 12;                                             // magic and version
  for (int i = 0; i < 26; i++) fields.push_back(nAt + 4 * i);  // settings, item and type counts
  nAt += 26 * 4;
  for (const IIFileItem& item : image.items) {
    fields.insert(fields.end(), {nAt, nAt + 4, nAt + 8});  // id, flags, name length
    nAt += 12 + item.strName.size();
    if (item.bPicture) {
      fields.insert(fields.end(), {nAt, nAt + 4, nAt + 8});  // bits, width, height
      nAt += 12 + item.picture.pixels.size();
    }
    if (!item.palette.empty()) {
      fields.push_back(nAt);
      nAt += 4 + item.palette.size() * sizeof(PALETTEENTRY);
    }
    if (item.bData) {
      for (size_t n = 0; n <= item.data.size(); n += 4) fields.push_back(nAt + n);  // size, then the block
      nAt += 4 + item.data.size();
    }
  }
  for (const IIFileType& type : image.types) {
    fields.insert(fields.end(), {nAt, nAt + 4, nAt + 8 + 4 * type.order.size()});  // number and counts
    nAt += 12 + 4 * (type.order.size() + type.selected.size());
  }
  return fields;
}

std::vector<Input> ListCorpus(const std::string& seed, int nCount, unsigned nSeed) {
  const size_t kHeadFields = 26 + 3 + 3;  // settings and counts, the first item's head and picture
  std::vector<size_t> fields = ListFields(seed);
  std::vector<Input> inputs = SeededCorpus(seed, nCount, nSeed, FixListCrc, fields);
  fields.resize(std::min(fields.size(), kHeadFields));
  for (Input& in : ExtremeFields(seed, fields, FixListCrc)) inputs.push_back(std::move(in));
  return inputs;
}

void ShowList(CIIList& list) {
  CIIListWindow wnd;
  if (!wnd.Create(T32IIO_CLASSNAME, NULL, WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL, CRect(0, 0, 300, 120),
                  ostrel_test::MainWnd(), 1))
    return;
  wnd.AttachIIList(&list);
  wnd.UpdateWindow();
  wnd.SendMessage(WM_HSCROLL, SB_PAGERIGHT);
  wnd.SendMessage(WM_VSCROLL, SB_PAGEDOWN);
  wnd.UpdateWindow();
  wnd.DetachIIList();
  wnd.DestroyWindow();
}

}  // namespace fuzz
