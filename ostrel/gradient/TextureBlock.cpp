#include "gradient/TextureBlock.h"
#include <string.h>

static unsigned ReadWord(const void* p, size_t nAt) {
  unsigned v;
  memcpy(&v, (const char*)p + nAt, sizeof v);
  return v;
}

int TextureBlockPayloadLength(const void* pBlock, size_t nBlockSize) {
  if (pBlock == NULL || nBlockSize < TEXBLOCK_PAYLOAD_AT) return -1;
  const unsigned n = ReadWord(pBlock, TEXBLOCK_LENGTH_AT);
  return n <= nBlockSize - TEXBLOCK_PAYLOAD_AT && n <= 0x7FFFFFFFu ? (int)n : -1;
}

int TexturePayloadDataLength(const void* pPayload, size_t nPayload) {
  if (pPayload == NULL || nPayload < TEXBLOCK_RECORD_HEAD) return -1;
  const unsigned m = ReadWord(pPayload, TEXBLOCK_DATA_LENGTH_AT);
  return m <= nPayload - TEXBLOCK_RECORD_HEAD ? (int)m : -1;
}
