#include <vellmark/math/3d/oe_unitedray.h>

#include <vellmark/kernel/oe_stream.h>
#include <vellmark/math/3d/oe_matrix.h>
#include <vellmark/math/3d/oe_matrix3.h>

static_assert(sizeof(bERayExtension) == 4, "the flag word is streamed as 4 bytes");

constinit thread_local float bCUnitedRay::m_fDummy = 0.0f;

void bCUnitedRay::SetUnitedRay(bCUnitedRay const & a_Source)
{
    *this = a_Source;
}

void bCUnitedRay::SetUnitedRay(bERayExtension a_enuExtension, bCVector const & a_vecOrigin,
                               bCVector const & a_vecDirection)
{
    m_enuExtension = a_enuExtension;
    m_vecOrigin = a_vecOrigin;
    m_vecDirection = a_vecDirection;
}

void bCUnitedRay::SetUnitedRay(bCLine const & a_Line)
{
    SetUnitedRay(bERayExtension_Both, a_Line.GetOrigin(), a_Line.GetDirection());
}

void bCUnitedRay::SetUnitedRay(bCRay const & a_Ray)
{
    SetUnitedRay(bERayExtension_Forward, a_Ray.GetOrigin(), a_Ray.GetDirection());
}

void bCUnitedRay::SetUnitedRay(bCStretch const & a_Stretch)
{
    SetUnitedRay(bERayExtension_None, a_Stretch.GetStart(), a_Stretch.GetEnd() - a_Stretch.GetStart());
}

void bCUnitedRay::CopyFrom(bCUnitedRay const & a_Source)
{
    *this = a_Source;
}

void bCUnitedRay::CopyTo(bCUnitedRay & a_Dest) const
{
    a_Dest.CopyFrom(*this);
}

void bCUnitedRay::Clear()
{
    SetUnitedRay(bERayExtension_None, bCVector(0.0f, 0.0f, 0.0f), bCVector(0.0f, 0.0f, 0.0f));
}

void bCUnitedRay::Translate(bCVector const & a_vecOffset)
{
    m_vecOrigin += a_vecOffset;
}

void bCUnitedRay::InvTranslate(bCVector const & a_vecOffset)
{
    m_vecOrigin -= a_vecOffset;
}

void bCUnitedRay::Transform(bCMatrix const & a_matTransform)
{
    m_vecOrigin.Transform(a_matTransform);
    m_vecDirection.TransformDirection(a_matTransform);
}

void bCUnitedRay::InvTransform(bCMatrix const & a_matTransform)
{
    m_vecOrigin.InvTransform(a_matTransform);
    m_vecDirection.InvTransformDirection(a_matTransform);
}

void bCUnitedRay::Transform(bCMatrix3 const & a_matTransform)
{
    m_vecOrigin.Transform(a_matTransform);
    m_vecDirection.Transform(a_matTransform);
}

void bCUnitedRay::InvTransform(bCMatrix3 const & a_matTransform)
{
    m_vecOrigin.InvTransform(a_matTransform);
    m_vecDirection.InvTransform(a_matTransform);
}

bCUnitedRay bCUnitedRay::GetTranslated(bCVector const & a_vecOffset) const
{
    bCUnitedRay Result(*this);
    Result.Translate(a_vecOffset);
    return Result;
}

bCUnitedRay bCUnitedRay::GetInvTranslated(bCVector const & a_vecOffset) const
{
    bCUnitedRay Result(*this);
    Result.InvTranslate(a_vecOffset);
    return Result;
}

bCUnitedRay bCUnitedRay::GetTransformed(bCMatrix const & a_matTransform) const
{
    bCUnitedRay Result(*this);
    Result.Transform(a_matTransform);
    return Result;
}

bCUnitedRay bCUnitedRay::GetInvTransformed(bCMatrix const & a_matTransform) const
{
    bCUnitedRay Result(*this);
    Result.InvTransform(a_matTransform);
    return Result;
}

bCUnitedRay bCUnitedRay::GetTransformed(bCMatrix3 const & a_matTransform) const
{
    bCUnitedRay Result(*this);
    Result.Transform(a_matTransform);
    return Result;
}

bCUnitedRay bCUnitedRay::GetInvTransformed(bCMatrix3 const & a_matTransform) const
{
    bCUnitedRay Result(*this);
    Result.InvTransform(a_matTransform);
    return Result;
}

bool bCUnitedRay::operator==(bCUnitedRay const & a_Other) const
{
    return m_enuExtension == a_Other.m_enuExtension && m_vecOrigin == a_Other.m_vecOrigin &&
           m_vecDirection == a_Other.m_vecDirection;
}

bCOStream & bCUnitedRay::operator>>(bCOStream & a_Stream) const
{
    a_Stream.Write(&m_enuExtension, sizeof(m_enuExtension));
    a_Stream.Write(&m_vecOrigin, sizeof(m_vecOrigin));
    a_Stream.Write(&m_vecDirection, sizeof(m_vecDirection));
    return a_Stream;
}

bCIStream & bCUnitedRay::operator<<(bCIStream & a_Stream)
{
    a_Stream.Read(&m_enuExtension, sizeof(m_enuExtension));
    a_Stream.Read(&m_vecOrigin, sizeof(m_vecOrigin));
    a_Stream.Read(&m_vecDirection, sizeof(m_vecDirection));
    return a_Stream;
}
