#include <vellmark/math/3d/oe_capsule.h>

#include <vellmark/kernel/oe_stream.h>

bCCapsule::bCCapsule() : m_fRadius(0.0f), m_fHeight(0.0f)
{
    Invalidate();
}

bCCapsule::bCCapsule(float a_fRadius, float a_fHeight, bCMatrix3 const & a_matOrientation, bCVector const & a_vecCenter)
    : m_fRadius(a_fRadius), m_fHeight(a_fHeight), m_matOrientation(a_matOrientation), m_vecCenter(a_vecCenter)
{
}

bEResult bCCapsule::Create()
{
    return bEResult_Ok;
}

void bCCapsule::Destroy()
{
    Invalidate();
}

void bCCapsule::Invalidate()
{
    m_matOrientation = bCMatrix3::GetIdentity();
    m_vecCenter = bCVector(0.0f, 0.0f, 0.0f);
}

void bCCapsule::SetCapsule(float a_fRadius, float a_fHeight, bCMatrix3 const & a_matOrientation,
                           bCVector const & a_vecCenter)
{
    *this = bCCapsule(a_fRadius, a_fHeight, a_matOrientation, a_vecCenter);
}

bool bCCapsule::IsEqual(bCCapsule const & a_Other) const
{
    return m_fRadius == a_Other.m_fRadius && m_fHeight == a_Other.m_fHeight &&
           m_matOrientation == a_Other.m_matOrientation && m_vecCenter == a_Other.m_vecCenter;
}

bCOStream & bCCapsule::operator>>(bCOStream & a_Stream) const
{
    a_Stream << m_fRadius << m_fHeight;
    m_matOrientation >> a_Stream;
    return m_vecCenter >> a_Stream;
}

bCIStream & bCCapsule::operator<<(bCIStream & a_Stream)
{
    a_Stream >> m_fRadius >> m_fHeight;
    m_matOrientation << a_Stream;
    return m_vecCenter << a_Stream;
}
