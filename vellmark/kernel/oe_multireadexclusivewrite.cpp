#include <vellmark/kernel/oe_multireadexclusivewrite.h>

#include <vellmark/kernel/oe_erroradmin.h>
#include <vellmark/kernel/oe_message.h>
#include <vellmark/platform/oe_threading.h>

#include <cstdlib>
#include <new>

namespace
{
    char const * const g_pcImproperUsage = "The method %s detected an improper usage! \nHint:%s ";
    uint32_t const g_uInitialCapacity = 4;
    uint32_t const g_uCapacityStep = 3;

    // Only the entry's own thread changes its nesting, so no locked read-modify-write is needed.
    template <typename Entry> uint32_t AddToNesting(Entry & a_Entry, int a_iDelta)
    {
        uint32_t const uNesting = a_Entry.m_uNesting.load(std::memory_order_relaxed) + a_iDelta;
        a_Entry.m_uNesting.store(uNesting, std::memory_order_relaxed);
        return uNesting;
    }

    // Zero-filled entries; the caller frees the block with std::free.
    template <typename Entry> Entry * AllocateEntries(uint32_t a_uCount)
    {
        void * pBlock = std::calloc(a_uCount, sizeof(Entry));
        if (!pBlock)
            return nullptr;
        Entry * pEntries = static_cast<Entry *>(pBlock);
        for (uint32_t u = 0; u < a_uCount; ++u)
            new (pEntries + u) Entry{{0}, {0}};
        return pEntries;
    }
} // namespace

bCMultiReadExclusiveWriteWin32::bCMultiReadExclusiveWriteWin32() :
    m_hNoReadersEvent(OECreateEvent(true, true)), m_iReaderCount(0), m_iSavedReaderCount(0),
    m_uTableCapacity(g_uInitialCapacity), m_pReaderTable(AllocateEntries<bSReaderEntry>(g_uInitialCapacity)),
    m_uWaitingWriter(0), m_uTableLock(0), m_bWriting(false)
{
    if (!m_pReaderTable)
    {
        m_uTableCapacity = 0;
        bCErrorAdmin::GetInstance().CallFatalError("bCMultiReadExclusiveWriteWin32: no memory for the reader table",
                                                   __FILE__, __LINE__);
    }
}

bCMultiReadExclusiveWriteWin32::~bCMultiReadExclusiveWriteWin32()
{
    BeginWrite();
    if (m_iReaderCount.load(std::memory_order_relaxed) > 1 || m_iSavedReaderCount != 0)
        OE_MESSAGEF_WARN(g_pcImproperUsage, "bCMultiReadExclusiveWriteWin32::~bCMultiReadExclusiveWriteWin32",
                         "The lock is destroyed while the calling thread still reads or writes.");
    // The section must not be destroyed while held: give back every level this thread holds.
    while (m_CriticalSection.GetLockCount() > 0)
        m_CriticalSection.Release();
    OECloseEvent(m_hNoReadersEvent);
    std::free(m_pReaderTable);
    m_hNoReadersEvent = nullptr;
    m_pReaderTable = nullptr;
    m_uTableCapacity = 0;
    m_iReaderCount.store(0, std::memory_order_relaxed);
    m_iSavedReaderCount = 0;
    m_uWaitingWriter.store(0, std::memory_order_relaxed);
    m_bWriting.store(false, std::memory_order_relaxed);
}

void bCMultiReadExclusiveWriteWin32::LockTable() const
{
    uint32_t const uSelf = OEGetCurrentThreadId();
    while (m_uTableLock.exchange(uSelf, std::memory_order_acquire) != 0)
        OESleep(0);
}

void bCMultiReadExclusiveWriteWin32::UnlockTable() const
{
    m_uTableLock.store(0, std::memory_order_release);
}

bCMultiReadExclusiveWriteWin32::bSReaderEntry * bCMultiReadExclusiveWriteWin32::FindReader(uint32_t a_uThreadId) const
{
    for (uint32_t u = 0; u < m_uTableCapacity; ++u)
        if (m_pReaderTable[u].m_uThreadId.load(std::memory_order_relaxed) == a_uThreadId)
            return &m_pReaderTable[u];
    return nullptr;
}

void bCMultiReadExclusiveWriteWin32::BeginRead()
{
    uint32_t const uSelf = OEGetCurrentThreadId();
    LockTable();
    bSReaderEntry * pEntry = FindReader(uSelf);
    if (pEntry && !m_bWriting.load(std::memory_order_relaxed))
    {
        m_iReaderCount.fetch_add(1, std::memory_order_relaxed);
        AddToNesting(*pEntry, 1);
    }
    UnlockTable();
    // A thread that already reads never waits, not even for a waiting writer: that would deadlock.
    if (pEntry)
        return;
    m_CriticalSection.Acquire();
    // Past the section during a write only the writer itself: its reads are not counted.
    if (!m_bWriting.load(std::memory_order_relaxed))
    {
        if (m_iReaderCount.fetch_add(1, std::memory_order_relaxed) == 0)
            OEResetEvent(m_hNoReadersEvent);
        RegisterReader(uSelf);
    }
    m_CriticalSection.Release();
}

// Under the critical section, with the reader already counted.
bool bCMultiReadExclusiveWriteWin32::RegisterReader(uint32_t a_uThreadId)
{
    bSReaderEntry * pFree = nullptr;
    for (uint32_t u = 0; u < m_uTableCapacity; ++u)
    {
        bSReaderEntry & Entry = m_pReaderTable[u];
        uint32_t const uId = Entry.m_uThreadId.load(std::memory_order_relaxed);
        if (uId == a_uThreadId)
        {
            AddToNesting(Entry, 1);
            return true;
        }
        if (uId == 0 && !pFree)
            pFree = &Entry;
    }
    if (!pFree)
        pFree = GrowTable();
    if (!pFree)
    {
        // Fatal errors end the process; should it come back, the read stays unregistered and uncounted.
        if (m_iReaderCount.fetch_sub(1, std::memory_order_relaxed) == 1)
            OESetEvent(m_hNoReadersEvent);
        return false;
    }
    pFree->m_uNesting.store(1, std::memory_order_relaxed);
    pFree->m_uThreadId.store(a_uThreadId, std::memory_order_relaxed);
    return true;
}

// Under the critical section; returns the first of the added entries.
bCMultiReadExclusiveWriteWin32::bSReaderEntry * bCMultiReadExclusiveWriteWin32::GrowTable()
{
    uint32_t const uOld = m_uTableCapacity;
    bSReaderEntry * pNew = AllocateEntries<bSReaderEntry>(uOld + g_uCapacityStep);
    if (!pNew)
    {
        // Keep the old table: losing it would lose every registered reader.
        bCErrorAdmin::GetInstance().CallFatalError("bCMultiReadExclusiveWriteWin32: the reader table cannot grow",
                                                   __FILE__, __LINE__);
        return nullptr;
    }
    LockTable();
    for (uint32_t u = 0; u < uOld; ++u)
    {
        pNew[u].m_uThreadId.store(m_pReaderTable[u].m_uThreadId.load(std::memory_order_relaxed),
                                  std::memory_order_relaxed);
        pNew[u].m_uNesting.store(m_pReaderTable[u].m_uNesting.load(std::memory_order_relaxed),
                                 std::memory_order_relaxed);
    }
    std::free(m_pReaderTable);
    m_pReaderTable = pNew;
    m_uTableCapacity = uOld + g_uCapacityStep;
    UnlockTable();
    return &pNew[uOld];
}

void bCMultiReadExclusiveWriteWin32::EndRead()
{
    if (m_bWriting.load(std::memory_order_relaxed) && m_CriticalSection.IsHeldByCallingThread())
        return;
    LockTable();
    bSReaderEntry * pEntry = FindReader(OEGetCurrentThreadId());
    if (!pEntry)
    {
        UnlockTable();
        OE_MESSAGEF_WARN(g_pcImproperUsage, "bCMultiReadExclusiveWriteWin32::EndRead",
                         "The calling thread holds no read.");
        return;
    }
    if (AddToNesting(*pEntry, -1) == 0)
        pEntry->m_uThreadId.store(0, std::memory_order_relaxed);
    // Counting down under the spin lock too: a writer that finds the table free of other readers
    // then knows that their counts are gone as well.
    if (m_iReaderCount.fetch_sub(1, std::memory_order_relaxed) == 1)
        OESetEvent(m_hNoReadersEvent);
    else if (m_uWaitingWriter.load(std::memory_order_relaxed) != 0 && WriterIsOnlyReader())
        OESetEvent(m_hNoReadersEvent);
    UnlockTable();
}

void bCMultiReadExclusiveWriteWin32::BeginWrite()
{
    if (!m_CriticalSection.TryAcquire())
    {
        WarnIfReaderWaitsForWriter();
        m_CriticalSection.Acquire();
    }
    if (m_bWriting.load(std::memory_order_relaxed))
    {
        m_iReaderCount.fetch_add(1, std::memory_order_relaxed);
        return;
    }
    m_uWaitingWriter.store(OEGetCurrentThreadId(), std::memory_order_relaxed);
    WaitForOtherReaders();
    m_iSavedReaderCount = m_iReaderCount.exchange(0, std::memory_order_relaxed);
    m_uWaitingWriter.store(0, std::memory_order_relaxed);
    m_bWriting.store(true, std::memory_order_relaxed);
    m_iReaderCount.fetch_add(1, std::memory_order_relaxed);
}

// A reader that waits for another writer's section will wait for ever: that writer waits for the read.
void bCMultiReadExclusiveWriteWin32::WarnIfReaderWaitsForWriter() const
{
    if (m_uWaitingWriter.load(std::memory_order_relaxed) == 0)
        return;
    LockTable();
    bool const bReads = FindReader(OEGetCurrentThreadId()) != nullptr;
    UnlockTable();
    if (bReads)
        OE_MESSAGEF_WARN(g_pcImproperUsage, "bCMultiReadExclusiveWriteWin32::BeginWrite",
                         "A reading thread asks to write while another thread waits to write: both wait for ever.");
}

// The event can carry a stale signal (a reader that counted down to 0 signals after a new
// reader has already reset it), so the table decides and the event only wakes the writer.
void bCMultiReadExclusiveWriteWin32::WaitForOtherReaders()
{
    while (!IsWriterOnlyReaderNow())
    {
        OEWaitForEvent(m_hNoReadersEvent, -1);
        OEResetEvent(m_hNoReadersEvent);
    }
    if (m_iReaderCount.load(std::memory_order_relaxed) == 0)
        OESetEvent(m_hNoReadersEvent);
}

bool bCMultiReadExclusiveWriteWin32::IsWriterOnlyReaderNow() const
{
    LockTable();
    bool const bOnly = WriterIsOnlyReader();
    UnlockTable();
    return bOnly;
}

bool bCMultiReadExclusiveWriteWin32::WriterIsOnlyReader() const
{
    uint32_t const uWriter = m_uWaitingWriter.load(std::memory_order_relaxed);
    if (uWriter == 0)
        return false;
    for (uint32_t u = m_uTableCapacity; u-- > 0;)
    {
        uint32_t const uId = m_pReaderTable[u].m_uThreadId.load(std::memory_order_relaxed);
        if (uId != 0 && uId != uWriter)
            return false;
    }
    return true;
}

void bCMultiReadExclusiveWriteWin32::EndWrite()
{
    if (!m_bWriting.load(std::memory_order_relaxed) || !m_CriticalSection.IsHeldByCallingThread())
    {
        OE_MESSAGEF_WARN(g_pcImproperUsage, "bCMultiReadExclusiveWriteWin32::EndWrite",
                         "The calling thread holds no write.");
        return;
    }
    if (m_iReaderCount.fetch_sub(1, std::memory_order_relaxed) == 1)
    {
        m_iReaderCount.store(m_iSavedReaderCount, std::memory_order_relaxed);
        m_iSavedReaderCount = 0;
        m_bWriting.store(false, std::memory_order_relaxed);
    }
    m_CriticalSection.Release();
}

unsigned long bCMultiReadExclusiveWriteWin32::GetLockCount() const
{
    return m_CriticalSection.GetLockCount();
}
