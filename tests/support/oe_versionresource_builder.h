#ifndef OE_VERSIONRESOURCE_BUILDER_H_INCLUDED
#define OE_VERSIONRESOURCE_BUILDER_H_INCLUDED

// Test helpers: version resources in the VS_VERSIONINFO layout, minimal ELF
// files that carry one in a named section, and a temporary folder.
// Written independently of the library's own reader and resource.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace
{
    // Nodes are written as: wLength, wValueLength, wType, UTF-16 key with its
    // terminator, padding to 4 bytes, value, padding, children.
    class bCResourceWriter
    {
    public:
        std::vector<uint8_t> m_arrBytes;

        void Put(uint32_t a_uValue, int a_iBytes)
        {
            for (int i = 0; i < a_iBytes; ++i)
                m_arrBytes.push_back(static_cast<uint8_t>(a_uValue >> (8 * i)));
        }
        void Text(std::u16string const & a_strText)
        {
            for (char16_t c : a_strText + u'\0')
                Put(c, 2);
        }
        void Align()
        {
            while (m_arrBytes.size() % 4)
                m_arrBytes.push_back(0);
        }
        size_t Begin(uint16_t a_uValueLength, uint16_t a_uType, std::u16string const & a_strKey)
        {
            Align();
            size_t const uStart = m_arrBytes.size();
            Put(a_uValueLength << 16, 4); // the length is filled in by End
            Put(a_uType, 2);
            Text(a_strKey);
            Align();
            return uStart;
        }
        void End(size_t a_uStart)
        {
            size_t const uLength = m_arrBytes.size() - a_uStart;
            m_arrBytes[a_uStart] = static_cast<uint8_t>(uLength & 0xFF);
            m_arrBytes[a_uStart + 1] = static_cast<uint8_t>(uLength >> 8);
        }
    };

    inline std::u16string Widen(std::string const & a_strText)
    {
        return std::u16string(a_strText.begin(), a_strText.end());
    }

    struct bSResourceSpec
    {
        std::vector<uint32_t> m_arrTranslations = {0x04B00409}; // language low, code page high
        bool m_bTranslation = true;
        std::string m_strTable = "040904B0";
        std::vector<std::pair<std::string, std::u16string>> m_arrStrings = {{"FileVersion", u"3, 4, 5, 6"}};
    };

    inline std::vector<uint8_t> BuildVersionResource(bSResourceSpec const & a_Spec)
    {
        bCResourceWriter Writer;
        size_t const uRoot = Writer.Begin(52, 0, u"VS_VERSION_INFO");
        uint32_t const arrFixed[13] = {0xFEEF04BD, 0x00010000, 0x00030004, 0x00050006, 0x00030004, 0x00050006, 0x3F,
                                       0,          0x00040004, 2,          0,          0,          0};
        for (uint32_t uWord : arrFixed)
            Writer.Put(uWord, 4);
        size_t const uInfo = Writer.Begin(0, 1, u"StringFileInfo");
        size_t const uTable = Writer.Begin(0, 1, Widen(a_Spec.m_strTable));
        for (auto const & [strKey, strValue] : a_Spec.m_arrStrings)
        {
            size_t const uString = Writer.Begin(static_cast<uint16_t>(strValue.size() + 1), 1, Widen(strKey));
            Writer.Text(strValue);
            Writer.End(uString);
        }
        Writer.End(uTable);
        Writer.End(uInfo);
        if (a_Spec.m_bTranslation)
        {
            size_t const uVarInfo = Writer.Begin(0, 1, u"VarFileInfo");
            size_t const uVar =
                Writer.Begin(static_cast<uint16_t>(4 * a_Spec.m_arrTranslations.size()), 0, u"Translation");
            for (uint32_t uTranslation : a_Spec.m_arrTranslations)
                Writer.Put(uTranslation, 4);
            Writer.End(uVar);
            Writer.End(uVarInfo);
        }
        Writer.End(uRoot);
        return Writer.m_arrBytes;
    }

    inline void PutLE(std::vector<uint8_t> & a_arrBytes, size_t a_uOffset, uint64_t a_uValue, int a_iWidth)
    {
        for (int i = 0; i < a_iWidth; ++i)
            a_arrBytes.at(a_uOffset + i) = static_cast<uint8_t>(a_uValue >> (8 * i));
    }

    // Offsets of the fields the bad-input tests damage.
    constexpr size_t kElfShoff = 0x28, kElfShentsize = 0x3A, kElfShnum = 0x3C, kElfShstrndx = 0x3E;
    constexpr size_t kShdrSize = 64, kShName = 0, kShType = 4, kShOffset = 0x18, kShSize = 0x20;

    // A 64-bit little-endian ELF file with three sections: the null section, the
    // named data section and the section-name table; the headers come last.
    inline std::vector<uint8_t> BuildElfImage(std::vector<uint8_t> const & a_arrSection,
                                              std::string const & a_strName = ".vsversioninfo")
    {
        std::string const strNames = std::string(1, '\0') + a_strName + '\0' + ".shstrtab" + '\0';
        size_t const uData = 64, uNames = uData + a_arrSection.size();
        size_t const uHeaders = (uNames + strNames.size() + 7) & ~size_t(7);
        std::vector<uint8_t> arrImage(uHeaders + 3 * kShdrSize, 0);
        uint8_t const arrIdent[] = {0x7F, 'E', 'L', 'F', 2, 1, 1};
        std::copy(std::begin(arrIdent), std::end(arrIdent), arrImage.begin());
        PutLE(arrImage, 0x10, 3, 2);  // a shared object
        PutLE(arrImage, 0x12, 62, 2); // x86-64
        PutLE(arrImage, 0x14, 1, 4);  // version
        PutLE(arrImage, kElfShoff, uHeaders, 8);
        PutLE(arrImage, 0x34, 64, 2); // header size
        PutLE(arrImage, kElfShentsize, kShdrSize, 2);
        PutLE(arrImage, kElfShnum, 3, 2);
        PutLE(arrImage, kElfShstrndx, 2, 2);
        std::copy(a_arrSection.begin(), a_arrSection.end(), arrImage.begin() + uData);
        std::copy(strNames.begin(), strNames.end(), arrImage.begin() + uNames);
        size_t const uFirst = uHeaders + kShdrSize, uSecond = uHeaders + 2 * kShdrSize;
        PutLE(arrImage, uFirst + kShName, 1, 4);
        PutLE(arrImage, uFirst + kShType, 1, 4); // program data
        PutLE(arrImage, uFirst + kShOffset, uData, 8);
        PutLE(arrImage, uFirst + kShSize, a_arrSection.size(), 8);
        PutLE(arrImage, uSecond + kShName, 1 + a_strName.size() + 1, 4);
        PutLE(arrImage, uSecond + kShType, 3, 4); // string table
        PutLE(arrImage, uSecond + kShOffset, uNames, 8);
        PutLE(arrImage, uSecond + kShSize, strNames.size(), 8);
        return arrImage;
    }

    inline void WriteBytes(std::filesystem::path const & a_Path, std::vector<uint8_t> const & a_arrBytes)
    {
        std::ofstream File(a_Path, std::ios::binary | std::ios::trunc);
        File.write(reinterpret_cast<char const *>(a_arrBytes.data()), static_cast<std::streamsize>(a_arrBytes.size()));
    }

    // A fresh folder below the system's temporary folder, removed with its contents.
    class bCTempFolder
    {
    public:
        bCTempFolder()
        {
            std::string strTemplate = (std::filesystem::temp_directory_path() / "vellmark-XXXXXX").string();
            if (mkdtemp(strTemplate.data()))
                m_Path = strTemplate;
        }
        ~bCTempFolder()
        {
            std::error_code Error;
            if (!m_Path.empty())
                std::filesystem::remove_all(m_Path, Error);
        }
        bCTempFolder(bCTempFolder const &) = delete;
        bCTempFolder & operator=(bCTempFolder const &) = delete;

        std::filesystem::path const & GetPath() const { return m_Path; }
        std::string File(std::string const & a_strName) const { return (m_Path / a_strName).string(); }

    private:
        std::filesystem::path m_Path;
    };
} // namespace

#endif
