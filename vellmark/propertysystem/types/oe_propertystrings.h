#ifndef OE_PROPERTYSTRINGS_H_INCLUDED
#define OE_PROPERTYSTRINGS_H_INCLUDED

// Text property values with a meaning of their own: names of animation
// resources, of scripts, of images or materials. Each is a bCString in
// memory and on the stream; only the value type name in property-object
// files tells them apart.

#include <vellmark/kernel/oe_string.h>

class bCAnimationResourceString : public bCString
{
public:
    bCAnimationResourceString() = default;
    bCAnimationResourceString(bCString const & a_strText) : bCString(a_strText) {}
    bCAnimationResourceString(char const * a_pcText) : bCString(a_pcText) {}
};

class bCScriptString : public bCString
{
public:
    bCScriptString() = default;
    bCScriptString(bCString const & a_strText) : bCString(a_strText) {}
    bCScriptString(char const * a_pcText) : bCString(a_pcText) {}
};

class bCImageOrMaterialResourceString : public bCString
{
public:
    bCImageOrMaterialResourceString() = default;
    bCImageOrMaterialResourceString(bCString const & a_strText) : bCString(a_strText) {}
    bCImageOrMaterialResourceString(char const * a_pcText) : bCString(a_pcText) {}
};

#endif
