#include <vellmark/kernel/oe_eventobject.h>

#include <vellmark/kernel/oe_stream.h>

namespace
{
    unsigned short const kVersion = 1;
} // namespace

bCEvent::bCEvent() : m_uFirstValue(0), m_uSecondValue(0) {}

bCEvent::bCEvent(bCEvent const & a_Source) : bCObjectRefBase(a_Source), m_uFirstValue(0), m_uSecondValue(0) {}

bCEvent & bCEvent::operator=(bCEvent const & a_Source)
{
    bCObjectRefBase::operator=(a_Source);
    m_strName = a_Source.m_strName;
    m_uFirstValue = a_Source.m_uFirstValue;
    m_uSecondValue = a_Source.m_uSecondValue;
    return *this;
}

bCEvent::~bCEvent()
{
    bCObjectRefBase::Destroy();
}

bEResult bCEvent::Write(bCOStream & a_Stream)
{
    a_Stream.Write(kVersion);
    return bEResult_Ok;
}

bEResult bCEvent::Read(bCIStream & a_Stream)
{
    unsigned short uVersion = 0;
    a_Stream.Read(uVersion);
    return bEResult_Ok;
}

void bCEvent::Destroy()
{
    bCObjectRefBase::Destroy();
}

bEResult bCEvent::Create()
{
    bCObjectRefBase::Create();
    return bEResult_Ok;
}

bool bCEvent::IsDeleteable()
{
    return false;
}

void bCEvent::Invalidate()
{
    m_uFirstValue = 0;
    m_uSecondValue = 0;
}
