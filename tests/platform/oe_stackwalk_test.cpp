// The symbol engine: names without their parameter lists.

#include <vellmark/platform/oe_stackwalk.h>

#include <gtest/gtest.h>

#include <string>

TEST(OEStripParameterList, CutsTheLastTopLevelGroupAndItsQualifiers)
{
    struct
    {
        char const * m_pcName;
        char const * m_pcExpected;
    } const arrCases[] = {
        {"bCErrorAdmin::PrintAssertion(char*, char const*, char const*, int, bool)", "bCErrorAdmin::PrintAssertion"},
        {"a::b<int>::operator()(int) const", "a::b<int>::operator()"},
        {"Foo_Test::TestBody()", "Foo_Test::TestBody"},
        {"f(int (*)(char), int) const volatile &&", "f"},
        {"g<void (*)(int)>(int)", "g<void (*)(int)>"},
        {"h(int) &", "h"},
        {"operator<(a const&, b const&)", "operator<"},
        {"memcpy", "memcpy"},
        {"xconst", "xconst"},
        {"", ""},
    };
    for (auto const & Case : arrCases)
    {
        SCOPED_TRACE(Case.m_pcName);
        std::string strName = Case.m_pcName;
        OEStripParameterList(strName.data());
        EXPECT_STREQ(strName.c_str(), Case.m_pcExpected);
    }
    OEStripParameterList(nullptr);
}

TEST(OEGetSymbolFromAddress, GivesTheNameWithoutParameters)
{
    char carrName[256];
    unsigned long uDisplacement = 99;
    ASSERT_TRUE(OEGetSymbolFromAddress(reinterpret_cast<void const *>(&OEStripParameterList), carrName,
                                       sizeof(carrName), &uDisplacement));
    EXPECT_STREQ(carrName, "OEStripParameterList");
    EXPECT_EQ(uDisplacement, 0u);
}
