#ifndef OE_PROPERTYOBJECTSINGLETON_H_INCLUDED
#define OE_PROPERTYOBJECTSINGLETON_H_INCLUDED

// bCPropertyObjectSingleton: the process-wide registry of class type objects
// by class name (case-sensitive, 359 buckets). It creates objects by class
// name, writes an object with its class name and reads it back, skipping
// objects whose class the running program does not know.
//
// - Record (WriteObject): unsigned 16-bit version 1, the persistable flag
//   (bool); when persistable, the class name and the factory record.
//   Nothing at all is written for a null or a root object.
// - Filled during static initialisation, read afterwards without locks.

#include <vellmark/containers/oe_map.h>
#include <vellmark/kernel/oe_string.h>
#include <vellmark/kernel/oe_types.h>

class bCIStream;
class bCOStream;
class bCPropertyObjectBase;
class bCPropertyObjectTypeBase;

class OE_API bCPropertyObjectSingleton
{
public:
    class OE_API bCPOTypeListItem
    {
    public:
        explicit bCPOTypeListItem(bCPropertyObjectTypeBase const * a_pType = nullptr);
        bCPOTypeListItem & operator=(bCPOTypeListItem const & a_Source);
        bCPropertyObjectTypeBase const * GetObjectType() const { return m_pObjectType; }
        bCPropertyObjectTypeBase * AccessObjectType() { return const_cast<bCPropertyObjectTypeBase *>(m_pObjectType); }
        bCString const & GetBaseClassName() const; // a null type is fatal
        bCIStream & operator<<(bCIStream & a_Stream) { return a_Stream; } // an item has no stream form
        bCOStream & operator>>(bCOStream & a_Stream) const { return a_Stream; }

    private:
        bCPropertyObjectTypeBase const * m_pObjectType;
    };

    using bCClassMap = bTPtrMap<bCString, bCPOTypeListItem *>;

public:
    static bCPropertyObjectSingleton & GetInstance();

public:
    bool RegisterTemplate(bCPropertyObjectTypeBase const * a_pType); // replaces an entry of the same name
    bCPropertyObjectTypeBase * FindTemplate(bCString const & a_strClassName) const;
    bCPropertyObjectBase * GetRootObject(bCString const & a_strClassName) const;
    bCPropertyObjectBase * QueryNewObject(bCString const & a_strClassName) const; // caller owns (count 1)
    void WriteObject(bCOStream & a_Stream, bCPropertyObjectBase * a_pObject);
    bool ReadObject(bCIStream & a_Stream, bCPropertyObjectBase & a_Target);
    bCPropertyObjectBase * ReadNewObject(bCIStream & a_Stream); // caller owns, or null
    // Only the holder of the first disable can enable again.
    void EnableRegistration(void * a_pKey, bool a_bEnable);
    bool IsRegistrationEnabled() const { return m_bRegistrationEnabled; }
    // "*" ends with a match, "?" matches any character; an empty name matches all.
    bool Matches(bCString const & a_strName, bCString const & a_strPattern) const;
    bCClassMap::bCConstIterator BeginIterator() const { return m_mapClasses.BeginIterator(); }
    bCClassMap::bCConstIterator EndIterator() const { return m_mapClasses.EndIterator(); }

public:
    virtual void CopyFrom(bCPropertyObjectSingleton const & a_Source);
    virtual ~bCPropertyObjectSingleton();

public:
    bCPropertyObjectSingleton();
    bCPropertyObjectSingleton(bCPropertyObjectSingleton const & a_Source); // warns; a fresh registry

protected:
    bCPropertyObjectSingleton & operator=(bCPropertyObjectSingleton const &) = delete;
    void Create();
    void Destroy();
    void Invalidate();

private:
    bool m_bRegistrationEnabled;
    void * m_pRegistrationKey;
    bCClassMap m_mapClasses;
};

#endif
