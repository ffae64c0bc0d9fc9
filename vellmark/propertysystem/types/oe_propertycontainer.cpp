#include <vellmark/propertysystem/types/oe_propertycontainer.h>

#include <vellmark/kernel/oe_stream.h>

namespace
{
    unsigned short const kVersion = 1;
}

bCPropertyContainerBase & bCPropertyContainerBase::operator=(bCPropertyContainerBase const & a_Source)
{
    CopyFrom(a_Source);
    return *this;
}

bEResult bCPropertyContainerBase::Write(bCOStream & a_Stream)
{
    a_Stream.Write(kVersion);
    a_Stream.Write(static_cast<long>(m_i32Value));
    return bEResult_Ok;
}

bEResult bCPropertyContainerBase::Read(bCIStream & a_Stream)
{
    unsigned short uVersion = 0;
    long lValue = m_i32Value;
    a_Stream.Read(uVersion);
    a_Stream.Read(lValue);
    m_i32Value = static_cast<int32_t>(lValue);
    return bEResult_Ok;
}

bEResult bCPropertyContainerBase::CopyFrom(bCObjectBase const & a_Source)
{
    if (bCPropertyContainerBase const * pSource = dynamic_cast<bCPropertyContainerBase const *>(&a_Source))
        m_i32Value = pSource->m_i32Value;
    return bEResult_Ok;
}
