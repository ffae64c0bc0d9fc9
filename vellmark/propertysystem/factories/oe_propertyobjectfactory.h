#ifndef OE_PROPERTYOBJECTFACTORY_H_INCLUDED
#define OE_PROPERTYOBJECTFACTORY_H_INCLUDED

// bCPropertyObjectFactory: lives in a class type object and holds the class's
// root object (the defaults); new objects of the class are its clones.
//
// - Only root objects are kept (at index 0); the factory owns nothing.
// - Record of one object (WriteObject): unsigned 16-bit record version 1,
//   the root flag (bool), the object version (unsigned 16-bit, 83), then the
//   object in its property-object form.
// - Factory stream (Write): unsigned 16-bit version 1, unsigned 32-bit count
//   of persistable, non-root, non-embedded objects, their records.

#include <vellmark/containers/oe_array.h>
#include <vellmark/kernel/oe_string.h>
#include <vellmark/kernel/oe_types.h>

class bCIStream;
class bCOStream;
class bCPropertyObjectBase;

class OE_API bCPropertyObjectFactory
{
public:
    using bCObjectIterator = bTArrayBase<bCPropertyObjectBase *>::bCConstIterator;

public:
    bCPropertyObjectFactory();                                 // class name "n/a"
    explicit bCPropertyObjectFactory(bCString const & a_strClassName);
    bCPropertyObjectFactory(bCPropertyObjectFactory const & a_Source); // refuses; copies nothing
    bCPropertyObjectFactory & operator=(bCPropertyObjectFactory const &) = delete;

public:
    bool RegisterPropertyObject(bCPropertyObjectBase const * a_pObject);
    bool UnregisterPropertyObject(bCPropertyObjectBase const * a_pObject);
    bCPropertyObjectBase * GetRootObject() const;
    int GetObjectCount() const { return m_arrObjects.GetCount(); }
    int GetPropertyObjectIndex(bCPropertyObjectBase const & a_Object) const; // last match, or -1
    bCObjectIterator BeginIterator() const { return m_arrObjects.BeginIterator(); }
    bCObjectIterator EndIterator() const { return m_arrObjects.EndIterator(); }
    bCString const & GetClassName() const { return m_strClassName; }

    void Write(bCOStream & a_Stream);
    unsigned short Read(bCIStream & a_Stream); // 1
    bCOStream & operator>>(bCOStream & a_Stream);
    bCIStream & operator<<(bCIStream & a_Stream);
    static unsigned short ReadSkip(bCIStream & a_Stream); // a whole factory stream; 1
    void SearchPropertyObjects(bTAutoPtrArray<bCPropertyObjectBase *> & a_arrFound, bCString const & a_strPattern);

    bCPropertyObjectFactory * Clone() const { return DoClone(); }
    void CopyTo(bCPropertyObjectFactory & a_Dest) const { a_Dest.CopyFrom(*this); }

public:
    virtual void Destroy() {}

public:
    virtual bCPropertyObjectFactory * DoClone() const; // refuses

public:
    virtual void CopyFrom(bCPropertyObjectFactory const &) {}
    virtual ~bCPropertyObjectFactory();

public: // the singleton registry's record operations; protected in spirit
    bCPropertyObjectBase * CloneObjectInstance() const; // null without root object
    void WriteObject(bCOStream & a_Stream, bCPropertyObjectBase * a_pObject);
    bool ReadObject(bCIStream & a_Stream, bCPropertyObjectBase & a_Target);
    bCPropertyObjectBase * ReadNewObject(bCIStream & a_Stream); // null without root (record skipped)
    static unsigned short ReadSkipObject(bCIStream & a_Stream); // 1

protected:
    void Invalidate() {}

private:
    bTValArray<bCPropertyObjectBase *> m_arrObjects;
    unsigned short m_uFactoryVersion;
    bCString m_strClassName;
};

OE_API bCOStream & operator<<(bCOStream & a_Stream, bCPropertyObjectFactory & a_Factory);
OE_API bCIStream & operator>>(bCIStream & a_Stream, bCPropertyObjectFactory & a_Factory);

#endif
