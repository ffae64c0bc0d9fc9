#ifndef OE_ACCESSORENUM_H_INCLUDED
#define OE_ACCESSORENUM_H_INCLUDED

// bCAccessorEnum: the entries and the value of an enumeration property, one
// whose property type has an enumeration table. The value lives in the
// member's wrapper (bTPropertyContainer); the accessor reads and writes it
// there without change notification.

#include <vellmark/kernel/oe_string.h>
#include <vellmark/kernel/oe_types.h>

class bCAccessorProperty;

class OE_API bCAccessorEnum
{
public:
    bCAccessorEnum(bCAccessorProperty & a_Property); // keeps the reference
    bCAccessorEnum(bCAccessorEnum const &) = default;
    bCAccessorEnum & operator=(bCAccessorEnum const &) = delete;

public:
    bool IsValid() const { return m_bIsEnum; }
    int GetTypeCount() const;                       // -1 when no enumeration
    bCString const & GetEnumTypeString(int a_iIndex) const; // g_strDefault when there is no such entry
    int GetEnumTypeInt(int a_iIndex) const;         // -1 when there is no such entry
    int GetValue() const;                           // -1 without enumeration or object
    void SetValue(int a_iValue);

private:
    bCAccessorProperty & m_Property;
    bool m_bIsEnum;
};

#endif
