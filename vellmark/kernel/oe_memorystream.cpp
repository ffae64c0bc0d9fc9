#include <vellmark/kernel/oe_memorystream.h>

#include <vellmark/kernel/oe_basemem.h>

namespace
{
    // The size limit: the content's count is a signed 32-bit number.
    long long const kSizeLimit = 0x80000000LL;

    // The growth step of the byte array: capacity / 8, at least 4, at most 1024.
    long long GetGrowthStep(int32_t a_iCapacity)
    {
        long long const i64Step = a_iCapacity / 8;
        return i64Step < 4 ? 4 : (i64Step > 1024 ? 1024 : i64Step);
    }

    // The typed values are 1 to 8 bytes: fixed-size copies of those stay inline.
    inline void CopyBytes(void * a_pTo, void const * a_pFrom, unsigned long a_uSize)
    {
        switch (a_uSize)
        {
        case 0: return;
        case 1: std::memcpy(a_pTo, a_pFrom, 1); return;
        case 2: std::memcpy(a_pTo, a_pFrom, 2); return;
        case 4: std::memcpy(a_pTo, a_pFrom, 4); return;
        case 8: std::memcpy(a_pTo, a_pFrom, 8); return;
        default: std::memcpy(a_pTo, a_pFrom, a_uSize);
        }
    }

    unsigned char RotateLeft(unsigned char a_u8Value, int a_iShift)
    {
        return static_cast<unsigned char>((a_u8Value << a_iShift) | (a_u8Value >> ((8 - a_iShift) & 7)));
    }

    unsigned char RotateRight(unsigned char a_u8Value, int a_iShift)
    {
        return static_cast<unsigned char>((a_u8Value >> a_iShift) | (a_u8Value << ((8 - a_iShift) & 7)));
    }
} // namespace

bCMemoryStream::bCMemoryStream() : m_pcBytes(nullptr), m_iCount(0), m_iCapacity(0), m_i64Position(0) {}

bCMemoryStream::bCMemoryStream(bCMemoryStream const & a_Source) :
    bCIOStream(a_Source), m_pcBytes(nullptr), m_iCount(0), m_iCapacity(0), m_i64Position(0)
{
    CopyContent(a_Source);
}

bCMemoryStream & bCMemoryStream::operator=(bCMemoryStream const & a_Source)
{
    if (this != &a_Source)
        CopyContent(a_Source);
    return *this;
}

bCMemoryStream::~bCMemoryStream()
{
    Destroy();
}

void bCMemoryStream::CopyContent(bCMemoryStream const & a_Source)
{
    // Exactly the source's size; the old block goes only once the new one exists.
    char * pcBytes = nullptr;
    if (a_Source.m_iCount)
    {
        pcBytes = static_cast<char *>(bCMemoryAdmin::GetInstance().Malloc(static_cast<unsigned long>(a_Source.m_iCount),
                                                                          "bCMemoryStream", __FILE__, __LINE__));
        if (!pcBytes)
            return;
        std::memcpy(pcBytes, a_Source.m_pcBytes, static_cast<size_t>(a_Source.m_iCount));
    }
    Destroy();
    m_pcBytes = pcBytes;
    m_iCount = a_Source.m_iCount;
    m_iCapacity = a_Source.m_iCount;
    m_i64Position = a_Source.m_i64Position;
}

void bCMemoryStream::Destroy()
{
    if (m_pcBytes && bCMemoryAdmin::IsMemoryAdminInitialized())
        bCMemoryAdmin::GetInstance().Free(m_pcBytes);
    m_pcBytes = nullptr;
    m_iCount = 0;
    m_iCapacity = 0;
    m_i64Position = 0;
}

bool bCMemoryStream::Grow(long long a_i64Size)
{
    if (a_i64Size >= kSizeLimit)
        return false;
    if (a_i64Size > m_iCapacity)
    {
        long long i64Capacity = a_i64Size + GetGrowthStep(m_iCapacity);
        if (i64Capacity >= kSizeLimit)
            i64Capacity = kSizeLimit - 1;
        void * pBlock = bCMemoryAdmin::GetInstance().Realloc(m_pcBytes, static_cast<unsigned long>(i64Capacity),
                                                             "bCMemoryStream", __FILE__, __LINE__);
        if (!pBlock)
            return false;
        m_pcBytes = static_cast<char *>(pBlock);
        std::memset(m_pcBytes + m_iCapacity, 0, static_cast<size_t>(i64Capacity - m_iCapacity));
        m_iCapacity = static_cast<int32_t>(i64Capacity);
    }
    m_iCount = static_cast<int32_t>(a_i64Size);
    return true;
}

bool bCMemoryStream::SetCount(unsigned long a_uSize)
{
    if (a_uSize >= static_cast<unsigned long>(kSizeLimit))
        return false;
    if (static_cast<long long>(a_uSize) > m_iCount)
        return Grow(static_cast<long long>(a_uSize));
    m_iCount = static_cast<int32_t>(a_uSize);
    if (m_i64Position > m_iCount)
        m_i64Position = m_iCount;
    return true;
}

unsigned long bCMemoryStream::Write(void const * a_pBuffer, unsigned long a_uSize)
{
    void * pPlace = AccessBuffer(a_uSize);
    if (!pPlace)
        return 0;
    CopyBytes(pPlace, a_pBuffer, a_uSize);
    return a_uSize;
}

unsigned long bCMemoryStream::Read(void * a_pBuffer, unsigned long a_uSize)
{
    long long const i64Left = m_iCount - m_i64Position;
    unsigned long const uCount =
        a_uSize < static_cast<unsigned long>(i64Left) ? a_uSize : static_cast<unsigned long>(i64Left);
    CopyBytes(a_pBuffer, m_pcBytes + m_i64Position, uCount);
    m_i64Position += static_cast<long long>(uCount);
    return uCount;
}

void * bCMemoryStream::GetBuffer(unsigned long a_uSize) const
{
    if (a_uSize > static_cast<unsigned long>(m_iCount - m_i64Position))
        return nullptr;
    char * pcPlace = m_pcBytes + m_i64Position;
    m_i64Position += static_cast<long long>(a_uSize);
    return pcPlace;
}

bool bCMemoryStream::GetPosition(long long & a_i64Position) const
{
    a_i64Position = m_i64Position;
    return true;
}

bool bCMemoryStream::SetPosition(long long a_i64Offset, bEStreamSeekMode a_eMode)
{
    // Offsets that overflow cannot land inside 0..size: refused like any outside position.
    long long i64Position = m_i64Position;
    bool bOverflow = false;
    if (a_eMode == bEStreamSeekMode_Begin)
        i64Position = a_i64Offset;
    else if (a_eMode == bEStreamSeekMode_Current)
        bOverflow = __builtin_add_overflow(m_i64Position, a_i64Offset, &i64Position);
    else if (a_eMode == bEStreamSeekMode_End)
        bOverflow = __builtin_sub_overflow(static_cast<long long>(m_iCount), a_i64Offset, &i64Position);
    if (bOverflow || i64Position < 0 || i64Position > m_iCount)
        return false;
    m_i64Position = i64Position;
    return true;
}

bool bCMemoryStream::Encrypt()
{
    Encrypt(m_pcBytes, static_cast<unsigned long>(m_iCount));
    return true;
}

bool bCMemoryStream::Decrypt()
{
    Decrypt(m_pcBytes, static_cast<unsigned long>(m_iCount));
    return true;
}

void bCMemoryStream::Encrypt(void * a_pBuffer, unsigned long a_uSize)
{
    unsigned char * pBytes = static_cast<unsigned char *>(a_pBuffer);
    for (unsigned long i = a_uSize; i >= 1; --i)
    {
        unsigned char const k = static_cast<unsigned char>(i);
        unsigned char b = static_cast<unsigned char>(pBytes[i - 1] ^ k);
        b = RotateLeft(b, static_cast<int>(i % 8));
        pBytes[i - 1] = static_cast<unsigned char>(b + k);
    }
}

void bCMemoryStream::Decrypt(void * a_pBuffer, unsigned long a_uSize)
{
    unsigned char * pBytes = static_cast<unsigned char *>(a_pBuffer);
    for (unsigned long i = a_uSize; i >= 1; --i)
    {
        unsigned char const k = static_cast<unsigned char>(i);
        unsigned char b = static_cast<unsigned char>(pBytes[i - 1] - k);
        b = RotateRight(b, static_cast<int>(i % 8));
        pBytes[i - 1] = static_cast<unsigned char>(b ^ k);
    }
}
