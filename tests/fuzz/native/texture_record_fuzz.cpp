// libFuzzer target: a stored texture block as the texture list reads it (the block reader of the
// control library), then its header and recipe as the texture module checks and paints them.
// Built natively by scripts/fuzz.sh with the address and undefined-behaviour sanitizers.
#include <stdint.h>
#include <string.h>
#include <vector>
#include "TexturePaint.h"
#include "gradient/TextureBlock.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
  const int n = TextureBlockPayloadLength(pData, nSize);
  if (n <= 0) return 0;
  const uint8_t* pPayload = pData + TEXBLOCK_PAYLOAD_AT;
  const int m = TexturePayloadDataLength(pPayload, (size_t)n);
  if (m < 0) return 0;
  // Copies of exactly the announced lengths, so that the sanitizer sees any read past them.
  TXTUR_HEADER header;
  memcpy(&header, pPayload, sizeof header);
  std::vector<uint8_t> recipeBytes(pPayload + TEXBLOCK_RECORD_HEAD, pPayload + TEXBLOCK_RECORD_HEAD + m);
  if (!TxAccepts(header, recipeBytes.data(), m)) return 0;
  TXTUR_RECIPE recipe;
  memcpy(&recipe, recipeBytes.data(), (size_t)m);
  std::vector<uint8_t> pixels((size_t)header.nWidth * header.nHeight * 3);
  TxPaint(recipe, header.nWidth, header.nHeight, pixels.data());
  return 0;
}
