// Pictures the image tests make themselves: BMP files, files through the platform's encoder, palettes.
#pragma once
#include <windows.h>
#include <string>

// Test picture: colour of pixel (x, y), and its index for palette depths.
COLORREF TestColour(int x, int y);
int TestIndex(int x, int y, int bits);
// The 16-bit picture: only full or empty channels, so it reads back exactly.
COLORREF TestColour16(int x, int y);
// The palette written into palette BMPs: entry i.
COLORREF TestPaletteEntry(int i);

// The bytes of an uncompressed BMP of the given depth (1, 4, 8, 16 = 5-5-5, 24, 32) at 96 dpi.
std::string BmpBytes(int bits, int width, int height);
// Writes the test picture in the given container format (a GUID_ContainerFormat...) at the given dpi
// (COM initialised by the caller).
bool WriteImage(const std::string& path, REFGUID container, int width, int height, double dpi);
// A logical palette of n colours (n up to 256).
HPALETTE MakePalette(const COLORREF* colours, int n);
