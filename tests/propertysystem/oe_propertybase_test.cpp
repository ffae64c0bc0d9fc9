// Property identifiers, MD5, type names and float-list texts.

#include <vellmark/kernel/oe_guid.h>
#include <vellmark/kernel/oe_memorystream.h>
#include <vellmark/propertysystem/base/oe_classnamebase.h>
#include <vellmark/propertysystem/base/oe_md5.h>
#include <vellmark/propertysystem/base/oe_propertyid.h>
#include <vellmark/propertysystem/base/oe_stringconverter.h>

#include <gtest/gtest.h>

#include <string>

enum bETestColor
{
    bETestColor_Red
};
struct bSTestPlain
{
};
OE_TYPENAME_STRUCT(bSTestPlain)
class bCTestClassName
{
};
template <typename A, typename B> class bTTestPair
{
};

// Reaches the private count, as the class's friend.
class bCPropertyIDTest
{
public:
    static uint32_t & AccessCount(bCPropertyID & a_ID) { return a_ID.AccessCount(); }
};

namespace
{
    std::string Hex(bSPropertyIDCore const & a_Core, int a_iBytes = 16)
    {
        std::string strHex;
        for (int i = 0; i < a_iBytes; ++i)
            strHex += "0123456789abcdef"[a_Core.m_arrBytes[i] >> 4], strHex += "0123456789abcdef"[a_Core.m_arrBytes[i] & 15];
        return strHex;
    }
} // namespace

TEST(bCMd5, DigestsOfTheStandardSuite)
{
    struct
    {
        std::string m_strText;
        char const * m_pcDigest;
    } const arrCases[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
    };
    for (auto const & Case : arrCases)
    {
        SCOPED_TRACE(Case.m_strText);
        bCPropertyID ID;
        ID.CreateFromString(Case.m_strText.c_str());
        EXPECT_EQ(Hex(ID.GetCore()), Case.m_pcDigest);
        // The same bytes fed in two pieces give the same digest.
        bCMd5 Md5;
        Md5.Create();
        size_t const uHalf = Case.m_strText.size() / 2;
        Md5.Append(Case.m_strText.data(), static_cast<unsigned long>(uHalf));
        Md5.Append(Case.m_strText.data() + uHalf, static_cast<unsigned long>(Case.m_strText.size() - uHalf));
        bSPropertyIDCore Digest{};
        Md5.Finish(Digest);
        EXPECT_FALSE(Md5.IsValid());
        EXPECT_EQ(Hex(Digest), Case.m_pcDigest);
    }
}

TEST(bCMd5, DigestFormsOfTheCurrentState)
{
    bCMd5 Md5;
    Md5.Create();
    bSPropertyIDCore Core;
    std::memset(Core.m_arrBytes, 0xEE, 16);
    Md5.GetDigest8(Core);
    EXPECT_EQ(Hex(Core), "0123456789abcdeffedcba9876543210");
    std::memset(Core.m_arrBytes, 0xEE, 16);
    Md5.GetDigest16(Core);
    EXPECT_EQ(Hex(Core), "014589cdfeba7632eeeeeeeeeeeeeeee");
    Md5.GetDigest32(Core);
    EXPECT_EQ(Core.GetWord(0), 0x67452301u);
    EXPECT_EQ(Core.GetWord(3), 0x10325476u);
    bCPropertyID ID;
    ID.CreateFromMd5(Md5);
    EXPECT_EQ(Hex(ID.GetCore()), "0123456789abcdeffedcba9876543210");
}

TEST(bCPropertyID, TextsCountAndStreamForm)
{
    bCPropertyID A, B;
    A.CreateFromString("Position");
    B.CreateFromString("Position");
    EXPECT_TRUE(A == B);
    EXPECT_STREQ(A.GetText().GetText(), B.GetText().GetText());
    std::string const strText = A.GetText().GetText();
    EXPECT_EQ(strText.size(), 38u);
    for (char c : strText)
        EXPECT_FALSE(c >= 'A' && c <= 'F');

    bCPropertyIDTest::AccessCount(A) = 0x1234;
    EXPECT_STREQ(A.GetShortText().GetText(), "00001234");
    EXPECT_STREQ(A.GetTextEx().GetText(), (strText + ":4660").c_str());
    bCMemoryStream Stream;
    A.Write(Stream);
    EXPECT_EQ(Stream.GetSize(), 20);
    Stream.SetPosition(16, bEStreamSeekMode_Begin);
    unsigned long uCount = 0;
    Stream.Read(uCount);
    EXPECT_EQ(uCount, 0x1234ul);
    Stream.SetPosition(0, bEStreamSeekMode_Begin);
    bCPropertyID C;
    C.Read(Stream);
    EXPECT_EQ(C.GetCount(), 0ul);
    EXPECT_TRUE(C == A);

    bCPropertyID D;
    EXPECT_TRUE(D.SetTextEx(bCString(" ") + A.GetText() + ":77"));
    EXPECT_TRUE(D == A);
    EXPECT_TRUE(D.SetText("no guid"));
    EXPECT_FALSE(D.IsValid());
}

TEST(bCPropertyID, GuidsAndHash)
{
    bCPropertyID ID;
    ID.CreateFromString("x");
    bCPropertyID const Before(ID);
    EXPECT_FALSE(ID.SetGuid(bCGuid::GetNullGuid()));
    EXPECT_FALSE(ID.SetGuid(bCGuid()));
    EXPECT_TRUE(ID == Before);
    EXPECT_TRUE(ID.CreateRandom());
    bCGuid Guid;
    ID.ExtractGuid(Guid);
    EXPECT_TRUE(bCPropertyID(Guid) == ID);
    _GUID Raw{0x10, 0, 0, {0, 0, 0, 0, 0, 0, 0, 1}};
    bCPropertyID Hashed;
    EXPECT_TRUE(Hashed.SetGuid(bCGuid(Raw)));
    EXPECT_EQ(g_GetHashValue<bCPropertyID>(Hashed), 2ul);
    bCPropertyIDTest::AccessCount(Hashed) = 5;
    EXPECT_EQ(g_GetHashValue<bCPropertyID>(Hashed), 7ul);
    EXPECT_EQ(g_idInvalid.GetWord(0), 0xFFFFFFFFu);
    EXPECT_EQ(g_idInvalid.GetWord(1) | g_idInvalid.GetWord(2) | g_idInvalid.GetWord(3), 0u);
}

TEST(bCClassNameBase, UnMangleAndValueTypeNames)
{
    EXPECT_STREQ(bCClassNameBase::UnMangle("float").GetText(), "float");
    EXPECT_STREQ(bCClassNameBase::UnMangle("class bCFoo").GetText(), "bCFoo");
    EXPECT_STREQ(bCClassNameBase::UnMangle("unsigned short int").GetText(), "short int");
    struct
    {
        std::string m_strName;
        char const * m_pcExpected;
    } const arrCases[] = {
        {g_GetValueTypeName<unsigned short>().GetText(), "short"},
        {g_GetValueTypeName<long long>().GetText(), "__int64"},
        {g_GetValueTypeName<unsigned long long>().GetText(), "__int64"},
        {g_GetValueTypeName<int>().GetText(), "int"},
        {g_GetValueTypeName<bool>().GetText(), "bool"},
        {g_GetValueTypeName<bCString>().GetText(), "bCString"},
        {g_GetValueTypeName<bCTestClassName>().GetText(), "bCTestClassName"},
        {g_GetValueTypeName<bTTestPair<bETestColor, float>>().GetText(), "bTTestPair<enum bETestColor,float>"},
        {bTTypeName<bTTestPair<bCTestClassName, bSTestPlain>>::Get(),
         "class bTTestPair<class bCTestClassName,struct bSTestPlain>"},
        {bTTypeName<bETestColor>::Get(), "enum bETestColor"},
        {bTTypeName<unsigned long>::Get(), "unsigned long"},
    };
    for (auto const & Case : arrCases)
        EXPECT_EQ(Case.m_strName, Case.m_pcExpected);
}

TEST(bCStringConverter, FloatListsAsText)
{
    bTSmallArray<float> arrValues;
    EXPECT_STREQ(bCStringConverter::ConvertFloatsToString(arrValues).GetText(), "");
    arrValues.Add(1.0f);
    arrValues.Add(2.0f);
    EXPECT_STREQ(bCStringConverter::ConvertFloatsToString(arrValues).GetText(), "{ 1.000000, 2.000000 }");
    struct
    {
        char const * m_pcText;
        bool m_bResult;
        std::vector<float> m_arrAppended;
    } const arrCases[] = {
        {"{1.5,2}", true, {1.5f, 2.0f}}, {"1.5,2", false, {}},   {"{}", true, {0.0f}},
        {"} {1}", false, {}},            {"{x, 3 ,}", true, {0.0f, 3.0f, 0.0f}},
    };
    for (auto const & Case : arrCases)
    {
        SCOPED_TRACE(Case.m_pcText);
        bTSmallArray<float> arrParsed;
        arrParsed.Add(9.0f);
        EXPECT_EQ(bCStringConverter::ConvertStringToFloats(Case.m_pcText, arrParsed), Case.m_bResult);
        ASSERT_EQ(arrParsed.GetCount(), 1 + static_cast<int>(Case.m_arrAppended.size()));
        for (size_t i = 0; i < Case.m_arrAppended.size(); ++i)
            EXPECT_EQ(arrParsed[static_cast<int>(i) + 1], Case.m_arrAppended[i]);
    }
}
