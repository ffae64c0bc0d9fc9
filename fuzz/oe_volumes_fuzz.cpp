// Volumes, screen types and ranges read from arbitrary bytes (NaNs,
// infinities, huge values, short input) and put through their tests, and an
// oct tree filed with boxes from the input: nothing may crash, hang, read past
// the input or trip the sanitizers, and the tree must give back every entry.

#include <vellmark/kernel/oe_memorystream.h>
#include <vellmark/math/3d/oe_frustum.h>
#include <vellmark/math/3d/oe_infcylinder.h>
#include <vellmark/math/3d/oe_infdoublecylinder.h>
#include <vellmark/math/3d/oe_octtree.h>
#include <vellmark/math/3d/oe_orientedbox.h>
#include <vellmark/math/3d/oe_range.h>
#include <vellmark/math/3d/oe_rect.h>
#include <vellmark/math/3d/oe_sphere.h>
#include <vellmark/math/3d/oe_stretch.h>
#include <vellmark/math/3d/oe_unitedray.h>

#include <cstdint>
#include <cstdlib>

namespace
{
    void Check(bool a_bCondition)
    {
        if (!a_bCondition)
            std::abort();
    }

    template <class T> T Read(bCMemoryStream & a_Stream, T a_Value)
    {
        a_Value << a_Stream;
        return a_Value;
    }

    void Ignore(bCOctTreeEntryBase *) {}

    void ExerciseVolumes(bCMemoryStream & a_Stream)
    {
        bCFrustum Frustum;
        Frustum.Clear();
        Frustum << a_Stream;
        bCBox const Box = Read(a_Stream, bCBox(bCVector(0.0f), bCVector(1.0f)));
        bCSphere const Sphere = Read(a_Stream, bCSphere(1.0f, bCVector(0.0f)));
        bCUnitedRay const Ray = Read(a_Stream, bCUnitedRay(bCStretch(bCVector(0.0f), bCVector(1.0f))));
        float fT = 0.0f;
        Frustum.Cull(Box);
        Frustum.Contains(Box);
        Frustum.Cull(Sphere);
        Frustum.Contains(Ray);
        Frustum.Cull(Frustum);
        Frustum.GetDistance(Sphere.GetPosition());
        Ray.Intersects(Frustum, fT);
        Frustum.GetNormalized().GetVertex(5);

        bCVector arrPoints[8];
        for (bCVector & vecPoint : arrPoints)
            vecPoint = Read(a_Stream, bCVector(0.0f));
        bCOrientedBox Fitted, Inner;
        Fitted.SetOuterBoxFromPoints(arrPoints, 8);
        Inner.SetInnerBoxFromPoints(arrPoints, 5);
        Fitted.Intersects(Inner);
        Fitted.Intersects(Box);
        Fitted.Intersects(Sphere);
        Fitted.Merge(Inner);

        bCInfCylinder Cylinder = Read(a_Stream, bCInfCylinder(1.0f, bCVector(0.0f)));
        bCInfDoubleCylinder const Double = Read(a_Stream, bCInfDoubleCylinder(1.0f, bCVector(0.0f), 2.0f, bCVector(1.0f)));
        Cylinder.Intersects(bCStretch(Ray.GetOrigin(), Ray.GetPoint(1.0f)), fT);
        Cylinder.Separates(arrPoints, 8, Ray.GetDirection());
        Double.Cull(Sphere.GetPosition(), true);
        Double.Contains(Sphere);
        Cylinder.Intersect(bCInfCylinder(Sphere.GetRadius(), Sphere.GetPosition()));
        Cylinder.Merge(Sphere.GetPosition());

        bCRect Rect = Read(a_Stream, bCRect(0, 0, 1, 1));
        bCPoint const Point = Read(a_Stream, bCPoint(0, 0));
        Rect.Merge(Point);
        Rect.Inflate(Point.GetX());
        Rect.GetCenterPoint();
        Rect &= bCRect(Point, Point);
        (Point * Sphere.GetRadius()).GetInvScaled(Box.GetMin()[0]);
        bCRange1 const Range = Read(a_Stream, bCRange1(0.0f, 1.0f));
        int const iDrawn = Range.GetRandomInt();
        if (Range.GetMin() == Range.GetMin() && Range.GetMax() == Range.GetMax() && Range.GetMin() > -1.0e9f &&
            Range.GetMax() < 1.0e9f && Range.GetMin() < 1.0e9f && Range.GetMax() > -1.0e9f)
            Check(iDrawn >= static_cast<int>(std::min(Range.GetMin(), Range.GetMax())) - 1 &&
                  iDrawn <= static_cast<int>(std::max(Range.GetMin(), Range.GetMax())) + 1);
        Read(a_Stream, bCRange4(bCVector4(0.0f), bCVector4(1.0f))).GetRandom();
    }

    // Up to 24 entries, then moves, removes and every traversal form.
    void ExerciseOctTree(bCMemoryStream & a_Stream)
    {
        bCOctTreeEntryBase arrEntries[24];
        bCOctTree Tree(Read(a_Stream, bCBox(bCVector(0.0f), bCVector(1.0f))));
        int iCount = 0;
        for (; iCount < 24 && a_Stream.GetPosition() + 24 <= a_Stream.GetSize(); ++iCount)
        {
            arrEntries[iCount].SetBoundingBox(Read(a_Stream, bCBox()));
            Tree.AddEntry(&arrEntries[iCount]);
        }
        for (int i = 0; i < iCount; i += 3)
            Tree.MoveEntry(&arrEntries[i], arrEntries[iCount - 1 - i].GetBoundingBox());
        bCPlane const arrPlanes[2] = {bCPlane(bCVector(1, 0, 0), 0.5f), bCPlane(bCVector(0, -1, 0), 0.5f)};
        Tree.Traverse(&Ignore, arrPlanes, 2, arrPlanes[1]);
        for (int i = 0; i < iCount; ++i)
            Tree.Traverse(&Ignore, arrEntries[i].GetBoundingBox());
        for (int i = 0; i < iCount; i += 2)
            Check(Tree.RemoveEntry(&arrEntries[i]));
        Tree.CleanUp();
        for (int i = 1; i < iCount; i += 2)
            Check(Tree.RemoveEntry(&arrEntries[i]));
    }
}

extern "C" int LLVMFuzzerTestOneInput(uint8_t const * a_pData, size_t a_uSize)
{
    bCMemoryStream Stream;
    Stream.Write(a_pData, static_cast<unsigned long>(a_uSize));
    Stream.Seek(0, bEStreamSeekMode_Begin);
    if (a_uSize > 0 && (a_pData[0] & 1))
        ExerciseOctTree(Stream);
    else
        ExerciseVolumes(Stream);
    return 0;
}
