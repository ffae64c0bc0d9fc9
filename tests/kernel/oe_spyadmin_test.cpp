#include "oe_logchannel_testlock.h"

#include <vellmark/kernel/oe_spyadmin.h>
#include <vellmark/platform/oe_messagebox.h>
#include <vellmark/platform/oe_viewerprotocol.h>
#include <vellmark/platform/oe_viewerwindow.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace
{
    struct bSReceived
    {
        bSViewerDatagram m_Datagram;
        std::string m_strBytes; // copy data: the record bytes
    };

    // Plays the viewer window: binds "[vLogView]" and makes the channel look
    // for it anew. Other test processes that start while the window exists find
    // it too and may flood it; a reader thread drains the window all the time,
    // so that this process's own sends never wait on a full queue, and keeps
    // only this process's datagrams.
    class bCSpyAdminTest : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            ASSERT_TRUE(m_Lock.IsLocked()) << "another channel test held the lock for a minute";
            bCSpyAdmin::GetInstance(); // built here if not yet, before the window exists
            m_Viewer = OEOpenViewerWindow(OE_VIEWER_WINDOW_TITLE);
            if (m_Viewer == OE_INVALID_SOCKET)
                GTEST_SKIP() << "the viewer window \"[vLogView]\" is taken by another process (a running viewer?)";
            m_Reader = std::thread([this] { Drain(); });
            bCSpyAdmin::GetInstance().Create();
        }
        void TearDown() override
        {
            CloseViewer();
            bCSpyAdmin::GetInstance().Create(); // no window any more: inactive again
        }
        void CloseViewer()
        {
            if (m_Reader.joinable())
            {
                m_bStop = true;
                m_Reader.join();
            }
            OECloseSocket(m_Viewer);
            m_Viewer = OE_INVALID_SOCKET;
        }
        void Drain()
        {
            std::vector<char> arrBuffer(1 << 20);
            while (!m_bStop)
            {
                long lSender = -1;
                long const lSize = OEReceive(m_Viewer, arrBuffer.data(), arrBuffer.size(), 50, &lSender);
                if (lSize < 0 || lSender != getpid())
                    continue;
                std::lock_guard<std::mutex> Guard(m_Mutex);
                m_arrPending.emplace_back(arrBuffer.data(), static_cast<std::size_t>(lSize));
                m_Arrived.notify_one();
            }
        }
        std::optional<bSReceived> Receive(int a_iTimeoutMs = 5000)
        {
            std::unique_lock<std::mutex> Guard(m_Mutex);
            if (!m_Arrived.wait_for(Guard, std::chrono::milliseconds(a_iTimeoutMs),
                                    [this] { return !m_arrPending.empty(); }))
                return std::nullopt;
            m_arrRaw.push_back(std::move(m_arrPending.front()));
            m_arrPending.pop_front();
            Guard.unlock();
            bSReceived Received{};
            EXPECT_TRUE(OEParseViewerDatagram(m_arrRaw.back().data(), m_arrRaw.back().size(), Received.m_Datagram));
            if (Received.m_Datagram.m_pcData)
                Received.m_strBytes.assign(Received.m_Datagram.m_pcData, Received.m_Datagram.m_uDataSize);
            return Received;
        }
        // The record texts up to and including the sentinel message's line.
        std::vector<std::string> LinesUntilSentinel()
        {
            OE_MESSAGE(1, "sentinel");
            std::vector<std::string> arrLines;
            while (std::optional<bSReceived> Received = Receive())
            {
                std::string strLine = Received->m_strBytes;
                EXPECT_TRUE(Received->m_Datagram.m_bDataIsText);
                if (!strLine.empty())
                    strLine.pop_back(); // the terminator, checked above
                if (strLine == "Info: 1: sentinel")
                    return arrLines;
                arrLines.push_back(strLine);
            }
            ADD_FAILURE() << "the sentinel line never arrived";
            return arrLines;
        }

        bCLogChannelTestLock m_Lock;
        OESOCKET m_Viewer = OE_INVALID_SOCKET;
        std::thread m_Reader;
        std::atomic<bool> m_bStop{false};
        std::mutex m_Mutex;
        std::condition_variable m_Arrived;
        std::deque<std::string> m_arrPending;
        std::deque<std::string> m_arrRaw; // stable addresses: parsed datagrams point into them
    };
} // namespace

// Every Create finds the viewer anew and announces itself, yet stays registered once. Each line
// arrives as one copy-data record with prefix and priority: line breaks split, tabs become four
// spaces, long text stays one line. A refused copy takes neither the window nor the registration.
TEST_F(bCSpyAdminTest, CreateFindsTheViewerAndEachLineArrivesAsOneCopyData)
{
    EXPECT_NE(nullptr, bCSpyAdmin::GetInstance().GetSpyHandle());
    for (int iCreate = 0; iCreate < 2; ++iCreate)
    {
        if (iCreate)
            bCSpyAdmin::GetInstance().Create();
        ASSERT_TRUE(Receive() && Receive());
        EXPECT_EQ(std::string("\x02WM_LOGCOMMAND\0START\0", 21), m_arrRaw[2 * iCreate]);
        EXPECT_EQ(std::string("\x02WM_LOGCOMMAND\0SHOW\0", 20), m_arrRaw[2 * iCreate + 1]);
    }
    EXPECT_NE(nullptr, bCSpyAdmin::GetInstance().GetSpyMutex());
    OE_MESSAGE(5, "abc");
    std::optional<bSReceived> Line = Receive();
    ASSERT_TRUE(Line);
    EXPECT_EQ(bEViewerDatagram_CopyData, Line->m_Datagram.m_eKind);
    EXPECT_EQ(std::string("Info: 5: abc\0", 13), Line->m_strBytes);
    EXPECT_EQ(18u, m_arrRaw.back().size()); // kind, id, text and terminator

    ExpectCopyRefused<bCSpyAdmin>("bCSpyAdmin::bCSpyAdmin(const bCSpyAdmin &)");
    bCMessageAdmin & Admin = bCMessageAdmin::GetInstance();
    Admin.OnMessage(bEMessageTypes_Warn, "w", nullptr, nullptr, -1, -2);
    Admin.OnMessage(bEMessageTypes_Fault, "f", nullptr, nullptr, -1, 0);
    Admin.OnMessage(bEMessageTypes_Fatal, "x", nullptr, nullptr, -1, 12345);
    Admin.OnMessage(static_cast<bEMessageTypes>(7), "seven", nullptr, nullptr, -1, 5);
    Admin.SetFilterType(bEMessageFilterTypes_None);
    OE_MESSAGEF_OK("ok");
    Admin.SetFilterType(bEMessageFilterTypes_Ok);
    std::string const strLong(300000, 'L'); // beyond a socket's default send buffer
    OE_MESSAGE(5, "a\r\nb");
    OE_MESSAGE(5, nullptr);
    OE_MESSAGE(2, "\tx\ty");
    OE_MESSAGE(3, "one\n\n\ntwo\rthree\n");
    OE_MESSAGE(5, strLong.c_str());
    EXPECT_EQ((std::vector<std::string>{"Warn: -2: w", "Fault: 0: f", "Fatal: 12345: x", "?????: 5: seven",
                                        "Info: 5: ok", "Info: 5: a", "Info: 5: b", "Info: 2:     x    y",
                                        "Info: 3: one", "Info: 3: two", "Info: 3: three", "Info: 5: " + strLong}),
              LinesUntilSentinel());

    // A viewer that disappears is ignored.
    CloseViewer();
    EXPECT_TRUE(OE_MESSAGEF_WARN("nobody %s", "listens"));
    bCSpyAdmin::GetInstance().Create();
    EXPECT_EQ(nullptr, bCSpyAdmin::GetInstance().GetSpyHandle());
    EXPECT_EQ(nullptr, bCSpyAdmin::GetInstance().GetSpyMutex());
}

TEST(bSViewerDatagram, ParserAcceptsOnlyWellFormedDatagrams)
{
    bSViewerDatagram Datagram;
    std::string const strLine("\x01\x78\x56\x34\x12Info: 5: a\0", 16);
    ASSERT_TRUE(OEParseViewerDatagram(strLine.data(), strLine.size(), Datagram));
    EXPECT_EQ(bEViewerDatagram_CopyData, Datagram.m_eKind);
    EXPECT_EQ(0x12345678u, Datagram.m_u32RecordID);
    EXPECT_EQ(11u, Datagram.m_uDataSize);
    EXPECT_TRUE(Datagram.m_bDataIsText);
    ASSERT_TRUE(OEParseViewerDatagram(strLine.data(), strLine.size() - 1, Datagram));
    EXPECT_FALSE(Datagram.m_bDataIsText); // copy data need not be text; a line must be
    // Broadcasts are checked with the protocol itself.
    EXPECT_FALSE(OEParseViewerDatagram(nullptr, 5, Datagram));
    EXPECT_FALSE(OEParseViewerDatagram(strLine.data(), 4, Datagram)); // truncated id
    EXPECT_FALSE(OEParseViewerDatagram("\x03\0\0\0\0", 5, Datagram)); // unknown kind
}
