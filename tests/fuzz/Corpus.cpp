#include "Corpus.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <filesystem>
#include <random>
#include <set>
#include "TempDir.h"
#include "TestApp.h"
#include "list_file.h"

namespace fuzz {

namespace {

const unsigned long kExtremes[] = {0,       1,         2,          0x7F,       0xFF,       0xFFFF,
                                   0x10000, 0x1000000, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0xFFFFFFFE};

void PutWord(std::string& bytes, size_t nAt, unsigned long v, bool bBigEndian) {
  for (int i = 0; i < 4 && nAt + i < bytes.size(); i++) bytes[nAt + i] = (char)(v >> (8 * (bBigEndian ? 3 - i : i)));
}

// The input being loaded, named when the process dies on it.
const std::string* g_pCurrent = NULL;

LONG WINAPI NameTheInput(EXCEPTION_POINTERS* pInfo) {
  fprintf(stderr, "fault 0x%08lx while loading %s\n", pInfo->ExceptionRecord->ExceptionCode,
          g_pCurrent != NULL ? g_pCurrent->c_str() : "no input");
  fflush(stderr);
  return EXCEPTION_CONTINUE_SEARCH;
}

std::set<std::string> FolderFiles(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename().string());
  return names;
}

int EnvNumber(const char* pszName, int nDefault) {
  const char* psz = getenv(pszName);
  return psz != NULL && atoi(psz) > 0 ? atoi(psz) : nDefault;
}

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

}  // namespace

std::vector<Input> SeededCorpus(const std::string& seed, int nCount, unsigned nSeed, const Fixup& fix,
                                const std::vector<size_t>& fields) {
  std::mt19937 random(nSeed + EnvNumber("OSTREL_FUZZ_SEED", 0));
  auto below = [&](size_t n) { return n == 0 ? 0 : (size_t)(random() % n); };
  auto place = [&]() {
    const unsigned nWhere = random() % 4;
    if (nWhere < 2 && !fields.empty()) return std::min(fields[below(fields.size())] + below(4), seed.size() - 1);
    return below(nWhere == 2 ? std::min<size_t>(512, seed.size()) : seed.size());
  };
  std::vector<Input> inputs;
  nCount *= EnvNumber("OSTREL_FUZZ_SCALE", 1);
  for (int i = 0; i < nCount; i++) {
    Input in{seed, ""};
    std::string& b = in.bytes;
    const size_t nAt = place();
    switch (i % 5) {
      case 0:
        b.resize(below(b.size()));
        in.what = "cut to " + std::to_string(b.size());
        break;
      case 1:
        for (int n = 1 + (int)below(3); n > 0; n--) {
          const size_t nBit = place() * 8 + below(8);
          b[nBit / 8] ^= (char)(1 << (nBit % 8));
          in.what += "flip bit " + std::to_string(nBit) + "; ";
        }
        break;
      case 2: {
        const size_t nWordAt = random() % 2 ? nAt & ~(size_t)3 : nAt;
        const unsigned long v = kExtremes[below(sizeof kExtremes / sizeof kExtremes[0])];
        const bool bBig = random() % 2;
        PutWord(b, nWordAt, v, bBig);
        in.what = "word " + std::to_string(v) + (bBig ? " big-endian" : "") + " at " + std::to_string(nWordAt);
        break;
      }
      default: {  // a run removed or repeated
        const size_t n = 1 + below(std::min<size_t>(64, b.size() - nAt));
        if (i % 5 == 3) b.erase(nAt, n);
        if (i % 5 == 4) b.insert(nAt, b.substr(nAt, n));
        in.what = (i % 5 == 3 ? "removed " : "repeated ") + std::to_string(n) + " at " + std::to_string(nAt);
        break;
      }
    }
    if (fix && i % 5 != 0) fix(b);
    inputs.push_back(std::move(in));
  }
  return inputs;
}

void RunCorpus(const std::string& seed, const std::vector<Input>& inputs, const std::string& name, const Loader& load) {
  ostrel_test::TempDir dir;
  const std::string path = dir.Write(name, seed);
  EXPECT_TRUE(load(path)) << name << ": the good file itself is refused";
  int nTried = 0, nLoaded = 0;
  LPTOP_LEVEL_EXCEPTION_FILTER pOuter = SetUnhandledExceptionFilter(NameTheInput);
  for (const Input& in : inputs) {
    const std::string current = name + ", " + in.what;
    g_pCurrent = &current;
    dir.Write(name, in.bytes);
    const std::set<std::string> before = FolderFiles(dir.Path());
    const bool bLoaded = load(path);
    nTried++;
    nLoaded += bLoaded;
    EXPECT_EQ(in.bytes, ostrel_test::TempDir::Read(path)) << name << ", " << in.what << ": the file changed";
    EXPECT_EQ(before, FolderFiles(dir.Path())) << name << ", " << in.what << ": files came or went";
    if (::testing::Test::HasFailure()) break;
  }
  g_pCurrent = NULL;
  SetUnhandledExceptionFilter(pOuter);
  printf("%s: %d inputs, %d loaded, %d refused\n", name.c_str(), nTried, nLoaded, nTried - nLoaded);
}

unsigned long Crc32(const std::string& bytes, size_t nAt, size_t nLength) {
  return IICrc32((const unsigned char*)bytes.data() + nAt, nLength);
}

std::vector<Input> ListCorpus(const std::string& seed, int nCount, unsigned nSeed) {
  const size_t kHeadFields = 26 + 3 + 3;  // settings and counts, the first item's head and picture
  const std::vector<size_t> fields = ListFields(seed);
  std::vector<Input> inputs = SeededCorpus(seed, nCount, nSeed, FixListCrc, fields);
  for (size_t i = 0; i < std::min(fields.size(), kHeadFields); i++) {
    for (unsigned long v : kExtremes) {
      Input in{seed, "word " + std::to_string(v) + " in the field at " + std::to_string(fields[i])};
      PutWord(in.bytes, fields[i], v, false);
      FixListCrc(in.bytes);
      inputs.push_back(std::move(in));
    }
  }
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
