// The caption of an owner-drawn combo item and its font, shared by the bitmap and font combos.
#pragma once
#include <afxwin.h>

// Draws pszText at (x, y), opaque and clipped to the item rectangle: highlight colours for a
// selected item, window colours otherwise; in hFont unless it is NULL. The DC's colours and font
// are put back afterwards.
void DrawComboCaption(const DRAWITEMSTRUCT* lpDIS, HFONT hFont, int x, int y, const char* pszText);

// A plain upright TrueType font of nHeight with the face, character set and pitch of lf; NULL
// when it cannot be made.
HFONT CreateCaptionFont(LOGFONTA lf, int nHeight);
