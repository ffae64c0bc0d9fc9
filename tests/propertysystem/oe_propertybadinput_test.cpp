// Damaged property-object files: truncated at every byte, unknown classes,
// out-of-range string indices, oversized counts and nesting deeper than any
// real file. Reading must stop or skip, never crash, hang or over-allocate.

#include "propertysystem/oe_propertybytes.h"
#include "propertysystem/oe_propertytestclasses.h"
#include "support/oe_messagerecorder.h"

#include <vellmark/propertysystem/persistence/oe_classlayout.h>
#include <vellmark/propertysystem/persistence/oe_postream.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace
{
    // A file of a leaf, an object of a class this program does not know and a notified object.
    std::string MakeFile()
    {
        bCMemoryStream File;
        bCPOStream Main;
        bCPOStream::DisableLegacyMode();
        for (char const * pcClass : {"bCTestLeaf", "bCTestEmpty", "bCTestNotified"})
        {
            bCPropertyObjectBase * pObject = Registry().QueryNewObject(pcClass);
            Registry().WriteObject(Main, pObject);
            pObject->ReleaseReference();
        }
        Main.WriteFile(File);
        std::string strFile = GetContent(File);
        strFile.replace(strFile.find("bCTestEmpty"), 11, "bCTestGone1"); // a class of another module
        return strFile;
    }

    // Reads every object of the file; the number of objects read.
    int ReadFile(std::string const & a_strFile)
    {
        bCMemoryStream File;
        SetContent(File, a_strFile);
        bCPOStream Main;
        if (!Main.ReadFile(File))
            return -1;
        int iRead = 0;
        for (int iGuard = 0; Main.GetPosition() < Main.GetSize() && iGuard < 100; ++iGuard)
            if (bCPropertyObjectBase * pObject = Registry().ReadNewObject(Main))
                iRead += 1, pObject->ReleaseReference();
        return iRead;
    }
} // namespace

TEST(bCPropertyObjectSingleton, DamagedFilesDeepNestingAndPlainStreams)
{
    bCMessageRecorder Recorder;
    EXPECT_EQ(ReadFile(MakeFile()), 2);
    EXPECT_NE(Recorder.GetAll().find("bCPropertyObjectSingleton::ReadNewObject - can´t find class: 'bCTestGone1'. "
                                     "Object can´t be created (missing class template). Skipping object...\n"),
              std::string::npos);

    // A consistent file whose body ends early: every object read stops at the end of the input.
    std::string const strFile = MakeFile();
    uint32_t uStrings = 0;
    std::memcpy(&uStrings, strFile.data() + 3, 4);
    size_t uTableEnd = 7;
    for (uint32_t u = 0; u < uStrings; ++u)
        uTableEnd += 2 + static_cast<uint8_t>(strFile[uTableEnd]) + 256 * static_cast<uint8_t>(strFile[uTableEnd + 1]);
    uint32_t uBodySize = 0;
    std::memcpy(&uBodySize, strFile.data() + uTableEnd, 4);
    std::string const strBody = strFile.substr(uTableEnd + 4);
    bCFatalHookScope FatalHook; // a cut before a data version reads version 0, which is fatal
    ASSERT_EQ(strBody.size(), uBodySize);
    for (size_t uCut = 0; uCut <= strBody.size(); ++uCut)
    {
        SCOPED_TRACE(uCut);
        std::string const strCut = strFile.substr(0, uTableEnd) + bCBytes().U32(static_cast<uint32_t>(uCut)).Get() +
                                   strBody.substr(0, uCut);
        EXPECT_LE(ReadFile(strCut), 2);
    }

    // Crafted indices and counts.
    auto const File = [](bCBytes const & a_Body) {
        return bCBytes().U16(1).U8(1).U32(1).Str("bCTestLeaf").Sized(a_Body).Get();
    };
    bCBytes const Header = bCBytes().U16(1).U8(1).U16(0).U16(1).U8(0).U16(83);
    struct
    {
        char const * m_pcCase;
        std::string m_strFile;
    } const arrCases[] = {
        {"class index out of range", File(bCBytes().U16(1).U8(1).U16(7))},
        {"record count larger than the file",
         File(bCBytes().Bytes(Header).Sized(bCBytes().U16(30).U32(0xFFFFFFFF).U16(0).U16(0)))},
    };
    for (auto const & Case : arrCases)
    {
        SCOPED_TRACE(Case.m_pcCase);
        EXPECT_LE(ReadFile(Case.m_strFile), 1);
    }

    // Nesting deeper than 64 levels is skipped.
    bCPropertyObjectBase * pOuter = nullptr;
    for (int i = 0; i < 200; ++i)
    {
        bCPropertyObjectBase * pObject = Registry().QueryNewObject("bCTestNest");
        static_cast<bCTestNest *>(pObject->GetNativeObject())->SetChild(pOuter);
        pOuter = pObject;
    }
    bCMemoryStream Nested;
    Registry().WriteObject(Nested, pOuter);
    pOuter->ReleaseReference();
    Nested.SetPosition(0, bEStreamSeekMode_Begin);
    bCMessageRecorder NestRecorder;
    bCPropertyObjectBase * pRead = Registry().ReadNewObject(Nested);
    ASSERT_NE(pRead, nullptr);
    EXPECT_EQ(Nested.GetPosition(), Nested.GetSize());
    int iDepth = 0;
    for (bCPropertyObjectBase * p = pRead; p; p = static_cast<bCTestNest *>(p->GetNativeObject())->m_pChild)
        ++iDepth;
    EXPECT_EQ(iDepth, 65); // the 65th object was skipped by its size: it is there without its data
    EXPECT_NE(NestRecorder.GetAll().find("bTPropertyObject::Read - objects nested deeper than 64 levels; skipping the object"),
              std::string::npos);
    pRead->ReleaseReference();

    // Plain streams, which cannot seek, stop at their end.
    auto const Data = [](bCBytes const & a_Records) { return bCBytes().U16(83).Sized(a_Records).Get(); };
    struct
    {
        char const * m_pcCase;
        std::string m_strBytes;
    } const arrPlain[] = {
        {"record count larger than the input", Data(bCBytes().U16(30).U32(0xFFFFFFFF).Str("Gone").Str("int"))},
        {"changed value type larger than the input",
         Data(bCBytes().U16(30).U32(1).Str("Count").Str("float").U16(30).U32(0x7FFFFFF0).U32(1))},
    };
    for (auto const & Case : arrPlain)
    {
        SCOPED_TRACE(Case.m_pcCase);
        bCPlainInput Input(Case.m_strBytes);
        bCPropertyObjectBase * pObject = Registry().QueryNewObject("bCTestNotified");
        pObject->Read(Input);
        EXPECT_TRUE(Input.AtEnd());
        pObject->ReleaseReference();
    }
    bCPlainInput Factory(bCBytes().U16(1).U32(0xFFFFFFFF).U16(1).U8(0).U16(83).U32(0xFFFFFFFF).Get());
    EXPECT_EQ(bCPropertyObjectFactory::ReadSkip(Factory), 1);
    EXPECT_TRUE(Factory.AtEnd());

    // A layout count larger than the input, cut at every byte: as many layouts
    // as from a memory stream, where the end is known, and none made up.
    std::string const strLayouts = bCBytes()
                                       .U16(1).Str("bCTestMiddle").U16(1).U8(1).U32(0xFFFFFFFF)
                                       .U16(1).U16(30).U8(2).Str("Middle").Str("float").Str("bCTestMiddle")
                                       .U16(1).U16(30).U8(2).Str("Name").Str("bCString").Str("bCTestMiddle")
                                       .Get();
    for (size_t uCut = 0; uCut <= strLayouts.size(); ++uCut)
    {
        SCOPED_TRACE(uCut);
        bCMemoryStream Known;
        SetContent(Known, strLayouts.substr(0, uCut));
        bCClassLayout FromKnown, FromPlain, FromUnseekable;
        FromKnown.Read(Known);
        bCPlainInput Plain(strLayouts.substr(0, uCut));
        FromPlain.Read(Plain);
        bCUnseekableInput Unseekable(strLayouts.substr(0, uCut));
        FromUnseekable.Read(Unseekable);
        EXPECT_TRUE(Plain.AtEnd() && Unseekable.AtEnd());
        EXPECT_EQ(FromPlain.GetPropertyLayouts().GetCount(), FromKnown.GetPropertyLayouts().GetCount());
        EXPECT_EQ(FromUnseekable.GetPropertyLayouts().GetCount(), FromKnown.GetPropertyLayouts().GetCount());
        EXPECT_EQ(FromPlain.GetPropertyLayouts().GetCount(), uCut < 24 ? 0 : uCut < 58 ? 1 : 2);
    }

    bCPlainInput PlainFile(bCBytes().U16(1).U8(1).U32(0).U32(0xFFFFFFF0).U32(7).Get());
    bCPOStream PlainMain;
    EXPECT_FALSE(PlainMain.ReadFile(PlainFile));
}


