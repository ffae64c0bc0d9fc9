#ifndef OE_COMMANDLINE_H_INCLUDED
#define OE_COMMANDLINE_H_INCLUDED

// bCCommandLine: a program's command line as named options and positional
// arguments.
//
// Parsing rules:
// - Words are separated by blanks and tabs. A word starting with '/' or '-' is
//   an option: its name runs to a blank, tab, ':' or '='; after ':' or '=' its
//   value runs to a blank or tab. An option without a value holds "true".
//   Names are case-sensitive; a repeated name is refused (its text stays
//   consumed) and the first value kept.
// - Every other word is an argument. A value or argument starting with '"'
//   runs to the next '"'; an unterminated or empty quoted text is an error.
// - Create stops at the first text that is neither option nor argument, warns
//   and returns false; what was found before stays stored.
//
// Stream form: the options map (unsigned 8-bit version 1, unsigned 32-bit
// count, name and value strings in the map's order), then the arguments
// (unsigned 8-bit version 1, unsigned 32-bit count, each string).

#include <vellmark/containers/oe_array.h>
#include <vellmark/containers/oe_map.h>
#include <vellmark/kernel/oe_stream.h>
#include <vellmark/kernel/oe_string.h>

class OE_API bCCommandLine
{
public:
    bCCommandLine();
    bCCommandLine(bCString const & a_strLine);
    bCCommandLine(bCCommandLine const & a_Source);
    ~bCCommandLine();
    bCCommandLine & operator=(bCCommandLine const & a_Source);

public:
    bool Create(bCString const & a_strLine); // false when a text is neither option nor argument
    void Invalidate();                       // clears both containers, as Destroy does
    void Destroy();
    void CopyFrom(bCCommandLine const & a_Source);
    void CopyTo(bCCommandLine & a_Dest) const { a_Dest.CopyFrom(*this); }

    bTStringObjMap<bCString> const & GetOptions() const { return m_mapOptions; }
    bTObjArray<bCString> const & GetArguments() const { return m_arrArguments; }
    void GetOptions(bTStringObjMap<bCString> & a_mapOptions) const { a_mapOptions = m_mapOptions; }
    void GetArguments(bTObjArray<bCString> & a_arrArguments) const { a_arrArguments = m_arrArguments; }

    unsigned long Write(bCOStream & a_Stream) const; // the bytes written
    bool Read(bCIStream & a_Stream);                 // true; stops where the data ends
    bCOStream & operator>>(bCOStream & a_Stream) const;
    bCIStream & operator<<(bCIStream & a_Stream);

protected:
    bTStringObjMap<bCString> & AccessOptions() { return m_mapOptions; }
    bTObjArray<bCString> & AccessArguments() { return m_arrArguments; }
    void SetOptions(bTStringObjMap<bCString> const & a_mapOptions) { m_mapOptions = a_mapOptions; }
    void SetArguments(bTObjArray<bCString> const & a_arrArguments) { m_arrArguments = a_arrArguments; }

    bool ParseOption(bCString & a_strRest);
    bool ParseArgument(bCString & a_strRest);
    bool InsertOption(bCString const & a_strName); // stores "true"; false for a name already present
    bool InsertOption(bCString const & a_strName, bCString const & a_strValue);
    int InsertArgument(bCString const & a_strArgument); // the new index

    // These consume characters from the front of the rest.
    static int SkipWordDelimiters(bCString & a_strRest); // how many were removed
    static bool SkipOptionDelimiter(bCString & a_strRest);
    static bool SkipValueDelimiter(bCString & a_strRest);
    static bool SkipValue(bCString & a_strRest, bCString & a_strValue, char const * a_pcDelimiters);
    static bool SkipValue(bCString & a_strRest, bCString & a_strValue); // up to a blank or tab
    static bool SkipOption(bCString & a_strRest, bCString & a_strName, bCString & a_strValue);

private:
    bTStringObjMap<bCString> m_mapOptions;
    bTObjArray<bCString> m_arrArguments;
};

OE_API bCOStream & operator<<(bCOStream & a_Stream, bCCommandLine const & a_CommandLine);
OE_API bCIStream & operator>>(bCIStream & a_Stream, bCCommandLine & a_CommandLine);

#endif
