#ifndef OE_LOGCHANNEL_TESTLOCK_H_INCLUDED
#define OE_LOGCHANNEL_TESTLOCK_H_INCLUDED

// The channel tests own two machine-wide names: UDP 127.0.0.1:4711 and the
// viewer window "[vLogView]". CTest runs discovered tests in parallel
// processes, so the tests that use those names take this file lock first
// (waiting at most a minute) and hold it for the whole test.

#include <chrono>
#include <fcntl.h>
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

#endif
