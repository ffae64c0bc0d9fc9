#include <vellmark/math/noise/oe_zoneraster.h>

bCZoneRaster::bCZoneRaster() : m_arrWords{0, 0, 0, 0}
{
}

bCZoneRaster::bCZoneRaster(bTValArray<bCVector> const &) : m_arrWords{0, 0, 0, 0}
{
}

bCZoneRaster::bCZoneRaster(bCZoneRaster const & a_Source)
    : m_arrWords{a_Source.m_arrWords[0], a_Source.m_arrWords[1], a_Source.m_arrWords[2], a_Source.m_arrWords[3]},
      m_arrPoints(a_Source.m_arrPoints), m_arrZoneStarts(a_Source.m_arrZoneStarts),
      m_arrZoneEntries(a_Source.m_arrZoneEntries)
{
}

bCZoneRaster & bCZoneRaster::operator=(bCZoneRaster const & a_Source)
{
    if (this == &a_Source)
        return *this;
    for (int i = 0; i < 4; ++i)
        m_arrWords[i] = a_Source.m_arrWords[i];
    m_arrPoints = a_Source.m_arrPoints;
    m_arrZoneStarts = a_Source.m_arrZoneStarts;
    m_arrZoneEntries = a_Source.m_arrZoneEntries;
    return *this;
}

bCZoneRaster::~bCZoneRaster()
{
    m_arrPoints.Destroy();
    m_arrZoneStarts.Destroy();
    m_arrZoneEntries.Destroy();
}
