#ifndef OE_INTERPOLATORELEMENT_H_INCLUDED
#define OE_INTERPOLATORELEMENT_H_INCLUDED

// bTInterpolatorElement<ELEMENT>: the arithmetic the interpolators need of a
// key value, and its stream form (the element's floats in order, raw).
// The spline methods only add, subtract and scale; GetLerp is the linear
// method's blend, which for a bCMotion slerps the rotation.

#include <vellmark/containers/oe_array.h>
#include <vellmark/kernel/oe_stream.h>

template <typename ELEMENT> struct bTInterpolatorElement;

template <> struct bTInterpolatorElement<float>
{
    static float GetZero() { return 0.0f; }
    static float GetSum(float a_fLeft, float a_fRight) { return a_fLeft + a_fRight; }
    static float GetDifference(float a_fLeft, float a_fRight) { return a_fLeft - a_fRight; }
    static float GetScaled(float a_fValue, float a_fFactor) { return a_fFactor * a_fValue; }
    static float GetLerp(float a_fFrom, float a_fTo, float a_fS) { return (1.0f - a_fS) * a_fFrom + a_fS * a_fTo; }
    static bool Read(bCIStream & a_Stream, float & a_fValue) { return a_Stream.Read(a_fValue) == 4; }
    static void Write(bCOStream & a_Stream, float a_fValue) { a_Stream.Write(a_fValue); }
};

// The stream form of the per-key arrays of the interpolators: a version byte 1,
// the element count (unsigned 32-bit), then each element. Reading stops at the
// end of the stream, so a count larger than the bytes behind it allocates no
// more than those bytes justify; the result tells whether the whole array came.
template <typename T, typename FWRITE>
void g_WriteInterpolatorArray(bCOStream & a_Stream, bTObjArray<T> const & a_arrElements, FWRITE a_funcWrite)
{
    unsigned char const u8Version = 1;
    a_Stream.Write(u8Version);
    a_Stream.Write(static_cast<unsigned long>(a_arrElements.GetCount()));
    for (T const & Element : a_arrElements)
        a_funcWrite(a_Stream, Element);
}

template <typename T, typename FREAD>
bool g_ReadInterpolatorArray(bCIStream & a_Stream, bTObjArray<T> & a_arrElements, FREAD a_funcRead)
{
    a_arrElements.Clear();
    unsigned char u8Version = 0; // only version 1 exists
    unsigned long uCount = 0;
    if (a_Stream.Read(u8Version) != 1 || a_Stream.Read(uCount) != 4)
        return false;
    for (unsigned long i = 0; i < uCount; ++i)
    {
        T Element;
        if (!a_funcRead(a_Stream, Element) || a_arrElements.Add(Element) < 0)
            return false;
    }
    return true;
}

#endif
