#ifndef OE_NXVEC3_H_INCLUDED
#define OE_NXVEC3_H_INCLUDED

// The physics SDK's vector: three floats that bCVector reinterprets in place.
// No function of that SDK is used, so the plain layout is all we need.
struct NxVec3
{
    float x;
    float y;
    float z;
};

static_assert(sizeof(NxVec3) == 12, "NxVec3 is exactly three floats");

#endif
