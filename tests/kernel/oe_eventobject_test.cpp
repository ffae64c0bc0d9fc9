#include <vellmark/kernel/oe_eventobject.h>
#include <vellmark/kernel/oe_memorystream.h>

#include "oe_stream_testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace
{
    // Opens the fields to the test and counts destructions.
    class bCTestEvent : public bCEvent
    {
    public:
        ~bCTestEvent() override { ++ms_iDestructions; }

        void Set(char const * a_pcName, uint32_t a_uFirst, uint32_t a_uSecond)
        {
            m_strName = a_pcName;
            m_uFirstValue = a_uFirst;
            m_uSecondValue = a_uSecond;
        }
        std::string Describe() const
        {
            return std::string(m_strName.GetText()) + "/" + std::to_string(m_uFirstValue) + "/" +
                   std::to_string(m_uSecondValue);
        }
        using bCEvent::Invalidate;

        static inline int ms_iDestructions = 0;
    };
} // namespace

// A copy starts empty, an assignment takes everything; Destroy leaves the fields, Invalidate
// clears them, and the last release deletes.
TEST(bCEvent, CopyAssignmentLifeCycleAndTheLastRelease)
{
    bCTestEvent::ms_iDestructions = 0;
    bCTestEvent * pEvent = new bCTestEvent;
    EXPECT_EQ(pEvent->Describe(), "/0/0");
    EXPECT_FALSE(pEvent->IsValid() || pEvent->IsDeleteable());
    pEvent->Set("Hit", 3, 0xFFFFFFFFu);
    EXPECT_EQ(pEvent->Create(), bEResult_Ok);
    EXPECT_EQ(pEvent->AddReference(), 2ul);
    {
        bCTestEvent Copy(*pEvent);
        EXPECT_EQ(Copy.Describe(), "/0/0");
        EXPECT_EQ(Copy.GetReferenceCount(), 1ul);
        EXPECT_FALSE(Copy.IsValid());
        bCTestEvent Target;
        Target = *pEvent;
        EXPECT_EQ(Target.Describe(), "Hit/3/4294967295");
        EXPECT_EQ(Target.GetReferenceCount(), 2ul);
        EXPECT_TRUE(Target.IsValid());
    }
    bCTestEvent::ms_iDestructions = 0;
    pEvent->Destroy();
    EXPECT_FALSE(pEvent->IsValid());
    EXPECT_EQ(pEvent->Describe(), "Hit/3/4294967295");
    pEvent->Invalidate();
    EXPECT_EQ(pEvent->Describe(), "Hit/0/0");
    EXPECT_EQ(pEvent->ReleaseReference(), 1ul);
    EXPECT_EQ(bCTestEvent::ms_iDestructions, 0);
    EXPECT_EQ(pEvent->ReleaseReference(), 0ul);
    EXPECT_EQ(bCTestEvent::ms_iDestructions, 1);
}

// Only the version word is written and read, whatever its value; nothing
// else changes, and input cut short is read as far as it goes.
TEST(bCEvent, StreamsExactlyTheVersionWord)
{
    bCTestEvent Event;
    Event.Set("a name that is not written", 7, 8);
    bCMemoryStream Stream;
    EXPECT_EQ(Event.Write(Stream), bEResult_Ok);
    bCObjectBase & Base = Event;
    Stream << Base;
    Event >> Stream;
    EXPECT_EQ(GetBytes(Stream), CBytes({1, 0, 1, 0, 1, 0}));
    Stream.SetPosition(0, bEStreamSeekMode_Begin);
    Event << Stream;
    Stream >> Event;
    EXPECT_EQ(Stream.GetPosition(), 4);

    // Any version word is read; input cut short is read as far as it goes.
    for (CBytes const & arrInput : {CBytes{0xFF, 0xFF, 5}, CBytes{1}})
    {
        SCOPED_TRACE(arrInput.size());
        bCTestEvent Read;
        Read.Set("Hit", 3, 4);
        Read.Create();
        bCMemoryStream Input;
        Fill(Input, arrInput);
        EXPECT_EQ(Read.Read(Input), bEResult_Ok);
        EXPECT_EQ(Input.GetPosition(), static_cast<int>(std::min<std::size_t>(arrInput.size(), 2)));
        EXPECT_EQ(Read.Describe(), "Hit/3/4");
        EXPECT_TRUE(Read.IsValid());
    }
}
