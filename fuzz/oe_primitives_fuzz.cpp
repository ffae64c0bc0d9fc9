// Primitives read from arbitrary bytes (NaNs, infinities, huge values, any
// flag word, short input) and put through every test between them: nothing may
// crash, read past the input or trip the sanitizers, and a stretch read back
// after writing must hold the same bytes.

#include <vellmark/kernel/oe_memorystream.h>
#include <vellmark/math/3d/oe_box.h>
#include <vellmark/math/3d/oe_line.h>
#include <vellmark/math/3d/oe_plane.h>
#include <vellmark/math/3d/oe_ray.h>
#include <vellmark/math/3d/oe_sphere.h>
#include <vellmark/math/3d/oe_stretch.h>
#include <vellmark/math/3d/oe_triangle.h>
#include <vellmark/math/3d/oe_unitedray.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace
{
    void Check(bool a_bCondition)
    {
        if (!a_bCondition)
            std::abort();
    }

    template <class T>
    T Read(bCMemoryStream & a_Stream, T a_Value)
    {
        a_Value << a_Stream;
        return a_Value;
    }

    void RunTests(bCUnitedRay const & a_Ray, bCStretch const & a_Stretch, bCPlane const & a_Plane,
                  bCTriangle const & a_Triangle, bCBox const & a_Box, bCSphere const & a_Sphere)
    {
        float fT = 0.0f, fS = 0.0f;
        a_Ray.Intersects(a_Plane, fT);
        a_Ray.Intersects(a_Sphere, fT);
        a_Ray.Intersects(a_Box, fT);
        a_Ray.Intersects(a_Triangle, fT, bCTriangle::bESides_Front);
        a_Stretch.GetSquareDistance(a_Stretch, fS, fT);
        a_Stretch.GetSquareDistance(bCRay(a_Ray.GetOrigin(), a_Ray.GetDirection()), fS, fT);
        a_Box.Intersects(a_Plane);
        a_Box.Cull(a_Sphere);
        a_Box.Cull(a_Triangle);
        a_Box.IntersectsSweep(a_Ray.GetDirection(), a_Box, fT);
        a_Sphere.Cull(a_Triangle);
        a_Sphere.Separates(a_Box, a_Ray.GetDirection());
        a_Triangle.Intersects(a_Plane);
        a_Triangle.Cull(a_Triangle);
        bCBox Merged = a_Box;
        Merged.Merge(a_Triangle.GetA());
        Merged.Normalize();
        bCSphere Grown = a_Sphere;
        Grown.Merge(bCSphere(1.0f, a_Stretch.GetEnd()));
        bCPlane Normalized = a_Plane;
        Normalized.Normalize();
    }
} // namespace

extern "C" int LLVMFuzzerTestOneInput(uint8_t const * a_pData, size_t a_uSize)
{
    bCMemoryStream Stream;
    if (a_uSize > 0)
        Stream.Write(a_pData, static_cast<unsigned long>(a_uSize));
    Stream.SetPosition(0, bEStreamSeekMode_Begin);
    bCVector const vecZero(0.0f, 0.0f, 0.0f);
    bCUnitedRay const Ray = Read(Stream, bCUnitedRay(bERayExtension_None, vecZero, vecZero));
    bCStretch const Stretch = Read(Stream, bCStretch(vecZero, vecZero));
    bCPlane const Plane = Read(Stream, bCPlane(vecZero, 0.0f));
    bCTriangle const Triangle = Read(Stream, bCTriangle(vecZero, vecZero, vecZero));
    bCBox const Box = Read(Stream, bCBox(vecZero, vecZero));
    bCSphere const Sphere = Read(Stream, bCSphere(0.0f, vecZero));
    Check(Stream.GetPosition() <= static_cast<long long>(a_uSize));
    RunTests(Ray, Stretch, Plane, Triangle, Box, Sphere);

    bCMemoryStream Copy;
    Stretch >> Copy;
    Copy.SetPosition(0, bEStreamSeekMode_Begin);
    bCStretch const Back = Read(Copy, bCStretch(vecZero, vecZero));
    Check(std::memcmp(&Back, &Stretch, sizeof(Back)) == 0);
    return 0;
}
