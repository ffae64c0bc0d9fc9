#ifndef OE_CLASSLAYOUT_H_INCLUDED
#define OE_CLASSLAYOUT_H_INCLUDED

// bCClassLayout: the persistent schema of one class: its name and the
// layouts of its own properties in registration order.
// bCSetLayout: a set of class layouts.
//
// Class layout stream form (nothing when unbound): unsigned 16-bit layout
// version 1, class name, unsigned 16-bit class version 1, unsigned 8-bit
// array version 1, unsigned 32-bit count of bound property layouts, those
// layouts. Set layout: unsigned 16-bit 1, unsigned 8-bit 1, unsigned 32-bit
// count of bound class layouts, those layouts. Counts read from a damaged
// file stop at the end of the input.

#include <vellmark/containers/oe_array.h>
#include <vellmark/propertysystem/persistence/oe_propertylayout.h>

class bCPropertyObjectTypeBase;

class OE_API bCClassLayout
{
public:
    bCClassLayout();
    bCClassLayout(bCClassLayout const & a_Source);
    bCClassLayout & operator=(bCClassLayout const & a_Source);

public:
    virtual void Destroy();
    virtual void Create();
    virtual void CopyFrom(bCClassLayout const & a_Source);
    virtual unsigned short Read(bCIStream & a_Stream); // 1
    virtual void Write(bCOStream & a_Stream);
    virtual ~bCClassLayout();

public:
    bool IsValid() const { return m_pClassType != nullptr; }
    void AssignPropertyObjectType(bCPropertyObjectTypeBase const * a_pType);
    bCPropertyObjectTypeBase const * GetPropertyObjectType() const { return m_pClassType; }
    bCString const & GetClassName() const { return m_strClassName; }
    unsigned short GetClassVersion() const { return m_uClassVersion; }
    bTObjArray<bCPropertyLayout> const & GetPropertyLayouts() const { return m_arrPropertyLayouts; }
    bCIStream & operator<<(bCIStream & a_Stream);
    bCOStream & operator>>(bCOStream & a_Stream);

protected:
    void FillLayout();
    void CopyTo(bCClassLayout & a_Dest) const { a_Dest.CopyFrom(*this); }

private:
    unsigned short m_uClassVersion;
    bCString m_strClassName;
    bTObjArray<bCPropertyLayout> m_arrPropertyLayouts;
    bCPropertyObjectTypeBase const * m_pClassType;
};

class OE_API bCSetLayout
{
public:
    bCSetLayout();
    bCSetLayout(bCSetLayout const & a_Source);
    bCSetLayout & operator=(bCSetLayout const & a_Source);

public:
    virtual void Destroy();
    virtual void Create();
    virtual void CopyFrom(bCSetLayout const & a_Source);
    virtual unsigned short Read(bCIStream & a_Stream); // 1
    virtual void Write(bCOStream & a_Stream);
    virtual ~bCSetLayout();

public:
    bool IsValid() const { return !m_arrClassLayouts.IsEmpty(); }
    void FillLayout(); // empties the set
    // One class layout per class registered in the singleton registry, in its map order.
    void AssignRegisteredClasses();
    bTObjArray<bCClassLayout> const & GetClassLayouts() const { return m_arrClassLayouts; }
    bCIStream & operator<<(bCIStream & a_Stream);
    bCOStream & operator>>(bCOStream & a_Stream);

protected:
    void CopyTo(bCSetLayout & a_Dest) const { a_Dest.CopyFrom(*this); }

private:
    bTObjArray<bCClassLayout> m_arrClassLayouts;
};

#endif
