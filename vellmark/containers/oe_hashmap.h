#ifndef OE_HASHMAP_H_INCLUDED
#define OE_HASHMAP_H_INCLUDED

// bTHashMap<K, T>: the chained hash table under the engine's maps
// (bTPtrMap, bTStringObjMap, bTStringValMap in oe_map.h).
//
// Conventions of the maps:
// - A table of bucket heads (a bTValArray of node pointers) and the count of
//   nodes. A map starts with 43 buckets; Clear goes back to 43; an owner may
//   recreate the emptied table with a count of its own through Create. The
//   bucket count never changes by itself: there is no rehashing.
// - The bucket of a key is g_GetHashValue(key) modulo the bucket count. Keys
//   compare with their own operator== (case-sensitive for strings).
// - A new key goes to the head of its bucket's chain. Iteration runs bucket by
//   bucket in ascending order, each chain from its head: the newest key of a
//   bucket comes first.
// - Copying clears the destination (43 buckets) and inserts the source's nodes
//   in iteration order, so keys sharing a bucket come out reversed; owners of a
//   table with its own bucket count do not copy their maps.
// - Nodes come from the memory administration's tracked new; storage is
//   released only while the administration reports itself initialised.
// - Iterators are invalidated by every insertion and removal.
// - Stream form (Write/Read): the unsigned 8-bit version 1, the node count as
//   unsigned 32-bit, then key and value of every node in iteration order, in
//   the primitive encodings of the streams. Write and Read take any stream with
//   the typed Write/Read members of the engine's streams (bCOStream, bCIStream).

#include <vellmark/containers/oe_array.h>
#include <vellmark/containers/oe_hash.h>
#include <vellmark/kernel/oe_basemem.h>
#include <vellmark/kernel/oe_string.h>

#include <cstdint>
#include <new>
#include <type_traits>

template <typename K, typename T> class bTHashMap
{
public:
    static constexpr int ms_iDefaultBucketCount = 43;

    struct bSNode
    {
        bSNode(K const & a_Key, uint32_t a_uBucket, bSNode * a_pNext) :
            m_Key(a_Key), m_Value(), m_uBucket(a_uBucket), m_pNext(a_pNext)
        {
        }

        K m_Key;
        T m_Value;
        uint32_t m_uBucket;
        bSNode * m_pNext;
    };

    // Walks the nodes bucket by bucket; the end has no node.
    class bCConstIterator
    {
    public:
        bCConstIterator() : m_pMap(nullptr), m_iBucket(0), m_pNode(nullptr) {}
        bCConstIterator(bTHashMap const * a_pMap, int a_iBucket, bSNode * a_pNode) :
            m_pMap(a_pMap), m_iBucket(a_iBucket), m_pNode(a_pNode)
        {
        }

        K const & GetKey() const { return m_pNode->m_Key; }
        T const & GetValue() const { return m_pNode->m_Value; }
        int GetBucket() const { return m_iBucket; }
        bool IsValid() const { return m_pNode != nullptr; }
        bCConstIterator & operator++();
        bCConstIterator operator++(int)
        {
            bCConstIterator Old(*this);
            ++*this;
            return Old;
        }
        bool operator==(bCConstIterator const & a_Other) const
        {
            return m_pNode == a_Other.m_pNode && m_pMap == a_Other.m_pMap;
        }
        bool operator!=(bCConstIterator const & a_Other) const { return !(*this == a_Other); }

    protected:
        bTHashMap const * m_pMap;
        int m_iBucket;
        bSNode * m_pNode;
    };

    // The same walk with write access to the values.
    class bCIterator : public bCConstIterator
    {
    public:
        using bCConstIterator::bCConstIterator;

        T & AccessValue() const { return this->m_pNode->m_Value; }
        bCIterator & operator++()
        {
            bCConstIterator::operator++();
            return *this;
        }
        bCIterator operator++(int)
        {
            bCIterator Old(*this);
            bCConstIterator::operator++();
            return Old;
        }
    };

public:
    bTHashMap() : m_iCount(0) { Create(ms_iDefaultBucketCount); }
    bTHashMap(bTHashMap const & a_Source) : m_iCount(0) { CopyFrom(a_Source); }
    ~bTHashMap() { Destroy(); }
    bTHashMap & operator=(bTHashMap const & a_Source)
    {
        CopyFrom(a_Source);
        return *this;
    }

public:
    int GetCount() const { return m_iCount; }
    bool IsEmpty() const { return m_iCount == 0; }
    int GetBucketCount() const { return m_arrBuckets.GetCount(); }

    T const * Find(K const & a_Key) const; // the value, or null
    T * Find(K const & a_Key);
    bool Contains(K const & a_Key) const { return Find(a_Key) != nullptr; }
    T & AccessAt(K const & a_Key); // inserts a default value for an absent key
    T & operator[](K const & a_Key) { return AccessAt(a_Key); }
    void SetAt(K const & a_Key, T const & a_Value) { AccessAt(a_Key) = a_Value; }
    bool Remove(K const & a_Key); // false when absent

    void Create(int a_iBucketCount = ms_iDefaultBucketCount); // empties; a count below 1 gives 43
    void Clear() { Create(ms_iDefaultBucketCount); }
    void Destroy(); // frees nodes and table; the next insertion makes 43 buckets
    void CopyFrom(bTHashMap const & a_Source);
    void CopyTo(bTHashMap & a_Dest) const { a_Dest.CopyFrom(*this); }

    bCConstIterator BeginIterator() const;
    bCConstIterator EndIterator() const { return bCConstIterator(this, GetBucketCount(), nullptr); }
    bCIterator BeginIterator();
    bCIterator EndIterator() { return bCIterator(this, GetBucketCount(), nullptr); }

    template <typename TOStream> unsigned long Write(TOStream & a_Stream) const; // the bytes written
    template <typename TIStream> bool Read(TIStream & a_Stream);                 // false when the data ends early

protected:
    uint32_t GetBucketOf(K const & a_Key) const;
    bSNode * FindNode(K const & a_Key) const;
    bSNode * InsertNode(K const & a_Key, uint32_t a_uBucket);
    void DeleteNode(bSNode * a_pNode);
    int FindFilledBucket(int a_iFirst) const; // the bucket count when none follows
    template <typename TIStream, typename V> static bool ReadItem(TIStream & a_Stream, V & a_Item);

protected:
    bTValArray<bSNode *> m_arrBuckets;
    int32_t m_iCount;
};

template <typename K, typename T>
typename bTHashMap<K, T>::bCConstIterator & bTHashMap<K, T>::bCConstIterator::operator++()
{
    if (!m_pNode)
        return *this;
    m_pNode = m_pNode->m_pNext;
    if (!m_pNode)
    {
        m_iBucket = m_pMap->FindFilledBucket(m_iBucket + 1);
        m_pNode = m_iBucket < m_pMap->GetBucketCount() ? m_pMap->m_arrBuckets[m_iBucket] : nullptr;
    }
    return *this;
}

template <typename K, typename T> uint32_t bTHashMap<K, T>::GetBucketOf(K const & a_Key) const
{
    uint32_t const uHash = static_cast<uint32_t>(g_GetHashValue<K>(a_Key));
    return uHash % static_cast<uint32_t>(GetBucketCount());
}

template <typename K, typename T> typename bTHashMap<K, T>::bSNode * bTHashMap<K, T>::FindNode(K const & a_Key) const
{
    if (GetBucketCount() == 0)
        return nullptr;
    for (bSNode * pNode = m_arrBuckets[static_cast<int>(GetBucketOf(a_Key))]; pNode; pNode = pNode->m_pNext)
        if (pNode->m_Key == a_Key)
            return pNode;
    return nullptr;
}

template <typename K, typename T> T const * bTHashMap<K, T>::Find(K const & a_Key) const
{
    bSNode const * pNode = FindNode(a_Key);
    return pNode ? &pNode->m_Value : nullptr;
}

template <typename K, typename T> T * bTHashMap<K, T>::Find(K const & a_Key)
{
    bSNode * pNode = FindNode(a_Key);
    return pNode ? &pNode->m_Value : nullptr;
}

template <typename K, typename T>
typename bTHashMap<K, T>::bSNode * bTHashMap<K, T>::InsertNode(K const & a_Key, uint32_t a_uBucket)
{
    bSNode *& pHead = m_arrBuckets[static_cast<int>(a_uBucket)];
    void * pBlock = bCMemoryAdmin::GetInstance().NewObject(sizeof(bSNode), "bTHashMap::bSNode", __FILE__, "", __LINE__);
    pHead = new (pBlock) bSNode(a_Key, a_uBucket, pHead);
    ++m_iCount;
    return pHead;
}

template <typename K, typename T> void bTHashMap<K, T>::DeleteNode(bSNode * a_pNode)
{
    a_pNode->~bSNode();
    if (bCMemoryAdmin::IsMemoryAdminInitialized())
        bCMemoryAdmin::GetInstance().DeleteObject(a_pNode);
}

template <typename K, typename T> T & bTHashMap<K, T>::AccessAt(K const & a_Key)
{
    if (GetBucketCount() == 0)
        Create(ms_iDefaultBucketCount);
    uint32_t const uBucket = GetBucketOf(a_Key);
    for (bSNode * pNode = m_arrBuckets[static_cast<int>(uBucket)]; pNode; pNode = pNode->m_pNext)
        if (pNode->m_Key == a_Key)
            return pNode->m_Value;
    return InsertNode(a_Key, uBucket)->m_Value;
}

template <typename K, typename T> bool bTHashMap<K, T>::Remove(K const & a_Key)
{
    if (GetBucketCount() == 0)
        return false;
    for (bSNode ** ppLink = &m_arrBuckets[static_cast<int>(GetBucketOf(a_Key))]; *ppLink; ppLink = &(*ppLink)->m_pNext)
    {
        bSNode * pNode = *ppLink;
        if (!(pNode->m_Key == a_Key))
            continue;
        *ppLink = pNode->m_pNext;
        DeleteNode(pNode);
        --m_iCount;
        return true;
    }
    return false;
}

template <typename K, typename T> void bTHashMap<K, T>::Destroy()
{
    for (int i = 0; i < GetBucketCount(); ++i)
    {
        for (bSNode * pNode = m_arrBuckets[i]; pNode;)
        {
            bSNode * pNext = pNode->m_pNext;
            DeleteNode(pNode);
            pNode = pNext;
        }
    }
    m_arrBuckets.Destroy();
    m_iCount = 0;
}

template <typename K, typename T> void bTHashMap<K, T>::Create(int a_iBucketCount)
{
    Destroy();
    int const iBucketCount = a_iBucketCount > 0 ? a_iBucketCount : ms_iDefaultBucketCount;
    m_arrBuckets.Reserve(iBucketCount, -1);
    m_arrBuckets.SetCount(iBucketCount);
}

template <typename K, typename T> void bTHashMap<K, T>::CopyFrom(bTHashMap const & a_Source)
{
    if (&a_Source == this)
        return;
    Clear();
    for (bCConstIterator It = a_Source.BeginIterator(); It != a_Source.EndIterator(); ++It)
        InsertNode(It.GetKey(), GetBucketOf(It.GetKey()))->m_Value = It.GetValue();
}

template <typename K, typename T> int bTHashMap<K, T>::FindFilledBucket(int a_iFirst) const
{
    int i = a_iFirst;
    while (i < GetBucketCount() && !m_arrBuckets[i])
        ++i;
    return i;
}

template <typename K, typename T> typename bTHashMap<K, T>::bCConstIterator bTHashMap<K, T>::BeginIterator() const
{
    int const iBucket = FindFilledBucket(0);
    return bCConstIterator(this, iBucket, iBucket < GetBucketCount() ? m_arrBuckets[iBucket] : nullptr);
}

template <typename K, typename T> typename bTHashMap<K, T>::bCIterator bTHashMap<K, T>::BeginIterator()
{
    int const iBucket = FindFilledBucket(0);
    return bCIterator(this, iBucket, iBucket < GetBucketCount() ? m_arrBuckets[iBucket] : nullptr);
}

template <typename K, typename T>
template <typename TOStream>
unsigned long bTHashMap<K, T>::Write(TOStream & a_Stream) const
{
    unsigned long uBytes = a_Stream.Write(static_cast<unsigned char>(1));
    uBytes += a_Stream.Write(static_cast<unsigned long>(static_cast<uint32_t>(m_iCount)));
    for (bCConstIterator It = BeginIterator(); It != EndIterator(); ++It)
    {
        uBytes += a_Stream.Write(It.GetKey());
        uBytes += a_Stream.Write(It.GetValue());
    }
    return uBytes;
}

template <typename K, typename T>
template <typename TIStream, typename V>
bool bTHashMap<K, T>::ReadItem(TIStream & a_Stream, V & a_Item)
{
    unsigned long const uBytes = a_Stream.Read(a_Item);
    if constexpr (std::is_same_v<V, bCString>)
        return uBytes >= 2 && uBytes == 2 + static_cast<unsigned long>(a_Item.GetLength());
    else
        return uBytes != 0;
}

template <typename K, typename T> template <typename TIStream> bool bTHashMap<K, T>::Read(TIStream & a_Stream)
{
    // Every version is read as version 1: the form has not changed since.
    unsigned char u8Version = 0;
    unsigned long uCount = 0;
    if (a_Stream.Read(u8Version) != 1)
        return false;
    Clear();
    if (a_Stream.Read(uCount) != 4)
        return false;
    // The count is not trusted for anything but the loop: the data ends first.
    for (unsigned long u = 0; u < uCount; ++u)
    {
        K Key{};
        T Value{};
        if (!ReadItem(a_Stream, Key) || !ReadItem(a_Stream, Value))
            return false;
        AccessAt(Key) = Value;
    }
    return true;
}

#endif
