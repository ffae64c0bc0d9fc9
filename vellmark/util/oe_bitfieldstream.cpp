#include <vellmark/util/oe_bitfieldstream.h>

#include <vellmark/kernel/oe_message.h>
#include <vellmark/kernel/oe_stream.h>

namespace
{
    constexpr unsigned char kVersion = 1;
    constexpr unsigned long kWordsPerRead = 1024; // what one read may allocate ahead of the input

    bool ReadWords(bCIStream & a_Stream, unsigned long a_uWordCount, bTValArray<uint32_t> & a_arrWords)
    {
        for (unsigned long uDone = 0; uDone < a_uWordCount;)
        {
            unsigned long const uChunk = a_uWordCount - uDone < kWordsPerRead ? a_uWordCount - uDone : kWordsPerRead;
            if (!a_arrWords.SetCount(static_cast<int>(uDone + uChunk)))
                return false;
            unsigned long const uBytes = uChunk * 4;
            if (a_Stream.Read(a_arrWords.AccessArray() + uDone, uBytes) != uBytes)
                return false;
            uDone += uChunk;
        }
        return true;
    }

    bool ReadImage(bCIStream & a_Stream, bool a_bWithEnabledCount, bSBitFieldImage & a_Image)
    {
        unsigned char u8Version = 0;
        unsigned long uWordCount = 0;
        long lBitCount = 0, lEnabledCount = 0, lCursor = 0;
        if (a_Stream.Read(u8Version) != 1 || a_Stream.Read(uWordCount) != 4)
            return false;
        // The largest bit count, 2^31 - 1, needs 2^26 words.
        if (uWordCount == 0 || uWordCount > (1ul << 26) || !ReadWords(a_Stream, uWordCount, a_Image.m_arrWords))
            return false;
        if (a_Stream.Read(lBitCount) != 4 || (a_bWithEnabledCount && a_Stream.Read(lEnabledCount) != 4) ||
            a_Stream.Read(lCursor) != 4)
            return false;
        if (lBitCount < 0 || static_cast<unsigned long>(lBitCount / 32 + 1) != uWordCount)
            return false;
        a_Image.m_iBitCount = static_cast<int32_t>(lBitCount);
        a_Image.m_iCursor = static_cast<int32_t>(lCursor < -1 ? -1 : (lCursor > lBitCount ? lBitCount : lCursor));
        return true;
    }
} // namespace

void OEWriteBitField(bCOStream & a_Stream, uint32_t const * a_pWords, int a_iWordCount, int a_iBitCount,
                     int const * a_pEnabledCount, int a_iCursor)
{
    a_Stream.Write(kVersion);
    a_Stream.Write(static_cast<unsigned long>(static_cast<uint32_t>(a_iWordCount)));
    if (a_iWordCount > 0)
        a_Stream.Write(a_pWords, static_cast<unsigned long>(a_iWordCount) * 4);
    a_Stream.Write(static_cast<long>(a_iBitCount));
    if (a_pEnabledCount)
        a_Stream.Write(static_cast<long>(*a_pEnabledCount));
    a_Stream.Write(static_cast<long>(a_iCursor));
}

bool OEReadBitField(bCIStream & a_Stream, bool a_bWithEnabledCount, char const * a_pcMethod, bSBitFieldImage & a_Image)
{
    if (ReadImage(a_Stream, a_bWithEnabledCount, a_Image))
        return true;
    OE_MESSAGEF_WARN("The method %s detected an improper usage! \nHint:%s ", a_pcMethod,
                     "The stream holds no complete bit field; the field keeps its content.");
    return false;
}
