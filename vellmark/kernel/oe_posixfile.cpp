#include <vellmark/kernel/oe_posixfile.h>

#include <vellmark/kernel/oe_memorystream.h>
#include <vellmark/platform/oe_posixio.h>

namespace
{
    OEFileOpenMode GetOpenMode(bEFileCreationMode a_eMode)
    {
        switch (a_eMode)
        {
        case bEFileCreationMode_Write: return OEFileOpen_Write;
        case bEFileCreationMode_ReadWrite: return OEFileOpen_ReadWrite;
        case bEFileCreationMode_Create: return OEFileOpen_Create;
        case bEFileCreationMode_Append: return OEFileOpen_Append;
        default: return OEFileOpen_Read;
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
    m_iDescriptor = OEFileOpen(a_strName.GetText(), GetOpenMode(a_eMode), m_iResult);
    return m_iDescriptor >= 0;
}

bool bCPosixFile::Close()
{
    if (m_iDescriptor < 0)
        return false;
    m_iResult = OEFileClose(m_iDescriptor);
    m_iDescriptor = -1;
    return true;
}

unsigned long bCPosixFile::Read(void * a_pBuffer, unsigned long a_uSize)
{
    if (m_iDescriptor < 0)
        return 0;
    int iError = 0;
    unsigned long const uDone = OEFileRead(m_iDescriptor, a_pBuffer, a_uSize, iError);
    if (uDone < a_uSize)
        m_iResult = iError;
    return uDone;
}

unsigned long bCPosixFile::Write(void const * a_pBuffer, unsigned long a_uSize)
{
    if (m_iDescriptor < 0)
        return 0;
    int iError = 0;
    unsigned long const uDone = OEFileWrite(m_iDescriptor, a_pBuffer, a_uSize, iError);
    if (uDone < a_uSize)
        m_iResult = iError;
    return uDone;
}

long long bCPosixFile::GetPosition() const
{
    return m_iDescriptor < 0 ? -1 : OEFileTell(m_iDescriptor);
}

long long bCPosixFile::GetLength() const
{
    return m_iDescriptor < 0 ? -1 : OEFileLength(m_iDescriptor);
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
    m_iResult = OEFileSeekTo(m_iDescriptor, i64Position);
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
    m_iResult = OEFileSync(m_iDescriptor);
    return m_iResult == 0;
}
