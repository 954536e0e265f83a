// The image-buffer handle: filled from a file through the file library, or from a buffer.
#include <Ostrel/IBuf.h>
#include <t32Base.h>
#include <t32File.h>
#include <new>

t32Base::IBuf::IBuf() : m_hBuf(NULL), m_pInfo(new (std::nothrow) Info()), m_nReserved(), m_nResult(0) {}

t32Base::IBuf::~IBuf() { delete m_pInfo; }

t32Base::IBuf& t32Base::IBuf::operator=(const IBuf& other) {
  if (this == &other) return *this;
  m_hBuf = other.m_hBuf;
  if (m_pInfo != NULL && other.m_pInfo != NULL) *m_pInfo = *other.m_pInfo;
  m_nReserved[0] = other.m_nReserved[0];
  m_nReserved[1] = other.m_nReserved[1];
  m_nResult = other.m_nResult;
  return *this;
}

void* t32Base::IBuf::CreateFromFile(char* pszFile, char*) {
  if (pszFile == NULL || m_pInfo == NULL) return NULL;
  HGLOBAL hRecord = tfFileGetFileData(pszFile, 0);
  if (hRecord == NULL) return NULL;
  DSFILEIORANGE range = {};
  range.nOrder = TF_ORDER_TOP_DOWN;
  range.nLineFormat = TF_LINES_FOR_BUFFER;
  range.pUser = this;

  Info info = *m_pInfo;
  const BYTE* pRecord = (const BYTE*)::GlobalLock(hRecord);
  if (pRecord == NULL) {
    tfFileFreeFileData(hRecord);
    return NULL;
  }
  const TFFILEDATA* pData = (const TFFILEDATA*)pRecord;
  info.nBitsPerPixel = pData->nBitsPerPixel < 16 ? pData->nBitsPerPixel : 24;
  info.nWidth = pData->nWidth;
  info.nHeight = pData->nHeight;
  info.nValueA = (int)pData->hPalette;
  info.nValueB = pData->nColorType;
  ::GlobalUnlock(hRecord);

  // A new buffer is kept only when every line of the file arrived in it.
  HANDLE hOld = m_hBuf;
  m_nResult = buf32Alloc(&m_hBuf, info.nBitsPerPixel, info.nWidth, info.nHeight, 0, 0);
  if (!m_nResult) {
    m_hBuf = hOld;
    tfFileFreeFileData(hRecord);
    return NULL;
  }
  void* pMem = NULL;
  m_nResult = buf32Lock(m_hBuf, BUF32_LOCK_WRITE, &pMem);
  const int bRead = tfFileRead(hRecord, &range, ReadProc);
  m_nResult = buf32Unlock(m_hBuf);
  if (!bRead) {
    buf32Free(m_hBuf);
    m_hBuf = hOld;
    m_nResult = 0;
    tfFileFreeFileData(hRecord);
    return NULL;
  }
  *m_pInfo = info;
  return hRecord;
}

int __cdecl t32Base::IBuf::ReadProc(DSFILEIORANGE* pRange, unsigned int nHeight, unsigned int nLine,
                                    unsigned int nWidth, unsigned int nLineBytes, unsigned char** ppLine,
                                    unsigned short nBits, int nPercent, long lReserved) {
  IBuf* pThis = pRange != NULL ? (IBuf*)pRange->pUser : NULL;
  if (pThis == NULL) return 1;
  return pThis->OnReadProc(pRange, nHeight, nLine, nWidth, nLineBytes, ppLine, nBits, nPercent, lReserved);
}

int t32Base::IBuf::OnReadProc(DSFILEIORANGE*, unsigned int, unsigned int nLine, unsigned int, unsigned int,
                              unsigned char** ppLine, unsigned short, int, long) {
  if (ppLine != NULL) buf32Line(m_hBuf, (int)nLine, BUF32_LINE_PACKED, *ppLine);
  return 1;
}

void t32Base::IBuf::CreateFromBuf(void* hBuf) {
  BUF32INFO record = {};
  if (m_pInfo == NULL || !buf32GetInfo(hBuf, &record)) return;
  m_hBuf = hBuf;
  m_pInfo->nWidth = (record.nCellColumns - 1) * record.nCellWidth + record.nLastColWidth;
  m_pInfo->nHeight = (record.nCellRows - 1) * record.nCellHeight + record.nLastRowHeight;
  m_pInfo->nBitsPerPixel = record.nBitsPerPixel;
  m_pInfo->nValueA = 0;
}

void t32Base::IBuf::Resample(int nWidth, int nHeight) {
  if (m_hBuf == NULL || m_pInfo == NULL) return;
  HANDLE hOut = NULL;
  if (!t32BufferResample(nWidth, nHeight, m_hBuf, &hOut, 0) || hOut == NULL) return;
  m_pInfo->nWidth = nWidth;
  m_pInfo->nHeight = nHeight;
  m_hBuf = hOut;
}
