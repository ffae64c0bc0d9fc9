#ifndef OE_EVENTOBJECT_H_INCLUDED
#define OE_EVENTOBJECT_H_INCLUDED

// bCEvent: an event of the object model, a name and two 32-bit values. It is
// not a synchronisation object (that is bCEventWin32).
//
// Stream form: the unsigned 16-bit version 1 and nothing more; reading takes
// the version word, whatever its value, and leaves name and values as they
// are.

#include <vellmark/kernel/oe_string.h>
#include <vellmark/propertysystem/base/oe_objectrefbase.h>

#include <cstdint>

OE_OBJECT_HIDES_VIRTUALS_BEGIN

class OE_API bCEvent : public bCObjectRefBase
{
public:
    bCEvent();
    bCEvent(bCEvent const & a_Source); // an empty name and two zeros, like the default
    bCEvent & operator=(bCEvent const & a_Source);
    ~bCEvent() override;

public:
    bEResult Write(bCOStream & a_Stream) override; // the version word 1
    bEResult Read(bCIStream & a_Stream) override;  // the version word, any value
    void Destroy() override;
    bEResult Create() override;
    virtual bool IsDeleteable(); // false

protected:
    void Invalidate(); // the two values to 0

protected:
    bCString m_strName;
    uint32_t m_uFirstValue;
    uint32_t m_uSecondValue;
};

OE_OBJECT_HIDES_VIRTUALS_END

#endif
