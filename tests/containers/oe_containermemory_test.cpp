#include <vellmark/containers/oe_array.h>
#include <vellmark/containers/oe_map.h>
#include <vellmark/containers/oe_smallarray.h>
#include <vellmark/platform/oe_heap.h>
#include <vellmark/platform/oe_messagebox.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Container storage goes through the memory administration's reallocation
// from the first block on, and map nodes through the client new; the heap is
// made to fail on purpose to see which door each one took.

namespace
{
    std::vector<std::string> g_arrMemoryErrors;

    int RecordBox(char const * a_pcText, char const * a_pcCaption, unsigned int)
    {
        if (std::string(a_pcCaption ? a_pcCaption : "") == "Memory error")
            g_arrMemoryErrors.push_back(a_pcText ? a_pcText : "");
        return IDOK;
    }

    char const kReallocFailure[] =
        "bCMemoryAdmin::ReallocatePure error: bCMemoryAdmin::ReallocPure - Allocation failed. Out of memory.";

    class bCContainerMemoryTest : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            g_arrMemoryErrors.clear();
            m_funcPrevious = OESetMessageBoxHandler(&RecordBox);
        }
        void TearDown() override
        {
            OEHeapStopFailures();
            OESetMessageBoxHandler(m_funcPrevious);
        }

        OEMessageBoxHandler m_funcPrevious = nullptr;
    };
} // namespace

TEST_F(bCContainerMemoryTest, ArraysTakeTheirFirstBlockThroughTheReallocation)
{
    bTValArray<int> arrValues;
    bTSmallArray<float> arrSmall;
    for (int iCapacity : {5, 4})
    {
        auto const funcAdd = [&] { return iCapacity == 5 ? arrValues.Add(7) : arrSmall.Add(1.5f); };
        auto const funcCapacity = [&] { return iCapacity == 5 ? arrValues.GetCapacity() : arrSmall.GetCapacity(); };
        g_arrMemoryErrors.clear();
        OEHeapInjectFailure(1, 1);
        EXPECT_EQ(funcAdd(), -1);
        OEHeapStopFailures();
        EXPECT_EQ((std::vector<std::string>{kReallocFailure}), g_arrMemoryErrors);
        EXPECT_EQ(funcCapacity(), 0);
        EXPECT_EQ(funcAdd(), 0); // the heap is back: the same append succeeds
        EXPECT_EQ(funcCapacity(), iCapacity);
    }
}

TEST_F(bCContainerMemoryTest, MapNodeThatCannotBeAllocatedIsAFatalError)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            OESetMessageBoxHandler(&RecordBox);
            bTStringValMap<long> mapValues; // the bucket table exists before the heap fails
            OEHeapInjectFailure(1);
            mapValues.SetAt(bCString(), 1); // an empty key needs no string block: only the node is allocated
        },
        ::testing::ExitedWithCode(447 & 0xFF), "");
}
