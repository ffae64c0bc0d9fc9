#ifndef OE_NULLSTREAM_H_INCLUDED
#define OE_NULLSTREAM_H_INCLUDED

// bCNullStream: swallows what is written and counts the bytes, so that a caller
// can measure a serialised form without storing it. Reads deliver nothing; the
// scratch block only follows the largest read asked for. The count is unsigned
// 32-bit and wraps.

#include <vellmark/kernel/oe_stream.h>

#include <cstdint>

class OE_API bCNullStream : public bCIOStream
{
public:
    bCNullStream();
    bCNullStream(bCNullStream const & a_Source);
    bCNullStream & operator=(bCNullStream const & a_Source);
    ~bCNullStream() override;

public:
    OE_STREAM_USING_BASES(bCIOStream);
    long long GetPosition() const override { return 0; }
    bool Seek(long long, bEStreamSeekMode) override { return false; }
    unsigned long GetBytesWritten() const { return m_u32BytesWritten; }
    void Clear();

protected:
    unsigned long Read(void * a_pBuffer, unsigned long a_uSize) override;        // 0
    unsigned long Write(void const * a_pBuffer, unsigned long a_uSize) override; // a_uSize, counted
    void ReallocBuffer(unsigned long a_uSize);

private:
    uint32_t m_u32BytesWritten;
    void * m_pScratch;
    uint32_t m_u32ScratchCapacity;
};

#endif
