// The text list, edited with real keyboard input.
#include <gtest/gtest.h>
#include <Ostrel.h>
#include <string>
#include "Input.h"
#include "Pixels.h"
#include "RecordingParent.h"
#include "TestApp.h"

using namespace ostrel_test;

namespace {

const int kId = 101, kWidth = 240, kRows = 7, kRow = 16;
const int kRightEdge = kWidth - 19;  // text stops where the bar starts

class ProbeTextList : public CTextList {
 public:
  CListScrollBar& Bar() { return m_scrollBar; }
  CTextLineEditor& Editor() { return m_editor; }
};

// Dispatches until the input sent so far, and the characters it made, have all been handled.
void Settle() {
  EXPECT_TRUE(PumpUntil([] { return HIWORD(GetQueueStatus(QS_ALLINPUT)) == 0; }, 3000));
}

void Keys(std::initializer_list<WORD> keys) {
  for (WORD vk : keys) InputKey(vk);
  Settle();
}

void Type(const wchar_t* text) {
  for (; *text; text++) {
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wScan = in[1].ki.wScan = *text;
    in[0].ki.dwFlags = KEYEVENTF_UNICODE;
    in[1].ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof(INPUT));
  }
  Settle();
}

class TextListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateWindowExA(0, "LISTBOX", "",
                    WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY, 10,
                    10, kWidth, kRows * kRow, m_parent.m_hWnd, (HMENU)(INT_PTR)kId, NULL, NULL);
    ASSERT_TRUE(m_list.SubclassDlgItem(kId, &m_parent));
  }
  void TearDown() override {
    if (m_list.m_hWnd != NULL) m_list.DestroyWindow();
  }
  void Fill(std::initializer_list<std::string> lines) {
    for (const std::string& line : lines) m_list.AddString(line.c_str());
  }
  void ClickLine(int nRow, int x) { SendClick(m_list.m_hWnd, x, nRow * kRow + kRow / 2); }
  std::string Line(int nItem) {
    CString text;
    m_list.GetText(nItem, text);
    return (LPCSTR)text;
  }
  // Width of the text in the list's font, measured as a host would.
  int Width(const std::string& text) {
    CClientDC dc(&m_list);
    dc.SelectObject(m_list.GetFont());
    return dc.GetTextExtent(text.data(), (int)text.size()).cx;
  }
  static POINT Caret() {
    POINT pt = {-1, -1};
    GetCaretPos(&pt);
    return pt;
  }
  int First() { return m_list.Editor().m_nFirstChar; }

  CRecordingParent m_parent{40, 40, 400, 300};
  ProbeTextList m_list;
};

TEST_F(TextListTest, TypedKeysEditTheCurrentLineInTheListBox) {
  Fill({"abcd", "second"});
  m_list.SetItemData(0, 77);
  ClickLine(0, 150);  // past the end: the caret goes to the line's end
  Keys({VK_LEFT, VK_LEFT});
  Type(L"x");
  EXPECT_EQ(Line(0), "abxcd");
  EXPECT_EQ(Caret().x, Width("abx"));
  Type(L".(");  // punctuation goes in like any other character
  EXPECT_EQ(Line(0), "abx.(cd");

  Keys({VK_HOME, VK_RIGHT, VK_BACK});
  EXPECT_EQ(Line(0), "bx.(cd");
  EXPECT_EQ(Caret().x, 0);
  Keys({VK_BACK, VK_END, VK_DELETE});  // nothing before the start, nothing after the end
  EXPECT_EQ(Line(0), "bx.(cd");
  EXPECT_EQ(Caret().x, Width("bx.(cd"));
  Keys({VK_LEFT, VK_LEFT, VK_DELETE});
  EXPECT_EQ(Line(0), "bx.(d");
  EXPECT_EQ(Caret().x, Width("bx.("));

  EXPECT_EQ(m_list.GetItemData(0), 77u);  // the host's data stays with the edited line
  EXPECT_EQ(Line(1), "second");
}

TEST_F(TextListTest, DoubleByteCharactersAreTypedAndRemovedWhole) {
  if (!IsDBCSLeadByte(0x93)) GTEST_SKIP() << "needs a double-byte ANSI code page (ctest runs this under ja_JP)";
  Fill({"abc"});
  ClickLine(0, 150);
  Type(L"\u65E5\u672C");  // two characters, four bytes in code page 932
  EXPECT_EQ(Line(0), "abc\x93\xFA\x96\x7B");
  Keys({VK_LEFT});
  EXPECT_EQ(Caret().x, Width("abc\x93\xFA"));
  Keys({VK_BACK});
  EXPECT_EQ(Line(0), "abc\x96\x7B");
  EXPECT_EQ(Caret().x, Width("abc"));
  Keys({VK_DELETE});
  EXPECT_EQ(Line(0), "abc");
}

TEST_F(TextListTest, LongLinesScrollSidewaysToKeepTheCaretInView) {
  const std::string wide(40, 'W'), huge(3000, 'M');
  Fill({"short", wide, huge});
  ClickLine(1, 2);
  for (int i = 0; i < 40; i++) InputKey(VK_RIGHT);
  Settle();
  ASSERT_GT(First(), 0);
  EXPECT_LT(Width(wide.substr(First())), kRightEdge);
  EXPECT_GE(Width(wide.substr(First() - 1)), kRightEdge);  // scrolled no further than needed
  EXPECT_EQ(Caret().x, Width(wide.substr(First())));
  Keys({VK_HOME});
  EXPECT_EQ(First(), 0);
  EXPECT_EQ(Caret().x, 0);

  ClickLine(2, 2);
  Keys({VK_END});
  Type(L"!");
  EXPECT_EQ(Line(2), huge + "!");
  EXPECT_LT(Caret().x, kRightEdge);
  EXPECT_GE(Caret().x, 0);

  ClickLine(0, Width("sh") + 1);  // another line: shown from its start, caret at the clicked character
  EXPECT_EQ(First(), 0);
  EXPECT_EQ(Caret().x, Width("sh"));
}

TEST_F(TextListTest, UpAndDownScrollOneRowAtTheEdgesAndTheBarScrollsThePaintedRows) {
  for (int i = 0; i < 10; i++) Fill({"Layer " + std::to_string(i)});
  ClickLine(0, 5);
  struct Step {
    WORD key;
    int count, cur, top;
  } steps[] = {{VK_DOWN, 6, 6, 0}, {VK_DOWN, 1, 7, 1}, {VK_DOWN, 3, 9, 4},
               {VK_DOWN, 1, 9, 4}, {VK_UP, 5, 4, 4},   {VK_UP, 1, 3, 3}};
  for (const Step& s : steps) {
    for (int i = 0; i < s.count; i++) InputKey(s.key);
    Settle();
    EXPECT_EQ(m_list.GetCurSel(), s.cur);
    EXPECT_EQ(m_list.Bar().GetPos(), s.top);
    EXPECT_EQ(Caret().x, 0);
    EXPECT_EQ(Caret().y, kRow * (s.cur - s.top));
  }
  // The bar scrolls the painted rows; the caret moves with its row, out of view.
  Type(L"z");
  SendClick(m_list.m_hWnd, kWidth - 5, kRows * kRow - 4);  // the bar's lower end zone
  EXPECT_EQ(m_list.Bar().GetPos(), 4);
  EXPECT_EQ(Caret().y, kRow * (3 - 4));
  Pixels px = ReadClient(m_list.m_hWnd);
  EXPECT_EQ(px.At(50, 6 * kRow + 4), RGB(255, 255, 200));  // items 4 to 9 fill six rows; the seventh is empty
  EXPECT_EQ(px.At(50, kRow - 1), RGB(0, 0, 0));            // each row ends in a black line
  EXPECT_NE(px.At(kWidth - 10, 50), RGB(255, 255, 200));   // the bar
}

TEST_F(TextListTest, NoCurrentLineOrNoLinesChangeNothing) {
  Fill({"one", "two"});
  m_list.SetFocus();
  Type(L"q");
  Keys({VK_BACK, VK_DELETE, VK_END, VK_RIGHT});
  EXPECT_EQ(m_list.GetCount(), 2);
  EXPECT_EQ(Line(0) + Line(1), "onetwo");
  EXPECT_EQ(m_list.SendMessage(LB_ADDSTRING, 0, (LPARAM) "three"), 1);  // not the new index
  EXPECT_EQ(m_list.GetCount(), 3);

  m_list.ResetContent();
  ClickLine(3, 5);
  Keys({VK_DOWN, VK_UP});
  Type(L"z");
  EXPECT_EQ(m_list.GetCount(), 0);
}

}  // namespace
