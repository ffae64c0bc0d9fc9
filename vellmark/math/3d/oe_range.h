#ifndef OE_RANGE_H_INCLUDED
#define OE_RANGE_H_INCLUDED

// bCRange1 to bCRange4: a minimum and a maximum (float, bCVector2, bCVector,
// bCVector4; minimum first) that produce random values between them.
//
// - Draws come from the calling thread's runtime generator (OERand, 0 to
//   32767) with u = rand / 32767.0, one draw per component in the order x, y,
//   z, w: component = min + (max - min) u. A range whose every component has
//   min == max returns the minimum without drawing.
// - Stream form: minimum then maximum as raw floats (8, 16, 24, 32 bytes).

#include <vellmark/math/3d/oe_vector.h>
#include <vellmark/math/3d/oe_vector2.h>
#include <vellmark/math/3d/oe_vector4.h>

class bCIStream;
class bCOStream;

class OE_API bCRange1
{
public:
    bCRange1() : m_fMin(0.0f), m_fMax(0.0f) {}
    bCRange1(float a_fMin, float a_fMax) : m_fMin(a_fMin), m_fMax(a_fMax) {}

public:
    float GetMin() const { return m_fMin; }
    float GetMax() const { return m_fMax; }
    float & AccessMin() { return m_fMin; }
    float & AccessMax() { return m_fMax; }
    void SetMin(float a_fMin) { m_fMin = a_fMin; }
    void SetMax(float a_fMax) { m_fMax = a_fMax; }
    void SetMinMax(float a_fMin, float a_fMax);
    void SetAverageAndVariance(float a_fAverage, float a_fVariance); // average -/+ variance
    float GetCenter() const;    // the minimum itself when both bounds are equal
    float GetMagnitude() const; // max - min
    float GetRandom() const;
    void GetRandom(float & a_fValue) const { a_fValue = GetRandom(); }
    // Truncated draw over the bounds widened by one away from zero, clamped to them.
    int GetRandomInt() const;
    bool operator==(bCRange1 const & a_Other) const { return m_fMin == a_Other.m_fMin && m_fMax == a_Other.m_fMax; }
    bool operator!=(bCRange1 const & a_Other) const { return !(*this == a_Other); }

    bCOStream & operator>>(bCOStream & a_Stream) const; // writes
    bCIStream & operator<<(bCIStream & a_Stream);       // reads

private:
    float m_fMin;
    float m_fMax;
};

class OE_API bCRange2
{
public:
    bCRange2() : m_vecMin(0.0f), m_vecMax(0.0f) {}
    bCRange2(bCVector2 const & a_vecMin, bCVector2 const & a_vecMax) : m_vecMin(a_vecMin), m_vecMax(a_vecMax) {}

public:
    bCVector2 const & GetMin() const { return m_vecMin; }
    bCVector2 const & GetMax() const { return m_vecMax; }
    bCVector2 & AccessMin() { return m_vecMin; }
    bCVector2 & AccessMax() { return m_vecMax; }
    void SetMin(bCVector2 const & a_vecMin) { m_vecMin = a_vecMin; }
    void SetMax(bCVector2 const & a_vecMax) { m_vecMax = a_vecMax; }
    void SetMinMax(bCVector2 const & a_vecMin, bCVector2 const & a_vecMax);
    void SetAverageAndVariance(bCVector2 const & a_vecAverage, bCVector2 const & a_vecVariance);
    bCVector2 GetCenter() const;
    bCVector2 GetMagnitude() const;
    bCVector2 GetRandom() const;
    void GetRandom(bCVector2 & a_vecValue) const { a_vecValue = GetRandom(); }

    bCOStream & operator>>(bCOStream & a_Stream) const;
    bCIStream & operator<<(bCIStream & a_Stream);

private:
    bCVector2 m_vecMin;
    bCVector2 m_vecMax;
};

class OE_API bCRange3
{
public:
    bCRange3() : m_vecMin(0.0f), m_vecMax(0.0f) {}
    bCRange3(bCVector const & a_vecMin, bCVector const & a_vecMax) : m_vecMin(a_vecMin), m_vecMax(a_vecMax) {}

public:
    bCVector const & GetMin() const { return m_vecMin; }
    bCVector const & GetMax() const { return m_vecMax; }
    bCVector & AccessMin() { return m_vecMin; }
    bCVector & AccessMax() { return m_vecMax; }
    void SetMin(bCVector const & a_vecMin) { m_vecMin = a_vecMin; }
    void SetMax(bCVector const & a_vecMax) { m_vecMax = a_vecMax; }
    void SetMinMax(bCVector const & a_vecMin, bCVector const & a_vecMax);
    void SetAverageAndVariance(bCVector const & a_vecAverage, bCVector const & a_vecVariance);
    bCVector GetCenter() const;
    bCVector GetMagnitude() const;
    bCVector GetRandom() const;
    void GetRandom(bCVector & a_vecValue) const { a_vecValue = GetRandom(); }

    bCOStream & operator>>(bCOStream & a_Stream) const;
    bCIStream & operator<<(bCIStream & a_Stream);

private:
    bCVector m_vecMin;
    bCVector m_vecMax;
};

class OE_API bCRange4
{
public:
    bCRange4() : m_vecMin(0.0f), m_vecMax(0.0f) {}
    bCRange4(bCVector4 const & a_vecMin, bCVector4 const & a_vecMax) : m_vecMin(a_vecMin), m_vecMax(a_vecMax) {}

public:
    bCVector4 const & GetMin() const { return m_vecMin; }
    bCVector4 const & GetMax() const { return m_vecMax; }
    bCVector4 & AccessMin() { return m_vecMin; }
    bCVector4 & AccessMax() { return m_vecMax; }
    void SetMin(bCVector4 const & a_vecMin) { m_vecMin = a_vecMin; }
    void SetMax(bCVector4 const & a_vecMax) { m_vecMax = a_vecMax; }
    void SetMinMax(bCVector4 const & a_vecMin, bCVector4 const & a_vecMax);
    void SetAverageAndVariance(bCVector4 const & a_vecAverage, bCVector4 const & a_vecVariance);
    bCVector4 GetCenter() const;
    bCVector4 GetMagnitude() const;
    bCVector4 GetRandom() const;
    void GetRandom(bCVector4 & a_vecValue) const { a_vecValue = GetRandom(); }

    bCOStream & operator>>(bCOStream & a_Stream) const;
    bCIStream & operator<<(bCIStream & a_Stream);

private:
    bCVector4 m_vecMin;
    bCVector4 m_vecMax;
};

#endif
