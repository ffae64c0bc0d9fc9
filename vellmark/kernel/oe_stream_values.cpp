// The stream forms of the value types: 16-bit string, GUID, date-time, variant.

#include <vellmark/kernel/oe_stream.h>

#include <vellmark/kernel/oe_basemem.h>
#include <vellmark/kernel/oe_datetime.h>
#include <vellmark/kernel/oe_guid.h>
#include <vellmark/kernel/oe_unicodestring.h>
#include <vellmark/kernel/oe_variant.h>

#include <cstring>

namespace
{
    // Lines are gathered in chunks of this many units, so they have no length
    // limit.
    int const kLineChunk = 1023;

    // The persisted GUID: the 16 bytes, the validity byte and 3 filler bytes
    // (zero).
    int const kGuidBytes = 16;
    int const kGuidRecord = 20;

    // Appends exactly a_iCount units, zero units included.
    void AppendUnits(bCUnicodeString & a_strText, char16_t const * a_pcUnits, int a_iCount)
    {
        int const iOld = a_strText.GetLength();
        char16_t * pcBuffer = a_strText.GetBuffer(iOld + a_iCount);
        std::memcpy(pcBuffer + iOld, a_pcUnits, static_cast<size_t>(a_iCount) * 2);
        a_strText.ReleaseBuffer(iOld + a_iCount);
    }

    // The width of a variant's value at the front of its 8-byte field; 0 for
    // types that keep their 8 bytes as they are (none, unknown types).
    int GetVariantWidth(int a_iType)
    {
        switch (a_iType)
        {
        case bCVariant::bEType_U8:
        case bCVariant::bEType_I8:
        case bCVariant::bEType_Bool: return 1;
        case bCVariant::bEType_U16:
        case bCVariant::bEType_I16: return 2;
        case bCVariant::bEType_U32:
        case bCVariant::bEType_I32:
        case bCVariant::bEType_Int:
        case bCVariant::bEType_Float:
        case bCVariant::bEType_VoidPointer: return 4;
        case bCVariant::bEType_U64:
        case bCVariant::bEType_I64:
        case bCVariant::bEType_Double: return 8;
        default: return 0;
        }
    }

    // The 8 persisted bytes of a value of a_iType: its own width first, zeros
    // after.
    void PackVariantValue(int a_iType, bCVariant::bUType const & a_Data, unsigned char (&a_arrBytes)[8])
    {
        std::memset(a_arrBytes, 0, sizeof(a_arrBytes));
        int const iWidth = GetVariantWidth(a_iType);
        if (a_iType == bCVariant::bEType_Bool)
            a_arrBytes[0] = a_Data.m_bValue ? 1 : 0;
        else if (iWidth == 0 && a_iType != bCVariant::bEType_None)
            std::memcpy(a_arrBytes, &a_Data, 8);
        else
            std::memcpy(a_arrBytes, &a_Data,
                        static_cast<size_t>(iWidth)); // little-endian: the low bytes
    }

    // The native value of a_iType from its persisted bytes; 32-bit values are
    // widened as their type says, pointers never come back as addresses.
    void UnpackVariantValue(int a_iType, unsigned char const (&a_arrBytes)[8], bCVariant::bUType & a_Data)
    {
        uint32_t u32Value = 0;
        std::memcpy(&u32Value, a_arrBytes, 4);
        std::memset(&a_Data, 0, sizeof(a_Data));
        switch (a_iType)
        {
        case bCVariant::bEType_Bool: a_Data.m_bValue = a_arrBytes[0] != 0; break;
        case bCVariant::bEType_U32: a_Data.m_u32Value = u32Value; break;
        case bCVariant::bEType_I32: a_Data.m_i32Value = static_cast<int32_t>(u32Value); break;
        case bCVariant::bEType_Int: a_Data.m_iValue = static_cast<int32_t>(u32Value); break;
        case bCVariant::bEType_VoidPointer: break;
        default:
            std::memcpy(&a_Data, a_arrBytes,
                        static_cast<size_t>(GetVariantWidth(a_iType) ? GetVariantWidth(a_iType) : 8));
        }
    }
} // namespace

unsigned long bCIStream::Read(bCUnicodeString & a_strValue)
{
    uint16_t u16Bytes = 0;
    unsigned long const uCountRead = Read(&u16Bytes, 2);
    if (uCountRead == 0 || u16Bytes == 0)
    {
        a_strValue.Clear();
        return uCountRead;
    }
    int const iUnits = u16Bytes / 2;
    unsigned long uBodyRead = 0;
    if (iUnits)
    {
        char16_t * pcBuffer = a_strValue.GetBuffer(iUnits);
        uBodyRead = Read(pcBuffer, static_cast<unsigned long>(iUnits) * 2);
        if (uBodyRead < static_cast<unsigned long>(iUnits) * 2)
            std::memset(reinterpret_cast<char *>(pcBuffer) + uBodyRead, 0, iUnits * 2 - uBodyRead);
        a_strValue.ReleaseBuffer(iUnits);
    }
    else
        a_strValue.Clear();
    if (u16Bytes & 1)
    {
        // The odd byte belongs to the text's count: consumed, never half a unit.
        unsigned char u8Odd = 0;
        uBodyRead += Read(&u8Odd, 1);
    }
    return uCountRead + uBodyRead;
}

unsigned long bCIStream::Read(bCGuid & a_Value)
{
    unsigned char arrRecord[kGuidRecord];
    std::memcpy(arrRecord, &a_Value.GetGuid(), kGuidBytes);
    arrRecord[kGuidBytes] = a_Value.IsValid() ? 1 : 0;
    unsigned long const uRead = Read(arrRecord, kGuidRecord);
    _GUID Guid;
    std::memcpy(&Guid, arrRecord, kGuidBytes);
    a_Value.SetGuid(Guid);
    if (arrRecord[kGuidBytes] == 0)
        a_Value.MakeInvalidGuid();
    return uRead;
}

unsigned long bCIStream::Read(bCDateTime & a_Value)
{
    return Read(&a_Value.AccessDateTime(), 8);
}

unsigned long bCIStream::Read(bCVariant & a_Value)
{
    // An owned text goes first: the type field is about to stop describing it.
    // Any other value stays in place, so that a short read keeps what it did not reach.
    if (a_Value.GetType() == bCVariant::bEType_String)
        a_Value.Clear();
    int const iOldType = static_cast<int>(a_Value.GetType());
    uint32_t u32Type = static_cast<uint32_t>(iOldType);
    unsigned long uRead = ReadU32(u32Type);
    a_Value.AccessType() = static_cast<bCVariant::bEType>(u32Type);
    if (u32Type != bCVariant::bEType_String)
    {
        unsigned char arrBytes[8];
        PackVariantValue(iOldType, a_Value.GetData(), arrBytes);
        uRead += Read(arrBytes, 8);
        UnpackVariantValue(static_cast<int>(u32Type), arrBytes, a_Value.AccessData());
        return uRead;
    }
    bCString strText;
    uRead += Read(strText);
    bCVariant::bUType Data;
    std::memset(&Data, 0, sizeof(Data));
    if (!strText.IsEmpty())
    {
        size_t const uLength = static_cast<size_t>(strText.GetLength());
        char * pcText = static_cast<char *>(bCMemoryAdmin::GetInstance().Malloc(static_cast<unsigned long>(uLength + 1),
                                                                                "bCVariant", __FILE__, __LINE__));
        if (pcText)
        {
            std::memcpy(pcText, strText.GetText(), uLength);
            pcText[uLength] = 0;
        }
        Data.m_pcValue = pcText;
    }
    a_Value.SetData(Data);
    return uRead;
}

unsigned long bCIStream::ReadLine(bCUnicodeString & a_strLine)
{
    char16_t cUnit = 0;
    if (Read(&cUnit, 2) != 2)
        return 0;
    a_strLine.Clear();
    char16_t arrChunk[kLineChunk];
    int iChunk = 0;
    unsigned long uConsumed = 2;
    while (cUnit != 10)
    {
        if (cUnit != 13)
            arrChunk[iChunk++] = cUnit;
        if (iChunk == kLineChunk)
        {
            AppendUnits(a_strLine, arrChunk, iChunk);
            iChunk = 0;
        }
        if (Read(&cUnit, 2) != 2)
            break;
        uConsumed += 2;
    }
    if (iChunk)
        AppendUnits(a_strLine, arrChunk, iChunk);
    return uConsumed;
}

unsigned long bCOStream::Write(bCUnicodeString const & a_strValue)
{
    // Longer texts lose their tail with their count, so the stream stays
    // readable.
    uint16_t const u16Bytes = static_cast<uint16_t>(a_strValue.GetLength() * 2);
    unsigned long const uCountWritten = Write(&u16Bytes, 2);
    if (uCountWritten == 0 || u16Bytes == 0)
        return uCountWritten;
    return uCountWritten + Write(a_strValue.GetText(), u16Bytes);
}

unsigned long bCOStream::Write(bCGuid const & a_Value)
{
    unsigned char arrRecord[kGuidRecord] = {};
    std::memcpy(arrRecord, &a_Value.GetGuid(), kGuidBytes);
    arrRecord[kGuidBytes] = a_Value.IsValid() ? 1 : 0;
    return Write(arrRecord, kGuidRecord);
}

unsigned long bCOStream::Write(bCDateTime const & a_Value)
{
    unsigned long long const u64Time = a_Value.GetDateTime();
    return Write(&u64Time, 8);
}

unsigned long bCOStream::Write(bCVariant const & a_Value)
{
    int const iType = static_cast<int>(a_Value.GetType());
    unsigned long uWritten = WriteU32(static_cast<uint32_t>(iType));
    if (iType == bCVariant::bEType_String)
        return uWritten + Write(bCString(a_Value.GetString()));
    unsigned char arrBytes[8];
    PackVariantValue(iType, a_Value.GetData(), arrBytes);
    return uWritten + Write(arrBytes, 8);
}
