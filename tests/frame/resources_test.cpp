// The library's resources: string texts, picture sizes, and the dialog templates read back item by item.
#include <gtest/gtest.h>
#include <Ostrel.h>
#include <string>
#include <vector>

namespace {

TEST(Resources, StringTable) {
  struct {
    UINT id;
    const char* text;
  } strings[] = {
      {1, "Helvetica"},
      {2, "700"},
      {3, "14"},
      {4, "1"},
      {5, "Helvetica"},
      {6, "700"},
      {7, "15"},
      {8, "1"},
      {9, "Arial"},
      {10, "9"},
      {11, "Helvetica, 15, 34, B, 1"},
      {8121, "Select a template first."},
      {8400, "Please select a template first."},
      {8401, "The template will be deleted. Do you want to continue?"},
      {8567, "Are you sure you want to delete the template?"},
      {8573, "Cannot delete the last template."},
      {16206, "Error in creating a Footstep button."},
      {16259, "Failed to initialize texture."},
      {16267, "The required library cannot be found."},
      {17527, "&Browse for Folder..."},
      {17528, "Error in modifying the Footstep button."},
  };
  for (const auto& s : strings) {
    char text[256] = "";
    LoadStringA(_ClrBoxInst, s.id, text, sizeof text);
    EXPECT_STREQ(s.text, text) << "string " << s.id;
  }
  char sample[256] = "";
  EXPECT_GT(LoadStringA(_ClrBoxInst, 16205, sample, sizeof sample), 0) << "texture sample path";
}

TEST(Resources, Pictures) {
  struct {
    UINT id;
    int width, height;
  } bitmaps[] = {{101, 84, 84},    {102, 8, 8},    {16, 144, 16},  {22020, 8, 23}, {22021, 8, 23},
                 {22022, 328, 36}, {22026, 8, 44}, {1023, 30, 30}, {1024, 2, 16}};
  for (const auto& b : bitmaps) {
    HBITMAP hbm = LoadBitmapA(_ClrBoxInst, MAKEINTRESOURCEA(b.id));
    ASSERT_NE((HBITMAP)NULL, hbm) << "bitmap " << b.id;
    BITMAP bm;
    GetObjectA(hbm, sizeof bm, &bm);
    EXPECT_EQ(b.width, bm.bmWidth) << b.id;
    EXPECT_EQ(b.height, bm.bmHeight) << b.id;
    DeleteObject(hbm);
  }
  EXPECT_NE((HCURSOR)NULL, LoadCursorA(_ClrBoxInst, MAKEINTRESOURCEA(1027)));
}

// ---------------------------------------------------------------------------------------------
// Dialog templates

struct Item {
  int id;
  std::string cls;
  std::string text;
  short x, y, cx, cy;
  DWORD style;
};

struct Dialog {
  DWORD style;
  short cx, cy;
  std::string title, face;
  WORD points;
  std::vector<Item> items;
};

// A class or title field: an ordinal (0xFFFF, n) or a zero-terminated UTF-16 string.
std::string ReadField(const WORD*& p) {
  if (*p == 0xFFFF) {
    WORD ordinal = p[1];
    p += 2;
    switch (ordinal) {
      case 0x80:
        return "BUTTON";
      case 0x81:
        return "EDIT";
      case 0x82:
        return "STATIC";
      case 0x83:
        return "LISTBOX";
      case 0x84:
        return "SCROLLBAR";
      case 0x85:
        return "COMBOBOX";
    }
    return "#" + std::to_string(ordinal);
  }
  std::string s;
  while (*p) s += (char)*p++;
  ++p;
  return s;
}

Dialog ReadDialog(UINT id) {
  Dialog d = {};
  HRSRC hRes = FindResourceA(_ClrBoxInst, MAKEINTRESOURCEA(id), (LPCSTR)RT_DIALOG);
  if (hRes == NULL) return d;
  const DLGTEMPLATE* t = (const DLGTEMPLATE*)LockResource(LoadResource(_ClrBoxInst, hRes));
  d.style = t->style;
  d.cx = t->cx;
  d.cy = t->cy;
  const WORD* p = (const WORD*)(t + 1);
  ReadField(p);  // menu
  ReadField(p);  // class
  d.title = ReadField(p);
  if (t->style & DS_SETFONT) {
    d.points = *p++;
    d.face = ReadField(p);
  }
  for (int i = 0; i < t->cdit; ++i) {
    p = (const WORD*)(((ULONG_PTR)p + 3) & ~(ULONG_PTR)3);
    const DLGITEMTEMPLATE* it = (const DLGITEMTEMPLATE*)p;
    Item item;
    item.style = it->style;
    item.x = it->x;
    item.y = it->y;
    item.cx = it->cx;
    item.cy = it->cy;
    item.id = (short)it->id;
    p = (const WORD*)(it + 1);
    item.cls = ReadField(p);
    item.text = ReadField(p);
    WORD extra = *p++;
    p = (const WORD*)((const BYTE*)p + extra);
    d.items.push_back(item);
  }
  return d;
}

void ExpectItems(const Dialog& d, const std::vector<Item>& expected) {
  ASSERT_EQ(expected.size(), d.items.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    const Item& e = expected[i];
    const Item& a = d.items[i];
    SCOPED_TRACE("item " + std::to_string(e.id) + " " + e.text);
    EXPECT_EQ(e.id, a.id);
    EXPECT_EQ(0, lstrcmpiA(e.cls.c_str(), a.cls.c_str())) << a.cls;
    EXPECT_EQ(e.text, a.text);
    EXPECT_EQ(e.x, a.x);
    EXPECT_EQ(e.y, a.y);
    EXPECT_EQ(e.cx, a.cx);
    EXPECT_EQ(e.cy, a.cy);
    if (e.style != 0) {
      EXPECT_EQ(e.style, a.style);
    }
  }
}

TEST(Resources, ColourSourcePopupTemplate) {
  Dialog d = ReadDialog(435);
  EXPECT_EQ((DWORD)(WS_POPUP | WS_VISIBLE | DS_MODALFRAME | DS_SETFONT), d.style);
  EXPECT_EQ(87, d.cx);
  EXPECT_EQ(85, d.cy);
  EXPECT_EQ("", d.title);
  EXPECT_EQ(8, d.points);
  EXPECT_EQ("MS Sans Serif", d.face);
  ExpectItems(d, {{1106, "STATIC", "  Tarvik Color Picker...", 0, 0, 86, 10, 0},
                  {1107, "STATIC", "  Windows Color Picker...", 0, 10, 86, 10, 0},
                  {1108, "STATIC", "  Eyedropper...", 0, 20, 85, 10, 0}});
}

TEST(Resources, GradientFillTemplate) {
  Dialog d = ReadDialog(370);
  EXPECT_EQ("Gradient Fill", d.title);
  EXPECT_EQ("MS Sans Serif", d.face);
  ExpectItems(d, {{1, "BUTTON", "OK", 184, 7, 50, 14, 0},
                  {2, "BUTTON", "Cancel", 184, 23, 50, 14, 0},
                  {1118, "BUTTON", "&Help", 184, 39, 50, 14, 0},
                  {1061, "TV32IconBtn", "16;0,0,16,16", 44, 7, 16, 16, 0},
                  {1062, "TV32IconBtn", "16;16,0,16,16", 62, 7, 16, 16, 0},
                  {1063, "TV32IconBtn", "16;32,0,16,16", 80, 7, 16, 16, 0},
                  {1064, "TV32IconBtn", "16;48,0,16,16", 98, 7, 16, 16, 0},
                  {1066, "STATIC", "", 44, 30, 16, 16, 0},
                  {1068, "BUTTON", "<---->", 63, 30, 32, 16, 0},
                  {1067, "STATIC", "", 98, 30, 16, 16, 0},
                  {-1, "STATIC", "Direction: ", 7, 11, 35, 8, 0},
                  {1065, "STATIC", "", 127, 7, 44, 40, 0},
                  {-1, "STATIC", "Color: ", 7, 34, 23, 8, 0},
                  {-1, "STATIC", "Color shift: ", 7, 54, 50, 8, 0},
                  {1071, "msctls_trackbar32", "Slider1", 59, 51, 116, 19, 0},
                  {1072, "STATIC", "", 8, 73, 226, 34, 0},
                  {1074, "TV32IconBtn", "16;96,0,16,16", 185, 56, 14, 14, 0},
                  {1075, "TV32IconBtn", "16;112,0,16,16", 202, 56, 14, 14, 0},
                  {1076, "TV32IconBtn", "16;128,0,16,16", 219, 56, 14, 14, 0}});
}

TEST(Resources, TextureLibraryTemplate) {
  Dialog d = ReadDialog(225);
  EXPECT_EQ(0x80C800C0u, d.style);
  EXPECT_EQ(231, d.cx);
  EXPECT_EQ(194, d.cy);
  EXPECT_EQ("Texture Library", d.title);
  ExpectItems(d, {{1, "BUTTON", "OK", 83, 175, 40, 12, 0},
                  {2, "BUTTON", "Cancel", 133, 175, 40, 12, 0},
                  {3168, "BUTTON", "&Help", 182, 175, 40, 12, 0},
                  {3169, "T32IIO_CLASS", "", 7, 7, 215, 162, 0x50830000}});
}

}  // namespace
