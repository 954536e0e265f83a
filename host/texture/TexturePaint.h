// Painting a texture from its header and recipe: plain memory, no windows, no buffers. Integer
// arithmetic only, so both builds paint the same bytes.
#pragma once
#include "Txtur3.h"

// True when the header and the nLength recipe bytes describe a texture the module can paint.
bool TxAccepts(const TXTUR_HEADER& header, const void* pRecipe, int nLength);

// Paints a checked recipe into w x h pixels of 3 bytes (red, green, blue), rows top to bottom.
// The picture tiles: its right edge continues into its left and its bottom into its top.
void TxPaint(const TXTUR_RECIPE& recipe, int w, int h, unsigned char* pRGB);
