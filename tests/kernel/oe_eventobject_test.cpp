#include <vellmark/kernel/oe_eventobject.h>
#include <vellmark/kernel/oe_memorystream.h>

#include "oe_stream_testsupport.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
    // Opens the fields to the test and counts destructions.
    class bCTestEvent : public bCEvent
    {
    public:
        bCTestEvent() = default;
        bCTestEvent(bCTestEvent const & a_Source) : bCEvent(a_Source) {}
        bCTestEvent & operator=(bCTestEvent const & a_Source)
        {
            bCEvent::operator=(a_Source);
            return *this;
        }
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

TEST(bCEvent, DefaultAndCopyAreEmptyWithZeros)
{
    bCTestEvent Event;
    EXPECT_EQ(Event.Describe(), "/0/0");
    EXPECT_EQ(Event.GetReferenceCount(), 1ul);
    EXPECT_FALSE(Event.IsValid());
    EXPECT_FALSE(Event.IsDeleteable());

    Event.Set("Hit", 3, 4);
    Event.Create();
    Event.AddReference();
    bCTestEvent Copy(Event);
    EXPECT_EQ(Copy.Describe(), "/0/0");
    EXPECT_EQ(Copy.GetReferenceCount(), 1ul);
    EXPECT_FALSE(Copy.IsValid());
}

TEST(bCEvent, AssignmentTakesBaseStateNameAndValues)
{
    bCTestEvent Source;
    Source.Set("Hit", 3, 0xFFFFFFFFu);
    Source.Create();
    Source.AddReference();
    bCTestEvent Target;
    Target = Source;
    EXPECT_EQ(Target.Describe(), "Hit/3/4294967295");
    EXPECT_EQ(Target.GetReferenceCount(), 2ul);
    EXPECT_TRUE(Target.IsValid());
}

TEST(bCEvent, CreateDestroyAndInvalidate)
{
    bCTestEvent Event;
    Event.Set("Hit", 3, 4);
    EXPECT_EQ(Event.Create(), bEResult_Ok);
    EXPECT_TRUE(Event.IsValid());
    Event.Destroy();
    EXPECT_FALSE(Event.IsValid());
    EXPECT_EQ(Event.Describe(), "Hit/3/4"); // Destroy leaves the fields
    Event.Invalidate();
    EXPECT_EQ(Event.Describe(), "Hit/0/0");
}

TEST(bCEvent, LastReleaseDeletesTheEvent)
{
    bCTestEvent::ms_iDestructions = 0;
    bCTestEvent * pEvent = new bCTestEvent;
    ASSERT_NE(pEvent, nullptr);
    pEvent->Create();
    pEvent->Set("Hit", 1, 2);
    EXPECT_EQ(pEvent->AddReference(), 2ul);
    EXPECT_EQ(pEvent->ReleaseReference(), 1ul);
    EXPECT_EQ(bCTestEvent::ms_iDestructions, 0);
    EXPECT_EQ(pEvent->ReleaseReference(), 0ul);
    EXPECT_EQ(bCTestEvent::ms_iDestructions, 1);
}

TEST(bCEvent, WritesExactlyTheVersionWord)
{
    bCTestEvent Event;
    Event.Set("a name that is not written", 7, 8);
    bCMemoryStream Stream;
    EXPECT_EQ(Event.Write(Stream), bEResult_Ok);
    EXPECT_EQ(GetBytes(Stream), CBytes({1, 0}));

    bCMemoryStream ThroughBase;
    bCObjectBase & Base = Event;
    ThroughBase << Base;
    EXPECT_EQ(GetBytes(ThroughBase), CBytes({1, 0}));
}

TEST(bCEvent, ReadTakesOnlyTheVersionWordOfAnyValue)
{
    for (CBytes const & arrInput : {CBytes{1, 0, 5, 5}, CBytes{0, 0, 5}, CBytes{2, 0}, CBytes{0xFF, 0xFF, 5}})
    {
        bCTestEvent Event;
        Event.Set("Hit", 3, 4);
        bCMemoryStream Stream;
        Fill(Stream, arrInput);
        EXPECT_EQ(Event.Read(Stream), bEResult_Ok);
        EXPECT_EQ(Stream.GetPosition(), 2);
        EXPECT_EQ(Event.Describe(), "Hit/3/4");
    }
}

TEST(bCEvent, ReadOfTruncatedInput)
{
    bCTestEvent Event;
    bCMemoryStream Empty;
    EXPECT_EQ(Event.Read(Empty), bEResult_Ok);
    EXPECT_EQ(Empty.GetPosition(), 0);
    bCMemoryStream OneByte;
    Fill(OneByte, {1});
    Event.Create();
    EXPECT_EQ(Event.Read(OneByte), bEResult_Ok);
    EXPECT_EQ(OneByte.GetPosition(), 1);
    EXPECT_TRUE(Event.IsValid());
    EXPECT_EQ(Event.Describe(), "/0/0");
}

TEST(bCEvent, RoundTripThroughTheStreamOperators)
{
    bCTestEvent Event;
    bCMemoryStream Stream;
    Event >> Stream;
    Event >> Stream;
    Stream.SetPosition(0, bEStreamSeekMode_Begin);
    Event << Stream;
    Stream >> Event;
    EXPECT_EQ(Stream.GetPosition(), 4);
    EXPECT_EQ(GetBytes(Stream), CBytes({1, 0, 1, 0}));
}
