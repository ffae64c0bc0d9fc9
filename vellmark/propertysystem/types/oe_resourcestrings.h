#ifndef OE_RESOURCESTRINGS_H_INCLUDED
#define OE_RESOURCESTRINGS_H_INCLUDED

// Strings that name resources of other modules. They are texts like any
// other and travel through streams as bCString does; their distinct types
// give their properties distinct value type names.

#include <vellmark/kernel/oe_stream.h>
#include <vellmark/kernel/oe_string.h>

#define OE_RESOURCE_STRING(NAME)                                                                                       \
    class NAME : public bCString                                                                                       \
    {                                                                                                                  \
    public:                                                                                                            \
        using bCString::bCString;                                                                                      \
        NAME() = default;                                                                                              \
        NAME(bCString const & a_strText) : bCString(a_strText) {}                                                     \
        NAME & operator=(bCString const & a_strText)                                                                   \
        {                                                                                                              \
            bCString::operator=(a_strText);                                                                            \
            return *this;                                                                                              \
        }                                                                                                              \
    };

OE_RESOURCE_STRING(bCAnimationResourceString)
OE_RESOURCE_STRING(bCScriptString)
OE_RESOURCE_STRING(bCImageOrMaterialResourceString)

#undef OE_RESOURCE_STRING

#endif
