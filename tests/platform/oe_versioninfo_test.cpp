#include <vellmark/kernel/oe_version.h>
#include <vellmark/platform/oe_module.h>
#include <vellmark/platform/oe_versioninfo.h>

#include "support/oe_versionresource_builder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace
{
    // A buffer exactly as large as the reader asks for, so that sanitizers see any
    // read or write past it.
    std::vector<uint8_t> ReadImageInfo(std::vector<uint8_t> const & a_arrImage)
    {
        unsigned long const uSize = OEGetImageVersionInfoSize(a_arrImage.data(), a_arrImage.size());
        std::vector<uint8_t> arrInfo(uSize);
        if (uSize && !OEGetImageVersionInfo(a_arrImage.data(), a_arrImage.size(), uSize, arrInfo.data()))
            arrInfo.clear();
        return arrInfo;
    }

    bool QueryText(std::vector<uint8_t> & a_arrInfo, char const * a_pcPath, std::string & a_strText)
    {
        void * pValue = nullptr;
        unsigned int uLength = 0;
        if (a_arrInfo.empty() || !OEVerQueryValue(a_arrInfo.data(), a_pcPath, &pValue, &uLength))
            return false;
        a_strText.assign(static_cast<char const *>(pValue), uLength);
        EXPECT_EQ(std::strlen(static_cast<char const *>(pValue)), uLength);
        return true;
    }

    std::vector<uint8_t> DefaultImage()
    {
        return BuildElfImage(BuildVersionResource(bSResourceSpec()));
    }

    unsigned long InfoSize(std::vector<uint8_t> const & a_arrImage)
    {
        return OEGetImageVersionInfoSize(a_arrImage.data(), a_arrImage.size());
    }
} // namespace

TEST(OEModule, VellmarkDllNamesTheLoadedLibraryAndOtherNamesDoNotLoad)
{
    OEHModule const hModule = OELoadModule("vellmark.dll");
    ASSERT_NE(hModule, nullptr);
    EXPECT_EQ(OEGetModuleProc(hModule, "GetVersion"), reinterpret_cast<OEFarProc>(&GetVersion));
    EXPECT_EQ(OEGetModuleProc(hModule, "DllGetVersion"), nullptr); // the banner reads the version text
    EXPECT_TRUE(OEFreeModule(hModule));
    EXPECT_NE(OELoadModule("VELLMARK.DLL"), nullptr);
    EXPECT_EQ(OELoadModule("no-such-module-4711.dll"), nullptr);
}

TEST(OEModule, FindsTheLibraryFileAndDllNamesAsSharedObjects)
{
    char carrPath[4096];
    ASSERT_TRUE(OEFindModuleFile("vellmark.dll", carrPath, sizeof(carrPath)));
    EXPECT_EQ(std::filesystem::path(carrPath).filename().string().rfind("libvellmark.so", 0), 0u);
    EXPECT_FALSE(OEFindModuleFile("vellmark.dll", carrPath, 4)); // does not fit

    bCTempFolder Folder;
    WriteBytes(Folder.File("libtool.so"), DefaultImage());
    ASSERT_TRUE(OEFindModuleFile(Folder.File("tool.dll").c_str(), carrPath, sizeof(carrPath)));
    EXPECT_EQ(std::string(carrPath), Folder.File("libtool.so"));
    EXPECT_FALSE(OEFindModuleFile(Folder.File("other.dll").c_str(), carrPath, sizeof(carrPath)));
}

TEST(OEVersionInfo, ReadsTheLibrarysOwnResource)
{
    unsigned long uHandle = 99;
    unsigned long const uSize = OEGetFileVersionInfoSize("vellmark.dll", &uHandle);
    ASSERT_GT(uSize, 0u);
    EXPECT_EQ(uHandle, 0u);
    std::vector<uint8_t> arrInfo(uSize);
    ASSERT_TRUE(OEGetFileVersionInfo("vellmark.dll", 0, uSize, arrInfo.data()));
    void * pValue = nullptr;
    unsigned int uLength = 0;
    std::string strText;
    ASSERT_TRUE(QueryText(arrInfo, "\\StringFileInfo\\000004B0\\FileVersion", strText));
    EXPECT_EQ(strText, "1, 12, 26364, 0");
    ASSERT_TRUE(OEVerQueryValue(arrInfo.data(), "\\", &pValue, &uLength));
    ASSERT_EQ(uLength, 52u);
    uint32_t arrFixed[4];
    std::memcpy(arrFixed, pValue, sizeof(arrFixed));
    EXPECT_EQ(arrFixed[3], 26364u << 16);
}

TEST(OEVersionInfo, QueriesTextsAndTranslationsAndMissingNodesFail)
{
    std::vector<uint8_t> arrInfo = ReadImageInfo(DefaultImage());
    ASSERT_FALSE(arrInfo.empty());
    std::string strText;
    // Keys compare without case, and a repeated query finds the same text.
    for (char const * pcPath : {"\\StringFileInfo\\040904B0\\FileVersion", "\\stringfileinfo\\040904b0\\FILEVERSION"})
    {
        ASSERT_TRUE(QueryText(arrInfo, pcPath, strText));
        EXPECT_EQ(strText, "3, 4, 5, 6");
    }
    void * pValue = nullptr;
    unsigned int uLength = 0;
    ASSERT_TRUE(OEVerQueryValue(arrInfo.data(), "\\VarFileInfo\\Translation", &pValue, &uLength));
    EXPECT_EQ(uLength, 4u);
    uint32_t uTranslation = 0;
    std::memcpy(&uTranslation, pValue, 4);
    EXPECT_EQ(uTranslation, 0x04B00409u);

    for (char const * pcPath :
         {"\\StringFileInfo\\040904E4\\FileVersion", "\\StringFileInfo\\040904B0\\FileVersionX",
          "\\StringFileInfo\\040904B0\\FileVersion\\Deeper"})
        EXPECT_FALSE(QueryText(arrInfo, pcPath, strText)) << pcPath;
    EXPECT_FALSE(OEVerQueryValue(nullptr, "\\", &pValue, &uLength));
}

TEST(OEVersionInfo, NonLatinCharactersBecomeQuestionMarks)
{
    bSResourceSpec Spec;
    Spec.m_arrStrings = {{"FileVersion", u"1, 2, 3 \u00e9\u4e2d"}};
    std::vector<uint8_t> arrInfo = ReadImageInfo(BuildElfImage(BuildVersionResource(Spec)));
    std::string strText;
    ASSERT_TRUE(QueryText(arrInfo, "\\StringFileInfo\\040904B0\\FileVersion", strText));
    EXPECT_EQ(strText, "1, 2, 3 \xe9?");
}

TEST(OEVersionInfo, SmallBufferKeepsOnlyTheNodesThatFit)
{
    std::vector<uint8_t> const arrImage = DefaultImage();
    std::vector<uint8_t> arrSmall(InfoSize(arrImage) / 2);
    ASSERT_TRUE(OEGetImageVersionInfo(arrImage.data(), arrImage.size(), arrSmall.size(), arrSmall.data()));
    void * pValue = nullptr;
    unsigned int uLength = 0;
    EXPECT_FALSE(OEVerQueryValue(arrSmall.data(), "\\VarFileInfo\\Translation", &pValue, &uLength));
    std::vector<uint8_t> arrTiny(4);
    EXPECT_FALSE(OEGetImageVersionInfo(arrImage.data(), arrImage.size(), arrTiny.size(), arrTiny.data()));
}

TEST(OEVersionInfo, ReadsFilesAndSkipsFilesWithoutResource)
{
    bCTempFolder Folder;
    WriteBytes(Folder.File("with.so"), DefaultImage());
    WriteBytes(Folder.File("other.so"), BuildElfImage(BuildVersionResource(bSResourceSpec()), ".rodata"));
    WriteBytes(Folder.File("empty.so"), {});
    unsigned long uHandle = 0;
    unsigned long const uSize = OEGetFileVersionInfoSize(Folder.File("with.so").c_str(), &uHandle);
    ASSERT_GT(uSize, 0u);
    std::vector<uint8_t> arrInfo(uSize);
    ASSERT_TRUE(OEGetFileVersionInfo(Folder.File("with.so").c_str(), 0, uSize, arrInfo.data()));
    std::string strText;
    EXPECT_TRUE(QueryText(arrInfo, "\\StringFileInfo\\040904B0\\FileVersion", strText));
    for (std::string const & strFile : {Folder.File("other.so"), Folder.File("empty.so"), Folder.File("missing.so")})
        EXPECT_EQ(OEGetFileVersionInfoSize(strFile.c_str(), &uHandle), 0u) << strFile;
    EXPECT_FALSE(OEGetFileVersionInfo(Folder.File("other.so").c_str(), 0, uSize, arrInfo.data()));
}

// Damaged ELF images: each gives no resource.
TEST(OEVersionInfoBadInput, DamagedElfHeadersGiveNoResource)
{
    std::vector<uint8_t> const arrGood = DefaultImage();
    ASSERT_GT(InfoSize(arrGood), 0u);
    auto Damaged = [&](size_t a_uOffset, uint64_t a_uValue, int a_iWidth) {
        std::vector<uint8_t> arrImage = arrGood;
        PutLE(arrImage, a_uOffset, a_uValue, a_iWidth);
        return InfoSize(arrImage);
    };
    size_t const uSection = VersionSectionHeader(arrGood);
    size_t const uNames = uSection + kShdrSize;
    EXPECT_EQ(Damaged(0, 0x7E, 1), 0u);                         // not ELF
    EXPECT_EQ(Damaged(5, 2, 1), 0u);                            // big-endian
    EXPECT_EQ(Damaged(kElfShoff, ~uint64_t(0) - 8, 8), 0u);     // offset arithmetic wraps
    EXPECT_EQ(Damaged(kElfShnum, 0xFFFF, 2), 0u);               // more headers than the file holds
    EXPECT_EQ(Damaged(kElfShstrndx, 0xFFFF, 2), 0u);            // extended index in section 0, which is 0
    EXPECT_EQ(Damaged(uSection + kShName, 0xFFFFFFF0, 4), 0u);  // name beyond the table
    EXPECT_EQ(Damaged(uNames + kShType, 8, 4), 0u);             // name table without bytes
    EXPECT_EQ(Damaged(uSection + kShOffset, arrGood.size() - 8, 8), 0u);
    EXPECT_EQ(Damaged(uSection + kShSize, ~uint64_t(0), 8), 0u);
    EXPECT_EQ(Damaged(uSection + kShSize, 4, 8), 0u); // shorter than a node header
}

TEST(OEVersionInfoBadInput, EveryTruncationIsHandled)
{
    std::vector<uint8_t> const arrGood = DefaultImage();
    for (size_t uLength = 0; uLength < arrGood.size(); ++uLength)
    {
        EXPECT_EQ(InfoSize(std::vector<uint8_t>(arrGood.begin(), arrGood.begin() + long(uLength))), 0u) << uLength;
    }
    EXPECT_EQ(OEGetImageVersionInfoSize(nullptr, 100), 0u);
}

TEST(OEVersionInfoBadInput, BlobLengthsPointingOutsideAreRefused)
{
    std::vector<uint8_t> arrBlob = BuildVersionResource(bSResourceSpec());
    std::vector<uint8_t> arrLong = arrBlob;
    PutLE(arrLong, 0, arrBlob.size() + 4, 2); // root longer than the section
    EXPECT_EQ(InfoSize(BuildElfImage(arrLong)), 0u);
    PutLE(arrLong, 0, 5, 2); // root shorter than its own header
    EXPECT_EQ(InfoSize(BuildElfImage(arrLong)), 0u);

    // A child that claims more than its parent holds ends the walk.
    std::vector<uint8_t> arrChild = arrBlob;
    size_t const uStringFileInfo = 0x5C; // after the root header, key and fixed information
    ASSERT_EQ(arrChild[uStringFileInfo + 6], 'S');
    PutLE(arrChild, uStringFileInfo, 0xFFF0, 2);
    std::vector<uint8_t> arrInfo = ReadImageInfo(BuildElfImage(arrChild));
    ASSERT_FALSE(arrInfo.empty());
    std::string strText;
    EXPECT_FALSE(QueryText(arrInfo, "\\StringFileInfo\\040904B0\\FileVersion", strText));
}

TEST(OEVersionInfoBadInput, ValueLengthsBeyondTheNodeAreCut)
{
    bSResourceSpec Spec;
    std::vector<uint8_t> arrBlob = BuildVersionResource(Spec);
    std::u16string const strKey = u"FileVersion";
    auto const itKey = std::search(arrBlob.begin(), arrBlob.end(), reinterpret_cast<uint8_t const *>(strKey.data()),
                                   reinterpret_cast<uint8_t const *>(strKey.data() + strKey.size()));
    ASSERT_NE(itKey, arrBlob.end());
    size_t const uNode = static_cast<size_t>(itKey - arrBlob.begin()) - 6;
    PutLE(arrBlob, uNode + 2, 0x7FFF, 2);
    std::vector<uint8_t> arrInfo = ReadImageInfo(BuildElfImage(arrBlob));
    std::string strText;
    ASSERT_TRUE(QueryText(arrInfo, "\\StringFileInfo\\040904B0\\FileVersion", strText));
    EXPECT_EQ(strText, "3, 4, 5, 6");
}

TEST(OEVersionInfo, ReadsExtendedSectionCountAndNameIndex)
{
    std::vector<uint8_t> arrImage = DefaultImage();
    size_t const uFirst = VersionSectionHeader(arrImage) - kShdrSize; // section 0
    PutLE(arrImage, kElfShnum, 0, 2);
    PutLE(arrImage, uFirst + kShSize, 3, 8);
    PutLE(arrImage, kElfShstrndx, 0xFFFF, 2);
    PutLE(arrImage, uFirst + 0x28, 2, 4); // sh_link
    std::vector<uint8_t> arrInfo = ReadImageInfo(arrImage);
    std::string strText;
    ASSERT_TRUE(QueryText(arrInfo, "\\StringFileInfo\\040904B0\\FileVersion", strText));
    EXPECT_EQ(strText, "3, 4, 5, 6");
    PutLE(arrImage, uFirst + kShSize, 1u << 30, 8); // a count far beyond the file
    EXPECT_EQ(InfoSize(arrImage), 0u);
}
