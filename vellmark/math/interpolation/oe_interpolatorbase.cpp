#include <vellmark/math/interpolation/oe_interpolatorbase.h>
#include <vellmark/math/interpolation/oe_interpolatorwarning.h>

#include <vellmark/kernel/oe_basemem.h>
#include <vellmark/kernel/oe_message.h>

namespace
{
    char const * const kModule = "math/interpolation/oe_interpolatorbase";
    char const * const kImproperUsage = "The method %s detected an improper usage! \nHint:%s ";
    int const kWarningPriority = 5;
} // namespace

void * bCInterpolatorBase::operator new(std::size_t a_uSize) noexcept
{
    return bCMemoryAdmin::GetInstance().NewObject(static_cast<unsigned long>(a_uSize), kModule, "bCInterpolatorBase",
                                                  nullptr, __LINE__);
}

void bCInterpolatorBase::operator delete(void * a_pPtr) noexcept
{
    bCMemoryAdmin::GetInstance().DeleteObject(a_pPtr);
}

bCInterpolatorBase::bCInterpolatorBase() : m_eType(bEInterpolator_None), m_iFrameBegin(-1), m_iFrameEnd(-1) {}

// An interpolator belongs to the arrays it is attached to: a copy would share them unnoticed.
bCInterpolatorBase::bCInterpolatorBase(bCInterpolatorBase const &) :
    m_eType(bEInterpolator_None), m_iFrameBegin(-1), m_iFrameEnd(-1)
{
    OE_MESSAGEF_WARN(kImproperUsage, "bCInterpolatorBase [Copy constructor]", "Copying forbidden!");
}

bCInterpolatorBase::~bCInterpolatorBase() = default;

bCInterpolatorBase & bCInterpolatorBase::operator=(bCInterpolatorBase const &)
{
    OE_MESSAGEF_WARN(kImproperUsage, "bCInterpolatorBase::operator = ( const bCInterpolatorBase& )",
                     "Copying forbidden!");
    return *this;
}

bCIStream & bCInterpolatorBase::operator<<(bCIStream & a_Stream)
{
    Read(a_Stream);
    return a_Stream;
}

bCOStream & bCInterpolatorBase::operator>>(bCOStream & a_Stream)
{
    Write(a_Stream);
    return a_Stream;
}

void g_InterpolatorWarning(char const * a_pcText)
{
    bCMessageAdmin::GetInstance().OnMessage(bEMessageTypes_Warn, a_pcText, nullptr, nullptr, -1, kWarningPriority);
}
