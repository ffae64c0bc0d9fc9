#ifndef OE_ARRAYBASE_H_INCLUDED
#define OE_ARRAYBASE_H_INCLUDED

// bTArrayBase<T>: the storage shared by the dynamic arrays.
//
// Conventions of the arrays:
// - Three fields: the element pointer (null without storage), the signed 32-bit
//   count of live elements and the signed 32-bit capacity in slots.
// - Storage comes from the memory administration through Realloc and goes back
//   through Free, and is released only while the administration reports itself
//   initialised (static arrays destroyed after it at exit keep their block).
//   Elements move with their block, bytewise: element types must not hold
//   pointers into themselves.
// - Growth: when a requested count exceeds the capacity, the capacity becomes
//   the requested count plus a step, by default capacity / 8 clamped to
//   4..1024. Slots beyond the old capacity are zero-filled. The capacity never
//   shrinks except through FreeExtra.
// - Indices are not checked beyond assertions of the caller: an index outside
//   0..count-1 is a programming error.
// - Containers are not synchronised; callers lock.

#include <vellmark/kernel/oe_basemem.h>
#include <vellmark/kernel/oe_types.h>

#include <cstdint>
#include <cstring>

template <typename T> class bTArrayBase
{
public:
    // Walks the live elements front to back.
    class bCConstIterator
    {
    public:
        bCConstIterator() : m_pElement(nullptr) {}
        explicit bCConstIterator(T const * a_pElement) : m_pElement(a_pElement) {}

        T const & operator*() const { return *m_pElement; }
        T const * operator->() const { return m_pElement; }
        bCConstIterator & operator++()
        {
            ++m_pElement;
            return *this;
        }
        bCConstIterator operator++(int)
        {
            bCConstIterator Old(*this);
            ++m_pElement;
            return Old;
        }
        bCConstIterator & operator--()
        {
            --m_pElement;
            return *this;
        }
        bool operator==(bCConstIterator const & a_Other) const { return m_pElement == a_Other.m_pElement; }
        bool operator!=(bCConstIterator const & a_Other) const { return m_pElement != a_Other.m_pElement; }

    private:
        T const * m_pElement;
    };

public:
    int GetCount() const { return m_iCount; }
    int GetCapacity() const { return m_iCapacity; }
    bool IsEmpty() const { return m_iCount == 0; }

    T const & operator[](int a_iIndex) const { return m_pElements[a_iIndex]; }
    T & operator[](int a_iIndex) { return m_pElements[a_iIndex]; }
    T const & GetAt(int a_iIndex) const { return m_pElements[a_iIndex]; }
    T & AccessAt(int a_iIndex) { return m_pElements[a_iIndex]; }
    T const & GetLast() const { return m_pElements[m_iCount - 1]; }
    T const * GetArray() const { return m_pElements; } // null without storage
    T * AccessArray() { return m_pElements; }

    bCConstIterator BeginIterator() const { return bCConstIterator(m_pElements); }
    bCConstIterator EndIterator() const { return bCConstIterator(m_pElements + m_iCount); }
    // Range-for support, beside the engine's own iterator names.
    T const * begin() const { return m_pElements; }
    T const * end() const { return m_pElements + m_iCount; }

    int IndexOf(T const & a_Element) const; // first equal element, or -1
    bool Contains(T const & a_Element) const { return IndexOf(a_Element) >= 0; }

    // The capacity a request for a_iRequested slots leads to; a_iStep > 0 is an
    // explicit step, a_iStep < 0 no extra slots, 0 the default step.
    static int GetGrownCapacity(int a_iCapacity, int a_iRequested, int a_iStep);

protected:
    bTArrayBase() : m_pElements(nullptr), m_iCount(0), m_iCapacity(0) {}
    ~bTArrayBase() = default;
    bTArrayBase(bTArrayBase const &) = delete;
    bTArrayBase & operator=(bTArrayBase const &) = delete;

protected:
    void Invalidate();
    bool SetStorage(int a_iCapacity); // exactly a_iCapacity slots, new ones zero-filled; false when out of memory
    void FreeStorage();               // releases the block (while the administration lives) and invalidates
    bool OwnsElement(T const & a_Element) const;

protected:
    T * m_pElements;
    int32_t m_iCount;
    int32_t m_iCapacity;
};

template <typename T> int bTArrayBase<T>::IndexOf(T const & a_Element) const
{
    for (int i = 0; i < m_iCount; ++i)
        if (m_pElements[i] == a_Element)
            return i;
    return -1;
}

template <typename T> int bTArrayBase<T>::GetGrownCapacity(int a_iCapacity, int a_iRequested, int a_iStep)
{
    if (a_iRequested <= a_iCapacity)
        return a_iCapacity;
    int iStep = a_iStep;
    if (iStep == 0)
    {
        iStep = a_iCapacity / 8;
        iStep = iStep < 4 ? 4 : (iStep > 1024 ? 1024 : iStep);
    }
    else if (iStep < 0)
        iStep = 0;
    // The sum may not pass the largest count the fields can hold.
    return a_iRequested > INT32_MAX - iStep ? INT32_MAX : a_iRequested + iStep;
}

template <typename T> void bTArrayBase<T>::Invalidate()
{
    m_pElements = nullptr;
    m_iCount = 0;
    m_iCapacity = 0;
}

template <typename T> bool bTArrayBase<T>::SetStorage(int a_iCapacity)
{
    if (a_iCapacity <= 0)
    {
        FreeStorage();
        return true;
    }
    unsigned long const uBytes = static_cast<unsigned long>(a_iCapacity) * sizeof(T);
    void * pBlock = m_pElements
                        ? bCMemoryAdmin::GetInstance().Realloc(m_pElements, uBytes, "bTArrayBase", __FILE__, __LINE__)
                        : bCMemoryAdmin::GetInstance().Malloc(uBytes, "bTArrayBase", __FILE__, __LINE__);
    if (!pBlock)
        return false;
    m_pElements = static_cast<T *>(pBlock);
    if (a_iCapacity > m_iCapacity)
        std::memset(static_cast<void *>(m_pElements + m_iCapacity), 0,
                    static_cast<size_t>(a_iCapacity - m_iCapacity) * sizeof(T));
    m_iCapacity = a_iCapacity;
    return true;
}

template <typename T> void bTArrayBase<T>::FreeStorage()
{
    if (m_pElements && bCMemoryAdmin::IsMemoryAdminInitialized())
        bCMemoryAdmin::GetInstance().Free(m_pElements);
    Invalidate();
}

template <typename T> bool bTArrayBase<T>::OwnsElement(T const & a_Element) const
{
    // Only the address matters: an argument that lives in this array's block
    // must be copied before the block moves.
    return m_pElements && &a_Element >= m_pElements && &a_Element < m_pElements + m_iCapacity;
}

#endif
