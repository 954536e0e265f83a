// Framework layer: the collection templates CArray, CList and CMap. The named collections of
// afxcoll.h (CPtrArray, CStringList, CMapStringToPtr ...) are these with fixed element types.
// Elements are relocated bitwise when an array grows or shifts, as the framework has always done:
// element types must not point into themselves (CString, pointers and numbers are fine).
#pragma once
#include <new>
#include "afxstr.h"

#ifndef AFX_POSITION_DEFINED
#define AFX_POSITION_DEFINED
struct __POSITION {};
typedef __POSITION* POSITION;
#define BEFORE_START_POSITION ((POSITION)-1L)
#endif

namespace afx_detail {
// Raw storage for n elements; throws the framework's memory exception when it cannot be had.
template <class T>
T* AllocElements(INT_PTR n) {
  if (n < 0 || (size_t)n > ((size_t)-1) / 2 / sizeof(T)) AfxThrowMemoryException();
  void* p = ::operator new((size_t)n * sizeof(T), std::nothrow);
  if (p == NULL) AfxThrowMemoryException();
  return static_cast<T*>(p);
}
template <class T>
void ConstructElements(T* p, INT_PTR n) {
  for (; n > 0; --n, ++p) ::new ((void*)p) T();
}
template <class T>
void DestroyElements(T* p, INT_PTR n) {
  for (; n > 0; --n, ++p) p->~T();
}
template <class T>
void MoveElements(T* dst, const T* src, INT_PTR n) {
  memmove((void*)dst, (const void*)src, (size_t)n * sizeof(T));
}
}  // namespace afx_detail

template <class TYPE, class ARG_TYPE>
class CArray : public CObject {
 public:
  CArray() : m_pData(NULL), m_nSize(0), m_nMaxSize(0), m_nGrowBy(0) {}
  ~CArray() { RemoveAll(); }

  int GetSize() const { return m_nSize; }
  int GetUpperBound() const { return m_nSize - 1; }
  // Resizes to nNewSize elements (new ones default-constructed); nGrowBy >= 0 sets how many spare
  // elements each later growth adds (0: chosen from the size).
  void SetSize(int nNewSize, int nGrowBy = -1);
  void FreeExtra();
  void RemoveAll() { SetSize(0, -1); }

  const TYPE& GetAt(int nIndex) const {
    ASSERT(nIndex >= 0 && nIndex < m_nSize);
    return m_pData[nIndex];
  }
  void SetAt(int nIndex, ARG_TYPE newElement) {
    if (nIndex >= 0 && nIndex < m_nSize) m_pData[nIndex] = newElement;
  }
  TYPE& ElementAt(int nIndex) {
    ASSERT(nIndex >= 0 && nIndex < m_nSize);
    return m_pData[nIndex];
  }
  const TYPE* GetData() const { return m_pData; }
  TYPE* GetData() { return m_pData; }

  void SetAtGrow(int nIndex, ARG_TYPE newElement);
  int Add(ARG_TYPE newElement) {
    int nIndex = m_nSize;
    SetAtGrow(nIndex, newElement);
    return nIndex;
  }
  int Append(const CArray& src);  // returns the index of the first appended element
  void Copy(const CArray& src);

  const TYPE& operator[](int nIndex) const { return GetAt(nIndex); }
  TYPE& operator[](int nIndex) { return ElementAt(nIndex); }

  void InsertAt(int nIndex, ARG_TYPE newElement, int nCount = 1);
  void InsertAt(int nStartIndex, CArray* pNewArray);
  void RemoveAt(int nIndex, int nCount = 1);

 protected:
  TYPE* m_pData;
  int m_nSize;
  int m_nMaxSize;
  int m_nGrowBy;

 private:
  void Reallocate(int nNewMax);
};

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Reallocate(int nNewMax) {
  TYPE* pNew = nNewMax > 0 ? afx_detail::AllocElements<TYPE>(nNewMax) : NULL;
  if (m_nSize > 0) afx_detail::MoveElements(pNew, m_pData, m_nSize);
  ::operator delete(m_pData);
  m_pData = pNew;
  m_nMaxSize = nNewMax;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetSize(int nNewSize, int nGrowBy) {
  if (nGrowBy >= 0) m_nGrowBy = nGrowBy;
  if (nNewSize < 0) return;
  if (nNewSize == 0) {
    afx_detail::DestroyElements(m_pData, m_nSize);
    ::operator delete(m_pData);
    m_pData = NULL;
    m_nSize = m_nMaxSize = 0;
    return;
  }
  if (nNewSize > m_nMaxSize) {
    int nGrow = m_nGrowBy;
    if (nGrow == 0) nGrow = (m_nSize / 8 < 4) ? 4 : (m_nSize / 8 > 1024 ? 1024 : m_nSize / 8);
    int nNewMax = m_pData == NULL ? nNewSize  // first allocation is exact
                                  : (nNewSize < m_nMaxSize + nGrow ? m_nMaxSize + nGrow : nNewSize);
    Reallocate(nNewMax);
  }
  if (nNewSize > m_nSize)
    afx_detail::ConstructElements(m_pData + m_nSize, nNewSize - m_nSize);
  else
    afx_detail::DestroyElements(m_pData + nNewSize, m_nSize - nNewSize);
  m_nSize = nNewSize;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::FreeExtra() {
  if (m_nSize != m_nMaxSize) Reallocate(m_nSize);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetAtGrow(int nIndex, ARG_TYPE newElement) {
  if (nIndex < 0) return;
  if (nIndex >= m_nSize) {
    TYPE copy(newElement);  // newElement may live inside this array
    SetSize(nIndex + 1, -1);
    m_pData[nIndex] = copy;
    return;
  }
  m_pData[nIndex] = newElement;
}

template <class TYPE, class ARG_TYPE>
int CArray<TYPE, ARG_TYPE>::Append(const CArray& src) {
  int nOldSize = m_nSize;
  if (&src == this) {
    SetSize(nOldSize * 2);
    for (int i = 0; i < nOldSize; i++) m_pData[nOldSize + i] = m_pData[i];
    return nOldSize;
  }
  SetSize(m_nSize + src.m_nSize);
  for (int i = 0; i < src.m_nSize; i++) m_pData[nOldSize + i] = src.m_pData[i];
  return nOldSize;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Copy(const CArray& src) {
  if (&src == this) return;
  SetSize(src.m_nSize);
  for (int i = 0; i < src.m_nSize; i++) m_pData[i] = src.m_pData[i];
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(int nIndex, ARG_TYPE newElement, int nCount) {
  if (nIndex < 0 || nCount <= 0) return;
  TYPE copy(newElement);  // newElement may live inside this array
  if (nIndex >= m_nSize) {
    SetSize(nIndex + nCount, -1);
  } else {
    int nOldSize = m_nSize;
    SetSize(m_nSize + nCount, -1);
    // The freshly constructed tail is dropped and the shifted elements take its place.
    afx_detail::DestroyElements(m_pData + nOldSize, nCount);
    afx_detail::MoveElements(m_pData + nIndex + nCount, m_pData + nIndex, nOldSize - nIndex);
    afx_detail::ConstructElements(m_pData + nIndex, nCount);
  }
  for (int i = 0; i < nCount; i++) m_pData[nIndex + i] = copy;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(int nStartIndex, CArray* pNewArray) {
  if (pNewArray == NULL || nStartIndex < 0 || pNewArray->GetSize() == 0) return;
  CArray source;
  source.Copy(*pNewArray);  // the source may be this array
  InsertAt(nStartIndex, source.GetAt(0), source.GetSize());
  for (int i = 0; i < source.GetSize(); i++) SetAt(nStartIndex + i, source.GetAt(i));
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::RemoveAt(int nIndex, int nCount) {
  if (nIndex < 0 || nCount <= 0 || nIndex >= m_nSize) return;
  if (nCount > m_nSize - nIndex) nCount = m_nSize - nIndex;
  afx_detail::DestroyElements(m_pData + nIndex, nCount);
  int nMoveCount = m_nSize - (nIndex + nCount);
  if (nMoveCount > 0) afx_detail::MoveElements(m_pData + nIndex, m_pData + nIndex + nCount, nMoveCount);
  m_nSize -= nCount;
}

template <class TYPE, class ARG_TYPE>
class CList : public CObject {
  struct CNode {
    CNode* pNext;
    CNode* pPrev;
    TYPE data;
  };

 public:
  explicit CList(int nBlockSize = 10) : m_pNodeHead(NULL), m_pNodeTail(NULL), m_nCount(0) {
    (void)nBlockSize;  // nodes are allocated one at a time
  }
  ~CList() { RemoveAll(); }

  int GetCount() const { return m_nCount; }
  BOOL IsEmpty() const { return m_nCount == 0; }

  TYPE& GetHead() {
    ASSERT(m_pNodeHead);
    return m_pNodeHead->data;
  }
  const TYPE& GetHead() const {
    ASSERT(m_pNodeHead);
    return m_pNodeHead->data;
  }
  TYPE& GetTail() {
    ASSERT(m_pNodeTail);
    return m_pNodeTail->data;
  }
  const TYPE& GetTail() const {
    ASSERT(m_pNodeTail);
    return m_pNodeTail->data;
  }

  // Removing from an empty list returns a default-constructed element.
  TYPE RemoveHead() { return Take(m_pNodeHead); }
  TYPE RemoveTail() { return Take(m_pNodeTail); }

  POSITION AddHead(ARG_TYPE newElement) { return Link(NewNode(newElement), NULL, m_pNodeHead); }
  POSITION AddTail(ARG_TYPE newElement) { return Link(NewNode(newElement), m_pNodeTail, NULL); }
  void AddHead(CList* pNewList) {
    if (pNewList == NULL) return;
    CList copy;  // the new list may be this list
    copy.AddTail(pNewList);
    for (POSITION pos = copy.GetTailPosition(); pos != NULL;) AddHead(copy.GetPrev(pos));
  }
  void AddTail(CList* pNewList) {
    if (pNewList == NULL) return;
    int n = pNewList->GetCount();  // fixed up front: the new list may be this list
    POSITION pos = pNewList->GetHeadPosition();
    for (int i = 0; i < n; i++) AddTail(pNewList->GetNext(pos));
  }
  void RemoveAll() {
    while (m_pNodeHead != NULL) {
      CNode* pNext = m_pNodeHead->pNext;
      delete m_pNodeHead;
      m_pNodeHead = pNext;
    }
    m_pNodeTail = NULL;
    m_nCount = 0;
  }

  POSITION GetHeadPosition() const { return (POSITION)m_pNodeHead; }
  POSITION GetTailPosition() const { return (POSITION)m_pNodeTail; }
  TYPE& GetNext(POSITION& rPosition) { return Step(rPosition, true)->data; }
  const TYPE& GetNext(POSITION& rPosition) const { return Step(rPosition, true)->data; }
  TYPE& GetPrev(POSITION& rPosition) { return Step(rPosition, false)->data; }
  const TYPE& GetPrev(POSITION& rPosition) const { return Step(rPosition, false)->data; }

  TYPE& GetAt(POSITION position) { return ((CNode*)position)->data; }
  const TYPE& GetAt(POSITION position) const { return ((CNode*)position)->data; }
  void SetAt(POSITION pos, ARG_TYPE newElement) {
    if (pos != NULL) ((CNode*)pos)->data = newElement;
  }
  void RemoveAt(POSITION position) {
    CNode* pNode = (CNode*)position;
    if (pNode == NULL) return;
    Unlink(pNode);
    delete pNode;
  }
  // NULL positions insert at the head (before) or the tail (after).
  POSITION InsertBefore(POSITION position, ARG_TYPE newElement) {
    CNode* pNode = (CNode*)position;
    if (pNode == NULL) return AddHead(newElement);
    return Link(NewNode(newElement), pNode->pPrev, pNode);
  }
  POSITION InsertAfter(POSITION position, ARG_TYPE newElement) {
    CNode* pNode = (CNode*)position;
    if (pNode == NULL) return AddTail(newElement);
    return Link(NewNode(newElement), pNode, pNode->pNext);
  }

  POSITION Find(ARG_TYPE searchValue, POSITION startAfter = NULL) const {
    CNode* pNode = startAfter == NULL ? m_pNodeHead : ((CNode*)startAfter)->pNext;
    for (; pNode != NULL; pNode = pNode->pNext)
      if (pNode->data == searchValue) return (POSITION)pNode;
    return NULL;
  }
  POSITION FindIndex(int nIndex) const {
    if (nIndex < 0 || nIndex >= m_nCount) return NULL;
    CNode* pNode = m_pNodeHead;
    while (nIndex-- > 0) pNode = pNode->pNext;
    return (POSITION)pNode;
  }

 protected:
  CNode* m_pNodeHead;
  CNode* m_pNodeTail;
  int m_nCount;

 private:
  static CNode* NewNode(ARG_TYPE value) {
    CNode* p = new (std::nothrow) CNode{NULL, NULL, TYPE(value)};
    if (p == NULL) AfxThrowMemoryException();
    return p;
  }
  POSITION Link(CNode* pNode, CNode* pPrev, CNode* pNext) {
    pNode->pPrev = pPrev;
    pNode->pNext = pNext;
    (pPrev ? pPrev->pNext : m_pNodeHead) = pNode;
    (pNext ? pNext->pPrev : m_pNodeTail) = pNode;
    m_nCount++;
    return (POSITION)pNode;
  }
  void Unlink(CNode* pNode) {
    (pNode->pPrev ? pNode->pPrev->pNext : m_pNodeHead) = pNode->pNext;
    (pNode->pNext ? pNode->pNext->pPrev : m_pNodeTail) = pNode->pPrev;
    m_nCount--;
  }
  TYPE Take(CNode* pNode) {
    if (pNode == NULL) return TYPE();
    TYPE value(pNode->data);
    RemoveAt((POSITION)pNode);
    return value;
  }
  static CNode* Step(POSITION& rPosition, bool forward) {
    CNode* pNode = (CNode*)rPosition;
    rPosition = (POSITION)(forward ? pNode->pNext : pNode->pPrev);
    return pNode;
  }
};

// Hash functions of the maps' keys.
template <class ARG_KEY>
inline UINT AFXAPI HashKey(ARG_KEY key) {
  return (UINT)(((UINT_PTR)key) >> 4);
}
inline UINT AFXAPI HashKey(LPCTSTR key) {
  UINT nHash = 0;
  if (key != NULL)
    while (*key) nHash = (nHash << 5) + nHash + (unsigned char)*key++;
  return nHash;
}
inline UINT AFXAPI HashKey(const CString& key) { return HashKey((LPCTSTR)key); }

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject {
  struct CAssoc {
    CAssoc* pNext;
    UINT nHashValue;
    KEY key;
    VALUE value;
  };

 public:
  explicit CMap(int nBlockSize = 10) : m_pHashTable(NULL), m_nHashTableSize(17), m_nCount(0) {
    (void)nBlockSize;  // entries are allocated one at a time
  }
  ~CMap() { RemoveAll(); }

  int GetCount() const { return m_nCount; }
  BOOL IsEmpty() const { return m_nCount == 0; }

  BOOL Lookup(ARG_KEY key, VALUE& rValue) const {
    UINT nHash;
    CAssoc* pAssoc = GetAssocAt(key, nHash);
    if (pAssoc == NULL) return FALSE;
    rValue = pAssoc->value;
    return TRUE;
  }
  VALUE& operator[](ARG_KEY key) {
    UINT nHash;
    CAssoc* pAssoc = GetAssocAt(key, nHash);
    if (pAssoc != NULL) return pAssoc->value;
    if (m_pHashTable == NULL) InitHashTable(m_nHashTableSize);
    pAssoc = new (std::nothrow) CAssoc{m_pHashTable[nHash], nHash, KEY(key), VALUE()};
    if (pAssoc == NULL) AfxThrowMemoryException();
    m_pHashTable[nHash] = pAssoc;
    m_nCount++;
    return pAssoc->value;
  }
  void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }
  BOOL RemoveKey(ARG_KEY key) {
    if (m_pHashTable == NULL) return FALSE;
    CAssoc** ppPrev = &m_pHashTable[HashKey(key) % m_nHashTableSize];
    for (CAssoc* pAssoc = *ppPrev; pAssoc != NULL; ppPrev = &pAssoc->pNext, pAssoc = pAssoc->pNext) {
      if (pAssoc->key == key) {
        *ppPrev = pAssoc->pNext;
        delete pAssoc;
        m_nCount--;
        return TRUE;
      }
    }
    return FALSE;
  }
  void RemoveAll() {
    if (m_pHashTable != NULL) {
      for (UINT i = 0; i < m_nHashTableSize; i++) {
        for (CAssoc* pAssoc = m_pHashTable[i]; pAssoc != NULL;) {
          CAssoc* pNext = pAssoc->pNext;
          delete pAssoc;
          pAssoc = pNext;
        }
      }
      delete[] m_pHashTable;
    }
    m_pHashTable = NULL;
    m_nCount = 0;
  }

  // Iteration order is the table's, not the insertion order.
  POSITION GetStartPosition() const { return m_nCount == 0 ? NULL : BEFORE_START_POSITION; }
  void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const {
    CAssoc* pAssoc = (CAssoc*)rNextPosition;
    if (pAssoc == NULL) return;
    if (pAssoc == (CAssoc*)BEFORE_START_POSITION) pAssoc = FirstFrom(0);
    rKey = pAssoc->key;
    rValue = pAssoc->value;
    CAssoc* pNext = pAssoc->pNext;
    if (pNext == NULL) pNext = FirstFrom(pAssoc->nHashValue + 1);
    rNextPosition = (POSITION)pNext;
  }

  UINT GetHashTableSize() const { return m_nHashTableSize; }
  // Sets the number of buckets; only takes effect while the map is empty.
  void InitHashTable(UINT hashSize) {
    if (m_nCount != 0 || hashSize == 0) return;
    delete[] m_pHashTable;
    m_pHashTable = new (std::nothrow) CAssoc*[hashSize]();
    if (m_pHashTable == NULL) AfxThrowMemoryException();
    m_nHashTableSize = hashSize;
  }

 protected:
  CAssoc** m_pHashTable;
  UINT m_nHashTableSize;
  int m_nCount;

 private:
  CAssoc* GetAssocAt(ARG_KEY key, UINT& nHash) const {
    nHash = HashKey(key) % m_nHashTableSize;
    if (m_pHashTable == NULL) return NULL;
    for (CAssoc* pAssoc = m_pHashTable[nHash]; pAssoc != NULL; pAssoc = pAssoc->pNext)
      if (pAssoc->key == key) return pAssoc;
    return NULL;
  }
  CAssoc* FirstFrom(UINT nBucket) const {
    for (; nBucket < m_nHashTableSize; nBucket++)
      if (m_pHashTable[nBucket] != NULL) return m_pHashTable[nBucket];
    return NULL;
  }
};
