// Property-object files from arbitrary bytes: ReadFile, then every object in
// the body by class name. The first byte picks whether the body is read with
// the file's string table or in forced legacy mode. Fatal errors that crafted
// files may reach (property-data version 0) continue through the fatal hook.

#include <vellmark/kernel/oe_erroradmin.h>
#include <vellmark/propertysystem/factories/oe_propertyregistration.h>
#include <vellmark/propertysystem/persistence/oe_postream.h>

#include <cstddef>
#include <cstdint>

OE_OBJECT_HIDES_VIRTUALS_BEGIN

class bCFuzzBase : public bCObjectRefBase
{
    OE_PROPERTY_CLASS(bCFuzzBase, bCObjectRefBase)
public:
    long m_lValue = 0;
    bCString m_strText;
};

// Holds a nested object in its native data, so that nesting depth is reachable.
class bCFuzzNode : public bCFuzzBase
{
    OE_PROPERTY_CLASS(bCFuzzNode, bCFuzzBase)
public:
    ~bCFuzzNode() override
    {
        if (m_pChild)
            m_pChild->ReleaseReference();
    }
    bEResult Read(bCIStream & a_Stream) override
    {
        unsigned short uVersion = 0;
        bool bChild = false;
        a_Stream.Read(uVersion);
        a_Stream.Read(bChild);
        if (m_pChild)
            m_pChild->ReleaseReference();
        m_pChild = bChild ? bCPropertyObjectSingleton::GetInstance().ReadNewObject(a_Stream) : nullptr;
        return bEResult_Ok;
    }
    float m_fValue = 0.0f;
    bool m_bFlag = false;
    bCPropertyObjectBase * m_pChild = nullptr;
};

OE_OBJECT_HIDES_VIRTUALS_END

OE_PROPERTY(bCFuzzBase, m_lValue, "Value")
OE_PROPERTY(bCFuzzBase, m_strText, "Text")
OE_PROPERTY_OBJECT(bCFuzzBase)
OE_PROPERTY(bCFuzzNode, m_fValue, "Float")
OE_PROPERTY(bCFuzzNode, m_bFlag, "Flag")
OE_PROPERTY_OBJECT(bCFuzzNode)

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
    bCPOStream Main;
    if (!Main.ReadFile(Input))
        return 0;
    if (a_pData[0] & 1)
        Main.ForceLegacyMode();
    while (Main.GetPosition() < Main.GetSize())
    {
        long long const i64Before = Main.GetPosition();
        if (bCPropertyObjectBase * pObject = bCPropertyObjectSingleton::GetInstance().ReadNewObject(Main))
            pObject->ReleaseReference();
        if (Main.GetPosition() == i64Before)
            break;
    }
    return 0;
}
