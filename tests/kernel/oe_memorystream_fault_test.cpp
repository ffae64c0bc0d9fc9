#include <vellmark/kernel/oe_memorystream.h>
#include <vellmark/kernel/oe_nullstream.h>
#include <vellmark/platform/oe_heap.h>
#include <vellmark/platform/oe_messagebox.h>

#include "oe_stream_testsupport.h"

#include <gtest/gtest.h>

namespace
{
    // Makes allocations fail while it lives; the memory dialogs are answered, not shown.
    class CHeapFaults
    {
    public:
        explicit CHeapFaults(unsigned long a_uNth, unsigned long a_uCount = ~0ul) // all from the Nth on
        {
            m_funcOld = OESetMessageBoxHandler(&CHeapFaults::OnBox);
            OEHeapInjectFailure(a_uNth, a_uCount);
        }
        ~CHeapFaults()
        {
            OEHeapStopFailures();
            OESetMessageBoxHandler(m_funcOld);
        }

    private:
        static int OnBox(char const *, char const *, unsigned int) { return 1; }
        OEMessageBoxHandler m_funcOld = nullptr;
    };
} // namespace

// Every allocation of a run of typed writes fails once in turn: each write
// moves all of its bytes or none, and what was written stays.
TEST(bCMemoryStream, EachFailedAllocationOfATypedRunLosesOnlyThatWrite)
{
    int iFailedWrites = 0;
    for (unsigned long uNth = 1; uNth <= 12; ++uNth)
    {
        bCMemoryStream Stream;
        CBytes arrExpected;
        CHeapFaults Faults(uNth, 2); // a resize falls back to a new block: fail both
        for (unsigned long u = 0; u < 600; ++u)
        {
            unsigned long const uWritten = Stream.Write(u);
            ASSERT_TRUE(uWritten == 0 || uWritten == 4);
            iFailedWrites += uWritten == 0 ? 1 : 0;
            if (uWritten)
                arrExpected.insert(arrExpected.end(),
                                   {static_cast<unsigned char>(u), static_cast<unsigned char>(u >> 8), 0, 0});
        }
        EXPECT_EQ(GetBytes(Stream), arrExpected) << uNth;
    }
    EXPECT_GT(iFailedWrites, 0);
}

TEST(bCNullStream, FailedScratchGrowthKeepsCounting)
{
    bCNullStream Stream;
    {
        CHeapFaults Faults(1);
        bCString strValue;
        EXPECT_EQ(Stream.Read(strValue), 0ul);
    }
    Stream << 1l;
    EXPECT_EQ(Stream.GetBytesWritten(), 4ul);
}
