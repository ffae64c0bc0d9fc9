#include <vellmark/math/3d/oe_volume.h>

bCVolume::~bCVolume() = default;

template <> void bTVolume<bCBox>::GetCenter(bCVector & a_vecCenter) const
{
    a_vecCenter = m_Volume.GetCenter();
}

template <> void bTVolume<bCSphere>::GetCenter(bCVector & a_vecCenter) const
{
    a_vecCenter = m_Volume.GetPosition();
}

template <> void bTVolume<bCFrustum>::GetCenter(bCVector & a_vecCenter) const
{
    bCVector vecSum(0.0f, 0.0f, 0.0f);
    for (int i = 0; i < 8; ++i)
        vecSum += m_Volume.GetVertex(i);
    a_vecCenter = vecSum * 0.125f;
}

template class bTVolume<bCBox>;
template class bTVolume<bCSphere>;
template class bTVolume<bCFrustum>;
