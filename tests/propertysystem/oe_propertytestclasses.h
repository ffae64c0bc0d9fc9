#ifndef OE_PROPERTYTESTCLASSES_H_INCLUDED
#define OE_PROPERTYTESTCLASSES_H_INCLUDED

// Classes with properties shared by the property-system tests: a three-level
// chain (bCTestBase <- bCTestMiddle <- bCTestLeaf), a class whose notifications
// are recorded, and a class without properties.

#include <vellmark/kernel/oe_memorystream.h>
#include <vellmark/propertysystem/factories/oe_propertyregistration.h>

#include <set>
#include <string>
#include <vector>

OE_OBJECT_HIDES_VIRTUALS_BEGIN

class bCTestBase : public bCObjectRefBase
{
    OE_PROPERTY_CLASS(bCTestBase, bCObjectRefBase)
public:
    long m_lBase = 7;
};

class bCTestMiddle : public bCTestBase
{
    OE_PROPERTY_CLASS(bCTestMiddle, bCTestBase)
public:
    float m_fMiddle = 1.5f;
    bCString m_strName = "middle";
};

class bCTestLeaf : public bCTestMiddle
{
    OE_PROPERTY_CLASS(bCTestLeaf, bCTestMiddle)
public:
    short m_sLeaf = -3;
    bool m_bLeaf = true;

    bCTestLeaf() { ms_setAlive.insert(this); }
    ~bCTestLeaf() override { ms_setAlive.erase(this); }
    static inline std::set<bCTestLeaf *> ms_setAlive; // to find the objects a read left alive

    bEResult Write(bCOStream & a_Stream) override // native data after the records
    {
        a_Stream.Write(static_cast<unsigned short>(2));
        a_Stream.Write(m_u8Native);
        return bEResult_Ok;
    }
    bEResult Read(bCIStream & a_Stream) override
    {
        unsigned short uVersion = 0;
        a_Stream.Read(uVersion);
        a_Stream.Read(m_u8Native);
        return bEResult_Ok;
    }
    bEResult CopyFrom(bCObjectBase const & a_Source) override
    {
        if (bCTestLeaf const * pLeaf = dynamic_cast<bCTestLeaf const *>(&a_Source))
            m_u8Native = pLeaf->m_u8Native;
        return bEResult_Ok;
    }
    unsigned char m_u8Native = 0x11;
};

// Records every notification it receives.
class bCTestNotified : public bCObjectRefBase
{
    OE_PROPERTY_CLASS(bCTestNotified, bCObjectRefBase)
public:
    unsigned long m_uCount = 0;
    unsigned short m_uKind = 0;

    bool OnNotifyPropertyValueChangedEnterEx(char const * a_pcName, bool a_bFlag) override
    {
        ms_arrEvents.push_back(std::string("enter ") + a_pcName + (a_bFlag ? " stream" : " set"));
        return true;
    }
    bool OnNotifyPropertyValueChangedExitEx(char const * a_pcName, bool a_bFlag) override
    {
        ms_arrEvents.push_back(std::string("exit ") + a_pcName + (a_bFlag ? " stream" : " set"));
        return true;
    }
    void NotifyPropertyDeprecated(bCString const & a_strName, bCString const & a_strValueType, bCMemoryStream & a_Data,
                                  unsigned short a_uVersion) override
    {
        std::string strBytes;
        long long const i64Position = a_Data.GetPosition();
        for (unsigned char uByte = 0; a_Data.Read(&uByte, 1) == 1;)
            strBytes += "0123456789abcdef"[uByte >> 4], strBytes += "0123456789abcdef"[uByte & 15];
        a_Data.SetPosition(i64Position, bEStreamSeekMode_Begin);
        ms_arrEvents.push_back(std::string("deprecated ") + a_strName.GetText() + " " + a_strValueType.GetText() +
                               " pos " + std::to_string(a_Data.GetPosition()) + " size " +
                               std::to_string(a_Data.GetSize()) + " version " + std::to_string(a_uVersion) + " bytes " + strBytes);
    }
    static inline std::vector<std::string> ms_arrEvents;
};

// Holds a nested object of its own class in its native data, to any depth.
class bCTestNest : public bCObjectRefBase
{
    OE_PROPERTY_CLASS(bCTestNest, bCObjectRefBase)
public:
    ~bCTestNest() override { SetChild(nullptr); }
    void SetChild(bCPropertyObjectBase * a_pChild)
    {
        if (m_pChild)
            m_pChild->ReleaseReference();
        m_pChild = a_pChild;
    }
    bEResult Write(bCOStream & a_Stream) override
    {
        a_Stream.Write(static_cast<unsigned short>(1));
        a_Stream.Write(m_pChild != nullptr);
        if (m_pChild)
            bCPropertyObjectSingleton::GetInstance().WriteObject(a_Stream, m_pChild);
        return bEResult_Ok;
    }
    bEResult Read(bCIStream & a_Stream) override
    {
        unsigned short uVersion = 0;
        bool bChild = false;
        a_Stream.Read(uVersion);
        a_Stream.Read(bChild);
        SetChild(bChild ? bCPropertyObjectSingleton::GetInstance().ReadNewObject(a_Stream) : nullptr);
        return bEResult_Ok;
    }
    long m_lDepth = 0;
    bCPropertyObjectBase * m_pChild = nullptr;
};

// Holds a property object as a property value.
class bCTestHolder : public bCObjectRefBase
{
    OE_PROPERTY_CLASS(bCTestHolder, bCObjectRefBase)
public:
    bTPropertyObject<bCTestNotified, bCObjectRefBase> m_Inner;
    long m_lOuter = 3;
};

class bCTestEmpty : public bCObjectRefBase
{
    OE_PROPERTY_CLASS(bCTestEmpty, bCObjectRefBase)
};

OE_OBJECT_HIDES_VIRTUALS_END

inline bCPropertyObjectSingleton & Registry()
{
    return bCPropertyObjectSingleton::GetInstance();
}

#endif
