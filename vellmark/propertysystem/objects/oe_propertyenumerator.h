#ifndef OE_PROPERTYENUMERATOR_H_INCLUDED
#define OE_PROPERTYENUMERATOR_H_INCLUDED

// bCPropertyEnumerator: walks the properties of a class the way property
// objects write, read and copy them: the class's own properties in
// registration order, then its base class's, nearest first, up to the class
// whose base is bCObjectRefBase. Like the accessors, it stands only on
// classes that have a root object, and the walk ends at the first class of
// the chain that has no properties of its own (or is not registered).

#include <vellmark/kernel/oe_string.h>
#include <vellmark/kernel/oe_types.h>

class bCPropertyObjectTypeBase;
class bCPropertyTypeBase;

class OE_API bCPropertyEnumerator
{
public:
    explicit bCPropertyEnumerator(bCPropertyObjectTypeBase const * a_pClassType);

public:
    bool IsValid() const;
    bCPropertyTypeBase * GetPropertyType() const; // null when invalid
    bCPropertyObjectTypeBase const * GetClassType() const { return m_pClassType; }
    bool Next(); // IsValid afterwards

    // The first property of that name along the same walk, or null.
    static bCPropertyTypeBase * Resolve(bCPropertyObjectTypeBase const * a_pClassType, bCString const & a_strName);
    // The registered type of the class's base class, or null at the end of the chain.
    static bCPropertyObjectTypeBase const * GetBaseClassType(bCPropertyObjectTypeBase const * a_pClassType);

private:
    bCPropertyObjectTypeBase const * m_pClassType; // null at the end
    int m_iIndex;
};

#endif
