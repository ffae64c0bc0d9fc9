// The inspector of property-object files with arbitrary bytes. Objects of the
// one class registered here are also read through the registry. No fatal hook
// is set: the inspector must never lead the library into a fatal error, and
// whatever it reports as damage must lie inside the input.

#include <vellmark/propertysystem/accessors/oe_pofileinspector.h>
#include <vellmark/propertysystem/factories/oe_propertyregistration.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

class bCFuzzInspected : public bCObjectRefBase
{
    OE_PROPERTY_CLASS(bCFuzzInspected, bCObjectRefBase)
public:
    float m_fSpeed = 1.0f;
    bCString m_strTag;
    long m_lCount = 0;
};

OE_PROPERTY(bCFuzzInspected, m_fSpeed, "Speed")
OE_PROPERTY(bCFuzzInspected, m_strTag, "Tag")
OE_PROPERTY(bCFuzzInspected, m_lCount, "Count")
OE_PROPERTY_OBJECT(bCFuzzInspected)

extern "C" int LLVMFuzzerTestOneInput(uint8_t const * a_pData, size_t a_uSize)
{
    bSPOInspection const Inspection = bCPOFileInspector::Inspect(a_pData, a_uSize);
    if (Inspection.m_bDamaged && Inspection.m_u64DamageOffset > a_uSize)
        std::abort();
    bCPOFileInspector::FormatText(Inspection);
    return 0;
}
