// The symbol engine: names without their parameter lists.

#include <vellmark/platform/oe_stackwalk.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

TEST(OEStripParameterList, CutsTheLastTopLevelGroupAndItsQualifiers)
{
    // A name and the name without its parameters.
    std::pair<char const *, char const *> const arrCases[] = {
        {"bCErrorAdmin::PrintAssertion(char*, char const*, char const*, int, bool)", "bCErrorAdmin::PrintAssertion"},
        {"a::b<int>::operator()(int) const", "a::b<int>::operator()"},
        {"f(int (*)(char), int) const volatile &&", "f"},
        {"g<void (*)(int)>(int)", "g<void (*)(int)>"},
        {"operator<(a const&, b const&)", "operator<"},
        {"memcpy", "memcpy"},
        {"xconst", "xconst"},
        {"", ""},
    };
    for (auto const & Case : arrCases)
    {
        SCOPED_TRACE(Case.first);
        std::string strName = Case.first;
        OEStripParameterList(strName.data());
        EXPECT_STREQ(strName.c_str(), Case.second);
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
