#ifndef OE_ACCESSORCREATOR_H_INCLUDED
#define OE_ACCESSORCREATOR_H_INCLUDED

// bCAccessorCreator: owns one reference to a property object, usually one it
// created by class name through the singleton registry. Copies share the
// object, each with a reference of its own.
//
// While the error administration reports (its panic state) the destructor
// touches nothing, so that a report never runs into half-destroyed objects.

#include <vellmark/kernel/oe_string.h>
#include <vellmark/kernel/oe_types.h>

class bCPropertyID;
class bCPropertyObjectBase;
class bCPropertyObjectFactory;

class OE_API bCAccessorCreator
{
public:
    bCAccessorCreator();
    bCAccessorCreator(bCString const & a_strClassName); // a new object; empty for an unknown class
    bCAccessorCreator(bCPropertyID const & a_ID, bCString const * a_pstrClassName); // the identifier is not used
    bCAccessorCreator(bCPropertyObjectBase * a_pInstance);                          // takes a reference
    bCAccessorCreator(bCAccessorCreator const & a_Source);
    bCAccessorCreator & operator=(bCAccessorCreator const & a_Source);
    ~bCAccessorCreator();

public:
    void CopyFrom(bCAccessorCreator const & a_Source);
    void CopyTo(bCAccessorCreator & a_Dest) const;
    void SetInstance(bCPropertyObjectBase * a_pInstance); // references the new one, releases the old one
    void Invalidate();                                    // forgets the instance without releasing it
    bool IsValid() const { return m_pInstance != nullptr; }

    operator bCPropertyObjectBase *() { return m_pInstance; }
    operator bCPropertyObjectBase const *() const { return m_pInstance; }
    bCPropertyObjectBase * operator->() { return m_pInstance; }
    bCPropertyObjectBase const * operator->() const { return m_pInstance; }

    bCPropertyObjectFactory * GetObjectFactory();
    bCPropertyObjectFactory const * GetObjectFactory() const;

    bCAccessorCreator Clone() const; // a new object of the class, copied from the instance
    bool HasBaseClass() const;       // the base class is not bCObjectRefBase
    bCAccessorCreator QueryBaseClass() const;

private:
    // Holds a_pInstance's existing reference (a new object's only one).
    void Adopt(bCPropertyObjectBase * a_pInstance);
    void Release();

private:
    bCPropertyObjectBase * m_pInstance;
};

#endif
