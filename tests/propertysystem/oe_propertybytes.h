#ifndef OE_PROPERTYBYTES_H_INCLUDED
#define OE_PROPERTYBYTES_H_INCLUDED

// Builds expected byte sequences of the wire format by hand, field by field.

#include <vellmark/kernel/oe_erroradmin.h>
#include <vellmark/kernel/oe_memorystream.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>

class bCBytes
{
public:
    bCBytes & U8(uint8_t a_uValue) { return Raw(&a_uValue, 1); }
    bCBytes & U16(uint16_t a_uValue) { return Raw(&a_uValue, 2); }
    bCBytes & U32(uint32_t a_uValue) { return Raw(&a_uValue, 4); }
    bCBytes & F32(float a_fValue) { return Raw(&a_fValue, 4); }
    bCBytes & Str(std::string const & a_strText) // plain form
    {
        U16(static_cast<uint16_t>(a_strText.size()));
        m_strBytes += a_strText;
        return *this;
    }
    bCBytes & Bytes(bCBytes const & a_Other)
    {
        m_strBytes += a_Other.m_strBytes;
        return *this;
    }
    bCBytes & Sized(bCBytes const & a_Block) // unsigned 32-bit size, then the block
    {
        U32(static_cast<uint32_t>(a_Block.m_strBytes.size()));
        return Bytes(a_Block);
    }
    std::string const & Get() const { return m_strBytes; }

private:
    bCBytes & Raw(void const * a_pData, size_t a_uSize)
    {
        m_strBytes.append(static_cast<char const *>(a_pData), a_uSize);
        return *this;
    }
    std::string m_strBytes;
};

// An input stream that cannot seek and knows no size: it only hands out bytes.
class bCPlainInput : public bCIStream
{
public:
    explicit bCPlainInput(std::string a_strBytes) : m_strBytes(std::move(a_strBytes)) {}
    using bCIStream::Read;
    unsigned long Read(void * a_pBuffer, unsigned long a_uSize) override
    {
        unsigned long const uTake = std::min<unsigned long>(a_uSize, m_strBytes.size() - m_uAt);
        std::memcpy(a_pBuffer, m_strBytes.data() + m_uAt, uTake);
        m_uAt += uTake;
        return uTake;
    }
    bool AtEnd() const { return m_uAt == m_strBytes.size(); }

private:
    std::string m_strBytes;
    size_t m_uAt = 0;
};

// A stream that has a position but cannot seek: it tells its end no better than bCPlainInput.
class bCUnseekableInput : public bCIOStream
{
public:
    explicit bCUnseekableInput(std::string a_strBytes) : m_Input(std::move(a_strBytes)) {}
    using bCIOStream::Read;
    using bCIOStream::Write;
    unsigned long Read(void * a_pBuffer, unsigned long a_uSize) override
    {
        unsigned long const uGot = m_Input.Read(a_pBuffer, a_uSize);
        m_i64Position += uGot;
        return uGot;
    }
    unsigned long Write(void const *, unsigned long) override { return 0; }
    long long GetPosition() const override { return m_i64Position; }
    bool Seek(long long, bEStreamSeekMode) override { return false; }
    bool AtEnd() const { return m_Input.AtEnd(); }

private:
    bCPlainInput m_Input;
    long long m_i64Position = 0;
};

// A property record: name, value type name (none before data version 30), version 30, sized value.
inline bCBytes Record(std::string const & a_strName, std::string const & a_strType, bCBytes const & a_Value)
{
    bCBytes Bytes;
    Bytes.Str(a_strName);
    if (!a_strType.empty())
        Bytes.Str(a_strType);
    return Bytes.U16(30).Sized(a_Value);
}

inline std::string GetContent(bCMemoryStream const & a_Stream)
{
    bCMemoryStream Copy(a_Stream);
    Copy.SetPosition(0, bEStreamSeekMode_Begin);
    unsigned long const uSize = static_cast<unsigned long>(Copy.GetSize());
    return uSize ? std::string(static_cast<char const *>(Copy.GetBuffer(uSize)), uSize) : std::string();
}

inline void SetContent(bCMemoryStream & a_Stream, std::string const & a_strBytes)
{
    a_Stream.Destroy();
    a_Stream.Write(a_strBytes.data(), static_cast<unsigned long>(a_strBytes.size()));
    a_Stream.SetPosition(0, bEStreamSeekMode_Begin);
}

// While it lives, fatal errors are counted and execution continues.
class bCFatalHookScope
{
public:
    bCFatalHookScope() : m_funcOld(bCErrorAdmin::SetFatalHook(&Count)) { ms_iFatals = 0; }
    ~bCFatalHookScope() { bCErrorAdmin::SetFatalHook(m_funcOld); }
    static int GetCount() { return ms_iFatals; }

private:
    static void Count(char const *, char const *, int) { ++ms_iFatals; }
    bFFatalHook m_funcOld;
    static inline int ms_iFatals = 0;
};

#endif
