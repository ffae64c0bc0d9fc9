#include <vellmark/propertysystem/base/oe_threadobjectrefbase.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace
{
    class bCWorker : public bCThreadObjectRefBase
    {
    public:
        bCWorker() = default;
        bCWorker(bCWorker const & a_Source) : bCThreadObjectRefBase(a_Source) {}
        bCWorker & operator=(bCWorker const & a_Source)
        {
            bCThreadObjectRefBase::operator=(a_Source);
            return *this;
        }
        ~bCWorker() override { ++ms_iDestructions; }

        std::atomic<int> m_iRuns{0};
        static inline int ms_iDestructions = 0;

    protected:
        unsigned long ThreadProc() override
        {
            m_iRuns.fetch_add(1);
            return 0;
        }
    };

    // One non-blocking attempt from another thread.
    bool TryFromOtherThread(bCThreadObjectRefBase & a_Object)
    {
        bool bTaken = false;
        std::thread Other([&] {
            bTaken = a_Object.TryToGetOwnership();
            if (bTaken)
                a_Object.ReleaseOwnership();
        });
        Other.join();
        return bTaken;
    }
} // namespace

// Ownership excludes other threads; a copy, constructed or assigned, has a lock of its own.
TEST(bCThreadObjectRefBase, OwnershipCopiesAndTheThread)
{
    bCWorker Source;
    Source.Create();
    Source.AddReference();
    ASSERT_TRUE(Source.TryToGetOwnership());
    EXPECT_FALSE(TryFromOtherThread(Source));
    bCWorker Copy(Source);
    EXPECT_NE(&Copy.GetCriticalSection(), &Source.GetCriticalSection());
    EXPECT_EQ(Copy.GetCriticalSection().GetSpinCount(), 4000ul);
    EXPECT_TRUE(TryFromOtherThread(Copy));
    bCWorker Assigned;
    Assigned = Source; // the assigned one keeps its own lock too
    EXPECT_TRUE(TryFromOtherThread(Assigned));
    Source.ReleaseOwnership();
    EXPECT_TRUE(TryFromOtherThread(Source));

    // The thread runs its work; the last release deletes the object.
    bCWorker::ms_iDestructions = 0;
    bCWorker * pWorker = new bCWorker;
    ASSERT_NE(pWorker, nullptr);
    ASSERT_TRUE(pWorker->StartThread());
    pWorker->WaitIfThreadFinished(); // the work returns at once
    EXPECT_EQ(pWorker->m_iRuns.load(), 1);
    EXPECT_EQ(pWorker->ReleaseReference(), 0ul);
    EXPECT_EQ(bCWorker::ms_iDestructions, 1);
}
