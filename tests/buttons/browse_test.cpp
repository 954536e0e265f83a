// The browse button and CVexROD over their registry history.
#include <gtest/gtest.h>
#include <Ostrel.h>
#include <functional>
#include <string>
#include <vector>
#include "ButtonFixture.h"
#include "ShownMenu.h"
#include "TestApp.h"
#include "TestProfile.h"

using namespace ostrel_test;

namespace {

class BrowseTest : public ButtonFixture {
 protected:
  // Bitmap 493 is found through the framework's resource search: the host puts its button-bitmap
  // module into the resource chain.
  static void SetUpTestSuite() {
    static AFX_EXTENSION_MODULE s_module = {};
    if (!s_module.bInitialized && AfxInitExtensionModule(s_module, InstallButtonBitmaps()))
      new CDynLinkLibrary(s_module);
  }
  void SetUp() override {
    for (UINT message : {BROWSEBTN_FOLDER, BROWSEBTN_BROWSE})
      m_parent.CopyPayload(message, [](LPARAM l) { return std::string((const char*)l); });
  }
  void Make(CBrowseBtn& button, const char* pszSection, const char* pszFolder) {
    Item(301);
    ASSERT_TRUE(button.Create(pszSection, pszFolder, &m_parent, 301));
  }
  // "text=command" of the shown menu's items; item nPos is chosen (-1: none) and the parent heard.
  std::vector<std::string> Choose(const std::function<void()>& open, int nPos, UINT nAwaited = 0) {
    ShownMenu shown = WhileMenuShown(open, nPos);
    EXPECT_FALSE(shown.timedOut);
    if (nAwaited != 0) {
      EXPECT_TRUE(PumpUntil([&] { return !m_parent.Of(nAwaited).empty(); }));
    }
    std::vector<std::string> texts;
    for (const ShownMenuItem& item : shown.items) texts.push_back(item.text + "=" + std::to_string(item.id));
    return texts;
  }
  static std::function<void()> Press(CWnd& button) {
    return [&button] { button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3)); };
  }

  TestProfile m_profile;
};

TEST(FolderPaths, SlashRuleAndMenuNames) {
  const char* slashes[][2] = {{"C:", "C:\\"}, {"C:\\", "C:\\"}, {"C:\\Photos\\", "C:\\Photos"}, {"", ""}};
  for (auto& c : slashes) {
    char path[MAX_PATH];
    myRemoveSlash(strcpy(path, c[0]));
    EXPECT_STREQ(c[1], path) << c[0];
  }
  myRemoveSlash(NULL);

  const char* names[][2] = {
      {"C:\\Photos\\2002\\Summer\\Holiday\\Beach", "C:\\Photos\\...\\Holiday\\Beach"},
      {"C:\\Documents and Settings\\user\\My Documents\\Pictures\\2002", "2002"},  // no room for "\..."
      {"\\\\server\\share\\projects\\2002\\summer\\final", "\\\\server\\share\\...\\final"},
      {"C:\\R&D", "C:\\R&&D"}};
  CVexROD rod;
  for (auto& c : names) {
    char path[MAX_PATH];
    rod.GetMenuDisplayName(strcpy(path, c[0]));
    EXPECT_STREQ(c[1], path) << c[0];
  }
}

TEST_F(BrowseTest, FirstUseOffersTheGivenFolderAndTellsTheParentTheChoice) {
  CBrowseBtn button;
  Make(button, "Browse", "C:\\Start\\");
  EXPECT_EQ((std::vector<std::string>{"&Browse for Folder...=100", "=101", "&1 C:\\Start=102"}),
            Choose(Press(button), 2, BROWSEBTN_FOLDER));
  Choose(Press(button), 0, BROWSEBTN_BROWSE);
  ASSERT_EQ(1u, m_parent.Of(BROWSEBTN_FOLDER).size());
  ASSERT_EQ(1u, m_parent.Of(BROWSEBTN_BROWSE).size());
  EXPECT_EQ(301u, m_parent.Of(BROWSEBTN_FOLDER)[0].wParam);
  EXPECT_EQ("C:\\Start", m_parent.Of(BROWSEBTN_FOLDER)[0].payload);
  EXPECT_EQ(301u, m_parent.Of(BROWSEBTN_BROWSE)[0].wParam);
  EXPECT_EQ("", m_parent.Of(BROWSEBTN_BROWSE)[0].payload);
  EXPECT_TRUE(m_parent.Commands(BN_PUSHED).empty());
}

TEST_F(BrowseTest, HistoryCarriesOverToTheNextButtonLife) {
  {
    CBrowseBtn first;
    Make(first, "Hist", "C:\\Start");
    for (int i = 1; i <= 9; ++i) first.AddRecentFolder(("D:\\F" + std::to_string(i)).c_str());
    first.AddRecentFolder("d:\\f3\\");   // the same folder again: moves to the top as now written
    first.AddRecentFolder("E:\\Tenth");  // the tenth distinct folder pushes out the oldest
    EXPECT_FALSE(first.AddRecentFolder(std::string(MAX_PATH, 'x').c_str()));
    EXPECT_TRUE(first.RemoveInvalidFolder("D:\\F5\\"));
    EXPECT_TRUE(first.RemoveInvalidFolder("Z:\\Never"));
    CString newest;
    EXPECT_TRUE(first.GetRecentFolder(&newest));
    EXPECT_STREQ("E:\\Tenth", newest);
    first.DestroyWindow();
  }
  EXPECT_EQ("dword:0", TestProfile::Get("Hist", "Ver30"));
  EXPECT_EQ("dword:8", TestProfile::Get("Hist", "Total"));
  EXPECT_EQ("sz:d:\\f3", TestProfile::Get("Hist", "Folder1"));

  CBrowseBtn second;
  Make(second, "Hist", "C:\\Ignored");
  std::vector<std::string> texts = Choose(Press(second), -1);
  EXPECT_EQ((std::vector<std::string>{"&Browse for Folder...=100", "=101", "&1 E:\\Tenth=102", "&2 d:\\f3=103",
                                      "&3 D:\\F9=104", "&4 D:\\F8=105", "&5 D:\\F7=106", "&6 D:\\F6=107",
                                      "&7 D:\\F4=108", "&8 D:\\F2=109"}),
            texts);
}

TEST_F(BrowseTest, VexRODKeepsItsOwnListAndItsOwnerHearsTheChoice) {
  CVexROD rod;
  EXPECT_FALSE(rod.Init(NULL, "Rod", "C:\\Init"));
  ASSERT_TRUE(rod.Init(&m_parent, "Rod", "C:\\Init\\"));
  rod.AddROD("C:\\Second");
  ASSERT_TRUE(rod.WriteToRegKey());
  EXPECT_EQ("dword:0", TestProfile::Get("Rod", "Ver20"));
  EXPECT_EQ("none", TestProfile::Get("Rod", "Ver30"));

  CVexROD again;
  ASSERT_TRUE(again.Init(&m_parent, "Rod", "C:\\Other"));
  EXPECT_EQ((std::vector<std::string>{"&1 C:\\Second=100", "&2 C:\\Init=101"}),
            Choose([&] { again.OnROD(); }, 1, WM_COMMAND));
  EXPECT_EQ(101u, LOWORD(m_parent.Of(WM_COMMAND)[0].wParam));
  EXPECT_STREQ("C:\\Init", again.GetSelection(101));
}

// Values beyond "Total", empty, repeated, over-long or not text are passed over; a marker other than 0: no list.
TEST_F(BrowseTest, DamagedRegistryValuesArePassedOver) {
  ASSERT_TRUE(TestProfile::SetDword("Rod", "Ver20", 0));
  ASSERT_TRUE(TestProfile::SetDword("Rod", "Total", 40));
  const std::string values[] = {"A:\\One",   "a:\\one\\", std::string(1, '\0'), "", "B:\\" + std::string(300, 'y'),
                                "A:\\Beyond"};
  for (int k = 0; k < 6; ++k) {
    std::string name = "Folder" + std::to_string(k);
    ASSERT_TRUE(k == 3 ? TestProfile::SetDword("Rod", name.c_str(), 5)
                       : TestProfile::Set("Rod", name.c_str(), REG_SZ, values[k]));
  }
  CVexROD rod;
  ASSERT_TRUE(rod.Init(&m_parent, "Rod", "C:\\Init"));
  EXPECT_STREQ("A:\\One", rod.GetSelection(100));
  EXPECT_STREQ("A:\\Beyond", rod.GetSelection(101));
  EXPECT_STREQ("", rod.GetSelection(102));

  ASSERT_TRUE(TestProfile::SetDword("Rod", "Total", 0xFFFFFFFF));
  rod.ReadFromRegKey();
  EXPECT_STREQ("", rod.GetSelection(100));
  ASSERT_TRUE(TestProfile::SetDword("Rod", "Ver20", 1));
  rod.ReadFromRegKey();
  EXPECT_STREQ("C:\\Init", rod.GetSelection(100));
  EXPECT_STREQ("", rod.GetSelection(101));
}

}  // namespace
