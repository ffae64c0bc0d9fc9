#ifndef OE_PROPERTYOBJECTTYPEBASE_H_INCLUDED
#define OE_PROPERTYOBJECTTYPEBASE_H_INCLUDED

// bCPropertyObjectTypeBase: the type object of one class with properties:
// class and base-class name, description, persistable flag, the ordered
// list of its property types and (in bTPropertyObjectType) its factory.
//
// - The list keeps registration order, which is the order in which the
//   class's properties are enumerated, copied and written.
// - One per class, static, registered into the singleton registry when
//   constructed; never copied or cloned (both are refused).

#include <vellmark/containers/oe_array.h>
#include <vellmark/kernel/oe_string.h>
#include <vellmark/kernel/oe_types.h>

class bCIStream;
class bCOStream;
class bCPropertyTypeBase;
class bCPropertyObjectFactory;

class OE_API bCPropertyObjectTypeBase
{
public:
    using bCPropertyTypeIterator = bTArrayBase<bCPropertyTypeBase *>::bCConstIterator;

public:
    void SetDescription(bCString const & a_strDescription) { m_strDescription = a_strDescription; }
    bCString const & GetDescription() const { return m_strDescription; }
    bool IsPersistable() const { return m_bPersistable; }

    int GetPropertyTypeCount() const { return m_arrPropertyTypes.GetCount(); }
    bCPropertyTypeBase * GetPropertyType(int a_iIndex) const { return m_arrPropertyTypes[a_iIndex]; } // unchecked
    bCPropertyTypeIterator BeginIterator() const { return m_arrPropertyTypes.BeginIterator(); }
    bCPropertyTypeIterator EndIterator() const { return m_arrPropertyTypes.EndIterator(); }
    bCPropertyTypeBase * FindPropertyTemplate(bCString const & a_strName) const; // case-sensitive; null
    bool RegisterPropertyTemplate(bCPropertyTypeBase const * a_pType);           // false when null or present
    bool UnregisterPropertyTemplate(bCPropertyTypeBase const * a_pType);         // false when null or absent

    bCPropertyObjectTypeBase * Clone() const { return DoClone(); }
    void CopyTo(bCPropertyObjectTypeBase & a_Dest) const { a_Dest.CopyFrom(*this); }
    bCIStream & operator<<(bCIStream & a_Stream);
    bCOStream & operator>>(bCOStream & a_Stream);

public:
    virtual bCString const & GetClassName() const = 0;
    virtual bCString const & GetBaseClassName() const = 0;
    virtual bCPropertyObjectFactory const * GetObjectFactory() const = 0;
    virtual bCPropertyObjectFactory * GetObjectFactory() = 0;
    virtual unsigned short Read(bCIStream & a_Stream); // a version word
    virtual void Write(bCOStream & a_Stream);          // the version 1
    virtual void Destroy();                            // empties the list

public:
    virtual bCPropertyObjectTypeBase * DoClone() const;               // refuses
    virtual void CopyFrom(bCPropertyObjectTypeBase const & a_Source); // refuses; the persistable flag only

public:
    virtual ~bCPropertyObjectTypeBase();

protected:
    explicit bCPropertyObjectTypeBase(bool a_bPersistable);
    bCPropertyObjectTypeBase(bCPropertyObjectTypeBase const & a_Source); // refuses
    bCPropertyObjectTypeBase & operator=(bCPropertyObjectTypeBase const &) = delete;
    void CopyPersistableFlag(bCPropertyObjectTypeBase const & a_Source) { m_bPersistable = a_Source.m_bPersistable; }

private:
    bCPropertyObjectTypeBase();
    int GetPropertyTemplateIndex(bCPropertyTypeBase const * a_pType) const; // -1 when absent

private:
    bCString m_strDescription;
    bTValArray<bCPropertyTypeBase *> m_arrPropertyTypes; // not owned
    bool m_bPersistable : 1;
};

#endif
