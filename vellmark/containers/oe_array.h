#ifndef OE_ARRAY_H_INCLUDED
#define OE_ARRAY_H_INCLUDED

// The dynamic arrays built on bTArrayBase (see oe_arraybase.h for storage and
// growth):
// - bTObjArray<T>: objects with constructors and destructors. Every slot of the
//   capacity holds a live object; slots past the count hold default-constructed
//   ones, so removing elements destroys them and default-constructs their slots
//   again, and raising the count uses those default objects.
// - bTValArray<T>: plain values copied bytewise; new trailing elements are
//   zero.
// - bTAutoPtrArray<T *>: pointers that the array owns: every pointee leaving
//   the array by removal, by a lower count or by destruction is deleted.
// Removal is order-preserving (RemoveAt) or fills the gap with the last
// element (RemoveAtFast). Copying sets the destination's count, then assigns
// element by element.
//
// The compact 16-bit bTSmallArray lives in oe_smallarray.h.

#include <vellmark/containers/oe_arraybase.h>
#include <vellmark/containers/oe_smallarray.h>

#include <new>

// The operations common to object and value arrays; t_bObjects selects whether
// slots hold constructed objects or raw bytes.
template <typename T, bool t_bObjects> class bTElementArray : public bTArrayBase<T>
{
    using bTBase = bTArrayBase<T>;

public:
    bTElementArray() = default;
    bTElementArray(bTElementArray const & a_Source) : bTBase() { CopyFrom(a_Source); }
    ~bTElementArray() { Destroy(); }
    bTElementArray & operator=(bTElementArray const & a_Source)
    {
        CopyFrom(a_Source);
        return *this;
    }

public:
    int Add(T const & a_Element);                     // appends; the new index, or -1 without memory
    int AddNew();                                     // appends a default (or zero) element; its index or -1
    bool InsertAt(int a_iIndex, T const & a_Element); // 0 <= a_iIndex <= count
    void RemoveAt(int a_iIndex, int a_iCount = 1);    // order-preserving
    void RemoveAtFast(int a_iIndex);                  // the last element fills the gap
    bool Remove(T const & a_Element);                 // the first equal element
    bool SetCount(int a_iCount);
    bool Reserve(int a_iCapacity, int a_iStep = 0); // a_iStep > 0 explicit, < 0 none, 0 default
    void FreeExtra();                               // capacity = count; 0 releases the storage
    void Clear() { SetCount(0); }                   // keeps the storage
    void Destroy();                                 // releases elements and storage
    void CopyFrom(bTElementArray const & a_Source);
    void CopyTo(bTElementArray & a_Dest) const { a_Dest.CopyFrom(*this); }

protected:
    bool Grow(int a_iRequested, int a_iStep);
    void ConstructSlots(int a_iFirst, int a_iCount);
    void DestroySlots(int a_iFirst, int a_iCount);
    void ClearSlots(int a_iFirst, int a_iCount); // a value array's "default" is zero
};

template <typename T> class bTObjArray : public bTElementArray<T, true>
{
};

template <typename T> class bTValArray : public bTElementArray<T, false>
{
};

template <typename T> class bTAutoPtrArray;

template <typename T> class bTAutoPtrArray<T *> : public bTElementArray<T *, false>
{
    using bTBase = bTElementArray<T *, false>;

public:
    bTAutoPtrArray() = default;
    ~bTAutoPtrArray() { Destroy(); }
    // Owned pointees cannot be shared: an owning array is not copied.
    bTAutoPtrArray(bTAutoPtrArray const &) = delete;
    bTAutoPtrArray & operator=(bTAutoPtrArray const &) = delete;

public:
    void RemoveAt(int a_iIndex, int a_iCount = 1);
    void RemoveAtFast(int a_iIndex);
    bool Remove(T * a_pElement);
    T * DetachAt(int a_iIndex); // removes without deleting; the caller owns the result
    bool SetCount(int a_iCount);
    void Clear() { SetCount(0); }
    void Destroy();

private:
    void DeletePointees(int a_iFirst, int a_iCount);
    void CopyFrom(bTBase const &) = delete;
    void CopyTo(bTBase &) const = delete;
};

// bTElementArray

template <typename T, bool t_bObjects> void bTElementArray<T, t_bObjects>::ConstructSlots(int a_iFirst, int a_iCount)
{
    if constexpr (t_bObjects)
        for (int i = a_iFirst; i < a_iFirst + a_iCount; ++i)
            new (static_cast<void *>(this->m_pElements + i)) T();
}

template <typename T, bool t_bObjects> void bTElementArray<T, t_bObjects>::DestroySlots(int a_iFirst, int a_iCount)
{
    if constexpr (t_bObjects)
        for (int i = a_iFirst; i < a_iFirst + a_iCount; ++i)
            this->m_pElements[i].~T();
}

template <typename T, bool t_bObjects> void bTElementArray<T, t_bObjects>::ClearSlots(int a_iFirst, int a_iCount)
{
    if constexpr (!t_bObjects)
        std::memset(static_cast<void *>(this->m_pElements + a_iFirst), 0, static_cast<size_t>(a_iCount) * sizeof(T));
}

template <typename T, bool t_bObjects> bool bTElementArray<T, t_bObjects>::Grow(int a_iRequested, int a_iStep)
{
    int const iOldCapacity = this->m_iCapacity;
    int const iCapacity = bTBase::GetGrownCapacity(iOldCapacity, a_iRequested, a_iStep);
    if (iCapacity == iOldCapacity)
        return true;
    if (!this->SetStorage(iCapacity))
        return false;
    ConstructSlots(iOldCapacity, iCapacity - iOldCapacity);
    return true;
}

template <typename T, bool t_bObjects> int bTElementArray<T, t_bObjects>::Add(T const & a_Element)
{
    int const iIndex = this->m_iCount;
    if (iIndex == this->m_iCapacity && this->OwnsElement(a_Element))
    {
        T const Copy(a_Element); // the block is about to move
        return Add(Copy);
    }
    if (!Grow(iIndex + 1, 0))
        return -1;
    if constexpr (t_bObjects)
        this->m_pElements[iIndex] = a_Element;
    else
        std::memcpy(static_cast<void *>(this->m_pElements + iIndex), static_cast<void const *>(&a_Element), sizeof(T));
    this->m_iCount = iIndex + 1;
    return iIndex;
}

template <typename T, bool t_bObjects> int bTElementArray<T, t_bObjects>::AddNew()
{
    int const iIndex = this->m_iCount;
    return SetCount(iIndex + 1) ? iIndex : -1;
}

template <typename T, bool t_bObjects> bool bTElementArray<T, t_bObjects>::InsertAt(int a_iIndex, T const & a_Element)
{
    if (a_iIndex < 0 || a_iIndex > this->m_iCount)
        return false;
    if (this->OwnsElement(a_Element))
    {
        T const Copy(a_Element); // the elements are about to move
        return InsertAt(a_iIndex, Copy);
    }
    int const iCount = this->m_iCount;
    if (!Grow(iCount + 1, 0))
        return false;
    T * pSlot = this->m_pElements + a_iIndex;
    DestroySlots(iCount, 1);
    std::memmove(static_cast<void *>(pSlot + 1), static_cast<void const *>(pSlot),
                 static_cast<size_t>(iCount - a_iIndex) * sizeof(T));
    if constexpr (t_bObjects)
        new (static_cast<void *>(pSlot)) T(a_Element);
    else
        std::memcpy(static_cast<void *>(pSlot), static_cast<void const *>(&a_Element), sizeof(T));
    this->m_iCount = iCount + 1;
    return true;
}

template <typename T, bool t_bObjects> void bTElementArray<T, t_bObjects>::RemoveAt(int a_iIndex, int a_iCount)
{
    int const iCount = this->m_iCount;
    if (a_iIndex < 0 || a_iCount <= 0 || a_iIndex >= iCount)
        return;
    if (a_iCount > iCount - a_iIndex)
        a_iCount = iCount - a_iIndex;
    T * pSlot = this->m_pElements + a_iIndex;
    DestroySlots(a_iIndex, a_iCount);
    std::memmove(static_cast<void *>(pSlot), static_cast<void const *>(pSlot + a_iCount),
                 static_cast<size_t>(iCount - a_iIndex - a_iCount) * sizeof(T));
    ConstructSlots(iCount - a_iCount, a_iCount);
    this->m_iCount = iCount - a_iCount;
}

template <typename T, bool t_bObjects> void bTElementArray<T, t_bObjects>::RemoveAtFast(int a_iIndex)
{
    int const iLast = this->m_iCount - 1;
    if (a_iIndex < 0 || a_iIndex > iLast)
        return;
    DestroySlots(a_iIndex, 1);
    if (a_iIndex != iLast)
        std::memcpy(static_cast<void *>(this->m_pElements + a_iIndex),
                    static_cast<void const *>(this->m_pElements + iLast), sizeof(T));
    ConstructSlots(iLast, 1);
    this->m_iCount = iLast;
}

template <typename T, bool t_bObjects> bool bTElementArray<T, t_bObjects>::Remove(T const & a_Element)
{
    int const iIndex = this->IndexOf(a_Element);
    if (iIndex < 0)
        return false;
    RemoveAt(iIndex);
    return true;
}

template <typename T, bool t_bObjects> bool bTElementArray<T, t_bObjects>::SetCount(int a_iCount)
{
    int const iCount = this->m_iCount;
    if (a_iCount < 0)
        return false;
    if (a_iCount < iCount)
    {
        DestroySlots(a_iCount, iCount - a_iCount);
        ConstructSlots(a_iCount, iCount - a_iCount);
    }
    else if (a_iCount > iCount)
    {
        if (!Grow(a_iCount, 0))
            return false;
        ClearSlots(iCount, a_iCount - iCount);
    }
    this->m_iCount = a_iCount;
    return true;
}

template <typename T, bool t_bObjects> bool bTElementArray<T, t_bObjects>::Reserve(int a_iCapacity, int a_iStep)
{
    return Grow(a_iCapacity, a_iStep);
}

template <typename T, bool t_bObjects> void bTElementArray<T, t_bObjects>::FreeExtra()
{
    int const iCount = this->m_iCount;
    if (iCount == this->m_iCapacity)
        return;
    DestroySlots(iCount, this->m_iCapacity - iCount);
    if (iCount == 0)
    {
        this->FreeStorage();
        return;
    }
    if (!this->SetStorage(iCount)) // a failed shrink keeps the block: rebuild the slots
        ConstructSlots(iCount, this->m_iCapacity - iCount);
}

template <typename T, bool t_bObjects> void bTElementArray<T, t_bObjects>::Destroy()
{
    DestroySlots(0, this->m_iCapacity);
    this->FreeStorage();
}

template <typename T, bool t_bObjects> void bTElementArray<T, t_bObjects>::CopyFrom(bTElementArray const & a_Source)
{
    if (&a_Source == this || !SetCount(a_Source.m_iCount))
        return;
    if constexpr (t_bObjects)
        for (int i = 0; i < a_Source.m_iCount; ++i)
            this->m_pElements[i] = a_Source.m_pElements[i];
    else if (a_Source.m_iCount > 0)
        std::memcpy(static_cast<void *>(this->m_pElements), static_cast<void const *>(a_Source.m_pElements),
                    static_cast<size_t>(a_Source.m_iCount) * sizeof(T));
}

// bTAutoPtrArray

template <typename T> void bTAutoPtrArray<T *>::DeletePointees(int a_iFirst, int a_iCount)
{
    for (int i = a_iFirst; i < a_iFirst + a_iCount; ++i)
    {
        delete this->m_pElements[i];
        this->m_pElements[i] = nullptr;
    }
}

template <typename T> void bTAutoPtrArray<T *>::RemoveAt(int a_iIndex, int a_iCount)
{
    if (a_iIndex < 0 || a_iCount <= 0 || a_iIndex >= this->m_iCount)
        return;
    if (a_iCount > this->m_iCount - a_iIndex)
        a_iCount = this->m_iCount - a_iIndex;
    DeletePointees(a_iIndex, a_iCount);
    bTBase::RemoveAt(a_iIndex, a_iCount);
}

template <typename T> void bTAutoPtrArray<T *>::RemoveAtFast(int a_iIndex)
{
    if (a_iIndex < 0 || a_iIndex >= this->m_iCount)
        return;
    DeletePointees(a_iIndex, 1);
    bTBase::RemoveAtFast(a_iIndex);
}

template <typename T> bool bTAutoPtrArray<T *>::Remove(T * a_pElement)
{
    int const iIndex = this->IndexOf(a_pElement);
    if (iIndex < 0)
        return false;
    RemoveAt(iIndex);
    return true;
}

template <typename T> T * bTAutoPtrArray<T *>::DetachAt(int a_iIndex)
{
    if (a_iIndex < 0 || a_iIndex >= this->m_iCount)
        return nullptr;
    T * pElement = this->m_pElements[a_iIndex];
    bTBase::RemoveAt(a_iIndex);
    return pElement;
}

template <typename T> bool bTAutoPtrArray<T *>::SetCount(int a_iCount)
{
    if (a_iCount >= 0 && a_iCount < this->m_iCount)
        DeletePointees(a_iCount, this->m_iCount - a_iCount);
    return bTBase::SetCount(a_iCount);
}

template <typename T> void bTAutoPtrArray<T *>::Destroy()
{
    DeletePointees(0, this->m_iCount);
    bTBase::Destroy();
}

#endif
