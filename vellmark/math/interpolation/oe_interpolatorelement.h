#ifndef OE_INTERPOLATORELEMENT_H_INCLUDED
#define OE_INTERPOLATORELEMENT_H_INCLUDED

// bTInterpolatorElement<ELEMENT>: the arithmetic the interpolators need of a
// key value, and its stream form (the element's floats in order, raw).
// The spline methods only add, subtract and scale; GetLerp is the linear
// method's blend, which for a bCMotion slerps the rotation.

#include <vellmark/containers/oe_array.h>
#include <vellmark/kernel/oe_stream.h>
#include <vellmark/math/3d/oe_motion.h>

#include <cstring>
#include <type_traits>

template <typename ELEMENT> struct bTInterpolatorElement;

template <> struct bTInterpolatorElement<float>
{
    static constexpr int kFloatCount = 1;
    struct bSFloats
    {
        float m_arrValues[1];
    };
    static bSFloats GetFloats(float a_fValue) { return bSFloats{{a_fValue}}; }
    static float GetElement(bSFloats const & a_Floats) { return a_Floats.m_arrValues[0]; }

    static float GetZero() { return 0.0f; }
    static float GetSum(float a_fLeft, float a_fRight) { return a_fLeft + a_fRight; }
    static float GetDifference(float a_fLeft, float a_fRight) { return a_fLeft - a_fRight; }
    static float GetScaled(float a_fValue, float a_fFactor) { return a_fFactor * a_fValue; }
    static float GetLerp(float a_fFrom, float a_fTo, float a_fS) { return (1.0f - a_fS) * a_fFrom + a_fS * a_fTo; }
    static bool Read(bCIStream & a_Stream, float & a_fValue) { return a_Stream.Read(a_fValue) == 4; }
    static void Write(bCOStream & a_Stream, float a_fValue) { a_Stream.Write(a_fValue); }
};

// A bCMotion is worked on as its seven floats (position x, y, z, rotation x,
// y, z, w, in memory order), copied out and in, so that the splines' many sums
// stay plain float loops.
template <> struct bTInterpolatorElement<bCMotion>
{
    static_assert(std::is_trivially_copyable_v<bCMotion> && sizeof(bCMotion) == 7 * sizeof(float));
    static constexpr int kFloatCount = 7;

    struct bSFloats
    {
        float m_arrValues[7];
    };

    static bSFloats GetFloats(bCMotion const & a_Motion)
    {
        bSFloats Floats;
        std::memcpy(Floats.m_arrValues, &a_Motion, sizeof(bCMotion));
        return Floats;
    }
    static bCMotion GetElement(bSFloats const & a_Floats)
    {
        bCMotion Motion;
        std::memcpy(static_cast<void *>(&Motion), a_Floats.m_arrValues, sizeof(bCMotion));
        return Motion;
    }

    static bCMotion GetZero() { return GetElement(bSFloats{}); }
    static bCMotion GetSum(bCMotion const & a_Left, bCMotion const & a_Right)
    {
        bSFloats Result = GetFloats(a_Left), Right = GetFloats(a_Right);
        for (int i = 0; i < 7; ++i)
            Result.m_arrValues[i] += Right.m_arrValues[i];
        return GetElement(Result);
    }
    static bCMotion GetDifference(bCMotion const & a_Left, bCMotion const & a_Right)
    {
        bSFloats Result = GetFloats(a_Left), Right = GetFloats(a_Right);
        for (int i = 0; i < 7; ++i)
            Result.m_arrValues[i] -= Right.m_arrValues[i];
        return GetElement(Result);
    }
    static bCMotion GetScaled(bCMotion const & a_Value, float a_fFactor)
    {
        bSFloats Result = GetFloats(a_Value);
        for (float & fValue : Result.m_arrValues)
            fValue = a_fFactor * fValue;
        return GetElement(Result);
    }
    // The position blends straight, the rotation turns along the great arc.
    static bCMotion GetLerp(bCMotion const & a_From, bCMotion const & a_To, float a_fS)
    {
        bSFloats Result = GetFloats(a_From), To = GetFloats(a_To);
        for (int i = 0; i < 3; ++i)
            Result.m_arrValues[i] = (1.0f - a_fS) * Result.m_arrValues[i] + a_fS * To.m_arrValues[i];
        bCMotion Motion = GetElement(Result);
        Motion.AccessRotation().SetSlerp(a_From.GetRotation(), a_To.GetRotation(), a_fS);
        return Motion;
    }
    static bool Read(bCIStream & a_Stream, bCMotion & a_Motion)
    {
        bSFloats Floats;
        if (a_Stream.Read(Floats.m_arrValues, sizeof(Floats.m_arrValues)) != sizeof(Floats.m_arrValues))
            return false;
        a_Motion = GetElement(Floats);
        return true;
    }
    static void Write(bCOStream & a_Stream, bCMotion const & a_Motion)
    {
        bSFloats const Floats = GetFloats(a_Motion);
        a_Stream.Write(Floats.m_arrValues, sizeof(Floats.m_arrValues));
    }
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
