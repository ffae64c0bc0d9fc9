#ifndef OE_MD5_H_INCLUDED
#define OE_MD5_H_INCLUDED

// bCMd5: the MD5 message digest (RFC 1321), from which property identifiers
// are derived so that one name gives one identifier in every run and module.
//
// - Append feeds bytes, Finish pads and closes; the digest is the four state
//   words, each low byte first.
// - GetDigest8/16/32 read the current state without finishing: 16 bytes,
//   the even state bytes into the first 8 core bytes, or the four words.

#include <vellmark/kernel/oe_types.h>

#include <cstdint>

struct bSPropertyIDCore;

class OE_API bCMd5
{
public:
    using bSCore = bSPropertyIDCore;

public:
    bCMd5();
    ~bCMd5();

public:
    bool Create(); // initial state, valid
    void Destroy();
    bool IsValid() const { return m_bValid; }
    void Append(void const * a_pData, unsigned long a_uLength);
    void Finish(); // padding and length; clears the valid flag
    void Finish(bSCore & a_Digest);
    void GetDigest8(bSCore & a_Digest) const;
    void GetDigest16(bSCore & a_Digest) const; // writes core bytes 0-7 only
    void GetDigest32(bSCore & a_Digest) const;

protected:
    void Invalidate() { m_bValid = false; }

private:
    void Process(uint8_t const * a_pBlock);

private:
    uint32_t m_arrBitCount[2]; // low word first
    uint32_t m_arrState[4];    // A, B, C, D
    uint8_t m_arrBuffer[64];
    bool m_bValid;
};

#endif
