#include "ShownMenu.h"
#include "Input.h"
#include "ModalDriver.h"

namespace ostrel_test {

// The items of the menu that a window of class "#32768" shows.
static std::vector<ShownMenuItem> ShownMenuItems(HWND hMenuWnd) {
  std::vector<ShownMenuItem> items;
  HMENU hMenu = (HMENU)SendMessageA(hMenuWnd, MN_GETHMENU, 0, 0);
  for (int i = 0; hMenu != NULL && i < GetMenuItemCount(hMenu); ++i) {
    ShownMenuItem item = {GetMenuItemID(hMenu, i), GetMenuState(hMenu, i, MF_BYPOSITION), std::string(), {}};
    char text[512] = "";
    if (!(item.state & (MF_OWNERDRAW | MF_SEPARATOR))) GetMenuStringA(hMenu, i, text, sizeof text, MF_BYPOSITION);
    item.text = text;
    GetMenuItemRect(NULL, hMenu, i, &item.rect);
    items.push_back(item);
  }
  return items;
}

ShownMenu WhileMenuShown(const std::function<void()>& open, int nPos) {
  ShownMenu shown;
  ModalDriver driver(ModalDriver::ClassIs("#32768"), [&](HWND hMenu) {
    shown.items = ShownMenuItems(hMenu);
    GetWindowRect(hMenu, &shown.window);
    ClientToScreen(hMenu, &shown.origin);
    shown.pixels = ReadClient(hMenu);
    if (nPos < 0 || nPos >= (int)shown.items.size()) {
      EndMenu();
      return;
    }
    const RECT& rc = shown.items[nPos].rect;
    QueueClick((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);  // the menu's own loop takes it
  });
  open();
  shown.timedOut = driver.TimedOut() || !driver.Acted();
  return shown;
}

}  // namespace ostrel_test
