#ifndef OE_ACCESSORPROPERTYOBJECT_H_INCLUDED
#define OE_ACCESSORPROPERTYOBJECT_H_INCLUDED

// bCAccessorPropertyObject: stands on a class (through the class's root
// object, which it does not reference) and optionally on one property object,
// of which it holds one reference.
//
// - Valid while it stands on a class. ++ moves it to the base class with the
//   same object; past bCObjectRefBase both pointers become null.
// - Stream form: unsigned 16-bit version 1, a bool telling whether an object
//   follows, then the singleton's object record (class name and object).

#include <vellmark/kernel/oe_string.h>
#include <vellmark/kernel/oe_types.h>

class bCAccessorCreator;
class bCIStream;
class bCOStream;
class bCObjectRefBase;
class bCPropertyObjectBase;
class bCPropertyObjectTypeBase;

class OE_API bCAccessorPropertyObject
{
public:
    bCAccessorPropertyObject();
    bCAccessorPropertyObject(bCString const & a_strClassName); // the class's root object, no object
    bCAccessorPropertyObject(bCAccessorCreator const & a_Creator);
    bCAccessorPropertyObject(bCPropertyObjectBase * a_pObject);
    bCAccessorPropertyObject(bCPropertyObjectBase const * a_pObject);
    bCAccessorPropertyObject(bCObjectRefBase * a_pNativeObject); // its property object
    bCAccessorPropertyObject(bCObjectRefBase const * a_pNativeObject);
    bCAccessorPropertyObject(bCAccessorPropertyObject const & a_Source);
    bCAccessorPropertyObject & operator=(bCAccessorPropertyObject const & a_Source);
    ~bCAccessorPropertyObject();

public:
    void CopyFrom(bCAccessorPropertyObject const & a_Source);
    void CopyTo(bCAccessorPropertyObject & a_Dest) const;

    bool IsValid() const { return m_pRootObject != nullptr; }
    bool HasPropertyObject() const { return m_pPropertyObject != nullptr; }
    bCPropertyObjectBase * GetRootObject() const { return m_pRootObject; }
    bCPropertyObjectBase * GetPropertyObject() { return m_pPropertyObject; }
    bCPropertyObjectBase const * GetPropertyObject() const { return m_pPropertyObject; }
    bCObjectRefBase * GetNativeObject() const;                      // null without object
    bCPropertyObjectTypeBase const * GetPropertyObjectType() const; // the root object's class type
    bCString GetClassName() const;                                  // "" when invalid

    bool IsKindOf(bCAccessorPropertyObject const & a_Other) const; // the same root object
    bool Compare(bCAccessorPropertyObject const & a_Other) const;  // the same root object, which is set
    bool operator==(bCAccessorPropertyObject const & a_Other) const { return Compare(a_Other); }
    bool operator!=(bCAccessorPropertyObject const & a_Other) const { return !Compare(a_Other); }
    // This class or one of its base classes has the given root object.
    bool IsDerivedFrom(bCPropertyObjectBase const * a_pRootObject) const;
    bool IsDerivedFrom(bCAccessorPropertyObject const & a_Other) const;

    bool HasBaseClass() const;                     // the base class is not bCObjectRefBase
    bCAccessorPropertyObject GetBaseClass() const; // on the base class, without object
    bCAccessorPropertyObject & operator++();       // to the base class, same object
    bCAccessorPropertyObject operator++(int);      // the accessor before the move
    bCAccessorPropertyObject Clone() const;        // the same class with a clone of the object

    unsigned short Read(bCIStream & a_Stream); // the version read
    void Write(bCOStream & a_Stream) const;
    bCIStream & operator<<(bCIStream & a_Stream);
    bCOStream & operator>>(bCOStream & a_Stream) const;

    bCString GetPropertyObjectHeader() const;              // "<<PropertyObject>> <class>()"
    void DumpOutputDebugString(bool a_bDump = true) const; // every class of the chain with its properties

protected:
    void SetInstance(bCPropertyObjectBase * a_pObject); // references the new one, releases the old one
    void SetInstance(bCObjectRefBase * a_pNativeObject);

private:
    friend class bCAccessorProperty; // moves along the chain without touching the object

    static bCPropertyObjectBase * GetBaseRootObject(bCPropertyObjectBase const * a_pRootObject); // null at the end
    void ReleaseObject();
    void StandOnClassOf(bCPropertyObjectBase const * a_pObject); // its class's root object

private:
    bCPropertyObjectBase * m_pRootObject;     // not referenced
    bCPropertyObjectBase * m_pPropertyObject; // one reference
};

OE_API bCIStream & operator>>(bCIStream & a_Stream, bCAccessorPropertyObject & a_Accessor);
OE_API bCOStream & operator<<(bCOStream & a_Stream, bCAccessorPropertyObject const & a_Accessor);

#endif
