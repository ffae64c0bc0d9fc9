#ifndef OE_GUID_H_INCLUDED
#define OE_GUID_H_INCLUDED

// A globally unique identifier with a validity flag.
//
// Text form: "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" (38 characters, upper-case
// on output, either case on input); the invalid value reads "{}". Comparisons
// look at the 16 bytes only, never at the validity; the order takes the bytes
// as four little-endian unsigned 32-bit words, first word first.

#include <vellmark/kernel/oe_string.h>
#include <vellmark/kernel/oe_types.h>
#include <vellmark/platform/oe_wintypes.h>

class bCString;

class OE_API bCGuid
{
public:
    bCGuid(); // invalid, bytes zero
    bCGuid(bCGuid const & a_Source);
    bCGuid(_GUID const & a_Guid);
    bCGuid(_GUID const * a_pGuid); // null: invalid
    bCGuid(bCString const & a_strText);
    ~bCGuid() = default;

public:
    void Generate(); // a new version-4 GUID; valid
    void SetGuid(_GUID const & a_Guid);
    void SetGuid(_GUID const * a_pGuid);
    bool SetGuid(bCString const & a_strText);
    bool SetText(bCString const & a_strText); // "{}": invalid and true; else whether the text parsed
    bCString GetText() const;
    bCGuid & operator=(_GUID const & a_Guid);
    bCGuid & operator=(_GUID const * a_pGuid);
    bCGuid & operator=(bCString const & a_strText);
    bCGuid & operator=(bCGuid const & a_Source);

public:
    bool IsValid() const;
    void MakeInvalidGuid(); // keeps the bytes
    void Clear();
    void Init();
    void MakeNullGuid();
    bool IsNull() const; // valid and all bytes zero
    static bCGuid const & GetNullGuid();
    static bCGuid const & GetInvalidGuid();

public:
    _GUID const & GetGuid() const;
    _GUID & GetGuid();
    operator _GUID const &() const;
    operator _GUID &();
    operator _GUID const *() const; // null when invalid
    operator _GUID *();             // null when invalid

public:
    int Compare(bCGuid const & a_Other) const; // -1, 0, 1
    bool IsEqualTo(bCGuid const & a_Other) const;
    bool IsLessThan(bCGuid const & a_Other) const;
    bool IsGreaterThan(bCGuid const & a_Other) const;
    bool operator==(bCGuid const & a_Other) const;
    bool operator!=(bCGuid const & a_Other) const;
    bool operator<(bCGuid const & a_Other) const;
    bool operator<=(bCGuid const & a_Other) const;
    bool operator>(bCGuid const & a_Other) const;
    bool operator>=(bCGuid const & a_Other) const;

public:
    void CopyFrom(bCGuid const & a_Source);
    void CopyTo(bCGuid & a_Dest) const;

private:
    _GUID m_Guid;
    bool m_bValid;
};

#endif
