#include <vellmark/math/3d/oe_range.h>

#include <vellmark/kernel/oe_stream.h>
#include <vellmark/platform/oe_random.h>

#include <algorithm>
#include <climits>

namespace
{
    // Truncation towards zero that saturates instead of leaving the int range
    // (bounds read from a stream may be huge or not a number: those give 0).
    int Truncate(double a_dValue)
    {
        if (a_dValue != a_dValue)
            return 0;
        if (a_dValue <= -2147483649.0)
            return INT_MIN;
        if (a_dValue >= 2147483648.0)
            return INT_MAX;
        return static_cast<int>(a_dValue);
    }

    double DrawUnit()
    {
        return OERand() / 32767.0;
    }

    float Draw(float a_fMin, float a_fMax)
    {
        return static_cast<float>(a_fMin + (a_fMax - a_fMin) * DrawUnit());
    }

    // The per-component rules shared by the vector ranges; VECTOR has N floats behind operator[].
    template <typename VECTOR, int N> VECTOR Combine(VECTOR const & a_vecMin, VECTOR const & a_vecMax, int a_iRule)
    {
        VECTOR vecResult(a_vecMin);
        for (int i = 0; i < N; ++i)
        {
            float const fMin = a_vecMin[i], fMax = a_vecMax[i];
            vecResult[i] = a_iRule == 0 ? (fMin + fMax) / 2.0f : fMax - fMin;
        }
        return vecResult;
    }

    template <typename VECTOR, int N> VECTOR DrawVector(VECTOR const & a_vecMin, VECTOR const & a_vecMax)
    {
        bool bFixed = true;
        for (int i = 0; i < N; ++i)
            bFixed = bFixed && a_vecMin[i] == a_vecMax[i];
        if (bFixed)
            return a_vecMin;
        VECTOR vecResult(a_vecMin);
        for (int i = 0; i < N; ++i)
            vecResult[i] = Draw(a_vecMin[i], a_vecMax[i]);
        return vecResult;
    }

    template <typename VECTOR, int N>
    void SetAroundAverage(VECTOR & a_vecMin, VECTOR & a_vecMax, VECTOR const & a_vecAverage, VECTOR const & a_vecVariance)
    {
        for (int i = 0; i < N; ++i)
        {
            float const fAverage = a_vecAverage[i], fVariance = a_vecVariance[i];
            a_vecMin[i] = fAverage - fVariance;
            a_vecMax[i] = fAverage + fVariance;
        }
    }

    template <typename VECTOR, int N> void WriteFloats(bCOStream & a_Stream, VECTOR const & a_vecValue)
    {
        for (int i = 0; i < N; ++i)
            a_Stream << a_vecValue[i];
    }

    template <typename VECTOR, int N> void ReadFloats(bCIStream & a_Stream, VECTOR & a_vecValue)
    {
        for (int i = 0; i < N; ++i)
        {
            float fValue = a_vecValue[i];
            a_Stream >> fValue;
            a_vecValue[i] = fValue;
        }
    }
}

void bCRange1::SetMinMax(float a_fMin, float a_fMax)
{
    m_fMin = a_fMin;
    m_fMax = a_fMax;
}

void bCRange1::SetAverageAndVariance(float a_fAverage, float a_fVariance)
{
    m_fMin = a_fAverage - a_fVariance;
    m_fMax = a_fAverage + a_fVariance;
}

float bCRange1::GetCenter() const
{
    if (m_fMin == m_fMax)
        return m_fMin;
    return (m_fMin + m_fMax) / 2.0f;
}

float bCRange1::GetMagnitude() const
{
    return m_fMax - m_fMin;
}

float bCRange1::GetRandom() const
{
    if (m_fMin == m_fMax)
        return m_fMin;
    return Draw(m_fMin, m_fMax);
}

int bCRange1::GetRandomInt() const
{
    if (m_fMin == m_fMax)
        return Truncate(m_fMin);
    float fLow = std::min(m_fMin, m_fMax);
    float fHigh = std::max(m_fMin, m_fMax);
    // Widened so that truncation towards zero gives the end values their share.
    if (fLow < 0.0f)
        fLow -= 1.0f;
    if (fHigh > 0.0f)
        fHigh += 1.0f;
    int const iDrawn = Truncate(fLow + (fHigh - fLow) * DrawUnit());
    int const iLow = Truncate(fLow), iHigh = Truncate(fHigh);
    return iLow <= iHigh ? std::clamp(iDrawn, iLow, iHigh) : iLow;
}

bCOStream & bCRange1::operator>>(bCOStream & a_Stream) const
{
    return a_Stream << m_fMin << m_fMax;
}

bCIStream & bCRange1::operator<<(bCIStream & a_Stream)
{
    return a_Stream >> m_fMin >> m_fMax;
}

#define OE_RANGE_DEFINITIONS(RANGE, VECTOR, N)                                                                         \
    void RANGE::SetMinMax(VECTOR const & a_vecMin, VECTOR const & a_vecMax)                                           \
    {                                                                                                                  \
        m_vecMin = a_vecMin;                                                                                           \
        m_vecMax = a_vecMax;                                                                                           \
    }                                                                                                                  \
    void RANGE::SetAverageAndVariance(VECTOR const & a_vecAverage, VECTOR const & a_vecVariance)                      \
    {                                                                                                                  \
        SetAroundAverage<VECTOR, N>(m_vecMin, m_vecMax, a_vecAverage, a_vecVariance);                                  \
    }                                                                                                                  \
    VECTOR RANGE::GetCenter() const { return Combine<VECTOR, N>(m_vecMin, m_vecMax, 0); }                              \
    VECTOR RANGE::GetMagnitude() const { return Combine<VECTOR, N>(m_vecMin, m_vecMax, 1); }                           \
    VECTOR RANGE::GetRandom() const { return DrawVector<VECTOR, N>(m_vecMin, m_vecMax); }                              \
    bCOStream & RANGE::operator>>(bCOStream & a_Stream) const                                                          \
    {                                                                                                                  \
        WriteFloats<VECTOR, N>(a_Stream, m_vecMin);                                                                    \
        WriteFloats<VECTOR, N>(a_Stream, m_vecMax);                                                                    \
        return a_Stream;                                                                                               \
    }                                                                                                                  \
    bCIStream & RANGE::operator<<(bCIStream & a_Stream)                                                                \
    {                                                                                                                  \
        ReadFloats<VECTOR, N>(a_Stream, m_vecMin);                                                                     \
        ReadFloats<VECTOR, N>(a_Stream, m_vecMax);                                                                     \
        return a_Stream;                                                                                               \
    }

OE_RANGE_DEFINITIONS(bCRange2, bCVector2, 2)
OE_RANGE_DEFINITIONS(bCRange3, bCVector, 3)
OE_RANGE_DEFINITIONS(bCRange4, bCVector4, 4)
