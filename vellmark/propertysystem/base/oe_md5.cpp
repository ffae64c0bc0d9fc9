#include <vellmark/propertysystem/base/oe_md5.h>

#include <vellmark/propertysystem/base/oe_propertyid.h>

#include <cstring>

namespace
{
    uint32_t RotateLeft(uint32_t a_uValue, int a_iShift)
    {
        return (a_uValue << a_iShift) | (a_uValue >> (32 - a_iShift));
    }

    // The per-step shifts and sine-derived constants of RFC 1321.
    constexpr int s_arrShifts[64] = {7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22,
                                     5, 9,  14, 20, 5, 9,  14, 20, 5, 9,  14, 20, 5, 9,  14, 20,
                                     4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23,
                                     6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21};
    constexpr uint32_t s_arrConstants[64] = {
        0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
        0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
        0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
        0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
        0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
        0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
        0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
        0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391};

    // The state as 16 bytes, low byte of each word first.
    void GetStateBytes(uint32_t const * a_pState, uint8_t * a_pBytes)
    {
        for (int i = 0; i < 16; ++i)
            a_pBytes[i] = static_cast<uint8_t>(a_pState[i / 4] >> (8 * (i % 4)));
    }
} // namespace

bCMd5::bCMd5() : m_arrBitCount{0, 0}, m_arrState{0, 0, 0, 0}, m_arrBuffer{}, m_bValid(false) {}

bCMd5::~bCMd5()
{
    m_bValid = false;
}

bool bCMd5::Create()
{
    m_arrBitCount[0] = m_arrBitCount[1] = 0;
    m_arrState[0] = 0x67452301;
    m_arrState[1] = 0xEFCDAB89;
    m_arrState[2] = 0x98BADCFE;
    m_arrState[3] = 0x10325476;
    m_bValid = true;
    return true;
}

void bCMd5::Destroy()
{
    m_bValid = false;
}

void bCMd5::Append(void const * a_pData, unsigned long a_uLength)
{
    uint32_t const uLength = static_cast<uint32_t>(a_uLength);
    if (uLength == 0)
        return;
    uint32_t uFill = (m_arrBitCount[0] >> 3) & 63;
    uint32_t const uBitsLow = uLength << 3;
    m_arrBitCount[0] += uBitsLow;
    if (m_arrBitCount[0] < uBitsLow)
        ++m_arrBitCount[1];
    m_arrBitCount[1] += uLength >> 29;
    uint8_t const * pData = static_cast<uint8_t const *>(a_pData);
    uint32_t uLeft = uLength;
    while (uLeft > 0)
    {
        uint32_t const uTake = uLeft < 64 - uFill ? uLeft : 64 - uFill;
        std::memcpy(m_arrBuffer + uFill, pData, uTake);
        uFill += uTake;
        pData += uTake;
        uLeft -= uTake;
        if (uFill == 64)
        {
            Process(m_arrBuffer);
            uFill = 0;
        }
    }
}

void bCMd5::Finish()
{
    uint8_t arrLength[8];
    for (int i = 0; i < 8; ++i)
        arrLength[i] = static_cast<uint8_t>(m_arrBitCount[i / 4] >> (8 * (i % 4)));
    uint32_t const uFill = (m_arrBitCount[0] >> 3) & 63;
    uint32_t const uPad = uFill < 56 ? 56 - uFill : 120 - uFill;
    static uint8_t const s_arrPadding[64] = {0x80};
    Append(s_arrPadding, uPad);
    Append(arrLength, 8);
    m_bValid = false;
}

void bCMd5::Finish(bSCore & a_Digest)
{
    Finish();
    GetDigest8(a_Digest);
}

void bCMd5::GetDigest8(bSCore & a_Digest) const
{
    GetStateBytes(m_arrState, a_Digest.m_arrBytes);
}

void bCMd5::GetDigest16(bSCore & a_Digest) const
{
    uint8_t arrBytes[16];
    GetStateBytes(m_arrState, arrBytes);
    for (int k = 0; k < 8; ++k)
        a_Digest.m_arrBytes[k] = arrBytes[2 * k];
}

void bCMd5::GetDigest32(bSCore & a_Digest) const
{
    for (int i = 0; i < 4; ++i)
        a_Digest.SetWord(i, m_arrState[i]);
}

void bCMd5::Process(uint8_t const * a_pBlock)
{
    uint32_t arrWords[16];
    for (int i = 0; i < 16; ++i)
        arrWords[i] = uint32_t(a_pBlock[4 * i]) | uint32_t(a_pBlock[4 * i + 1]) << 8 |
                      uint32_t(a_pBlock[4 * i + 2]) << 16 | uint32_t(a_pBlock[4 * i + 3]) << 24;
    uint32_t a = m_arrState[0], b = m_arrState[1], c = m_arrState[2], d = m_arrState[3];
    for (int i = 0; i < 64; ++i)
    {
        uint32_t f;
        int g;
        if (i < 16)
            f = (b & c) | (~b & d), g = i;
        else if (i < 32)
            f = (d & b) | (~d & c), g = (5 * i + 1) % 16;
        else if (i < 48)
            f = b ^ c ^ d, g = (3 * i + 5) % 16;
        else
            f = c ^ (b | ~d), g = (7 * i) % 16;
        uint32_t const uTemp = d;
        d = c;
        c = b;
        b = b + RotateLeft(a + f + s_arrConstants[i] + arrWords[g], s_arrShifts[i]);
        a = uTemp;
    }
    m_arrState[0] += a;
    m_arrState[1] += b;
    m_arrState[2] += c;
    m_arrState[3] += d;
}
