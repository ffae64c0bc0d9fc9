#include <vellmark/kernel/oe_basemem.h>

#include "oe_basemem_testsupport.h"
#include "support/oe_messagerecorder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <initializer_list>
#include <string>
#include <thread>

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
        using bCMemoryAdmin::FreePure;
    };

    using Counts = std::vector<unsigned long long>;

    uint32_t Word(void const * a_pBase, int a_iIndex)
    {
        uint32_t uWord;
        std::memcpy(&uWord, static_cast<char const *>(a_pBase) + 4 * a_iIndex, 4);
        return uWord;
    }

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

TEST_F(bCMemoryAdminUntracked, RecordsNothingAndInspectsNothing)
{
    bCMemoryAdmin & Admin = bCMemoryAdmin::GetInstance();
    EXPECT_TRUE(bCMemoryAdmin::IsMemoryAdminInitialized() && Admin.IsPoolValid());
    EXPECT_FALSE(Admin.IsTracking());
    auto * pcBlock = static_cast<char *>(Admin.Malloc(40, "name", "file.cpp", 1));
    ASSERT_NE(pcBlock, nullptr);
    EXPECT_EQ(Admin.FindAllocationItem(pcBlock), nullptr);
    EXPECT_EQ(Admin.CheckMemoryBlock(pcBlock), bECheckPtr_NotTracked);
    EXPECT_EQ(Admin.CheckMemoryBlock(nullptr), bECheckPtr_NotTracked);
    bSAllocationItem Item = {};
    EXPECT_FALSE(Admin.ValidateAllocationItem(&RecordReport, Item));
    Admin.DumpAllocationItem(&RecordReport, Item);
    Admin.DumpHeapStatistics(&RecordReport);
    EXPECT_FALSE(Admin.ValidateAllAllocationItems(&RecordReport));
    EXPECT_FALSE(Admin.CollectItemSummary(&RecordReport));
    EXPECT_FALSE(Admin.CollectItemSummaryDiff(&RecordReport));
    EXPECT_TRUE(Reports().empty());
    EXPECT_EQ(Admin.GetAllocationCount(), 0u);
    EXPECT_EQ(Admin.GetMemoryStatistics().m_uTotalBlocks + Admin.GetMemoryStatistics().m_uCurrentBlocks, 0u);
    std::memcpy(pcBlock, "abcdefg", 8);
    pcBlock = static_cast<char *>(Admin.Realloc(pcBlock, 5000, nullptr, nullptr, -1));
    ASSERT_NE(pcBlock, nullptr);
    EXPECT_STREQ(pcBlock, "abcdefg");
    Admin.Free(pcBlock);
    EXPECT_TRUE(RecordedBoxes().empty());
}

TEST_F(bCMemoryAdminUntracked, ArrayCountSitsBeforeTheElementsAndClientNewRoutesHere)
{
    bCMemoryAdmin & Admin = bCMemoryAdmin::GetInstance();
    void * pArray = Admin.NewObjectArray(7 * 16, 7, nullptr, nullptr, nullptr, -1);
    ASSERT_NE(pArray, nullptr);
    EXPECT_TRUE(Aligned(pArray));
    EXPECT_EQ(Admin.GetArrayBlockCount(pArray), 7);
    EXPECT_EQ(static_cast<int>(Word(pArray, -1)), 7);
    Admin.DeleteObjectArray(pArray);

    struct bSThing
    {
        int m_iValue = 42;
        alignas(16) double m_dValue = 1.5;
    };
    bSThing * pThing = new ("bSThing", "bSThing", "oe_basemem_test.cpp", __LINE__) bSThing;
    ASSERT_NE(pThing, nullptr);
    EXPECT_EQ(pThing->m_iValue, 42);
    EXPECT_TRUE(Aligned(pThing));
    pThing->~bSThing();
    Admin.DeleteObject(pThing);
}

TEST_F(bCMemoryAdminUntracked, EveryBlockIsSixteenByteAlignedWhateverItsSize)
{
    bCMemoryAdmin & Admin = bCMemoryAdmin::GetInstance();
    std::vector<void *> arrBlocks;
    for (int iRound = 0; iRound < 8; ++iRound) // many live blocks of each size, so no lucky first slot
        for (unsigned long uSize = 0; uSize <= 40; ++uSize)
        {
            arrBlocks.push_back(Admin.Malloc(uSize, nullptr, nullptr, -1));
            arrBlocks.push_back(Admin.Realloc(nullptr, uSize, nullptr, nullptr, -1));
            arrBlocks.push_back(Admin.NewObject(uSize, nullptr, nullptr, nullptr, -1));
        }
    for (void * pBlock : arrBlocks)
    {
        ASSERT_NE(pBlock, nullptr);
        EXPECT_TRUE(Aligned(pBlock)) << pBlock;
    }
    for (void * pBlock : arrBlocks)
        Admin.Free(pBlock);
}

TEST_F(bCMemoryAdminUntracked, ObjectNameIsBuiltInTheMessageBuffer)
{
    bCMemoryAdmin & Admin = bCMemoryAdmin::GetInstance();
    std::string const strLong1(600, 'a'), strLong2(700, 'b');
    struct
    {
        char const * m_pcFile;
        char const * m_pcClass;
        char const * m_pcHeader;
        std::string m_strName;
    } const arrCases[] = {
        {"oe_thing.cpp", "bCThing", "oe_thing.h", "oe_thing.cpp(bCThing)"},
        {nullptr, "bCOnlyClass", nullptr, "bCOnlyClass"},
        {strLong1.c_str(), strLong2.c_str(), nullptr, std::string(509, 'a') + "(" + std::string(509, 'b') + ")"},
    };
    for (auto const & Case : arrCases)
    {
        SCOPED_TRACE(Case.m_strName.substr(0, 24));
        void * pObject = Admin.NewObject(8, Case.m_pcFile, Case.m_pcClass, Case.m_pcHeader, 3);
        EXPECT_EQ(std::string(g_carrMsgBuffer), Case.m_strName);
        Admin.DeleteObject(pObject);
    }
}

// ---- tracked: blocks, guards, statistics ----

TEST_F(bCMemoryAdminTracked, ItemDescribesTheBlockBetweenItsGuards)
{
    void * pZero = m_Admin.Malloc(0, "zero", m_strFile.c_str(), 10);
    void * pSecond = m_Admin.Malloc(24, "second", m_strFile.c_str(), 10);
    bSAllocationItem const * pItem = m_Admin.FindAllocationItem(pZero);
    ASSERT_NE(pItem, nullptr);
    EXPECT_EQ(pItem->m_uHeapSize, 32u);
    EXPECT_EQ(pItem->m_uPtrSize, 0u);
    EXPECT_EQ(static_cast<char *>(pItem->m_pHeapAddress) + 16, pZero);
    for (int i = 0; i < 4; ++i)
    {
        EXPECT_EQ(Word(pItem->m_pHeapAddress, i), 0xBAADF00Du);
        EXPECT_EQ(Word(pZero, i), 0xDEADC0DEu);
    }
    EXPECT_EQ(m_Admin.CheckMemoryBlock(pZero), bECheckPtr_Valid);
    bSAllocationItem const * pSecondItem = m_Admin.FindAllocationItem(pSecond);
    ASSERT_NE(pSecondItem, nullptr);
    EXPECT_EQ(pSecondItem->m_uAllocationID, 2u);
    EXPECT_EQ(pSecondItem->m_u8AllocationType, bEMemoryAllocationType_Malloc);
    EXPECT_EQ(pSecondItem->m_pSummery, pItem->m_pSummery);
    EXPECT_STREQ(pItem->m_pSummery->m_carrName, "zero"); // the site keeps its first name
    EXPECT_TRUE(Aligned(pSecond));
    EXPECT_EQ(m_Admin.GetAllocationCount(), 2u);
    m_Admin.Free(pZero);
    EXPECT_EQ(m_Admin.FindAllocationItem(pZero), nullptr);
    m_Admin.Free(pSecond);
}

TEST_F(bCMemoryAdminTracked, StatisticsFollowEveryOperation)
{
    std::string const strA = SiteFile("A"), strB = SiteFile("B");
    void * pA = m_Admin.Malloc(100, "a", strA.c_str(), 1);
    void * pB = m_Admin.Malloc(600, "b", strB.c_str(), 2);
    pA = m_Admin.Realloc(pA, 200, "a", strA.c_str(), 1);
    ASSERT_NE(pA, nullptr);
    m_Admin.Free(pB);
    bSMemoryStatistics S = m_Admin.GetMemoryStatistics();
    EXPECT_EQ((Counts{S.m_uCurrentPtrBytes, S.m_uCurrentHeapBytes, S.m_uCurrentBlocks, S.m_uPeakPtrBytes,
                      S.m_uPeakHeapBytes, S.m_uPeakBlocks, S.m_uTotalPtrBytes, S.m_uTotalHeapBytes, S.m_uTotalBlocks}),
              (Counts{200, 232, 1, 800, 864, 2, 800, 864, 2}));
    EXPECT_EQ(m_Admin.GetAllocationCount(), 3u);
    bSAllocationSummery const A = SiteOf(m_Admin, strA), B = SiteOf(m_Admin, strB);
    EXPECT_EQ(
        (Counts{A.m_uFootprint, A.m_uMaxFootprint, A.m_uItemCount, A.m_uFootprintGrowth, A.m_uItemCountGrowth,
                A.m_uSmallBlockCount, B.m_uFootprint, B.m_uMaxFootprint, B.m_uItemCount, B.m_uFreeListBlockCount}),
        (Counts{200, 200, 1, 200, 1, 1, 0, 600, 0, 0}));

    pA = m_Admin.Realloc(pA, 40, "a", strA.c_str(), 1); // shrinking adds nothing to the accumulated counters
    S = m_Admin.GetMemoryStatistics();
    EXPECT_EQ((Counts{S.m_uTotalPtrBytes, S.m_uCurrentHeapBytes}), (Counts{800, 72}));
    m_Admin.Free(pA);
    EXPECT_EQ(m_Admin.GetMemoryStatistics().m_uCurrentBlocks, 0u);
}

TEST_F(bCMemoryAdminTracked, SizeClassesFollowTheHeapSize)
{
    void * arrBlocks[5] = {};
    unsigned long const arrSizes[5] = {517, 518, 65502, 65503, 1}; // heap 549, 550, 65,534, 65,535 and 33
    for (int i = 0; i < 5; ++i)
        arrBlocks[i] = m_Admin.Malloc(arrSizes[i], nullptr, m_strFile.c_str(), 3);
    bSAllocationSummery Site = SiteOf(m_Admin, m_strFile);
    EXPECT_EQ((Counts{Site.m_uSmallBlockCount, Site.m_uFreeListBlockCount, Site.m_uHeapBlockCount}), (Counts{2, 2, 1}));
    arrBlocks[4] = m_Admin.Realloc(arrBlocks[4], 70000, nullptr, m_strFile.c_str(), 3);
    Site = SiteOf(m_Admin, m_strFile);
    EXPECT_EQ((Counts{Site.m_uSmallBlockCount, Site.m_uFreeListBlockCount, Site.m_uHeapBlockCount}), (Counts{1, 2, 2}));
    for (void * pBlock : arrBlocks)
        m_Admin.Free(pBlock);
    Site = SiteOf(m_Admin, m_strFile);
    EXPECT_EQ((Counts{Site.m_uSmallBlockCount, Site.m_uFreeListBlockCount, Site.m_uHeapBlockCount}), (Counts{0, 0, 0}));
}

TEST_F(bCMemoryAdminTracked, ReallocOfNullAndCallocRecordTheirKinds)
{
    bCExposedAdmin Admin;
    std::string const strFile = SiteFile();
    void * pBlock = Admin.Realloc(nullptr, 12, "r", strFile.c_str(), 4);
    bSAllocationItem const * pItem = Admin.FindAllocationItem(pBlock);
    ASSERT_NE(pItem, nullptr);
    EXPECT_EQ(pItem->m_u8AllocationType, bEMemoryAllocationType_Realloc);
    EXPECT_EQ(pItem->m_uPtrSize, 12u);
    EXPECT_EQ(Admin.GetMemoryStatistics().m_uTotalBlocks, 1u);
    auto * pcZeroed =
        static_cast<unsigned char *>(Admin.AllocatePure(strFile.c_str(), 7, "c", bEMemoryAllocationType_Calloc, 3000));
    ASSERT_NE(pcZeroed, nullptr);
    EXPECT_EQ(std::count(pcZeroed, pcZeroed + 3000, 0), 3000);
    EXPECT_EQ(Admin.FindAllocationItem(pcZeroed)->m_u8AllocationType, bEMemoryAllocationType_Calloc);
    Admin.FreePure(pcZeroed);
    Admin.Free(pBlock);
}

TEST_F(bCMemoryAdminTracked, ReallocKeepsContentsGuardsAndSite)
{
    auto * pcBlock = static_cast<char *>(m_Admin.Malloc(16, "grow", m_strFile.c_str(), 5));
    std::memcpy(pcBlock, "0123456789abcde", 16);
    for (unsigned long uSize = 32; uSize <= (4ul << 20); uSize *= 2)
    {
        pcBlock = static_cast<char *>(m_Admin.Realloc(pcBlock, uSize, "other", SiteFile("other").c_str(), 6));
        ASSERT_NE(pcBlock, nullptr);
        ASSERT_STREQ(pcBlock, "0123456789abcde");
        ASSERT_EQ(m_Admin.CheckMemoryBlock(pcBlock), bECheckPtr_Valid);
        ASSERT_EQ(m_Admin.FindAllocationItem(pcBlock)->m_uPtrSize, uSize);
    }
    EXPECT_EQ(SiteOf(m_Admin, m_strFile).m_uFootprint, 4ul << 20); // still the site of the first allocation
    m_Admin.Free(pcBlock);
}

TEST_F(bCMemoryAdminTracked, SiteTextsAreCutAndNullTextsBecomeDashes)
{
    std::string const strUnique = "bCOnlyText2_" + SiteFile();
    void * pObject = m_Admin.NewObject(8, m_strFile.c_str(), "bCThing", "unused", 8);
    void * pNoFile = m_Admin.NewObject(8, nullptr, strUnique.c_str(), nullptr, 9);
    void * pNoTexts = m_Admin.Malloc(4, nullptr, nullptr, 987654);
    struct
    {
        void * m_pBlock;
        std::string m_strFile, m_strName;
    } const arrCases[] = {{pObject, m_strFile, (m_strFile + "(bCThing)").substr(0, 37)},
                          {pNoFile, "-", strUnique.substr(0, 37)},
                          {pNoTexts, "-", "-"}};
    for (auto const & Case : arrCases)
    {
        SCOPED_TRACE(Case.m_strName);
        bSAllocationItem const * pItem = m_Admin.FindAllocationItem(Case.m_pBlock);
        ASSERT_NE(pItem, nullptr);
        EXPECT_EQ(pItem->m_pSummery->m_carrSourceFile, Case.m_strFile);
        EXPECT_EQ(pItem->m_pSummery->m_carrName, Case.m_strName);
    }
    EXPECT_EQ(m_Admin.FindAllocationItem(pObject)->m_u8AllocationType, bEMemoryAllocationType_New);
    EXPECT_EQ(m_Admin.FindAllocationItem(pNoTexts)->m_pSummery->m_iLine, 987654);
    m_Admin.DeleteObject(pObject);
    m_Admin.DeleteObject(pNoFile);
    m_Admin.Free(pNoTexts);
}

TEST_F(bCMemoryAdminTracked, SiteIsKeyedByTheFirst61Characters)
{
    std::string const strBase = (SiteFile() + std::string(61, 'x')).substr(0, 61);
    void * pFirst = m_Admin.Malloc(1, "n", (strBase + "_first.cpp").c_str(), 31);
    void * pSecond = m_Admin.Malloc(1, "n", (strBase + "_second.cpp").c_str(), 31);
    void * pOtherLine = m_Admin.Malloc(1, "n", (strBase + "_second.cpp").c_str(), 32);
    bSAllocationSummery const * pSite = m_Admin.FindAllocationItem(pFirst)->m_pSummery;
    EXPECT_EQ(pSite, m_Admin.FindAllocationItem(pSecond)->m_pSummery);
    EXPECT_NE(pSite, m_Admin.FindAllocationItem(pOtherLine)->m_pSummery);
    EXPECT_EQ(std::string(pSite->m_carrSourceFile), strBase);
    EXPECT_EQ(pSite->m_carrSourceFile[61], 0);
    EXPECT_EQ(pSite->m_uItemCount, 2u);

    // Texts at every alignment: equal ones share a site, a text that ends
    // earlier or later, or differs in one character, does not.
    alignas(16) char carrArea[8][96];
    std::vector<void *> arrBlocks = {pFirst, pSecond, pOtherLine};
    bSAllocationSummery const * pFirstSite = nullptr;
    for (int iShift = 0; iShift < 8; ++iShift)
    {
        char * pcText = carrArea[iShift] + iShift;
        std::memset(carrArea[iShift], 'z', sizeof(carrArea[iShift])); // bytes behind the terminator differ
        std::memcpy(pcText, m_strFile.c_str(), m_strFile.size() + 1);
        arrBlocks.push_back(m_Admin.Malloc(4, "s", pcText, 90));
        if (!pFirstSite)
            pFirstSite = m_Admin.FindAllocationItem(arrBlocks.back())->m_pSummery;
        EXPECT_EQ(m_Admin.FindAllocationItem(arrBlocks.back())->m_pSummery, pFirstSite) << iShift;
    }
    for (std::string const & strOther :
         {m_strFile.substr(0, m_strFile.size() - 1), m_strFile + "x", "X" + m_strFile.substr(1),
          m_strFile.substr(0, 9) + "#" + m_strFile.substr(10)})
    {
        arrBlocks.push_back(m_Admin.Malloc(4, "s", strOther.c_str(), 90));
        EXPECT_NE(m_Admin.FindAllocationItem(arrBlocks.back())->m_pSummery, pFirstSite) << strOther;
    }
    for (void * pBlock : arrBlocks)
        m_Admin.Free(pBlock);
}

TEST_F(bCMemoryAdminTracked, ArrayBlocksCountAndFindTheirItem)
{
    void * pArray = m_Admin.NewObjectArray(5 * 8, 5, m_strFile.c_str(), "double", nullptr, 11);
    ASSERT_NE(pArray, nullptr);
    EXPECT_TRUE(Aligned(pArray));
    EXPECT_EQ(m_Admin.GetArrayBlockCount(pArray), 5);
    bSAllocationItem const * pItem = m_Admin.FindAllocationItem(static_cast<char *>(pArray) - 16);
    ASSERT_NE(pItem, nullptr);
    EXPECT_EQ(pItem->m_uPtrSize, 5u * 8 + 16);
    EXPECT_EQ(pItem->m_u8AllocationType, bEMemoryAllocationType_NewArray);
    void * pObject = m_Admin.NewObject(64, m_strFile.c_str(), "single", nullptr, 12);
    void * pMalloc = m_Admin.Malloc(64, "m", m_strFile.c_str(), 13);
    EXPECT_EQ(m_Admin.GetArrayBlockCount(pObject), -1);
    EXPECT_EQ(m_Admin.GetArrayBlockCount(pMalloc), -1);
    m_Admin.DeleteObjectArray(pArray);
    m_Admin.DeleteObject(pObject);
    m_Admin.Free(pMalloc);
    EXPECT_EQ(m_Admin.GetMemoryStatistics().m_uCurrentBlocks, 0u);
}

// ---- tracked: bad input ----

TEST_F(bCMemoryAdminTracked, UnknownPointersAndDoubleFreesAreIgnored)
{
    void * pBlock = m_Admin.Malloc(32, "d", SiteFile().c_str(), 14);
    int iStack = 0;
    void * pForeign = bCMemoryAdmin::GetInstance().Malloc(32, nullptr, nullptr, -1);
    EXPECT_EQ(m_Admin.CheckMemoryBlock(&iStack), bECheckPtr_Unknown);
    EXPECT_EQ(m_Admin.CheckMemoryBlock(nullptr), bECheckPtr_Null);
    m_Admin.Free(&iStack);
    m_Admin.Free(pForeign);
    m_Admin.Free(pBlock);
    m_Admin.Free(pBlock);
    bSMemoryStatistics const S = m_Admin.GetMemoryStatistics();
    EXPECT_EQ((Counts{S.m_uCurrentBlocks, S.m_uTotalBlocks}), (Counts{0, 1}));
    EXPECT_TRUE(MemoryErrorBoxes().empty());
    bCMemoryAdmin::GetInstance().Free(pForeign); // the foreign block is still intact

    alignas(16) char carrNotOurs[64] = {};
    void * pResult = nullptr;
    std::string const strOut =
        AssertionOutput([&] { pResult = m_Admin.Realloc(carrNotOurs + 16, 100, "u", "u.cpp", 1); });
    EXPECT_EQ(pResult, nullptr);
    EXPECT_THAT(strOut, HasSubstr("0 != pAllocItem"));
    EXPECT_EQ(MemoryErrorBoxes(), std::vector<std::string>{"bCMemoryAdmin::ReallocatePure error: "
                                                           "bCMemoryAdmin::ReallocPure - Requested memory is not in "
                                                           "internal memory pool"});
}

TEST_F(bCMemoryAdminTracked, FreeAndReallocAssertKnownKindBreakFlagsAndGuards)
{
    auto * pcBlock = static_cast<char *>(m_Admin.Malloc(8, "dmg", m_strFile.c_str(), 15));
    pcBlock[-1] = 0;
    std::string strOut = AssertionOutput([&] { m_Admin.Free(pcBlock); });
    EXPECT_THAT(strOut, HasSubstr("true == this->ValidateAllocationItem( 0, *pAllocItem )"));
    EXPECT_EQ(m_Admin.GetMemoryStatistics().m_uCurrentBlocks, 0u); // the answer was to go on: freed

    void * pBlock = m_Admin.Malloc(16, "k", m_strFile.c_str(), 81);
    bSAllocationItem * pItem = m_Admin.FindAllocationItem(pBlock);
    ASSERT_NE(pItem, nullptr);
    pItem->m_u8AllocationType = 5; // a kind no item stores
    pItem->m_u8BreakOnDealloc = 1;
    strOut = AssertionOutput([&] { m_Admin.Free(pBlock); });
    EXPECT_THAT(strOut, HasSubstr(KindCheck({"Malloc", "Calloc", "Realloc", "New", "NewArray"})));
    EXPECT_THAT(strOut, HasSubstr("false == pAllocItem->m_u8BreakOnDealloc"));
    EXPECT_EQ(m_Admin.GetMemoryStatistics().m_uCurrentBlocks, 0u);

    void * pObject = m_Admin.NewObject(16, m_strFile.c_str(), "bCThing", nullptr, 80);
    strOut = AssertionOutput([&] { pBlock = m_Admin.Realloc(pObject, 32, "r", m_strFile.c_str(), 80); });
    EXPECT_THAT(strOut, HasSubstr(KindCheck({"Malloc", "Calloc", "Realloc"})));
    ASSERT_NE(pBlock, nullptr); // the answer was to go on: reallocated, now of the given kind
    EXPECT_EQ(m_Admin.FindAllocationItem(pBlock)->m_u8AllocationType, bEMemoryAllocationType_Realloc);
    m_Admin.Free(pBlock);
}

TEST_F(bCMemoryAdminTracked, SecondCreateChangesNothing)
{
    void * pBlock = m_Admin.Malloc(8, "c", SiteFile().c_str(), 16);
    m_Admin.Create();
    bCMemoryAdmin::GetInstance().Create();
    EXPECT_TRUE(m_Admin.IsPoolValid() && bCMemoryAdmin::IsMemoryAdminInitialized());
    EXPECT_EQ(m_Admin.CheckMemoryBlock(pBlock), bECheckPtr_Valid);
    EXPECT_EQ(m_Admin.GetMemoryStatistics().m_uCurrentBlocks, 1u);
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
        EXPECT_EQ(Leaker.GetMemoryStatistics().m_uCurrentBlocks, 0u);
        EXPECT_FALSE(Leaker.IsPoolValid());
    }
    EXPECT_EQ(Survivor.FindAllocationItem(pLeaked), nullptr);
    EXPECT_EQ(Survivor.CheckMemoryBlock(pKept), bECheckPtr_Valid);
    EXPECT_TRUE(bCMemoryAdmin::IsMemoryAdminInitialized());
    bSAllocationSummery arrTop[2] = {};
    ASSERT_EQ(Survivor.GetSummeryObservedTopTen(arrTop, 2, m_strFile.c_str()), 2);
    EXPECT_EQ(arrTop[0].m_uItemCount + arrTop[1].m_uItemCount, 1u);
    Survivor.Free(pKept);
}

TEST_F(bCMemoryAdminTracked, TwoThreadsShareOneInstance)
{
    std::string const strA = SiteFile("A"), strB = SiteFile("B");
    auto Work = [this](std::string const & a_strFile) {
        void * arrLive[16] = {};
        for (int i = 0; i < 4000; ++i)
        {
            void *& pSlot = arrLive[i % 16];
            m_Admin.Free(pSlot);
            pSlot = m_Admin.Malloc(16 + i % 100, "t", a_strFile.c_str(), 19);
        }
        for (void * pBlock : arrLive)
            m_Admin.Free(pBlock);
    };
    std::thread First(Work, std::cref(strA)), Second(Work, std::cref(strB));
    First.join();
    Second.join();
    bSMemoryStatistics const S = m_Admin.GetMemoryStatistics();
    EXPECT_EQ((Counts{S.m_uCurrentBlocks, S.m_uCurrentPtrBytes, S.m_uTotalBlocks, m_Admin.GetAllocationCount()}),
              (Counts{0, 0, 8000, 8000}));
    EXPECT_FALSE(m_Admin.ValidateAllAllocationItems(&RecordReport));
}

TEST_F(bCMemoryAdminTracked, LockIsReenteredOnceThreadsExist)
{
    std::thread([] {}).join(); // from here on the process has run two threads
    std::thread([&] {
        void * pBlock = m_Admin.Realloc(nullptr, 24, "re", m_strFile.c_str(), 91); // Realloc enters Allocate
        void * pObject = m_Admin.NewObject(24, m_strFile.c_str(), "bCThing", nullptr, 92);
        m_Admin.Free(pBlock);
        m_Admin.DeleteObject(pObject);
    }).join();
    EXPECT_EQ((Counts{m_Admin.GetMemoryStatistics().m_uTotalBlocks, m_Admin.GetMemoryStatistics().m_uCurrentBlocks}),
              (Counts{2, 0}));
}

// ---- reports ----

namespace
{
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

TEST_F(bCMemoryAdminReports, OneBytePastTheEndGivesOneUpperboundTextAndTheDump)
{
    auto * pcBlock = static_cast<char *>(m_Admin.Malloc(10, "over", m_strFile.c_str(), 40));
    bSAllocationItem const & Item = *m_Admin.FindAllocationItem(pcBlock);
    pcBlock[10] = 'X';
    EXPECT_EQ(m_Admin.CheckMemoryBlock(pcBlock), bECheckPtr_Corrupted);
    EXPECT_FALSE(m_Admin.ValidateAllocationItem(&RecordReport, Item));
    EXPECT_EQ(ReportTexts(), (std::vector<std::string>{ExpectedCorruption("upperbound", Item, "over", 40, m_strFile),
                                                       ExpectedDump(Item, "over", 40, m_strFile)}));
    for (bSReport const & Report : Reports())
        EXPECT_EQ(Report.m_pItem, &Item);
    pcBlock[10] = static_cast<char>(0xDE);
    EXPECT_EQ(m_Admin.CheckMemoryBlock(pcBlock), bECheckPtr_Valid);
    m_Admin.Free(pcBlock);
}

TEST_F(bCMemoryAdminReports, EveryDamagedWordIsReported)
{
    auto * pcBlock = static_cast<char *>(m_Admin.Malloc(20, "all", m_strFile.c_str(), 41));
    bSAllocationItem const & Item = *m_Admin.FindAllocationItem(pcBlock);
    std::memset(pcBlock + 20, 0, 16);
    m_Admin.ValidateAllocationItem(&RecordReport, Item);
    EXPECT_EQ(Reports().size(), 8u); // a text and the dump for each of the four words
    Reports().clear();
    pcBlock[-16] = 0; // first lower word
    pcBlock[-1] = 0;  // last lower word
    m_Admin.ValidateAllocationItem(&RecordReport, Item);
    ASSERT_EQ(Reports().size(), 12u);
    EXPECT_EQ(Reports()[0].m_strText, ExpectedCorruption("lowerbound", Item, "all", 41, m_strFile));
    EXPECT_THAT(Reports()[2].m_strText, StartsWith("<corrupted, upperbound>")); // word 0 below, then word 0 above
    EXPECT_THAT(Reports()[8].m_strText, StartsWith("<corrupted, lowerbound>")); // word 3 below
    for (int i = 0; i < 4; ++i)
    {
        uint32_t const uLower = 0xBAADF00D, uUpper = 0xDEADC0DE;
        std::memcpy(pcBlock - 16 + 4 * i, &uLower, 4);
        std::memcpy(pcBlock + 20 + 4 * i, &uUpper, 4);
    }
    EXPECT_EQ(m_Admin.CheckMemoryBlock(pcBlock), bECheckPtr_Valid);
    m_Admin.Free(pcBlock);
}

TEST_F(bCMemoryAdminReports, ValidateAllCountsDamagedBlocks)
{
    auto * pcFirst = static_cast<char *>(m_Admin.Malloc(4, "v", m_strFile.c_str(), 42));
    auto * pcSecond = static_cast<char *>(m_Admin.Malloc(4, "v", m_strFile.c_str(), 42));
    void * pIntact = m_Admin.Malloc(4, "v", m_strFile.c_str(), 42);
    EXPECT_FALSE(m_Admin.ValidateAllAllocationItems(&RecordReport));
    EXPECT_TRUE(Reports().empty());
    pcFirst[4] ^= 1;
    pcSecond[-5] ^= 1;
    EXPECT_TRUE(m_Admin.ValidateAllAllocationItems(&RecordReport));
    ASSERT_EQ(Reports().size(), 5u);
    EXPECT_EQ(Reports().back().m_strText,
              "bCMemoryAdmin::ValidateAllAllocationItems - warning: 2 corrupted allocation items were found\n\n");
    EXPECT_EQ(Reports().back().m_pItem, nullptr);
    EXPECT_TRUE(m_Admin.ValidateAllAllocationItems(nullptr));
    pcFirst[4] ^= 1;
    pcSecond[-5] ^= 1;
    for (void * pBlock : {static_cast<void *>(pcFirst), static_cast<void *>(pcSecond), pIntact})
        m_Admin.Free(pBlock);
}

// Validation and the summaries walk the process-wide item table, so one
// instance sees the blocks of another; only Destroy keeps to its own.
TEST_F(bCMemoryAdminReports, ReportsOfOneInstanceSeeTheBlocksOfAnother)
{
    bCMemoryAdmin Reporter(true), Owner(true);
    auto * pcBlock = static_cast<char *>(Owner.Malloc(4, "theirs", m_strFile.c_str(), 46));
    pcBlock[4] ^= 1;
    EXPECT_TRUE(Reporter.ValidateAllAllocationItems(nullptr));
    pcBlock[4] ^= 1;
    ASSERT_TRUE(Reporter.CollectItemSummary(&RecordReport));
    std::vector<std::string> const arrTexts = ReportTexts();
    EXPECT_THAT(arrTexts, ::testing::Contains("Object: 'theirs' at line:46 <" + m_strFile + ">: "));
    Reporter.Destroy();
    EXPECT_EQ(Owner.CheckMemoryBlock(pcBlock), bECheckPtr_Valid);
    Owner.Free(pcBlock);
}

TEST_F(bCMemoryAdminReports, HeapStatisticsText)
{
    void * pA = m_Admin.Malloc(100, "a", m_strFile.c_str(), 43);
    m_Admin.Free(m_Admin.Malloc(50, "b", m_strFile.c_str(), 43));
    m_Admin.DumpHeapStatistics(&RecordReport);
    ASSERT_EQ(Reports().size(), 1u);
    EXPECT_EQ(Reports()[0].m_strText,
              "\nCurrent:\nNumber of elements allocated         :    1\nMemory allocated by application      :    "
              "100 bytes\nMemory allocated total (heap)        :    132 bytes\nHeapprofiler overhead                : "
              "   32 bytes\n\nPeaks:\nMaximum of allocated elements        :    2\nMaximum memory allocation       "
              "     :    150 bytes\nMaximum heap memory allocation       :    214 bytes\n\nSummary:\nAllocated "
              "elements accumulated       :    2\nMemory allocation accumulated        :    150 bytes\nHeap memory "
              "allocation (accumulated) :    214 bytes\n");
    EXPECT_EQ(Reports()[0].m_pItem, nullptr);
    m_Admin.Free(pA);
}

TEST_F(bCMemoryAdminReports, PerSiteListingGroupsBlocksBySite)
{
    std::string const strA = SiteFile("A"), strB = SiteFile("B");
    void * arrBlocks[3] = {m_Admin.Malloc(10, "alpha", strA.c_str(), 44), m_Admin.Malloc(20, "beta", strB.c_str(), 45),
                           m_Admin.Malloc(30, "alpha", strA.c_str(), 44)};
    EXPECT_FALSE(m_Admin.CollectItemSummary(nullptr));
    EXPECT_TRUE(m_Admin.CollectItemSummary(&RecordReport));
    std::vector<std::string> arrA = {"Object: 'alpha' at line:44 <" + strA + ">: ",
                                     "  Summary: Allocs: 2, Invalid: 0, Heapsize: 104, Ptrsize: 40 \n"};
    std::vector<std::string> arrB = {"Object: 'beta' at line:45 <" + strB + ">: ",
                                     "  Summary: Allocs: 1, Invalid: 0, Heapsize: 52, Ptrsize: 20 \n"};
    // Sites come in descending order of their record's address.
    if (m_Admin.FindAllocationItem(arrBlocks[0])->m_pSummery < m_Admin.FindAllocationItem(arrBlocks[1])->m_pSummery)
        std::swap(arrA, arrB);
    EXPECT_EQ(ReportTexts(), (std::vector<std::string>{arrA[0], arrA[1], arrB[0], arrB[1], "", std::string(69, '-'),
                                                       "Last allocated entries", ""}));
    for (void * pBlock : arrBlocks)
        m_Admin.Free(pBlock);
}

TEST_F(bCMemoryAdminReports, DiffAndLeakReportsShowNewAndDamagedBlocks)
{
    std::string const strNew = SiteFile("new");
    void * pOld = m_Admin.Malloc(10, "old", m_strFile.c_str(), 46);
    m_Admin.DumpLeakReport(&RecordReport);
    EXPECT_TRUE(Reports().empty()); // intact blocks give no text
    m_Admin.CollectItemSummaryDiff(&RecordReport);
    Reports().clear();
    auto * pcNew = static_cast<char *>(m_Admin.Malloc(24, "new", strNew.c_str(), 47));
    pcNew[24] = 0;
    EXPECT_TRUE(m_Admin.CollectItemSummaryDiff(&RecordReport));
    ASSERT_EQ(Reports().size(), 8u);
    EXPECT_EQ(Reports()[0].m_strText, "Object: 'new' at line:47 <" + strNew + ">: ");
    EXPECT_THAT(Reports()[1].m_strText, StartsWith("<corrupted, upperbound>"));
    EXPECT_EQ(Reports()[3].m_strText, "  Summary: Allocs: 1, Invalid: 1, Heapsize: 56, Ptrsize: 24 \n");
    EXPECT_EQ(Reports()[6].m_strText, "Last allocated entries since AllocCount: 1 ");
    pcNew[24] = static_cast<char>(0xDE);
    pcNew[-1] = 0;
    Reports().clear();
    EXPECT_TRUE(m_Admin.CollectItemSummaryDiff(&RecordReport));
    ASSERT_EQ(Reports().size(), 4u); // nothing new: only the closing texts
    EXPECT_EQ(Reports()[2].m_strText, "Last allocated entries since AllocCount: 2 ");
    Reports().clear();
    m_Admin.DumpLeakReport(&RecordReport);
    ASSERT_EQ(Reports().size(), 2u);
    EXPECT_THAT(Reports()[0].m_strText, StartsWith("<corrupted, lowerbound>"));
    pcNew[-1] = static_cast<char>(0xBA);
    m_Admin.Free(pOld);
    m_Admin.Free(pcNew);
}

TEST_F(bCMemoryAdminReports, TopTenQueriesOrderSitesByKey)
{
    std::string const strTag = SiteFile("_topten");
    std::vector<void *> arrBlocks;
    // Site i holds i blocks of 1000 * i bytes (heap sizes of all three classes).
    for (int iSite = 1; iSite <= 5; ++iSite)
        for (int i = 0; i < iSite; ++i)
            arrBlocks.push_back(
                m_Admin.Malloc(iSite == 5 ? 70000 : 100 * iSite * iSite, "t", strTag.c_str(), 50 + iSite));
    bSAllocationSummery arrTop[10] = {};
    ASSERT_EQ(m_Admin.GetSummeryObservedTopTen(arrTop, 3, strTag.c_str()), 3);
    EXPECT_EQ((std::vector<int>{arrTop[0].m_iLine, arrTop[1].m_iLine, arrTop[2].m_iLine}),
              (std::vector<int>{55, 54, 53}));
    EXPECT_EQ(arrTop[1].m_uFootprint, 4u * 1600);
    EXPECT_EQ(m_Admin.GetSummeryObservedTopTen(arrTop, 10, strTag.c_str()), 5);
    EXPECT_EQ(arrTop[4].m_iLine, 51);
    EXPECT_EQ(m_Admin.GetSummeryObservedTopTen(arrTop, 0, strTag.c_str()), 0);

    EXPECT_EQ(m_Admin.GetSummeryFootprintTopTen(arrTop, 1), 1);
    EXPECT_GE(arrTop[0].m_uFootprint, 5u * 70000);

    int iTotal = 1000; // added to, not reset
    m_Admin.GetSummeryHeapAllocTopTen(arrTop, 1, iTotal);
    EXPECT_GE(iTotal, 1005);
    EXPECT_GE(arrTop[0].m_uHeapBlockCount, 5u);
    int iSmall = 0, iFreeList = 0;
    m_Admin.GetSummerySmallAllocTopTen(arrTop, 2, iSmall);
    m_Admin.GetSummeryFreeListAllocTopTen(arrTop, 2, iFreeList);
    EXPECT_GE(iSmall, 3);    // sites 1 and 2: heap 132 and 432
    EXPECT_GE(iFreeList, 7); // sites 3 and 4: heap 932 and 1632

    m_Admin.MakeSummeryItemGrowSnapshot();
    void * pGrown = m_Admin.Malloc(7, "t", strTag.c_str(), 52);
    ASSERT_GE(m_Admin.GetSummeryItemCountGrowTopTen(arrTop, 1), 1);
    EXPECT_EQ(arrTop[0].m_iLine, 52);
    EXPECT_EQ(arrTop[0].m_uItemCountGrowth, 1u);
    ASSERT_GE(m_Admin.GetSummeryFootprintGrowTopTen(arrTop, 1), 1);
    EXPECT_EQ(arrTop[0].m_uFootprintGrowth, 7u);
    m_Admin.Free(pGrown);
    for (void * pBlock : arrBlocks)
        m_Admin.Free(pBlock);
    EXPECT_EQ(bCMemoryAdmin::GetInstance().GetSummeryFootprintTopTen(arrTop, 10), 0); // untracked
}

TEST_F(bCMemoryAdminReports, AllocationReportNamesEveryRequest)
{
    m_Admin.EnableAllocationReport(true);
    bCMessageRecorder Recorder;
    void * pBlock = m_Admin.Malloc(16, "rep", m_strFile.c_str(), 70);
    pBlock = m_Admin.Realloc(pBlock, 32, "rep", m_strFile.c_str(), 71);
    std::string const strOut = Recorder.GetAll();
    EXPECT_THAT(strOut, HasSubstr("bCMemoryAdmin::AllocatePure:  00001   malloc of size 0x00000010(00000016) \n by "
                                  "Sourcefile:" +
                                  m_strFile + ", #Line:70, Name:rep"));
    m_Admin.EnableAllocationReport(false);
    m_Admin.Free(pBlock);
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
    EXPECT_EQ(m_Admin.GetMemoryStatistics().m_uCurrentPtrBytes, 100u);
    EXPECT_EQ(SiteOf(m_Admin, m_strFile).m_uFootprint, 100u);
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
