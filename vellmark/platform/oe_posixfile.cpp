#include <vellmark/platform/oe_posixfile.h>

#include <vellmark/kernel/oe_memorystream.h>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
    // One system call moves at most this much; larger blocks take several.
    unsigned long const kMaxTransfer = 1ul << 30;

    int GetOpenFlags(bEFileCreationMode a_eMode)
    {
        switch (a_eMode)
        {
        case bEFileCreationMode_Write: return O_WRONLY | O_CREAT | O_TRUNC;
        case bEFileCreationMode_ReadWrite: return O_RDWR;
        case bEFileCreationMode_Create: return O_RDWR | O_CREAT | O_TRUNC;
        case bEFileCreationMode_Append: return O_WRONLY | O_CREAT | O_APPEND;
        default: return O_RDONLY;
        }
    }
} // namespace

bCPosixFile::bCPosixFile() : m_iResult(0), m_iDescriptor(-1) {}

bCPosixFile::bCPosixFile(bCString const & a_strName, bEFileCreationMode a_eMode) : bCPosixFile()
{
    Open(a_strName, a_eMode);
}

bCPosixFile::~bCPosixFile()
{
    if (m_iDescriptor >= 0)
        Close();
}

bool bCPosixFile::Open(bCString const & a_strName, bEFileCreationMode a_eMode)
{
    if (m_iDescriptor >= 0)
        Close();
    m_strName = a_strName;
    m_iDescriptor = ::open(a_strName.GetText(), GetOpenFlags(a_eMode) | O_CLOEXEC, 0666);
    m_iResult = m_iDescriptor < 0 ? errno : 0;
    return m_iDescriptor >= 0;
}

bool bCPosixFile::Close()
{
    if (m_iDescriptor < 0)
        return false;
    m_iResult = ::close(m_iDescriptor) == 0 ? 0 : errno;
    m_iDescriptor = -1;
    return true;
}

unsigned long bCPosixFile::Read(void * a_pBuffer, unsigned long a_uSize)
{
    char * pcBuffer = static_cast<char *>(a_pBuffer);
    unsigned long uDone = 0;
    while (m_iDescriptor >= 0 && uDone < a_uSize)
    {
        unsigned long const uAsk = a_uSize - uDone < kMaxTransfer ? a_uSize - uDone : kMaxTransfer;
        ssize_t const iGot = ::read(m_iDescriptor, pcBuffer + uDone, uAsk);
        if (iGot < 0 && errno == EINTR)
            continue;
        if (iGot <= 0)
        {
            m_iResult = iGot < 0 ? errno : 0;
            break;
        }
        uDone += static_cast<unsigned long>(iGot);
    }
    return uDone;
}

unsigned long bCPosixFile::Write(void const * a_pBuffer, unsigned long a_uSize)
{
    char const * pcBuffer = static_cast<char const *>(a_pBuffer);
    unsigned long uDone = 0;
    while (m_iDescriptor >= 0 && uDone < a_uSize)
    {
        unsigned long const uAsk = a_uSize - uDone < kMaxTransfer ? a_uSize - uDone : kMaxTransfer;
        ssize_t const iPut = ::write(m_iDescriptor, pcBuffer + uDone, uAsk);
        if (iPut < 0 && errno == EINTR)
            continue;
        if (iPut <= 0)
        {
            m_iResult = iPut < 0 ? errno : EIO;
            break;
        }
        uDone += static_cast<unsigned long>(iPut);
    }
    return uDone;
}

long long bCPosixFile::GetPosition() const
{
    return m_iDescriptor < 0 ? -1 : static_cast<long long>(::lseek(m_iDescriptor, 0, SEEK_CUR));
}

long long bCPosixFile::GetLength() const
{
    struct stat Status;
    if (m_iDescriptor < 0 || ::fstat(m_iDescriptor, &Status) != 0)
        return -1;
    return static_cast<long long>(Status.st_size);
}

bool bCPosixFile::Seek(long long a_i64Offset, bEStreamSeekMode a_eMode)
{
    return static_cast<bCPosixFile const &>(*this).Seek(a_i64Offset, a_eMode);
}

bool bCPosixFile::Seek(long long a_i64Offset, bEStreamSeekMode a_eMode) const
{
    long long const i64Length = GetLength();
    long long i64Position = GetPosition();
    if (i64Length < 0)
        return false;
    bool bOverflow = false;
    if (a_eMode == bEStreamSeekMode_Begin)
        i64Position = a_i64Offset;
    else if (a_eMode == bEStreamSeekMode_Current)
        bOverflow = __builtin_add_overflow(i64Position, a_i64Offset, &i64Position);
    else if (a_eMode == bEStreamSeekMode_End)
        bOverflow = __builtin_sub_overflow(i64Length, a_i64Offset, &i64Position);
    if (bOverflow || i64Position < 0 || i64Position > i64Length)
        return false;
    m_iResult = ::lseek(m_iDescriptor, static_cast<off_t>(i64Position), SEEK_SET) < 0 ? errno : 0;
    return m_iResult == 0;
}

bool bCPosixFile::ReadAll(bCMemoryStream & a_Stream)
{
    long long const i64Left = GetLength() - GetPosition();
    if (i64Left < 0 || i64Left >= 0x80000000LL)
        return false;
    if (i64Left == 0)
        return true; // an empty stream has no place to give, and nothing is missing
    void * pPlace = a_Stream.AccessBuffer(static_cast<unsigned long>(i64Left));
    if (!pPlace)
        return false;
    unsigned long const uGot = Read(pPlace, static_cast<unsigned long>(i64Left));
    if (uGot < static_cast<unsigned long>(i64Left))
    {
        // The file shrank meanwhile: the stream keeps only what arrived.
        long long const i64End = a_Stream.GetPosition() - (i64Left - static_cast<long long>(uGot));
        a_Stream.SetCount(static_cast<unsigned long>(i64End));
    }
    return true;
}

bool bCPosixFile::Flush()
{
    if (m_iDescriptor < 0)
        return false;
    m_iResult = ::fsync(m_iDescriptor) == 0 ? 0 : errno;
    return m_iResult == 0;
}
