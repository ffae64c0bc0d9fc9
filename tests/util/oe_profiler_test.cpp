#include <vellmark/util/oe_profilefolded.h>
#include <vellmark/util/oe_profilemanager.h>

#include "support/oe_messagerecorder.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

// The profiler keeps one tree per process: every test works below a region
// of its own name. Time is stepped by hand through the time-stamp hook.
namespace
{
    unsigned long long s_u64FakeStamp = 0;

    unsigned long long ReadFakeStamp()
    {
        return s_u64FakeStamp;
    }

    class bCProfilerTest : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            s_u64FakeStamp = 1000000;
            OESetTimeStampHook(&ReadFakeStamp);
            bCProfileManager::EnableProfiling(true);
            bCProfileManager::Reset(); // counters of earlier tests and repetitions
        }
        void TearDown() override
        {
            OESetTimeStampHook(nullptr);
            bCProfileManager::EnableProfiling(true);
            EXPECT_EQ(bCProfileManager::GetCurrentNode(), &bCProfileManager::AccessRoot());
        }

        static void Advance(double a_dSeconds)
        {
            s_u64FakeStamp +=
                static_cast<unsigned long long>(a_dSeconds * static_cast<double>(OEGetTimeStampFrequency()));
        }
        // Regions: a name opens one, ")" closes the innermost, a number lets that many seconds pass.
        static void Run(std::initializer_list<char const *> a_arrSteps)
        {
            for (char const * pcStep : a_arrSteps)
                if (std::string(pcStep) == ")")
                    bCProfileManager::StopProfile();
                else if (std::isdigit(static_cast<unsigned char>(pcStep[0])))
                    Advance(std::stod(pcStep));
                else
                    bCProfileManager::StartProfile(pcStep);
        }
        static bCProfileNode * FindChild(bCProfileNode * a_pParent, char const * a_pcName)
        {
            bCProfileNode * pChild = a_pParent->GetChild();
            while (pChild && pChild->GetName() != a_pcName)
                pChild = pChild->GetSibling();
            return pChild;
        }
        static std::string ChildNames(bCProfileNode * a_pParent)
        {
            std::string strNames;
            bCProfileIterator Iterator(a_pParent);
            for (Iterator.First(); !Iterator.IsDone(); Iterator.Next())
                strNames += std::string(Iterator.GetCurrentName().GetText()) + " ";
            return strNames;
        }
    };
} // namespace

TEST_F(bCProfilerTest, NestedAndRecursiveRegions)
{
    Run({"Order", "B", "0.5", ")", "C", "0.25", ")", "B", "0.5", ")"});
    bCProfileManager::StartProfile(bCString("Order")); // direct re-entry: no child
    Run({")", ")"});
    bCProfileNode * pOrder = FindChild(&bCProfileManager::AccessRoot(), "Order");
    ASSERT_NE(pOrder, nullptr);
    EXPECT_EQ(ChildNames(pOrder), "C B ");
    EXPECT_EQ(pOrder->GetTotalCalls(), 2);
    EXPECT_FLOAT_EQ(pOrder->GetTotalTime(), 1.25f);
    bCProfileNode * pB = FindChild(pOrder, "B");
    EXPECT_EQ(pB->GetTotalCalls(), 2);
    EXPECT_FLOAT_EQ(pB->GetTotalTime(), 1.0f);

    // A null name is the empty name, as in the string form.
    bCProfileManager::StartProfile(static_cast<char const *>(nullptr));
    bCProfileManager::StopProfile();
    bCProfileNode * pEmpty = FindChild(&bCProfileManager::AccessRoot(), "");
    ASSERT_NE(pEmpty, nullptr);
    EXPECT_EQ(pEmpty->GetTotalCalls(), 1);

    // Recursive entry counts the outermost time once.
    Run({"Recursion", "Recursion"});
    bCProfileNode * pNode = bCProfileManager::GetCurrentNode();
    EXPECT_EQ(pNode->GetRecursionCounter(), 2);
    Advance(2.0);
    bCProfileManager::StopProfile();
    EXPECT_EQ(bCProfileManager::GetCurrentNode(), pNode);
    EXPECT_EQ(pNode->GetTotalTime(), 0.0f);
    Advance(1.0);
    bCProfileManager::StopProfile();
    EXPECT_EQ(bCProfileManager::GetCurrentNode(), &bCProfileManager::AccessRoot());
    EXPECT_FLOAT_EQ(pNode->GetTotalTime(), 3.0f);

    // A stop at the root stays at the root.
    bCProfileManager::StopProfile();
    EXPECT_EQ(bCProfileManager::GetCurrentNode(), &bCProfileManager::AccessRoot());
    Run({"Root", "Root", "1", ")"}); // the first brings the root's counter back, the second enters it
    EXPECT_EQ(bCProfileManager::GetCurrentNode(), &bCProfileManager::AccessRoot());
    EXPECT_FLOAT_EQ(bCProfileManager::AccessRoot().GetTotalTime(), 1.0f);

    // A node without calls never accumulates time.
    bCProfileNode Node(bCString("Alone"), nullptr);
    Node.Call();
    Node.Reset(); // calls 0, still entered once
    Advance(1.0);
    EXPECT_TRUE(Node.Return());
    EXPECT_EQ(Node.GetTotalTime(), 0.0f);
    Node.Call();
    Advance(1.0);
    EXPECT_TRUE(Node.Return());
    EXPECT_FLOAT_EQ(Node.GetTotalTime(), 1.0f);
}

TEST_F(bCProfilerTest, IteratorWalksSearchesAndSendsOneLinePerChild)
{
    Run({"Walk", "X", "0.1", ")", "Y", "0.1", ")", ")"});
    bCProfileIterator * pIterator = bCProfileManager::CreateIterator();
    ASSERT_NE(g_funcGetChildByName(pIterator, bCString("Walk")), nullptr);

    bCProfileIterator Walk(FindChild(&bCProfileManager::AccessRoot(), "Walk"));
    EXPECT_EQ(Walk.GetCurrentName(), "Y");
    Walk.EnterChild(5); // past the last child: parent stays, walk done
    EXPECT_TRUE(Walk.IsDone());
    EXPECT_EQ(Walk.GetCurrentParentName(), "Walk");
    Walk.EnterChild(1);
    EXPECT_EQ(Walk.GetCurrentParentName(), "X");
    EXPECT_FLOAT_EQ(Walk.GetCurrentParentTotalTime(), 0.1f);
    Walk.EnterParent();
    Walk.EnterParent();
    Walk.EnterParent(); // the root stays the root
    EXPECT_EQ(Walk.GetCurrentParentName(), "Root");
    bCProfileManager::ReleaseIterator(pIterator);

    // The search descends along first children only.
    Run({"Search", "P1", "Deep1", ")", ")", "P2", "Deep2", ")", ")", ")"}); // P2 is the first child
    bCProfileNode * pSearch = FindChild(&bCProfileManager::AccessRoot(), "Search");

    struct
    {
        char const * m_pcName;
        bool m_bFound;
    } const arrCases[] = {{"P1", true}, {"Deep2", true}, {"Deep1", false}};
    for (auto const & Case : arrCases)
    {
        SCOPED_TRACE(Case.m_pcName);
        bCProfileIterator Iterator(pSearch);
        bCProfileIterator * pFound = g_funcGetChildByName(&Iterator, bCString(Case.m_pcName));
        EXPECT_EQ(pFound != nullptr, Case.m_bFound);
        if (pFound)
        {
            EXPECT_EQ(pFound, &Iterator);
            EXPECT_EQ(Iterator.GetCurrentName(), Case.m_pcName);
        }
    }

    // IterChilds sends one line per child, descending.
    Run({"Lines", "Other", "1", ")", "Outer", "Inner", "0.25", ")", "0.25", ")", ")"}); // descends into Outer
    bCProfileIterator Iterator(FindChild(&bCProfileManager::AccessRoot(), "Lines"));
    bCMessageRecorder Recorder;
    g_funcIterChilds(&Iterator);
    EXPECT_EQ(Recorder.GetAll(), "[Parent]: 'Lines' <T:1.500000, C:1>  ---> [Child]: 'Outer', <T:0.500000, C:1> \n\n"
                                 "[Parent]: 'Lines' <T:1.500000, C:1>  ---> [Child]: 'Other', <T:1.000000, C:1> \n\n"
                                 "[Parent]: 'Outer' <T:0.500000, C:1>  ---> [Child]: 'Inner', <T:0.250000, C:1> \n\n");
    EXPECT_TRUE(Iterator.IsDone());
    EXPECT_EQ(Iterator.GetCurrentParentName(), "Inner");

    // An iterator moved past its last child still descends into the first child.
    bCProfileIterator Past(FindChild(&bCProfileManager::AccessRoot(), "Lines"));
    Past.Next();
    Past.Next();
    ASSERT_TRUE(Past.IsDone());
    bCMessageRecorder PastRecorder;
    g_funcIterChilds(&Past);
    EXPECT_EQ(PastRecorder.GetAll(),
              "[Parent]: 'Outer' <T:0.500000, C:1>  ---> [Child]: 'Inner', <T:0.250000, C:1> \n\n");
    bCProfileIterator PastSearch(FindChild(&bCProfileManager::AccessRoot(), "Lines"));
    PastSearch.Next();
    PastSearch.Next();
    EXPECT_EQ(g_funcGetChildByName(&PastSearch, bCString("Inner")), &PastSearch);
    EXPECT_EQ(PastSearch.GetCurrentName(), "Inner");
}


TEST_F(bCProfilerTest, DisabledProfilingResetAndFoldedStacks)
{
    bCProfileManager::EnableProfiling(false);
    Run({"Disabled", "0.5", ")"});
    EXPECT_EQ(FindChild(&bCProfileManager::AccessRoot(), "Disabled")->GetTotalCalls(), 1);
    bCProfileIterator Iterator(&bCProfileManager::AccessRoot());
    EXPECT_EQ(g_funcGetChildByName(&Iterator, bCString("Disabled")), nullptr);
    bCMessageRecorder Recorder;
    g_funcIterChilds(&Iterator);
    EXPECT_EQ(Recorder.GetAll(), "");
    bCProfileManager::EnableProfiling(true);

    // Reset clears counters, frames and time; the nodes stay.
    Run({"Reset", "0.5", ")"});
    bCProfileManager::IncrementFrameCounter();
    bCProfileManager::IncrementFrameCounter();
    EXPECT_EQ(bCProfileManager::GetFrameCountSinceReset(), 2);
    Advance(2.0);
    EXPECT_FLOAT_EQ(bCProfileManager::GetTimeSinceReset(), 3.0f); // the disabled region's time too
    bCProfileManager::Reset();
    EXPECT_EQ(bCProfileManager::GetFrameCountSinceReset(), 0);
    Advance(0.5);
    EXPECT_FLOAT_EQ(bCProfileManager::GetTimeSinceReset(), 0.5f);
    bCProfileNode * pNode = FindChild(&bCProfileManager::AccessRoot(), "Reset");
    ASSERT_NE(pNode, nullptr); // nodes stay
    EXPECT_EQ(pNode->GetTotalTime(), 0.0f);

    // Folded stacks hold exclusive microseconds.
    Run({"Frame", "Physics", "0.003", ")", "A I;x\ny", "0.002", ")", "0.005", ")"});
    std::string const strAll = g_funcGetFoldedStacks().GetText();
    EXPECT_EQ(strAll.rfind("Root ", 0), 0u); // the root comes first
    std::istringstream Lines(strAll);
    std::string strLine, strFrame;
    while (std::getline(Lines, strLine))
        if (strLine.rfind("Root;Frame", 0) == 0)
            strFrame += strLine + "\n";
    EXPECT_EQ(strFrame, "Root;Frame 5000\nRoot;Frame;A_I_x_y 2000\nRoot;Frame;Physics 3000\n");

    std::string const strFile = ::testing::TempDir() + "vellmark_profile_" + std::to_string(getpid()) + ".folded";
    ASSERT_TRUE(g_funcWriteFoldedStacks(strFile.c_str()));
    std::ifstream File(strFile, std::ios::binary);
    std::string const strRead((std::istreambuf_iterator<char>(File)), std::istreambuf_iterator<char>());
    EXPECT_EQ(strRead, strAll);
    std::remove(strFile.c_str());
    EXPECT_FALSE(g_funcWriteFoldedStacks("/nonexistent-folder/profile.folded"));
}
