#include <vellmark/math/3d/oe_orientedbox.h>

#include <vellmark/kernel/oe_stream.h>
#include <vellmark/math/3d/oe_eigenvector.h>
#include <vellmark/math/3d/oe_matrix.h>

#include <algorithm>
#include <cmath>

namespace
{
    float const g_fMaxFloat = 3.4028235e38f;
    float Project(bCVector const & a_vecAxis, bCVector const & a_vecExtentAxis, float a_fExtent)
    {
        return std::fabs(a_vecAxis.GetDotProduct(a_vecExtentAxis)) * a_fExtent;
    }
}

bCOrientedBox::bCOrientedBox()
{
    Invalidate();
}

bCOrientedBox::bCOrientedBox(bCBox const & a_Box, bCMatrix3 const & a_matOrientation)
{
    Create(a_Box, a_matOrientation);
}

void bCOrientedBox::Create(bCBox const & a_Box, bCMatrix3 const & a_matOrientation)
{
    m_vecExtent = (a_Box.GetMax() - a_Box.GetMin()) * 0.5f;
    m_matOrientation = a_matOrientation;
    m_vecCenter = a_Box.GetCenter().GetTransformed(a_matOrientation);
}

void bCOrientedBox::SetOrientedBox(bCVector const & a_vecCenter, bCVector const & a_vecExtent,
                                   bCMatrix3 const & a_matOrientation)
{
    m_vecCenter = a_vecCenter;
    m_vecExtent = a_vecExtent;
    m_matOrientation = a_matOrientation;
}

// Sets the orientation from the covariance of the points and returns, per new
// axis, the least and greatest projection of the points relative to their mean.
bool bCOrientedBox::FitPrincipalAxes(bCVector const * a_pPoints, int a_iCount, bCVector & a_vecMean,
                                     bCVector & a_vecLeast, bCVector & a_vecGreatest)
{
    if (a_iCount <= 0)
    {
        m_vecExtent = bCVector(-g_fMaxFloat, -g_fMaxFloat, -g_fMaxFloat);
        return false;
    }
    a_vecMean = bCVector(0.0f, 0.0f, 0.0f);
    for (int i = 0; i < a_iCount; ++i)
        a_vecMean += a_pPoints[i];
    a_vecMean /= static_cast<float>(a_iCount);
    bCEigenVector Solver(3);
    for (int r = 0; r < 3; ++r)
    {
        for (int c = 0; c < 3; ++c)
        {
            double dSum = 0.0;
            for (int i = 0; i < a_iCount; ++i)
                dSum += static_cast<double>(a_pPoints[i][r] - a_vecMean[r]) * (a_pPoints[i][c] - a_vecMean[c]);
            if (Solver.Eigenvector())
                Solver.Matrix(r, c) = dSum / a_iCount;
        }
    }
    bCVector arrAxes[3] = {bCVector(0.0f), bCVector(0.0f), bCVector(0.0f)};
    if (Solver.Eigenvector())
    {
        Solver.IncrSortEigenStuff3();
        for (int i = 0; i < 3; ++i)
            Solver.Eigenvector(i, arrAxes[i]);
    }
    // The middle spread along x, the largest along y, the least along z (the last two reversed).
    m_matOrientation = bCMatrix3(arrAxes[1], -arrAxes[2], -arrAxes[0]);
    m_matOrientation.Orthonormalize();
    for (int i = 0; i < a_iCount; ++i)
    {
        bCVector const vecRelative = a_pPoints[i] - a_vecMean;
        for (int k = 0; k < 3; ++k)
        {
            float const fProjection = vecRelative.GetDotProduct(m_matOrientation.GetRow(k));
            if (i == 0)
                a_vecLeast[k] = a_vecGreatest[k] = fProjection;
            else if (fProjection < a_vecLeast[k])
                a_vecLeast[k] = fProjection;
            else if (fProjection > a_vecGreatest[k])
                a_vecGreatest[k] = fProjection;
        }
    }
    return true;
}

void bCOrientedBox::SetOuterBoxFromPoints(bCVector const * a_pPoints, int a_iCount)
{
    bCVector vecMean, vecLeast, vecGreatest;
    if (!FitPrincipalAxes(a_pPoints, a_iCount, vecMean, vecLeast, vecGreatest))
        return;
    m_vecExtent = (vecGreatest - vecLeast) * 0.5f;
    m_vecCenter = vecMean;
    for (int k = 0; k < 3; ++k)
        m_vecCenter += m_matOrientation.GetRow(k) * ((vecLeast[k] + vecGreatest[k]) * 0.5f);
}

void bCOrientedBox::SetInnerBoxFromPoints(bCVector const * a_pPoints, int a_iCount)
{
    bCVector vecMean, vecLeast, vecGreatest;
    if (!FitPrincipalAxes(a_pPoints, a_iCount, vecMean, vecLeast, vecGreatest))
        return;
    m_vecCenter = vecMean;
    for (int k = 0; k < 3; ++k)
        m_vecExtent[k] = std::min(-vecLeast[k], vecGreatest[k]);
}

bCVector bCOrientedBox::GetVertex(int a_iIndex) const
{
    bCVector vecVertex = m_vecCenter;
    for (int k = 0; k < 3; ++k)
        vecVertex += m_matOrientation.GetRow(k) * ((a_iIndex & (1 << k)) ? m_vecExtent[k] : -m_vecExtent[k]);
    return vecVertex;
}

void bCOrientedBox::GetVertices(bCVector * a_pVertices) const
{
    for (int i = 0; i < 8; ++i)
        a_pVertices[i] = GetVertex(i);
}

bCStretch bCOrientedBox::GetEdge(int a_iIndex) const
{
    int const iAxis = (a_iIndex / 4) % 3;
    int const iBit = 1 << iAxis;
    // The four vertices with the axis bit clear, in increasing order.
    int const iLowBits = iBit - 1;
    int const iRank = a_iIndex % 4;
    int const iStart = (iRank & iLowBits) | ((iRank & ~iLowBits) << 1);
    return bCStretch(GetVertex(iStart), GetVertex(iStart | iBit));
}

void bCOrientedBox::GetEdges(bCStretch * a_pEdges) const
{
    for (int i = 0; i < 12; ++i)
        a_pEdges[i] = GetEdge(i);
}

bCPlane bCOrientedBox::GetPlane(int a_iIndex) const
{
    int const iAxis = (a_iIndex / 2) % 3;
    bCVector const vecNormal = (a_iIndex & 1) ? m_matOrientation.GetRow(iAxis) : -m_matOrientation.GetRow(iAxis);
    return bCPlane(vecNormal, m_vecCenter + vecNormal * m_vecExtent[iAxis]);
}

void bCOrientedBox::GetPlanes(bCPlane * a_pPlanes) const
{
    for (int i = 0; i < 6; ++i)
        a_pPlanes[i] = GetPlane(i);
}

bCBox bCOrientedBox::GetCircumAxisBox() const
{
    bCVector vecHalf(0.0f);
    for (int j = 0; j < 3; ++j)
        for (int k = 0; k < 3; ++k)
            vecHalf[j] += std::fabs(m_matOrientation.GetElement(k, j)) * m_vecExtent[k];
    return bCBox(m_vecCenter - vecHalf, m_vecCenter + vecHalf);
}

bCSphere bCOrientedBox::GetCircumSphere() const
{
    return bCSphere(m_vecExtent.GetMagnitude(), m_vecCenter);
}

bCSphere bCOrientedBox::GetInSphere() const
{
    return bCSphere(std::min(std::min(m_vecExtent[0], m_vecExtent[1]), m_vecExtent[2]), m_vecCenter);
}

void bCOrientedBox::GetProjectedExtent(bCVector const & a_vecAxis, float & a_fLow, float & a_fHigh) const
{
    float const fCenter = a_vecAxis.GetDotProduct(m_vecCenter);
    float fRadius = 0.0f;
    for (int k = 0; k < 3; ++k)
        fRadius += Project(a_vecAxis, m_matOrientation.GetRow(k), m_vecExtent[k]);
    a_fLow = fCenter - fRadius;
    a_fHigh = fCenter + fRadius;
}

bool bCOrientedBox::Contains(bCVector const & a_vecPoint) const
{
    bCVector const vecRelative = a_vecPoint - m_vecCenter;
    for (int k = 0; k < 3; ++k)
        if (std::fabs(vecRelative.GetDotProduct(m_matOrientation.GetRow(k))) > m_vecExtent[k])
            return false;
    return true;
}

bool bCOrientedBox::Contains(bCBox const & a_Box) const
{
    for (int i = 0; i < 8; ++i)
        if (!Contains(a_Box.GetVertex(i)))
            return false;
    return true;
}

bool bCOrientedBox::Contains(bCOrientedBox const & a_Box) const
{
    for (int i = 0; i < 8; ++i)
        if (!Contains(a_Box.GetVertex(i)))
            return false;
    return true;
}

bool bCOrientedBox::Contains(bCSphere const & a_Sphere) const
{
    bCVector const vecRelative = a_Sphere.GetPosition() - m_vecCenter;
    for (int k = 0; k < 3; ++k)
        if (std::fabs(vecRelative.GetDotProduct(m_matOrientation.GetRow(k))) + a_Sphere.GetRadius() > m_vecExtent[k])
            return false;
    return true;
}

bool bCOrientedBox::Intersects(bCOrientedBox const & a_Box) const
{
    bCVector arrAxes[15];
    for (int k = 0; k < 3; ++k)
    {
        arrAxes[k] = m_matOrientation.GetRow(k);
        arrAxes[3 + k] = a_Box.m_matOrientation.GetRow(k);
    }
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            arrAxes[6 + 3 * i + j] = arrAxes[i].GetCrossProduct(arrAxes[3 + j]);
    bCVector const vecBetween = a_Box.m_vecCenter - m_vecCenter;
    for (bCVector const & vecAxis : arrAxes)
    {
        // Parallel edges give no cross product; their face axes decide.
        if (vecAxis.GetSquareMagnitude() < 1.0e-12f)
            continue;
        float fRadii = 0.0f;
        for (int k = 0; k < 3; ++k)
            fRadii += Project(vecAxis, m_matOrientation.GetRow(k), m_vecExtent[k]) +
                      Project(vecAxis, a_Box.m_matOrientation.GetRow(k), a_Box.m_vecExtent[k]);
        if (std::fabs(vecBetween.GetDotProduct(vecAxis)) > fRadii)
            return false;
    }
    return true;
}

bool bCOrientedBox::Intersects(bCBox const & a_Box) const
{
    return Intersects(bCOrientedBox(a_Box, bCMatrix3::GetIdentity()));
}

bool bCOrientedBox::Intersects(bCPlane const & a_Plane) const
{
    float fRadius = 0.0f;
    for (int k = 0; k < 3; ++k)
        fRadius += Project(a_Plane.GetNormal(), m_matOrientation.GetRow(k), m_vecExtent[k]);
    return std::fabs(a_Plane.ClassifyPoint(m_vecCenter)) <= fRadius;
}

bool bCOrientedBox::Intersects(bCSphere const & a_Sphere) const
{
    bCVector const vecRelative = a_Sphere.GetPosition() - m_vecCenter;
    float fSquareDistance = 0.0f;
    for (int k = 0; k < 3; ++k)
    {
        float const fLocal = vecRelative.GetDotProduct(m_matOrientation.GetRow(k));
        float const fOutside = std::fabs(fLocal) - m_vecExtent[k];
        if (fOutside > 0.0f)
            fSquareDistance += fOutside * fOutside;
    }
    return fSquareDistance <= a_Sphere.GetRadius() * a_Sphere.GetRadius();
}

void bCOrientedBox::Merge(bCOrientedBox const & a_Box)
{
    if (!a_Box.IsValid())
        return;
    if (!IsValid())
    {
        *this = a_Box;
        return;
    }
    bCVector vecLow = -m_vecExtent, vecHigh = m_vecExtent;
    for (int i = 0; i < 8; ++i)
    {
        bCVector const vecRelative = a_Box.GetVertex(i) - m_vecCenter;
        for (int k = 0; k < 3; ++k)
        {
            float const fLocal = vecRelative.GetDotProduct(m_matOrientation.GetRow(k));
            vecLow[k] = std::min(vecLow[k], fLocal);
            vecHigh[k] = std::max(vecHigh[k], fLocal);
        }
    }
    for (int k = 0; k < 3; ++k)
        m_vecCenter += m_matOrientation.GetRow(k) * ((vecLow[k] + vecHigh[k]) * 0.5f);
    m_vecExtent = (vecHigh - vecLow) * 0.5f;
}

bCOrientedBox & bCOrientedBox::operator|=(bCOrientedBox const & a_Box)
{
    Merge(a_Box);
    return *this;
}

bCOrientedBox bCOrientedBox::GetMerged(bCOrientedBox const & a_Box) const
{
    bCOrientedBox Result(*this);
    Result.Merge(a_Box);
    return Result;
}

void bCOrientedBox::Scale(float a_fScale)
{
    m_vecExtent *= a_fScale;
}

void bCOrientedBox::Scale(bCVector const & a_vecScale)
{
    for (int k = 0; k < 3; ++k)
        m_vecExtent[k] *= a_vecScale[k];
}

void bCOrientedBox::TransformAxes(bCMatrix3 const & a_matLinear)
{
    for (int k = 0; k < 3; ++k)
    {
        bCVector const vecAxis = (m_matOrientation.GetRow(k) * m_vecExtent[k]).GetTransformed(a_matLinear);
        float const fLength = vecAxis.GetMagnitude();
        m_vecExtent[k] = fLength;
        if (fLength > 0.0f)
            m_matOrientation.SetRow(k, vecAxis / fLength);
    }
}

void bCOrientedBox::Transform(bCMatrix const & a_matTransform)
{
    m_vecCenter.Transform(a_matTransform);
    bCMatrix3 matLinear(a_matTransform.GetRow(0), a_matTransform.GetRow(1), a_matTransform.GetRow(2));
    TransformAxes(matLinear);
}

void bCOrientedBox::InvTransform(bCMatrix const & a_matTransform)
{
    Transform(a_matTransform.GetInverted());
}

void bCOrientedBox::Transform(bCMatrix3 const & a_matTransform)
{
    m_vecCenter.Transform(a_matTransform);
    TransformAxes(a_matTransform);
}

void bCOrientedBox::InvTransform(bCMatrix3 const & a_matTransform)
{
    Transform(a_matTransform.GetInverted());
}

#define OE_ORIENTEDBOX_GET_FORM(NAME, OPERATION, ARGUMENT)                                                             \
    bCOrientedBox bCOrientedBox::NAME(ARGUMENT a_Argument) const                                                       \
    {                                                                                                                  \
        bCOrientedBox Result(*this);                                                                                   \
        Result.OPERATION(a_Argument);                                                                                  \
        return Result;                                                                                                 \
    }

OE_ORIENTEDBOX_GET_FORM(GetTranslated, Translate, bCVector const &)
OE_ORIENTEDBOX_GET_FORM(GetInvTranslated, InvTranslate, bCVector const &)
OE_ORIENTEDBOX_GET_FORM(GetScaled, Scale, float)
OE_ORIENTEDBOX_GET_FORM(GetTransformed, Transform, bCMatrix const &)
OE_ORIENTEDBOX_GET_FORM(GetInvTransformed, InvTransform, bCMatrix const &)
OE_ORIENTEDBOX_GET_FORM(GetTransformed, Transform, bCMatrix3 const &)
OE_ORIENTEDBOX_GET_FORM(GetInvTransformed, InvTransform, bCMatrix3 const &)

bCOrientedBox & bCOrientedBox::operator+=(bCVector const & a_vecOffset)
{
    Translate(a_vecOffset);
    return *this;
}

bCOrientedBox & bCOrientedBox::operator-=(bCVector const & a_vecOffset)
{
    InvTranslate(a_vecOffset);
    return *this;
}

bCOrientedBox & bCOrientedBox::operator*=(bCMatrix const & a_matTransform)
{
    Transform(a_matTransform);
    return *this;
}

bCOrientedBox & bCOrientedBox::operator/=(bCMatrix const & a_matTransform)
{
    InvTransform(a_matTransform);
    return *this;
}

bool bCOrientedBox::IsValid() const
{
    return m_vecExtent[0] >= 0.0f && m_vecExtent[1] >= 0.0f && m_vecExtent[2] >= 0.0f;
}

void bCOrientedBox::Invalidate()
{
    m_vecCenter = bCVector(0.0f, 0.0f, 0.0f);
    m_vecExtent = bCVector(-g_fMaxFloat, -g_fMaxFloat, -g_fMaxFloat);
    m_matOrientation = bCMatrix3::GetIdentity();
}

bool bCOrientedBox::IsEqual(bCOrientedBox const & a_Other) const
{
    return m_vecCenter == a_Other.m_vecCenter && m_vecExtent == a_Other.m_vecExtent &&
           m_matOrientation == a_Other.m_matOrientation;
}

bCOStream & bCOrientedBox::operator>>(bCOStream & a_Stream) const
{
    m_vecCenter >> a_Stream;
    m_vecExtent >> a_Stream;
    m_matOrientation >> a_Stream;
    return a_Stream;
}

bCIStream & bCOrientedBox::operator<<(bCIStream & a_Stream)
{
    m_vecCenter << a_Stream;
    m_vecExtent << a_Stream;
    m_matOrientation << a_Stream;
    return a_Stream;
}
