#ifndef OE_SMALLARRAY_H_INCLUDED
#define OE_SMALLARRAY_H_INCLUDED

// bTSmallArray<T>: a compact array of objects with 16-bit capacity and count,
// for the many short lists of the engine (key times, weights).
//
// - Fields, in order: capacity (u16), count (u16), element pointer.
// - Only the live elements are constructed; removal destroys.
// - Appending to a full array grows it by 4 slots while the capacity is at most
//   8, by 16 while it is at most 64 and by a quarter above that (4, 8, 12, 28,
//   44, 60, 76, 95, ...). The capacity never passes 65534: a further append is
//   refused with the improper-usage warning.
// - Storage comes from the memory administration and is released only while it
//   reports itself initialised; elements move with their block bytewise.

#include <vellmark/kernel/oe_basemem.h>
#include <vellmark/kernel/oe_message.h>
#include <vellmark/kernel/oe_types.h>

#include <cstdint>
#include <cstring>
#include <new>

template <typename T> class bTSmallArray
{
public:
    // The largest count and capacity; 65535 stays unused.
    static constexpr int ms_iMaxCount = 65534;

    using bCConstIterator = T const *;

public:
    bTSmallArray() : m_u16Capacity(0), m_u16Count(0), m_pElements(nullptr) {}
    bTSmallArray(bTSmallArray const & a_Source) : bTSmallArray() { CopyFrom(a_Source); }
    ~bTSmallArray() { Destroy(); }
    bTSmallArray & operator=(bTSmallArray const & a_Source)
    {
        CopyFrom(a_Source);
        return *this;
    }

public:
    int GetCount() const { return m_u16Count; }
    int GetCapacity() const { return m_u16Capacity; }
    bool IsEmpty() const { return m_u16Count == 0; }
    T const & operator[](int a_iIndex) const { return m_pElements[a_iIndex]; }
    T & operator[](int a_iIndex) { return m_pElements[a_iIndex]; }
    T const & GetAt(int a_iIndex) const { return m_pElements[a_iIndex]; }
    T & AccessAt(int a_iIndex) { return m_pElements[a_iIndex]; }
    T const * GetArray() const { return m_pElements; }
    bCConstIterator BeginIterator() const { return m_pElements; }
    bCConstIterator EndIterator() const { return m_pElements + m_u16Count; }
    T const * begin() const { return m_pElements; }
    T const * end() const { return m_pElements + m_u16Count; }
    int IndexOf(T const & a_Element) const; // first equal element, or -1

    int Add(T const & a_Element);                  // the new index, or -1 when full or out of memory
    void RemoveAt(int a_iIndex, int a_iCount = 1); // order-preserving
    void RemoveAtFast(int a_iIndex);               // the last element fills the gap
    bool SetCount(int a_iCount);                   // at most 65534; new elements default-constructed
    void Clear() { SetCount(0); }                  // keeps the storage
    void Destroy();                                // releases elements and storage
    void CopyFrom(bTSmallArray const & a_Source);

    // The capacity after an append to a full array of a_iCapacity slots.
    static int GetGrownCapacity(int a_iCapacity);

private:
    bool SetStorage(int a_iCapacity);
    static void ReportLimit(char const * a_pcMethod);

private:
    uint16_t m_u16Capacity;
    uint16_t m_u16Count;
    T * m_pElements;
};

template <typename T> int bTSmallArray<T>::IndexOf(T const & a_Element) const
{
    for (int i = 0; i < m_u16Count; ++i)
        if (m_pElements[i] == a_Element)
            return i;
    return -1;
}

template <typename T> int bTSmallArray<T>::GetGrownCapacity(int a_iCapacity)
{
    int const iStep = a_iCapacity <= 8 ? 4 : (a_iCapacity <= 64 ? 16 : a_iCapacity / 4);
    int const iCapacity = a_iCapacity + iStep;
    return iCapacity > 65535 ? ms_iMaxCount : iCapacity;
}

template <typename T> void bTSmallArray<T>::ReportLimit(char const * a_pcMethod)
{
    OE_MESSAGEF_WARN("The method %s detected an improper usage! \nHint:%s ", a_pcMethod,
                     "A bTSmallArray holds at most 65534 elements.");
}

template <typename T> bool bTSmallArray<T>::SetStorage(int a_iCapacity)
{
    unsigned long const uBytes = static_cast<unsigned long>(a_iCapacity) * sizeof(T);
    void * pBlock = m_pElements
                        ? bCMemoryAdmin::GetInstance().Realloc(m_pElements, uBytes, "bTSmallArray", __FILE__, __LINE__)
                        : bCMemoryAdmin::GetInstance().Malloc(uBytes, "bTSmallArray", __FILE__, __LINE__);
    if (!pBlock)
        return false;
    m_pElements = static_cast<T *>(pBlock);
    m_u16Capacity = static_cast<uint16_t>(a_iCapacity);
    return true;
}

template <typename T> int bTSmallArray<T>::Add(T const & a_Element)
{
    int const iIndex = m_u16Count;
    if (iIndex == m_u16Capacity)
    {
        if (m_pElements && &a_Element >= m_pElements && &a_Element < m_pElements + m_u16Count)
        {
            T const Copy(a_Element); // the block is about to move
            return Add(Copy);
        }
        int const iCapacity = GetGrownCapacity(m_u16Capacity);
        if (iCapacity > m_u16Capacity && !SetStorage(iCapacity))
            return -1;
        if (iIndex == m_u16Capacity)
        {
            ReportLimit("bTSmallArray::Add");
            return -1;
        }
    }
    new (static_cast<void *>(m_pElements + iIndex)) T(a_Element);
    m_u16Count = static_cast<uint16_t>(iIndex + 1);
    return iIndex;
}

template <typename T> void bTSmallArray<T>::RemoveAt(int a_iIndex, int a_iCount)
{
    int const iCount = m_u16Count;
    if (a_iIndex < 0 || a_iCount <= 0 || a_iIndex >= iCount)
        return;
    if (a_iCount > iCount - a_iIndex)
        a_iCount = iCount - a_iIndex;
    for (int i = a_iIndex; i < a_iIndex + a_iCount; ++i)
        m_pElements[i].~T();
    std::memmove(static_cast<void *>(m_pElements + a_iIndex),
                 static_cast<void const *>(m_pElements + a_iIndex + a_iCount),
                 static_cast<size_t>(iCount - a_iIndex - a_iCount) * sizeof(T));
    m_u16Count = static_cast<uint16_t>(iCount - a_iCount);
}

template <typename T> void bTSmallArray<T>::RemoveAtFast(int a_iIndex)
{
    int const iLast = m_u16Count - 1;
    if (a_iIndex < 0 || a_iIndex > iLast)
        return;
    m_pElements[a_iIndex].~T();
    if (a_iIndex != iLast)
        std::memcpy(static_cast<void *>(m_pElements + a_iIndex), static_cast<void const *>(m_pElements + iLast),
                    sizeof(T));
    m_u16Count = static_cast<uint16_t>(iLast);
}

template <typename T> bool bTSmallArray<T>::SetCount(int a_iCount)
{
    if (a_iCount < 0 || a_iCount > ms_iMaxCount)
    {
        ReportLimit("bTSmallArray::SetCount");
        return false;
    }
    if (a_iCount > m_u16Capacity && !SetStorage(a_iCount))
        return false;
    for (int i = a_iCount; i < m_u16Count; ++i)
        m_pElements[i].~T();
    for (int i = m_u16Count; i < a_iCount; ++i)
        new (static_cast<void *>(m_pElements + i)) T();
    m_u16Count = static_cast<uint16_t>(a_iCount);
    return true;
}

template <typename T> void bTSmallArray<T>::Destroy()
{
    for (int i = 0; i < m_u16Count; ++i)
        m_pElements[i].~T();
    if (m_pElements && bCMemoryAdmin::IsMemoryAdminInitialized())
        bCMemoryAdmin::GetInstance().Free(m_pElements);
    m_pElements = nullptr;
    m_u16Count = 0;
    m_u16Capacity = 0;
}

template <typename T> void bTSmallArray<T>::CopyFrom(bTSmallArray const & a_Source)
{
    if (&a_Source == this)
        return;
    Clear();
    int const iCount = a_Source.m_u16Count;
    if (iCount > m_u16Capacity && !SetStorage(iCount))
        return;
    for (int i = 0; i < iCount; ++i)
        new (static_cast<void *>(m_pElements + i)) T(a_Source.m_pElements[i]);
    m_u16Count = static_cast<uint16_t>(iCount);
}

#endif
