// Object bases and the object-model event read from arbitrary bytes. Each
// byte of a prefix of the input picks which kind of object reads next; every
// read must succeed, take at most one version word and leave the object's
// count and created flag as they were.

#include <vellmark/kernel/oe_eventobject.h>
#include <vellmark/kernel/oe_memorystream.h>
#include <vellmark/propertysystem/base/oe_objectbase.h>
#include <vellmark/propertysystem/base/oe_objectrefbase.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace
{
    void Check(bool a_bCondition)
    {
        if (!a_bCondition)
            std::abort();
    }

    class bCPlainObject : public bCObjectBase
    {
    };
    class bCRefObject : public bCObjectRefBase
    {
    };
} // namespace

extern "C" int LLVMFuzzerTestOneInput(uint8_t const * a_pData, size_t a_uSize)
{
    if (a_uSize == 0)
        return 0;
    size_t const uRecipe = a_pData[0] % 8;
    if (a_uSize < 1 + uRecipe)
        return 0;
    bCMemoryStream Stream;
    Stream.Write(a_pData + 1 + uRecipe, static_cast<unsigned long>(a_uSize - 1 - uRecipe));
    Stream.SetPosition(0, bEStreamSeekMode_Begin);

    bCPlainObject Plain;
    bCRefObject Referenced;
    bCEvent Event;
    Referenced.Create();
    bCObjectBase * const arrObjects[] = {&Plain, &Referenced, &Event};
    for (size_t uStep = 0; Stream.GetPosition() < Stream.GetSize(); ++uStep)
    {
        long long const i64Before = Stream.GetPosition();
        long long const i64Left = Stream.GetSize() - i64Before;
        uint8_t const u8Kind = uStep < uRecipe ? a_pData[1 + uStep] : static_cast<uint8_t>(uStep);
        Check(arrObjects[u8Kind % 3]->Read(Stream) == bEResult_Ok);
        Check(Stream.GetPosition() - i64Before == (i64Left < 2 ? i64Left : 2));
    }
    Check(Referenced.IsValid() && Referenced.GetReferenceCount() == 1);
    Check(!Event.IsValid() && Event.GetReferenceCount() == 1);
    return 0;
}
