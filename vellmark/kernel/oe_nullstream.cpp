#include <vellmark/kernel/oe_nullstream.h>

#include <vellmark/kernel/oe_basemem.h>

bCNullStream::bCNullStream() : m_u32BytesWritten(0), m_pScratch(nullptr), m_u32ScratchCapacity(0) {}

bCNullStream::bCNullStream(bCNullStream const & a_Source) :
    bCIOStream(a_Source), m_u32BytesWritten(a_Source.m_u32BytesWritten), m_pScratch(nullptr), m_u32ScratchCapacity(0)
{
}

bCNullStream & bCNullStream::operator=(bCNullStream const & a_Source)
{
    m_u32BytesWritten = a_Source.m_u32BytesWritten;
    return *this;
}

bCNullStream::~bCNullStream()
{
    Clear();
}

void bCNullStream::Clear()
{
    m_u32BytesWritten = 0;
    if (m_pScratch && bCMemoryAdmin::IsMemoryAdminInitialized())
        bCMemoryAdmin::GetInstance().Free(m_pScratch);
    m_pScratch = nullptr;
    m_u32ScratchCapacity = 0;
}

unsigned long bCNullStream::Write(void const *, unsigned long a_uSize)
{
    m_u32BytesWritten += static_cast<uint32_t>(a_uSize);
    return a_uSize;
}

unsigned long bCNullStream::Read(void *, unsigned long a_uSize)
{
    ReallocBuffer(a_uSize);
    return 0;
}

void bCNullStream::ReallocBuffer(unsigned long a_uSize)
{
    // The capacity is 32-bit: a larger request cannot be held and is not tried.
    if (a_uSize <= m_u32ScratchCapacity || a_uSize > UINT32_MAX)
        return;
    void * pBlock = bCMemoryAdmin::GetInstance().Realloc(m_pScratch, a_uSize, "bCNullStream", __FILE__, __LINE__);
    if (!pBlock)
        return;
    m_pScratch = pBlock;
    m_u32ScratchCapacity = static_cast<uint32_t>(a_uSize);
}
