// Set, class and property layouts from arbitrary bytes; what was read is
// written again. The first byte picks the layout kind. A layout whose value
// type differs from a registered property continues through the fatal hook.

#include <vellmark/kernel/oe_erroradmin.h>
#include <vellmark/kernel/oe_memorystream.h>
#include <vellmark/propertysystem/factories/oe_propertyregistration.h>
#include <vellmark/propertysystem/persistence/oe_classlayout.h>

#include <cstddef>
#include <cstdint>

OE_OBJECT_HIDES_VIRTUALS_BEGIN

class bCFuzzLayoutClass : public bCObjectRefBase
{
    OE_PROPERTY_CLASS(bCFuzzLayoutClass, bCObjectRefBase)
public:
    long m_lValue = 0;
    float m_fValue = 0.0f;
};

OE_OBJECT_HIDES_VIRTUALS_END

OE_PROPERTY(bCFuzzLayoutClass, m_lValue, "Value")
OE_PROPERTY(bCFuzzLayoutClass, m_fValue, "Float")
OE_PROPERTY_OBJECT(bCFuzzLayoutClass)

namespace
{
    void IgnoreFatal(char const *, char const *, int) {}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(uint8_t const * a_pData, size_t a_uSize)
{
    if (a_uSize == 0)
        return 0;
    bCErrorAdmin::SetFatalHook(&IgnoreFatal);
    bCMemoryStream Input;
    Input.Write(a_pData + 1, static_cast<unsigned long>(a_uSize - 1));
    Input.SetPosition(0, bEStreamSeekMode_Begin);
    bCMemoryStream Output;
    switch (a_pData[0] % 3)
    {
    case 0: {
        bCSetLayout Layout;
        Layout.Read(Input);
        Layout.Write(Output);
        break;
    }
    case 1: {
        bCClassLayout Layout;
        Layout.Read(Input);
        Layout.Write(Output);
        break;
    }
    default: {
        bCPropertyLayout Layout;
        Layout.Read(Input);
        Layout.Write(Output);
        break;
    }
    }
    return 0;
}
