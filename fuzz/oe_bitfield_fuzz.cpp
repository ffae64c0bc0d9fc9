// Bit-field streams over arbitrary bytes, read by both classes. A read either
// takes a complete field (word count bit count / 32 + 1, cursor in
// [-1, bit count]) or leaves the field as it was; the tracked count always
// equals the plain count; a field read writes back to a stream that reads
// back equal; nothing allocates far beyond the input.

#include <vellmark/kernel/oe_memorystream.h>
#include <vellmark/kernel/oe_message.h>
#include <vellmark/util/oe_bitfield.h>
#include <vellmark/util/oe_trackbitfield.h>

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

    bool Quiet(bEMessageTypes, char const *, char const *, unsigned long, char const *, int, int)
    {
        return true;
    }

    void LoadStream(bCMemoryStream & a_Stream, uint8_t const * a_pData, size_t a_uSize)
    {
        if (a_uSize)
            a_Stream.Write(a_pData, static_cast<unsigned long>(a_uSize));
        a_Stream.SetPosition(0, bEStreamSeekMode_Begin);
    }

    template <typename T> void CheckField(T & a_Field, T const & a_Before, bool a_bChanged, size_t a_uSize)
    {
        if (!a_bChanged)
        {
            Check(a_Field == a_Before);
            return;
        }
        // Every stored word came from the input.
        Check(static_cast<size_t>(a_Field.GetCount() / 32 + 1) * 4 <= a_uSize);
        int iCursor = a_Field.GetNextEnabled();
        Check(iCursor == -1 || (iCursor >= 0 && iCursor < a_Field.GetCount()));
        bCMemoryStream Again;
        a_Field >> Again;
        Again.SetPosition(0, bEStreamSeekMode_Begin);
        T Reread(1);
        Reread << Again;
        Check(Reread == a_Field);
    }
} // namespace

extern "C" int LLVMFuzzerTestOneInput(uint8_t const * a_pData, size_t a_uSize)
{
    static bool s_bQuiet = bCMessageAdmin::GetInstance().RegisterCallback(&Quiet, bEMessageCallbackPriority_Low, 0);
    (void)s_bQuiet;
    bCMemoryStream PlainStream, TrackStream;
    LoadStream(PlainStream, a_pData, a_uSize);
    LoadStream(TrackStream, a_pData, a_uSize);

    bCBitField const PlainBefore(13);
    bCBitField Plain(PlainBefore);
    Plain << PlainStream;
    CheckField(Plain, PlainBefore, !(Plain == PlainBefore), a_uSize);

    bCTrackBitField const TrackBefore(13);
    bCTrackBitField Tracked(TrackBefore);
    Tracked << TrackStream;
    CheckField(Tracked, TrackBefore, !(Tracked == TrackBefore), a_uSize);

    // Same words in both: the tracked count is the counted one.
    bCBitField Mirror(Tracked.GetCount());
    std::memcpy(Mirror.AccessBitField(), Tracked.AccessBitField(), static_cast<size_t>(Tracked.GetCount() / 32 + 1) * 4);
    Check(Tracked.GetCountEnabled() == Mirror.GetCountEnabled());
    return 0;
}
