#ifndef OE_VECTOR4_H_INCLUDED
#define OE_VECTOR4_H_INCLUDED

// bCVector4: four floats x, y, z, w (homogeneous). Same families as bCVector
// without the cross product and the 3D-only operations.

#include <vellmark/math/3d/oe_mathconstants.h>

class bCMatrix;
class bCIStream;
class bCOStream;

class OE_API bCVector4
{
public:
    static float DotProduct(bCVector4 const & a_vecA, bCVector4 const & a_vecB);

public:
    bCVector4() = default; // uninitialised
    explicit bCVector4(float a_fAll);
    bCVector4(float a_fX, float a_fY, float a_fZ, float a_fW);
    explicit bCVector4(float const * a_pfCoordinates);
    bCVector4(bCVector4 const &) = default;
    bCVector4 & operator=(bCVector4 const &) = default;
    ~bCVector4() = default;

public:
    float GetX() const;
    float GetY() const;
    float GetZ() const;
    float GetW() const;
    void GetX(float & a_fX) const;
    void GetY(float & a_fY) const;
    void GetZ(float & a_fZ) const;
    void GetW(float & a_fW) const;
    float & AccessX();
    float & AccessY();
    float & AccessZ();
    float & AccessW();
    float GetCoordinate(int a_iIndex) const;
    float & AccessCoordinate(int a_iIndex);
    float const (&GetCoordinates() const)[4];
    void GetCoordinates(float & a_fX, float & a_fY, float & a_fZ, float & a_fW) const;
    void GetCoordinates(float * a_pfCoordinates) const;
    void SetX(float a_fX);
    void SetY(float a_fY);
    void SetZ(float a_fZ);
    void SetW(float a_fW);
    void SetCoordinate(int a_iIndex, float a_fValue);
    void SetCoordinates(float a_fX, float a_fY, float a_fZ, float a_fW);
    void SetCoordinates(float const * a_pfCoordinates);
    void SetVector(float a_fAll);
    void SetVector(float a_fX, float a_fY, float a_fZ, float a_fW);
    void SetVector(bCVector4 const & a_vecSource);
    void Clear();
    float & operator[](int a_iIndex);
    float operator[](int a_iIndex) const;

    bCVector4 & Translate(float a_fOffset);
    bCVector4 & Translate(bCVector4 const & a_vecOffset);
    bCVector4 & InvTranslate(float a_fOffset);
    bCVector4 & InvTranslate(bCVector4 const & a_vecOffset);
    bCVector4 & Scale(float a_fFactor);
    bCVector4 & Scale(bCVector4 const & a_vecFactors);
    bCVector4 & InvScale(float a_fDivisor);
    bCVector4 & InvScale(bCVector4 const & a_vecDivisors);
    bCVector4 & Invert();
    bCVector4 GetTranslated(float a_fOffset) const;
    bCVector4 GetTranslated(bCVector4 const & a_vecOffset) const;
    bCVector4 GetInvTranslated(float a_fOffset) const;
    bCVector4 GetInvTranslated(bCVector4 const & a_vecOffset) const;
    bCVector4 GetScaled(float a_fFactor) const;
    bCVector4 GetScaled(bCVector4 const & a_vecFactors) const;
    bCVector4 GetInvScaled(float a_fDivisor) const;
    bCVector4 GetInvScaled(bCVector4 const & a_vecDivisors) const;
    bCVector4 GetInverted() const;

    bCVector4 operator+(bCVector4 const & a_vecOther) const;
    bCVector4 operator-(bCVector4 const & a_vecOther) const;
    bCVector4 operator+(float a_fOffset) const;
    bCVector4 operator-(float a_fOffset) const;
    bCVector4 operator-() const;
    bCVector4 operator*(float a_fFactor) const;
    bCVector4 operator/(float a_fDivisor) const;
    bCVector4 & operator+=(bCVector4 const & a_vecOther);
    bCVector4 & operator-=(bCVector4 const & a_vecOther);
    bCVector4 & operator+=(float a_fOffset);
    bCVector4 & operator-=(float a_fOffset);
    bCVector4 & operator*=(float a_fFactor);
    bCVector4 & operator/=(float a_fDivisor);
    friend bCVector4 operator*(float a_fFactor, bCVector4 const & a_vecVector) { return a_vecVector * a_fFactor; }

    float GetDotProduct(bCVector4 const & a_vecOther) const;

    float GetSquareMagnitude() const;
    float GetMagnitude() const;
    float GetMagnitudeApprox() const; // m1 + (25 m2 + 19 m3 + 16 m4) / 60 over sorted magnitudes
    float GetMagnitudeNormalize();    // no zero test
    bCVector4 & Normalize();          // no zero test: the caller must not pass zero
    bCVector4 & NormalizeApprox();
    bCVector4 & NormalizeSafe();
    bCVector4 GetNormalized() const;

    bool IsEqual(bCVector4 const & a_vecOther) const;
    bool operator==(bCVector4 const & a_vecOther) const;
    bool operator!=(bCVector4 const & a_vecOther) const;

    // (x y z w) M over the full matrix, no division.
    bCVector4 & SetTransformed(bCVector4 const & a_vecSource, bCMatrix const & a_matTransform);
    bCVector4 & Transform(bCMatrix const & a_matTransform);
    bCVector4 GetTransformed(bCMatrix const & a_matTransform) const;
    bCVector4 operator*(bCMatrix const & a_matTransform) const;
    bCVector4 & operator*=(bCMatrix const & a_matTransform);

    // Raw 32-bit floats x, y, z, w; no header.
    bCOStream & operator>>(bCOStream & a_Stream) const;
    bCIStream & operator<<(bCIStream & a_Stream);

private:
    float m_fCoordinates[4];
};

static_assert(sizeof(bCVector4) == 16, "four floats");

#endif

#include <vellmark/math/3d/oe_matrix.h>
