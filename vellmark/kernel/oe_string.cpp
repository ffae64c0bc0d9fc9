#include <vellmark/kernel/oe_string.h>

#include <vellmark/kernel/oe_basemem.h>
#include <vellmark/kernel/oe_criticalsection.h>
#include <vellmark/platform/oe_singlethreaded.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <limits>
#include <new>

bCString g_strDefault;

namespace
{
    constexpr uint16_t kLockedCount = 65535;
    constexpr uint16_t kMaxShareCount = 65534; // 65535 is the lock marker
    constexpr int kFormatAreaSize = 16384;
    constexpr int kFormattedStringSize = 1024;

    // Guarded by the string lock.
    char s_acFormatArea[kFormatAreaSize];

    // Never destroyed: static strings may format while the process tears down.
    bCCriticalSectionWin32 & StringLock()
    {
        alignas(bCCriticalSectionWin32) static unsigned char s_acStorage[sizeof(bCCriticalSectionWin32)];
        static bCCriticalSectionWin32 * s_pLock = new (s_acStorage) bCCriticalSectionWin32;
        return *s_pLock;
    }

    // The lock exists before the initialisers of every other part run.
    struct bSStringLockStartUp
    {
        bSStringLockStartUp() { StringLock(); }
    } s_StringLockStartUp __attribute__((init_priority(101)));

    std::atomic_ref<uint16_t> ShareCount(bCString::bSStringData * a_pData)
    {
        return std::atomic_ref<uint16_t>(a_pData->m_u16RefCount);
    }

    // The share counting behind the members; internal, so that the library's
    // own calls stay direct.

    bool ShareData(bCString::bSStringData * a_pData)
    {
        if (OE_IsSingleThreaded())
        {
            uint16_t const u16Count = a_pData->m_u16RefCount;
            if (u16Count == 0 || u16Count >= kMaxShareCount)
                return false;
            a_pData->m_u16RefCount = static_cast<uint16_t>(u16Count + 1);
            return true;
        }
        std::atomic_ref<uint16_t> Count = ShareCount(a_pData);
        uint16_t u16Count = Count.load(std::memory_order_relaxed);
        do
        {
            if (u16Count == 0 || u16Count >= kMaxShareCount)
                return false;
        } while (
            !Count.compare_exchange_weak(u16Count, static_cast<uint16_t>(u16Count + 1), std::memory_order_relaxed));
        return true;
    }

    int UnshareData(bCString::bSStringData * a_pData)
    {
        // A locked buffer belongs to its one string alone, and a count of 1 means
        // no other string can be copying this buffer now.
        std::atomic_ref<uint16_t> Count = ShareCount(a_pData);
        uint16_t const u16Count = Count.load(std::memory_order_acquire);
        if (u16Count == kLockedCount || u16Count <= 1)
        {
            if (u16Count == 1)
                Count.store(0, std::memory_order_relaxed);
            return 0;
        }
        if (OE_IsSingleThreaded())
        {
            a_pData->m_u16RefCount = static_cast<uint16_t>(u16Count - 1);
            return u16Count - 1;
        }
        return Count.fetch_sub(1, std::memory_order_acq_rel) - 1;
    }

    // Static strings may drop their buffers after the memory administration is
    // gone at exit; those blocks stay where they are.
    void FreeBlock(bCString::bSStringData * a_pData)
    {
        if (bCMemoryAdmin::IsMemoryAdminInitialized())
            bCMemoryAdmin::GetInstance().Free(a_pData);
    }

    void ReleaseData(bCString::bSStringData * a_pData)
    {
        if (a_pData && UnshareData(a_pData) == 0)
            FreeBlock(a_pData);
    }

    bool IsWhiteSpace(unsigned char a_u8Byte)
    {
        return a_u8Byte == ' ' || (a_u8Byte >= '\t' && a_u8Byte <= '\r');
    }

    unsigned char FoldLower(unsigned char a_u8Byte)
    {
        return (a_u8Byte >= 'A' && a_u8Byte <= 'Z') ? static_cast<unsigned char>(a_u8Byte + ('a' - 'A')) : a_u8Byte;
    }

    unsigned char FoldUpper(unsigned char a_u8Byte)
    {
        return (a_u8Byte >= 'a' && a_u8Byte <= 'z') ? static_cast<unsigned char>(a_u8Byte - ('a' - 'A')) : a_u8Byte;
    }

    int Sign(int a_iValue)
    {
        return (a_iValue > 0) - (a_iValue < 0);
    }

    // Ordering of two byte ranges: unsigned bytes, a prefix first.
    int CompareBytes(char const * a_pcLeft, int a_iLeft, char const * a_pcRight, int a_iRight)
    {
        int const iCommon = a_iLeft < a_iRight ? a_iLeft : a_iRight;
        int const iResult = iCommon ? std::memcmp(a_pcLeft, a_pcRight, static_cast<size_t>(iCommon)) : 0;
        if (iResult)
            return Sign(iResult);
        return Sign(a_iLeft - a_iRight);
    }

    int CompareBytesNoCase(char const * a_pcLeft, int a_iLeft, char const * a_pcRight, int a_iRight)
    {
        int const iCommon = a_iLeft < a_iRight ? a_iLeft : a_iRight;
        for (int i = 0; i < iCommon; ++i)
        {
            int const iDiff = FoldLower(static_cast<unsigned char>(a_pcLeft[i])) -
                              FoldLower(static_cast<unsigned char>(a_pcRight[i]));
            if (iDiff)
                return iDiff;
        }
        return a_iLeft - a_iRight;
    }

    bool EqualNoCase(char const * a_pcLeft, char const * a_pcRight, int a_iCount)
    {
        for (int i = 0; i < a_iCount; ++i)
            if (FoldLower(static_cast<unsigned char>(a_pcLeft[i])) !=
                FoldLower(static_cast<unsigned char>(a_pcRight[i])))
                return false;
        return true;
    }

    int TextLength(char const * a_pcText)
    {
        return a_pcText ? static_cast<int>(std::strlen(a_pcText)) : 0;
    }

    // The first occurrence of a_uFind > 0 bytes in [a_pcText, a_pcEnd).
    char const * FindBytes(char const * a_pcText, char const * a_pcEnd, char const * a_pcFind, size_t a_uFind)
    {
        while (static_cast<size_t>(a_pcEnd - a_pcText) >= a_uFind)
        {
            size_t const uStarts = static_cast<size_t>(a_pcEnd - a_pcText) - a_uFind + 1;
            char const * pcHit = static_cast<char const *>(std::memchr(a_pcText, a_pcFind[0], uStarts));
            if (!pcHit)
                return nullptr;
            if (std::memcmp(pcHit + 1, a_pcFind + 1, a_uFind - 1) == 0)
                return pcHit;
            a_pcText = pcHit + 1;
        }
        return nullptr;
    }

    // Copies [a_pcRead, a_pcEnd) to a_pcWrite with every occurrence of old
    // replaced by new; the writing may run behind the reading in one buffer.
    void ReplaceBytes(char * a_pcWrite, char const * a_pcRead, char const * a_pcEnd, char const * a_pcOld,
                      size_t a_uOld, char const * a_pcNew, size_t a_uNew)
    {
        for (char const * pcHit = FindBytes(a_pcRead, a_pcEnd, a_pcOld, a_uOld); pcHit;
             pcHit = FindBytes(a_pcRead, a_pcEnd, a_pcOld, a_uOld))
        {
            std::memmove(a_pcWrite, a_pcRead, static_cast<size_t>(pcHit - a_pcRead));
            a_pcWrite += pcHit - a_pcRead;
            std::memcpy(a_pcWrite, a_pcNew, a_uNew);
            a_pcWrite += a_uNew;
            a_pcRead = pcHit + a_uOld;
        }
        std::memmove(a_pcWrite, a_pcRead, static_cast<size_t>(a_pcEnd - a_pcRead));
    }

    bool IsInText(char const * a_pcText, int a_iLength, char const * a_pcPointer)
    {
        uintptr_t const uStart = reinterpret_cast<uintptr_t>(a_pcText);
        uintptr_t const uPointer = reinterpret_cast<uintptr_t>(a_pcPointer);
        return a_pcText && uPointer >= uStart && uPointer <= uStart + static_cast<uintptr_t>(a_iLength);
    }

    // The rightmost position at or before a_iPos where a_pcFind's characters match.
    int FindLastFrom(char const * a_pcText, int a_iPos, char const * a_pcFind)
    {
        size_t const uFind = std::strlen(a_pcFind);
        for (; a_iPos >= 0; --a_iPos)
            if (std::memcmp(a_pcText + a_iPos, a_pcFind, uFind) == 0)
                return a_iPos;
        return -1;
    }

    // Membership of bytes in a set; the zero byte is never a member.
    class bCByteSet
    {
    public:
        bCByteSet(char const * a_pcSet, int a_iCount)
        {
            for (int i = 0; i < a_iCount; ++i)
                Add(static_cast<unsigned char>(a_pcSet[i]));
        }
        explicit bCByteSet(char const * a_pcSet) : bCByteSet(a_pcSet, TextLength(a_pcSet)) {}
        bool Contains(char a_cByte) const
        {
            unsigned char const u8Byte = static_cast<unsigned char>(a_cByte);
            return (m_au64Bits[u8Byte >> 6] >> (u8Byte & 63)) & 1;
        }

    private:
        void Add(unsigned char a_u8Byte)
        {
            if (a_u8Byte)
                m_au64Bits[a_u8Byte >> 6] |= uint64_t(1) << (a_u8Byte & 63);
        }
        uint64_t m_au64Bits[4] = {};
    };

    // Decimal integer after leading white space, saturated at the type's range.
    template <typename T> T ParseInteger(char const * a_pcText)
    {
        while (IsWhiteSpace(static_cast<unsigned char>(*a_pcText)))
            ++a_pcText;
        bool const bNegative = *a_pcText == '-';
        if (*a_pcText == '-' || *a_pcText == '+')
            ++a_pcText;
        unsigned long long const u64Limit = bNegative
                                                ? 0ull - static_cast<unsigned long long>(std::numeric_limits<T>::min())
                                                : static_cast<unsigned long long>(std::numeric_limits<T>::max());
        unsigned long long u64Value = 0;
        for (; *a_pcText >= '0' && *a_pcText <= '9'; ++a_pcText)
        {
            unsigned const uDigit = static_cast<unsigned>(*a_pcText - '0');
            if (u64Value > (u64Limit - uDigit) / 10)
                return bNegative ? std::numeric_limits<T>::min() : std::numeric_limits<T>::max();
            u64Value = u64Value * 10 + uDigit;
        }
        return bNegative ? static_cast<T>(0ull - u64Value) : static_cast<T>(u64Value);
    }

    bool IsDecimalDigit(char a_cChar)
    {
        return a_cChar >= '0' && a_cChar <= '9';
    }

    // For a number the conversion found out of range: whether it is too large
    // (rather than too small), from the power of ten of its first significant
    // digit plus its exponent. Out of range, that sum is far from zero.
    bool IsTooLarge(char const * a_pcFrom, char const * a_pcEnd)
    {
        int iIntegerDigits = 0, iLeadingZeros = 0;
        bool bPoint = false, bSignificant = false;
        char const * p = a_pcFrom;
        for (; p < a_pcEnd && (IsDecimalDigit(*p) || (*p == '.' && !bPoint)); ++p)
        {
            if (*p == '.')
                bPoint = true;
            else if (*p != '0' || bSignificant)
            {
                bSignificant = true;
                iIntegerDigits += bPoint ? 0 : 1;
            }
            else if (bPoint)
                ++iLeadingZeros;
        }
        long long i64Power = iIntegerDigits > 0 ? iIntegerDigits - 1 : -(iLeadingZeros + 1);
        if (p < a_pcEnd && (*p == 'e' || *p == 'E'))
        {
            bool const bNegative = p + 1 < a_pcEnd && p[1] == '-';
            p += p + 1 < a_pcEnd && (p[1] == '-' || p[1] == '+') ? 2 : 1;
            long long i64Exponent = 0;
            for (; p < a_pcEnd && IsDecimalDigit(*p); ++p)
                i64Exponent = std::min(i64Exponent * 10 + (*p - '0'), 1ll << 40); // far beyond any double
            i64Power += bNegative ? -i64Exponent : i64Exponent;
        }
        return i64Power > 0;
    }

    // Decimal floating-point text after leading white space; out of range
    // gives an infinity or zero as the runtime's text conversion does.
    double ParseDouble(char const * a_pcText)
    {
        while (IsWhiteSpace(static_cast<unsigned char>(*a_pcText)))
            ++a_pcText;
        bool const bNegative = *a_pcText == '-';
        if (*a_pcText == '-' || *a_pcText == '+')
            ++a_pcText;
        // Digits must follow the one sign: a second sign and words such as
        // "inf" or "nan", which the standard conversion would take, are no number.
        if (!IsDecimalDigit(a_pcText[0]) && !(a_pcText[0] == '.' && IsDecimalDigit(a_pcText[1])))
            return 0.0;
        char const * pcEnd = a_pcText + std::strlen(a_pcText);
        double dValue = 0.0;
        std::from_chars_result const Result = std::from_chars(a_pcText, pcEnd, dValue);
        if (Result.ec == std::errc::result_out_of_range)
            dValue = IsTooLarge(a_pcText, Result.ptr) ? HUGE_VAL : 0.0;
        else if (Result.ec != std::errc())
            return 0.0; // no number: no sign either
        return bNegative ? -dValue : dValue;
    }
} // namespace

// Life cycle and share counting.

bCString::bCString(char const * a_pcText) : m_pcText(nullptr)
{
    int const iLength = TextLength(a_pcText);
    Alloc(iLength);
    if (iLength)
        std::memcpy(m_pcText, a_pcText, static_cast<size_t>(iLength));
}

bCString::bCString(char const * a_pcText, int a_iCount) : m_pcText(nullptr)
{
    if (a_iCount <= 0 || !a_pcText)
        return;
    Alloc(a_iCount);
    std::memcpy(m_pcText, a_pcText, static_cast<size_t>(a_iCount));
}

bCString::bCString(char a_cChar, int a_iCount) : m_pcText(nullptr)
{
    if (a_iCount < 1)
        return;
    Alloc(a_iCount);
    std::memset(m_pcText, a_cChar, static_cast<size_t>(a_iCount));
}

// Any buffer is shared, a zero-length one too; a buffer that takes no further
// holder (share count 0, locked, or 65534 holders) is copied.
bCString::bCString(bCString const & a_strSource) : m_pcText(nullptr)
{
    if (!a_strSource.m_pcText)
        return;
    if (ShareData(a_strSource.GetData()))
        m_pcText = a_strSource.m_pcText;
    else
        Assign(a_strSource.m_pcText, a_strSource.GetLength());
}

bCString::bCString(bCString const & a_strSource, int a_iCount) : m_pcText(nullptr)
{
    if (a_iCount <= 0 || a_strSource.IsEmpty())
        return;
    if (a_iCount >= a_strSource.GetLength())
        Share(a_strSource);
    else
        Assign(a_strSource.m_pcText, a_iCount);
}

bCString::bCString(float a_fValue, int a_iPrecision) : m_pcText(nullptr)
{
    char acFormat[32];
    std::snprintf(acFormat, sizeof(acFormat), "%%.%if", a_iPrecision);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    Format(acFormat, static_cast<double>(a_fValue));
#pragma GCC diagnostic pop
}

bCString::~bCString()
{
    if (m_pcText && bCMemoryAdmin::IsMemoryAdminInitialized())
        ReleaseData(GetData());
}

bCCriticalSectionWin32 & bCString::GetStringLock()
{
    return StringLock();
}

int bCString::GetRefCount() const
{
    return m_pcText ? ShareCount(GetData()).load(std::memory_order_relaxed) : 0;
}

void bCString::Alloc(int a_iLength)
{
    if (a_iLength <= 0)
    {
        m_pcText = nullptr;
        return;
    }
    void * pBlock =
        bCMemoryAdmin::GetInstance().Malloc(static_cast<unsigned long>(a_iLength) + sizeof(bSStringData) + 1, 0, 0, -1);
    bSStringData * pData = static_cast<bSStringData *>(pBlock);
    pData->m_iLength = a_iLength;
    pData->m_u16RefCount = 1;
    pData->m_u16Reserved = 0;
    pData->GetText()[a_iLength] = 0;
    m_pcText = pData->GetText();
}

void bCString::Realloc(int a_iLength)
{
    if (m_pcText && IsPrivate() && a_iLength <= GetLength())
    {
        GetData()->m_iLength = a_iLength < 0 ? 0 : a_iLength;
        m_pcText[GetData()->m_iLength] = 0;
        return;
    }
    Release();
    Alloc(a_iLength);
}

bool bCString::IsPrivate() const
{
    uint16_t const u16Count = ShareCount(GetData()).load(std::memory_order_relaxed);
    return u16Count <= 1 || u16Count == kLockedCount;
}

void bCString::CopyBeforeWrite()
{
    if (!m_pcText || IsPrivate())
        return;
    bSStringData * pOld = GetData();
    Alloc(pOld->m_iLength);
    std::memcpy(m_pcText, pOld->GetText(), static_cast<size_t>(pOld->m_iLength));
    ReleaseData(pOld);
}

void bCString::ConcatCopy(char const * a_pcText1, int a_iCount1, char const * a_pcText2, int a_iCount2)
{
    Alloc(a_iCount1 + a_iCount2);
    if (a_iCount1 > 0)
        std::memcpy(m_pcText, a_pcText1, static_cast<size_t>(a_iCount1));
    if (a_iCount2 > 0)
        std::memcpy(m_pcText + a_iCount1, a_pcText2, static_cast<size_t>(a_iCount2));
}

void bCString::ConcatInPlace(char const * a_pcText, int a_iCount)
{
    if (a_iCount <= 0)
        return;
    // The new buffer is filled before the old one goes: the text may come from it.
    char * pcOld = m_pcText;
    ConcatCopy(pcOld, pcOld ? reinterpret_cast<bSStringData *>(pcOld)[-1].m_iLength : 0, a_pcText, a_iCount);
    if (pcOld)
        ReleaseData(reinterpret_cast<bSStringData *>(pcOld) - 1);
}

void bCString::Release()
{
    if (!m_pcText)
        return;
    ReleaseData(GetData());
    m_pcText = nullptr;
}

void bCString::Release(bSStringData * a_pData)
{
    ReleaseData(a_pData);
}

void bCString::FreeData(bSStringData * a_pData)
{
    FreeBlock(a_pData);
}

bool bCString::Increment(bSStringData * a_pData)
{
    return ShareData(a_pData);
}

int bCString::Decrement(bSStringData * a_pData)
{
    return UnshareData(a_pData);
}

// Private building blocks.

void bCString::Share(bCString const & a_strSource)
{
    // An empty source empties this string even when both hold its zero-length buffer.
    if (a_strSource.IsEmpty())
    {
        SetEmpty();
        return;
    }
    if (a_strSource.m_pcText == m_pcText)
        return;
    if (!ShareData(a_strSource.GetData()))
    {
        Assign(a_strSource.m_pcText, a_strSource.GetLength());
        return;
    }
    Release();
    m_pcText = a_strSource.m_pcText;
}

void bCString::SetEmpty()
{
    if (m_pcText && IsPrivate())
    {
        GetData()->m_iLength = 0;
        m_pcText[0] = 0;
        return;
    }
    Release();
}

// Realloc and copy, safe when the text lies in this string's own buffer.
void bCString::Assign(char const * a_pcText, int a_iCount)
{
    if (a_iCount < 0)
        a_iCount = 0;
    if (m_pcText && IsPrivate() && a_iCount <= GetLength())
    {
        if (a_iCount)
            std::memmove(m_pcText, a_pcText, static_cast<size_t>(a_iCount));
        GetData()->m_iLength = a_iCount;
        m_pcText[a_iCount] = 0;
        return;
    }
    char * pcOld = m_pcText;
    Alloc(a_iCount);
    if (a_iCount)
        std::memcpy(m_pcText, a_pcText, static_cast<size_t>(a_iCount));
    if (pcOld)
        ReleaseData(reinterpret_cast<bSStringData *>(pcOld) - 1);
}

// Keeps the characters [a_iStart, a_iStart + a_iCount) of this string.
void bCString::Keep(int a_iStart, int a_iCount)
{
    if (!m_pcText || (a_iStart == 0 && a_iCount == GetLength()))
        return;
    Assign(m_pcText + a_iStart, a_iCount);
}

// Inserts a_iCount bytes before a_iIndex, clamped to the text, into one
// exactly sized buffer; returns the new length.
int bCString::Splice(int a_iIndex, char const * a_pcText, int a_iCount)
{
    int const iOldLength = GetLength();
    if (a_iCount <= 0)
        return iOldLength;
    if (iOldLength == 0)
    {
        Assign(a_pcText, a_iCount);
        return a_iCount;
    }
    a_iIndex = a_iIndex < 1 ? 0 : (a_iIndex > iOldLength ? iOldLength : a_iIndex);
    char * pcOld = m_pcText;
    Alloc(iOldLength + a_iCount);
    if (a_iIndex)
        std::memcpy(m_pcText, pcOld, static_cast<size_t>(a_iIndex));
    std::memcpy(m_pcText + a_iIndex, a_pcText, static_cast<size_t>(a_iCount));
    if (iOldLength > a_iIndex)
        std::memcpy(m_pcText + a_iIndex + a_iCount, pcOld + a_iIndex, static_cast<size_t>(iOldLength - a_iIndex));
    ReleaseData(reinterpret_cast<bSStringData *>(pcOld) - 1);
    return GetLength();
}

// Occurrences, left to right without overlap. The searched text holds no zero
// byte, so no occurrence spans one: searching the stored bytes finds exactly
// the occurrences of each zero-terminated segment.
int bCString::CountOccurrences(char const * a_pcOld, int a_iOldLength) const
{
    int iCount = 0;
    size_t const uOld = static_cast<size_t>(a_iOldLength);
    char const * pcEnd = m_pcText + GetLength();
    for (char const * pcHit = FindBytes(m_pcText, pcEnd, a_pcOld, uOld); pcHit;
         pcHit = FindBytes(pcHit + uOld, pcEnd, a_pcOld, uOld))
        ++iCount;
    return iCount;
}

// Comparison.

int bCString::Compare(char const * a_pcText) const
{
    return CompareBytes(GetText(), GetLength(), a_pcText ? a_pcText : "", TextLength(a_pcText));
}

int bCString::CompareNoCase(bCString const & a_strOther) const
{
    return CompareBytesNoCase(GetText(), GetLength(), a_strOther.GetText(), a_strOther.GetLength());
}

int bCString::CompareNoCase(char const * a_pcText) const
{
    return CompareBytesNoCase(GetText(), GetLength(), a_pcText ? a_pcText : "", TextLength(a_pcText));
}

bool bCString::CompareNoCaseFast(bCString const & a_strOther) const
{
    int const iLength = GetLength();
    if (iLength != a_strOther.GetLength())
        return false;
    return iLength == 0 || EqualNoCase(m_pcText, a_strOther.m_pcText, iLength);
}

bool operator==(char const * a_pcText, bCString const & a_strText)
{
    return a_strText.Compare(a_pcText) == 0;
}

bool operator!=(char const * a_pcText, bCString const & a_strText)
{
    return a_strText.Compare(a_pcText) != 0;
}

bool operator<(char const * a_pcText, bCString const & a_strText)
{
    return a_strText.Compare(a_pcText) > 0;
}

bool operator<=(char const * a_pcText, bCString const & a_strText)
{
    return a_strText.Compare(a_pcText) >= 0;
}

bool operator>(char const * a_pcText, bCString const & a_strText)
{
    return a_strText.Compare(a_pcText) < 0;
}

bool operator>=(char const * a_pcText, bCString const & a_strText)
{
    return a_strText.Compare(a_pcText) <= 0;
}

// Search.

int bCString::Find(char a_cChar, int a_iStart, bool a_bWhole) const
{
    int const iLength = GetLength();
    if (iLength == 0 || a_iStart < 0)
        return -1;
    if (a_bWhole)
    {
        if (a_iStart > iLength)
            return -1;
        void const * pHit = std::memchr(m_pcText + a_iStart, a_cChar, static_cast<size_t>(iLength - a_iStart + 1));
        return pHit ? static_cast<int>(static_cast<char const *>(pHit) - m_pcText) : -1;
    }
    if (a_iStart >= iLength)
        return -1;
    char const * pcHit = std::strchr(m_pcText + a_iStart, a_cChar);
    return pcHit ? static_cast<int>(pcHit - m_pcText) : -1;
}

int bCString::Find(char const * a_pcText, int a_iStart, bool a_bWhole) const
{
    int const iLength = GetLength();
    if (!a_pcText || a_iStart < 0)
        return -1;
    int const iFind = TextLength(a_pcText);
    if (!a_bWhole)
    {
        if (a_iStart >= iLength)
            return -1;
        char const * pcHit = std::strstr(m_pcText + a_iStart, a_pcText);
        return pcHit ? static_cast<int>(pcHit - m_pcText) : -1;
    }
    if (a_iStart > iLength - iFind)
        return -1;
    if (iFind == 0)
        return a_iStart;
    char const * pcHit = FindBytes(m_pcText + a_iStart, m_pcText + iLength, a_pcText, static_cast<size_t>(iFind));
    return pcHit ? static_cast<int>(pcHit - m_pcText) : -1;
}

int bCString::FindNoCase(char const * a_pcText, int a_iStart) const
{
    int const iLength = GetLength();
    if (!a_pcText || a_iStart < 0 || a_iStart >= iLength)
        return -1;
    int const iFind = TextLength(a_pcText);
    for (int iPos = a_iStart; iPos <= iLength - iFind; ++iPos)
        if (EqualNoCase(m_pcText + iPos, a_pcText, iFind))
            return iPos;
    return -1;
}

int bCString::FindOneOf(char const * a_pcSet, int a_iStart) const
{
    if (!a_pcSet || a_iStart < 0 || a_iStart >= GetLength())
        return -1;
    char const * pcHit = std::strpbrk(m_pcText + a_iStart, a_pcSet);
    return pcHit ? static_cast<int>(pcHit - m_pcText) : -1;
}

int bCString::ReverseFind(char a_cChar) const
{
    if (!m_pcText)
        return -1;
    char const * pcHit = std::strrchr(m_pcText, a_cChar);
    return pcHit ? static_cast<int>(pcHit - m_pcText) : -1;
}

int bCString::ReverseFind(char a_cChar, int a_iStart) const
{
    if (a_iStart < 0 || a_iStart >= GetLength())
        return -1;
    for (int iPos = a_iStart; iPos >= 0; --iPos)
        if (m_pcText[iPos] == a_cChar)
            return iPos;
    return -1;
}

int bCString::ReverseFind(char const * a_pcText) const
{
    if (!a_pcText)
        return -1;
    return FindLastFrom(GetText(), GetLength() - TextLength(a_pcText), a_pcText);
}

int bCString::ReverseFind(char const * a_pcText, int a_iSkip) const
{
    if (!a_pcText || a_iSkip >= GetLength())
        return -1;
    return FindLastFrom(GetText(), GetLength() - TextLength(a_pcText) - (a_iSkip > 0 ? a_iSkip : 0), a_pcText);
}

int bCString::ReverseFindOneOf(char const * a_pcSet) const
{
    return ReverseFindOneOf(a_pcSet, GetLength() - 1);
}

int bCString::ReverseFindOneOf(char const * a_pcSet, int a_iStart) const
{
    if (!a_pcSet || a_iStart < 0 || a_iStart >= GetLength())
        return -1;
    bCByteSet const Set(a_pcSet);
    for (int iPos = a_iStart; iPos >= 0; --iPos)
        if (Set.Contains(m_pcText[iPos]))
            return iPos;
    return -1;
}

bool bCString::Contains(char a_cChar, int a_iStart) const
{
    return Find(a_cChar, a_iStart, false) >= 0;
}

bool bCString::Contains(char const * a_pcText, int a_iStart) const
{
    return Find(a_pcText, a_iStart, false) >= 0;
}

bool bCString::ContainsOneOf(char const * a_pcSet, int a_iStart) const
{
    return FindOneOf(a_pcSet, a_iStart) >= 0;
}

int bCString::FindNumericalChar(int a_iStart, bool) const
{
    int const iLength = GetLength();
    for (int iPos = a_iStart < 0 ? iLength : a_iStart; iPos < iLength; ++iPos)
    {
        char const cByte = m_pcText[iPos];
        if ((cByte >= '0' && cByte <= '9') || cByte == '+' || cByte == '-')
            return iPos;
    }
    return -1;
}

int bCString::FindNoiseChar(int a_iStart, bool) const
{
    int const iLength = GetLength();
    for (int iPos = a_iStart < 0 ? iLength : a_iStart; iPos < iLength; ++iPos)
    {
        signed char const i8Byte = static_cast<signed char>(m_pcText[iPos]);
        if (i8Byte < 33 || i8Byte > 126)
            return iPos;
    }
    return -1;
}

int bCString::CountWords(bCString const & a_strDelimiters) const
{
    int const iLength = GetLength();
    if (iLength == 0)
        return 0;
    bCByteSet const Set(a_strDelimiters.GetText(), a_strDelimiters.GetLength());
    int iCount = 1;
    for (int iPos = 0; iPos < iLength; ++iPos)
        iCount += Set.Contains(m_pcText[iPos]);
    return iCount;
}

int bCString::GetWord(int a_iIndex, bCString const & a_strDelimiters, bCString & a_strWord, bool a_bTrimLeft,
                      bool a_bTrimRight) const
{
    // The rest is the stored text from iRest on; the word is [iWord, iWord + iWordLength).
    char const * pcText = GetText();
    char const * pcDelimiters = a_strDelimiters.GetText();
    int const iLength = GetLength();
    int iRest = 0, iWord = 0, iWordLength = 0, iResult = 0, iPrevStart = 0, iPrevDelimiter = -1;
    for (int iRemaining = a_iIndex; iRemaining >= 0;)
    {
        --iRemaining;
        int const iStart = iPrevStart + iPrevDelimiter + 1;
        char const * pcHit = iRest < iLength ? std::strpbrk(pcText + iRest, pcDelimiters) : nullptr;
        if (!pcHit)
        {
            iWord = iRest;
            iWordLength = iLength - iRest;
            iResult = iRemaining < 0 ? iStart : -1;
            break;
        }
        int const iDelimiter = static_cast<int>(pcHit - (pcText + iRest));
        iWord = iRest;
        iWordLength = iDelimiter;
        iRest += iDelimiter + 1;
        iResult = iStart;
        iPrevStart = iStart;
        iPrevDelimiter = iDelimiter;
    }
    bCString strWord(pcText + iWord, iWordLength);
    strWord.Trim(a_bTrimLeft, a_bTrimRight);
    a_strWord = strWord;
    return iResult;
}

// Extraction.

bCString bCString::Left(int a_iCount) const
{
    if (a_iCount < 0)
        return bCString(GetText());
    if (a_iCount >= GetLength())
        return *this;
    return bCString(m_pcText, a_iCount);
}

bCString bCString::Right(int a_iCount) const
{
    if (a_iCount < 0)
        return bCString(GetText());
    if (a_iCount >= GetLength())
        return *this;
    return bCString(m_pcText + GetLength() - a_iCount, a_iCount);
}

bCString bCString::Mid(int a_iStart, int a_iCount) const
{
    int const iLength = GetLength();
    if (iLength == 0 || a_iStart < 0 || a_iCount < 0)
        return *this;
    if (a_iStart > iLength)
        a_iCount = 0;
    else if (a_iCount > iLength - a_iStart)
        a_iCount = iLength - a_iStart;
    if (a_iStart == 0 && a_iCount == iLength)
        return *this;
    return bCString(m_pcText + a_iStart, a_iCount);
}

bCString bCString::Mid(int a_iStart) const
{
    return Mid(a_iStart, GetLength() - a_iStart);
}

bCString bCString::SpanIncluding(char const * a_pcSet) const
{
    if (!m_pcText)
        return *this;
    return Left(a_pcSet ? static_cast<int>(std::strspn(m_pcText, a_pcSet)) : 0);
}

bCString bCString::SpanExcluding(char const * a_pcSet) const
{
    if (!m_pcText)
        return *this;
    return Left(static_cast<int>(a_pcSet ? std::strcspn(m_pcText, a_pcSet) : std::strlen(m_pcText)));
}

bCString bCString::operator+(bCString const & a_strOther) const
{
    bCString strResult;
    strResult.ConcatCopy(GetText(), GetLength(), a_strOther.GetText(), a_strOther.GetLength());
    return strResult;
}

bCString bCString::operator+(char const * a_pcText) const
{
    bCString strResult;
    strResult.ConcatCopy(GetText(), GetLength(), a_pcText, TextLength(a_pcText));
    return strResult;
}

bCString bCString::operator+(char a_cChar) const
{
    bCString strResult;
    strResult.ConcatCopy(GetText(), GetLength(), &a_cChar, 1);
    return strResult;
}

bCString operator+(char const * a_pcText, bCString const & a_strText)
{
    return bCString(a_pcText) + a_strText;
}

bCString operator+(char a_cChar, bCString const & a_strText)
{
    return bCString(a_cChar, 1) + a_strText;
}

bCString bCString::GetFormattedString(char const * a_pcFormat, ...)
{
    if (!a_pcFormat)
        return bCString();
    // Output beyond the work area is cut at 1023 characters.
    char acArea[kFormattedStringSize];
    acArea[0] = 0;
    va_list Arguments;
    va_start(Arguments, a_pcFormat);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    std::vsnprintf(acArea, sizeof(acArea), a_pcFormat, Arguments);
#pragma GCC diagnostic pop
    va_end(Arguments);
    return bCString(acArea);
}

// Conversion.

int bCString::GetInteger(int a_iStart, bool a_bUnchecked) const
{
    if (!m_pcText || a_iStart < 0 || a_iStart > GetLength() || (!a_bUnchecked && a_iStart >= GetLength()))
        return 0;
    return ParseInteger<int>(m_pcText + a_iStart);
}

long long bCString::GetI64(int a_iStart) const
{
    if (!m_pcText || a_iStart < 0 || a_iStart >= GetLength())
        return 0;
    return ParseInteger<long long>(m_pcText + a_iStart);
}

float bCString::GetFloat(int a_iStart) const
{
    return static_cast<float>(GetDouble(a_iStart));
}

double bCString::GetDouble(int a_iStart) const
{
    if (!m_pcText || a_iStart < 0 || a_iStart >= GetLength())
        return 0.0;
    return ParseDouble(m_pcText + a_iStart);
}

bool bCString::GetBool() const
{
    return GetLength() == 4 && EqualNoCase(m_pcText, "true", 4);
}

// Assignment.

bCString & bCString::operator=(bCString const & a_strSource)
{
    Share(a_strSource);
    return *this;
}

bCString & bCString::operator=(char const * a_pcText)
{
    SetText(a_pcText);
    return *this;
}

bCString & bCString::operator=(char a_cChar)
{
    Assign(&a_cChar, 1);
    return *this;
}

void bCString::SetText(bCString const & a_strSource)
{
    Share(a_strSource);
}

void bCString::SetText(bCString const & a_strSource, int a_iCount)
{
    if (a_iCount <= 0 || a_strSource.IsEmpty())
        SetEmpty();
    else if (a_iCount >= a_strSource.GetLength())
        Share(a_strSource);
    else
        Assign(a_strSource.m_pcText, a_iCount);
}

void bCString::SetText(char const * a_pcText)
{
    Assign(a_pcText, TextLength(a_pcText));
}

void bCString::SetText(char const * a_pcText, int a_iCount)
{
    if (a_iCount < 1 || !a_pcText)
    {
        SetEmpty();
        return;
    }
    int iLength = 0;
    while (iLength < a_iCount && a_pcText[iLength])
        ++iLength;
    Assign(a_pcText, iLength);
}

void bCString::SetText(char a_cChar, int a_iCount)
{
    if (a_iCount < 1)
    {
        SetEmpty();
        return;
    }
    Realloc(a_iCount);
    std::memset(m_pcText, a_cChar, static_cast<size_t>(a_iCount));
}

// Modification.

bCString & bCString::operator+=(char a_cChar)
{
    ConcatInPlace(&a_cChar, 1);
    return *this;
}

bCString & bCString::operator+=(char const * a_pcText)
{
    ConcatInPlace(a_pcText, TextLength(a_pcText));
    return *this;
}

bCString & bCString::operator+=(bCString const & a_strOther)
{
    // Appending always builds a fresh buffer, also on an empty string.
    if (!a_strOther.IsEmpty())
        ConcatInPlace(a_strOther.m_pcText, a_strOther.GetLength());
    return *this;
}

int bCString::Insert(int a_iIndex, char a_cChar)
{
    return Splice(a_iIndex, &a_cChar, 1);
}

int bCString::Insert(int a_iIndex, char const * a_pcText)
{
    return Splice(a_iIndex, a_pcText, TextLength(a_pcText));
}

int bCString::Insert(int a_iIndex, bCString const & a_strText)
{
    if (!IsEmpty())
        return Splice(a_iIndex, a_strText.GetText(), a_strText.GetLength());
    SetText(a_strText);
    return GetLength();
}

int bCString::Delete(int a_iIndex, int a_iCount)
{
    int const iLength = GetLength();
    if (a_iCount <= 0 || a_iIndex < 0 || a_iIndex >= iLength)
        return iLength;
    CopyBeforeWrite();
    if (a_iCount >= iLength - a_iIndex)
    {
        GetData()->m_iLength = a_iIndex;
        m_pcText[a_iIndex] = 0;
        return a_iIndex;
    }
    std::memmove(m_pcText + a_iIndex, m_pcText + a_iIndex + a_iCount,
                 static_cast<size_t>(iLength - a_iIndex - a_iCount + 1));
    GetData()->m_iLength = iLength - a_iCount;
    return GetLength();
}

int bCString::Replace(char a_cOld, char a_cNew)
{
    int const iLength = GetLength();
    if (a_cOld == a_cNew || iLength == 0 || !std::memchr(m_pcText, a_cOld, static_cast<size_t>(iLength)))
        return 0;
    CopyBeforeWrite();
    int iCount = 0;
    for (int iPos = 0; iPos < iLength; ++iPos)
        if (m_pcText[iPos] == a_cOld)
        {
            m_pcText[iPos] = a_cNew;
            ++iCount;
        }
    return iCount;
}

int bCString::Replace(char const * a_pcOld, char const * a_pcNew)
{
    int const iOld = TextLength(a_pcOld);
    if (iOld == 0 || IsEmpty())
        return 0;
    // Texts from this string's own buffer would change under the writing.
    if (IsInText(m_pcText, GetLength(), a_pcOld) || IsInText(m_pcText, GetLength(), a_pcNew))
    {
        bCString const strOld(a_pcOld), strNew(a_pcNew);
        return Replace(strOld.GetText(), strNew.GetText());
    }
    int const iCount = CountOccurrences(a_pcOld, iOld);
    if (iCount == 0)
        return 0;
    int const iNew = TextLength(a_pcNew);
    int const iLength = GetLength();
    int const iFinal = iLength + (iNew - iOld) * iCount;
    // In place the writing runs behind the reading, since the text does not
    // grow; a growing text goes to a fresh buffer of the final length, the old
    // buffer staying with strSource until the end.
    bCString strSource;
    if (iNew > iOld)
    {
        strSource.m_pcText = m_pcText;
        Alloc(iFinal);
    }
    else
        CopyBeforeWrite();
    char const * pcRead = strSource.m_pcText ? strSource.m_pcText : m_pcText;
    ReplaceBytes(m_pcText, pcRead, pcRead + iLength, a_pcOld, static_cast<size_t>(iOld), a_pcNew,
                 static_cast<size_t>(iNew));
    GetData()->m_iLength = iFinal;
    m_pcText[iFinal] = 0;
    return iCount;
}

int bCString::Remove(char a_cChar)
{
    int const iLength = GetLength();
    if (iLength == 0 || !std::memchr(m_pcText, a_cChar, static_cast<size_t>(iLength)))
        return 0;
    CopyBeforeWrite();
    int iKept = 0;
    for (int iPos = 0; iPos < iLength; ++iPos)
        if (m_pcText[iPos] != a_cChar)
            m_pcText[iKept++] = m_pcText[iPos];
    m_pcText[iKept] = 0;
    GetData()->m_iLength = iKept;
    return iLength - iKept;
}

int bCString::Remove(char const * a_pcText)
{
    return Replace(a_pcText, "");
}

int bCString::Remove(bCString const & a_strText)
{
    // A copy keeps the text alive when it is this string's own buffer.
    bCString const strText(a_strText);
    return Replace(strText.GetText(), "");
}

// Trimming: every variant keeps one range of the stored text.

template <typename TIsTrimmed> void bCString::TrimRuns(bool a_bLeft, bool a_bRight, TIsTrimmed a_IsTrimmed)
{
    int iStart = 0, iEnd = GetLength();
    while (a_bLeft && iStart < iEnd && a_IsTrimmed(m_pcText[iStart]))
        ++iStart;
    while (a_bRight && iEnd > iStart && a_IsTrimmed(m_pcText[iEnd - 1]))
        --iEnd;
    Keep(iStart, iEnd - iStart);
}

void bCString::TrimLeft()
{
    Trim(true, false);
}

void bCString::TrimRight()
{
    Trim(false, true);
}

void bCString::Trim()
{
    Trim(true, true);
}

void bCString::Trim(bool a_bLeft, bool a_bRight)
{
    TrimRuns(a_bLeft, a_bRight, [](char a_cByte) { return IsWhiteSpace(static_cast<unsigned char>(a_cByte)); });
}

void bCString::TrimLeft(char a_cChar)
{
    TrimRuns(true, false, [a_cChar](char a_cByte) { return a_cByte == a_cChar; });
}

void bCString::TrimRight(char a_cChar)
{
    TrimRuns(false, true, [a_cChar](char a_cByte) { return a_cByte == a_cChar; });
}

void bCString::Trim(char a_cChar)
{
    TrimRuns(true, true, [a_cChar](char a_cByte) { return a_cByte == a_cChar; });
}

void bCString::TrimLeft(char const * a_pcSet)
{
    bCByteSet const Set(a_pcSet);
    TrimRuns(true, false, [&Set](char a_cByte) { return Set.Contains(a_cByte); });
}

void bCString::TrimRight(char const * a_pcSet)
{
    bCByteSet const Set(a_pcSet);
    TrimRuns(false, true, [&Set](char a_cByte) { return Set.Contains(a_cByte); });
}

void bCString::Trim(char const * a_pcSet)
{
    bCByteSet const Set(a_pcSet);
    TrimRuns(true, true, [&Set](char a_cByte) { return Set.Contains(a_cByte); });
}

// Case and order.

void bCString::ToUpper()
{
    CopyBeforeWrite();
    for (int iPos = 0, iLength = GetLength(); iPos < iLength; ++iPos)
        m_pcText[iPos] = static_cast<char>(FoldUpper(static_cast<unsigned char>(m_pcText[iPos])));
}

void bCString::ToLower()
{
    CopyBeforeWrite();
    for (int iPos = 0, iLength = GetLength(); iPos < iLength; ++iPos)
        m_pcText[iPos] = static_cast<char>(FoldLower(static_cast<unsigned char>(m_pcText[iPos])));
}

bCString & bCString::MakeUpper()
{
    ToUpper();
    return *this;
}

bCString & bCString::MakeLower()
{
    ToLower();
    return *this;
}

bCString & bCString::MakeReverse()
{
    CopyBeforeWrite();
    for (int iLow = 0, iHigh = GetLength() - 1; iLow < iHigh; ++iLow, --iHigh)
    {
        char const cByte = m_pcText[iLow];
        m_pcText[iLow] = m_pcText[iHigh];
        m_pcText[iHigh] = cByte;
    }
    return *this;
}

void bCString::SetAt(int a_iIndex, char a_cChar)
{
    CopyBeforeWrite();
    m_pcText[a_iIndex] = a_cChar;
}

char & bCString::operator[](int a_iIndex)
{
    CopyBeforeWrite();
    return m_pcText[a_iIndex];
}

void bCString::Clear()
{
    if (!IsEmpty())
        Release();
}

bool bCString::Format(char const * a_pcFormat, ...)
{
    if (!a_pcFormat)
    {
        Clear();
        return true;
    }
    bCCriticalSectionWin32 & Lock = StringLock();
    Lock.Acquire();
    s_acFormatArea[0] = 0;
    va_list Arguments;
    va_start(Arguments, a_pcFormat);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    // Output beyond the work area is cut at 16383 characters.
    std::vsnprintf(s_acFormatArea, kFormatAreaSize, a_pcFormat, Arguments);
#pragma GCC diagnostic pop
    va_end(Arguments);
    Assign(s_acFormatArea, static_cast<int>(std::strlen(s_acFormatArea)));
    Lock.Release();
    return true;
}

// Buffer access.

char * bCString::GetBuffer(int a_iMinLength)
{
    if (!m_pcText)
    {
        if (a_iMinLength <= 0)
            return nullptr;
        Alloc(a_iMinLength);
        std::memset(m_pcText, 0, static_cast<size_t>(a_iMinLength));
        return m_pcText;
    }
    int const iLength = GetLength();
    if (IsPrivate() && a_iMinLength <= iLength)
        return m_pcText;
    // The room beyond the length is handed out but not recorded.
    char * pcOld = m_pcText;
    int const iRoom = a_iMinLength > iLength ? a_iMinLength : iLength;
    Alloc(iRoom);
    std::memcpy(m_pcText, pcOld, static_cast<size_t>(iLength) + 1);
    std::memset(m_pcText + iLength + 1, 0, static_cast<size_t>(iRoom - iLength));
    GetData()->m_iLength = iLength;
    ReleaseData(reinterpret_cast<bSStringData *>(pcOld) - 1);
    return m_pcText;
}

char * bCString::GetBufferSetLength(int a_iLength)
{
    if (a_iLength < 0)
        a_iLength = 0;
    char * pcText = GetBuffer(a_iLength);
    if (!pcText)
        return nullptr;
    GetData()->m_iLength = a_iLength;
    pcText[a_iLength] = 0;
    return pcText;
}

void bCString::ReleaseBuffer(int a_iLength)
{
    if (!m_pcText)
        return;
    CopyBeforeWrite();
    if (a_iLength < 0)
        a_iLength = static_cast<int>(std::strlen(m_pcText));
    GetData()->m_iLength = a_iLength;
    m_pcText[a_iLength] = 0;
}

void bCString::FreeExtra()
{
    if (!m_pcText || GetLength() == static_cast<int>(std::strlen(m_pcText)))
        return;
    char * pcOld = m_pcText;
    Alloc(GetLength());
    std::memcpy(m_pcText, pcOld, static_cast<size_t>(GetLength()));
    ReleaseData(reinterpret_cast<bSStringData *>(pcOld) - 1);
}

char * bCString::LockBuffer()
{
    if (!m_pcText)
        return nullptr;
    GetBuffer(0);
    ShareCount(GetData()).store(kLockedCount, std::memory_order_relaxed);
    return m_pcText;
}

void bCString::UnlockBuffer()
{
    // Only a locked buffer is unlocked: setting a shared one to 1 would free it early.
    if (m_pcText && ShareCount(GetData()).load(std::memory_order_relaxed) == kLockedCount)
        ShareCount(GetData()).store(1, std::memory_order_relaxed);
}
