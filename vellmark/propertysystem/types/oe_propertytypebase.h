#ifndef OE_PROPERTYTYPEBASE_H_INCLUDED
#define OE_PROPERTYTYPEBASE_H_INCLUDED

// bCPropertyTypeBase: the description of one property of a class: name,
// category, description, kind, read-only flag, and (in bTPropertyType) the
// member's offset inside the native object and the typed operations that
// set, copy and stream it in any property object of the class.
//
// - Property types are static objects built during static initialisation of
//   the module that declares the class; each registers itself into its class
//   type object and is never copied or cloned (both are refused).
// - Stream form of one property value (PropertyWrite): the unsigned 16-bit
//   type version 30, the unsigned 32-bit size of the value, the value.
// - The order of the virtual operations is part of the interface.

#include <vellmark/containers/oe_array.h>
#include <vellmark/kernel/oe_string.h>
#include <vellmark/kernel/oe_types.h>
#include <vellmark/propertysystem/base/oe_propertyid.h>

class bCIStream;
class bCOStream;
class bCPropertyObjectBase;
class bCPropertyObjectTypeBase;

// The kinds are chosen by the declaring modules; the library itself uses only these two.
enum bEPropertyType : int // 32-bit
{
    bEPropertyType_EmptyLayout = 1, // an empty property layout
    bEPropertyType_Normal = 2,      // default-constructed and placeholder property types
};

// One entry of an enumeration property: its name and its 32-bit value.
class OE_API bCPropertyEnumEntry
{
public:
    virtual bCString const & GetEnumName() const = 0; // kept by the entry
    virtual long GetEnumValue() const = 0;
    virtual ~bCPropertyEnumEntry();
};

// A plain entry of a name and a value.
class OE_API bCPropertyEnumValue : public bCPropertyEnumEntry
{
public:
    bCPropertyEnumValue(bCString const & a_strName, long a_lValue) : m_strName(a_strName), m_lValue(a_lValue) {}
    bCString const & GetEnumName() const override { return m_strName; }
    long GetEnumValue() const override { return m_lValue; }

private:
    bCString m_strName;
    long m_lValue;
};

using bCPropertyEnumTable = bTAutoPtrArray<bCPropertyEnumEntry *>;

class OE_API bCPropertyTypeBase
{
public:
    bCString const & GetPropertyName() const { return m_strPropertyName; }
    bCString const & GetPropertyCategory() const { return m_strPropertyCategory; }
    bCString const & GetPropertyDescription() const { return m_strPropertyDescription; }
    bEPropertyType GetPropertyType() const { return m_ePropertyType; }
    bool IsReadOnly() const { return m_bReadOnly; }
    bCPropertyID const & GetID() const; // MD5 of the name, made on first use

    bCPropertyTypeBase * Clone() const { return DoClone(); }
    void CopyTo(bCPropertyTypeBase & a_Dest) const { a_Dest.CopyFrom(*this); }
    bCIStream & operator<<(bCIStream & a_Stream);
    bCOStream & operator>>(bCOStream & a_Stream);

public:
    virtual unsigned long GetValueOffset() const = 0;
    virtual unsigned long GetValueSize() const = 0;
    virtual bCString const & GetOwnerClassName() const = 0;
    virtual bCString const & GetValueTypeName() const = 0;
    virtual bCPropertyObjectTypeBase * GetObjectType() const = 0;
    virtual void InitializeValue(bCPropertyObjectBase * a_pObject) = 0;
    virtual bool IsEnum() const = 0;
    virtual int GetEnumCount() const = 0;                                  // -1 without table
    virtual bCPropertyEnumEntry const * GetEnumEntry(int a_iIndex) const = 0; // null outside the table
    // a_pValue points to a value of the property's own type.
    virtual void SetPropertyValue(bCPropertyObjectBase * a_pObject, void const * a_pValue) = 0;
    virtual void const * GetValuePointer(bCPropertyObjectBase const * a_pObject) const = 0;
    virtual void * GetValuePointer(bCPropertyObjectBase * a_pObject) = 0;
    virtual bool CopyPropertyValue(bCPropertyObjectBase * a_pDest, bCPropertyObjectBase const * a_pSource) = 0;
    virtual void PropertyWrite(bCOStream & a_Stream, bCPropertyObjectBase const * a_pSource) = 0;
    virtual void PropertyRead(bCIStream & a_Stream, bCPropertyObjectBase * a_pObject) = 0;
    // Drops a stored value that no property matches; a known property whose
    // value type changed (a_bKnown) hands the bytes to NotifyPropertyDeprecated.
    virtual void PropertySkip(bCIStream & a_Stream, bCPropertyObjectBase * a_pObject, bCString const & a_strName,
                              bCString const & a_strValueTypeName, bool a_bKnown) = 0;
    virtual unsigned short Read(bCIStream & a_Stream); // the type version
    virtual void Write(bCOStream & a_Stream);          // the type version 30
    virtual void Destroy();
    virtual void Create();

public:
    virtual bCPropertyTypeBase * DoClone() const;               // refuses
    virtual void CopyFrom(bCPropertyTypeBase const & a_Source); // refuses; copies the kind only

public:
    virtual ~bCPropertyTypeBase();

protected:
    bCPropertyTypeBase(bCString const & a_strName, bEPropertyType a_eType);
    bCPropertyTypeBase(bCString const & a_strName, bCString const & a_strCategory, bEPropertyType a_eType,
                       bool a_bReadOnly);
    bCPropertyTypeBase(bCString const & a_strName, bCString const & a_strCategory, bCString const & a_strDescription,
                       bEPropertyType a_eType, bool a_bReadOnly);
    bCPropertyTypeBase();                                 // refuses
    bCPropertyTypeBase(bCPropertyTypeBase const & a_Source); // refuses; copies the kind only
    bCPropertyTypeBase & operator=(bCPropertyTypeBase const &) = delete;
    void Invalidate() {}

protected:
    static constexpr unsigned short ms_uTypeVersion = 30;

private:
    bCString m_strPropertyName;
    bCString m_strPropertyDescription;
    bCString m_strPropertyCategory;
    bEPropertyType m_ePropertyType;
    bool m_bReadOnly;
    mutable bCPropertyID m_ID;
    mutable bool m_bHasID = false;
};

OE_API bCIStream & operator>>(bCIStream & a_Stream, bCPropertyTypeBase & a_Type);
OE_API bCOStream & operator<<(bCOStream & a_Stream, bCPropertyTypeBase & a_Type);

// The improper-usage warning of the property system (its hint ends without a blank).
OE_API void g_PropertySystemImproperUsage(char const * a_pcMethod, char const * a_pcHint);
extern OE_API char const * const g_pcPropertyCloneHint;
extern OE_API char const * const g_pcPropertyCopyHint;
extern OE_API char const * const g_pcPropertyCopyConstructorHint;

#endif
