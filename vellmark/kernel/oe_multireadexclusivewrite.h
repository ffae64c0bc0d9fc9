#ifndef OE_MULTIREADEXCLUSIVEWRITE_H_INCLUDED
#define OE_MULTIREADEXCLUSIVEWRITE_H_INCLUDED

// A re-entrant many-readers/one-writer lock.
//
// Readers register in a table of {thread id, nesting} entries (4 at first,
// growing by 3) guarded by a small spin lock; a thread that already reads
// reads again at the cost of the spin lock and two increments. A writer holds
// the critical section for the whole write, so new readers queue behind it,
// and waits on the no-readers event until every other reader has left; a
// thread that already reads may still nest its reads meanwhile, and a thread
// that reads may write without waiting for itself (its reads continue after
// the write). Reads inside the thread's own write are not counted. During a
// write the reader count holds the writer's nesting depth; the readers are put
// aside and restored when the last EndWrite comes.
//
// Asking to write while reading is safe only where no other thread may ask to write meanwhile: a
// waiting writer holds the section the reader needs, and waits for the reader's read.
//
// Lock order: critical section, then spin lock; the spin lock is never held
// while waiting for the section. EndRead without a read and EndWrite without a
// write are reported as improper usage and change nothing.

#include <vellmark/kernel/oe_criticalsection.h>
#include <vellmark/kernel/oe_types.h>

#include <atomic>
#include <cstdint>

struct OEEvent;

class OE_API bCMultiReadExclusiveWriteWin32
{
public:
    bCMultiReadExclusiveWriteWin32();
    ~bCMultiReadExclusiveWriteWin32(); // takes the write lock first: waits for the readers
    bCMultiReadExclusiveWriteWin32(bCMultiReadExclusiveWriteWin32 const &) = delete;
    bCMultiReadExclusiveWriteWin32 & operator=(bCMultiReadExclusiveWriteWin32 const &) = delete;

public:
    void BeginRead();
    void EndRead();
    void BeginWrite();
    void EndWrite();
    unsigned long GetLockCount() const; // the lock count of the critical section

protected:
    bool WriterIsOnlyReader() const; // no reader is left but the waiting writer itself

protected:
    struct bSReaderEntry
    {
        std::atomic<uint32_t> m_uThreadId; // 0 = free
        std::atomic<uint32_t> m_uNesting;
    };

    void LockTable() const;
    void UnlockTable() const;
    bSReaderEntry * FindReader(uint32_t a_uThreadId) const;
    bSReaderEntry * GrowTable();
    bool RegisterReader(uint32_t a_uThreadId);
    bool IsWriterOnlyReaderNow() const;
    void WaitForOtherReaders();
    void WarnIfReaderWaitsForWriter() const;

protected:
    bCCriticalSectionWin32 m_CriticalSection;
    OEEvent * m_hNoReadersEvent;
    std::atomic<int32_t> m_iReaderCount; // during a write: the writer's nesting depth
    int32_t m_iSavedReaderCount;
    uint32_t m_uTableCapacity;
    bSReaderEntry * m_pReaderTable;
    std::atomic<uint32_t> m_uWaitingWriter;
    mutable std::atomic<uint32_t> m_uTableLock; // 0 = free, else the taker's thread id
    std::atomic<bool> m_bWriting;
};

#endif
