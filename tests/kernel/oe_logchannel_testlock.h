#ifndef OE_LOGCHANNEL_TESTLOCK_H_INCLUDED
#define OE_LOGCHANNEL_TESTLOCK_H_INCLUDED

// The channel tests own two machine-wide names: UDP 127.0.0.1:4711 and the
// viewer window "[vLogView]". CTest runs discovered tests in parallel
// processes, so the tests that use those names take this file lock first
// (waiting at most a minute) and hold it for the whole test.

#include "oe_basemem_testsupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

class bCLogChannelTestLock
{
public:
    bCLogChannelTestLock()
    {
        m_iFile = open("/tmp/vellmark-logchannel-tests.lock", O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        auto const Deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (m_iFile >= 0 && !m_bLocked && std::chrono::steady_clock::now() < Deadline)
        {
            m_bLocked = flock(m_iFile, LOCK_EX | LOCK_NB) == 0;
            if (!m_bLocked)
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    ~bCLogChannelTestLock()
    {
        if (m_iFile >= 0)
            close(m_iFile); // releases the lock
    }
    bool IsLocked() const { return m_bLocked; }

private:
    int m_iFile = -1;
    bool m_bLocked = false;
};

// Copying a channel is refused with two boxes (the copy and the assignment)
// that offer the debugger; the answer is no.
template <typename Channel> void ExpectCopyRefused(char const * a_pcCaption)
{
    RecordedBoxes().clear();
    OEMessageBoxHandler funcPrevious = OESetMessageBoxHandler(&RecordingBoxHandler);
    {
        Channel Copy(Channel::GetInstance());
        Copy = Channel::GetInstance();
    }
    OESetMessageBoxHandler(funcPrevious);
    std::string const strTail = " not implemented. This message should never be seen. Follow the rabbit !\n\nPress "
                                "YES to enter debugger";
    ASSERT_EQ(2u, RecordedBoxes().size());
    EXPECT_EQ("Copyconstructor" + strTail, RecordedBoxes()[0].m_strText);
    EXPECT_EQ("Copyoperator" + strTail, RecordedBoxes()[1].m_strText);
    for (bSRecordedBox const & Box : RecordedBoxes())
    {
        EXPECT_EQ(a_pcCaption, Box.m_strCaption);
        EXPECT_EQ(unsigned(MB_YESNO | MB_ICONWARNING), Box.m_uStyle); // exclamation, Yes/No
    }
}

#endif
