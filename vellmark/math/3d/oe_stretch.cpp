#include <vellmark/math/3d/oe_stretch.h>

#include <vellmark/kernel/oe_message.h>
#include <vellmark/kernel/oe_stream.h>
#include <vellmark/math/3d/oe_ray.h>
#include <vellmark/math/3d/oe_unitedray.h>

namespace
{
    char const * const kObsolete = "The obsolete method %s was called! %s";

    float DistanceOrMiss(bool a_bHit, float a_fT)
    {
        return a_bHit ? a_fT : -1.0f;
    }

    float Clamp01(float a_fValue)
    {
        return a_fValue < 0.0f ? 0.0f : (a_fValue > 1.0f ? 1.0f : a_fValue);
    }

    // The parameter on P0 + s E of the point nearest to a_vecPoint.
    float NearestOnStretch(bCVector const & a_vecP0, bCVector const & a_vecE, bCVector const & a_vecPoint)
    {
        float const fSquareLength = a_vecE.GetDotProduct(a_vecE);
        if (fSquareLength < 1.0e-5f)
            return 0.5f;
        return Clamp01(a_vecE.GetDotProduct(a_vecPoint - a_vecP0) / fSquareLength);
    }

    // Closest points of the stretch P0 + s E (s in [0, 1]) and Q + t D (t >= 0,
    // and t <= 1 when a_bEndsAtOne); when t had to be clamped, s is found again.
    float SquareDistance(bCVector const & a_vecP0, bCVector const & a_vecE, bCVector const & a_vecQ,
                         bCVector const & a_vecD, bool a_bEndsAtOne, float & a_fS, float & a_fT)
    {
        bCVector const vecM = a_vecE.GetCrossProduct(a_vecD).GetCrossProduct(a_vecD);
        float const fDenominator = a_vecE.GetDotProduct(vecM);
        float fS = 0.5f; // parallel: any point would do, take the middle
        if (fDenominator <= -1.0e-5f || fDenominator >= 1.0e-5f)
            fS = Clamp01(vecM.GetDotProduct(a_vecQ - a_vecP0) / fDenominator);
        bCVector vecA = a_vecP0 + a_vecE * fS;
        float const fSquareD = a_vecD.GetDotProduct(a_vecD);
        float fT = fSquareD < 1.0e-5f ? 0.0f : a_vecD.GetDotProduct(vecA - a_vecQ) / fSquareD;
        bool bClamped = false;
        if (fT < 0.0f)
        {
            fT = 0.0f;
            bClamped = true;
        }
        else if (a_bEndsAtOne && fT > 1.0f)
        {
            fT = 1.0f;
            bClamped = true;
        }
        bCVector const vecB = a_vecQ + a_vecD * fT;
        if (bClamped)
        {
            fS = NearestOnStretch(a_vecP0, a_vecE, vecB);
            vecA = a_vecP0 + a_vecE * fS;
        }
        a_fS = fS;
        a_fT = fT;
        return (vecA - vecB).GetSquareMagnitude();
    }
} // namespace

constinit thread_local float bCStretch::m_fDummy = 0.0f;

bCStretch::bCStretch(bCVector const & a_vecStart, bCVector const & a_vecEnd) :
    m_vecStart(a_vecStart), m_vecEnd(a_vecEnd)
{
}

void bCStretch::SetStretch(bCStretch const & a_Source)
{
    *this = a_Source;
}

void bCStretch::SetStretch(bCVector const & a_vecStart, bCVector const & a_vecEnd)
{
    m_vecStart = a_vecStart;
    m_vecEnd = a_vecEnd;
}

void bCStretch::CopyFrom(bCStretch const & a_Source)
{
    *this = a_Source;
}

void bCStretch::CopyTo(bCStretch & a_Dest) const
{
    a_Dest.CopyFrom(*this);
}

void bCStretch::Clear()
{
    SetStretch(bCVector(0.0f, 0.0f, 0.0f), bCVector(0.0f, 0.0f, 0.0f));
}

void bCStretch::Translate(bCVector const & a_vecOffset)
{
    m_vecStart += a_vecOffset;
    m_vecEnd += a_vecOffset;
}

void bCStretch::InvTranslate(bCVector const & a_vecOffset)
{
    m_vecStart -= a_vecOffset;
    m_vecEnd -= a_vecOffset;
}

void bCStretch::Transform(bCMatrix const & a_matTransform)
{
    m_vecStart.Transform(a_matTransform);
    m_vecEnd.Transform(a_matTransform);
}

void bCStretch::InvTransform(bCMatrix const & a_matTransform)
{
    m_vecStart.InvTransform(a_matTransform);
    m_vecEnd.InvTransform(a_matTransform);
}

void bCStretch::Transform(bCMatrix3 const & a_matTransform)
{
    m_vecStart.Transform(a_matTransform);
    m_vecEnd.Transform(a_matTransform);
}

void bCStretch::InvTransform(bCMatrix3 const & a_matTransform)
{
    m_vecStart.InvTransform(a_matTransform);
    m_vecEnd.InvTransform(a_matTransform);
}

bCStretch bCStretch::GetTranslated(bCVector const & a_vecOffset) const
{
    bCStretch Result(*this);
    Result.Translate(a_vecOffset);
    return Result;
}

bCStretch bCStretch::GetInvTranslated(bCVector const & a_vecOffset) const
{
    bCStretch Result(*this);
    Result.InvTranslate(a_vecOffset);
    return Result;
}

bCStretch bCStretch::GetTransformed(bCMatrix const & a_matTransform) const
{
    bCStretch Result(*this);
    Result.Transform(a_matTransform);
    return Result;
}

bCStretch bCStretch::GetInvTransformed(bCMatrix const & a_matTransform) const
{
    bCStretch Result(*this);
    Result.InvTransform(a_matTransform);
    return Result;
}

bCStretch bCStretch::GetTransformed(bCMatrix3 const & a_matTransform) const
{
    bCStretch Result(*this);
    Result.Transform(a_matTransform);
    return Result;
}

bCStretch bCStretch::GetInvTransformed(bCMatrix3 const & a_matTransform) const
{
    bCStretch Result(*this);
    Result.InvTransform(a_matTransform);
    return Result;
}

bool bCStretch::operator==(bCStretch const & a_Other) const
{
    return m_vecStart == a_Other.m_vecStart && m_vecEnd == a_Other.m_vecEnd;
}

bool bCStretch::Intersects(bCPlane const & a_Plane, float & a_fT) const
{
    return bCUnitedRay(*this).Intersects(a_Plane, a_fT);
}

bool bCStretch::Intersects(bCSphere const & a_Sphere, float & a_fT) const
{
    return bCUnitedRay(*this).Intersects(a_Sphere, a_fT);
}

bool bCStretch::Intersects(bCBox const & a_Box, float & a_fT) const
{
    return bCUnitedRay(*this).Intersects(a_Box, a_fT);
}

bool bCStretch::Intersects(bCTriangle const & a_Triangle, float & a_fT, bCTriangle::bESides a_enuSides) const
{
    return bCUnitedRay(*this).Intersects(a_Triangle, a_fT, a_enuSides);
}

bool bCStretch::Intersects(bCVector const * a_pCorners, float & a_fT, bCTriangle::bESides a_enuSides) const
{
    return bCUnitedRay(*this).Intersects(a_pCorners, a_fT, a_enuSides);
}

bool bCStretch::Intersects(bCVector const & a_vecA, bCVector const & a_vecB, bCVector const & a_vecC, float & a_fT,
                        bCTriangle::bESides a_enuSides) const
{
    return bCUnitedRay(*this).Intersects(a_vecA, a_vecB, a_vecC, a_fT, a_enuSides);
}

float bCStretch::GetIntersectionDistance(bCTriangle const & a_Triangle) const
{
    OE_MESSAGEF_WARN(kObsolete, "bCStretch::GetIntersectionDistance [Triangle]", "Use Intersects()");
    float fT = 0.0f;
    bool const bHit = Intersects(a_Triangle, fT); // t is read after the test
    return DistanceOrMiss(bHit, fT);
}

float bCStretch::GetIntersectionDistance(bCVector const & a_vecA, bCVector const & a_vecB,
                                         bCVector const & a_vecC) const
{
    OE_MESSAGEF_WARN(kObsolete, "bCStretch::GetIntersectionDistance", "Use Intersects()");
    float fT = 0.0f;
    bool const bHit = Intersects(a_vecA, a_vecB, a_vecC, fT); // t is read after the test
    return DistanceOrMiss(bHit, fT);
}

float bCStretch::GetSquareDistance(bCStretch const & a_Stretch) const
{
    float fS = 0.0f, fT = 0.0f;
    return GetSquareDistance(a_Stretch, fS, fT);
}

float bCStretch::GetSquareDistance(bCStretch const & a_Stretch, float & a_fS, float & a_fT) const
{
    return SquareDistance(m_vecStart, m_vecEnd - m_vecStart, a_Stretch.GetStart(),
                          a_Stretch.GetEnd() - a_Stretch.GetStart(), true, a_fS, a_fT);
}

float bCStretch::GetSquareDistance(bCRay const & a_Ray) const
{
    float fS = 0.0f, fT = 0.0f;
    return GetSquareDistance(a_Ray, fS, fT);
}

float bCStretch::GetSquareDistance(bCRay const & a_Ray, float & a_fS, float & a_fT) const
{
    return SquareDistance(m_vecStart, m_vecEnd - m_vecStart, a_Ray.GetOrigin(), a_Ray.GetDirection(), false, a_fS,
                          a_fT);
}

bCOStream & bCStretch::operator>>(bCOStream & a_Stream) const
{
    a_Stream.Write(&m_vecStart, sizeof(m_vecStart));
    a_Stream.Write(&m_vecEnd, sizeof(m_vecEnd));
    return a_Stream;
}

bCIStream & bCStretch::operator<<(bCIStream & a_Stream)
{
    a_Stream.Read(&m_vecStart, sizeof(m_vecStart));
    a_Stream.Read(&m_vecEnd, sizeof(m_vecEnd));
    return a_Stream;
}
