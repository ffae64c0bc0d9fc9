#include <vellmark/math/3d/oe_vector4.h>

#include <vellmark/kernel/oe_stream.h>

#include <cmath>
#include <utility>

float bCVector4::GetMagnitudeApprox() const
{
    // A five-exchange sorting network: order the pairs (x, y) and (z, w), then
    // the two maxima and the two minima, then the two middle values.
    float fA = std::fabs(m_fCoordinates[0]), fB = std::fabs(m_fCoordinates[1]);
    float fC = std::fabs(m_fCoordinates[2]), fD = std::fabs(m_fCoordinates[3]);
    if (fA < fB)
        std::swap(fA, fB);
    if (fC < fD)
        std::swap(fC, fD);
    if (fA < fC)
        std::swap(fA, fC);
    if (fB < fD)
        std::swap(fB, fD);
    if (fC < fB)
        std::swap(fC, fB);
    // Now fA >= fC >= fB >= fD.
    return fA + (25.0f * fC + 19.0f * fB + 16.0f * fD) / 60.0f;
}

bCOStream & bCVector4::operator>>(bCOStream & a_Stream) const
{
    a_Stream.Write(m_fCoordinates, sizeof(m_fCoordinates));
    return a_Stream;
}

bCIStream & bCVector4::operator<<(bCIStream & a_Stream)
{
    a_Stream.Read(m_fCoordinates, sizeof(m_fCoordinates));
    return a_Stream;
}
