#include <vellmark/platform/oe_random.h>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace
{
    // The first draws of the original platform's runtime generator after seed 1.
    std::vector<int> const kRandAfterSeed1 = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
} // namespace

TEST(OERand, FollowsTheRuntimeSequenceAndEachThreadStartsAtOneWithItsOwnState)
{
    OESRand(1);
    for (int iExpected : kRandAfterSeed1)
        EXPECT_EQ(OERand(), iExpected);
    OESRand(0);
    EXPECT_EQ(OERand(), 38); // (2531011 >> 16) & 0x7FFF

    OESRand(12345);
    int const iMainFirst = OERand();
    std::vector<int> arrThread;
    std::thread Worker([&arrThread] {
        for (size_t i = 0; i < kRandAfterSeed1.size(); ++i)
            arrThread.push_back(OERand());
        OESRand(99); // must not reach the main thread
    });
    Worker.join();
    EXPECT_EQ(arrThread, kRandAfterSeed1);
    OESRand(12345);
    EXPECT_EQ(OERand(), iMainFirst);
}
