// The byte-wise text rules of the tips: the "|" mark-up and the split into lines, both aware of
// double-byte characters. Header-only so the rules can be checked with any lead-byte test.
#pragma once
#include <windows.h>
#include <string.h>

typedef bool (*TipLeadByteTest)(unsigned char ch);

// Lead bytes of the system's ANSI code page.
inline bool IsAnsiLeadByte(unsigned char ch) { return ::IsDBCSLeadByte(ch) != 0; }

// Applies the mark-up of src to dst, which has room for strlen(src) + 1 bytes; returns the length
// written. "|x" becomes a line break and x, "||" one "|", a last "|" stays; a lead byte and the
// byte after it are copied as they are.
inline int ApplyTipMarkup(const char* src, char* dst, TipLeadByteTest isLead) {
  int n = 0;
  while (*src != 0) {
    unsigned char ch = (unsigned char)*src;
    if (isLead(ch) && src[1] != 0) {
      dst[n++] = *src++;
      dst[n++] = *src++;
    } else if (ch == '|' && src[1] == '|') {
      dst[n++] = '|';
      src += 2;
    } else if (ch == '|' && src[1] != 0) {
      dst[n++] = '\n';
      src++;
    } else {
      dst[n++] = *src++;
    }
  }
  dst[n] = 0;
  return n;
}

// Calls fn(start, length) for each line of text (split at byte 10, never inside a double-byte
// character). An empty text has no lines.
template <class Fn>
void ForEachTipLine(const char* text, int len, TipLeadByteTest isLead, Fn fn) {
  if (len <= 0) return;
  int start = 0;
  for (int i = 0; i < len; i++) {
    if (isLead((unsigned char)text[i]) && i + 1 < len) {
      i++;
    } else if (text[i] == '\n') {
      fn(text + start, i - start);
      start = i + 1;
    }
  }
  fn(text + start, len - start);
}
