// t32Base::IBuf: a handle to one image buffer of the maker's buffer library, with its basic facts.
// It can be filled from an image file, adopt a buffer, and be resampled. It never frees the buffer:
// whoever takes the handle over (a CUImage, or the host) does.
#pragma once
#include <afxwin.h>

struct DSFILEIORANGE;

// An empty scope for the buffer handle.
class AFX_EXT_CLASS t32Base {
 public:
  t32Base& operator=(const t32Base&) { return *this; }

  class AFX_EXT_CLASS IBuf {
   public:
    // The facts of the buffer, seven ints.
    struct Info {
      int nWidth;
      int nHeight;
      int nBitsPerPixel;
      int nValueA;  // the file's palette handle (a 32-bit GDI handle value), 0 for an adopted buffer
      int nUnused[2];
      int nValueB;  // the file's colour type; an adopted buffer keeps the last one
    };

    IBuf();
    ~IBuf();
    // Both objects then refer to the same buffer and hold the same facts; each keeps its own info
    // block, so both can be destroyed.
    IBuf& operator=(const IBuf& other);

    // Loads the image file into a new buffer (1, 4 and 8 bits per pixel kept, deeper files as 24
    // bits). Returns the file's record (GlobalFree it, or tfFileFreeFileData), or NULL when the file
    // cannot be read; then the object is unchanged. The second argument is not read.
    void* CreateFromFile(char* pszFile, char* pszReserved);
    // Adopts an existing buffer; a handle that is not a buffer changes nothing.
    void CreateFromBuf(void* hBuf);
    // Replaces the buffer by a resampled copy of the given size; the previous buffer is not freed.
    // Without a buffer, or when the size cannot be made, nothing changes.
    void Resample(int nWidth, int nHeight);

    // Members in this order: five words in a 32-bit build (20 bytes); in a 64-bit build the handle
    // and the pointer are 8 bytes each and the object is 32 bytes.
    HANDLE m_hBuf;
    Info* m_pInfo;
    int m_nReserved[2];
    int m_nResult;  // result of the last buffer-library call of CreateFromFile

   private:
    static int __cdecl ReadProc(DSFILEIORANGE* pRange, unsigned int nHeight, unsigned int nLine, unsigned int nWidth,
                                unsigned int nLineBytes, unsigned char** ppLine, unsigned short nBits, int nPercent,
                                long lReserved);
    int OnReadProc(DSFILEIORANGE* pRange, unsigned int nHeight, unsigned int nLine, unsigned int nWidth,
                   unsigned int nLineBytes, unsigned char** ppLine, unsigned short nBits, int nPercent, long lReserved);
  };
};
