#ifndef OE_TESTSTREAM_H_INCLUDED
#define OE_TESTSTREAM_H_INCLUDED

// A byte-vector stream with the typed Write/Read members the containers use,
// in the engine's primitive encodings (little-endian; long as 4 bytes; a string
// as a 16-bit count and its characters). Reads deliver what is left.

#include <vellmark/kernel/oe_string.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

class CTestStream
{
public:
    CTestStream() = default;
    CTestStream(unsigned char const * a_pData, size_t a_uSize) : m_arrBytes(a_pData, a_pData + a_uSize) {}

    std::vector<unsigned char> const & GetBytes() const { return m_arrBytes; }
    size_t GetPosition() const { return m_uPosition; }

    unsigned long Write(void const * a_pData, unsigned long a_uSize)
    {
        unsigned char const * pBytes = static_cast<unsigned char const *>(a_pData);
        m_arrBytes.insert(m_arrBytes.end(), pBytes, pBytes + a_uSize);
        return a_uSize;
    }
    unsigned long Write(unsigned char a_u8Value) { return Write(&a_u8Value, 1); }
    unsigned long Write(unsigned long a_uValue)
    {
        uint32_t const u32Value = static_cast<uint32_t>(a_uValue);
        return Write(&u32Value, 4);
    }
    unsigned long Write(long a_lValue) { return Write(static_cast<unsigned long>(a_lValue)); }
    unsigned long Write(bCString const & a_strValue)
    {
        uint16_t const u16Count = static_cast<uint16_t>(a_strValue.GetLength());
        unsigned long const uBytes = Write(&u16Count, 2);
        return u16Count ? uBytes + Write(a_strValue.GetText(), u16Count) : uBytes;
    }

    unsigned long Read(void * a_pData, unsigned long a_uSize)
    {
        size_t const uLeft = m_arrBytes.size() - m_uPosition;
        size_t const uCount = a_uSize < uLeft ? a_uSize : uLeft;
        if (uCount)
            std::memcpy(a_pData, m_arrBytes.data() + m_uPosition, uCount);
        m_uPosition += uCount;
        return static_cast<unsigned long>(uCount);
    }
    unsigned long Read(unsigned char & a_u8Value) { return Read(&a_u8Value, 1); }
    unsigned long Read(unsigned long & a_uValue)
    {
        uint32_t u32Value = 0;
        unsigned long const uBytes = Read(&u32Value, 4);
        a_uValue = u32Value;
        return uBytes;
    }
    unsigned long Read(long & a_lValue)
    {
        int32_t i32Value = 0;
        unsigned long const uBytes = Read(&i32Value, 4);
        a_lValue = i32Value;
        return uBytes;
    }
    unsigned long Read(bCString & a_strValue)
    {
        uint16_t u16Count = 0;
        unsigned long const uBytes = Read(&u16Count, 2);
        if (uBytes < 2 || u16Count == 0)
        {
            a_strValue.Clear();
            return uBytes;
        }
        char * pcBuffer = a_strValue.GetBuffer(u16Count);
        unsigned long const uText = Read(pcBuffer, u16Count);
        a_strValue.ReleaseBuffer(u16Count);
        return uBytes + uText;
    }

private:
    std::vector<unsigned char> m_arrBytes;
    size_t m_uPosition = 0;
};

#endif
