#include "demo_steps.h"

#include <vellmark/vellmark.h>

#include <cstdio>
#include <vector>

// A level's crates filed in an oct tree, culled with the frustum of a camera:
// the tree visits only the nodes the six planes reach.

namespace
{
    struct bSCrate : bCOctTreeEntryBase
    {
        explicit bSCrate(bCBox const & a_Box) : bCOctTreeEntryBase(a_Box), m_iSeenInFrame(-1) {}
        int m_iSeenInFrame; // an entry filed in several nodes is offered once per node
    };

    int g_iFrame = 0;
    int g_iVisible = 0;

    void CountVisible(bCOctTreeEntryBase * a_pEntry)
    {
        bSCrate * pCrate = static_cast<bSCrate *>(a_pEntry);
        if (pCrate->m_iSeenInFrame == g_iFrame)
            return;
        pCrate->m_iSeenInFrame = g_iFrame;
        ++g_iVisible;
    }

    // Camera at (0, 2, -10) looking along +z; 90 degrees wide, clip z from 0 at 1 to w at 200.
    bCMatrix MakeViewProjection()
    {
        bCMatrix matView;
        matView.SetToTranslation(bCVector(0.0f, -2.0f, 10.0f));
        float const fNear = 1.0f, fFar = 200.0f, fRange = fFar / (fFar - fNear);
        float const arrProjection[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, fRange, 1, 0, 0, -fNear * fRange, 0};
        return bCMatrix(arrProjection) * matView; // the view applies first
    }
}

void DemoVolumes()
{
    std::vector<bSCrate> arrCrates;
    arrCrates.reserve(40 * 40);
    for (int x = 0; x < 40; ++x)
        for (int z = 0; z < 40; ++z)
        {
            bCVector const vecMin(-100.0f + 5.0f * x, 0.0f, -100.0f + 5.0f * z);
            arrCrates.emplace_back(bCBox(vecMin, vecMin + bCVector(1.0f, 1.0f, 1.0f)));
        }
    bCOctTree Tree(bCBox(bCVector(-10.0f), bCVector(10.0f))); // grows around the level
    for (bSCrate & Crate : arrCrates)
        Tree.AddEntry(&Crate);

    bCFrustum View;
    View.SetFrustum(MakeViewProjection());
    View.Normalize();
    bCPlane arrPlanes[bCFrustum::bEPlane_Count];
    for (int i = 0; i < bCFrustum::bEPlane_Count; ++i)
        arrPlanes[i] = View.GetClippingPlane(i);
    ++g_iFrame;
    g_iVisible = 0;
    Tree.Traverse(&CountVisible, arrPlanes, bCFrustum::bEPlane_Count, arrPlanes[bCFrustum::bEPlane_Near]);

    int iBruteForce = 0;
    for (bSCrate const & Crate : arrCrates)
        iBruteForce += View.Cull(Crate.GetBoundingBox()) ? 1 : 0;
    std::printf("\n-- frustum culling: %d of %zu crates visible through the oct tree (%d by testing each crate)\n",
                g_iVisible, arrCrates.size(), iBruteForce);

    for (bSCrate & Crate : arrCrates)
        Tree.RemoveEntry(&Crate);
}
