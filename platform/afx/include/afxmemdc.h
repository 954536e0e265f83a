// CMemDC: double-buffered painting. It covers one rectangle of a target DC with a memory DC and a
// compatible bitmap; draw into it in the target's own (device) coordinates. When it goes out of
// scope the picture is copied to the target in one blit and the DC and bitmap are freed. The memory
// DC starts with the default attributes of a new DC. If the off-screen picture cannot be made,
// drawing goes straight to the target, so no paint is lost.
#pragma once
#include "afxgdi.h"

class AFX_API CMemDC : public CDC {
  DECLARE_DYNAMIC(CMemDC)
 public:
  CMemDC(CDC* pTarget, const RECT& rect);
  CMemDC(HDC hTarget, const RECT& rect);
  ~CMemDC() override;
  CMemDC(const CMemDC&) = delete;
  CMemDC& operator=(const CMemDC&) = delete;

  // TRUE while drawing goes to the off-screen bitmap (FALSE: straight to the target).
  BOOL IsOffScreen() const { return m_hBitmap != NULL; }
  // Copies the picture to the target now (it is copied only once).
  void Flush();
  // Nothing more is copied to the target.
  void Discard() { m_bCopy = FALSE; }
  const CRect& GetRect() const { return m_rect; }

 private:
  void Init(HDC hTarget, const RECT& rect);

  HDC m_hTarget;
  CRect m_rect;
  HBITMAP m_hBitmap;
  HGDIOBJ m_hOldBitmap;
  BOOL m_bCopy;
};
