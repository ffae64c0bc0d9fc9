#include <vellmark/propertysystem/base/oe_objectbase.h>

#include <vellmark/kernel/oe_basemem.h>
#include <vellmark/kernel/oe_message.h>
#include <vellmark/kernel/oe_stream.h>

#include <cstdint>

namespace
{
    char const * const kModule = "propertysystem/base/oe_objectbase";
    unsigned short const kVersion = 1;

    // ReleaseReference through a null pointer must do nothing. The compiler may
    // assume that this is never null, so the address takes an opaque step first.
    inline bool IsNullObject(void const * a_pObject)
    {
        asm("" : "+r"(a_pObject));
        return a_pObject == nullptr;
    }
} // namespace

void * bCObjectBase::operator new(std::size_t a_uSize) noexcept
{
    return bCMemoryAdmin::GetInstance().NewObject(static_cast<unsigned long>(a_uSize), kModule, "bCObjectBase", nullptr,
                                                  __LINE__);
}

void * bCObjectBase::operator new(std::size_t a_uSize, char const * a_pcText1, char const * a_pcText2,
                                  char const * a_pcText3, int a_iLine) noexcept
{
    return bCMemoryAdmin::GetInstance().NewObject(static_cast<unsigned long>(a_uSize), a_pcText1, a_pcText2, a_pcText3,
                                                  a_iLine);
}

void * bCObjectBase::operator new[](std::size_t a_uSize) noexcept
{
    return bCMemoryAdmin::GetInstance().NewObject(static_cast<unsigned long>(a_uSize), kModule, "bCObjectBase[]",
                                                  nullptr, __LINE__);
}

void bCObjectBase::operator delete(void * a_pPtr) noexcept
{
    bCMemoryAdmin::GetInstance().DeleteObject(a_pPtr);
}

void bCObjectBase::operator delete(void * a_pPtr, char const *, char const *, char const *, int) noexcept
{
    bCMemoryAdmin::GetInstance().DeleteObject(a_pPtr);
}

void bCObjectBase::operator delete[](void * a_pPtr) noexcept
{
    bCMemoryAdmin::GetInstance().DeleteObject(a_pPtr);
}

bCObjectBase & bCObjectBase::operator=(bCObjectBase const & a_Source)
{
    CopyFrom(a_Source);
    return *this;
}

unsigned short bCObjectBase::GetVersion() const
{
    return kVersion;
}

bool bCObjectBase::IsValid() const
{
    return true;
}

bEResult bCObjectBase::Write(bCOStream & a_Stream)
{
    a_Stream.Write(kVersion);
    return bEResult_Ok;
}

// This warning ends right after the hint, without the blank that the other improper-usage
// reports of the library carry: client tools match the text byte for byte.
bool bCObjectBase::Write(bCOStream &) const
{
    OE_MESSAGEF_WARN("The method %s detected an improper usage! \nHint:%s", "bCObjectBase::Write()",
                     "How do you use this?");
    return true;
}

bEResult bCObjectBase::Read(bCIStream & a_Stream)
{
    unsigned short uVersion = 0;
    a_Stream.Read(uVersion);
    return bEResult_Ok;
}

void bCObjectBase::Destroy()
{
    static_cast<void>(IsValid());
}

bEResult bCObjectBase::Create()
{
    return bEResult_Ok;
}

bEResult bCObjectBase::CopyFrom(bCObjectBase const &)
{
    return bEResult_Ok;
}

unsigned long bCObjectBase::AddReference()
{
    return 1;
}

unsigned long bCObjectBase::ReleaseReference()
{
    if (IsNullObject(this))
        return 0;
    delete this;
    return 0;
}

unsigned long bCObjectBase::GetReferenceCount()
{
    return 1;
}

unsigned long bCObjectBase::GetProfileLastTicksFirst() const
{
    return 0;
}

unsigned long bCObjectBase::GetProfileLastTicksSecond() const
{
    return 0;
}

unsigned long bCObjectBase::GetProfileLastTicksThird() const
{
    return 0;
}

bCObjectBase::~bCObjectBase() {}

bCIStream & bCObjectBase::operator<<(bCIStream & a_Stream)
{
    Read(a_Stream);
    return a_Stream;
}

bCOStream & bCObjectBase::operator>>(bCOStream & a_Stream)
{
    Write(a_Stream);
    return a_Stream;
}

bCIStream & operator>>(bCIStream & a_Stream, bCObjectBase & a_Object)
{
    a_Object.Read(a_Stream);
    return a_Stream;
}

bCOStream & operator<<(bCOStream & a_Stream, bCObjectBase & a_Object)
{
    a_Object.Write(a_Stream);
    return a_Stream;
}
