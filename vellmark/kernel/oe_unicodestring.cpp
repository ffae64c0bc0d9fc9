#include <vellmark/kernel/oe_unicodestring.h>
#include <vellmark/kernel/oe_basemem.h>
#include <vellmark/kernel/oe_string.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace
{
    constexpr int kFormatCapacity = 8192;          // units, terminator included
    constexpr int kFormattedStringCapacity = 1024; // units on the caller's stack
    constexpr int kNarrowFormatCapacity = 16384;   // the 8-bit formatting work area

    int UnitLength(char16_t const * a_pcText)
    {
        return a_pcText ? static_cast<int>(std::char_traits<char16_t>::length(a_pcText)) : 0;
    }

    int BoundedLength(char16_t const * a_pcText, int a_iMax)
    {
        int iLength = 0;
        while (iLength < a_iMax && a_pcText[iLength])
            ++iLength;
        return iLength;
    }

    bool IsSpace(char16_t a_cUnit)
    {
        return a_cUnit == u' ' || (a_cUnit >= u'\t' && a_cUnit <= u'\r');
    }

    char16_t FoldCase(char16_t a_cUnit)
    {
        return (a_cUnit >= u'A' && a_cUnit <= u'Z') ? static_cast<char16_t>(a_cUnit + (u'a' - u'A')) : a_cUnit;
    }

    char16_t UpperCase(char16_t a_cUnit)
    {
        return (a_cUnit >= u'a' && a_cUnit <= u'z') ? static_cast<char16_t>(a_cUnit - (u'a' - u'A')) : a_cUnit;
    }

    bool InSet(char16_t a_cUnit, char16_t const * a_pcSet)
    {
        if (!a_pcSet || a_cUnit == 0)
            return false;
        for (; *a_pcSet; ++a_pcSet)
            if (*a_pcSet == a_cUnit)
                return true;
        return false;
    }

    // Zero-terminated comparison; null stands for the empty text.
    int CompareUnits(char16_t const * a_pcLeft, char16_t const * a_pcRight, bool a_bNoCase)
    {
        if (!a_pcLeft)
            a_pcLeft = u"";
        if (!a_pcRight)
            a_pcRight = u"";
        for (;; ++a_pcLeft, ++a_pcRight)
        {
            char16_t cLeft = a_bNoCase ? FoldCase(*a_pcLeft) : *a_pcLeft;
            char16_t cRight = a_bNoCase ? FoldCase(*a_pcRight) : *a_pcRight;
            if (cLeft != cRight)
                return cLeft < cRight ? -1 : 1;
            if (cLeft == 0)
                return 0;
        }
    }

    // Compares a_iCount units, stopping early where both texts end.
    bool EqualUnits(char16_t const * a_pcLeft, char16_t const * a_pcRight, int a_iCount)
    {
        for (int i = 0; i < a_iCount; ++i)
        {
            if (a_pcLeft[i] != a_pcRight[i])
                return false;
            if (a_pcLeft[i] == 0)
                return true;
        }
        return true;
    }

    int FindText(char16_t const * a_pcText, int a_iStart, char16_t const * a_pcFind)
    {
        int iFind = UnitLength(a_pcFind);
        if (iFind == 0)
            return a_iStart;
        char16_t const cFirst = a_pcFind[0];
        for (int i = a_iStart; a_pcText[i]; ++i)
            if (a_pcText[i] == cFirst && EqualUnits(a_pcText + i + 1, a_pcFind + 1, iFind - 1))
                return i;
        return -1;
    }

    void CopyUnits(char16_t * a_pcDest, char16_t const * a_pcSource, int a_iCount)
    {
        if (a_iCount > 0)
            std::memmove(a_pcDest, a_pcSource, static_cast<size_t>(a_iCount) * sizeof(char16_t));
    }

    int ToIntClamped(long long a_iValue)
    {
        if (a_iValue > INT_MAX)
            return INT_MAX;
        if (a_iValue < INT_MIN)
            return INT_MIN;
        return static_cast<int>(a_iValue);
    }

    // The leading ASCII units as 8-bit text, for the runtime's number parsers.
    std::string LeadingAscii(char16_t const * a_pcText)
    {
        std::string strText;
        for (; *a_pcText && *a_pcText < 128; ++a_pcText)
            strText += static_cast<char>(*a_pcText);
        return strText;
    }

    int HexDigit(char a_cDigit)
    {
        if (a_cDigit >= '0' && a_cDigit <= '9')
            return a_cDigit - '0';
        if (a_cDigit >= 'a' && a_cDigit <= 'f')
            return a_cDigit - 'a' + 10;
        if (a_cDigit >= 'A' && a_cDigit <= 'F')
            return a_cDigit - 'A' + 10;
        return -1;
    }

    bool MatchesUnit(char16_t a_cUnit, void const * a_pContext)
    {
        return a_cUnit == *static_cast<char16_t const *>(a_pContext);
    }

    bool MatchesSet(char16_t a_cUnit, void const * a_pContext)
    {
        return InSet(a_cUnit, static_cast<char16_t const *>(a_pContext));
    }

    bool MatchesSpace(char16_t a_cUnit, void const *)
    {
        return IsSpace(a_cUnit);
    }
} // namespace

char16_t bCUnicodeString::ms_arrEmptyText[1] = {0};

// ---- buffer administration -------------------------------------------------

void bCUnicodeString::Alloc(int a_iLength)
{
    if (a_iLength <= 0)
    {
        m_pcText = nullptr;
        return;
    }
    unsigned long uBytes = 2ul * static_cast<unsigned long>(a_iLength) + sizeof(bSUnicodeStringData) + 2;
    auto * pData =
        static_cast<bSUnicodeStringData *>(bCMemoryAdmin::GetInstance().Malloc(uBytes, nullptr, nullptr, -1));
    pData->m_iRefCount = 1;
    pData->m_iLength = a_iLength;
    pData->m_iAllocLength = a_iLength;
    m_pcText = pData->GetText();
    m_pcText[a_iLength] = 0;
}

void bCUnicodeString::Realloc(int a_iLength)
{
    if (m_pcText && GetRefCount() <= 1 && a_iLength <= GetData()->m_iLength)
    {
        GetData()->m_iLength = a_iLength;
        m_pcText[a_iLength] = 0;
        return;
    }
    Release();
    Alloc(a_iLength);
}

void bCUnicodeString::FreeData(bSUnicodeStringData * a_pData)
{
    bCMemoryAdmin::GetInstance().Free(a_pData);
}

void bCUnicodeString::Increment(bSUnicodeStringData * a_pData)
{
    ++a_pData->m_iRefCount;
}

int bCUnicodeString::Decrement(bSUnicodeStringData * a_pData)
{
    return --a_pData->m_iRefCount;
}

void bCUnicodeString::Release(bSUnicodeStringData * a_pData)
{
    // A locked buffer (-1) has one holder as well, so it goes too.
    if (a_pData && Decrement(a_pData) <= 0)
        FreeData(a_pData);
}

void bCUnicodeString::Release()
{
    if (!m_pcText)
        return;
    Release(GetData());
    m_pcText = nullptr;
}

void bCUnicodeString::CopyBeforeWrite()
{
    if (GetRefCount() <= 1)
        return;
    bSUnicodeStringData * pOld = GetData();
    Release(pOld);
    Alloc(pOld->m_iLength);
    if (m_pcText)
        CopyUnits(m_pcText, pOld->GetText(), pOld->m_iLength + 1);
}

void bCUnicodeString::ConcatCopy(char16_t const * a_pcFirst, int a_iFirst, char16_t const * a_pcSecond, int a_iSecond)
{
    Alloc(a_iFirst + a_iSecond);
    if (!m_pcText)
        return;
    CopyUnits(m_pcText, a_pcFirst, a_iFirst);
    CopyUnits(m_pcText + a_iFirst, a_pcSecond, a_iSecond);
}

void bCUnicodeString::ConcatInPlace(char16_t const * a_pcText, int a_iCount)
{
    if (a_iCount <= 0)
        return;
    int iLength = GetLength();
    if (m_pcText && GetRefCount() <= 1 && iLength + a_iCount <= GetData()->m_iAllocLength)
    {
        CopyUnits(m_pcText + iLength, a_pcText, a_iCount);
        GetData()->m_iLength = iLength + a_iCount;
        m_pcText[iLength + a_iCount] = 0;
        return;
    }
    // The old buffer stays alive until the copy is made, so a_pcText may point into it.
    bSUnicodeStringData * pOld = m_pcText ? GetData() : nullptr;
    char16_t * pcOld = m_pcText;
    m_pcText = nullptr;
    ConcatCopy(pcOld, iLength, a_pcText, a_iCount);
    Release(pOld);
}

void bCUnicodeString::CopyAnsi(char const * a_pcText, int a_iCount)
{
    Realloc(a_iCount);
    for (int i = 0; i < a_iCount; ++i)
        m_pcText[i] = static_cast<unsigned char>(a_pcText[i]);
}

bool bCUnicodeString::IsInsideBuffer(char16_t const * a_pcText) const
{
    // Compared as addresses: pointers into different objects have no defined order.
    auto uText = reinterpret_cast<uintptr_t>(a_pcText);
    auto uBegin = reinterpret_cast<uintptr_t>(m_pcText);
    return m_pcText && uText >= uBegin && uText <= uBegin + sizeof(char16_t) * GetData()->m_iAllocLength;
}

void bCUnicodeString::ShareFrom(bCUnicodeString const & a_strSource)
{
    if (!a_strSource.m_pcText)
        return;
    if (a_strSource.GetRefCount() <= 0)
    {
        AssignUnits(a_strSource.m_pcText, a_strSource.GetLength());
        return;
    }
    Increment(a_strSource.GetData());
    m_pcText = a_strSource.m_pcText;
}

void bCUnicodeString::AssignUnits(char16_t const * a_pcText, int a_iCount)
{
    if (a_iCount <= 0)
    {
        Empty();
        return;
    }
    // Realloc keeps a private buffer only when the text fits, so a source inside it stays valid.
    Realloc(a_iCount);
    CopyUnits(m_pcText, a_pcText, a_iCount);
}

void bCUnicodeString::Empty()
{
    if (!m_pcText)
        return;
    if (GetRefCount() > 1)
    {
        Release();
        return;
    }
    GetData()->m_iLength = 0;
    m_pcText[0] = 0;
}

// ---- construction ----------------------------------------------------------

bCUnicodeString::bCUnicodeString() : m_pcText(nullptr) {}

bCUnicodeString::bCUnicodeString(char16_t const * a_pcText) : m_pcText(nullptr)
{
    AssignUnits(a_pcText, UnitLength(a_pcText));
}

bCUnicodeString::bCUnicodeString(char16_t const * a_pcText, int a_iCount) : m_pcText(nullptr)
{
    SetText(a_pcText, a_iCount);
}

bCUnicodeString::bCUnicodeString(char16_t a_cUnit, int a_iCount) : m_pcText(nullptr)
{
    SetText(a_cUnit, a_iCount);
}

bCUnicodeString::bCUnicodeString(bCUnicodeString const & a_strSource, int a_iCount) : m_pcText(nullptr)
{
    SetText(a_strSource, a_iCount);
}

bCUnicodeString::bCUnicodeString(char const * a_pcText) : m_pcText(nullptr)
{
    SetAnsiText(a_pcText);
}

bCUnicodeString::bCUnicodeString(char const * a_pcText, int a_iCount) : m_pcText(nullptr)
{
    SetAnsiText(a_pcText, a_iCount);
}

bCUnicodeString::bCUnicodeString(long a_iValue) : bCUnicodeString(static_cast<int>(a_iValue)) {}

bCUnicodeString::bCUnicodeString(unsigned long a_uValue) : bCUnicodeString(static_cast<int>(a_uValue)) {}

bCUnicodeString::bCUnicodeString(int a_iValue) : m_pcText(nullptr)
{
    char arrText[16];
    int iLength = std::snprintf(arrText, sizeof(arrText), "%i", a_iValue);
    CopyAnsi(arrText, iLength);
}

bCUnicodeString::bCUnicodeString(float a_fValue, int a_iPrecision) : m_pcText(nullptr)
{
    char arrFormat[32];
    std::snprintf(arrFormat, sizeof(arrFormat), "%%.%if", a_iPrecision);
    std::string strText(kNarrowFormatCapacity, '\0');
    int iLength = std::snprintf(strText.data(), strText.size(), arrFormat, static_cast<double>(a_fValue));
    if (iLength < 0)
        iLength = 0;
    if (iLength >= kNarrowFormatCapacity)
        iLength = kNarrowFormatCapacity - 1;
    CopyAnsi(strText.data(), iLength);
}

// ---- access ----------------------------------------------------------------

bCUnicodeString::operator char16_t const *() const
{
    return GetText();
}

bCUnicodeString::operator char16_t *()
{
    return GetText();
}

char16_t bCUnicodeString::GetAt(int a_iIndex) const
{
    return m_pcText[a_iIndex];
}

char16_t bCUnicodeString::operator[](int a_iIndex) const
{
    return m_pcText[a_iIndex];
}

char16_t & bCUnicodeString::operator[](int a_iIndex)
{
    CopyBeforeWrite();
    return m_pcText[a_iIndex];
}

void bCUnicodeString::SetAt(int a_iIndex, char16_t a_cUnit)
{
    CopyBeforeWrite();
    m_pcText[a_iIndex] = a_cUnit;
}

// ---- comparison ------------------------------------------------------------

int bCUnicodeString::Compare(bCUnicodeString const & a_strOther) const
{
    return CompareUnits(GetText(), a_strOther.GetText(), false);
}

int bCUnicodeString::Compare(char16_t const * a_pcOther) const
{
    return CompareUnits(GetText(), a_pcOther, false);
}

int bCUnicodeString::CompareNoCase(bCUnicodeString const & a_strOther) const
{
    return CompareUnits(GetText(), a_strOther.GetText(), true);
}

int bCUnicodeString::CompareNoCase(char16_t const * a_pcOther) const
{
    return CompareUnits(GetText(), a_pcOther, true);
}

bool bCUnicodeString::operator==(bCUnicodeString const & a_strOther) const
{
    return Compare(a_strOther) == 0;
}
bool bCUnicodeString::operator!=(bCUnicodeString const & a_strOther) const
{
    return Compare(a_strOther) != 0;
}
bool bCUnicodeString::operator<(bCUnicodeString const & a_strOther) const
{
    return Compare(a_strOther) < 0;
}
bool bCUnicodeString::operator<=(bCUnicodeString const & a_strOther) const
{
    return Compare(a_strOther) <= 0;
}
bool bCUnicodeString::operator>(bCUnicodeString const & a_strOther) const
{
    return Compare(a_strOther) > 0;
}
bool bCUnicodeString::operator>=(bCUnicodeString const & a_strOther) const
{
    return Compare(a_strOther) >= 0;
}
bool bCUnicodeString::operator==(char16_t const * a_pcOther) const
{
    return Compare(a_pcOther) == 0;
}
bool bCUnicodeString::operator!=(char16_t const * a_pcOther) const
{
    return Compare(a_pcOther) != 0;
}
bool bCUnicodeString::operator<(char16_t const * a_pcOther) const
{
    return Compare(a_pcOther) < 0;
}
bool bCUnicodeString::operator<=(char16_t const * a_pcOther) const
{
    return Compare(a_pcOther) <= 0;
}
bool bCUnicodeString::operator>(char16_t const * a_pcOther) const
{
    return Compare(a_pcOther) > 0;
}
bool bCUnicodeString::operator>=(char16_t const * a_pcOther) const
{
    return Compare(a_pcOther) >= 0;
}

bool operator==(char16_t const * a_pcLeft, bCUnicodeString const & a_strRight)
{
    return a_strRight.Compare(a_pcLeft) == 0;
}
bool operator!=(char16_t const * a_pcLeft, bCUnicodeString const & a_strRight)
{
    return a_strRight.Compare(a_pcLeft) != 0;
}
bool operator<(char16_t const * a_pcLeft, bCUnicodeString const & a_strRight)
{
    return a_strRight.Compare(a_pcLeft) > 0;
}
bool operator<=(char16_t const * a_pcLeft, bCUnicodeString const & a_strRight)
{
    return a_strRight.Compare(a_pcLeft) >= 0;
}
bool operator>(char16_t const * a_pcLeft, bCUnicodeString const & a_strRight)
{
    return a_strRight.Compare(a_pcLeft) < 0;
}
bool operator>=(char16_t const * a_pcLeft, bCUnicodeString const & a_strRight)
{
    return a_strRight.Compare(a_pcLeft) <= 0;
}

// ---- search ----------------------------------------------------------------

int bCUnicodeString::Find(char16_t a_cUnit, int a_iStart) const
{
    if (a_iStart < 0)
        a_iStart = 0;
    if (!m_pcText || a_iStart >= GetLength())
        return -1;
    for (int i = a_iStart;; ++i)
    {
        if (m_pcText[i] == a_cUnit)
            return i;
        if (m_pcText[i] == 0)
            return -1;
    }
}

int bCUnicodeString::Find(char16_t const * a_pcText, int a_iStart) const
{
    if (a_iStart < 0)
        a_iStart = 0;
    if (a_iStart > GetLength())
        return -1;
    return FindText(GetText(), a_iStart, a_pcText);
}

int bCUnicodeString::ReverseFind(char16_t a_cUnit) const
{
    char16_t const * pcText = GetText();
    int iLast = -1;
    for (int i = 0;; ++i)
    {
        if (pcText[i] == a_cUnit)
            iLast = i;
        if (pcText[i] == 0)
            return iLast;
    }
}

int bCUnicodeString::ReverseFind(char16_t a_cUnit, int a_iStart) const
{
    if (a_iStart < 0)
        a_iStart = 0;
    for (int i = GetLength() - 1; i >= a_iStart; --i)
        if (m_pcText[i] == a_cUnit)
            return i;
    return -1;
}

int bCUnicodeString::ReverseFind(char16_t const * a_pcText) const
{
    int iFind = UnitLength(a_pcText);
    for (int i = GetLength() - iFind; i >= 0; --i)
        if (EqualUnits(GetText() + i, a_pcText, iFind))
            return i;
    return -1;
}

int bCUnicodeString::ReverseFind(char16_t const * a_pcText, int a_iSkip) const
{
    int iLength = GetLength();
    int iFind = UnitLength(a_pcText);
    if (a_iSkip >= iLength || iFind > iLength)
        return -1;
    for (int i = iLength - iFind - (a_iSkip > 0 ? a_iSkip : 0); i >= 0; --i)
        if (EqualUnits(GetText() + i, a_pcText, iFind))
            return i;
    return -1;
}

int bCUnicodeString::FindOneOf(char16_t const * a_pcSet, int a_iStart) const
{
    if (a_iStart < 0)
        a_iStart = 0;
    int iLength = GetLength();
    for (int i = a_iStart; i < iLength && m_pcText[i]; ++i)
        if (InSet(m_pcText[i], a_pcSet))
            return i;
    return -1;
}

int bCUnicodeString::ReverseFindOneOf(char16_t const * a_pcSet) const
{
    return ReverseFindOneOf(a_pcSet, GetLength() - 1);
}

int bCUnicodeString::ReverseFindOneOf(char16_t const * a_pcSet, int a_iStart) const
{
    if (a_iStart >= GetLength())
        return -1;
    for (int i = a_iStart; i >= 0; --i)
        if (InSet(m_pcText[i], a_pcSet))
            return i;
    return -1;
}

bool bCUnicodeString::Contains(char16_t a_cUnit, int a_iStart) const
{
    return Find(a_cUnit, a_iStart) != -1;
}

bool bCUnicodeString::Contains(char16_t const * a_pcText, int a_iStart) const
{
    return Find(a_pcText, a_iStart) != -1;
}

bool bCUnicodeString::ContainsOneOf(char16_t const * a_pcSet, int a_iStart) const
{
    return FindOneOf(a_pcSet, a_iStart) != -1;
}

int bCUnicodeString::CountWords(bCUnicodeString const & a_strDelimiters) const
{
    int iLength = GetLength();
    if (iLength == 0)
        return 0;
    int iWords = 1;
    for (int i = 0; i < iLength; ++i)
        if (InSet(m_pcText[i], a_strDelimiters.GetText()))
            ++iWords;
    return iWords;
}

int bCUnicodeString::GetWord(int a_iIndex, bCUnicodeString const & a_strDelimiters, bCUnicodeString & a_strWord,
                             bool a_bTrimLeft, bool a_bTrimRight) const
{
    bCUnicodeString strRest(*this);
    bCUnicodeString strCurrent;
    int iResult = 0;
    int iStart = 0;
    int iPreviousDelimiter = -1;
    for (int iRemaining = a_iIndex; iRemaining >= 0;)
    {
        --iRemaining;
        iStart += iPreviousDelimiter + 1;
        int iDelimiter = strRest.IsEmpty() ? -1 : strRest.FindOneOf(a_strDelimiters.GetText());
        if (iDelimiter < 0)
        {
            strCurrent = strRest;
            iResult = iRemaining < 0 ? iStart : -1;
            break;
        }
        strCurrent = strRest.Left(iDelimiter);
        strRest = iDelimiter + 1 < strRest.GetLength() ? strRest.Mid(iDelimiter + 1) : bCUnicodeString();
        iResult = iStart;
        iPreviousDelimiter = iDelimiter;
    }
    a_strWord = strCurrent;
    a_strWord.Trim(a_bTrimLeft, a_bTrimRight);
    return iResult;
}

// ---- extraction ------------------------------------------------------------

bCUnicodeString bCUnicodeString::Left(int a_iCount) const
{
    if (a_iCount >= GetLength())
        return *this;
    bCUnicodeString strResult;
    strResult.AssignUnits(m_pcText, a_iCount);
    return strResult;
}

bCUnicodeString bCUnicodeString::Right(int a_iCount) const
{
    int iLength = GetLength();
    if (a_iCount >= iLength)
        return *this;
    bCUnicodeString strResult;
    if (a_iCount > 0)
        strResult.AssignUnits(m_pcText + iLength - a_iCount, a_iCount);
    return strResult;
}

bCUnicodeString bCUnicodeString::Mid(int a_iStart, int a_iCount) const
{
    // Negative arguments are the caller's error; they are cut to 0 rather than read outside the text.
    int iLength = GetLength();
    if (a_iStart < 0)
        a_iStart = 0;
    if (a_iCount < 0 || a_iStart > iLength)
        a_iCount = 0;
    else if (a_iCount > iLength - a_iStart)
        a_iCount = iLength - a_iStart;
    if (a_iStart == 0 && a_iCount == iLength)
        return *this;
    bCUnicodeString strResult;
    if (a_iCount > 0)
        strResult.AssignUnits(m_pcText + a_iStart, a_iCount);
    return strResult;
}

bCUnicodeString bCUnicodeString::Mid(int a_iStart) const
{
    return Mid(a_iStart, GetLength() - a_iStart);
}

bCUnicodeString bCUnicodeString::SpanIncluding(char16_t const * a_pcSet) const
{
    int iCount = 0;
    while (iCount < GetLength() && InSet(m_pcText[iCount], a_pcSet))
        ++iCount;
    return Left(iCount);
}

bCUnicodeString bCUnicodeString::SpanExcluding(char16_t const * a_pcSet) const
{
    int iCount = 0;
    while (iCount < GetLength() && m_pcText[iCount] && !InSet(m_pcText[iCount], a_pcSet))
        ++iCount;
    return Left(iCount);
}

bCUnicodeString bCUnicodeString::operator+(bCUnicodeString const & a_strOther) const
{
    bCUnicodeString strResult;
    strResult.ConcatCopy(GetText(), GetLength(), a_strOther.GetText(), a_strOther.GetLength());
    return strResult;
}

bCUnicodeString bCUnicodeString::operator+(char16_t const * a_pcOther) const
{
    bCUnicodeString strResult;
    strResult.ConcatCopy(GetText(), GetLength(), a_pcOther, UnitLength(a_pcOther));
    return strResult;
}

bCUnicodeString bCUnicodeString::operator+(char16_t a_cUnit) const
{
    bCUnicodeString strResult;
    strResult.ConcatCopy(GetText(), GetLength(), &a_cUnit, 1);
    return strResult;
}

bCUnicodeString operator+(char16_t const * a_pcLeft, bCUnicodeString const & a_strRight)
{
    return bCUnicodeString(a_pcLeft) + a_strRight;
}

bCUnicodeString operator+(char16_t a_cLeft, bCUnicodeString const & a_strRight)
{
    return bCUnicodeString(a_cLeft, 1) + a_strRight;
}

// ---- conversion ------------------------------------------------------------

int bCUnicodeString::GetInteger() const
{
    char16_t const * pcText = GetText();
    while (IsSpace(*pcText))
        ++pcText;
    bool bNegative = *pcText == u'-';
    if (*pcText == u'-' || *pcText == u'+')
        ++pcText;
    long long iValue = 0;
    for (; *pcText >= u'0' && *pcText <= u'9'; ++pcText)
        if (iValue <= INT_MAX + 1ll)
            iValue = iValue * 10 + (*pcText - u'0');
    return ToIntClamped(bNegative ? -iValue : iValue);
}

float bCUnicodeString::GetFloat() const
{
    return static_cast<float>(GetDouble());
}

double bCUnicodeString::GetDouble() const
{
    // The 8-bit parser: independent of the locale, and the same numbers as in bCString.
    std::string strText = LeadingAscii(GetText());
    return bCString(strText.c_str()).GetDouble();
}

bool bCUnicodeString::GetBool() const
{
    return GetLength() == 4 && CompareNoCase(u"true") == 0;
}

// ---- assignment ------------------------------------------------------------

bCUnicodeString & bCUnicodeString::operator=(char16_t a_cUnit)
{
    SetText(a_cUnit, 1);
    return *this;
}

bCUnicodeString & bCUnicodeString::operator=(char16_t const * a_pcText)
{
    SetText(a_pcText);
    return *this;
}

bCUnicodeString & bCUnicodeString::operator=(bCUnicodeString const & a_strSource)
{
    SetText(a_strSource);
    return *this;
}

bCUnicodeString & bCUnicodeString::operator=(char const * a_pcText)
{
    SetAnsiText(a_pcText);
    return *this;
}

void bCUnicodeString::SetText(bCUnicodeString const & a_strSource)
{
    if (m_pcText == a_strSource.m_pcText)
        return;
    if (a_strSource.IsEmpty())
    {
        Empty();
        return;
    }
    if (a_strSource.GetRefCount() <= 0)
    {
        AssignUnits(a_strSource.m_pcText, a_strSource.GetLength());
        return;
    }
    Increment(a_strSource.GetData());
    Release();
    m_pcText = a_strSource.m_pcText;
}

void bCUnicodeString::SetText(bCUnicodeString const & a_strSource, int a_iCount)
{
    if (a_iCount <= 0 || a_strSource.IsEmpty())
        Empty();
    else if (a_iCount >= a_strSource.GetLength())
        SetText(a_strSource);
    else
        AssignUnits(a_strSource.m_pcText, a_iCount);
}

void bCUnicodeString::SetText(char16_t const * a_pcText)
{
    AssignUnits(a_pcText, UnitLength(a_pcText));
}

void bCUnicodeString::SetText(char16_t const * a_pcText, int a_iCount)
{
    if (!a_pcText || a_iCount < 1)
        Empty();
    else
        AssignUnits(a_pcText, BoundedLength(a_pcText, a_iCount));
}

void bCUnicodeString::SetText(char16_t a_cUnit, int a_iCount)
{
    if (a_iCount < 1)
    {
        Empty();
        return;
    }
    Realloc(a_iCount);
    for (int i = 0; i < a_iCount; ++i)
        m_pcText[i] = a_cUnit;
}

void bCUnicodeString::SetAnsiText(char const * a_pcText)
{
    int iLength = a_pcText ? static_cast<int>(std::strlen(a_pcText)) : 0;
    if (iLength == 0)
        Empty();
    else
        CopyAnsi(a_pcText, iLength);
}

void bCUnicodeString::SetAnsiText(char const * a_pcText, int a_iCount)
{
    int iLength = 0;
    while (a_pcText && iLength < a_iCount && a_pcText[iLength])
        ++iLength;
    if (iLength == 0)
        Empty();
    else
        CopyAnsi(a_pcText, iLength);
}

void bCUnicodeString::SetAnsiText(bCString const & a_strText)
{
    SetAnsiText(a_strText.GetText());
}

void bCUnicodeString::SetAnsiText(bCString const & a_strText, int a_iCount)
{
    SetAnsiText(a_strText.GetText(), a_iCount);
}

bCString bCUnicodeString::GetAnsiText() const
{
    bCString strText;
    if (!IsEmpty())
        strText.SetUnicodeText(*this);
    return strText;
}

bCString bCUnicodeString::GetAsHexCodedString() const
{
    static constexpr char kDigits[] = "0123456789abcdef";
    int iLength = GetLength();
    if (iLength == 0)
        return bCString();
    std::string strHex(static_cast<size_t>(iLength) * 4, '0');
    for (int i = 0; i < iLength; ++i)
    {
        // Memory order of a little-endian unit: low byte first.
        unsigned uUnit = m_pcText[i];
        char * pcOut = &strHex[static_cast<size_t>(i) * 4];
        pcOut[0] = kDigits[(uUnit >> 4) & 0xF];
        pcOut[1] = kDigits[uUnit & 0xF];
        pcOut[2] = kDigits[(uUnit >> 12) & 0xF];
        pcOut[3] = kDigits[(uUnit >> 8) & 0xF];
    }
    return bCString(strHex.data(), static_cast<int>(strHex.size()));
}

bool bCUnicodeString::IsAnsiText() const
{
    for (int i = 0; i < GetLength(); ++i)
        if (m_pcText[i] > 0xFF)
            return false;
    return true;
}

bool bCUnicodeString::SetFromHexCodedString(bCString const & a_strHex)
{
    int iDigits = a_strHex.GetLength();
    if (iDigits == 0)
    {
        Empty();
        return true;
    }
    if (iDigits % 4 != 0)
        return false;
    char const * pcHex = a_strHex.GetText();
    std::string strBytes(static_cast<size_t>(iDigits / 2), '\0');
    for (int i = 0; i < iDigits; i += 2)
    {
        int iHigh = HexDigit(pcHex[i]);
        int iLow = HexDigit(pcHex[i + 1]);
        if (iHigh < 0 || iLow < 0)
            return false;
        strBytes[static_cast<size_t>(i / 2)] = static_cast<char>(iHigh * 16 + iLow);
    }
    Release();
    Alloc(iDigits / 4);
    std::memcpy(m_pcText, strBytes.data(), strBytes.size());
    return true;
}

// ---- modification ----------------------------------------------------------

bCUnicodeString & bCUnicodeString::operator+=(char16_t const * a_pcText)
{
    ConcatInPlace(a_pcText, UnitLength(a_pcText));
    return *this;
}

bCUnicodeString & bCUnicodeString::operator+=(bCUnicodeString const & a_strText)
{
    // Appending a string to itself reads from the buffer that ConcatInPlace keeps alive.
    ConcatInPlace(a_strText.GetText(), a_strText.GetLength());
    return *this;
}

int bCUnicodeString::Insert(int a_iIndex, char16_t a_cUnit)
{
    return Insert(a_iIndex, bCUnicodeString(a_cUnit, 1));
}

int bCUnicodeString::Insert(int a_iIndex, char16_t const * a_pcText)
{
    return Insert(a_iIndex, bCUnicodeString(a_pcText));
}

int bCUnicodeString::Insert(int a_iIndex, bCUnicodeString const & a_strText)
{
    int iLength = GetLength();
    int iInsert = a_strText.GetLength();
    if (iInsert == 0)
        return iLength;
    if (iLength == 0)
        SetText(a_strText);
    else if (a_iIndex >= iLength)
        ConcatInPlace(a_strText.GetText(), iInsert);
    else
    {
        if (a_iIndex < 1)
            a_iIndex = 0;
        bCUnicodeString strResult;
        strResult.Alloc(iLength + iInsert);
        CopyUnits(strResult.m_pcText, m_pcText, a_iIndex);
        CopyUnits(strResult.m_pcText + a_iIndex, a_strText.GetText(), iInsert);
        CopyUnits(strResult.m_pcText + a_iIndex + iInsert, m_pcText + a_iIndex, iLength - a_iIndex);
        SetText(strResult);
    }
    return GetLength();
}

int bCUnicodeString::Delete(int a_iIndex, int a_iCount)
{
    int iLength = GetLength();
    if (a_iCount <= 0 || a_iIndex < 0 || a_iIndex >= iLength)
        return iLength;
    CopyBeforeWrite();
    if (a_iIndex + a_iCount >= iLength)
        iLength = a_iIndex;
    else
    {
        CopyUnits(m_pcText + a_iIndex, m_pcText + a_iIndex + a_iCount, iLength - a_iIndex - a_iCount);
        iLength -= a_iCount;
    }
    GetData()->m_iLength = iLength;
    m_pcText[iLength] = 0;
    return iLength;
}

int bCUnicodeString::Replace(char16_t a_cOld, char16_t a_cNew)
{
    if (a_cOld == a_cNew || IsEmpty())
        return 0;
    int iCount = 0;
    for (int i = 0; i < GetLength(); ++i)
    {
        if (m_pcText[i] != a_cOld)
            continue;
        if (iCount++ == 0)
            CopyBeforeWrite();
        m_pcText[i] = a_cNew;
    }
    return iCount;
}

int bCUnicodeString::Replace(char16_t const * a_pcOld, char16_t const * a_pcNew)
{
    int iOld = UnitLength(a_pcOld);
    int iNew = UnitLength(a_pcNew);
    int iLength = GetLength();
    if (iOld == 0 || iLength == 0)
        return 0;
    // An occurrence never spans a zero unit, since the searched text holds none.
    int iCount = 0;
    for (int i = 0; i + iOld <= iLength;)
    {
        if (std::memcmp(m_pcText + i, a_pcOld, static_cast<size_t>(iOld) * sizeof(char16_t)) == 0)
        {
            ++iCount;
            i += iOld;
        }
        else
            ++i;
    }
    if (iCount == 0)
        return 0;
    // Texts taken from this string's own buffer are set aside before the buffer is rewritten.
    std::u16string strOldCopy;
    std::u16string strNewCopy;
    if (IsInsideBuffer(a_pcOld))
        a_pcOld = strOldCopy.assign(a_pcOld, static_cast<size_t>(iOld)).c_str();
    if (IsInsideBuffer(a_pcNew))
        a_pcNew = strNewCopy.assign(a_pcNew, static_cast<size_t>(iNew)).c_str();
    int iNewLength = iLength + (iNew - iOld) * iCount;
    // A growing text moves into a fresh buffer; the source keeps the old units readable meanwhile.
    // A text that does not grow is rewritten in its private buffer, left to right: writing never
    // overtakes reading, and the capacity stays.
    bCUnicodeString strSource;
    if (iNewLength > iLength)
    {
        strSource = *this;
        Release();
        Alloc(iNewLength);
    }
    else
        CopyBeforeWrite();
    char16_t const * pcRead = strSource.m_pcText ? strSource.m_pcText : m_pcText;
    char16_t * pcWrite = m_pcText;
    for (int i = 0; i < iLength;)
    {
        if (i + iOld <= iLength && std::memcmp(pcRead + i, a_pcOld, static_cast<size_t>(iOld) * sizeof(char16_t)) == 0)
        {
            CopyUnits(pcWrite, a_pcNew, iNew);
            pcWrite += iNew;
            i += iOld;
        }
        else
            *pcWrite++ = pcRead[i++];
    }
    if (m_pcText)
    {
        GetData()->m_iLength = iNewLength;
        m_pcText[iNewLength] = 0;
    }
    return iCount;
}

int bCUnicodeString::Remove(char16_t a_cUnit)
{
    int iLength = GetLength();
    int iCount = 0;
    for (int i = 0; i < iLength; ++i)
        if (m_pcText[i] == a_cUnit)
            ++iCount;
    if (iCount == 0)
        return 0;
    CopyBeforeWrite();
    int iWrite = 0;
    for (int i = 0; i < iLength; ++i)
        if (m_pcText[i] != a_cUnit)
            m_pcText[iWrite++] = m_pcText[i];
    GetData()->m_iLength = iWrite;
    m_pcText[iWrite] = 0;
    return iCount;
}

int bCUnicodeString::Remove(char16_t const * a_pcText)
{
    return Replace(a_pcText, u"");
}

int bCUnicodeString::Remove(bCUnicodeString const & a_strText)
{
    bCUnicodeString strText(a_strText); // the text may be this string's own
    return Replace(strText.GetText(), u"");
}

void bCUnicodeString::Trim(bool a_bLeft, bool a_bRight, bool (*a_pfnMatch)(char16_t, void const *),
                           void const * a_pContext)
{
    int iLength = GetLength();
    int iEnd = iLength;
    if (a_bRight)
        while (iEnd > 0 && a_pfnMatch(m_pcText[iEnd - 1], a_pContext))
            --iEnd;
    int iBegin = 0;
    if (a_bLeft)
        while (iBegin < iEnd && a_pfnMatch(m_pcText[iBegin], a_pContext))
            ++iBegin;
    if (iBegin == 0 && iEnd == iLength)
        return;
    CopyBeforeWrite();
    CopyUnits(m_pcText, m_pcText + iBegin, iEnd - iBegin);
    GetData()->m_iLength = iEnd - iBegin;
    m_pcText[iEnd - iBegin] = 0;
}

void bCUnicodeString::TrimLeft()
{
    Trim(true, false, MatchesSpace, nullptr);
}
void bCUnicodeString::TrimRight()
{
    Trim(false, true, MatchesSpace, nullptr);
}
void bCUnicodeString::Trim()
{
    Trim(true, true, MatchesSpace, nullptr);
}
void bCUnicodeString::TrimLeft(char16_t a_cUnit)
{
    Trim(true, false, MatchesUnit, &a_cUnit);
}
void bCUnicodeString::TrimRight(char16_t a_cUnit)
{
    Trim(false, true, MatchesUnit, &a_cUnit);
}
void bCUnicodeString::Trim(char16_t a_cUnit)
{
    Trim(true, true, MatchesUnit, &a_cUnit);
}
void bCUnicodeString::TrimLeft(char16_t const * a_pcSet)
{
    Trim(true, false, MatchesSet, a_pcSet);
}
void bCUnicodeString::TrimRight(char16_t const * a_pcSet)
{
    Trim(false, true, MatchesSet, a_pcSet);
}
void bCUnicodeString::Trim(char16_t const * a_pcSet)
{
    Trim(true, true, MatchesSet, a_pcSet);
}
void bCUnicodeString::Trim(bool a_bLeft, bool a_bRight)
{
    Trim(a_bLeft, a_bRight, MatchesSpace, nullptr);
}

void bCUnicodeString::ToUpper()
{
    if (!m_pcText)
        return;
    CopyBeforeWrite();
    for (int i = 0; i < GetLength(); ++i)
        m_pcText[i] = UpperCase(m_pcText[i]);
}

void bCUnicodeString::ToLower()
{
    if (!m_pcText)
        return;
    CopyBeforeWrite();
    for (int i = 0; i < GetLength(); ++i)
        m_pcText[i] = FoldCase(m_pcText[i]);
}

bCUnicodeString & bCUnicodeString::MakeUpper()
{
    ToUpper();
    return *this;
}

bCUnicodeString & bCUnicodeString::MakeLower()
{
    ToLower();
    return *this;
}

bCUnicodeString & bCUnicodeString::MakeReverse()
{
    if (!m_pcText)
        return *this;
    CopyBeforeWrite();
    for (int i = 0, j = GetLength() - 1; i < j; ++i, --j)
    {
        char16_t cUnit = m_pcText[i];
        m_pcText[i] = m_pcText[j];
        m_pcText[j] = cUnit;
    }
    return *this;
}

void bCUnicodeString::Clear()
{
    if (GetLength() > 0)
        Release();
}

// ---- formatting ------------------------------------------------------------

bool bCUnicodeString::Format(char16_t const * a_pcFormat, ...)
{
    va_list Args;
    va_start(Args, a_pcFormat);
    FormatV(a_pcFormat, Args);
    va_end(Args);
    return true;
}

bool bCUnicodeString::FormatV(char16_t const * a_pcFormat, va_list a_Args)
{
    if (!a_pcFormat)
    {
        if (GetRefCount() < 0)
            Empty();
        else
            Clear();
        return true;
    }
    // Formatted aside first, so that arguments pointing into this string stay valid.
    char16_t arrText[kFormatCapacity];
    int iLength = OEFormatUnicode(arrText, kFormatCapacity, a_pcFormat, a_Args);
    GetBuffer(kFormatCapacity);
    CopyUnits(m_pcText, arrText, iLength + 1);
    GetData()->m_iLength = UnitLength(m_pcText);
    return true;
}

bCUnicodeString bCUnicodeString::GetFormattedString(char16_t const * a_pcFormat, ...)
{
    if (!a_pcFormat)
        return bCUnicodeString();
    char16_t arrText[kFormattedStringCapacity];
    va_list Args;
    va_start(Args, a_pcFormat);
    OEFormatUnicode(arrText, kFormattedStringCapacity, a_pcFormat, Args);
    va_end(Args);
    return bCUnicodeString(arrText);
}

// ---- buffer access ---------------------------------------------------------

char16_t * bCUnicodeString::GetBuffer(int a_iMinLength)
{
    if (!m_pcText)
    {
        Alloc(a_iMinLength);
        return m_pcText;
    }
    bSUnicodeStringData * pOld = GetData();
    if (pOld->m_iRefCount <= 1 && pOld->m_iAllocLength >= a_iMinLength)
        return m_pcText;
    int iLength = pOld->m_iLength;
    m_pcText = nullptr;
    Alloc(a_iMinLength > iLength ? a_iMinLength : iLength);
    if (m_pcText)
    {
        CopyUnits(m_pcText, pOld->GetText(), iLength + 1);
        GetData()->m_iLength = iLength;
    }
    Release(pOld);
    return m_pcText;
}

char16_t * bCUnicodeString::GetBufferSetLength(int a_iLength)
{
    char16_t * pcText = GetBuffer(a_iLength);
    if (pcText)
    {
        GetData()->m_iLength = a_iLength;
        pcText[a_iLength] = 0;
    }
    return pcText;
}

void bCUnicodeString::ReleaseBuffer(int a_iLength)
{
    if (!m_pcText)
        return;
    CopyBeforeWrite();
    if (a_iLength == -1)
        a_iLength = UnitLength(m_pcText);
    GetData()->m_iLength = a_iLength;
    m_pcText[a_iLength] = 0;
}

void bCUnicodeString::FreeExtra()
{
    if (!m_pcText || GetData()->m_iLength == GetData()->m_iAllocLength)
        return;
    bSUnicodeStringData * pOld = GetData();
    m_pcText = nullptr;
    Alloc(pOld->m_iLength);
    CopyUnits(m_pcText, pOld->GetText(), pOld->m_iLength);
    Release(pOld);
}

char16_t * bCUnicodeString::LockBuffer()
{
    if (!m_pcText)
        return nullptr;
    GetBuffer(0);
    GetData()->m_iRefCount = -1;
    return m_pcText;
}

void bCUnicodeString::UnlockBuffer()
{
    if (m_pcText)
        GetData()->m_iRefCount = 1;
}
