#include <vellmark/kernel/oe_basemem.h>

#include "oe_basemem_testsupport.h"
#include "support/oe_messagerecorder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace
{
    // Opens the protected core to the tests.
    class bCExposedAdmin : public bCMemoryAdmin
    {
    public:
        bCExposedAdmin() : bCMemoryAdmin(true) {}
        using bCMemoryAdmin::AllocatePure;
    };

    using Counts = std::vector<unsigned long long>;

    bool Aligned(void const * a_pBlock)
    {
        return reinterpret_cast<std::uintptr_t>(a_pBlock) % 16 == 0;
    }

    bSAllocationSummery SiteOf(bCMemoryAdmin & a_Admin, std::string const & a_strFile)
    {
        bSAllocationSummery arrTop[4] = {};
        EXPECT_EQ(a_Admin.GetSummeryObservedTopTen(arrTop, 4, a_strFile.c_str()), 1);
        return arrTop[0];
    }

    // The assertion text that allows only the given allocation kinds.
    std::string KindCheck(std::initializer_list<char const *> a_Kinds)
    {
        std::string strText;
        for (char const * pcKind : a_Kinds)
            strText += std::string(strText.empty() ? "" : " || ") +
                       "bEMemoryAllocationType(pAllocItem->m_u8AllocationType) == bEMemoryAllocationType_" + pcKind;
        return strText;
    }

    std::string ExpectedDump(bSAllocationItem const & a_Item, char const * a_pcName, int a_iLine,
                             std::string const & a_strFile)
    {
        char carrText[1024];
        std::snprintf(
            carrText, sizeof(carrText),
            " Ptr Address    : %s \n Heap Address   : %s \n PtrBlockSize   : 0x%08x (%d Bytes) \n "
            "HeapBlockSize  : 0x%08x (%d Bytes) \n Classobject    : %s  #%d (%s) \n Allocationtype : malloc \n "
            "Allocation ID  : %d",
            AddressText(a_Item.m_pPtrAddress).c_str(), AddressText(a_Item.m_pHeapAddress).c_str(), a_Item.m_uPtrSize,
            a_Item.m_uPtrSize, a_Item.m_uHeapSize, a_Item.m_uHeapSize, a_pcName, a_iLine, a_strFile.c_str(),
            a_Item.m_uAllocationID);
        return carrText;
    }

    std::string ExpectedCorruption(char const * a_pcBound, bSAllocationItem const & a_Item, char const * a_pcName,
                                   int a_iLine, std::string const & a_strFile)
    {
        return std::string("<corrupted, ") + a_pcBound + "> Ptr: " + AddressText(a_Item.m_pPtrAddress) +
               " | Heap: " + AddressText(a_Item.m_pHeapAddress) +
               " | Ptr,HeapSize: " + std::to_string(a_Item.m_uPtrSize) + ", " + std::to_string(a_Item.m_uHeapSize) +
               " bytes | ClsObj: " + a_pcName + "  #" + std::to_string(a_iLine) + " (" + a_strFile +
               ") | Alloctype: malloc | ID: " + std::to_string(a_Item.m_uAllocationID) + " \n ";
    }

    std::vector<std::string> ReportTexts()
    {
        std::vector<std::string> arrTexts;
        for (bSReport const & Report : Reports())
            arrTexts.push_back(Report.m_strText);
        return arrTexts;
    }
} // namespace

// A tracked instance and a site file of the test's own.
class bCTrackedMemoryTest : public bCMemoryTest
{
protected:
    bCMemoryAdmin m_Admin{true};
    std::string const m_strFile = SiteFile();
};

using bCMemoryAdminUntracked = bCMemoryTest;
using bCMemoryAdminTracked = bCTrackedMemoryTest;
using bCMemoryAdminReports = bCTrackedMemoryTest;
using bCMemoryAdminFaults = bCTrackedMemoryTest;

// ---- untracked ----

// Nothing is recorded or inspected. Some heaps give blocks of 8 bytes only
// 8-byte alignment: every road asks for more.
TEST_F(bCMemoryAdminUntracked, RecordsNothingInspectsNothingAndAlignsEveryBlock)
{
    bCMemoryAdmin & Admin = bCMemoryAdmin::GetInstance();
    EXPECT_TRUE(bCMemoryAdmin::IsMemoryAdminInitialized() && Admin.IsPoolValid() && !Admin.IsTracking());
    std::vector<void *> arrBlocks;
    for (int i = 0; i < 32; ++i) // many live blocks, so no lucky first slot
        for (void * pBlock : {Admin.Malloc(8, "name", "file.cpp", 1), Admin.Realloc(nullptr, 8, nullptr, nullptr, -1),
                              Admin.NewObject(8, nullptr, nullptr, nullptr, -1)})
            arrBlocks.push_back(pBlock);
    EXPECT_EQ(Admin.FindAllocationItem(arrBlocks[0]), nullptr);
    EXPECT_EQ(Admin.CheckMemoryBlock(arrBlocks[0]), bECheckPtr_NotTracked);
    bSAllocationItem Item = {};
    EXPECT_FALSE(Admin.ValidateAllocationItem(&RecordReport, Item));
    Admin.DumpAllocationItem(&RecordReport, Item);
    Admin.DumpHeapStatistics(&RecordReport);
    EXPECT_FALSE(Admin.ValidateAllAllocationItems(&RecordReport));
    EXPECT_FALSE(Admin.CollectItemSummary(&RecordReport));
    EXPECT_FALSE(Admin.CollectItemSummaryDiff(&RecordReport));
    EXPECT_TRUE(Reports().empty());
    EXPECT_EQ(Admin.GetAllocationCount() + Admin.GetMemoryStatistics().m_uTotalBlocks, 0u);
    for (void * pBlock : arrBlocks)
    {
        EXPECT_TRUE(pBlock && Aligned(pBlock)) << pBlock;
        Admin.Free(pBlock);
    }
    void * pArray = Admin.NewObjectArray(7 * 16, 7, nullptr, nullptr, nullptr, -1);
    EXPECT_TRUE(pArray && Aligned(pArray));
    EXPECT_EQ(Admin.GetArrayBlockCount(pArray), 7);
    Admin.DeleteObjectArray(pArray);
    auto * pdValue = new ("double", "double", "oe_basemem_test.cpp", __LINE__) double(1.5);
    EXPECT_TRUE(pdValue && Aligned(pdValue) && *pdValue == 1.5);
    Admin.DeleteObject(pdValue);

    // An object's name: both parts cut to 509 characters, the second one in brackets.
    std::string const strFile(600, 'a'), strClass(700, 'b');
    void * pObject = Admin.NewObject(8, strFile.c_str(), strClass.c_str(), "thing.h", 3);
    EXPECT_EQ(std::string(g_carrMsgBuffer), std::string(509, 'a') + "(" + std::string(509, 'b') + ")");
    Admin.DeleteObject(pObject);
}

// ---- tracked: blocks, guards, statistics ----

TEST_F(bCMemoryAdminTracked, ItemDescribesTheBlockBetweenItsGuardsAndItsKind)
{
    bCExposedAdmin Admin;
    void * pZero = Admin.Malloc(0, "zero", m_strFile.c_str(), 10);
    void * pSecond = Admin.Malloc(24, "second", m_strFile.c_str(), 10);
    bSAllocationItem const * pItem = Admin.FindAllocationItem(pZero);
    ASSERT_NE(pItem, nullptr);
    EXPECT_EQ((Counts{pItem->m_uHeapSize, pItem->m_uPtrSize, pItem->m_uAllocationID}), (Counts{32, 0, 1}));
    EXPECT_EQ(static_cast<char *>(pItem->m_pHeapAddress) + 16, pZero);
    std::vector<uint32_t> arrGuards(8);
    std::memcpy(arrGuards.data(), pItem->m_pHeapAddress, 32);
    EXPECT_EQ(arrGuards, (std::vector<uint32_t>{0xBAADF00D, 0xBAADF00D, 0xBAADF00D, 0xBAADF00D, 0xDEADC0DE, 0xDEADC0DE,
                                                0xDEADC0DE, 0xDEADC0DE}));
    EXPECT_EQ(Admin.CheckMemoryBlock(pZero), bECheckPtr_Valid);
    Admin.Free(pZero);
    EXPECT_EQ(Admin.FindAllocationItem(pZero), nullptr);
    EXPECT_EQ(Admin.FindAllocationItem(pSecond)->m_uAllocationID, 2u);
    EXPECT_STREQ(Admin.FindAllocationItem(pSecond)->m_pSummery->m_carrName, "zero"); // the site keeps its first name

    auto * pcZeroed = static_cast<unsigned char *>(
        Admin.AllocatePure(m_strFile.c_str(), 7, "c", bEMemoryAllocationType_Calloc, 3000));
    void * pRealloc = Admin.Realloc(nullptr, 12, "r", m_strFile.c_str(), 4);
    void * pArray = Admin.NewObjectArray(5 * 8, 5, m_strFile.c_str(), "double", nullptr, 11);
    void * pObject = Admin.NewObject(64, m_strFile.c_str(), "single", nullptr, 12);
    ASSERT_TRUE(pcZeroed && pRealloc && pArray && pObject);
    EXPECT_EQ(std::count(pcZeroed, pcZeroed + 3000, 0), 3000);
    EXPECT_TRUE(Aligned(pArray));
    auto Kind = [&Admin](void const * a_pBlock) { return Admin.FindAllocationItem(a_pBlock)->m_u8AllocationType; };
    EXPECT_EQ(
        (Counts{Kind(pSecond), Kind(pcZeroed), Kind(pRealloc), Kind(static_cast<char *>(pArray) - 16), Kind(pObject)}),
        (Counts{bEMemoryAllocationType_Malloc, bEMemoryAllocationType_Calloc, bEMemoryAllocationType_Realloc,
                bEMemoryAllocationType_NewArray, bEMemoryAllocationType_New}));
    EXPECT_EQ(Admin.FindAllocationItem(static_cast<char *>(pArray) - 16)->m_uPtrSize, 5u * 8 + 16);
    EXPECT_EQ((std::vector<int>{Admin.GetArrayBlockCount(pArray), Admin.GetArrayBlockCount(pObject),
                                Admin.GetArrayBlockCount(pRealloc)}),
              (std::vector<int>{5, -1, -1}));
    for (void * pBlock : {pSecond, static_cast<void *>(pcZeroed), pRealloc})
        Admin.Free(pBlock);
    Admin.DeleteObjectArray(pArray);
    Admin.DeleteObject(pObject);
    EXPECT_EQ((Counts{Admin.GetMemoryStatistics().m_uTotalBlocks, Admin.GetMemoryStatistics().m_uCurrentBlocks}),
              (Counts{6, 0}));
}

// Every request is named in a message while the allocation report is on.
TEST_F(bCMemoryAdminTracked, StatisticsFollowEveryOperation)
{
    std::string const strA = SiteFile("A"), strB = SiteFile("B");
    m_Admin.EnableAllocationReport(true);
    bCMessageRecorder Recorder;
    auto * pA = static_cast<char *>(m_Admin.Malloc(100, "a", strA.c_str(), 1));
    void * pB = m_Admin.Malloc(600, "b", strB.c_str(), 2);
    std::memcpy(pA, "kept", 5);
    pA = static_cast<char *>(m_Admin.Realloc(pA, 200, "other", SiteFile("other").c_str(), 6));
    ASSERT_NE(pA, nullptr);
    EXPECT_STREQ(pA, "kept");
    EXPECT_EQ(m_Admin.CheckMemoryBlock(pA), bECheckPtr_Valid);
    m_Admin.EnableAllocationReport(false);
    EXPECT_THAT(Recorder.GetAll(), HasSubstr("bCMemoryAdmin::AllocatePure:  00001   malloc of size "
                                             "0x00000064(00000100) \n by Sourcefile:" +
                                             strA + ", #Line:1, Name:a"));
    m_Admin.Free(pB);
    m_Admin.DumpHeapStatistics(&RecordReport);
    ASSERT_EQ(Reports().size(), 1u);
    EXPECT_EQ(Reports()[0].m_strText,
              "\nCurrent:\nNumber of elements allocated         :    1\nMemory allocated by application      :    "
              "200 bytes\nMemory allocated total (heap)        :    232 bytes\nHeapprofiler overhead                : "
              "   32 bytes\n\nPeaks:\nMaximum of allocated elements        :    2\nMaximum memory allocation       "
              "     :    800 bytes\nMaximum heap memory allocation       :    864 bytes\n\nSummary:\nAllocated "
              "elements accumulated       :    2\nMemory allocation accumulated        :    800 bytes\nHeap memory "
              "allocation (accumulated) :    864 bytes\n");
    EXPECT_EQ(Reports()[0].m_pItem, nullptr);
    EXPECT_EQ(m_Admin.GetAllocationCount(), 3u);
    bSAllocationSummery const A = SiteOf(m_Admin, strA), B = SiteOf(m_Admin, strB);
    EXPECT_EQ(
        (Counts{A.m_uFootprint, A.m_uMaxFootprint, A.m_uItemCount, A.m_uFootprintGrowth, A.m_uItemCountGrowth,
                A.m_uSmallBlockCount, B.m_uFootprint, B.m_uMaxFootprint, B.m_uItemCount, B.m_uFreeListBlockCount}),
        (Counts{200, 200, 1, 200, 1, 1, 0, 600, 0, 0}));

    // Shrinking adds nothing to the accumulated counters.
    pA = static_cast<char *>(m_Admin.Realloc(pA, 40, "a", strA.c_str(), 1));
    bSMemoryStatistics const S = m_Admin.GetMemoryStatistics();
    EXPECT_EQ((Counts{S.m_uTotalPtrBytes, S.m_uCurrentHeapBytes}), (Counts{800, 72}));
    m_Admin.Free(pA);
    EXPECT_EQ(m_Admin.GetMemoryStatistics().m_uCurrentBlocks, 0u);
}

TEST_F(bCMemoryAdminTracked, SizeClassesFollowTheHeapSize)
{
    auto Classes = [this] {
        bSAllocationSummery const Site = SiteOf(m_Admin, m_strFile);
        return Counts{Site.m_uSmallBlockCount, Site.m_uFreeListBlockCount, Site.m_uHeapBlockCount};
    };
    void * arrBlocks[5] = {};
    unsigned long const arrSizes[5] = {517, 518, 65502, 65503, 1}; // heap 549, 550, 65,534, 65,535 and 33
    for (int i = 0; i < 5; ++i)
        arrBlocks[i] = m_Admin.Malloc(arrSizes[i], nullptr, m_strFile.c_str(), 3);
    EXPECT_EQ(Classes(), (Counts{2, 2, 1}));
    arrBlocks[4] = m_Admin.Realloc(arrBlocks[4], 70000, nullptr, m_strFile.c_str(), 3);
    EXPECT_EQ(Classes(), (Counts{1, 2, 2}));
    for (void * pBlock : arrBlocks)
        m_Admin.Free(pBlock);
    EXPECT_EQ(Classes(), (Counts{0, 0, 0}));
}

// A site is its line and the first 61 characters of its file text; it keeps
// the first 37 characters of its first name. Missing texts become dashes.
TEST_F(bCMemoryAdminTracked, SiteIsKeyedByLineAndTheFirst61Characters)
{
    std::string const strUnique = "bCOnlyText2_" + SiteFile();
    std::vector<void *> arrBlocks = {m_Admin.NewObject(8, m_strFile.c_str(), "bCThing", "unused", 8),
                                     m_Admin.NewObject(8, nullptr, strUnique.c_str(), nullptr, 9),
                                     m_Admin.Malloc(4, nullptr, nullptr, 987654)};
    std::vector<std::string> arrTexts;
    for (void * pBlock : arrBlocks)
    {
        bSAllocationSummery const * pSite = m_Admin.FindAllocationItem(pBlock)->m_pSummery;
        arrTexts.insert(arrTexts.end(), {pSite->m_carrSourceFile, pSite->m_carrName, std::to_string(pSite->m_iLine)});
    }
    EXPECT_EQ(arrTexts, (std::vector<std::string>{m_strFile, (m_strFile + "(bCThing)").substr(0, 37), "8", "-",
                                                  strUnique.substr(0, 37), "9", "-", "-", "987654"}));

    auto SiteFor = [&](char const * a_pcFile, int a_iLine) {
        arrBlocks.push_back(m_Admin.Malloc(4, "n", a_pcFile, a_iLine));
        return m_Admin.FindAllocationItem(arrBlocks.back())->m_pSummery;
    };
    std::string const strBase = (SiteFile() + std::string(61, 'x')).substr(0, 61);
    bSAllocationSummery const * pSite = SiteFor((strBase + "_first.cpp").c_str(), 31);
    EXPECT_EQ(SiteFor((strBase + "_second.cpp").c_str(), 31), pSite);
    EXPECT_NE(SiteFor((strBase + "_second.cpp").c_str(), 32), pSite);
    EXPECT_EQ(std::string(pSite->m_carrSourceFile), strBase);
    EXPECT_EQ(pSite->m_uItemCount, 2u);

    // Texts at every alignment, other bytes behind the terminator: one site. A text that ends
    // earlier or later, or differs in one character: another.
    bSAllocationSummery const * pFileSite = SiteFor(m_strFile.c_str(), 90);
    alignas(16) char carrArea[96];
    for (int iShift = 0; iShift < 8; ++iShift)
    {
        std::memset(carrArea, 'z' - iShift, sizeof(carrArea));
        std::memcpy(carrArea + iShift, m_strFile.c_str(), m_strFile.size() + 1);
        EXPECT_EQ(SiteFor(carrArea + iShift, 90), pFileSite) << iShift;
    }
    for (std::string const & strOther :
         {m_strFile.substr(0, m_strFile.size() - 1), m_strFile + "x", "X" + m_strFile.substr(1),
          m_strFile.substr(0, 9) + "#" + m_strFile.substr(10)})
        EXPECT_NE(SiteFor(strOther.c_str(), 90), pFileSite) << strOther;
    for (void * pBlock : arrBlocks)
        m_Admin.Free(pBlock);
}

// ---- tracked: bad input ----

// Unknown pointers and double frees are ignored. A damaged guard, an unknown
// kind and a break flag are asserted; the answer is to go on.
TEST_F(bCMemoryAdminTracked, BadPointersAreIgnoredOrAsserted)
{
    void * pBlock = m_Admin.Malloc(32, "d", m_strFile.c_str(), 14);
    int iStack = 0;
    void * pForeign = bCMemoryAdmin::GetInstance().Malloc(32, nullptr, nullptr, -1);
    EXPECT_EQ(m_Admin.CheckMemoryBlock(&iStack), bECheckPtr_Unknown);
    EXPECT_EQ(m_Admin.CheckMemoryBlock(nullptr), bECheckPtr_Null);
    for (void * pIgnored : {static_cast<void *>(&iStack), pForeign, pBlock, pBlock})
        m_Admin.Free(pIgnored);
    bSMemoryStatistics const S = m_Admin.GetMemoryStatistics();
    EXPECT_EQ((Counts{S.m_uCurrentBlocks, S.m_uTotalBlocks}), (Counts{0, 1}));
    EXPECT_TRUE(MemoryErrorBoxes().empty());
    bCMemoryAdmin::GetInstance().Free(pForeign); // the foreign block is still intact

    alignas(16) char carrNotOurs[64] = {};
    void * pResult = nullptr;
    std::string strOut = AssertionOutput([&] { pResult = m_Admin.Realloc(carrNotOurs + 16, 100, "u", "u.cpp", 1); });
    EXPECT_EQ(pResult, nullptr);
    EXPECT_THAT(strOut, HasSubstr("0 != pAllocItem"));
    EXPECT_EQ(MemoryErrorBoxes(), std::vector<std::string>{"bCMemoryAdmin::ReallocatePure error: "
                                                           "bCMemoryAdmin::ReallocPure - Requested memory is not in "
                                                           "internal memory pool"});

    auto * pcBlock = static_cast<char *>(m_Admin.Malloc(8, "dmg", m_strFile.c_str(), 15));
    pcBlock[-1] = 0;
    strOut = AssertionOutput([&] { m_Admin.Free(pcBlock); });
    EXPECT_THAT(strOut, HasSubstr("true == this->ValidateAllocationItem( 0, *pAllocItem )"));
    pBlock = m_Admin.Malloc(16, "k", m_strFile.c_str(), 81);
    bSAllocationItem * pItem = m_Admin.FindAllocationItem(pBlock);
    ASSERT_NE(pItem, nullptr);
    pItem->m_u8AllocationType = 5; // a kind no item stores
    pItem->m_u8BreakOnDealloc = 1;
    strOut = AssertionOutput([&] { m_Admin.Free(pBlock); });
    EXPECT_THAT(strOut, HasSubstr(KindCheck({"Malloc", "Calloc", "Realloc", "New", "NewArray"})));
    EXPECT_THAT(strOut, HasSubstr("false == pAllocItem->m_u8BreakOnDealloc"));
    EXPECT_EQ(m_Admin.GetMemoryStatistics().m_uCurrentBlocks, 0u); // both freed

    void * pObject = m_Admin.NewObject(16, m_strFile.c_str(), "bCThing", nullptr, 80);
    strOut = AssertionOutput([&] { pBlock = m_Admin.Realloc(pObject, 32, "r", m_strFile.c_str(), 80); });
    EXPECT_THAT(strOut, HasSubstr(KindCheck({"Malloc", "Calloc", "Realloc"})));
    ASSERT_NE(pBlock, nullptr); // the answer was to go on: reallocated, now of the given kind
    EXPECT_EQ(m_Admin.FindAllocationItem(pBlock)->m_u8AllocationType, bEMemoryAllocationType_Realloc);
    m_Admin.Free(pBlock);
}

TEST_F(bCMemoryAdminTracked, DestroyReleasesOnlyItsOwnBlocks)
{
    bCMemoryAdmin Survivor(true);
    void * pKept = Survivor.Malloc(8, "kept", m_strFile.c_str(), 17);
    void * pLeaked = nullptr;
    {
        bCMemoryAdmin Leaker(true);
        for (int i = 0; i < 300; ++i) // more than one item block
            pLeaked = Leaker.Malloc(8, "leak", m_strFile.c_str(), 18);
        Leaker.EnableMemoryLeakReport(false);
        Leaker.Destroy();
        EXPECT_TRUE(Leaker.GetMemoryStatistics().m_uCurrentBlocks == 0 && !Leaker.IsPoolValid());
        EXPECT_FALSE(Leaker.IsTracking()); // every field reset: it checks nothing any more
        EXPECT_EQ(Leaker.CheckMemoryBlock(pKept), bECheckPtr_NotTracked);
    }
    EXPECT_EQ(Survivor.FindAllocationItem(pLeaked), nullptr);
    EXPECT_EQ(Survivor.CheckMemoryBlock(pKept), bECheckPtr_Valid);
    EXPECT_TRUE(bCMemoryAdmin::IsMemoryAdminInitialized());
    bSAllocationSummery arrTop[2] = {};
    ASSERT_EQ(Survivor.GetSummeryObservedTopTen(arrTop, 2, m_strFile.c_str()), 2);
    EXPECT_EQ(arrTop[0].m_uItemCount + arrTop[1].m_uItemCount, 1u);
    Survivor.Free(pKept);
}

// ---- reports ----

// One byte past the end gives one upperbound text and the dump; every damaged
// word is reported, every damaged block counted.
TEST_F(bCMemoryAdminReports, EveryDamagedWordIsReportedWithTheDump)
{
    auto * pcOver = static_cast<char *>(m_Admin.Malloc(10, "over", m_strFile.c_str(), 40));
    auto * pcBlock = static_cast<char *>(m_Admin.Malloc(20, "all", m_strFile.c_str(), 41));
    bSAllocationItem const & Over = *m_Admin.FindAllocationItem(pcOver);
    bSAllocationItem const & Item = *m_Admin.FindAllocationItem(pcBlock);
    EXPECT_FALSE(m_Admin.ValidateAllAllocationItems(&RecordReport));
    EXPECT_TRUE(Reports().empty());
    pcOver[10] = 'X';
    EXPECT_EQ(m_Admin.CheckMemoryBlock(pcOver), bECheckPtr_Corrupted);
    EXPECT_FALSE(m_Admin.ValidateAllocationItem(&RecordReport, Over));
    EXPECT_EQ(ReportTexts(), (std::vector<std::string>{ExpectedCorruption("upperbound", Over, "over", 40, m_strFile),
                                                       ExpectedDump(Over, "over", 40, m_strFile)}));
    for (bSReport const & Report : Reports())
        EXPECT_EQ(Report.m_pItem, &Over);

    for (int iWord = 0; iWord < 8; ++iWord) // each guard word alone: four below, four above
    {
        auto * pcOne = static_cast<char *>(m_Admin.Malloc(8, "one", m_strFile.c_str(), 42));
        char * pcWord = iWord < 4 ? pcOne - 16 + 4 * iWord : pcOne + 8 + 4 * (iWord - 4);
        pcWord[3] ^= 1;
        EXPECT_EQ(m_Admin.CheckMemoryBlock(pcOne), bECheckPtr_Corrupted) << iWord;
        pcWord[3] ^= 1;
        EXPECT_EQ(m_Admin.CheckMemoryBlock(pcOne), bECheckPtr_Valid) << iWord;
        m_Admin.Free(pcOne);
    }

    std::memset(pcBlock + 20, 0, 16); // the four upper words
    pcBlock[-16] = 0;                 // the first lower word
    pcBlock[-1] = 0;                  // the last lower word
    Reports().clear();
    m_Admin.ValidateAllocationItem(&RecordReport, Item);
    ASSERT_EQ(Reports().size(), 12u); // a text and the dump for each damaged word
    EXPECT_EQ(Reports()[0].m_strText, ExpectedCorruption("lowerbound", Item, "all", 41, m_strFile));
    EXPECT_THAT(Reports()[2].m_strText, StartsWith("<corrupted, upperbound>")); // word 0 below, then word 0 above
    EXPECT_THAT(Reports()[8].m_strText, StartsWith("<corrupted, lowerbound>")); // word 3 below

    Reports().clear();
    EXPECT_TRUE(m_Admin.ValidateAllAllocationItems(&RecordReport));
    ASSERT_EQ(Reports().size(), 2u + 12 + 1);
    EXPECT_EQ(Reports().back().m_strText,
              "bCMemoryAdmin::ValidateAllAllocationItems - warning: 2 corrupted allocation items were found\n\n");
    EXPECT_EQ(Reports().back().m_pItem, nullptr);
    EXPECT_TRUE(m_Admin.ValidateAllAllocationItems(nullptr));
    AssertionOutput([&] { // the answer is to go on: both are freed
        m_Admin.Free(pcOver);
        m_Admin.Free(pcBlock);
    });
}

// Reports walk the process-wide item table: one instance lists the blocks of
// another. The difference lists the blocks since the last one; the leak
// report names only the damaged blocks of its own instance.
TEST_F(bCMemoryAdminReports, PerSiteListingDifferenceAndLeakReport)
{
    std::string const strA = SiteFile("A"), strB = SiteFile("B"), strNew = SiteFile("new");
    bCMemoryAdmin Other(true);
    void * arrBlocks[3] = {m_Admin.Malloc(10, "alpha", strA.c_str(), 44), Other.Malloc(20, "beta", strB.c_str(), 45),
                           m_Admin.Malloc(30, "alpha", strA.c_str(), 44)};
    EXPECT_FALSE(m_Admin.CollectItemSummary(nullptr));
    EXPECT_TRUE(m_Admin.CollectItemSummary(&RecordReport));
    std::vector<std::string> arrA = {"Object: 'alpha' at line:44 <" + strA + ">: ",
                                     "  Summary: Allocs: 2, Invalid: 0, Heapsize: 104, Ptrsize: 40 \n"};
    std::vector<std::string> arrB = {"Object: 'beta' at line:45 <" + strB + ">: ",
                                     "  Summary: Allocs: 1, Invalid: 0, Heapsize: 52, Ptrsize: 20 \n"};
    // Sites come in descending order of their record's address.
    if (m_Admin.FindAllocationItem(arrBlocks[0])->m_pSummery < Other.FindAllocationItem(arrBlocks[1])->m_pSummery)
        std::swap(arrA, arrB);
    EXPECT_EQ(ReportTexts(), (std::vector<std::string>{arrA[0], arrA[1], arrB[0], arrB[1], "", std::string(69, '-'),
                                                       "Last allocated entries", ""}));

    m_Admin.CollectItemSummaryDiff(&RecordReport);
    Reports().clear();
    auto * pcNew = static_cast<char *>(m_Admin.Malloc(24, "new", strNew.c_str(), 47));
    pcNew[24] = 0;
    EXPECT_TRUE(m_Admin.CollectItemSummaryDiff(&RecordReport));
    ASSERT_EQ(Reports().size(), 8u);
    EXPECT_EQ(Reports()[0].m_strText, "Object: 'new' at line:47 <" + strNew + ">: ");
    EXPECT_THAT(Reports()[1].m_strText, StartsWith("<corrupted, upperbound>"));
    EXPECT_EQ(Reports()[3].m_strText, "  Summary: Allocs: 1, Invalid: 1, Heapsize: 56, Ptrsize: 24 \n");
    EXPECT_EQ(Reports()[6].m_strText, "Last allocated entries since AllocCount: 2 ");
    Reports().clear();
    m_Admin.DumpLeakReport(&RecordReport); // intact blocks give no text
    ASSERT_EQ(Reports().size(), 2u);
    EXPECT_THAT(Reports()[0].m_strText, StartsWith("<corrupted, upperbound>"));
    pcNew[24] = static_cast<char>(0xDE);
    for (void * pBlock : {arrBlocks[0], arrBlocks[2], static_cast<void *>(pcNew)})
        m_Admin.Free(pBlock);
    Other.Free(arrBlocks[1]);
}

// The families differ only in their key: one of them checks order, limit and
// ties, the others that they read their own field.
TEST_F(bCMemoryAdminReports, TopTenQueriesOrderSitesByKey)
{
    // One site per bucket, met in this order: small, small, heap and free-list blocks.
    std::vector<void *> arrBlocks;
    for (auto [iLine, uSize] : {std::pair{60, 300ul}, {64, 300ul}, {68, 70000ul}, {72, 1000ul}})
        arrBlocks.push_back(m_Admin.Malloc(uSize, "t", m_strFile.c_str(), iLine));
    auto Lines = [this](int a_iCount) {
        bSAllocationSummery arrTop[10] = {};
        std::vector<int> arrLines(m_Admin.GetSummeryObservedTopTen(arrTop, a_iCount, m_strFile.c_str()));
        for (std::size_t i = 0; i < arrLines.size(); ++i)
            arrLines[i] = arrTop[i].m_iLine;
        return arrLines;
    };
    EXPECT_EQ(Lines(3), (std::vector<int>{68, 72, 60})); // of equal keys, the one met first
    EXPECT_EQ(Lines(10), (std::vector<int>{68, 72, 60, 64}));
    EXPECT_EQ(Lines(0), std::vector<int>{});

    bSAllocationSummery arrTop[1] = {};
    int iHeap = 1000, iSmall = 0, iFreeList = 0; // added to, not reset
    EXPECT_EQ((std::vector<int>{
                  m_Admin.GetSummeryFootprintTopTen(arrTop, 1), m_Admin.GetSummeryMaxFootprintTopTen(arrTop, 1),
                  m_Admin.GetSummeryItemCountTopTen(arrTop, 1), m_Admin.GetSummeryHeapAllocTopTen(arrTop, 1, iHeap),
                  m_Admin.GetSummerySmallAllocTopTen(arrTop, 1, iSmall),
                  m_Admin.GetSummeryFreeListAllocTopTen(arrTop, 1, iFreeList)}),
              std::vector<int>(6, 1));
    EXPECT_TRUE(iHeap >= 1001 && iSmall >= 2 && iFreeList >= 1) << iHeap << " " << iSmall << " " << iFreeList;

    m_Admin.MakeSummeryItemGrowSnapshot();
    arrBlocks.push_back(m_Admin.Malloc(7, "t", m_strFile.c_str(), 52));
    ASSERT_GE(m_Admin.GetSummeryItemCountGrowTopTen(arrTop, 1), 1);
    EXPECT_EQ(arrTop[0].m_iLine, 52);
    EXPECT_EQ(arrTop[0].m_uItemCountGrowth, 1u);
    ASSERT_GE(m_Admin.GetSummeryFootprintGrowTopTen(arrTop, 1), 1);
    EXPECT_EQ(arrTop[0].m_uFootprintGrowth, 7u);
    for (void * pBlock : arrBlocks)
        m_Admin.Free(pBlock);
    EXPECT_EQ(bCMemoryAdmin::GetInstance().GetSummeryFootprintTopTen(arrTop, 1), 0); // untracked
}

// ---- out of memory (the order in which a fresh instance asks the heap is
// pinned on every road in oe_basemem_ownership_test.cpp) ----

TEST_F(bCMemoryAdminFaults, TooLargeOrFailedReallocIsOutOfMemory)
{
    EXPECT_EQ(m_Admin.Malloc(0xFFFFFFF0ul, "huge", SiteFile("huge").c_str(), 64), nullptr);
    auto * pcBlock = static_cast<char *>(m_Admin.Malloc(100, "r", m_strFile.c_str(), 65));
    std::memcpy(pcBlock, "kept", 5);
    OEHeapInjectFailure(1);
    EXPECT_EQ(m_Admin.Realloc(pcBlock, 2u << 20, "r", m_strFile.c_str(), 65), nullptr);
    OEHeapStopFailures();
    EXPECT_EQ(MemoryErrorBoxes(),
              (std::vector<std::string>{
                  "bCMemoryAdmin::AllocatePure error: bCMemoryAdmin::AllocatePure - Allocation failed. Out of memory.",
                  "bCMemoryAdmin::ReallocatePure error: bCMemoryAdmin::ReallocPure - Reallocation failed. Out of "
                  "memory."}));
    EXPECT_STREQ(pcBlock, "kept");
    EXPECT_EQ(m_Admin.CheckMemoryBlock(pcBlock), bECheckPtr_Valid);
    EXPECT_EQ((Counts{m_Admin.GetMemoryStatistics().m_uCurrentPtrBytes, SiteOf(m_Admin, m_strFile).m_uFootprint}),
              (Counts{100, 100}));
    m_Admin.Free(pcBlock);
}

TEST_F(bCMemoryAdminFaults, UntrackedFailuresShowTheirTexts)
{
    bCMemoryAdmin & Admin = bCMemoryAdmin::GetInstance();
    void * pBlock = Admin.Malloc(64, nullptr, nullptr, -1);
    OEHeapInjectFailure(1);
    EXPECT_EQ(Admin.Malloc(64, nullptr, nullptr, -1), nullptr);
    EXPECT_EQ(Admin.Realloc(pBlock, 1u << 20, nullptr, nullptr, -1), nullptr);
    EXPECT_EQ(Admin.NewObject(64, nullptr, nullptr, nullptr, -1), nullptr);
    void * pArray = reinterpret_cast<void *>(1);
    std::string const strOut =
        AssertionOutput([&] { pArray = Admin.NewObjectArray(64, 4, nullptr, nullptr, nullptr, -1); });
    OEHeapStopFailures();
    EXPECT_EQ(pArray, nullptr);
    EXPECT_THAT(strOut, HasSubstr("0 != newBlock"));
    std::vector<std::string> const arrBoxes = MemoryErrorBoxes();
    ASSERT_EQ(arrBoxes.size(), 4u);
    EXPECT_EQ(arrBoxes[1],
              "bCMemoryAdmin::ReallocatePure error: bCMemoryAdmin::ReallocPure - Allocation failed. Out of memory.");
    Admin.Free(pBlock);
}

TEST_F(bCMemoryAdminFaults, ClientNewTurnsFailureIntoAFatalError)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            OESetMessageBoxHandler(&RecordingBoxHandler);
            OEHeapInjectFailure(1);
            OE_New(16, "thing.cpp", "bCThing", "thing.h", 12);
        },
        ::testing::ExitedWithCode(447 & 0xFF), "");
}
