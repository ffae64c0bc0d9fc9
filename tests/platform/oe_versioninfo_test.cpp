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

TEST(OEModule, LoadsAndFindsTheLibraryAndDllNamesAsSharedObjects)
{
    OEHModule const hModule = OELoadModule("vellmark.dll");
    ASSERT_NE(hModule, nullptr);
    EXPECT_EQ(OEGetModuleProc(hModule, "GetVersion"), reinterpret_cast<OEFarProc>(&GetVersion));
    EXPECT_EQ(OEGetModuleProc(hModule, "DllGetVersion"), nullptr); // the banner reads the version text
    EXPECT_TRUE(OEFreeModule(hModule));
    EXPECT_NE(OELoadModule("VELLMARK.DLL"), nullptr);
    EXPECT_EQ(OELoadModule("no-such-module-4711.dll"), nullptr);

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

// A file's resource with its fixed information (file version 3.4.5.6); files without one give none.
TEST(OEVersionInfo, ReadsFilesAndSkipsFilesWithoutResource)
{
    bCTempFolder Folder;
    WriteBytes(Folder.File("with.so"), DefaultImage());
    WriteBytes(Folder.File("other.so"), BuildElfImage(BuildVersionResource(bSResourceSpec()), ".rodata"));
    WriteBytes(Folder.File("empty.so"), {});
    unsigned long uHandle = 99;
    unsigned long const uSize = OEGetFileVersionInfoSize(Folder.File("with.so").c_str(), &uHandle);
    ASSERT_GT(uSize, 0u);
    EXPECT_EQ(uHandle, 0u);
    std::vector<uint8_t> arrInfo(uSize);
    ASSERT_TRUE(OEGetFileVersionInfo(Folder.File("with.so").c_str(), 0, uSize, arrInfo.data()));
    std::string strText;
    EXPECT_TRUE(QueryText(arrInfo, "\\StringFileInfo\\040904B0\\FileVersion", strText));
    void * pValue = nullptr;
    unsigned int uLength = 0;
    ASSERT_TRUE(OEVerQueryValue(arrInfo.data(), "\\", &pValue, &uLength));
    ASSERT_EQ(uLength, 52u);
    std::vector<uint32_t> arrFixed(4); // signature, structure version, file version
    std::memcpy(arrFixed.data(), pValue, 16);
    EXPECT_EQ(arrFixed, (std::vector<uint32_t>{0xFEEF04BD, 0x00010000, 0x00030004, 0x00050006}));
    for (std::string const & strFile : {Folder.File("other.so"), Folder.File("empty.so"), Folder.File("missing.so")})
        EXPECT_EQ(OEGetFileVersionInfoSize(strFile.c_str(), &uHandle), 0u) << strFile;
    EXPECT_FALSE(OEGetFileVersionInfo(Folder.File("other.so").c_str(), 0, uSize, arrInfo.data()));
}

// Keys compare without case, a repeated query finds the same text, and characters beyond
// Latin-1 become question marks.
TEST(OEVersionInfo, QueriesTextsAndTranslationsMissingNodesFailAndSmallBuffersKeepWhatFits)
{
    bSResourceSpec Spec;
    Spec.m_arrStrings = {{"FileVersion", u"3, 4, 5, 6 \u00e9\u4e2d"}};
    std::vector<uint8_t> arrInfo = ReadImageInfo(BuildElfImage(BuildVersionResource(Spec)));
    ASSERT_FALSE(arrInfo.empty());
    std::string strText;
    for (char const * pcPath : {"\\StringFileInfo\\040904B0\\FileVersion", "\\stringfileinfo\\040904b0\\FILEVERSION"})
    {
        ASSERT_TRUE(QueryText(arrInfo, pcPath, strText));
        EXPECT_EQ(strText, "3, 4, 5, 6 \xe9?");
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

    // A small buffer keeps only the nodes that fit.
    std::vector<uint8_t> const arrImage = DefaultImage();
    std::vector<uint8_t> arrSmall(InfoSize(arrImage) / 2);
    ASSERT_TRUE(OEGetImageVersionInfo(arrImage.data(), arrImage.size(), arrSmall.size(), arrSmall.data()));
    EXPECT_FALSE(OEVerQueryValue(arrSmall.data(), "\\VarFileInfo\\Translation", &pValue, &uLength));
    std::vector<uint8_t> arrTiny(4);
    EXPECT_FALSE(OEGetImageVersionInfo(arrImage.data(), arrImage.size(), arrTiny.size(), arrTiny.data()));
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
    size_t const uSection = arrGood.size() - 2 * kShdrSize; // the headers come last
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
    EXPECT_EQ(Damaged(64, 0xFFFF, 2), 0u);            // root node (after the ELF header) longer than its section
    EXPECT_EQ(Damaged(64, 5, 2), 0u);                 // root node shorter than its own header
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
