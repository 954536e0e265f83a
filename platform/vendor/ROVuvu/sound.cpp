// QSPlaySound: short system sounds, played asynchronously.
#include "ROVuvu.h"

#include <mmsystem.h>

namespace {

const char* SoundAlias(int nSound) {
  switch (nSound) {
    case QS_SOUND_DEFAULT:
      return "SystemDefault";
    case QS_SOUND_INFORMATION:
      return "SystemAsterisk";
    case QS_SOUND_WARNING:
      return "SystemExclamation";
    case QS_SOUND_CLICK:
      return "MenuCommand";
    case QS_SOUND_ERROR:
      return "SystemHand";
    case QS_SOUND_QUESTION:
      return "SystemQuestion";
    default:
      return nullptr;
  }
}

}  // namespace

void __cdecl QSPlaySound(int nSound) {
  const char* pszAlias = SoundAlias(nSound);
  if (!pszAlias) return;
  // SND_ASYNC returns at once; SND_NODEFAULT keeps an unset alias silent.
  PlaySoundA(pszAlias, nullptr, SND_ALIAS | SND_ASYNC | SND_NODEFAULT);
}
