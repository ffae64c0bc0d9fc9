#include "oe_logchannel_testlock.h"

#include <vellmark/kernel/oe_spieadmin.h>
#include <vellmark/platform/oe_messagebox.h>
#include <vellmark/platform/oe_udpsocket.h>
#include <vellmark/platform/oe_viewerprotocol.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{
    namespace fs = std::filesystem;

    std::string Packet(unsigned char a_u8Type, int32_t a_i32Priority, std::string const & a_strText)
    {
        std::string strPacket(1, '\x02');
        strPacket.push_back(static_cast<char>(a_u8Type));
        for (int i = 0; i < 4; ++i)
            strPacket.push_back(static_cast<char>(static_cast<uint32_t>(a_i32Priority) >> (8 * i)));
        strPacket.append(a_strText).push_back('\0');
        return strPacket;
    }

    // A temporary folder holding the marker file, and the UDP port bound by the test.
    class bCSpieAdminTest : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            ASSERT_TRUE(m_Lock.IsLocked()) << "another channel test held the lock for a minute";
            m_Port = OEBindDatagramSocket(OE_LOG_ADDRESS, OE_LOG_PORT);
            if (m_Port == OE_INVALID_SOCKET)
                GTEST_SKIP() << "UDP 127.0.0.1:4711 is taken by another process (a running viewer?)";
            m_Folder = fs::temp_directory_path() / ("vellmark-spie-" + std::to_string(getpid()) + "-" +
                                                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
            fs::create_directories(m_Folder);
            std::ofstream(m_Folder / "vLogFile.txt") << "marker";
        }
        void TearDown() override
        {
            if (m_Port == OE_INVALID_SOCKET)
                return;
            if (m_bInFolder)
                Leave();
            OECloseSocket(m_Port);
            std::error_code Error;
            fs::remove_all(m_Folder, Error);
        }
        // Makes the channel look for the marker file in the temporary folder.
        void CreateInFolder()
        {
            bCSpieAdmin::GetInstance(); // built here if not yet, outside the folder
            m_Previous = fs::current_path();
            fs::current_path(m_Folder);
            m_bInFolder = true;
            bCSpieAdmin::GetInstance().Create();
        }
        // Without the marker in the current folder Create disconnects (goodbye) and disables.
        void Leave()
        {
            fs::current_path(m_Previous);
            m_bInFolder = false;
            bCSpieAdmin::GetInstance().Create();
        }
        std::optional<std::string> Receive(int a_iTimeoutMs = 2000)
        {
            std::vector<char> arrBuffer(OE_LOG_PACKET_MAX + 16);
            long const lSize = OEReceive(m_Port, arrBuffer.data(), arrBuffer.size(), a_iTimeoutMs);
            if (lSize < 0)
                return std::nullopt;
            return std::string(arrBuffer.data(), static_cast<std::size_t>(lSize));
        }

        bCLogChannelTestLock m_Lock;
        OESOCKET m_Port = OE_INVALID_SOCKET;
        fs::path m_Folder;
        fs::path m_Previous;
        bool m_bInFolder = false;
    };
} // namespace

// Hello and goodbye, exact message bytes, texts normalised but with their tabs, and a copy that
// is refused and leaves the channel alone.
TEST_F(bCSpieAdminTest, HelloMessagesAndGoodbyeAreExactBytes)
{
    CreateInFolder();
    EXPECT_EQ(std::string(1, '\0'), Receive().value_or("none"));
    bCSpieAdmin::GetInstance().Create(); // again while connected: goodbye, hello, still registered once
    EXPECT_EQ(std::string(1, '\x01'), Receive().value_or("none"));
    EXPECT_EQ(std::string(1, '\0'), Receive().value_or("none"));
    bCMessageAdmin & Admin = bCMessageAdmin::GetInstance();
    Admin.OnMessage(static_cast<bEMessageTypes>(7), "seven", nullptr, nullptr, -1, -1);
    EXPECT_EQ(Packet(7, -1, "seven"), Receive().value_or("none"));
    Admin.OnMessage(bEMessageTypes_Fatal, "big", nullptr, nullptr, -1, 0x12345678);
    EXPECT_EQ(std::string("\x02\x05\x78\x56\x34\x12"
                          "big\0",
                          10),
              Receive().value_or("none"));
    OE_MESSAGE(5, "\tx\r\n\r\n\n\ty");
    EXPECT_EQ(Packet(2, 5, "\tx\n\n\n\ty"), Receive().value_or("none")); // five breaks, paired once
    OE_MESSAGE(5, "");
    EXPECT_EQ(Packet(2, 5, ""), Receive().value_or("none"));
    OE_MESSAGE(5, nullptr); // nothing to send
    ExpectCopyRefused<bCSpieAdmin>("bCSpieAdmin::bCSpieAdmin(const bCSpieAdmin &)");
    std::string const strLong(100000, 'L'); // cut to one packet, keeping its terminator
    OE_MESSAGE(5, strLong.c_str());
    std::optional<std::string> Cut = Receive();
    ASSERT_TRUE(Cut);
    EXPECT_EQ(Packet(2, 5, std::string(OE_LOG_PACKET_MAX - 7, 'L')), *Cut);
    bSLogPacket Parsed;
    EXPECT_TRUE(OEParseLogPacket(Cut->data(), Cut->size(), Parsed));
    Leave();
    EXPECT_EQ(std::string(1, '\x01'), Receive().value_or("none"));
    OE_MESSAGE(5, "after goodbye");
    EXPECT_FALSE(Receive(200)) << "a disabled channel sends nothing";
}

TEST_F(bCSpieAdminTest, SendAfterAnUnreachablePortIsRepeatedOnce)
{
    OECloseSocket(m_Port);
    OESOCKET const Sender = OEOpenDatagramSocket();
    ASSERT_NE(OE_INVALID_SOCKET, Sender);
    ASSERT_TRUE(OEConnect(Sender, OE_LOG_ADDRESS, OE_LOG_PORT));
    EXPECT_EQ(1, OESend(Sender, "a", 1)); // nobody listens: the port-unreachable report waits for the next send
    m_Port = OEBindDatagramSocket(OE_LOG_ADDRESS, OE_LOG_PORT);
    ASSERT_NE(OE_INVALID_SOCKET, m_Port) << "another process took the port meanwhile";
    EXPECT_EQ(1, OESend(Sender, "b", 1));
    EXPECT_EQ("b", Receive().value_or("none"));
    OECloseSocket(Sender);
    EXPECT_EQ(-1, OESend(OE_INVALID_SOCKET, "c", 1));
}

TEST(bSLogPacket, ParserAcceptsOnlyWellFormedPackets)
{
    bSLogPacket Parsed;
    std::string const strMessage = Packet(4, -3, "fault");
    ASSERT_TRUE(OEParseLogPacket(strMessage.data(), strMessage.size(), Parsed));
    EXPECT_EQ(bELogPacket_Message, Parsed.m_eKind);
    EXPECT_EQ(4, Parsed.m_u8Type);
    EXPECT_EQ(-3, Parsed.m_i32Priority);
    EXPECT_STREQ("fault", Parsed.m_pcText);
    EXPECT_EQ(5u, Parsed.m_uTextLength);
    EXPECT_TRUE(OEParseLogPacket("\0", 1, Parsed));
    EXPECT_TRUE(OEParseLogPacket("\x01", 1, Parsed));
    EXPECT_EQ(bELogPacket_Goodbye, Parsed.m_eKind);

    EXPECT_FALSE(OEParseLogPacket(nullptr, 7, Parsed));
    EXPECT_FALSE(OEParseLogPacket("", 0, Parsed));
    EXPECT_FALSE(OEParseLogPacket("\0\0", 2, Parsed));                                // hello with a tail
    EXPECT_FALSE(OEParseLogPacket("\x03", 1, Parsed));                                // unknown kind
    EXPECT_FALSE(OEParseLogPacket(strMessage.data(), 6, Parsed));                     // truncated header
    EXPECT_FALSE(OEParseLogPacket(strMessage.data(), strMessage.size() - 1, Parsed)); // no terminator
    std::string const strEmbedded = std::string("\x02\x02\x05\0\0\0a\0b\0", 10);
    EXPECT_FALSE(OEParseLogPacket(strEmbedded.data(), strEmbedded.size(), Parsed)); // zero inside the text
    std::string const strOversized = Packet(2, 5, std::string(OE_LOG_PACKET_MAX, 'x'));
    EXPECT_FALSE(OEParseLogPacket(strOversized.data(), strOversized.size(), Parsed));
}
