#include "modal_probe.h"
#include "ModalDriver.h"

bool RunModal(const std::function<void()>& call, const std::function<void(HWND)>& act, DWORD timeoutMs) {
  ostrel_test::ModalDriver driver(ostrel_test::ModalDriver::ClassIs("#32770"), act, timeoutMs);
  call();
  return driver.Acted() && !driver.TimedOut();
}
