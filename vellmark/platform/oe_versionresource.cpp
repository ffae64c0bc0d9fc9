// The library's own version resource, built at compile time and kept in the
// ELF section that the version readers look for.

#include <array>
#include <cstddef>
#include <cstdint>

namespace
{
    constexpr uint32_t kMajor = 1, kMinor = 12, kBuild = 26364, kRevision = 0;
    constexpr char16_t kFileVersion[] = u"1, 12, 26364, 0";
    constexpr uint16_t kLanguage = 0x0000, kCodePage = 0x04B0; // the table "000004B0"
    constexpr std::size_t kCapacity = 512;

    // Writes VS_VERSIONINFO nodes: wLength, wValueLength, wType, the key with its
    // terminator, padding to 4 bytes, the value, padding, then the children.
    struct bSResourceWriter
    {
        std::array<uint8_t, kCapacity> m_arrBytes{};
        std::size_t m_uSize = 0;

        constexpr void U16(uint32_t a_uValue)
        {
            m_arrBytes[m_uSize++] = static_cast<uint8_t>(a_uValue & 0xFF);
            m_arrBytes[m_uSize++] = static_cast<uint8_t>((a_uValue >> 8) & 0xFF);
        }
        constexpr void U32(uint32_t a_uValue)
        {
            U16(a_uValue & 0xFFFF);
            U16(a_uValue >> 16);
        }
        constexpr void Text(char16_t const * a_pcText)
        {
            do
                U16(*a_pcText);
            while (*a_pcText++);
        }
        constexpr void Align()
        {
            while (m_uSize % 4)
                m_arrBytes[m_uSize++] = 0;
        }
        constexpr std::size_t Begin(uint16_t a_uValueLength, uint16_t a_uType, char16_t const * a_pcKey)
        {
            Align();
            std::size_t const uStart = m_uSize;
            U16(0);
            U16(a_uValueLength);
            U16(a_uType);
            Text(a_pcKey);
            Align();
            return uStart;
        }
        constexpr void End(std::size_t a_uStart)
        {
            std::size_t const uLength = m_uSize - a_uStart;
            m_arrBytes[a_uStart] = static_cast<uint8_t>(uLength & 0xFF);
            m_arrBytes[a_uStart + 1] = static_cast<uint8_t>(uLength >> 8);
        }
    };

    constexpr void WriteFixedFileInfo(bSResourceWriter & a_Writer)
    {
        uint32_t const uVersionMS = (kMajor << 16) | kMinor, uVersionLS = (kBuild << 16) | kRevision;
        a_Writer.U32(0xFEEF04BD);   // signature
        a_Writer.U32(0x00010000);   // structure version 1.0
        for (int i = 0; i < 2; ++i) // file version, then product version
        {
            a_Writer.U32(uVersionMS);
            a_Writer.U32(uVersionLS);
        }
        a_Writer.U32(0x3F);         // flags mask
        a_Writer.U32(0);            // flags: a release build
        a_Writer.U32(0x00040004);   // 32-bit Windows NT
        a_Writer.U32(2);            // a dynamic library
        for (int i = 0; i < 3; ++i) // subtype, date high, date low
            a_Writer.U32(0);
    }

    constexpr void WriteStringFileInfo(bSResourceWriter & a_Writer)
    {
        constexpr char16_t kTable[] = {u'0', u'0', u'0', u'0', u'0', u'4', u'B', u'0', 0};
        static_assert(kLanguage == 0 && kCodePage == 0x04B0, "the table name spells language and code page");
        std::size_t const uInfo = a_Writer.Begin(0, 1, u"StringFileInfo");
        std::size_t const uTable = a_Writer.Begin(0, 1, kTable);
        std::size_t const uString = a_Writer.Begin(sizeof(kFileVersion) / 2, 1, u"FileVersion");
        a_Writer.Text(kFileVersion);
        a_Writer.End(uString);
        a_Writer.End(uTable);
        a_Writer.End(uInfo);
    }

    constexpr void WriteVarFileInfo(bSResourceWriter & a_Writer)
    {
        std::size_t const uInfo = a_Writer.Begin(0, 1, u"VarFileInfo");
        std::size_t const uVar = a_Writer.Begin(4, 0, u"Translation");
        a_Writer.U16(kLanguage);
        a_Writer.U16(kCodePage);
        a_Writer.End(uVar);
        a_Writer.End(uInfo);
    }

    constexpr bSResourceWriter BuildResource()
    {
        bSResourceWriter Writer;
        std::size_t const uRoot = Writer.Begin(52, 0, u"VS_VERSION_INFO");
        WriteFixedFileInfo(Writer);
        WriteStringFileInfo(Writer);
        WriteVarFileInfo(Writer);
        Writer.End(uRoot);
        return Writer;
    }

    constexpr bSResourceWriter kResource = BuildResource();

    template <std::size_t N> constexpr std::array<uint8_t, N> Trimmed()
    {
        std::array<uint8_t, N> arrBytes{};
        for (std::size_t u = 0; u < N; ++u)
            arrBytes[u] = kResource.m_arrBytes[u];
        return arrBytes;
    }

    // Kept although nothing refers to it: the readers find it by section name.
    __attribute__((used, section(".vsversioninfo"))) constexpr std::array<uint8_t, kResource.m_uSize>
        g_arrVersionResource = Trimmed<kResource.m_uSize>();
} // namespace
