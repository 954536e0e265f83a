// The text list's line editor and caret. Widths are measured on the list's window DC in the
// list's font; character steps follow the ANSI code page, so double-byte characters move whole.
#include <Ostrel/TextList.h>
#include <algorithm>
#include <string>
#include <vector>

namespace {

// The current line for one editor operation: its text, character boundaries and pixel widths.
class Line {
 public:
  explicit Line(CTextLineSource& source) : m_text(source.GetCurText()), m_hWnd(source.GetWindow()) {
    for (size_t i = 0; i < m_text.size(); i += ::IsDBCSLeadByte((BYTE)m_text[i]) && i + 1 < m_text.size() ? 2 : 1)
      m_bounds.push_back((int)i);
    m_bounds.push_back(Length());
    m_hDC = m_hWnd != NULL ? ::GetDC(m_hWnd) : NULL;
    HFONT hFont = m_hWnd != NULL ? (HFONT)::SendMessageA(m_hWnd, WM_GETFONT, 0, 0) : NULL;
    if (m_hDC != NULL && hFont != NULL) m_hOldFont = ::SelectObject(m_hDC, hFont);
  }
  ~Line() {
    if (m_hDC == NULL) return;
    if (m_hOldFont != NULL) ::SelectObject(m_hDC, m_hOldFont);
    ::ReleaseDC(m_hWnd, m_hDC);
  }
  Line(const Line&) = delete;
  Line& operator=(const Line&) = delete;

  const std::string& Text() const { return m_text; }
  int Length() const { return (int)m_text.size(); }
  // The boundary at or before i, within the line.
  int Snap(int i) const {
    if (i <= 0) return 0;
    int snapped = 0;
    for (int b : m_bounds)
      if (b <= i) snapped = b;
    return snapped;
  }
  int Next(int i) const { return i >= Length() ? Length() : Bound(Index(i) + 1); }
  int Prev(int i) const { return i <= 0 ? 0 : Bound(Index(i) - 1); }
  // Width in pixels of the characters from a to b.
  int Width(int a, int b) const {
    SIZE size = {0, 0};
    if (m_hDC != NULL && b > a) ::GetTextExtentPoint32A(m_hDC, m_text.data() + a, b - a, &size);
    return size.cx;
  }
  // The last boundary b from `from` on with Width(from, b) <= x.
  int LastFitting(int from, int x) const {
    int lo = Index(from), hi = (int)m_bounds.size() - 1;
    while (lo < hi) {
      const int mid = (lo + hi + 1) / 2;
      if (Width(from, m_bounds[mid]) <= x) {
        lo = mid;
      } else {
        hi = mid - 1;
      }
    }
    return m_bounds[lo];
  }
  // The first boundary f from `from` on with Width(f, to) < right (to itself at the latest).
  int FirstShowing(int from, int to, int right) const {
    int lo = Index(from), hi = Index(to);
    while (lo < hi) {
      const int mid = (lo + hi) / 2;
      if (Width(m_bounds[mid], to) < right) {
        hi = mid;
      } else {
        lo = mid + 1;
      }
    }
    return m_bounds[lo];
  }

 private:
  int Index(int i) const {
    int k = 0;
    while (k + 1 < (int)m_bounds.size() && m_bounds[k + 1] <= i) k++;
    return k;
  }
  int Bound(int k) const { return m_bounds[std::min(std::max(k, 0), (int)m_bounds.size() - 1)]; }

  std::string m_text;
  std::vector<int> m_bounds;  // offsets where characters start, and the length
  HWND m_hWnd;
  HDC m_hDC;
  HGDIOBJ m_hOldFont = NULL;
};

int RightEdge(CTextLineSource& source) {
  RECT rc = {0, 0, 0, 0};
  source.GetCurRect(&rc);
  return rc.right;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Editor

CTextLineEditor::CTextLineEditor() : m_nFirstChar(0), m_nCaretChar(0), m_chLead(0) {}

int CTextLineEditor::CaretX(CTextLineSource& source) {
  Line line(source);
  return line.Width(line.Snap(m_nFirstChar), line.Snap(m_nCaretChar));
}

void CTextLineEditor::CaretToPoint(CTextLineSource& source, int x) {
  Line line(source);
  m_nFirstChar = line.Snap(m_nFirstChar);
  m_nCaretChar = line.LastFitting(m_nFirstChar, x);
}

BOOL CTextLineEditor::SetCaret(CTextLineSource& source, int nChar) {
  Line line(source);
  if (nChar < 0 || nChar > line.Length()) return FALSE;
  m_nCaretChar = line.Snap(nChar);
  return TRUE;
}

void CTextLineEditor::Home() { m_nFirstChar = m_nCaretChar = 0; }

void CTextLineEditor::End(CTextLineSource& source) {
  Line line(source);
  const int right = RightEdge(source);
  m_nFirstChar = line.Snap(m_nFirstChar);
  m_nCaretChar = line.Length();
  if (line.Width(m_nFirstChar, m_nCaretChar) > right)
    m_nFirstChar = line.FirstShowing(m_nFirstChar, m_nCaretChar, right);
}

BOOL CTextLineEditor::Left(CTextLineSource& source) {
  Line line(source);
  const int nOld = line.Snap(m_nCaretChar);
  if (nOld == 0) return FALSE;
  m_nCaretChar = line.Prev(nOld);
  if (nOld <= m_nFirstChar) m_nFirstChar = m_nCaretChar;
  return TRUE;
}

void CTextLineEditor::Right(CTextLineSource& source) {
  Line line(source);
  const int right = RightEdge(source);
  const int nOld = line.Snap(m_nCaretChar);
  const int nEnd = line.Next(nOld);
  m_nFirstChar = line.Snap(m_nFirstChar);
  if (line.Width(m_nFirstChar, nEnd) > right && m_nFirstChar < nOld)
    m_nFirstChar = line.FirstShowing(m_nFirstChar, nEnd, right);
  m_nCaretChar = nEnd;
}

void CTextLineEditor::Insert(CTextLineSource& source, const char* pChars, int nBytes) {
  {
    Line line(source);
    m_nCaretChar = line.Snap(m_nCaretChar);
    std::string text = line.Text();
    text.insert((size_t)m_nCaretChar, pChars, (size_t)nBytes);
    source.SetCurText(text.c_str());
  }
  Right(source);
}

void CTextLineEditor::Delete(CTextLineSource& source) {
  Line line(source);
  m_nCaretChar = line.Snap(m_nCaretChar);
  if (m_nCaretChar >= line.Length()) return;
  std::string text = line.Text();
  text.erase((size_t)m_nCaretChar, (size_t)(line.Next(m_nCaretChar) - m_nCaretChar));
  source.SetCurText(text.c_str());
}

void CTextLineEditor::Backspace(CTextLineSource& source) {
  if (Left(source)) Delete(source);
}

void CTextLineEditor::Char(CTextLineSource& source, UINT nChar) {
  if (nChar > 0xFF) {  // both bytes of a double-byte character at once
    const char pair[2] = {(char)HIBYTE(nChar), (char)LOBYTE(nChar)};
    Insert(source, pair, 2);
  } else if (m_chLead != 0) {
    const char pair[2] = {(char)m_chLead, (char)nChar};
    m_chLead = 0;
    Insert(source, pair, 2);
  } else if (::IsDBCSLeadByte((BYTE)nChar)) {
    m_chLead = (BYTE)nChar;
  } else {
    const char c = (char)nChar;
    Insert(source, &c, 1);
  }
}

// ---------------------------------------------------------------------------------------------
// Caret

BOOL CTextListCaret::Create(HWND hWnd, HBITMAP hShape, int nWidth, int nHeight) {
  if (!::CreateCaret(hWnd, hShape, nWidth, nHeight)) return FALSE;
  m_hWnd = hWnd;
  m_bShown = FALSE;
  return TRUE;
}

void CTextListCaret::Destroy() {
  if (m_hWnd == NULL) return;
  Hide();
  ::DestroyCaret();
  m_hWnd = NULL;
}

void CTextListCaret::Show() {
  if (m_hWnd == NULL || m_bShown) return;
  m_bShown = ::ShowCaret(m_hWnd);
}

void CTextListCaret::Hide() {
  if (m_hWnd == NULL || !m_bShown) return;
  ::HideCaret(m_hWnd);
  m_bShown = FALSE;
}

void CTextListCaret::SetPos(int x, int y) {
  if (m_hWnd != NULL) ::SetCaretPos(x, y);
}

BOOL CTextListCaret::GetPos(POINT* pPoint) const { return m_hWnd != NULL && pPoint != NULL && ::GetCaretPos(pPoint); }
