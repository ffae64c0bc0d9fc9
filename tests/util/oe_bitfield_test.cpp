#include <vellmark/util/oe_bitfield.h>
#include <vellmark/util/oe_trackbitfield.h>

#include "kernel/oe_stream_testsupport.h"
#include "support/oe_messagerecorder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

// Both classes share every rule but the counting; the typed tests run on both.
namespace
{
    template <typename T> class bTBitFieldTest : public ::testing::Test
    {
    };
    using bTBitFieldTypes = ::testing::Types<bCBitField, bCTrackBitField>;
    TYPED_TEST_SUITE(bTBitFieldTest, bTBitFieldTypes);

    template <typename T> std::vector<uint32_t> GetWords(T & a_Field)
    {
        int const iWordCount = a_Field.GetCount() / 32 + 1;
        return std::vector<uint32_t>(a_Field.AccessBitField(), a_Field.AccessBitField() + iWordCount);
    }

    template <typename T> T MakeField(int a_iBitCount, std::vector<uint32_t> const & a_arrWords)
    {
        T Field(a_iBitCount);
        std::memcpy(Field.AccessBitField(), a_arrWords.data(), a_arrWords.size() * 4);
        Field.SetCount(a_iBitCount); // the tracking class recounts
        return Field;
    }

    bool GetBit(std::vector<uint32_t> const & a_arrWords, long a_lIndex)
    {
        return (a_arrWords[a_lIndex / 32] >> (a_lIndex % 32)) & 1u;
    }

    // The shifts exactly as described, one bit at a time; spare bits stay as they were.
    std::vector<uint32_t> ReferenceShift(std::vector<uint32_t> a_arrWords, long a_lCount, long a_lShift, bool a_bLeft)
    {
        long const lBy = a_lShift < 0 ? -a_lShift : a_lShift;
        long const lFrom = (a_lShift < 0) == a_bLeft ? lBy : -lBy; // bit i takes bit i + lFrom
        if (lBy >= a_lCount)
            return std::vector<uint32_t>(a_arrWords.size(), 0u);
        std::vector<uint32_t> arrResult = a_arrWords;
        for (long i = 0; i < a_lCount; ++i)
        {
            bool const bBit = i + lFrom >= 0 && i + lFrom < a_lCount && GetBit(a_arrWords, i + lFrom);
            arrResult[i / 32] = (arrResult[i / 32] & ~(1u << (i % 32))) | (uint32_t(bBit) << (i % 32));
        }
        return arrResult;
    }

    std::vector<uint32_t> RandomWords(std::mt19937 & a_Random, int a_iBitCount)
    {
        std::vector<uint32_t> arrWords(static_cast<size_t>(a_iBitCount / 32 + 1));
        for (uint32_t & u32Word : arrWords)
            u32Word = static_cast<uint32_t>(a_Random());
        return arrWords;
    }

    int CountBelow(std::vector<uint32_t> const & a_arrWords, int a_iBitCount)
    {
        int iCount = 0;
        for (int i = 0; i < a_iBitCount; ++i)
            iCount += GetBit(a_arrWords, i);
        return iCount;
    }

    template <typename T> CBytes ToBytes(T const & a_Field)
    {
        bCMemoryStream Stream;
        a_Field >> Stream;
        return GetBytes(Stream);
    }

    template <typename T> void FromBytes(T & a_Field, CBytes const & a_arrBytes)
    {
        bCMemoryStream Stream;
        Fill(Stream, a_arrBytes);
        a_Field << Stream;
    }

    // A version byte, then 32-bit little-endian words.
    std::vector<unsigned char> StreamBytes(unsigned char a_u8Version, std::vector<uint32_t> const & a_arrWords)
    {
        std::vector<unsigned char> arrBytes = {a_u8Version};
        for (uint32_t u32Word : a_arrWords)
            for (int i = 0; i < 4; ++i)
                arrBytes.push_back(static_cast<unsigned char>(u32Word >> (8 * i)));
        return arrBytes;
    }

    constexpr bool IsTracking(bCBitField const *) { return false; }
    constexpr bool IsTracking(bCTrackBitField const *) { return true; }
} // namespace

TYPED_TEST(bTBitFieldTest, SizesFollowTheBitCountAndSingleBitsCount)
{
    TypeParam Default;
    EXPECT_EQ(Default.GetCount(), 64);
    EXPECT_TRUE(Default.IsValidIndex(63));
    EXPECT_FALSE(Default.IsValidIndex(64));
    struct
    {
        int m_iBit, m_iSlot, m_iOffset;
        uint32_t m_uMask;
    } const arrPlaces[] = {{0, 0, 0, 1u}, {31, 0, 31, 0x80000000u}, {32, 1, 0, 1u}, {37, 1, 5, 0x20u}, {95, 2, 31, 0x80000000u}};
    for (auto const & Place : arrPlaces)
    {
        SCOPED_TRACE(Place.m_iBit);
        EXPECT_EQ(TypeParam::GetSlotIndex(Place.m_iBit), Place.m_iSlot);
        EXPECT_EQ(TypeParam::GetOffset(Place.m_iBit), Place.m_iOffset);
        EXPECT_EQ(TypeParam::GetMask(Place.m_iBit), Place.m_uMask);
    }
    int const arrCases[][2] = {{0, 1}, {31, 1}, {32, 2}, {-5, 1}}; // bits, words
    for (auto const & Case : arrCases)
    {
        SCOPED_TRACE(Case[0]);
        TypeParam Sized(Case[0]);
        std::vector<unsigned char> const arrBytes = ToBytes(Sized);
        uint32_t u32WordCount = 0;
        std::memcpy(&u32WordCount, arrBytes.data() + 1, 4);
        EXPECT_EQ(u32WordCount, static_cast<uint32_t>(Case[1]));
        EXPECT_EQ(Sized.GetCount(), Case[0] < 0 ? 0 : Case[0]);
    }

    TypeParam Field(64);
    for (int i = 0; i < 64; ++i)
        Field.Enable(i);
    Field.Enable(5); // already enabled: no change
    EXPECT_EQ(Field.GetCountEnabled(), 64);
    Field.Toggle(5);
    Field.SetAt(6, false);
    Field.Disable(7);
    Field.Disable(7);
    EXPECT_TRUE(Field.IsDisabled(5));
    EXPECT_FALSE(Field[6]);
    EXPECT_FALSE(Field.GetAt(7));
    EXPECT_TRUE(Field.IsEnabled(8));
    EXPECT_EQ(Field.GetCountEnabled(), 61);
    EXPECT_EQ(Field.GetCountDisabled(), 3);
}

TYPED_TEST(bTBitFieldTest, WholeFieldOperationsIncludeSpareBits)
{
    TypeParam Field(40);
    Field.EnableAll();
    EXPECT_EQ(GetWords(Field), (std::vector<uint32_t>{0xFFFFFFFFu, 0xFFFFFFFFu}));
    EXPECT_EQ(Field.GetCountEnabled(), 40);
    EXPECT_FALSE(Field.IsAnyDisabled());
    Field.Disable(3);
    Field.Invert();
    EXPECT_EQ(GetWords(Field), (std::vector<uint32_t>{0x8u, 0u}));
    EXPECT_EQ(Field.GetCountEnabled(), 1);
    Field.DisableAll();
    EXPECT_EQ(GetWords(Field), (std::vector<uint32_t>{0u, 0u}));

    // Lowering the count keeps the surviving words; raising it again shows
    // the enabled bits that were spare meanwhile.
    Field.EnableAll();
    Field.SetCount(20);
    EXPECT_EQ(Field.GetCountEnabled(), 20);
    EXPECT_FALSE(Field.IsAnyDisabled());
    Field.SetCount(40);
    EXPECT_EQ(GetWords(Field), (std::vector<uint32_t>{0xFFFFFFFFu, 0u}));
    EXPECT_EQ(Field.GetCountEnabled(), 32);

    TypeParam Spare = MakeField<TypeParam>(10, {0xFFFFFC00u}); // only spare bits
    EXPECT_EQ(Spare.GetCountEnabled(), 0);
    EXPECT_EQ(Spare.GetFirstEnabled(), -1);
    EXPECT_EQ(Spare.IsAnyEnabled(), !IsTracking(&Spare)); // the plain field sees them only here
    EXPECT_TRUE(Spare.IsAnyDisabled());
}

TYPED_TEST(bTBitFieldTest, IterationVisitsMatchingBitsInOrder)
{
    std::mt19937 Random(7);
    for (int iBitCount : {1, 10, 31, 32, 33, 64, 100, 257})
    {
        SCOPED_TRACE(iBitCount);
        std::vector<uint32_t> arrWords = RandomWords(Random, iBitCount);
        TypeParam Field = MakeField<TypeParam>(iBitCount, arrWords);
        std::vector<int> arrEnabled, arrDisabled, arrFoundEnabled, arrFoundDisabled;
        for (int i = 0; i < iBitCount; ++i)
            (GetBit(arrWords, i) ? arrEnabled : arrDisabled).push_back(i);
        for (int i = Field.GetFirstEnabled(); i != -1; i = Field.GetNextEnabled())
            arrFoundEnabled.push_back(i);
        for (int i = Field.GetFirstDisabled(); i != -1; i = Field.GetNextDisabled())
            arrFoundDisabled.push_back(i);
        EXPECT_EQ(arrFoundEnabled, arrEnabled);
        EXPECT_EQ(arrFoundDisabled, arrDisabled);
        EXPECT_EQ(Field.GetNextDisabled(), -1); // stays done
    }
    TypeParam Field(64);
    Field.EnableAll();
    EXPECT_EQ(Field.GetFirstDisabled(), -1); // spare bits are not visited
}

TYPED_TEST(bTBitFieldTest, ShiftsAndLogicMoveBitsAsDescribed)
{
    std::mt19937 Random(11);
    for (int iBitCount : {1, 10, 32, 33, 64, 100})
        for (long lShift : {-1000L, -70L, -33L, -1L, 0L, 1L, 2L, 31L, 32L, 33L, 63L, 64L, 65L, 99L, 100L})
            for (bool bLeft : {true, false})
            {
                SCOPED_TRACE(testing::Message() << iBitCount << (bLeft ? " << " : " >> ") << lShift);
                std::vector<uint32_t> const arrWords = RandomWords(Random, iBitCount);
                TypeParam Shifted = MakeField<TypeParam>(iBitCount, arrWords);
                bLeft ? (Shifted <<= lShift) : (Shifted >>= lShift);
                std::vector<uint32_t> const arrExpected = ReferenceShift(arrWords, iBitCount, lShift, bLeft);
                EXPECT_EQ(GetWords(Shifted), arrExpected);
                EXPECT_EQ(Shifted.GetCountEnabled(), CountBelow(arrExpected, iBitCount));
            }

    // The shorter field changes only its own words; the expanding forms take the longer count.
    TypeParam const Long = MakeField<TypeParam>(70, {0xF0F0F0F0u, 0xFFFF0000u, 0x3Fu});
    TypeParam const Short = MakeField<TypeParam>(33, {0xFF00FF00u, 0x1u});
    using bFApply = void (*)(TypeParam &, TypeParam const &);
    struct bSCase
    {
        char const * m_pcName;
        bool m_bShortFirst;
        bFApply m_funcApply;
        std::vector<uint32_t> m_arrWords;
        int m_iBitCount;
    };
    bSCase const arrCases[] = {
        {"And", false, [](TypeParam & a_A, TypeParam const & a_B) { a_A.And(a_B); }, {0xF000F000u, 0, 0}, 70},
        {"^=", false, [](TypeParam & a_A, TypeParam const & a_B) { a_A ^= a_B; }, {0x0FF00FF0u, 0xFFFF0001u, 0x3F}, 70},
        {"short Or", true, [](TypeParam & a_A, TypeParam const & a_B) { a_A.Or(a_B); }, {0xFFF0FFF0u, 0xFFFF0001u}, 33},
        {"ExpandXor", true, [](TypeParam & a_A, TypeParam const & a_B) { a_A.ExpandXor(a_B); },
         {0x0FF00FF0u, 0xFFFF0001u, 0x3F}, 70},
        {"ExpandAnd", true, [](TypeParam & a_A, TypeParam const & a_B) { a_A.ExpandAnd(a_B); },
         {0xF000F000u, 0, 0}, 70},
    };
    for (bSCase const & Case : arrCases)
    {
        SCOPED_TRACE(Case.m_pcName);
        TypeParam Result(Case.m_bShortFirst ? Short : Long);
        Case.m_funcApply(Result, Case.m_bShortFirst ? Long : Short);
        EXPECT_EQ(Result.GetCount(), Case.m_iBitCount);
        EXPECT_EQ(GetWords(Result), Case.m_arrWords);
        EXPECT_EQ(Result.GetCountEnabled(), CountBelow(Case.m_arrWords, Case.m_iBitCount));
    }
}

TYPED_TEST(bTBitFieldTest, ValueOperatorsEqualityAndTheStreamForm)
{
    TypeParam A = MakeField<TypeParam>(40, {0x0000FFFFu, 0x1u});
    TypeParam B = MakeField<TypeParam>(40, {0x00FF00FFu, 0x3u});
    TypeParam const & Or1 = A | B;
    EXPECT_EQ(GetWords(const_cast<TypeParam &>(Or1)), (std::vector<uint32_t>{0x00FFFFFFu, 0x3u}));
    TypeParam const & Or2 = B | B;
    EXPECT_EQ(&Or1, &Or2);
    EXPECT_NE(static_cast<void const *>(&(A & B)), static_cast<void const *>(&Or1));
    EXPECT_EQ(GetWords(A), (std::vector<uint32_t>{0x0000FFFFu, 0x1u})); // operands unchanged

    EXPECT_EQ((~A).GetCountEnabled(), 23);
    EXPECT_EQ(GetWords(const_cast<TypeParam &>(A ^ B)), (std::vector<uint32_t>{0x00FFFF00u, 0x2u}));
    EXPECT_EQ(GetWords(const_cast<TypeParam &>(A >> 4L)), (std::vector<uint32_t>{0x10000FFFu, 0x0u}));
    // A field that is the result itself is not copied onto itself.
    TypeParam const & Shifted = A << 1L;
    TypeParam const & Again = Shifted << 1L;
    EXPECT_EQ(GetWords(const_cast<TypeParam &>(Again)), (std::vector<uint32_t>{0x0003FFFCu, 0x4u}));

    // Equality compares the counts and every word.
    TypeParam C = MakeField<TypeParam>(10, {0x5u});
    TypeParam D = MakeField<TypeParam>(10, {0x5u});
    EXPECT_TRUE(C == D && !(C != D));
    D.AccessBitField()[0] |= 0x800u; // a spare bit
    EXPECT_TRUE(C != D && !(C == D));
    EXPECT_FALSE(C == MakeField<TypeParam>(11, {0x5u}));

    // The stream form, and a round trip.
    TypeParam Field(40);
    Field.Enable(0);
    Field.Enable(33);
    Field.AccessBitField()[1] |= 0x80000000u; // a spare bit travels too
    EXPECT_EQ(Field.GetFirstEnabled(), 0);
    std::vector<uint32_t> arrWords = {2, 0x1u, 0x80000002u, 40, 2, 0}; // the count only when tracking
    if (!IsTracking(&Field))
        arrWords.erase(arrWords.begin() + 4);
    std::vector<unsigned char> const arrExpected = StreamBytes(1, arrWords);
    EXPECT_EQ(ToBytes(Field), arrExpected);

    TypeParam Read(3);
    FromBytes(Read, arrExpected);
    EXPECT_TRUE(Read == Field);
    EXPECT_EQ(Read.GetCountEnabled(), 2);
    EXPECT_EQ(Read.GetNextEnabled(), 33); // the cursor came along
    EXPECT_EQ(Read.GetNextEnabled(), -1);
    std::vector<unsigned char> const arrAfter = ToBytes(Read);
    EXPECT_EQ(arrAfter[arrAfter.size() - 4], 40); // the cursor stops at the bit count
}

TYPED_TEST(bTBitFieldTest, BadStreamsLeaveTheFieldAsItWasCursorsAreClamped)
{
    TypeParam Good(40);
    Good.Enable(1);
    Good.Enable(39);
    std::vector<unsigned char> const arrGood = ToBytes(Good);
    TypeParam const Before = MakeField<TypeParam>(10, {0x8u});
    std::string const strWarning = std::string("The method ") + (IsTracking(&Good) ? "bCTrackBitField" : "bCBitField") +
        "::operator<< detected an improper usage! \nHint:The stream holds no complete bit field; the field keeps "
        "its content. \n";
    for (size_t uCut = 0; uCut < arrGood.size(); ++uCut)
    {
        SCOPED_TRACE(uCut);
        TypeParam Field(Before);
        bCMessageRecorder Recorder;
        FromBytes(Field, std::vector<unsigned char>(arrGood.begin(), arrGood.begin() + static_cast<long>(uCut)));
        EXPECT_TRUE(Field == Before);
        EXPECT_EQ(Field.GetCountEnabled(), 1);
        EXPECT_EQ(Recorder.GetAll(), strWarning);
    }

    struct bSCase
    {
        char const * m_pcName;
        uint32_t m_u32WordCount;
        int m_iWordsPresent;
        uint32_t m_u32BitCount;
    };
    bSCase const arrCases[] = {
        {"word count beyond the input", 0xFFFFFFFFu, 2, 40},
        {"word count too large for the bit count", 3, 3, 40},
        {"word count too small for the bit count", 1, 1, 40},
        {"negative bit count", 1, 1, 0xFFFFFFF0u},
    };
    for (bSCase const & Case : arrCases)
    {
        SCOPED_TRACE(Case.m_pcName);
        std::vector<uint32_t> arrWords(static_cast<size_t>(Case.m_iWordsPresent) + 1, 0xFFFFFFFFu);
        arrWords[0] = Case.m_u32WordCount;
        arrWords.insert(arrWords.end(), {Case.m_u32BitCount, 5, 0});
        std::vector<unsigned char> const arrBytes = StreamBytes(1, arrWords);
        TypeParam Field(Before);
        bCMessageRecorder Recorder;
        FromBytes(Field, arrBytes);
        EXPECT_TRUE(Field == Before);
        EXPECT_EQ(Recorder.GetAll(), strWarning);
    }

    // The read cursor is clamped and the count recounted.
    struct
    {
        uint32_t m_u32Cursor;
        int m_iNextEnabled;
    } const arrCursors[] = {{1000, -1}, {0xFFFFFFFFu, 0}, {3, 4}};
    for (auto const & Case : arrCursors)
    {
        SCOPED_TRACE(Case.m_u32Cursor);
        std::vector<uint32_t> arrWords = {2, 0x11u, 0u, 40, 99, Case.m_u32Cursor}; // 99: a wrong stored count
        if (!IsTracking(static_cast<TypeParam *>(nullptr)))
            arrWords.erase(arrWords.begin() + 4);
        TypeParam Field;
        FromBytes(Field, StreamBytes(7, arrWords)); // the version is not compared
        EXPECT_EQ(Field.GetCount(), 40);
        EXPECT_EQ(Field.GetCountEnabled(), 2);
        EXPECT_EQ(Field.GetNextEnabled(), Case.m_iNextEnabled);
    }
}

