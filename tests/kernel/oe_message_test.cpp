#include <vellmark/kernel/oe_message.h>
#include <vellmark/platform/oe_messagebox.h>

#include "oe_basemem_testsupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace
{
    // One line per delivery: "callback|type|text|text2|user data|file|line|priority", null texts as "-".
    std::vector<std::string> g_arrDeliveries;

    template <int N>
    bool Record(bEMessageTypes a_eType, char const * a_pcText, char const * a_pcText2, unsigned long a_uUserData,
                char const * a_pcFile, int a_iLine, int a_iPriority)
    {
        auto Text = [](char const * a_pc) { return std::string(a_pc ? a_pc : "-") + "|"; };
        g_arrDeliveries.push_back(std::to_string(N) + "|" + std::to_string(a_eType) + "|" + Text(a_pcText) +
                                  Text(a_pcText2) + std::to_string(a_uUserData) + "|" + Text(a_pcFile) +
                                  std::to_string(a_iLine) + "|" + std::to_string(a_iPriority));
        return true;
    }

    using Lines = std::vector<std::string>;

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
    Admin.SetFilterType(bEMessageFilterTypes_None);
    EXPECT_TRUE(OE_MESSAGEF_OK("passes %d", 2));
    Admin.SetFilterType(bEMessageFilterTypes_Fatal);
    for (int iType = bEMessageTypes_Ok; iType <= bEMessageTypes_Fatal; ++iType)
        EXPECT_TRUE(Admin.OnMessage(static_cast<bEMessageTypes>(iType), "x", nullptr, nullptr, -1, 5));
    Admin.SetFilterType(bEMessageFilterTypes_Info);
    Admin.OnMessage(bEMessageTypes_Info, "info", nullptr, nullptr, -1, 5);
    Admin.OnMessage(bEMessageTypes_Warn, "warn", nullptr, nullptr, -1, 5);
    EXPECT_EQ(g_arrDeliveries, (Lines{"1|1|passes 2|-|0|-|-1|5", "1|3|warn|-|0|-|-1|5"}));
}

// Callbacks run by priority, then in registration order; a critical one runs first and refuses
// every further registration with a message box.
TEST_F(bCMessageAdminTest, CallbacksRunByPriorityThenInRegistrationOrderOnce)
{
    bCMessageAdmin & Admin = bCMessageAdmin::GetInstance();
    ASSERT_TRUE(Register(&Record<1>, bEMessageCallbackPriority_Low, 11));
    ASSERT_TRUE(Register(&Record<2>, bEMessageCallbackPriority_Low, 22));
    ASSERT_TRUE(Register(&Record<3>, bEMessageCallbackPriority_Normal, 33));
    EXPECT_FALSE(Admin.RegisterCallback(&Record<1>, bEMessageCallbackPriority_Normal, 7)); // a duplicate
    // Once unregistered, the callback may register anew.
    EXPECT_TRUE(Admin.UnregisterCallback(&Record<1>));
    EXPECT_FALSE(Admin.UnregisterCallback(&Record<1>));
    EXPECT_TRUE(Register(&Record<1>, bEMessageCallbackPriority_Normal, 7));
    OE_MESSAGE(5, "order");
    EXPECT_EQ(g_arrDeliveries, (Lines{"3|2|order|-|33|kernel/oe_message|467|5", "1|2|order|-|7|kernel/oe_message|467|5",
                                      "2|2|order|-|22|kernel/oe_message|467|5"}));

    RecordedBoxes().clear();
    OEMessageBoxHandler funcPrevious = OESetMessageBoxHandler(&RecordingBoxHandler);
    ASSERT_TRUE(Register(&Record<4>, bEMessageCallbackPriority_Critical));
    EXPECT_FALSE(Admin.RegisterCallback(&Record<5>, bEMessageCallbackPriority_Low, 0));
    EXPECT_FALSE(Admin.RegisterCallback(&Record<4>, bEMessageCallbackPriority_Critical, 0)); // duplicate: silent
    OESetMessageBoxHandler(funcPrevious);
    ASSERT_EQ(1u, RecordedBoxes().size());
    EXPECT_EQ("bCMessageAdmin::RegisterCallback", RecordedBoxes()[0].m_strCaption);
    EXPECT_EQ("You\xC2\xB4ve tried to register a new critical message callback.\nThis is not allowed !",
              RecordedBoxes()[0].m_strText);
    EXPECT_EQ(unsigned(MB_OK | MB_ICONWARNING), RecordedBoxes()[0].m_uStyle);
    g_arrDeliveries.clear();
    OE_MESSAGE(5, "critical first");
    ASSERT_EQ(g_arrDeliveries.size(), 4u);
    EXPECT_EQ(g_arrDeliveries[0][0], '4');
    EXPECT_TRUE(Admin.UnregisterCallback(&Record<4>));
    EXPECT_TRUE(Register(&Record<5>, bEMessageCallbackPriority_Low));
}

TEST_F(bCMessageAdminTest, EntryPointsCarryTypeSecondTextPositionAndPriority)
{
    bCMessageAdmin::GetInstance().SetFilterType(bEMessageFilterTypes_None);
    ASSERT_TRUE(Register(&Record<1>, bEMessageCallbackPriority_Low));
    OE_MESSAGE_INFO(4, "i");
    OE_MESSAGE_D_INFO(5, "x", "y");
    OE_MESSAGEF_D_INFO(7, "d=%s,%d", "two", 2);
    OE_MESSAGEF_OK("ok%c", '!');
    OE_MESSAGEF_WARN("w%s", "arn");
    OE_MESSAGEF_D_WARN("[%s]", "dw");
    EXPECT_TRUE(OE_MESSAGE_D_INFO(5, nullptr, nullptr)); // null texts reach the callbacks as null
    std::string const strLong(100000, 'q');              // formatted text is cut to the thread's buffer
    OE_MESSAGEF_WARN("%s", strLong.c_str());
    EXPECT_EQ(g_arrDeliveries,
              (Lines{"1|2|i|-|0|kernel/oe_message|472|4", "1|2|x|y|0|kernel/oe_message|477|5",
                     "1|2|d=two,2|two|0|kernel/oe_message|477|7", "1|1|ok!|-|0|-|-1|5", "1|3|warn|-|0|-|-1|5",
                     "1|3|[dw]|dw|0|-|-1|5", "1|2|-|-|0|kernel/oe_message|477|5",
                     "1|3|" + std::string(1400, 'q') + "|-|0|-|-1|5"}));
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

namespace
{
    // Records its number; the first one unregisters itself.
    template <int N> bool Counted(bEMessageTypes, char const *, char const *, unsigned long, char const *, int, int)
    {
        g_arrDeliveries.push_back(std::to_string(N));
        if (N == 1)
            bCMessageAdmin::GetInstance().UnregisterCallback(&Counted<1>);
        return true;
    }

    int g_iDepth = 0;

    bool SendsAnother(bEMessageTypes, char const * a_pcText, char const *, unsigned long, char const *, int, int)
    {
        g_arrDeliveries.push_back(a_pcText);
        if (++g_iDepth < 3)
            OE_MESSAGEF_WARN("depth %d", g_iDepth);
        return true;
    }
} // namespace

TEST_F(bCMessageAdminTest, CallbacksMayUnregisterThemselvesOrSendMessages)
{
    for (bFMessageCallback funcCallback : {&Counted<1>, &Counted<2>, &Counted<3>})
        ASSERT_TRUE(Register(funcCallback, bEMessageCallbackPriority_Low));
    OE_MESSAGE(5, "first");
    // The table is walked by index and its size read anew after each call:
    // the entry that moves into the freed slot is passed over once.
    OE_MESSAGE(5, "second");
    EXPECT_EQ(g_arrDeliveries, (Lines{"1", "3", "2", "3"}));
    // A callback may send a message on the same thread.
    g_arrDeliveries.clear();
    g_iDepth = 0;
    ASSERT_TRUE(Register(&SendsAnother, bEMessageCallbackPriority_Low));
    OE_MESSAGE(5, "outer");
    EXPECT_EQ(g_arrDeliveries, (Lines{"2", "3", "outer", "2", "3", "depth 1", "2", "3", "depth 2"}));
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
