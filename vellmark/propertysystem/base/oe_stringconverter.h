#ifndef OE_STRINGCONVERTER_H_INCLUDED
#define OE_STRINGCONVERTER_H_INCLUDED

// bCStringConverter: float lists as text, "{ 1.000000, 2.000000 }", and back.

#include <vellmark/containers/oe_smallarray.h>
#include <vellmark/kernel/oe_string.h>
#include <vellmark/kernel/oe_types.h>

class OE_API bCStringConverter
{
public:
    bCStringConverter & operator=(bCStringConverter const &) { return *this; }
    static bCString ConvertFloatsToString(bTSmallArray<float> const & a_arrValues); // "" when empty
    // False (array untouched) without "{" or "}"; otherwise appends one value
    // per comma-separated piece between the first "{" and the first "}".
    static bool ConvertStringToFloats(bCString const & a_strText, bTSmallArray<float> & a_arrValues);
};

#endif
