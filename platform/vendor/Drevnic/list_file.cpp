// The list file format (see Drevnic.h): writer, and a reader that trusts nothing it reads.
#include "list_file.h"

#include <limits.h>
#include <string.h>

#include <array>
#include <cstdint>
#include <set>

#include "list_settings.h"

namespace {

const unsigned char kMagic[8] = {'D', 'R', 'V', 'N', 'I', 'I', 'L', 0x1A};
const unsigned long kVersion = 1;
const int kSettingWords = sizeof(_IIOData) / 4;
const unsigned long kFlagPicture = 1, kFlagPalette = 2, kFlagData = 4;
const int kMaxItems = 1000000;
static_assert(sizeof(_IIOData) == 96, "settings record is 24 words");

class Writer {
 public:
  explicit Writer(size_t nExpected) { m_bytes.reserve(nExpected); }
  void Word(unsigned long v) {
    const unsigned char b[4] = {(unsigned char)v, (unsigned char)(v >> 8), (unsigned char)(v >> 16),
                                (unsigned char)(v >> 24)};
    Bytes(b, 4);
  }
  void Bytes(const void* p, size_t n) {
    const unsigned char* b = (const unsigned char*)p;
    m_bytes.insert(m_bytes.end(), b, b + n);
  }
  void Ids(const std::vector<int>& ids) {
    Word((unsigned long)ids.size());
    for (int id : ids) Word((unsigned long)id);
  }
  std::vector<unsigned char>& Result() { return m_bytes; }

 private:
  std::vector<unsigned char> m_bytes;
};

// Reads from a bounded range; every read fails once the bytes run out.
class Reader {
 public:
  Reader(const unsigned char* p, size_t n) : m_p(p), m_left(n) {}
  bool Word(unsigned long& v) {
    if (m_left < 4) return false;
    v = m_p[0] | (m_p[1] << 8) | (m_p[2] << 16) | ((unsigned long)m_p[3] << 24);
    Skip(4);
    return true;
  }
  bool Int(int& v, long long lo, long long hi) {
    unsigned long w;
    if (!Word(w)) return false;
    v = (int)w;
    return v >= lo && v <= hi;
  }
  bool Bytes(void* pOut, size_t n) {
    if (m_left < n) return false;
    memcpy(pOut, m_p, n);
    Skip(n);
    return true;
  }
  // A count of entries of at least nMinBytes each that the bytes left can still hold.
  bool Count(int& n, int nMax, size_t nMinBytes) { return Int(n, 0, nMax) && (size_t)n <= m_left / nMinBytes; }
  bool Ids(std::vector<int>& ids) {
    int n;
    if (!Count(n, kMaxItems, 4)) return false;
    ids.resize(n);
    for (int& id : ids)
      if (!Int(id, 0, INT_MAX)) return false;
    return true;
  }
  size_t Left() const { return m_left; }

 private:
  void Skip(size_t n) {
    m_p += n;
    m_left -= n;
  }
  const unsigned char* m_p;
  size_t m_left;
};

void WriteItem(Writer& w, const IIFileItem& item) {
  w.Word((unsigned long)item.nId);
  w.Word((item.bPicture ? kFlagPicture : 0) | (item.palette.empty() ? 0 : kFlagPalette) | (item.bData ? kFlagData : 0));
  w.Word((unsigned long)item.strName.size());
  w.Bytes(item.strName.data(), item.strName.size());
  if (item.bPicture) {
    w.Word(item.picture.nBits);
    w.Word(item.picture.nWidth);
    w.Word(item.picture.nHeight);
    w.Bytes(item.picture.pixels.data(), item.picture.pixels.size());
  }
  if (!item.palette.empty()) {
    w.Word((unsigned long)item.palette.size());
    w.Bytes(item.palette.data(), item.palette.size() * sizeof(PALETTEENTRY));
  }
  if (item.bData) {
    w.Word((unsigned long)item.data.size());
    w.Bytes(item.data.data(), item.data.size());
  }
}

bool ReadItem(Reader& r, IIFileItem& item) {
  unsigned long flags;
  int nName;
  if (!r.Int(item.nId, 0, INT_MAX - 1) || !r.Word(flags) || flags > 7 || !r.Int(nName, 0, 259)) return false;
  item.strName.resize(nName);
  if (!r.Bytes(&item.strName[0], nName) || item.strName.find('\0') != std::string::npos) return false;
  item.bPicture = (flags & kFlagPicture) != 0;
  if (item.bPicture) {
    IIFilePicture& pic = item.picture;
    if (!r.Int(pic.nBits, 1, 32) || !r.Int(pic.nWidth, 1, 32768) || !r.Int(pic.nHeight, 1, 32768)) return false;
    unsigned long long n = IIPictureBytes(pic.nBits, pic.nWidth, pic.nHeight);
    if (n == 0 || n > r.Left()) return false;
    pic.pixels.resize((size_t)n);
    r.Bytes(pic.pixels.data(), (size_t)n);
  }
  if (flags & kFlagPalette) {
    int n;
    if (!r.Int(n, 1, 256)) return false;
    item.palette.resize(n);
    if (!r.Bytes(item.palette.data(), n * sizeof(PALETTEENTRY))) return false;
  }
  item.bData = (flags & kFlagData) != 0;
  if (item.bData) {
    int n;
    if (!r.Int(n, 1, IIFILE_MAX_BLOCK) || (size_t)n > r.Left()) return false;
    item.data.resize(n);
    r.Bytes(item.data.data(), n);
  }
  return true;
}

bool ReadType(Reader& r, IIFileType& type, const std::set<int>& ids, const _IIOData& opt) {
  if (!r.Int(type.nType, 0, opt.nMaxTypeNum - 1) || !r.Ids(type.order) || !r.Ids(type.selected)) return false;
  std::set<int> members;
  for (int id : type.order)
    if (!ids.count(id) || !members.insert(id).second) return false;
  std::set<int> selected;
  for (int id : type.selected)
    if (!members.count(id) || !selected.insert(id).second) return false;
  return IISelectionFits(opt, selected.size());
}

}  // namespace

unsigned long long IIPictureBytes(int nBits, int nWidth, int nHeight) {
  if (nBits != 1 && nBits != 4 && nBits != 8 && nBits != 24 && nBits != 32) return 0;
  if (nWidth < 1 || nWidth > 32768 || nHeight < 1 || nHeight > 32768) return 0;
  return ((unsigned long long)nWidth * nBits + 7) / 8 * nHeight;
}

// Eight tables: table k gives the CRC of a byte followed by k zero bytes, so eight bytes are taken
// in one step.
typedef std::array<std::array<uint32_t, 256>, 8> CrcTables;

static CrcTables MakeCrcTables() {
  CrcTables t;
  for (uint32_t i = 0; i < 256; i++) {
    uint32_t c = i;
    for (int k = 0; k < 8; k++) c = (c & 1) ? 0xEDB88320UL ^ (c >> 1) : c >> 1;
    t[0][i] = c;
  }
  for (int k = 1; k < 8; k++)
    for (int i = 0; i < 256; i++) t[k][i] = (t[k - 1][i] >> 8) ^ t[0][t[k - 1][i] & 0xFF];
  return t;
}

unsigned long IICrc32(const unsigned char* p, size_t n) {
  static const CrcTables t = MakeCrcTables();
  uint32_t crc = 0xFFFFFFFFUL;
  for (; n >= 8; p += 8, n -= 8) {
    const uint32_t lo = crc ^ (p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24);
    const uint32_t hi = p[4] | p[5] << 8 | p[6] << 16 | uint32_t(p[7]) << 24;
    crc = t[7][lo & 0xFF] ^ t[6][(lo >> 8) & 0xFF] ^ t[5][(lo >> 16) & 0xFF] ^ t[4][lo >> 24] ^ t[3][hi & 0xFF] ^
          t[2][(hi >> 8) & 0xFF] ^ t[1][(hi >> 16) & 0xFF] ^ t[0][hi >> 24];
  }
  for (; n > 0; p++, n--) crc = t[0][(crc ^ *p) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFUL;
}

std::vector<unsigned char> IIFileWrite(const IIFileImage& image) {
  size_t nExpected = sizeof kMagic + 4 * (kSettingWords + 5);
  for (const IIFileItem& item : image.items)
    nExpected += 32 + item.strName.size() + item.picture.pixels.size() + item.palette.size() * 4 + item.data.size();
  for (const IIFileType& type : image.types) nExpected += 12 + 4 * (type.order.size() + type.selected.size());
  Writer w(nExpected);
  w.Bytes(kMagic, sizeof kMagic);
  w.Word(kVersion);
  const int* pWords = (const int*)&image.settings;
  for (int i = 0; i < kSettingWords; i++) w.Word((unsigned long)pWords[i]);
  w.Word((unsigned long)image.items.size());
  w.Word((unsigned long)image.types.size());
  for (const IIFileItem& item : image.items) WriteItem(w, item);
  for (const IIFileType& type : image.types) {
    w.Word((unsigned long)type.nType);
    w.Ids(type.order);
    w.Ids(type.selected);
  }
  std::vector<unsigned char>& bytes = w.Result();
  w.Word(IICrc32(bytes.data(), bytes.size()));
  return std::move(bytes);
}

bool IIFileRead(const unsigned char* pBytes, size_t nBytes, IIFileImage& image) {
  if (pBytes == NULL || nBytes < sizeof kMagic + 4 || nBytes > IIFILE_MAX_BYTES) return false;
  if (memcmp(pBytes, kMagic, sizeof kMagic) != 0) return false;
  const size_t nBody = nBytes - 4;
  Reader trailer(pBytes + nBody, 4);
  unsigned long crc;
  if (!trailer.Word(crc) || crc != IICrc32(pBytes, nBody)) return false;

  Reader r(pBytes + sizeof kMagic, nBody - sizeof kMagic);
  unsigned long version;
  if (!r.Word(version) || version != kVersion) return false;
  int* pWords = (int*)&image.settings;
  for (int i = 0; i < kSettingWords; i++)
    if (!r.Int(pWords[i], INT_MIN, INT_MAX)) return false;
  if (!IIValidSettings(image.settings)) return false;

  int nItems, nTypes;
  if (!r.Count(nItems, kMaxItems, 12) || !r.Count(nTypes, image.settings.nMaxTypeNum, 12)) return false;
  image.items.assign(nItems, IIFileItem());
  std::set<int> ids;
  for (IIFileItem& item : image.items)
    if (!ReadItem(r, item) || !ids.insert(item.nId).second) return false;
  image.types.assign(nTypes, IIFileType());
  std::set<int> typeNumbers;
  for (IIFileType& type : image.types)
    if (!ReadType(r, type, ids, image.settings) || !typeNumbers.insert(type.nType).second) return false;
  return r.Left() == 0;
}
