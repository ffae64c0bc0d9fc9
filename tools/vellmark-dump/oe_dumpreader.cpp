#include "oe_dumpreader.h"

#include <cstdio>
#include <cstring>

namespace
{
    constexpr char kMagic[] = "VLMKDUMP";
    constexpr uint32_t kKnownVersion = 1;

    // A bounded little-endian reader over one range of the dump.
    class bCDumpCursor
    {
    public:
        bCDumpCursor(unsigned char const * a_pBytes, std::size_t a_uSize) : m_pBytes(a_pBytes), m_uSize(a_uSize) {}

        template <typename T> bool Get(T & a_Value)
        {
            if (Left() < sizeof(T))
                return false;
            a_Value = 0;
            for (std::size_t i = 0; i < sizeof(T); ++i)
                a_Value |= static_cast<T>(static_cast<T>(m_pBytes[m_uAt + i]) << (8 * i));
            m_uAt += sizeof(T);
            return true;
        }
        bool GetText(std::string & a_strText, std::size_t a_uLength)
        {
            if (Left() < a_uLength)
                return false;
            a_strText.assign(reinterpret_cast<char const *>(m_pBytes + m_uAt), a_uLength);
            m_uAt += a_uLength;
            return true;
        }
        std::size_t Left() const { return m_uSize - m_uAt; }
        std::size_t GetPosition() const { return m_uAt; }

    private:
        unsigned char const * m_pBytes;
        std::size_t m_uSize;
        std::size_t m_uAt = 0;
    };

    bool Damaged(bSDump & a_Dump, char const * a_pcFormat, unsigned long long a_uFirst, unsigned long long a_uSecond = 0)
    {
        char carrText[200];
        std::snprintf(carrText, sizeof(carrText), a_pcFormat, a_uFirst, a_uSecond);
        a_Dump.m_strDamage = carrText;
        return false;
    }

    // Each section reader checks every count against the bytes of its section
    // before it reserves anything.
    bool ReadException(bCDumpCursor & a_Cursor, bSDump & a_Dump)
    {
        uint32_t uCount = 0;
        if (!a_Cursor.Get(a_Dump.m_uCode) || !a_Cursor.Get(a_Dump.m_uFlags) || !a_Cursor.Get(a_Dump.m_uAddress) ||
            !a_Cursor.Get(uCount) || uCount > a_Cursor.Left() / 8)
            return false;
        a_Dump.m_arrParameters.resize(uCount);
        for (uint64_t & uParameter : a_Dump.m_arrParameters)
            a_Cursor.Get(uParameter);
        return a_Dump.m_bHasException = true;
    }

    bool ReadRegisters(bCDumpCursor & a_Cursor, bSDump & a_Dump)
    {
        for (uint64_t & uRegister : a_Dump.m_arrRegisters)
            if (!a_Cursor.Get(uRegister))
                return false;
        for (uint16_t & uSegment : a_Dump.m_arrSegments)
            if (!a_Cursor.Get(uSegment))
                return false;
        return a_Dump.m_bHasRegisters = true;
    }

    bool ReadCallStack(bCDumpCursor & a_Cursor, bSDump & a_Dump)
    {
        uint32_t uCount = 0;
        if (!a_Cursor.Get(uCount) || uCount > a_Cursor.Left() / 8)
            return false;
        a_Dump.m_arrFrames.resize(uCount);
        for (uint64_t & uFrame : a_Dump.m_arrFrames)
            a_Cursor.Get(uFrame);
        return true;
    }

    bool ReadModules(bCDumpCursor & a_Cursor, bSDump & a_Dump)
    {
        uint32_t uCount = 0;
        if (!a_Cursor.Get(uCount) || uCount > a_Cursor.Left() / 18) // the smallest record is 18 bytes
            return false;
        for (uint32_t i = 0; i < uCount; ++i)
        {
            bSDumpModule Module;
            uint16_t uLength = 0;
            if (!a_Cursor.Get(Module.m_uBase) || !a_Cursor.Get(Module.m_uSize) || !a_Cursor.Get(uLength) ||
                !a_Cursor.GetText(Module.m_strPath, uLength))
                return false;
            a_Dump.m_arrModules.push_back(Module);
        }
        return true;
    }

    bool ReadStackMemory(bCDumpCursor & a_Cursor, bSDump & a_Dump)
    {
        if (!a_Cursor.Get(a_Dump.m_uStackStart))
            return false;
        a_Dump.m_uStackBytes = a_Cursor.Left();
        return true;
    }

    bool ReadProcess(bCDumpCursor & a_Cursor, bSDump & a_Dump)
    {
        return a_Dump.m_bHasProcess = a_Cursor.Get(a_Dump.m_uProcessID) && a_Cursor.Get(a_Dump.m_uThreadID);
    }

    bool ReadSection(uint32_t a_uTag, bCDumpCursor & a_Cursor, bSDump & a_Dump)
    {
        switch (a_uTag)
        {
        case 1: return ReadException(a_Cursor, a_Dump);
        case 2: return ReadRegisters(a_Cursor, a_Dump);
        case 3: return ReadCallStack(a_Cursor, a_Dump);
        case 4: return ReadModules(a_Cursor, a_Dump);
        case 5: return ReadStackMemory(a_Cursor, a_Dump);
        case 6: return ReadProcess(a_Cursor, a_Dump);
        default: a_Dump.m_arrSkippedTags.push_back(a_uTag); return true;
        }
    }
} // namespace

bool OEReadDump(unsigned char const * a_pBytes, std::size_t a_uSize, bSDump & a_Dump)
{
    a_Dump = bSDump();
    if (!a_pBytes || a_uSize < 8 || std::memcmp(a_pBytes, kMagic, 8) != 0)
        return Damaged(a_Dump, "not a crash dump: the file does not start with \"VLMKDUMP\"", 0);
    bCDumpCursor Cursor(a_pBytes + 8, a_uSize - 8);
    if (!Cursor.Get(a_Dump.m_uVersion) || !Cursor.Get(a_Dump.m_uSectionCount))
        return Damaged(a_Dump, "truncated header: %llu bytes", a_uSize);
    if (a_Dump.m_uVersion != kKnownVersion)
        return Damaged(a_Dump, "unknown dump version %llu (this reader knows version %llu)", a_Dump.m_uVersion,
                       kKnownVersion);
    for (uint32_t i = 0; i < a_Dump.m_uSectionCount; ++i)
    {
        std::size_t const uOffset = 8 + Cursor.GetPosition();
        uint32_t uTag = 0, uSize = 0;
        if (!Cursor.Get(uTag) || !Cursor.Get(uSize))
            return Damaged(a_Dump, "section header at offset %llu is cut off (section %llu)", uOffset, i + 1ull);
        if (uSize > Cursor.Left())
            return Damaged(a_Dump, "section at offset %llu claims %llu bytes, more than the file holds", uOffset, uSize);
        bCDumpCursor Section(a_pBytes + 8 + Cursor.GetPosition(), uSize);
        if (!ReadSection(uTag, Section, a_Dump))
            return Damaged(a_Dump, "section of tag %llu at offset %llu is damaged", uTag, uOffset);
        std::string strSkip;
        Cursor.GetText(strSkip, uSize);
    }
    return true;
}
