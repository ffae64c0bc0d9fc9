#include <vellmark/math/3d/oe_motion.h>

#include <vellmark/kernel/oe_stream.h>

bCOStream & bCMotion::operator>>(bCOStream & a_Stream) const
{
    m_vecPosition >> a_Stream;
    m_quatRotation >> a_Stream;
    return a_Stream;
}

bCIStream & bCMotion::operator<<(bCIStream & a_Stream)
{
    m_vecPosition << a_Stream;
    m_quatRotation << a_Stream;
    return a_Stream;
}
