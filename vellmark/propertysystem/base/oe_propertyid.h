#ifndef OE_PROPERTYID_H_INCLUDED
#define OE_PROPERTYID_H_INCLUDED

// bCPropertyID: a 128-bit identifier, random (a fresh GUID) or the MD5 of a
// text, so that one property name gives one identifier everywhere.
//
// - The core lies like a GUID, so it converts to and from bCGuid bytewise.
// - The count beside it is 0 after every operation that sets the core; only
//   AccessCount can raise it. Equality compares the core only.
// - Stream form: the 16 core bytes raw, then the count as unsigned 32-bit;
//   reading sets the count back to 0.

#include <vellmark/containers/oe_hash.h>
#include <vellmark/kernel/oe_string.h>
#include <vellmark/kernel/oe_types.h>

#include <cstdint>

class bCGuid;
class bCIStream;
class bCOStream;
class bCMd5;

struct OE_API bSPropertyIDCore
{
    uint8_t m_arrBytes[16];

    uint32_t GetWord(int a_iIndex) const; // little-endian word 0..3
    void SetWord(int a_iIndex, uint32_t a_uValue);
};

class OE_API bCPropertyID
{
public:
    using bSCore = bSPropertyIDCore;

public:
    bCPropertyID();
    bCPropertyID(bCPropertyID const & a_Source);
    bCPropertyID(bCGuid const & a_Guid);
    ~bCPropertyID();
    bCPropertyID & operator=(bCPropertyID const & a_Source);

public:
    bool operator==(bCPropertyID const & a_Other) const;
    bool operator!=(bCPropertyID const & a_Other) const { return !(*this == a_Other); }
    void CopyFrom(bCPropertyID const & a_Source);
    void CopyTo(bCPropertyID & a_Dest) const { a_Dest.CopyFrom(*this); }

    bSCore const & GetCore() const { return m_Core; }
    unsigned long GetCount() const { return m_u32Count; }
    bool IsValid() const; // a non-zero core word
    void Destroy();

    bool CreateRandom();
    bool CreateFromMd5(bCMd5 const & a_Md5);
    bool CreateFromString(bCString const & a_strText); // RFC 1321 digest of the bytes
    bool SetGuid(bCGuid const & a_Guid);               // false for an invalid or null GUID
    void ExtractGuid(bCGuid & a_Guid) const;

    bCString GetText() const; // GUID text in lower case
    bool SetText(bCString const & a_strText);
    bCString GetTextEx() const; // text, ":", count
    bool SetTextEx(bCString const & a_strText);
    bCString GetShortText() const; // the count as eight hex digits

    bool Read(bCIStream & a_Stream);
    void Write(bCOStream & a_Stream) const;
    bCIStream & operator<<(bCIStream & a_Stream);
    bCOStream & operator>>(bCOStream & a_Stream) const;

    static void DestroyHashList() {}

private:
    friend class bCPropertyIDTest;
    bSCore & AccessCore() { return m_Core; }
    void SetCore(bSCore const & a_Core) { m_Core = a_Core; }
    uint32_t & AccessCount() { return m_u32Count; }
    void SetCount(unsigned long) { m_u32Count = 0; }
    void Invalidate();
    bool Create();

private:
    bSCore m_Core;
    uint32_t m_u32Count;
};

OE_API bCIStream & operator>>(bCIStream & a_Stream, bCPropertyID & a_ID);
OE_API bCOStream & operator<<(bCOStream & a_Stream, bCPropertyID const & a_ID);

// (first core word >> 3) + count, modulo 2^32.
template <> OE_API unsigned long g_GetHashValue<bCPropertyID>(bCPropertyID const & a_ID);

// The core {0xFFFFFFFF, 0, 0, 0}; the library never reads it.
extern OE_API bSPropertyIDCore const g_idInvalid;

#endif
