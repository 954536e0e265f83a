// make_gradient_presets.exe: writes the host's starter presets, "Tarvik.dat\Gradient.qs4" beside
// the executable, in the preset strip's own format: two dozen gradients, each a thumbnail and its
// record. The output is the same byte for byte on every run.
#include <Ostrel.h>
#include <stdio.h>
#include <string.h>
#include <t32Base.h>
#include <string>

namespace {

// The thumbnail size of the "Gradient Fill" dialog's strip; other sizes are fitted when shown.
const int kThumbnail = 29;

struct Preset {
  COLORREF clrStart, clrEnd;
  int nDirection;
  int nColorShift;
  BOOL bSandwich;
};

const Preset kPresets[] = {
    {RGB(255, 94, 58), RGB(255, 209, 102), GRADDIR_VERTICAL, 0, FALSE},        // sunset
    {RGB(0, 62, 120), RGB(0, 180, 216), GRADDIR_VERTICAL, 0, FALSE},           // ocean
    {RGB(20, 80, 40), RGB(160, 210, 90), GRADDIR_DIAGONAL_DOWN, 0, FALSE},     // forest
    {RGB(44, 62, 80), RGB(253, 116, 108), GRADDIR_VERTICAL, 20, FALSE},        // dusk
    {RGB(106, 90, 205), RGB(230, 200, 250), GRADDIR_HORIZONTAL, 0, FALSE},     // lavender
    {RGB(255, 154, 139), RGB(255, 236, 210), GRADDIR_DIAGONAL_UP, 0, FALSE},   // peach
    {RGB(60, 70, 85), RGB(200, 210, 220), GRADDIR_VERTICAL, 0, FALSE},         // steel
    {RGB(150, 100, 10), RGB(255, 220, 120), GRADDIR_HORIZONTAL, 0, TRUE},      // gold
    {RGB(0, 150, 136), RGB(200, 255, 230), GRADDIR_DIAGONAL_DOWN, 0, FALSE},   // mint
    {RGB(180, 20, 10), RGB(255, 200, 0), GRADDIR_VERTICAL, 30, FALSE},         // fire
    {RGB(10, 10, 40), RGB(70, 80, 160), GRADDIR_VERTICAL, 0, FALSE},           // night sky
    {RGB(190, 40, 90), RGB(255, 190, 210), GRADDIR_DIAGONAL_DOWN, 0, FALSE},   // rose
    {RGB(194, 154, 108), RGB(245, 230, 200), GRADDIR_HORIZONTAL, 0, FALSE},    // sand
    {RGB(170, 220, 255), RGB(255, 255, 255), GRADDIR_VERTICAL, 0, TRUE},       // ice
    {RGB(60, 20, 90), RGB(190, 90, 200), GRADDIR_DIAGONAL_UP, 0, FALSE},       // grape
    {RGB(90, 160, 0), RGB(230, 255, 120), GRADDIR_HORIZONTAL, 20, FALSE},      // lime
    {RGB(110, 50, 20), RGB(230, 150, 90), GRADDIR_VERTICAL, 0, TRUE},          // copper
    {RGB(30, 40, 50), RGB(120, 140, 160), GRADDIR_DIAGONAL_DOWN, 40, FALSE},   // slate
    {RGB(255, 80, 80), RGB(255, 180, 120), GRADDIR_HORIZONTAL, 0, FALSE},      // coral
    {RGB(0, 90, 150), RGB(120, 240, 240), GRADDIR_DIAGONAL_UP, 0, FALSE},      // aqua
    {RGB(90, 90, 90), RGB(250, 250, 250), GRADDIR_HORIZONTAL, 0, TRUE},        // chrome
    {RGB(120, 40, 10), RGB(230, 160, 30), GRADDIR_DIAGONAL_DOWN, 0, FALSE},    // autumn
    {RGB(80, 150, 230), RGB(220, 240, 255), GRADDIR_VERTICAL, 0, FALSE},       // sky
    {RGB(250, 210, 230), RGB(160, 110, 200), GRADDIR_DIAGONAL_UP, 20, FALSE},  // blossom
};

// Adds one preset as the strip would: its record, drawn as the thumbnail, in the thumbnail frame.
bool AddPreset(CGradientList& list, const Preset& preset) {
  GFILL_OPTION record = MakeGradOption(preset.clrStart, preset.clrEnd, preset.nColorShift, preset.nDirection,
                                       GRADLINE_PREVIEW, kThumbnail, kThumbnail);
  record.bSandwich = preset.bSandwich;
  const RECT rc = {0, 0, kThumbnail, kThumbnail};
  void* hThumbnail = CreateGradientBuffer(&record, rc);
  void* pBlock = GlobalAlloc(GPTR, sizeof record);  // the list's kind of data block
  if (hThumbnail == NULL || pBlock == NULL) {
    if (hThumbnail != NULL) buf32Free(hThumbnail);
    if (pBlock != NULL) GlobalFree(pBlock);
    return false;
  }
  memcpy(pBlock, &record, sizeof record);
  _IIDATA data;
  memset(&data, 0, sizeof data);
  data.nMode = IIBUF_COPY;
  data.hBuffer = hThumbnail;
  data.pAPData = pBlock;
  const int nItem = list.AddItemWithBlock(&data);
  buf32Free(hThumbnail);
  return nItem >= 0 && list.TypeAddII(0, nItem);
}

}  // namespace

int main() {
  char szExe[MAX_PATH + 1] = "";
  GetModuleFileNameA(NULL, szExe, MAX_PATH);
  std::string strPath = szExe;
  strPath = strPath.substr(0, strPath.find_last_of('\\') + 1) + "Tarvik.dat\\" GRADWND_FILE;

  CGradientList list;
  list.SetMaxTypeNum(1);
  list.SetIIWH(kThumbnail, kThumbnail);
  for (const Preset& preset : kPresets) {
    if (!AddPreset(list, preset)) {
      fprintf(stderr, "make_gradient_presets: a preset could not be made\n");
      return 1;
    }
  }
  CreateDirectoryA(strPath.substr(0, strPath.find_last_of('\\')).c_str(), NULL);
  if (!list.Save(strPath.c_str())) {
    fprintf(stderr, "make_gradient_presets: cannot write %s\n", strPath.c_str());
    return 1;
  }
  printf("make_gradient_presets: %d presets written to %s\n", (int)(sizeof kPresets / sizeof kPresets[0]),
         strPath.c_str());
  return 0;
}
