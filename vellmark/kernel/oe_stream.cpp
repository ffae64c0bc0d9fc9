#include <vellmark/kernel/oe_stream.h>

#include <vellmark/kernel/oe_message.h>

#include <cstring>

namespace
{
    char const * const kNotImplemented = "The method  %s was called, but has not yet been implemented!";
    char const * const kImproperUsage = "The method %s detected an improper usage! \nHint:%s ";
    char const * const kIntegerHint = "Integer-persistence poses a cross-processor incompatibility threat. Consider "
                                      "using explicit byte-size-types such as OEU32 etc.";

    // Lines are gathered in chunks of this many characters, so they have no length limit.
    int const kLineChunk = 1023;

    void WarnNativeInteger(char const * a_pcOperation)
    {
        OE_MESSAGEF_WARN(kImproperUsage, a_pcOperation, kIntegerHint);
    }
} // namespace

bCIStream::~bCIStream() = default;
bCOStream::~bCOStream() = default;
bCIOStream::~bCIOStream() = default;

unsigned long bCIStream::Read(void * a_pBuffer, unsigned long a_uSize)
{
    return ReadFallback(a_pBuffer, a_uSize);
}

unsigned long bCIStream::ReadFallback(void *, unsigned long)
{
    OE_MESSAGEF_WARN(kNotImplemented, "[virtual] bCIStream::Read -> Pure virtual function call!");
    return 0;
}

unsigned long bCIStream::ReadU32(uint32_t & a_u32Value)
{
    return Read(&a_u32Value, 4);
}

unsigned long bCIStream::Read(unsigned long & a_Value)
{
    uint32_t u32Value = static_cast<uint32_t>(a_Value);
    unsigned long const uRead = ReadU32(u32Value);
    a_Value = u32Value;
    return uRead;
}

unsigned long bCIStream::Read(long & a_Value)
{
    uint32_t u32Value = static_cast<uint32_t>(a_Value);
    unsigned long const uRead = ReadU32(u32Value);
    a_Value = static_cast<int32_t>(u32Value);
    return uRead;
}

unsigned long bCIStream::Read(bool & a_Value)
{
    unsigned char u8Value = a_Value ? 1 : 0;
    unsigned long const uRead = Read(&u8Value, 1);
    a_Value = u8Value != 0;
    return uRead;
}

unsigned long bCIStream::Read(int & a_Value)
{
    WarnNativeInteger("bCOutputStream::Read( OEInt )");
    uint32_t u32Value = static_cast<uint32_t>(a_Value);
    unsigned long const uRead = ReadU32(u32Value);
    a_Value = static_cast<int>(u32Value);
    return uRead;
}

unsigned long bCIStream::Read(unsigned int & a_Value)
{
    WarnNativeInteger("bCOutputStream::Read( OEUInt )");
    uint32_t u32Value = a_Value;
    unsigned long const uRead = ReadU32(u32Value);
    a_Value = u32Value;
    return uRead;
}

unsigned long bCIStream::Read(bCString & a_strValue)
{
    uint16_t u16Count = 0;
    unsigned long const uCountRead = Read(&u16Count, 2);
    if (uCountRead == 0 || u16Count == 0)
    {
        // A count cut after its first byte still announces that byte's length (the high byte stays 0).
        a_strValue.Clear();
        return uCountRead;
    }
    char * pcBuffer = a_strValue.GetBuffer(u16Count);
    unsigned long const uBodyRead = Read(pcBuffer, u16Count);
    if (uBodyRead < u16Count)
        std::memset(pcBuffer + uBodyRead, 0, u16Count - uBodyRead); // the announced length stays
    a_strValue.ReleaseBuffer(u16Count);
    return uCountRead + uBodyRead;
}

unsigned long bCIStream::ReadLine(bCString & a_strLine)
{
    a_strLine.Clear();
    char arrChunk[kLineChunk];
    int iChunk = 0;
    unsigned long uConsumed = 0;
    char cByte = 0;
    while (Read(&cByte, 1) == 1)
    {
        ++uConsumed;
        if (cByte == 10)
            break;
        if (cByte == 13)
            continue;
        arrChunk[iChunk++] = cByte;
        if (iChunk == kLineChunk)
        {
            a_strLine += bCString(arrChunk, iChunk);
            iChunk = 0;
        }
    }
    if (iChunk)
        a_strLine += bCString(arrChunk, iChunk);
    return uConsumed;
}

unsigned long bCOStream::Write(void const * a_pBuffer, unsigned long a_uSize)
{
    return WriteFallback(a_pBuffer, a_uSize);
}

unsigned long bCOStream::WriteFallback(void const *, unsigned long)
{
    OE_MESSAGEF_WARN(kNotImplemented, "[virtual] bCOStream::Write -> Pure virtual function call!");
    return 0;
}

unsigned long bCOStream::Write(bool a_Value)
{
    unsigned char const u8Value = a_Value ? 1 : 0;
    return Write(&u8Value, 1);
}

unsigned long bCOStream::Write(int a_Value)
{
    WarnNativeInteger("bCOStream::Write( OEInt )");
    return WriteU32(static_cast<uint32_t>(a_Value));
}

unsigned long bCOStream::Write(unsigned int a_Value)
{
    WarnNativeInteger("bCOStream::Write( OEUInt )");
    return WriteU32(a_Value);
}

unsigned long bCOStream::Write(bCString const & a_strValue)
{
    // Longer texts lose their tail with their count, so the stream stays readable.
    uint16_t const u16Count = static_cast<uint16_t>(a_strValue.GetLength());
    unsigned long const uCountWritten = Write(&u16Count, 2);
    if (uCountWritten == 0 || u16Count == 0)
        return uCountWritten;
    return uCountWritten + Write(a_strValue.GetText(), u16Count);
}

unsigned long bCOStream::WriteLine(bCString const & a_strLine)
{
    unsigned long uWritten = 0;
    if (!a_strLine.IsEmpty())
        uWritten = Write(a_strLine.GetText(), static_cast<unsigned long>(a_strLine.GetLength()));
    char const cLineFeed = 10;
    return uWritten + Write(&cLineFeed, 1);
}
