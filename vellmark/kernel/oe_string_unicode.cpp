#include <vellmark/kernel/oe_string.h>
#include <vellmark/kernel/oe_unicodestring.h>

// The members of bCString that meet the 16-bit string.

namespace
{
    // Units beyond one byte have no form in the default locale's 8-bit text.
    char NarrowUnit(char16_t a_cUnit)
    {
        return a_cUnit < 256 ? static_cast<char>(a_cUnit) : '?';
    }

    int BoundedUnitLength(char16_t const * a_pcText, int a_iMax)
    {
        int iLength = 0;
        while (a_pcText && iLength < a_iMax && a_pcText[iLength])
            ++iLength;
        return iLength;
    }
} // namespace

bCString::bCString(bCUnicodeString const & a_strText) : m_pcText(nullptr)
{
    SetUnicodeText(a_strText);
}

bCUnicodeString bCString::GetUnicodeText() const
{
    bCUnicodeString strText;
    if (!IsEmpty())
        strText.SetAnsiText(*this);
    return strText;
}

void bCString::SetUnicodeText(char16_t const * a_pcText)
{
    SetUnicodeText(a_pcText, 0x7FFFFFFF);
}

void bCString::SetUnicodeText(char16_t const * a_pcText, int a_iCount)
{
    int iLength = BoundedUnitLength(a_pcText, a_iCount);
    if (iLength == 0)
        SetEmpty();
    else
        CopyUnicode(a_pcText, iLength);
}

void bCString::SetUnicodeText(bCUnicodeString const & a_strText)
{
    SetUnicodeText(a_strText.GetText());
}

void bCString::SetUnicodeText(bCUnicodeString const & a_strText, int a_iCount)
{
    SetUnicodeText(a_strText.GetText(), a_iCount);
}

void bCString::CopyUnicode(char16_t const * a_pcText, int a_iCount)
{
    Realloc(a_iCount);
    for (int i = 0; i < a_iCount; ++i)
        m_pcText[i] = NarrowUnit(a_pcText[i]);
}
