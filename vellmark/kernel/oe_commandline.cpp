#include <vellmark/kernel/oe_commandline.h>

#include <vellmark/kernel/oe_message.h>

#include <cstring>

namespace
{
    char const * const kWordDelimiters = " \t";
    char const * const kNameDelimiters = " \t:=";

    bool StartsWithOneOf(bCString const & a_strText, char const * a_pcSet)
    {
        return !a_strText.IsEmpty() && a_strText[0] != 0 && std::strchr(a_pcSet, a_strText[0]) != nullptr;
    }

    void Consume(bCString & a_strRest, int a_iCount)
    {
        a_strRest = a_strRest.Mid(a_iCount);
    }
} // namespace

bCCommandLine::bCCommandLine() = default;

bCCommandLine::bCCommandLine(bCString const & a_strLine)
{
    Create(a_strLine);
}

bCCommandLine::bCCommandLine(bCCommandLine const & a_Source)
{
    CopyFrom(a_Source);
}

bCCommandLine::~bCCommandLine()
{
    Destroy();
}

bCCommandLine & bCCommandLine::operator=(bCCommandLine const & a_Source)
{
    CopyFrom(a_Source);
    return *this;
}

void bCCommandLine::CopyFrom(bCCommandLine const & a_Source)
{
    if (this == &a_Source)
        return;
    m_mapOptions = a_Source.m_mapOptions;
    m_arrArguments = a_Source.m_arrArguments;
}

void bCCommandLine::Destroy()
{
    Invalidate();
}

void bCCommandLine::Invalidate()
{
    m_mapOptions.Clear();
    m_arrArguments.Clear();
}

bool bCCommandLine::Create(bCString const & a_strLine)
{
    Destroy();
    bCString strRest(a_strLine);
    while (!strRest.IsEmpty())
    {
        SkipWordDelimiters(strRest);
        if (strRest.IsEmpty())
            break;
        if (!ParseOption(strRest) && !ParseArgument(strRest))
        {
            OE_MESSAGEF_WARN("bCCommandLine::Create -> Command line substring is "
                             "neither option nor argument: %s",
                             strRest.GetText());
            return false;
        }
    }
    return true;
}

bool bCCommandLine::ParseOption(bCString & a_strRest)
{
    if (!SkipOptionDelimiter(a_strRest))
        return false;
    bCString strName;
    bCString strValue;
    if (!SkipOption(a_strRest, strName, strValue))
        return false;
    return strValue.IsEmpty() ? InsertOption(strName) : InsertOption(strName, strValue);
}

bool bCCommandLine::ParseArgument(bCString & a_strRest)
{
    bCString strArgument;
    if (a_strRest.IsEmpty() || !SkipValue(a_strRest, strArgument))
        return false;
    InsertArgument(strArgument);
    return true;
}

bool bCCommandLine::InsertOption(bCString const & a_strName)
{
    return InsertOption(a_strName, bCString("true"));
}

bool bCCommandLine::InsertOption(bCString const & a_strName, bCString const & a_strValue)
{
    if (m_mapOptions.Contains(a_strName))
        return false;
    m_mapOptions.SetAt(a_strName, a_strValue);
    return true;
}

int bCCommandLine::InsertArgument(bCString const & a_strArgument)
{
    return m_arrArguments.Add(a_strArgument);
}

int bCCommandLine::SkipWordDelimiters(bCString & a_strRest)
{
    int iCount = 0;
    while (iCount < a_strRest.GetLength() && (a_strRest[iCount] == ' ' || a_strRest[iCount] == '\t'))
        ++iCount;
    if (iCount)
        Consume(a_strRest, iCount);
    return iCount;
}

bool bCCommandLine::SkipOptionDelimiter(bCString & a_strRest)
{
    if (!StartsWithOneOf(a_strRest, "/-"))
        return false;
    Consume(a_strRest, 1);
    return true;
}

bool bCCommandLine::SkipValueDelimiter(bCString & a_strRest)
{
    if (!StartsWithOneOf(a_strRest, ":="))
        return false;
    Consume(a_strRest, 1);
    return true;
}

bool bCCommandLine::SkipValue(bCString & a_strRest, bCString & a_strValue, char const * a_pcDelimiters)
{
    if (a_strRest.IsEmpty())
        return false;
    if (a_strRest[0] == '"')
    {
        // An unterminated or empty quoted text is no value: nothing is consumed.
        int const iClose = a_strRest.Find('"', 1, true);
        if (iClose <= 1)
            return false;
        a_strValue = a_strRest.Mid(1, iClose - 1);
        Consume(a_strRest, iClose + 1);
        return true;
    }
    int iEnd = a_strRest.FindOneOf(a_pcDelimiters);
    if (iEnd <= 0)
        iEnd = a_strRest.GetLength();
    a_strValue = a_strRest.Left(iEnd);
    Consume(a_strRest, iEnd);
    return true;
}

bool bCCommandLine::SkipValue(bCString & a_strRest, bCString & a_strValue)
{
    return SkipValue(a_strRest, a_strValue, kWordDelimiters);
}

bool bCCommandLine::SkipOption(bCString & a_strRest, bCString & a_strName, bCString & a_strValue)
{
    if (a_strRest.IsEmpty() || !SkipValue(a_strRest, a_strName, kNameDelimiters))
        return false;
    if (SkipValueDelimiter(a_strRest))
        SkipValue(a_strRest, a_strValue, kWordDelimiters);
    return true;
}

unsigned long bCCommandLine::Write(bCOStream & a_Stream) const
{
    unsigned long uWritten = m_mapOptions.Write(a_Stream);
    uWritten += a_Stream.Write(static_cast<unsigned char>(1));
    uWritten += a_Stream.Write(static_cast<unsigned long>(m_arrArguments.GetCount()));
    for (int i = 0; i < m_arrArguments.GetCount(); ++i)
        uWritten += a_Stream.Write(m_arrArguments[i]);
    return uWritten;
}

bool bCCommandLine::Read(bCIStream & a_Stream)
{
    // The counts are not trusted: elements are appended one by one until the data
    // ends.
    m_mapOptions.Clear();
    m_mapOptions.Read(a_Stream);
    m_arrArguments.Clear();
    unsigned char u8Version = 0;
    unsigned long uCount = 0;
    if (a_Stream.Read(u8Version) != 1 || a_Stream.Read(uCount) != 4)
        return true;
    for (unsigned long u = 0; u < uCount; ++u)
    {
        // An argument cut short (count or text) is not one the writer made.
        bCString strArgument;
        unsigned long const uRead = a_Stream.Read(strArgument);
        if (uRead < 2 || uRead != 2 + static_cast<unsigned long>(strArgument.GetLength()))
            break;
        m_arrArguments.Add(strArgument);
    }
    return true;
}

bCOStream & bCCommandLine::operator>>(bCOStream & a_Stream) const
{
    Write(a_Stream);
    return a_Stream;
}

bCIStream & bCCommandLine::operator<<(bCIStream & a_Stream)
{
    Read(a_Stream);
    return a_Stream;
}

bCOStream & operator<<(bCOStream & a_Stream, bCCommandLine const & a_CommandLine)
{
    return a_CommandLine >> a_Stream;
}

bCIStream & operator>>(bCIStream & a_Stream, bCCommandLine & a_CommandLine)
{
    return a_CommandLine << a_Stream;
}
