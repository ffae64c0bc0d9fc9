// The viewer's datagrams: exactly the specified shapes and nothing else.

#include <vellmark/platform/oe_viewerprotocol.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

TEST(OEParseViewerDatagram, BroadcastIsNameAndAtomTextEachWithItsTerminator)
{
    // The bytes of a datagram and whether they are valid.
    std::pair<std::string, bool> const arrCases[] = {
        {std::string("\x02WM_LOGCOMMAND\0START\0", 21), true},
        {std::string("\x02WM_LOGCOMMAND\0START\0x", 22), false}, // bytes after the atom text
        {std::string("\x02WM_LOGCOMMAND\0START", 20), false},     // atom text without terminator
        {std::string("\x02WM_LOGCOMMAND", 14), false},
        {std::string("\x02", 1), false},
    };
    for (auto const & Case : arrCases)
    {
        SCOPED_TRACE(Case.first.size());
        bSViewerDatagram Datagram{};
        ASSERT_EQ(OEParseViewerDatagram(Case.first.data(), Case.first.size(), Datagram), Case.second);
        if (Case.second)
        {
            EXPECT_EQ(Datagram.m_eKind, bEViewerDatagram_Broadcast);
            EXPECT_STREQ(Datagram.m_pcMessageName, "WM_LOGCOMMAND");
            EXPECT_STREQ(Datagram.m_pcAtomText, "START");
        }
    }
}
