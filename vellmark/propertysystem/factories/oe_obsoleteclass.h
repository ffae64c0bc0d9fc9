#ifndef OE_OBSOLETECLASS_H_INCLUDED
#define OE_OBSOLETECLASS_H_INCLUDED

// bCObsoleteClass: the placeholder class of the property system. Objects of
// it skip their data when read; properties of it are neither written nor
// copied. It serves to skip records that the running program cannot read.

#include <vellmark/propertysystem/base/oe_objectrefbase.h>
#include <vellmark/propertysystem/types/oe_propertybaseclass.h>

OE_OBJECT_HIDES_VIRTUALS_BEGIN

class OE_API bCObsoleteClass : public bCObjectRefBase
{
    OE_PROPERTY_CLASS(bCObsoleteClass, bCObjectRefBase)
};

OE_OBJECT_HIDES_VIRTUALS_END

// For the modules that name their root objects; the library does not use it.
extern OE_API bCString const g_strRootPropertyObject_Postfix; // "_Root"

#endif
