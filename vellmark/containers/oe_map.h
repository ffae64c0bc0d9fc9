#ifndef OE_MAP_H_INCLUDED
#define OE_MAP_H_INCLUDED

// The engine's maps, all on the chained table of oe_hashmap.h (43 buckets by
// default, never rehashed, newest key first in its bucket):
// - bTPtrMap<K, T *>: pointers by key; the map does not own its pointees.
// - bTStringObjMap<T>: objects by bCString key (for example bCString values).
// - bTStringValMap<T>: plain values by bCString key (for example long).
// An absent key looked up with AccessAt gets a default (zero) value.

#include <vellmark/containers/oe_hashmap.h>
#include <vellmark/kernel/oe_string.h>

#include <type_traits>

template <typename K, typename T> class bTPtrMap : public bTHashMap<K, T>
{
    static_assert(std::is_pointer_v<T>, "bTPtrMap holds pointers: bTPtrMap<K, T *>");

public:
    T GetAt(K const & a_Key) const // the pointer, or null when absent
    {
        T const * pValue = this->Find(a_Key);
        return pValue ? *pValue : nullptr;
    }
};

template <typename T> class bTStringObjMap : public bTHashMap<bCString, T>
{
};

template <typename T> class bTStringValMap : public bTHashMap<bCString, T>
{
public:
    bool GetAt(bCString const & a_strKey, T & a_Value) const // false (a_Value untouched) when absent
    {
        T const * pValue = this->Find(a_strKey);
        if (pValue)
            a_Value = *pValue;
        return pValue != nullptr;
    }
};

#endif
