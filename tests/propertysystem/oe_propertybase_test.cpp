// Property identifiers, MD5, type names and float-list texts.

#include <vellmark/kernel/oe_guid.h>
#include <vellmark/kernel/oe_memorystream.h>
#include <vellmark/propertysystem/base/oe_classnamebase.h>
#include <vellmark/propertysystem/base/oe_md5.h>
#include <vellmark/propertysystem/base/oe_propertyid.h>

#include "propertysystem/oe_propertybytes.h"

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
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
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

TEST(bCPropertyID, TextsCountStreamFormGuidsAndHash)
{
    bCPropertyID A;
    A.CreateFromString("Position");
    std::string const strText = A.GetText().GetText();
    EXPECT_EQ(strText.size(), 38u);
    for (char c : strText)
        EXPECT_FALSE(c >= 'A' && c <= 'F');

    bCPropertyIDTest::AccessCount(A) = 0x1234;
    EXPECT_STREQ(A.GetShortText().GetText(), "00001234");
    EXPECT_STREQ(A.GetTextEx().GetText(), (strText + ":4660").c_str());
    bCMemoryStream Stream;
    A.Write(Stream);
    EXPECT_EQ(GetContent(Stream).substr(16), std::string("\x34\x12\0\0", 4));
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

    // Guids and the hash.
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

    // Class names: unmangled, and the names of value types.
    EXPECT_STREQ(bCClassNameBase::UnMangle("unsigned short int").GetText(), "short int");
    struct
    {
        std::string m_strName;
        char const * m_pcExpected;
    } const arrCases[] = {
        {g_GetValueTypeName<long long>().GetText(), "__int64"},
        {g_GetValueTypeName<bTTestPair<bETestColor, float>>().GetText(), "bTTestPair<enum bETestColor,float>"},
        {bTTypeName<bTTestPair<bCTestClassName, bSTestPlain>>::Get(),
         "class bTTestPair<class bCTestClassName,struct bSTestPlain>"},
        {bTTypeName<bETestColor>::Get(), "enum bETestColor"},
    };
    for (auto const & Case : arrCases)
        EXPECT_EQ(Case.m_strName, Case.m_pcExpected);
}
