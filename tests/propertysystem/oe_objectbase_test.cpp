#include <vellmark/kernel/oe_memorystream.h>
#include <vellmark/platform/oe_heap.h>
#include <vellmark/platform/oe_messagebox.h>
#include <vellmark/propertysystem/base/oe_objectbase.h>

#include "kernel/oe_stream_testsupport.h"
#include "propertysystem/oe_objecttestsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
    class bCPlainObject : public bCObjectBase
    {
    public:
        ~bCPlainObject() override { ++ms_iDestructions; }
        static inline int ms_iDestructions = 0;
    };

    // The constant Write is private on purpose; a test reaches it the way an
    // explicit instantiation may, without access checks.
    using FConstWrite = bool (bCObjectBase::*)(bCOStream &) const;
    FConstWrite GetConstWrite();
    template <FConstWrite MEMBER> struct bTConstWriteAccess
    {
        friend FConstWrite GetConstWrite() { return MEMBER; }
    };
    template struct bTConstWriteAccess<&bCObjectBase::Write>;

    std::vector<std::string> g_arrBoxes;
    int RecordBox(char const * a_pcText, char const * a_pcCaption, unsigned int)
    {
        g_arrBoxes.push_back(std::string(a_pcCaption) + ": " + a_pcText);
        return IDOK;
    }
} // namespace

TEST(bCObjectBase, StorageConstantWriteAndTheVersionWord)
{
    bCCountedObject::ms_iDestructions = 0;
    bCObjectBase * pObject = new bCBigObject;
    ASSERT_NE(pObject, nullptr);
    EXPECT_FALSE(IsBigBlockFreeAt(pObject)); // the object holds the pool's big block
    EXPECT_EQ(pObject->bCObjectBase::ReleaseReference(), 0ul);
    EXPECT_EQ(bCCountedObject::ms_iDestructions, 1);
    EXPECT_TRUE(IsBigBlockFreeAt(pObject));

    // A failed allocation yields null without construction.
    g_arrBoxes.clear();
    OEMessageBoxHandler funcPrevious = OESetMessageBoxHandler(&RecordBox);
    OEHeapInjectFailure(1, 1);
    pObject = new bCPlainObject;
    OEHeapStopFailures();
    OESetMessageBoxHandler(funcPrevious);
    EXPECT_EQ(pObject, nullptr);
    ASSERT_EQ(g_arrBoxes.size(), 1u);
    EXPECT_EQ(g_arrBoxes[0].rfind("Memory error: ", 0), 0u);

    // The constant Write warns and writes nothing.
    bCPlainObject const Object;
    bCMemoryStream Stream;
    CWarningRecorder Recorder;
    EXPECT_TRUE((Object.*GetConstWrite())(Stream));
    std::vector<std::string> const arrWarnings = Recorder.Stop();
    ASSERT_EQ(arrWarnings.size(), 1u);
    EXPECT_EQ(arrWarnings[0],
              "The method bCObjectBase::Write() detected an improper usage! \nHint:How do you use this?");
    EXPECT_EQ(Stream.GetSize(), 0);

    // Both bases write the version word 1 through every operator and read one of any value, or what is there of it.
    bCPlainObject Plain;
    bCMemoryStream Written;
    EXPECT_EQ(Plain.Write(Written), bEResult_Ok);
    EXPECT_EQ(&(Written << Plain), &Written);
    EXPECT_EQ(&(Plain >> Written), &Written);
    EXPECT_EQ(GetBytes(Written), CBytes({1, 0, 1, 0, 1, 0}));
    Written.SetPosition(0, bEStreamSeekMode_Begin);
    EXPECT_EQ(&(Plain << Written), &Written);
    EXPECT_EQ(&(Written >> Plain), &Written);
    EXPECT_EQ(Written.GetPosition(), 4);
    bCCountedObject Counted;
    Counted.Create();
    for (bCObjectBase * pObject : {static_cast<bCObjectBase *>(&Plain), static_cast<bCObjectBase *>(&Counted)})
        for (CBytes const & arrInput : {CBytes{1, 0, 9}, CBytes{0xFF, 0xFF, 9}, CBytes{1}, CBytes{}})
        {
            SCOPED_TRACE(arrInput.size());
            bCMemoryStream Input;
            Fill(Input, arrInput);
            EXPECT_EQ(pObject->Read(Input), bEResult_Ok);
            EXPECT_EQ(Input.GetPosition(), std::min<long long>(2, static_cast<long long>(arrInput.size())));
        }
    EXPECT_EQ(AccessReferenceWord(Counted), 0x80000000u | 1u);
}

// Both bases write the version word 1 through every operator and read one of any value, or what is
// there of it; the reference-counted one's state stays as it was.
