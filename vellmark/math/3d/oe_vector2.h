#ifndef OE_VECTOR2_H_INCLUDED
#define OE_VECTOR2_H_INCLUDED

// bCVector2: two floats x, y. Same families as bCVector where they make sense;
// the cross products exist but are not implemented (they warn).

#include <vellmark/math/3d/oe_mathconstants.h>

class bCMatrix2;
class bCIStream;
class bCOStream;

class OE_API bCVector2
{
public:
    static float DotProduct(bCVector2 const & a_vecA, bCVector2 const & a_vecB);
    static bCVector2 CrossProduct(bCVector2 const & a_vecA, bCVector2 const & a_vecB); // not implemented: (0, 0)

public:
    bCVector2() = default; // uninitialised
    explicit bCVector2(float a_fAll);
    bCVector2(float a_fX, float a_fY);
    explicit bCVector2(float const * a_pfCoordinates);
    bCVector2(bCVector2 const &) = default;
    bCVector2 & operator=(bCVector2 const &) = default;
    ~bCVector2() = default;

public:
    float GetX() const;
    float GetY() const;
    void GetX(float & a_fX) const;
    void GetY(float & a_fY) const;
    float & AccessX();
    float & AccessY();
    float GetCoordinate(int a_iIndex) const;
    float & AccessCoordinate(int a_iIndex);
    float const (&GetCoordinates() const)[2];
    void GetCoordinates(float & a_fX, float & a_fY) const;
    void GetCoordinates(float * a_pfCoordinates) const;
    void SetX(float a_fX);
    void SetY(float a_fY);
    void SetCoordinate(int a_iIndex, float a_fValue);
    void SetCoordinates(float a_fX, float a_fY);
    void SetCoordinates(float const * a_pfCoordinates);
    void SetVector(float a_fAll);
    void SetVector(float a_fX, float a_fY);
    void SetVector(bCVector2 const & a_vecSource);
    void Clear();
    float & operator[](int a_iIndex);
    float operator[](int a_iIndex) const;

    bCVector2 & Translate(float a_fOffset);
    bCVector2 & Translate(bCVector2 const & a_vecOffset);
    bCVector2 & InvTranslate(float a_fOffset);
    bCVector2 & InvTranslate(bCVector2 const & a_vecOffset);
    bCVector2 & Scale(float a_fFactor);
    bCVector2 & Scale(bCVector2 const & a_vecFactors);
    bCVector2 & InvScale(float a_fDivisor);
    bCVector2 & InvScale(bCVector2 const & a_vecDivisors);
    bCVector2 & Invert();
    bCVector2 GetTranslated(float a_fOffset) const;
    bCVector2 GetTranslated(bCVector2 const & a_vecOffset) const;
    bCVector2 GetInvTranslated(float a_fOffset) const;
    bCVector2 GetInvTranslated(bCVector2 const & a_vecOffset) const;
    bCVector2 GetScaled(float a_fFactor) const;
    bCVector2 GetScaled(bCVector2 const & a_vecFactors) const;
    bCVector2 GetInvScaled(float a_fDivisor) const;
    bCVector2 GetInvScaled(bCVector2 const & a_vecDivisors) const;
    bCVector2 GetInverted() const;

    bCVector2 operator+(bCVector2 const & a_vecOther) const;
    bCVector2 operator-(bCVector2 const & a_vecOther) const;
    bCVector2 operator+(float a_fOffset) const;
    bCVector2 operator-(float a_fOffset) const;
    bCVector2 operator-() const;
    bCVector2 operator*(float a_fFactor) const;
    bCVector2 operator/(float a_fDivisor) const;
    bCVector2 & operator+=(bCVector2 const & a_vecOther);
    bCVector2 & operator-=(bCVector2 const & a_vecOther);
    bCVector2 & operator+=(float a_fOffset);
    bCVector2 & operator-=(float a_fOffset);
    bCVector2 & operator*=(float a_fFactor);
    bCVector2 & operator/=(float a_fDivisor);
    friend bCVector2 operator*(float a_fFactor, bCVector2 const & a_vecVector) { return a_vecVector * a_fFactor; }

    float GetDotProduct(bCVector2 const & a_vecOther) const;
    // Not implemented: each warns and leaves or returns the object unchanged.
    bCVector2 & SetCrossProduct(bCVector2 const & a_vecA, bCVector2 const & a_vecB);
    bCVector2 & CrossProduct(bCVector2 const & a_vecOther);
    bCVector2 GetCrossProduct(bCVector2 const & a_vecOther) const;

    float GetSquareMagnitude() const;
    float GetMagnitude() const;
    float GetMagnitudeApprox() const; // s times the fast inverse square root of s
    float GetMagnitudeNormalize();    // no zero test
    bCVector2 & Normalize();          // zero stays zero
    bCVector2 & NormalizeApprox();
    bCVector2 & NormalizeSafe();
    bCVector2 GetNormalized() const;

    bool IsEqual(bCVector2 const & a_vecOther) const;
    bool operator==(bCVector2 const & a_vecOther) const;
    bool operator!=(bCVector2 const & a_vecOther) const;

    // (x y) M, and transposed (component i = row i . v).
    bCVector2 & SetTransformed(bCVector2 const & a_vecSource, bCMatrix2 const & a_matTransform);
    bCVector2 & Transform(bCMatrix2 const & a_matTransform);
    bCVector2 GetTransformed(bCMatrix2 const & a_matTransform) const;
    bCVector2 operator*(bCMatrix2 const & a_matTransform) const;
    bCVector2 & operator*=(bCMatrix2 const & a_matTransform);
    bCVector2 & SetTransposedTransformed(bCVector2 const & a_vecSource, bCMatrix2 const & a_matTransform);
    bCVector2 & TransposedTransform(bCMatrix2 const & a_matTransform);
    bCVector2 GetTransposedTransformed(bCMatrix2 const & a_matTransform) const;

    // Raw 32-bit floats x, y; no header.
    bCOStream & operator>>(bCOStream & a_Stream) const;
    bCIStream & operator<<(bCIStream & a_Stream);

private:
    float m_fCoordinates[2];
};

static_assert(sizeof(bCVector2) == 8, "two floats");

#endif

#include <vellmark/math/3d/oe_matrix2.h>
