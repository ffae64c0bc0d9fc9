#ifndef OE_UNICODESTRING_H_INCLUDED
#define OE_UNICODESTRING_H_INCLUDED

// The library's text of 16-bit units (char16_t), copy-on-write like bCString but
// with buffer rules of its own:
// - the buffer records a capacity, and appends write in place while the buffer
//   is private and large enough; otherwise a new buffer of exactly the combined
//   length takes the text;
// - share counts are changed without any lock;
// - a locked buffer (share count -1) is never shared: copies copy its units.
// White space and case mapping are ASCII. Positions and lengths are int, -1 is
// "not found". Format has its own formatter: %s and %c take 16-bit text and
// units, %S, %hs, %C and %hc 8-bit ones, %ls and %lc 16-bit ones; numbers
// format as in bCString.

#include <vellmark/kernel/oe_types.h>

#include <cstdarg>
#include <cstdint>

class bCString;

class OE_API bCUnicodeString
{
public:
    // Laid out right before the units: share count, length, capacity.
    struct bSUnicodeStringData
    {
        int32_t m_iRefCount;    // -1: locked
        int32_t m_iLength;      // units stored, terminator excluded
        int32_t m_iAllocLength; // units the buffer can hold, terminator excluded
        char16_t * GetText() { return reinterpret_cast<char16_t *>(this + 1); }
    };

public:
    bCUnicodeString();
    bCUnicodeString(char16_t const * a_pcText);
    bCUnicodeString(char16_t const * a_pcText, int a_iCount); // at most a_iCount units, up to the first zero
    bCUnicodeString(char16_t a_cUnit, int a_iCount);
    bCUnicodeString(bCUnicodeString const & a_strSource); // shares, unless the source is locked
    bCUnicodeString(bCUnicodeString const & a_strSource, int a_iCount);
    bCUnicodeString(char const * a_pcText);
    bCUnicodeString(char const * a_pcText, int a_iCount);
    bCUnicodeString(long a_iValue);          // "%i" of the value as a 32-bit int
    bCUnicodeString(unsigned long a_uValue); // "%i" too: 4294967295 gives "-1"
    bCUnicodeString(int a_iValue);
    bCUnicodeString(float a_fValue, int a_iPrecision);
    ~bCUnicodeString(); // always releases its share

public:
    int GetLength() const { return m_pcText ? GetData()->m_iLength : 0; }
    int GetAllocLength() const { return m_pcText ? GetData()->m_iAllocLength : 0; } // the capacity
    bool IsEmpty() const { return GetLength() == 0; }
    char16_t const * GetText() const { return m_pcText ? m_pcText : ms_arrEmptyText; } // never null
    char16_t * GetText() { return m_pcText ? m_pcText : ms_arrEmptyText; }
    operator char16_t const *() const;
    operator char16_t *();
    char16_t GetAt(int a_iIndex) const;
    char16_t operator[](int a_iIndex) const;
    char16_t & operator[](int a_iIndex); // makes the buffer private first
    void SetAt(int a_iIndex, char16_t a_cUnit);

public:
    int Compare(bCUnicodeString const & a_strOther) const; // -1, 0, 1
    int Compare(char16_t const * a_pcOther) const;
    int CompareNoCase(bCUnicodeString const & a_strOther) const;
    int CompareNoCase(char16_t const * a_pcOther) const;
    bool operator==(bCUnicodeString const & a_strOther) const;
    bool operator!=(bCUnicodeString const & a_strOther) const;
    bool operator<(bCUnicodeString const & a_strOther) const;
    bool operator<=(bCUnicodeString const & a_strOther) const;
    bool operator>(bCUnicodeString const & a_strOther) const;
    bool operator>=(bCUnicodeString const & a_strOther) const;
    bool operator==(char16_t const * a_pcOther) const;
    bool operator!=(char16_t const * a_pcOther) const;
    bool operator<(char16_t const * a_pcOther) const;
    bool operator<=(char16_t const * a_pcOther) const;
    bool operator>(char16_t const * a_pcOther) const;
    bool operator>=(char16_t const * a_pcOther) const;

public:
    int Find(char16_t a_cUnit, int a_iStart = 0) const;
    int Find(char16_t const * a_pcText, int a_iStart = 0) const; // start may equal the length
    int ReverseFind(char16_t a_cUnit) const;
    int ReverseFind(char16_t a_cUnit, int a_iStart) const; // last occurrence at or after start
    int ReverseFind(char16_t const * a_pcText) const;
    int ReverseFind(char16_t const * a_pcText, int a_iSkip) const; // skip: positions excluded at the end
    int FindOneOf(char16_t const * a_pcSet, int a_iStart = 0) const;
    int ReverseFindOneOf(char16_t const * a_pcSet) const;
    int ReverseFindOneOf(char16_t const * a_pcSet, int a_iStart) const; // at or before start
    bool Contains(char16_t a_cUnit, int a_iStart = 0) const;
    bool Contains(char16_t const * a_pcText, int a_iStart = 0) const;
    bool ContainsOneOf(char16_t const * a_pcSet, int a_iStart = 0) const;
    int CountWords(bCUnicodeString const & a_strDelimiters) const;
    // Position of word a_iIndex (zero-based, one delimiter unit between words), -1 past the last word.
    int GetWord(int a_iIndex, bCUnicodeString const & a_strDelimiters, bCUnicodeString & a_strWord,
                bool a_bTrimLeft = false, bool a_bTrimRight = false) const;

public:
    bCUnicodeString Left(int a_iCount) const;
    bCUnicodeString Right(int a_iCount) const;
    bCUnicodeString Mid(int a_iStart, int a_iCount) const;
    bCUnicodeString Mid(int a_iStart) const;
    bCUnicodeString SpanIncluding(char16_t const * a_pcSet) const;
    bCUnicodeString SpanExcluding(char16_t const * a_pcSet) const;
    bCUnicodeString operator+(bCUnicodeString const & a_strOther) const;
    bCUnicodeString operator+(char16_t const * a_pcOther) const;
    bCUnicodeString operator+(char16_t a_cUnit) const;

public:
    int GetInteger() const;
    float GetFloat() const;
    double GetDouble() const;
    bool GetBool() const; // the text "true" in any A-Z case

public:
    bCUnicodeString & operator=(char16_t a_cUnit);
    bCUnicodeString & operator=(char16_t const * a_pcText);
    bCUnicodeString & operator=(bCUnicodeString const & a_strSource);
    bCUnicodeString & operator=(char const * a_pcText);
    void SetText(bCUnicodeString const & a_strSource);
    void SetText(bCUnicodeString const & a_strSource, int a_iCount);
    void SetText(char16_t const * a_pcText);
    void SetText(char16_t const * a_pcText, int a_iCount);
    void SetText(char16_t a_cUnit, int a_iCount);
    bCUnicodeString & operator+=(char16_t a_cUnit);
    bCUnicodeString & operator+=(char16_t const * a_pcText);
    bCUnicodeString & operator+=(bCUnicodeString const & a_strText);
    int Insert(int a_iIndex, char16_t a_cUnit); // each returns the new length
    int Insert(int a_iIndex, char16_t const * a_pcText);
    int Insert(int a_iIndex, bCUnicodeString const & a_strText);
    int Delete(int a_iIndex, int a_iCount = 1);
    int Replace(char16_t a_cOld, char16_t a_cNew); // each returns the number replaced
    int Replace(char16_t const * a_pcOld, char16_t const * a_pcNew);
    int Remove(char16_t a_cUnit);
    int Remove(char16_t const * a_pcText);
    int Remove(bCUnicodeString const & a_strText);
    void TrimLeft();
    void TrimRight();
    void Trim();
    void TrimLeft(char16_t a_cUnit);
    void TrimRight(char16_t a_cUnit);
    void Trim(char16_t a_cUnit);
    void TrimLeft(char16_t const * a_pcSet);
    void TrimRight(char16_t const * a_pcSet);
    void Trim(char16_t const * a_pcSet);
    void Trim(bool a_bLeft, bool a_bRight);
    void ToUpper();
    void ToLower();
    bCUnicodeString & MakeUpper();
    bCUnicodeString & MakeLower();
    bCUnicodeString & MakeReverse();
    void Clear();
    bool Format(char16_t const * a_pcFormat, ...); // at most 8191 units; always true
    bool FormatV(char16_t const * a_pcFormat, va_list a_Args);

public:
    char16_t * GetBuffer(int a_iMinLength);
    char16_t * GetBufferSetLength(int a_iLength);
    void ReleaseBuffer(int a_iLength = -1); // -1: up to the terminator
    void FreeExtra();
    char16_t * LockBuffer();
    void UnlockBuffer();

public:
    void SetAnsiText(char const * a_pcText);
    void SetAnsiText(char const * a_pcText, int a_iCount);
    void SetAnsiText(bCString const & a_strText);
    void SetAnsiText(bCString const & a_strText, int a_iCount);
    bCString GetAnsiText() const;
    bool IsAnsiText() const;                               // every unit below 256
    bCString GetAsHexCodedString() const;                  // "%02x" per byte, units little-endian
    bool SetFromHexCodedString(bCString const & a_strHex); // false: not 4 digits per unit

public:
    static bCUnicodeString GetFormattedString(char16_t const * a_pcFormat, ...); // at most 1023 units

protected:
    void Alloc(int a_iLength);
    void Realloc(int a_iLength);
    void CopyBeforeWrite();
    void ConcatCopy(char16_t const * a_pcFirst, int a_iFirst, char16_t const * a_pcSecond, int a_iSecond);
    void ConcatInPlace(char16_t const * a_pcText, int a_iCount);
    void CopyAnsi(char const * a_pcText, int a_iCount);
    void Release();
    static void Release(bSUnicodeStringData * a_pData);
    static void FreeData(bSUnicodeStringData * a_pData);
    static void Increment(bSUnicodeStringData * a_pData);
    static int Decrement(bSUnicodeStringData * a_pData); // the new count
    bSUnicodeStringData * GetData() const { return reinterpret_cast<bSUnicodeStringData *>(m_pcText) - 1; }
    int GetRefCount() const { return m_pcText ? GetData()->m_iRefCount : 0; }

private:
    void ShareFrom(bCUnicodeString const & a_strSource);
    bool IsInsideBuffer(char16_t const * a_pcText) const;
    void AssignUnits(char16_t const * a_pcText, int a_iCount);
    void Empty();
    void Trim(bool a_bLeft, bool a_bRight, bool (*a_pfnMatch)(char16_t, void const *), void const * a_pContext);

private:
    // The text of every string without buffer; writable because the non-const accessors hand it out.
    static char16_t ms_arrEmptyText[1];

private:
    char16_t * m_pcText;
};

// Copy and destruction are the hot path of passing strings around: inline.
inline bCUnicodeString::bCUnicodeString(bCUnicodeString const & a_strSource) : m_pcText(nullptr)
{
    if (a_strSource.GetRefCount() > 0)
    {
        ++a_strSource.GetData()->m_iRefCount;
        m_pcText = a_strSource.m_pcText;
    }
    else
        ShareFrom(a_strSource);
}

// Appending one unit to a private buffer with room is the inner loop of text building.
inline bCUnicodeString & bCUnicodeString::operator+=(char16_t a_cUnit)
{
    if (m_pcText)
    {
        bSUnicodeStringData * pData = GetData();
        if (pData->m_iRefCount <= 1 && pData->m_iLength < pData->m_iAllocLength)
        {
            m_pcText[pData->m_iLength++] = a_cUnit;
            m_pcText[pData->m_iLength] = 0;
            return *this;
        }
    }
    ConcatInPlace(&a_cUnit, 1);
    return *this;
}

inline bCUnicodeString::~bCUnicodeString()
{
    if (m_pcText)
        Release(GetData());
}

OE_API bool operator==(char16_t const * a_pcLeft, bCUnicodeString const & a_strRight);
OE_API bool operator!=(char16_t const * a_pcLeft, bCUnicodeString const & a_strRight);
OE_API bool operator<(char16_t const * a_pcLeft, bCUnicodeString const & a_strRight);
OE_API bool operator<=(char16_t const * a_pcLeft, bCUnicodeString const & a_strRight);
OE_API bool operator>(char16_t const * a_pcLeft, bCUnicodeString const & a_strRight);
OE_API bool operator>=(char16_t const * a_pcLeft, bCUnicodeString const & a_strRight);
OE_API bCUnicodeString operator+(char16_t const * a_pcLeft, bCUnicodeString const & a_strRight);
OE_API bCUnicodeString operator+(char16_t a_cLeft, bCUnicodeString const & a_strRight);

// The 16-bit formatter behind Format: writes at most a_iMax units including the
// terminator into a_pcDest and returns the units written without it.
OE_API int OEFormatUnicode(char16_t * a_pcDest, int a_iMax, char16_t const * a_pcFormat, va_list a_Args);

// Types these operations return by value, complete for every caller (they include this header in turn).
#include <vellmark/kernel/oe_string.h>

#endif
