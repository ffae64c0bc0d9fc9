#include <vellmark/platform/oe_versioninfo.h>
#include <vellmark/platform/oe_module.h>

#include <elf.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace
{
    constexpr char kSectionName[] = ".vsversioninfo";
    constexpr uint64_t kMaxSectionCount = 1u << 20; // far above any real file, bounds the header read
    constexpr uint64_t kNodeHeaderSize = 6;         // wLength, wValueLength, wType
    constexpr uint16_t kTypeText = 1;
    constexpr unsigned long kMaxPath = 4096;

    bool InRange(uint64_t a_uOffset, uint64_t a_uCount, uint64_t a_uSize)
    {
        return a_uOffset <= a_uSize && a_uCount <= a_uSize - a_uOffset;
    }

    uint64_t Align4(uint64_t a_uValue)
    {
        return (a_uValue + 3) & ~uint64_t(3);
    }

    uint16_t ReadU16(unsigned char const * a_pBytes)
    {
        return static_cast<uint16_t>(a_pBytes[0] | (a_pBytes[1] << 8));
    }

    void WriteU16(unsigned char * a_pBytes, uint64_t a_uValue)
    {
        a_pBytes[0] = static_cast<unsigned char>(a_uValue & 0xFF);
        a_pBytes[1] = static_cast<unsigned char>((a_uValue >> 8) & 0xFF);
    }

    // Random access to the bytes of an ELF image, in memory or in a file.
    class bCImageReader
    {
    public:
        virtual ~bCImageReader() = default;
        virtual uint64_t GetSize() const = 0;
        virtual bool Read(uint64_t a_uOffset, void * a_pDest, uint64_t a_uCount) const = 0;
    };

    class bCMemoryImageReader : public bCImageReader
    {
    public:
        bCMemoryImageReader(void const * a_pImage, uint64_t a_uSize) :
            m_pBytes(static_cast<unsigned char const *>(a_pImage)), m_uSize(a_pImage ? a_uSize : 0)
        {
        }
        uint64_t GetSize() const override { return m_uSize; }
        bool Read(uint64_t a_uOffset, void * a_pDest, uint64_t a_uCount) const override
        {
            if (!InRange(a_uOffset, a_uCount, m_uSize))
                return false;
            if (a_uCount)
                std::memcpy(a_pDest, m_pBytes + a_uOffset, a_uCount);
            return true;
        }

    private:
        unsigned char const * m_pBytes;
        uint64_t m_uSize;
    };

    class bCFileImageReader : public bCImageReader
    {
    public:
        explicit bCFileImageReader(char const * a_pcPath)
        {
            m_iFile = open(a_pcPath, O_RDONLY | O_CLOEXEC);
            struct stat Stat;
            if (m_iFile >= 0 && fstat(m_iFile, &Stat) == 0 && S_ISREG(Stat.st_mode))
                m_uSize = static_cast<uint64_t>(Stat.st_size);
        }
        ~bCFileImageReader() override
        {
            if (m_iFile >= 0)
                close(m_iFile);
        }
        bCFileImageReader(bCFileImageReader const &) = delete;
        bCFileImageReader & operator=(bCFileImageReader const &) = delete;

        uint64_t GetSize() const override { return m_uSize; }
        bool Read(uint64_t a_uOffset, void * a_pDest, uint64_t a_uCount) const override
        {
            if (!InRange(a_uOffset, a_uCount, m_uSize))
                return false;
            auto * pDest = static_cast<unsigned char *>(a_pDest);
            while (a_uCount)
            {
                ssize_t const iRead = pread(m_iFile, pDest, a_uCount, static_cast<off_t>(a_uOffset));
                if (iRead <= 0)
                    return false;
                pDest += iRead;
                a_uOffset += static_cast<uint64_t>(iRead);
                a_uCount -= static_cast<uint64_t>(iRead);
            }
            return true;
        }

    private:
        int m_iFile = -1;
        uint64_t m_uSize = 0;
    };

    bool IsSupportedHeader(Elf64_Ehdr const & a_Header)
    {
        return std::memcmp(a_Header.e_ident, ELFMAG, SELFMAG) == 0 && a_Header.e_ident[EI_CLASS] == ELFCLASS64 &&
               a_Header.e_ident[EI_DATA] == ELFDATA2LSB && a_Header.e_shentsize == sizeof(Elf64_Shdr) &&
               a_Header.e_shoff != 0;
    }

    // The section headers, with the extended count and name-table index that
    // files with very many sections keep in section 0.
    bool ReadSectionHeaders(bCImageReader const & a_Reader, std::vector<Elf64_Shdr> & a_arrHeaders,
                            uint64_t & a_uNameTable)
    {
        Elf64_Ehdr Header;
        if (!a_Reader.Read(0, &Header, sizeof(Header)) || !IsSupportedHeader(Header))
            return false;
        Elf64_Shdr First;
        if (!a_Reader.Read(Header.e_shoff, &First, sizeof(First)))
            return false;
        uint64_t const uCount = Header.e_shnum ? Header.e_shnum : First.sh_size;
        a_uNameTable = Header.e_shstrndx == SHN_XINDEX ? First.sh_link : Header.e_shstrndx;
        if (uCount == 0 || uCount > kMaxSectionCount || a_uNameTable >= uCount ||
            !InRange(Header.e_shoff, uCount * sizeof(Elf64_Shdr), a_Reader.GetSize()))
            return false;
        a_arrHeaders.resize(uCount);
        return a_Reader.Read(Header.e_shoff, a_arrHeaders.data(), uCount * sizeof(Elf64_Shdr));
    }

    bool HasSectionName(bCImageReader const & a_Reader, Elf64_Shdr const & a_NameTable, uint32_t a_uName)
    {
        if (a_NameTable.sh_type == SHT_NOBITS || a_uName >= a_NameTable.sh_size ||
            a_NameTable.sh_size - a_uName < sizeof(kSectionName))
            return false;
        char carrName[sizeof(kSectionName)];
        return a_Reader.Read(a_NameTable.sh_offset + a_uName, carrName, sizeof(carrName)) &&
               std::memcmp(carrName, kSectionName, sizeof(kSectionName)) == 0;
    }

    // The blob is as long as its root node says, which must lie within the section.
    bool ReadBlob(bCImageReader const & a_Reader, Elf64_Shdr const & a_Section, std::vector<unsigned char> & a_arrBlob)
    {
        unsigned char arrRoot[2];
        if (a_Section.sh_type == SHT_NOBITS || a_Section.sh_size < kNodeHeaderSize ||
            !InRange(a_Section.sh_offset, a_Section.sh_size, a_Reader.GetSize()) ||
            !a_Reader.Read(a_Section.sh_offset, arrRoot, sizeof(arrRoot)))
            return false;
        uint16_t const uLength = ReadU16(arrRoot);
        if (uLength < kNodeHeaderSize || uLength > a_Section.sh_size)
            return false;
        a_arrBlob.resize(uLength);
        return a_Reader.Read(a_Section.sh_offset, a_arrBlob.data(), uLength);
    }

    bool FindVersionBlob(bCImageReader const & a_Reader, std::vector<unsigned char> & a_arrBlob)
    {
        std::vector<Elf64_Shdr> arrHeaders;
        uint64_t uNameTable = 0;
        if (!ReadSectionHeaders(a_Reader, arrHeaders, uNameTable))
            return false;
        for (Elf64_Shdr const & Section : arrHeaders)
            if (HasSectionName(a_Reader, arrHeaders[uNameTable], Section.sh_name))
                return ReadBlob(a_Reader, Section, a_arrBlob);
        return false;
    }

    // Behind the blob (from the next 4-byte boundary) lies the room for 8-bit
    // texts: a text at blob offset o goes to o / 2 of that room, so every text has
    // its own place and a repeated query finds the same bytes.
    uint64_t BufferSizeFor(uint64_t a_uBlobSize)
    {
        return Align4(a_uBlobSize) + a_uBlobSize / 2 + 4;
    }

    bool CopyIntoBuffer(std::vector<unsigned char> const & a_arrBlob, unsigned long a_uLen, void * a_pData)
    {
        if (!a_pData)
            return false;
        uint64_t uKept = a_arrBlob.size();
        while (uKept >= kNodeHeaderSize && BufferSizeFor(uKept) > a_uLen)
            --uKept;
        if (uKept < kNodeHeaderSize)
            return false;
        auto * pBytes = static_cast<unsigned char *>(a_pData);
        std::memcpy(pBytes, a_arrBlob.data(), uKept);
        WriteU16(pBytes, uKept);
        std::memset(pBytes + uKept, 0, BufferSizeFor(uKept) - uKept);
        return true;
    }

    bool FindFileVersionBlob(char const * a_pcFileName, std::vector<unsigned char> & a_arrBlob)
    {
        char carrPath[kMaxPath];
        if (!OEFindModuleFile(a_pcFileName, carrPath, sizeof(carrPath)))
            return false;
        bCFileImageReader Reader(carrPath);
        return FindVersionBlob(Reader, a_arrBlob);
    }

    // One node of the blob, every offset checked against the node's parent.
    struct bSNode
    {
        uint64_t m_uStart;
        uint64_t m_uEnd;
        uint64_t m_uKeyChars;
        uint64_t m_uValueStart;
        uint64_t m_uValueBytes;
        uint64_t m_uChildrenStart;
        uint16_t m_uType;
    };

    bool ParseNode(unsigned char const * a_pBlock, uint64_t a_uStart, uint64_t a_uLimit, bSNode & a_Node)
    {
        if (!InRange(a_uStart, kNodeHeaderSize, a_uLimit))
            return false;
        uint16_t const uLength = ReadU16(a_pBlock + a_uStart);
        if (uLength < kNodeHeaderSize || !InRange(a_uStart, uLength, a_uLimit))
            return false;
        a_Node.m_uStart = a_uStart;
        a_Node.m_uEnd = a_uStart + uLength;
        a_Node.m_uType = ReadU16(a_pBlock + a_uStart + 4);
        uint64_t uKeyEnd = a_uStart + kNodeHeaderSize;
        while (uKeyEnd + 2 <= a_Node.m_uEnd && ReadU16(a_pBlock + uKeyEnd) != 0)
            uKeyEnd += 2;
        if (uKeyEnd + 2 > a_Node.m_uEnd)
            return false; // a key without its terminator
        a_Node.m_uKeyChars = (uKeyEnd - a_uStart - kNodeHeaderSize) / 2;
        a_Node.m_uValueStart = Align4(uKeyEnd + 2);
        uint64_t const uDeclared = ReadU16(a_pBlock + a_uStart + 2) * (a_Node.m_uType == kTypeText ? 2u : 1u);
        uint64_t const uRoom = a_Node.m_uValueStart < a_Node.m_uEnd ? a_Node.m_uEnd - a_Node.m_uValueStart : 0;
        a_Node.m_uValueBytes = uDeclared < uRoom ? uDeclared : uRoom;
        a_Node.m_uChildrenStart = Align4(a_Node.m_uValueStart + a_Node.m_uValueBytes);
        return true;
    }

    char LowerAscii(unsigned a_uChar)
    {
        return static_cast<char>(a_uChar >= 'A' && a_uChar <= 'Z' ? a_uChar - 'A' + 'a' : a_uChar);
    }

    bool KeyEquals(unsigned char const * a_pBlock, bSNode const & a_Node, char const * a_pcSegment, uint64_t a_uLength)
    {
        if (a_Node.m_uKeyChars != a_uLength)
            return false;
        unsigned char const * pKey = a_pBlock + a_Node.m_uStart + kNodeHeaderSize;
        for (uint64_t u = 0; u < a_uLength; ++u)
        {
            uint16_t const uChar = ReadU16(pKey + 2 * u);
            if (uChar > 0x7F || LowerAscii(uChar) != LowerAscii(static_cast<unsigned char>(a_pcSegment[u])))
                return false;
        }
        return true;
    }

    bool FindChild(unsigned char const * a_pBlock, bSNode const & a_Parent, char const * a_pcSegment,
                   uint64_t a_uLength, bSNode & a_Child)
    {
        for (uint64_t uPos = a_Parent.m_uChildrenStart; uPos < a_Parent.m_uEnd; uPos = Align4(a_Child.m_uEnd))
        {
            if (!ParseNode(a_pBlock, uPos, a_Parent.m_uEnd, a_Child))
                return false;
            if (KeyEquals(a_pBlock, a_Child, a_pcSegment, a_uLength))
                return true;
        }
        return false;
    }

    bool WalkPath(unsigned char const * a_pBlock, char const * a_pcPath, bSNode & a_Node)
    {
        if (!ParseNode(a_pBlock, 0, ReadU16(a_pBlock), a_Node))
            return false;
        while (*a_pcPath)
        {
            while (*a_pcPath == '\\')
                ++a_pcPath;
            uint64_t uLength = 0;
            while (a_pcPath[uLength] && a_pcPath[uLength] != '\\')
                ++uLength;
            if (uLength && !FindChild(a_pBlock, bSNode(a_Node), a_pcPath, uLength, a_Node))
                return false;
            a_pcPath += uLength;
        }
        return true;
    }

    // The 8-bit form of a text value: Latin-1 characters as they are, others as '?'.
    unsigned int ConvertText(unsigned char * a_pBlock, bSNode const & a_Node, char ** a_ppcText)
    {
        char * pcText = reinterpret_cast<char *>(a_pBlock + Align4(ReadU16(a_pBlock)) + a_Node.m_uValueStart / 2);
        unsigned int uLength = 0;
        for (uint64_t u = 0; u < a_Node.m_uValueBytes / 2; ++u, ++uLength)
        {
            uint16_t const uChar = ReadU16(a_pBlock + a_Node.m_uValueStart + 2 * u);
            if (uChar == 0)
                break;
            pcText[uLength] = static_cast<char>(uChar <= 0xFF ? uChar : '?');
        }
        pcText[uLength] = 0;
        *a_ppcText = pcText;
        return uLength;
    }
} // namespace

unsigned long OEGetFileVersionInfoSize(char const * a_pcFileName, unsigned long * a_puHandle)
{
    if (a_puHandle)
        *a_puHandle = 0;
    std::vector<unsigned char> arrBlob;
    return FindFileVersionBlob(a_pcFileName, arrBlob) ? BufferSizeFor(arrBlob.size()) : 0;
}

bool OEGetFileVersionInfo(char const * a_pcFileName, unsigned long, unsigned long a_uLen, void * a_pData)
{
    std::vector<unsigned char> arrBlob;
    return FindFileVersionBlob(a_pcFileName, arrBlob) && CopyIntoBuffer(arrBlob, a_uLen, a_pData);
}

unsigned long OEGetImageVersionInfoSize(void const * a_pImage, unsigned long a_uImageSize)
{
    std::vector<unsigned char> arrBlob;
    bCMemoryImageReader Reader(a_pImage, a_uImageSize);
    return FindVersionBlob(Reader, arrBlob) ? BufferSizeFor(arrBlob.size()) : 0;
}

bool OEGetImageVersionInfo(void const * a_pImage, unsigned long a_uImageSize, unsigned long a_uLen, void * a_pData)
{
    std::vector<unsigned char> arrBlob;
    bCMemoryImageReader Reader(a_pImage, a_uImageSize);
    return FindVersionBlob(Reader, arrBlob) && CopyIntoBuffer(arrBlob, a_uLen, a_pData);
}

bool OEVerQueryValue(void * a_pBlock, char const * a_pcSubBlock, void ** a_ppBuffer, unsigned int * a_puLen)
{
    if (!a_pBlock || !a_pcSubBlock || !a_ppBuffer || !a_puLen)
        return false;
    auto * pBlock = static_cast<unsigned char *>(a_pBlock);
    bSNode Node;
    if (!WalkPath(pBlock, a_pcSubBlock, Node))
        return false;
    if (Node.m_uType == kTypeText && Node.m_uStart != 0)
    {
        char * pcText = nullptr;
        *a_puLen = ConvertText(pBlock, Node, &pcText);
        *a_ppBuffer = pcText;
        return true;
    }
    *a_ppBuffer = pBlock + Node.m_uValueStart;
    *a_puLen = static_cast<unsigned int>(Node.m_uValueBytes);
    return true;
}

unsigned short OEGetUserDefaultLangID()
{
    return 0x0409;
}
