#ifndef OE_BITFIELDSTREAM_H_INCLUDED
#define OE_BITFIELDSTREAM_H_INCLUDED

// The stream form shared by bCBitField and bCTrackBitField (the enabled count
// only in the tracking class's form): version (u8, 1), word count (u32), the
// words, bit count (u32), enabled count (u32), cursor (u32).

#include <vellmark/containers/oe_array.h>

#include <cstdint>

class bCIStream;
class bCOStream;

struct bSBitFieldImage
{
    bTValArray<uint32_t> m_arrWords;
    int32_t m_iBitCount = 0;
    int32_t m_iCursor = 0;
};

void OEWriteBitField(bCOStream & a_Stream, uint32_t const * a_pWords, int a_iWordCount, int a_iBitCount,
                     int const * a_pEnabledCount, int a_iCursor);

// The words grow only as they arrive. False, with the improper-usage warning
// for a_pcMethod, when the stream ends early or the word count is not
// bit count / 32 + 1; the cursor comes back clamped to [-1, bit count].
bool OEReadBitField(bCIStream & a_Stream, bool a_bWithEnabledCount, char const * a_pcMethod, bSBitFieldImage & a_Image);

#endif
