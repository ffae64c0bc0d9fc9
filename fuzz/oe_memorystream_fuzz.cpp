// Typed reads from a memory stream over arbitrary bytes. The first byte of the
// input is the recipe: each of its bits picks the next read kind together with
// the byte at the reading position. Every read must return no more than was
// left, advance the position by exactly that much, and leave the stream usable.

#include <vellmark/kernel/oe_memorystream.h>
#include <vellmark/kernel/oe_nullstream.h>

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

    unsigned long ReadOne(bCMemoryStream & a_Stream, int a_iKind)
    {
        switch (a_iKind % 10)
        {
        case 0: {
            unsigned char u8Value = 0;
            return a_Stream.Read(u8Value);
        }
        case 1: {
            unsigned short u16Value = 0;
            return a_Stream.Read(u16Value);
        }
        case 2: {
            long lValue = 0;
            return a_Stream.Read(lValue);
        }
        case 3: {
            long long i64Value = 0;
            return a_Stream.Read(i64Value);
        }
        case 4: {
            bool bValue = false;
            return a_Stream.Read(bValue);
        }
        case 5: {
            double dValue = 0;
            return a_Stream.Read(dValue);
        }
        case 6: {
            bCString strValue;
            unsigned long const uRead = a_Stream.Read(strValue);
            Check(uRead < 2 || strValue.GetLength() + 2 >= static_cast<int>(uRead));
            return uRead;
        }
        case 7: {
            bCString strLine;
            unsigned long const uRead = a_Stream.ReadLine(strLine);
            Check(strLine.GetLength() <= static_cast<int>(uRead));
            return uRead;
        }
        case 8: {
            void const * pPlace = a_Stream.GetBuffer(3);
            return pPlace ? 3 : 0;
        }
        default: {
            float fValue = 0;
            return a_Stream.Read(fValue);
        }
        }
    }
}

extern "C" int LLVMFuzzerTestOneInput(uint8_t const * a_pData, size_t a_uSize)
{
    if (a_uSize == 0)
        return 0;
    bCMemoryStream Stream;
    Stream.Write(a_pData, static_cast<unsigned long>(a_uSize));
    Stream.SetPosition(1, bEStreamSeekMode_Begin);
    unsigned char const u8Recipe = a_pData[0];
    for (int iStep = 0; Stream.GetPosition() < Stream.GetSize(); ++iStep)
    {
        long long const i64Before = Stream.GetPosition();
        int const iKind = ((u8Recipe >> (iStep % 8)) & 1) * 5 + a_pData[i64Before];
        unsigned long const uRead = ReadOne(Stream, iKind);
        Check(static_cast<long long>(uRead) <= Stream.GetSize() - i64Before);
        if (iKind % 10 != 8)
            Check(Stream.GetPosition() == i64Before + static_cast<long long>(uRead));
        if (uRead == 0)
            Stream.SetPosition(1, bEStreamSeekMode_Current); // step over what no read takes
    }
    // Still usable: the content is intact and writing appends.
    Check(Stream.GetSize() == static_cast<long long>(a_uSize));
    Check(Stream.SetPosition(0, bEStreamSeekMode_Begin));
    Check(std::memcmp(Stream.GetBuffer(static_cast<unsigned long>(a_uSize)), a_pData, a_uSize) == 0);
    Check(Stream.Write(1l) == 4);
    bCNullStream Measure;
    Measure.Write(a_pData, static_cast<unsigned long>(a_uSize));
    Check(Measure.GetBytesWritten() == a_uSize);
    return 0;
}
