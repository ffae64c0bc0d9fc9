#include <vellmark/kernel/oe_unicodestring.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

// The 16-bit formatter. Text conversions are handled here because their unit
// width depends on the conversion letter; numbers are handed to the 8-bit
// formatter with the same flags, width and precision so that they read exactly
// as in bCString.

namespace
{
    // Width and precision beyond any result limit only pad into the truncation.
    constexpr int kMaxFieldWidth = 16384;

    class bCUnitWriter
    {
    public:
        bCUnitWriter(char16_t * a_pcDest, int a_iCapacity) : m_pcDest(a_pcDest), m_iCapacity(a_iCapacity) {}
        void Put(char16_t a_cUnit)
        {
            if (m_iCount < m_iCapacity)
                m_pcDest[m_iCount] = a_cUnit;
            if (m_iCount < m_iCapacity)
                ++m_iCount;
        }
        void Pad(int a_iCount)
        {
            for (int i = 0; i < a_iCount && m_iCount < m_iCapacity; ++i)
                Put(u' ');
        }
        int Finish()
        {
            m_pcDest[m_iCount] = 0;
            return m_iCount;
        }

    private:
        char16_t * m_pcDest;
        int m_iCapacity;
        int m_iCount = 0;
    };

    enum bETextWidth
    {
        bETextWidth_Default,
        bETextWidth_Narrow, // h
        bETextWidth_Wide,   // l, w
    };

    struct bSConversion
    {
        std::string m_strFlags;
        int m_iWidth = -1;
        int m_iPrecision = -1;
        std::string m_strLength; // as the 8-bit formatter spells it
        bETextWidth m_eTextWidth = bETextWidth_Default;
        char m_cLetter = 0;
        bool m_bLeft = false;
    };

    int ClampField(long long a_iValue)
    {
        return a_iValue > kMaxFieldWidth ? kMaxFieldWidth : static_cast<int>(a_iValue);
    }

    int ReadNumber(char16_t const *& a_rpcFormat)
    {
        long long iValue = 0;
        while (*a_rpcFormat >= u'0' && *a_rpcFormat <= u'9')
        {
            if (iValue <= kMaxFieldWidth)
                iValue = iValue * 10 + (*a_rpcFormat - u'0');
            ++a_rpcFormat;
        }
        return ClampField(iValue);
    }

    void ReadFlags(char16_t const *& a_rpcFormat, bSConversion & a_Conv)
    {
        for (;; ++a_rpcFormat)
        {
            char16_t cUnit = *a_rpcFormat;
            if (cUnit != u'-' && cUnit != u'+' && cUnit != u' ' && cUnit != u'#' && cUnit != u'0')
                return;
            a_Conv.m_strFlags += static_cast<char>(cUnit);
            if (cUnit == u'-')
                a_Conv.m_bLeft = true;
        }
    }

    void ReadWidthAndPrecision(char16_t const *& a_rpcFormat, bSConversion & a_Conv, va_list * a_pArgs)
    {
        if (*a_rpcFormat == u'*')
        {
            ++a_rpcFormat;
            int iWidth = va_arg(*a_pArgs, int);
            if (iWidth < 0)
            {
                a_Conv.m_bLeft = true;
                a_Conv.m_strFlags += '-';
                iWidth = iWidth == INT32_MIN ? kMaxFieldWidth : -iWidth;
            }
            a_Conv.m_iWidth = ClampField(iWidth);
        }
        else if (*a_rpcFormat >= u'1' && *a_rpcFormat <= u'9')
            a_Conv.m_iWidth = ReadNumber(a_rpcFormat);
        if (*a_rpcFormat != u'.')
            return;
        ++a_rpcFormat;
        if (*a_rpcFormat == u'*')
        {
            ++a_rpcFormat;
            int iPrecision = va_arg(*a_pArgs, int);
            a_Conv.m_iPrecision = iPrecision < 0 ? -1 : ClampField(iPrecision);
        }
        else
            a_Conv.m_iPrecision = ReadNumber(a_rpcFormat);
    }

    bool Starts(char16_t const * a_pcText, char const * a_pcPrefix)
    {
        for (; *a_pcPrefix; ++a_pcPrefix, ++a_pcText)
            if (*a_pcText != static_cast<char16_t>(*a_pcPrefix))
                return false;
        return true;
    }

    void ReadLength(char16_t const *& a_rpcFormat, bSConversion & a_Conv)
    {
        static constexpr struct
        {
            char const * m_pcSpelling;
            char const * m_pcLength;
            bETextWidth m_eTextWidth;
        } kLengths[] = {
            {"I64", "ll", bETextWidth_Default}, {"I32", "", bETextWidth_Default}, {"hh", "hh", bETextWidth_Narrow},
            {"ll", "ll", bETextWidth_Wide},     {"h", "h", bETextWidth_Narrow},   {"l", "l", bETextWidth_Wide},
            {"w", "", bETextWidth_Wide},        {"L", "L", bETextWidth_Default},  {"q", "ll", bETextWidth_Default},
            {"j", "j", bETextWidth_Default},    {"z", "z", bETextWidth_Default},  {"t", "t", bETextWidth_Default},
            {"I", "z", bETextWidth_Default},
        };
        for (auto const & Length : kLengths)
        {
            if (!Starts(a_rpcFormat, Length.m_pcSpelling))
                continue;
            a_rpcFormat += std::char_traits<char>::length(Length.m_pcSpelling);
            a_Conv.m_strLength = Length.m_pcLength;
            a_Conv.m_eTextWidth = Length.m_eTextWidth;
            return;
        }
    }

    std::string BuildNarrowSpec(bSConversion const & a_Conv)
    {
        std::string strSpec(1, '%');
        strSpec.append(a_Conv.m_strFlags);
        if (a_Conv.m_iWidth >= 0)
            strSpec.append(std::to_string(a_Conv.m_iWidth));
        if (a_Conv.m_iPrecision >= 0)
        {
            strSpec.push_back('.');
            strSpec.append(std::to_string(a_Conv.m_iPrecision));
        }
        strSpec.append(a_Conv.m_strLength);
        strSpec.push_back(a_Conv.m_cLetter);
        return strSpec;
    }

    template <typename T> void PutNumber(bCUnitWriter & a_Writer, bSConversion const & a_Conv, T a_Value)
    {
        std::string strSpec = BuildNarrowSpec(a_Conv);
        char arrSmall[128];
        int iNeeded = std::snprintf(arrSmall, sizeof(arrSmall), strSpec.c_str(), a_Value);
        if (iNeeded < 0)
            return;
        std::string strLarge;
        char const * pcText = arrSmall;
        if (iNeeded >= static_cast<int>(sizeof(arrSmall)))
        {
            strLarge.resize(static_cast<std::size_t>(iNeeded) + 1);
            std::snprintf(strLarge.data(), strLarge.size(), strSpec.c_str(), a_Value);
            pcText = strLarge.c_str();
        }
        for (int i = 0; i < iNeeded; ++i)
            a_Writer.Put(static_cast<unsigned char>(pcText[i]));
    }

    void PutSigned(bCUnitWriter & a_Writer, bSConversion const & a_Conv, va_list * a_pArgs)
    {
        std::string const & strLength = a_Conv.m_strLength;
        if (strLength == "ll")
            PutNumber(a_Writer, a_Conv, va_arg(*a_pArgs, long long));
        else if (strLength == "l")
            PutNumber(a_Writer, a_Conv, va_arg(*a_pArgs, long));
        else if (strLength == "j")
            PutNumber(a_Writer, a_Conv, va_arg(*a_pArgs, intmax_t));
        else if (strLength == "z" || strLength == "t")
            PutNumber(a_Writer, a_Conv, va_arg(*a_pArgs, ptrdiff_t));
        else
            PutNumber(a_Writer, a_Conv, va_arg(*a_pArgs, int));
    }

    void PutUnsigned(bCUnitWriter & a_Writer, bSConversion const & a_Conv, va_list * a_pArgs)
    {
        std::string const & strLength = a_Conv.m_strLength;
        if (strLength == "ll")
            PutNumber(a_Writer, a_Conv, va_arg(*a_pArgs, unsigned long long));
        else if (strLength == "l")
            PutNumber(a_Writer, a_Conv, va_arg(*a_pArgs, unsigned long));
        else if (strLength == "j")
            PutNumber(a_Writer, a_Conv, va_arg(*a_pArgs, uintmax_t));
        else if (strLength == "z" || strLength == "t")
            PutNumber(a_Writer, a_Conv, va_arg(*a_pArgs, size_t));
        else
            PutNumber(a_Writer, a_Conv, va_arg(*a_pArgs, unsigned int));
    }

    void PutFloat(bCUnitWriter & a_Writer, bSConversion const & a_Conv, va_list * a_pArgs)
    {
        if (a_Conv.m_strLength == "L")
            PutNumber(a_Writer, a_Conv, va_arg(*a_pArgs, long double));
        else
        {
            bSConversion Conv = a_Conv;
            Conv.m_strLength.clear(); // "%lf" is a double as well
            PutNumber(a_Writer, Conv, va_arg(*a_pArgs, double));
        }
    }

    // Units of a text argument of either width, up to the precision.
    template <typename TUnit> void PutText(bCUnitWriter & a_Writer, bSConversion const & a_Conv, TUnit const * a_pText)
    {
        static constexpr char16_t kNull[] = u"(null)";
        int iCount = 0;
        int iLimit = a_Conv.m_iPrecision >= 0 ? a_Conv.m_iPrecision : INT32_MAX;
        if (!a_pText)
        {
            for (; kNull[iCount] && iCount < iLimit; ++iCount)
                ;
        }
        else
            for (; a_pText[iCount] && iCount < iLimit; ++iCount)
                ;
        int iPad = a_Conv.m_iWidth > iCount ? a_Conv.m_iWidth - iCount : 0;
        if (!a_Conv.m_bLeft)
            a_Writer.Pad(iPad);
        for (int i = 0; i < iCount; ++i)
            a_Writer.Put(a_pText ? static_cast<char16_t>(static_cast<std::make_unsigned_t<TUnit>>(a_pText[i]))
                                 : kNull[i]);
        if (a_Conv.m_bLeft)
            a_Writer.Pad(iPad);
    }

    bool IsNarrowText(bSConversion const & a_Conv, bool a_bUpperLetter)
    {
        if (a_Conv.m_eTextWidth == bETextWidth_Narrow)
            return true;
        if (a_Conv.m_eTextWidth == bETextWidth_Wide)
            return false;
        return a_bUpperLetter;
    }

    void PutTextConversion(bCUnitWriter & a_Writer, bSConversion const & a_Conv, va_list * a_pArgs)
    {
        char cLetter = a_Conv.m_cLetter;
        bool bNarrow = IsNarrowText(a_Conv, cLetter == 'S' || cLetter == 'C');
        if (cLetter == 'c' || cLetter == 'C')
        {
            int iUnit = va_arg(*a_pArgs, int);
            char16_t arrUnit[2] = {
                bNarrow ? static_cast<char16_t>(static_cast<unsigned char>(iUnit)) : static_cast<char16_t>(iUnit), 0};
            bSConversion Conv = a_Conv;
            Conv.m_iPrecision = 1;
            // A zero unit still occupies its place, as in the 8-bit formatter.
            if (arrUnit[0] == 0)
            {
                int iPad = Conv.m_iWidth > 1 ? Conv.m_iWidth - 1 : 0;
                if (!Conv.m_bLeft)
                    a_Writer.Pad(iPad);
                a_Writer.Put(0);
                if (Conv.m_bLeft)
                    a_Writer.Pad(iPad);
                return;
            }
            PutText(a_Writer, Conv, arrUnit);
        }
        else if (bNarrow)
            PutText(a_Writer, a_Conv, va_arg(*a_pArgs, char const *));
        else
            PutText(a_Writer, a_Conv, va_arg(*a_pArgs, char16_t const *));
    }

    // Returns false when the conversion letter is not one the formatter knows.
    bool PutConversion(bCUnitWriter & a_Writer, bSConversion const & a_Conv, va_list * a_pArgs)
    {
        switch (a_Conv.m_cLetter)
        {
        case 'd':
        case 'i': PutSigned(a_Writer, a_Conv, a_pArgs); return true;
        case 'u':
        case 'o':
        case 'x':
        case 'X': PutUnsigned(a_Writer, a_Conv, a_pArgs); return true;
        case 'e':
        case 'E':
        case 'f':
        case 'F':
        case 'g':
        case 'G':
        case 'a':
        case 'A': PutFloat(a_Writer, a_Conv, a_pArgs); return true;
        case 'p': {
            bSConversion Conv = a_Conv;
            Conv.m_strLength.clear();
            PutNumber(a_Writer, Conv, va_arg(*a_pArgs, void *));
            return true;
        }
        case 'n': va_arg(*a_pArgs, void *); return true; // never written: a classic attack vector
        case 'c':
        case 'C':
        case 's':
        case 'S': PutTextConversion(a_Writer, a_Conv, a_pArgs); return true;
        default: return false;
        }
    }
} // namespace

int OEFormatUnicode(char16_t * a_pcDest, int a_iMax, char16_t const * a_pcFormat, va_list a_Args)
{
    if (!a_pcDest || a_iMax <= 0)
        return 0;
    bCUnitWriter Writer(a_pcDest, a_iMax - 1);
    if (!a_pcFormat)
        return Writer.Finish();
    va_list Args;
    va_copy(Args, a_Args);
    char16_t const * pcFormat = a_pcFormat;
    while (*pcFormat)
    {
        if (*pcFormat != u'%')
        {
            Writer.Put(*pcFormat++);
            continue;
        }
        char16_t const * pcSpecStart = pcFormat++;
        if (*pcFormat == u'%')
        {
            Writer.Put(u'%');
            ++pcFormat;
            continue;
        }
        bSConversion Conv;
        ReadFlags(pcFormat, Conv);
        ReadWidthAndPrecision(pcFormat, Conv, &Args);
        ReadLength(pcFormat, Conv);
        char16_t cLetter = *pcFormat;
        Conv.m_cLetter = cLetter < 128 ? static_cast<char>(cLetter) : '?';
        if (cLetter != 0 && PutConversion(Writer, Conv, &Args))
        {
            ++pcFormat;
            continue;
        }
        // An unknown or unfinished conversion is copied as it stands.
        for (; pcSpecStart != pcFormat; ++pcSpecStart)
            Writer.Put(*pcSpecStart);
    }
    va_end(Args);
    return Writer.Finish();
}
