#ifndef OE_ZONERASTER_H_INCLUDED
#define OE_ZONERASTER_H_INCLUDED

// bCZoneRaster: a raster of zones over a point set, kept with the procedural
// tools. Four words describe the raster and three arrays hold points, zone
// starts and zone entries; nothing in the library fills them, and building
// from points leaves everything empty (the points are not taken).

#include <vellmark/containers/oe_array.h>
#include <vellmark/math/3d/oe_vector.h>

#include <cstdint>

class OE_API bCZoneRaster
{
public:
    bCZoneRaster();
    explicit bCZoneRaster(bTValArray<bCVector> const & a_arrPoints);
    bCZoneRaster(bCZoneRaster const & a_Source);
    bCZoneRaster & operator=(bCZoneRaster const & a_Source);
    ~bCZoneRaster();

public:
    uint32_t GetWord(int a_iIndex) const { return m_arrWords[a_iIndex]; } // 0 to 3
    bTValArray<bCVector> const & GetPoints() const { return m_arrPoints; }
    bTValArray<int> const & GetZoneStarts() const { return m_arrZoneStarts; }
    bTValArray<int> const & GetZoneEntries() const { return m_arrZoneEntries; }

private:
    uint32_t m_arrWords[4];
    bTValArray<bCVector> m_arrPoints;
    bTValArray<int> m_arrZoneStarts;
    bTValArray<int> m_arrZoneEntries;
};

#endif
