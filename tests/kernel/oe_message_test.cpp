#include <vellmark/kernel/oe_message.h>
#include <vellmark/platform/oe_messagebox.h>

#include "oe_basemem_testsupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace
{
    struct bSDelivery
    {
        int m_iCallback;
        bEMessageTypes m_eType;
        bool m_bHasText;
        std::string m_strText;
        bool m_bHasText2;
        std::string m_strText2;
        unsigned long m_uUserData;
        std::string m_strFile;
        bool m_bHasFile;
        int m_iLine;
        int m_iPriority;
    };

    std::vector<bSDelivery> g_arrDeliveries;

    template <int N>
    bool Record(bEMessageTypes a_eType, char const * a_pcText, char const * a_pcText2, unsigned long a_uUserData,
                char const * a_pcFile, int a_iLine, int a_iPriority)
    {
        g_arrDeliveries.push_back(bSDelivery{N, a_eType, a_pcText != nullptr, a_pcText ? a_pcText : "",
                                             a_pcText2 != nullptr, a_pcText2 ? a_pcText2 : "", a_uUserData,
                                             a_pcFile ? a_pcFile : "", a_pcFile != nullptr, a_iLine, a_iPriority});
        return true;
    }

    // Registers callbacks for one test and removes them again, with the filter restored.
    class bCMessageAdminTest : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            g_arrDeliveries.clear();
            m_eFilter = bCMessageAdmin::GetInstance().GetFilterType();
        }
        void TearDown() override
        {
            for (bFMessageCallback funcCallback : m_arrRegistered)
                bCMessageAdmin::GetInstance().UnregisterCallback(funcCallback);
            bCMessageAdmin::GetInstance().SetFilterType(m_eFilter);
        }
        bool Register(bFMessageCallback a_funcCallback, bEMessageCallbackPriority a_ePriority,
                      unsigned long a_uUserData = 0)
        {
            bool const bRegistered =
                bCMessageAdmin::GetInstance().RegisterCallback(a_funcCallback, a_ePriority, a_uUserData);
            if (bRegistered)
                m_arrRegistered.push_back(a_funcCallback);
            return bRegistered;
        }
        std::vector<int> CallbackOrder() const
        {
            std::vector<int> arrOrder;
            for (bSDelivery const & Delivery : g_arrDeliveries)
                arrOrder.push_back(Delivery.m_iCallback);
            return arrOrder;
        }

        bEMessageFilterTypes m_eFilter = bEMessageFilterTypes_Ok;
        std::vector<bFMessageCallback> m_arrRegistered;
    };

} // namespace

TEST_F(bCMessageAdminTest, FilterStartsAtOkAndDropsAtOrBelowIt)
{
    bCMessageAdmin & Admin = bCMessageAdmin::GetInstance();
    EXPECT_EQ(bEMessageFilterTypes_Ok, Admin.GetFilterType());
    ASSERT_TRUE(Register(&Record<1>, bEMessageCallbackPriority_Low));

    EXPECT_TRUE(OE_MESSAGEF_OK("dropped %d", 1));
    EXPECT_TRUE(g_arrDeliveries.empty());
    Admin.SetFilterType(bEMessageFilterTypes_None);
    EXPECT_TRUE(OE_MESSAGEF_OK("passes %d", 2));
    ASSERT_EQ(1u, g_arrDeliveries.size());
    EXPECT_EQ(bEMessageTypes_Ok, g_arrDeliveries[0].m_eType);
    EXPECT_EQ("passes 2", g_arrDeliveries[0].m_strText);

    g_arrDeliveries.clear();
    Admin.SetFilterType(bEMessageFilterTypes_Fatal);
    for (int iType = bEMessageTypes_Ok; iType <= bEMessageTypes_Fatal; ++iType)
        EXPECT_TRUE(Admin.OnMessage(static_cast<bEMessageTypes>(iType), "x", nullptr, nullptr, -1, 5));
    EXPECT_TRUE(g_arrDeliveries.empty());

    Admin.SetFilterType(bEMessageFilterTypes_Info);
    Admin.OnMessage(bEMessageTypes_Info, "info", nullptr, nullptr, -1, 5);
    Admin.OnMessage(bEMessageTypes_Warn, "warn", nullptr, nullptr, -1, 5);
    ASSERT_EQ(1u, g_arrDeliveries.size());
    EXPECT_EQ("warn", g_arrDeliveries[0].m_strText);
}

TEST_F(bCMessageAdminTest, CallbacksRunByPriorityThenInRegistrationOrderOnce)
{
    bCMessageAdmin & Admin = bCMessageAdmin::GetInstance();
    ASSERT_TRUE(Register(&Record<1>, bEMessageCallbackPriority_Low, 11));
    ASSERT_TRUE(Register(&Record<2>, bEMessageCallbackPriority_Low, 22));
    ASSERT_TRUE(Register(&Record<3>, bEMessageCallbackPriority_Normal, 33));
    EXPECT_FALSE(Admin.RegisterCallback(&Record<1>, bEMessageCallbackPriority_Normal, 7)); // a duplicate
    OE_MESSAGE(5, "order");
    EXPECT_EQ((std::vector<int>{3, 1, 2}), CallbackOrder());
    ASSERT_EQ(3u, g_arrDeliveries.size());
    EXPECT_EQ(33u, g_arrDeliveries[0].m_uUserData);
    EXPECT_EQ(11u, g_arrDeliveries[1].m_uUserData);
    EXPECT_EQ(22u, g_arrDeliveries[2].m_uUserData);

    // Once unregistered, the callback may register anew.
    EXPECT_TRUE(Admin.UnregisterCallback(&Record<1>));
    EXPECT_FALSE(Admin.UnregisterCallback(&Record<1>));
    EXPECT_TRUE(Register(&Record<1>, bEMessageCallbackPriority_Normal, 7));
    g_arrDeliveries.clear();
    OE_MESSAGE(5, "again");
    EXPECT_EQ((std::vector<int>{3, 1, 2}), CallbackOrder());
    EXPECT_EQ(7u, g_arrDeliveries[1].m_uUserData);
}

TEST_F(bCMessageAdminTest, CriticalCallbackRefusesEveryFurtherRegistrationWithAMessageBox)
{
    bCMessageAdmin & Admin = bCMessageAdmin::GetInstance();
    RecordedBoxes().clear();
    OEMessageBoxHandler funcPrevious = OESetMessageBoxHandler(&RecordingBoxHandler);
    ASSERT_TRUE(Register(&Record<1>, bEMessageCallbackPriority_Critical));
    EXPECT_FALSE(Admin.RegisterCallback(&Record<2>, bEMessageCallbackPriority_Low, 0));
    EXPECT_FALSE(Admin.RegisterCallback(&Record<3>, bEMessageCallbackPriority_Critical, 0));
    EXPECT_FALSE(Admin.RegisterCallback(&Record<1>, bEMessageCallbackPriority_Critical, 0)); // duplicate: silent
    OESetMessageBoxHandler(funcPrevious);
    ASSERT_EQ(2u, RecordedBoxes().size());
    EXPECT_EQ("bCMessageAdmin::RegisterCallback", RecordedBoxes()[0].m_strCaption);
    EXPECT_EQ("You\xC2\xB4ve tried to register a new critical message callback.\nThis is not allowed !",
              RecordedBoxes()[0].m_strText);
    EXPECT_EQ(unsigned(MB_OK | MB_ICONWARNING), RecordedBoxes()[0].m_uStyle);

    OE_MESSAGE(5, "critical first");
    ASSERT_FALSE(g_arrDeliveries.empty());
    EXPECT_EQ(1, g_arrDeliveries[0].m_iCallback);
    EXPECT_TRUE(Admin.UnregisterCallback(&Record<1>));
    EXPECT_TRUE(Register(&Record<2>, bEMessageCallbackPriority_Low));
}

TEST_F(bCMessageAdminTest, EntryPointsCarryTypeSecondTextPositionAndPriority)
{
    bCMessageAdmin::GetInstance().SetFilterType(bEMessageFilterTypes_None);
    ASSERT_TRUE(Register(&Record<1>, bEMessageCallbackPriority_Low));
    OE_MESSAGE(3, "m");
    OE_MESSAGE_INFO(4, "i");
    OE_MESSAGE_D_INFO(5, "x", "y");
    OE_MESSAGEF_D_INFO(7, "d=%s,%d", "two", 2);
    OE_MESSAGEF_OK("ok%c", '!');
    OE_MESSAGEF_WARN("w%s", "arn");
    OE_MESSAGEF_D_WARN("[%s]", "dw");

    struct bSExpected
    {
        bEMessageTypes m_eType;
        char const * m_pcText;
        char const * m_pcText2;
        char const * m_pcFile;
        int m_iLine;
        int m_iPriority;
    } const arrExpected[] = {
        {bEMessageTypes_Info, "m", nullptr, "kernel/oe_message", 467, 3},
        {bEMessageTypes_Info, "i", nullptr, "kernel/oe_message", 472, 4},
        {bEMessageTypes_Info, "x", "y", "kernel/oe_message", 477, 5},
        {bEMessageTypes_Info, "d=two,2", "two", "kernel/oe_message", 477, 7},
        {bEMessageTypes_Ok, "ok!", nullptr, nullptr, -1, 5},
        {bEMessageTypes_Warn, "warn", nullptr, nullptr, -1, 5},
        {bEMessageTypes_Warn, "[dw]", "dw", nullptr, -1, 5},
    };
    ASSERT_EQ(std::size(arrExpected), g_arrDeliveries.size());
    for (std::size_t u = 0; u < std::size(arrExpected); ++u)
    {
        SCOPED_TRACE(u);
        bSDelivery const & D = g_arrDeliveries[u];
        bSExpected const & E = arrExpected[u];
        EXPECT_EQ(E.m_eType, D.m_eType);
        EXPECT_EQ(E.m_pcText, D.m_strText);
        EXPECT_EQ(E.m_pcText2 != nullptr, D.m_bHasText2);
        EXPECT_EQ(E.m_pcText2 ? E.m_pcText2 : "", D.m_strText2);
        EXPECT_EQ(E.m_pcFile != nullptr, D.m_bHasFile);
        EXPECT_EQ(E.m_pcFile ? E.m_pcFile : "", D.m_strFile);
        EXPECT_EQ(E.m_iLine, D.m_iLine);
        EXPECT_EQ(E.m_iPriority, D.m_iPriority);
    }
    EXPECT_EQ(5, g_iDefaultMessagePriority);
}

TEST(bCMessageAdmin, StripFilenamePrefersTheLastBackslash)
{
    EXPECT_STREQ("c/d.cpp", bCMessageAdmin::StripFilename("a\\b\\c/d.cpp"));
    EXPECT_STREQ("d.cpp", bCMessageAdmin::StripFilename("a/b/c/d.cpp"));
    EXPECT_STREQ("", bCMessageAdmin::StripFilename("a/"));
    char const * pcBare = "bare";
    EXPECT_EQ(pcBare, bCMessageAdmin::StripFilename(pcBare));
}

TEST_F(bCMessageAdminTest, BadInputReachesCallbacksUnchangedOrIsFiltered)
{
    bCMessageAdmin & Admin = bCMessageAdmin::GetInstance();
    ASSERT_TRUE(Register(&Record<1>, bEMessageCallbackPriority_Low));
    EXPECT_TRUE(OE_MESSAGE(5, nullptr));
    EXPECT_TRUE(OE_MESSAGE_D_INFO(5, nullptr, nullptr));
    EXPECT_TRUE(OE_MESSAGE(5, "\r\n\n\r"));
    EXPECT_TRUE(Admin.OnMessage(static_cast<bEMessageTypes>(0), "zero", nullptr, nullptr, -1, 5));
    EXPECT_TRUE(Admin.OnMessage(static_cast<bEMessageTypes>(7), "seven", nullptr, nullptr, -1, 5));
    std::string const strLong(100000, 'q'); // formatted text is cut to the thread's buffer
    OE_MESSAGEF_WARN("%s", strLong.c_str());
    ASSERT_EQ(5u, g_arrDeliveries.size());
    EXPECT_EQ(std::string(1400, 'q'), g_arrDeliveries[4].m_strText);
    EXPECT_FALSE(g_arrDeliveries[0].m_bHasText);
    EXPECT_FALSE(g_arrDeliveries[1].m_bHasText);
    EXPECT_FALSE(g_arrDeliveries[1].m_bHasText2);
    EXPECT_EQ("\r\n\n\r", g_arrDeliveries[2].m_strText);
}

namespace
{
    // Records its number; the first one unregisters itself.
    template <int N> bool Counted(bEMessageTypes, char const *, char const *, unsigned long, char const *, int, int)
    {
        g_arrDeliveries.push_back(bSDelivery{N, bEMessageTypes_Info, false, "", false, "", 0, "", false, 0, 0});
        if (N == 1)
            bCMessageAdmin::GetInstance().UnregisterCallback(&Counted<1>);
        return true;
    }
} // namespace

TEST_F(bCMessageAdminTest, CallbackThatUnregistersItselfShiftsTheRestOfItsPass)
{
    for (bFMessageCallback funcCallback : {&Counted<1>, &Counted<2>, &Counted<3>})
        ASSERT_TRUE(Register(funcCallback, bEMessageCallbackPriority_Low));
    OE_MESSAGE(5, "first");
    // The table is walked by index and its size read anew after each call:
    // the entry that moves into the freed slot is passed over once.
    EXPECT_EQ((std::vector<int>{1, 3}), CallbackOrder());
    g_arrDeliveries.clear();
    OE_MESSAGE(5, "second");
    EXPECT_EQ((std::vector<int>{2, 3}), CallbackOrder());
}

namespace
{
    int g_iReentryDepth = 0;
    std::vector<std::string> g_arrReentrantTexts;

    bool SendsAnother(bEMessageTypes, char const * a_pcText, char const *, unsigned long, char const *, int, int)
    {
        g_arrReentrantTexts.push_back(a_pcText);
        if (++g_iReentryDepth < 3)
            OE_MESSAGEF_WARN("depth %d", g_iReentryDepth);
        return true;
    }
} // namespace

TEST_F(bCMessageAdminTest, CallbackMaySendAMessageOnTheSameThread)
{
    g_iReentryDepth = 0;
    g_arrReentrantTexts.clear();
    ASSERT_TRUE(Register(&SendsAnother, bEMessageCallbackPriority_Low));
    OE_MESSAGE(5, "outer");
    EXPECT_EQ((std::vector<std::string>{"outer", "depth 1", "depth 2"}), g_arrReentrantTexts);
}

TEST_F(bCMessageAdminTest, MessagesFromManyThreadsArriveWholeAndOnce)
{
    constexpr int kThreads = 6;
    constexpr int kMessages = 400;
    ASSERT_TRUE(Register(&Record<1>, bEMessageCallbackPriority_Low));
    std::vector<std::thread> arrThreads;
    for (int t = 0; t < kThreads; ++t)
        arrThreads.emplace_back([t] {
            for (int m = 0; m < kMessages; ++m)
                OE_MESSAGEF_D_INFO(5, "%s thread %d message %d", t % 2 ? "odd" : "even", t, m);
        });
    for (std::thread & Thread : arrThreads)
        Thread.join();
    std::multiset<std::string> setTexts, setExpected;
    for (bSDelivery const & D : g_arrDeliveries)
        setTexts.insert(D.m_strText);
    for (int t = 0; t < kThreads; ++t)
        for (int m = 0; m < kMessages; ++m)
            setExpected.insert(std::string(t % 2 ? "odd" : "even") + " thread " + std::to_string(t) + " message " +
                               std::to_string(m));
    EXPECT_EQ(setExpected, setTexts);
}

TEST(bCMessageAdmin, CreateDropsTheTableAndResetsTheFilter)
{
    EXPECT_EXIT(
        {
            bCMessageAdmin & Admin = bCMessageAdmin::GetInstance();
            Admin.RegisterCallback(&Record<1>, bEMessageCallbackPriority_Low, 0);
            Admin.SetFilterType(bEMessageFilterTypes_Warn);
            Admin.Create();
            g_arrDeliveries.clear();
            OE_MESSAGEF_WARN("after create");
            bool const bOk = Admin.GetFilterType() == bEMessageFilterTypes_Ok && g_arrDeliveries.empty() &&
                             !Admin.UnregisterCallback(&Record<1>) &&
                             Admin.RegisterCallback(&Record<1>, bEMessageCallbackPriority_Low, 0);
            Admin.Destroy();
            bool const bGone = !Admin.UnregisterCallback(&Record<1>) && OE_MESSAGE(5, "no table");
            std::exit(bOk && bGone ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}
