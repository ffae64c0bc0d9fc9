#ifndef OE_MEMORYSTREAM_H_INCLUDED
#define OE_MEMORYSTREAM_H_INCLUDED

// bCMemoryStream: a stream over one growable block of memory.
//
// - The content is a byte array (pointer, signed 32-bit size, signed 32-bit
//   capacity) and the position a signed 64-bit offset, always within 0..size.
// - The size changes only through AccessBuffer (and so Write) and SetCount.
//   Growing past the capacity reallocates to the requested size plus a step of
//   capacity / 8, clamped to 4..1024 bytes, and zero-fills the new slots; a size
//   that grows within the capacity exposes the bytes as they are. Callers that
//   know the final size set it at once with SetCount.
// - A stream never reaches 2^31 bytes: such writes are refused and change nothing.
// - Writing at the end appends, inside the content overwrites, across the end
//   extends. Reading never consumes: rewind and read again.
// - Copies get a block of exactly the source's size and the same position.

#include <vellmark/kernel/oe_stream.h>

#include <cstdint>
#include <cstring>

class OE_API bCMemoryStream : public bCIOStream
{
public:
    bCMemoryStream();
    bCMemoryStream(bCMemoryStream const & a_Source);
    bCMemoryStream & operator=(bCMemoryStream const & a_Source);
    ~bCMemoryStream() override;

public:
    OE_STREAM_USING_BASES(bCIOStream);
    unsigned long Read(void * a_pBuffer, unsigned long a_uSize) override; // what is left, at most a_uSize
    long long GetPosition() const override { return m_i64Position; }
    bool Seek(long long a_i64Offset, bEStreamSeekMode a_eMode) override { return SetPosition(a_i64Offset, a_eMode); }
    virtual long long GetSize() const { return m_iCount; }
    virtual bool GetPosition(long long & a_i64Position) const;
    virtual bool SetPosition(long long a_i64Offset, bEStreamSeekMode a_eMode);   // false outside 0..size
    unsigned long Write(void const * a_pBuffer, unsigned long a_uSize) override; // a_uSize, or 0 when refused

public:
    void * GetBuffer(unsigned long a_uSize) const; // read in place; null past the end
    void * AccessBuffer(unsigned long a_uSize);    // write in place; null at 2^31 bytes or more
    bool SetCount(unsigned long a_uSize);          // false when refused (2^31 or more, no memory)
    int GetCapacity() const { return m_iCapacity; }
    void Destroy();
    bool Encrypt();
    bool Decrypt();
    static void Encrypt(void * a_pBuffer, unsigned long a_uSize);
    static void Decrypt(void * a_pBuffer, unsigned long a_uSize);

protected:
    void Invalidate() { m_i64Position = 0; }

private:
    bool Grow(long long a_i64Size);
    void CopyContent(bCMemoryStream const & a_Source);

private:
    char * m_pcBytes;
    int32_t m_iCount;
    int32_t m_iCapacity;
    mutable long long m_i64Position; // GetBuffer reads in place through a const stream
};

inline void * bCMemoryStream::AccessBuffer(unsigned long a_uSize)
{
    // unsigned long is 64-bit: a size of 2^31 or more can never fit and must not wrap the sum.
    if (a_uSize >= 0x80000000ul)
        return nullptr;
    long long const i64End = m_i64Position + static_cast<long long>(a_uSize);
    if (i64End > m_iCount && !Grow(i64End))
        return nullptr;
    char * pcPlace = m_pcBytes + m_i64Position;
    m_i64Position = i64End;
    return pcPlace;
}

#endif
