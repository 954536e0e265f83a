// The Texture Library dialog run by a texture box: it opens on the box's texture, reports the
// clicked one in m_nSel, and only OK changes the box, which repaints and sends 0x131.
#include "TextureFixture.h"
#include "ModalDriver.h"
#include "TestApp.h"

using namespace ostrel_test;
using namespace texture_test;

namespace {

// The one item selected in the texture type, -1 for none or several.
int SelectedItem(CIIList* pList) {
  CIIList::iteratorTypeSelect it(pList, 1);
  it.First();
  return pList->TypeGetSelectCount(1) == 1 ? *it.CurrentItem() : -1;
}

TEST_F(TextureBoxTest, OpensOnTheBoxTextureAndOkTakesTheClickedOne) {
  CTextureBoxes box;
  ASSERT_EQ(1, CreateBox(box, 3));
  int nAtOpening = -2, nClicked = -2;
  ASSERT_TRUE(ClickBox(box, [&](HWND h) {
    nAtOpening = SelectedItem(Dialog(h)->m_pIIList);
    ClickItem(h, 1);
    nClicked = CMTextureLibraryDlg::m_nSel;
    PressButton(h, IDOK);
  }));
  EXPECT_EQ(3, nAtOpening);
  EXPECT_EQ(1, nClicked);

  EXPECT_EQ(1, box.GetTextureOpt().nTexture);
  EXPECT_EQ(1, box.GetTextureOpt().pItem->m_nItem);
  const auto changes = m_parent.Of(TXTBOX_TEXTURECHANGE);
  ASSERT_EQ(1u, changes.size());
  EXPECT_EQ((WPARAM)kBoxId, changes[0].wParam);
  EXPECT_EQ((LPARAM)&box.m_txtur, changes[0].lParam);
  EXPECT_TRUE(std::string((const char*)&box.m_txtur, sizeof box.m_txtur) == changes[0].payload)
      << "sent after the change";
  EXPECT_TRUE(ShowsTexture(box, 1, kInside)) << "repainted with the new texture";
}

TEST_F(TextureBoxTest, CancelDoubleClicksAndHelpLeaveTheBoxAlone) {
  CTextureBoxes box;
  ASSERT_EQ(1, CreateBox(box, 2));
  ASSERT_TRUE(ClickBox(box, [](HWND h) {
    ClickItem(h, 4);
    PressButton(h, IDCANCEL);
  }));
  EXPECT_EQ(4, CMTextureLibraryDlg::m_nSel);
  EXPECT_EQ(2, box.GetTextureOpt().nTexture);
  EXPECT_TRUE(m_parent.Of(TXTBOX_TEXTURECHANGE).empty());
  EXPECT_TRUE(ShowsTexture(box, 2, kInside));

  // The box sets m_nSel to its own texture before every opening. Double clicks and Help do not
  // close the dialog.
  int nAtOpening = -2;
  BOOL bOpenAfterDoubleClick = FALSE, bOpenAfterHelp = FALSE;
  AfxGetApp()->m_dwLastHelpContext = 0;
  ASSERT_TRUE(ClickBox(box, [&](HWND h) {
    nAtOpening = SelectedItem(Dialog(h)->m_pIIList);
    ClickItem(h, 3, WM_LBUTTONDBLCLK);
    PumpMessages();
    bOpenAfterDoubleClick = Dialog(h)->m_bModalRunning;
    PressButton(h, 3168);
    PumpMessages();
    bOpenAfterHelp = Dialog(h)->m_bModalRunning;
    PressButton(h, IDCANCEL);
  }));
  EXPECT_EQ(2, nAtOpening);
  EXPECT_TRUE(bOpenAfterDoubleClick);
  EXPECT_TRUE(bOpenAfterHelp);
  EXPECT_EQ((DWORD_PTR)225, AfxGetApp()->m_dwLastHelpContext);
  EXPECT_EQ((UINT)HELP_CONTEXT, AfxGetApp()->m_nLastHelpCommand);
  EXPECT_EQ(2, box.GetTextureOpt().nTexture);
  EXPECT_TRUE(m_parent.Of(TXTBOX_TEXTURECHANGE).empty());
}

}  // namespace
