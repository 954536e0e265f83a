// Double-byte code page checks for a given code page.
#ifndef QSCOMM_CHARSET_H
#define QSCOMM_CHARSET_H

#include <windows.h>

namespace qs {

// True when cp encodes characters in up to two bytes.
bool IsDoubleByteCodePage(UINT cp);
// True when psz holds a lead byte of cp followed by its trail byte.
bool HasDoubleByteCharIn(UINT cp, const char* psz);

}  // namespace qs

#endif
