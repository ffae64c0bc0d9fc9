#ifndef OE_STRING_H_INCLUDED
#define OE_STRING_H_INCLUDED

// bCString: the library's 8-bit, copy-on-write text type.
//
// Conventions of this module:
// - A string is one pointer: null (the usual empty string) or the first
//   character of a shared buffer. The buffer's header (bSStringData) lies in
//   the 8 bytes in front of the characters; one terminating zero follows them.
// - Copies share the buffer and count their shares; every modifying member
//   gives the string its own buffer first. A share count of 65535 marks a
//   locked buffer (LockBuffer), which is private to its string and is copied,
//   never shared. A buffer serves at most 65534 strings; a further copy gets
//   its own buffer.
// - Every buffer is sized exactly to its text: there is no growth reserve, so
//   appending in a loop moves the text on every step.
// - Positions and lengths are int; "not found" is -1. Out-of-range positions
//   give -1, 0, an empty result or no change; no member reports errors. A
//   negative start position of a forward search gives -1.
// - Text may hold zero bytes. Members built on zero-terminated text (the text
//   searches, SetText(const char *), GetWord) stop at the first one; members
//   that walk the stored length (Replace(char, char), Remove(char), the case
//   mappings, Find(char, start, true)) do not.
// - All empty forms (no buffer, a zero-length buffer, a null text, "") are one
//   value, equal to each other and less than every non-empty text. Bytes
//   compare as unsigned values.
// - White space, case mapping and number conversion are ASCII and do not
//   depend on the locale.
// - Buffers come from the memory administration and are released only while it
//   reports itself initialised, so static strings destroyed after it keep theirs.

#include <vellmark/kernel/oe_types.h>

#include <cstdint>
#include <cstring>

class bCCriticalSectionWin32;
class bCUnicodeString;

class OE_API bCString
{
public:
    // The header in front of the characters; a buffer for n characters is one
    // block of n + 9 bytes.
    struct bSStringData
    {
        int32_t m_iLength;      // characters stored, terminator excluded; also the capacity
        uint16_t m_u16RefCount; // strings sharing the buffer; 65535 marks a locked buffer
        uint16_t m_u16Reserved; // pads the header to 8 bytes

        char * GetText() { return reinterpret_cast<char *>(this + 1); }
    };

public:
    constexpr bCString() noexcept : m_pcText(nullptr) {}
    bCString(char const * a_pcText);                      // null or "" gives no buffer
    bCString(char const * a_pcText, int a_iCount);        // exactly a_iCount bytes, zero bytes included
    bCString(char a_cChar, int a_iCount);                 // a_iCount copies of a_cChar
    bCString(bCString const & a_strSource);               // shares the source's buffer
    bCString(bCString const & a_strSource, int a_iCount); // the first a_iCount characters
    bCString(bCUnicodeString const & a_strText); // the 8-bit form, as SetUnicodeText
    bCString(float a_fValue, int a_iPrecision); // "%.<precision>f"
    ~bCString();

public:
    // Access.
    int GetLength() const { return m_pcText ? GetData()->m_iLength : 0; }
    int GetAllocLength() const { return GetLength(); }
    bool IsEmpty() const { return GetLength() == 0; }
    char const * GetText() const { return m_pcText ? m_pcText : ""; } // never null
    operator char const *() const { return GetText(); }
    char GetAt(int a_iIndex, bool = false) const { return m_pcText[a_iIndex]; } // no bounds check
    char operator[](int a_iIndex) const { return m_pcText[a_iIndex]; }          // no bounds check

    // Comparison: Compare gives -1, 0 or 1; CompareNoCase folds A-Z to a-z and
    // gives a negative value, 0 or a positive value.
    int Compare(bCString const & a_strOther) const;
    int Compare(char const * a_pcText) const;
    int CompareNoCase(bCString const & a_strOther) const;
    int CompareNoCase(char const * a_pcText) const;
    bool CompareFast(bCString const & a_strOther) const;       // equality; lengths first
    bool CompareNoCaseFast(bCString const & a_strOther) const; // case-folded equality; lengths first

    bool operator==(bCString const & a_strOther) const { return CompareFast(a_strOther); }
    bool operator!=(bCString const & a_strOther) const { return !CompareFast(a_strOther); }
    bool operator<(bCString const & a_strOther) const { return Compare(a_strOther) < 0; }
    bool operator<=(bCString const & a_strOther) const { return Compare(a_strOther) <= 0; }
    bool operator>(bCString const & a_strOther) const { return Compare(a_strOther) > 0; }
    bool operator>=(bCString const & a_strOther) const { return Compare(a_strOther) >= 0; }
    bool operator==(char const * a_pcText) const { return Compare(a_pcText) == 0; }
    bool operator!=(char const * a_pcText) const { return Compare(a_pcText) != 0; }
    bool operator<(char const * a_pcText) const { return Compare(a_pcText) < 0; }
    bool operator<=(char const * a_pcText) const { return Compare(a_pcText) <= 0; }
    bool operator>(char const * a_pcText) const { return Compare(a_pcText) > 0; }
    bool operator>=(char const * a_pcText) const { return Compare(a_pcText) >= 0; }

    // Search.
    int Find(char a_cChar, int a_iStart = 0, bool a_bWhole = false) const; // whole: walks the stored length
    int Find(char const * a_pcText, int a_iStart = 0, bool a_bWhole = false) const;
    int FindNoCase(char const * a_pcText, int a_iStart = 0) const;
    int FindOneOf(char const * a_pcSet, int a_iStart = 0) const;
    int ReverseFind(char a_cChar) const;
    int ReverseFind(char a_cChar, int a_iStart) const; // a_iStart: absolute position
    int ReverseFind(char const * a_pcText) const;
    int ReverseFind(char const * a_pcText, int a_iSkip) const; // a_iSkip: positions excluded at the end
    int ReverseFindOneOf(char const * a_pcSet) const;
    int ReverseFindOneOf(char const * a_pcSet, int a_iStart) const;
    bool Contains(char a_cChar, int a_iStart = 0) const;
    bool Contains(char const * a_pcText, int a_iStart = 0) const;
    bool ContainsOneOf(char const * a_pcSet, int a_iStart = 0) const;
    int FindNumericalChar(int a_iStart = 0, bool = false) const; // 0-9, '+' or '-'
    int FindNoiseChar(int a_iStart = 0, bool = false) const;     // a byte outside 33..126
    int CountWords(bCString const & a_strDelimiters) const;
    // Zero-based word a_iIndex between single delimiter bytes: returns its
    // position, or -1 past the last word (a_strWord then holds the last word).
    int GetWord(int a_iIndex, bCString const & a_strDelimiters, bCString & a_strWord, bool a_bTrimLeft = false,
                bool a_bTrimRight = false) const;

    // Extraction.
    bCString Left(int a_iCount) const;
    bCString Right(int a_iCount) const;
    bCString Mid(int a_iStart, int a_iCount) const;
    bCString Mid(int a_iStart) const;
    bCString SpanIncluding(char const * a_pcSet) const;
    bCString SpanExcluding(char const * a_pcSet) const;
    bCString operator+(bCString const & a_strOther) const;
    bCString operator+(char const * a_pcText) const;
    bCString operator+(char a_cChar) const;
    bCUnicodeString GetUnicodeText() const; // the 16-bit form, as bCUnicodeString::SetAnsiText
    static bCString GetFormattedString(char const * a_pcFormat, ...) // at most 1023 characters
        __attribute__((format(printf, 1, 2)));

    // Conversion (ASCII, independent of the locale).
    int GetInteger(int a_iStart = 0, bool a_bUnchecked = false) const;
    long long GetI64(int a_iStart = 0) const;
    float GetFloat(int a_iStart = 0) const;
    double GetDouble(int a_iStart = 0) const;
    bool GetBool() const; // the text is "true" in any case

    // Assignment.
    bCString & operator=(bCString const & a_strSource);
    bCString & operator=(char const * a_pcText);
    bCString & operator=(char a_cChar);
    void SetText(bCString const & a_strSource);
    void SetText(bCString const & a_strSource, int a_iCount);
    void SetText(char const * a_pcText);
    void SetText(char const * a_pcText, int a_iCount); // at most a_iCount characters
    void SetText(char a_cChar, int a_iCount);
    // 16-bit text unit by unit: units 0-255 become the byte of the same value, others '?'.
    void SetUnicodeText(char16_t const * a_pcText);
    void SetUnicodeText(char16_t const * a_pcText, int a_iCount); // at most a_iCount units
    void SetUnicodeText(bCUnicodeString const & a_strText);
    void SetUnicodeText(bCUnicodeString const & a_strText, int a_iCount);

    // Modification.
    bCString & operator+=(char a_cChar);
    bCString & operator+=(char const * a_pcText);
    bCString & operator+=(bCString const & a_strOther);
    int Insert(int a_iIndex, char a_cChar); // returns the new length
    int Insert(int a_iIndex, char const * a_pcText);
    int Insert(int a_iIndex, bCString const & a_strText);
    int Delete(int a_iIndex, int a_iCount = 1); // returns the new length
    int Replace(char a_cOld, char a_cNew);      // returns the number replaced
    int Replace(char const * a_pcOld, char const * a_pcNew);
    int Remove(char a_cChar); // returns the number removed
    int Remove(char const * a_pcText);
    int Remove(bCString const & a_strText);
    void TrimLeft();
    void TrimRight();
    void Trim();
    void TrimLeft(char a_cChar);
    void TrimRight(char a_cChar);
    void Trim(char a_cChar);
    void TrimLeft(char const * a_pcSet);
    void TrimRight(char const * a_pcSet);
    void Trim(char const * a_pcSet);
    void Trim(bool a_bLeft, bool a_bRight);
    void ToUpper();
    void ToLower();
    bCString & MakeUpper();
    bCString & MakeLower();
    bCString & MakeReverse();
    void SetAt(int a_iIndex, char a_cChar); // no bounds check
    char & operator[](int a_iIndex);        // makes the buffer private; no bounds check
    void Clear();                           // drops a non-empty buffer
    bool Format(char const * a_pcFormat, ...) __attribute__((format(printf, 2, 3))); // at most 16383 characters

    // Buffer access.
    char * GetBuffer(int a_iMinLength);
    char * GetBufferSetLength(int a_iLength);
    void ReleaseBuffer(int a_iLength = -1); // -1: up to the terminator
    void FreeExtra();
    char * LockBuffer();
    void UnlockBuffer();

    // Strings sharing this buffer; 65535 when locked, 0 without buffer.
    int GetRefCount() const;

    // The process-wide string lock; it guards the formatting work area.
    static bCCriticalSectionWin32 & GetStringLock();

protected:
    bSStringData * GetData() const { return reinterpret_cast<bSStringData *>(m_pcText) - 1; }
    void Alloc(int a_iLength);   // a fresh private buffer; 0 gives none. Drops nothing.
    void Realloc(int a_iLength); // room for exactly a_iLength characters, contents not kept
    void CopyBeforeWrite();
    void ConcatCopy(char const * a_pcText1, int a_iCount1, char const * a_pcText2, int a_iCount2);
    void ConcatInPlace(char const * a_pcText, int a_iCount);
    void CopyUnicode(char16_t const * a_pcText, int a_iCount); // Realloc and convert a_iCount units
    void Release();
    static void Release(bSStringData * a_pData);
    static void FreeData(bSStringData * a_pData);
    static bool Increment(bSStringData * a_pData); // false when the buffer takes no further holder
    static int Decrement(bSStringData * a_pData);  // the new count; 0 frees

private:
    bool IsPrivate() const;
    void SetEmpty();
    void Assign(char const * a_pcText, int a_iCount);
    void Share(bCString const & a_strSource);
    void Keep(int a_iStart, int a_iCount);
    template <typename TIsTrimmed> void TrimRuns(bool a_bLeft, bool a_bRight, TIsTrimmed a_IsTrimmed);
    int Splice(int a_iIndex, char const * a_pcText, int a_iCount);
    int CountOccurrences(char const * a_pcOld, int a_iOldLength) const;

private:
    char * m_pcText;
};

OE_API bool operator==(char const * a_pcText, bCString const & a_strText);
OE_API bool operator!=(char const * a_pcText, bCString const & a_strText);
OE_API bool operator<(char const * a_pcText, bCString const & a_strText);
OE_API bool operator<=(char const * a_pcText, bCString const & a_strText);
OE_API bool operator>(char const * a_pcText, bCString const & a_strText);
OE_API bool operator>=(char const * a_pcText, bCString const & a_strText);
OE_API bCString operator+(char const * a_pcText, bCString const & a_strText);
OE_API bCString operator+(char a_cChar, bCString const & a_strText);

// Equality and ordering are inline: they are the library's most frequent string calls.

inline int bCString::Compare(bCString const & a_strOther) const
{
    int const iLeft = GetLength(), iRight = a_strOther.GetLength();
    int const iResult =
        std::memcmp(GetText(), a_strOther.GetText(), static_cast<size_t>(iLeft < iRight ? iLeft : iRight));
    if (iResult)
        return (iResult > 0) - (iResult < 0);
    return (iLeft > iRight) - (iLeft < iRight);
}

inline bool bCString::CompareFast(bCString const & a_strOther) const
{
    int const iLength = GetLength();
    return iLength == a_strOther.GetLength() &&
           (m_pcText == a_strOther.m_pcText || iLength == 0 ||
            std::memcmp(m_pcText, a_strOther.m_pcText, static_cast<size_t>(iLength)) == 0);
}

// The shared empty string.
extern OE_API bCString g_strDefault;

// Types these operations return by value, complete for every caller (they include this header in turn).
#include <vellmark/kernel/oe_unicodestring.h>

#endif
