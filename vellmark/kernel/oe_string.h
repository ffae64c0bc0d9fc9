#ifndef OE_STRING_H_INCLUDED
#define OE_STRING_H_INCLUDED

// The library's 8-bit, copy-on-write text type.
//
// (Seam: the empty string only; the string itself is completed with the
// strings issue.)

#include <vellmark/kernel/oe_types.h>

class OE_API bCString
{
public:
    bCString();
    ~bCString();

public:
    bool IsEmpty() const;
    int GetLength() const;
    char const * GetText() const;
    void Clear();

private:
    char * m_pcText;
};

// The shared empty string.
extern OE_API bCString g_strDefault;

#endif
