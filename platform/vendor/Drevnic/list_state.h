// Inside of a CIIList: items, types with their order and selection, settings and view state.
#pragma once
#include <map>
#include <set>
#include <string>
#include <unordered_set>
#include <vector>

#include "list_file.h"
#include "list_settings.h"

// Sent by the list to the window showing it when items, order, selection or settings change.
#define IIWM_LISTCHANGED (WM_USER + 0x3A1)

struct IIItem {
  std::string strName;
  HANDLE hBuffer = NULL;     // owned
  HPALETTE hPalette = NULL;  // owned
  void* pData = NULL;
  bool bOwnData = false;  // a fixed-size copy made by the list
  void Release();         // frees what the item owns
};

struct IIType {
  std::vector<int> order;
  std::unordered_set<int> members;  // the items of order, so that a look-up needs no walk
  std::set<int> selected;
};

struct IIListState {
  _IIOData opt = IIDefaultSettings();
  std::map<int, IIItem> items;  // by id
  std::vector<IIType> types = std::vector<IIType>(opt.nMaxTypeNum);
  int nNextId = 0;

  // View: the window showing the list, its keyboard focus and a drag in progress.
  HWND hWndView = NULL;
  int nFocusPos = 0;
  bool bDragArmed = false;
  POINT ptDragStart = {0, 0};

  IIItem* Find(int nItem);
  IIType* Type(int nType);
  IIType& Active() { return types[opt.nActiveType]; }
  bool SelectionFits(size_t n) const { return IISelectionFits(opt, n); }
  void RemoveItem(int nItem);  // from every type and the item map, releasing it
  void Clear();                // every item, keeping the settings
  void ViewChanged() const;    // tells the window to lay out and repaint
};

// Lets the library's own code reach a list's inside.
struct IIListAccess {
  static IIListState& Of(CIIList& list) { return *list.m_pState; }
};

// Pictures and palettes to and from their plain form; NULL / false on failure.
bool IIReadPicture(HANDLE hBuffer, IIFilePicture& pic);
HANDLE IIMakePicture(const IIFilePicture& pic);
std::vector<PALETTEENTRY> IIPaletteEntries(HPALETTE hPalette);
HPALETTE IIMakePalette(const std::vector<PALETTEENTRY>& entries);
// Copies of owned resources; NULL when the source is NULL or the copy fails.
HANDLE IICopyBuffer(HANDLE hBuffer);
HPALETTE IICopyPalette(HPALETTE hPalette);
