#ifndef OE_WINGEOMETRY_H_INCLUDED
#define OE_WINGEOMETRY_H_INCLUDED

// Screen-coordinate records shaped like the original platform's: 32-bit signed
// fields in the same order, so that the library's point and rectangle can be
// handed to code that expects these records by reinterpreting their memory.

#include <cstdint>

struct tagPOINT
{
    int32_t x;
    int32_t y;
};
typedef tagPOINT POINT;
static_assert(sizeof(POINT) == 8, "a point record is 8 bytes");

struct tagRECT
{
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};
typedef tagRECT RECT;
static_assert(sizeof(RECT) == 16, "a rectangle record is 16 bytes");

#endif
