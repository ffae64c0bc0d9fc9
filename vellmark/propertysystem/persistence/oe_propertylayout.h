#ifndef OE_PROPERTYLAYOUT_H_INCLUDED
#define OE_PROPERTYLAYOUT_H_INCLUDED

// bCPropertyLayout: the persistent schema of one property, without object:
// name, value type name, kind and owner class.
//
// Stream form (nothing for an unbound layout): unsigned 16-bit layout
// version 1, unsigned 16-bit property version 30, the kind's low byte, the
// property name, the value type name, the owner class name.
// Reading binds the layout to the registered property of that class; a
// registered property whose value type differs is a fatal error (layouts
// are strict, unlike property objects).

#include <vellmark/kernel/oe_string.h>
#include <vellmark/kernel/oe_types.h>
#include <vellmark/propertysystem/types/oe_propertytypebase.h>

class bCIStream;
class bCOStream;

class OE_API bCPropertyLayout
{
public:
    bCPropertyLayout();
    bCPropertyLayout(bCPropertyLayout const & a_Source);
    bCPropertyLayout & operator=(bCPropertyLayout const & a_Source);

public:
    virtual void Destroy(); // every field empty: version 1, kind 1, unbound
    virtual void Create();
    virtual void CopyFrom(bCPropertyLayout const & a_Source); // the bound pointer too
    virtual unsigned short Read(bCIStream & a_Stream);       // the property version
    virtual void Write(bCOStream & a_Stream);
    virtual ~bCPropertyLayout();

public:
    bool IsValid() const { return m_pPropertyType != nullptr; }
    void AssignPropertyType(bCPropertyTypeBase const * a_pType);
    bCPropertyTypeBase const * GetPropertyType() const { return m_pPropertyType; }
    unsigned short GetPropertyVersion() const { return m_uPropertyVersion; }
    bCString const & GetPropertyName() const { return m_strPropertyName; }
    bCString const & GetPropertyValueTypeName() const { return m_strPropertyValueTypeName; }
    bEPropertyType GetPropertyKind() const { return m_ePropertyType; }
    bCIStream & operator<<(bCIStream & a_Stream);
    bCOStream & operator>>(bCOStream & a_Stream);

protected:
    void CopyTo(bCPropertyLayout & a_Dest) const { a_Dest.CopyFrom(*this); }

private:
    unsigned short m_uPropertyVersion;
    bCString m_strPropertyName;
    bCString m_strPropertyValueTypeName;
    bEPropertyType m_ePropertyType;
    bCPropertyTypeBase const * m_pPropertyType;
};

#endif
