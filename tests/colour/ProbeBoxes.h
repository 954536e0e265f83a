// A colour box whose layout and hover state a test can read, and which counts its notifications.
#pragma once
#include <Ostrel.h>

class CProbeBoxes : public CClrBoxes {
 public:
  explicit CProbeBoxes(unsigned long color = 0x00FF0000) : CClrBoxes(color) {}
  int Type() const { return m_nType; }
  int Count() const { return m_nCount; }
  int HotCell() const { return m_nHotCell; }
  CRect Use() const { return CRect(m_rcUse); }
  CRect Cell(int i) const { return CRect(m_pCellRects[i]); }
  COLORREF Backup(int i) const { return m_pBackupColors[i]; }
  CPoint CellCentre(int i) const { return Cell(i).CenterPoint(); }
  int ColourChanges = 0;

 protected:
  void OnColorChange(unsigned long color) override {
    ColourChanges++;
    CClrBoxes::OnColorChange(color);
  }
};
