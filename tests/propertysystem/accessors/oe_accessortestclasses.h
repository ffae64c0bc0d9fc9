#ifndef OE_ACCESSORTESTCLASSES_H_INCLUDED
#define OE_ACCESSORTESTCLASSES_H_INCLUDED

// Classes with properties for the accessor tests; their properties and root
// objects are registered in oe_accessortestclasses_test.cpp.
//
// - A three-level chain: bCAccChainLeaf (2 properties) derives from
//   bCAccChainMiddle (2), which derives from bCAccChainBase (1).
// - A chain with a gap: bCAccGapTop (1) derives from bCAccGapEmpty (none),
//   which derives from bCAccGapBottom (1).
// - bCAccAllTypes: one property of every value type the accessors convert,
//   except the maths types (oe_accessormathtypes_test.cpp).

#include <vellmark/kernel/oe_guid.h>
#include <vellmark/kernel/oe_unicodestring.h>
#include <vellmark/propertysystem/factories/oe_propertyregistration.h>
#include <vellmark/propertysystem/types/oe_propertycontainer.h>
#include <vellmark/propertysystem/types/oe_propertystrings.h>

#include <string>
#include <vector>

// Records the change notifications it receives.
class bCAccNotified : public bCObjectRefBase
{
public:
    bool OnNotifyPropertyValueChangedEnterEx(char const * a_pcName, bool a_bFromStream) override
    {
        m_arrCalls.push_back(std::string("enter ") + a_pcName + (a_bFromStream ? " 1" : " 0"));
        return true;
    }
    bool OnNotifyPropertyValueChangedExitEx(char const * a_pcName, bool a_bFromStream) override
    {
        m_arrCalls.push_back(std::string("exit ") + a_pcName + (a_bFromStream ? " 1" : " 0"));
        return true;
    }

    std::vector<std::string> m_arrCalls;
};

class bCAccChainBase : public bCAccNotified
{
    OE_PROPERTY_CLASS(bCAccChainBase, bCObjectRefBase)
public:
    float m_fBaseValue = 2.0f;
};

class bCAccChainMiddle : public bCAccChainBase
{
    OE_PROPERTY_CLASS(bCAccChainMiddle, bCAccChainBase)
public:
    long m_lMiddleCount = 7;
    bCString m_strMiddleName = "middle";
};

class bCAccChainLeaf : public bCAccChainMiddle
{
    OE_PROPERTY_CLASS(bCAccChainLeaf, bCAccChainMiddle)
public:
    bool m_bLeafFlag = true;
    long m_lLeafCount = 3;
};

class bCAccGapBottom : public bCObjectRefBase
{
    OE_PROPERTY_CLASS(bCAccGapBottom, bCObjectRefBase)
public:
    float m_fBottom = 1.0f;
};

class bCAccGapEmpty : public bCAccGapBottom
{
    OE_PROPERTY_CLASS(bCAccGapEmpty, bCAccGapBottom)
};

class bCAccGapTop : public bCAccGapEmpty
{
    OE_PROPERTY_CLASS(bCAccGapTop, bCAccGapEmpty)
public:
    float m_fTop = 2.0f;
};

enum bEAccColour
{
    bEAccColour_Red = 1,
    bEAccColour_Green = 2,
    bEAccColour_Blue = 4,
};

class bCAccAllTypes : public bCAccNotified
{
    OE_PROPERTY_CLASS(bCAccAllTypes, bCObjectRefBase)
public:
    bCString m_strString;
    bCUnicodeString m_strUnicode;
    bCGuid m_Guid;
    bCObjectBase m_ObjectBase;
    bTPropertyObject<bCAccChainBase, bCObjectRefBase> m_Embedded;
    float m_fFloat = 2.0f;
    double m_dDouble = 2.0;
    bool m_bBool = true;
    char m_cChar = 10;
    signed char m_scSignedChar = -10;
    unsigned char m_ucUnsignedChar = 200;
    short m_sShort = -300;
    unsigned short m_usUnsignedShort = 60000;
    int m_iInt = 100;
    unsigned int m_uUnsignedInt = 4000000000u;
    long m_lLong = -5;
    unsigned long m_ulUnsignedLong = 5;
    long long m_llInt64 = -9000000000LL;
    unsigned long long m_ullUnsignedInt64 = 18000000000000000000ULL;
    bCAnimationResourceString m_strAnimation;
    bCScriptString m_strScript;
    bCImageOrMaterialResourceString m_strImage;
    bTPropertyContainer<bEAccColour> m_Colour;
    bTPropertyContainer<bEAccColour> m_PlainContainer; // no enumeration table
};

#endif
