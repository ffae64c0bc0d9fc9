// Registration of the accessor test classes (oe_accessortestclasses.h).

#include "propertysystem/accessors/oe_accessortestclasses.h"

#include <cstddef>

OE_PROPERTY(bCAccChainBase, m_fBaseValue, "BaseValue")
OE_PROPERTY_OBJECT(bCAccChainBase)

OE_PROPERTY(bCAccChainMiddle, m_lMiddleCount, "MiddleCount")
OE_PROPERTY(bCAccChainMiddle, m_strMiddleName, "MiddleName")
OE_PROPERTY_OBJECT(bCAccChainMiddle)

OE_PROPERTY(bCAccChainLeaf, m_bLeafFlag, "LeafFlag")
OE_PROPERTY(bCAccChainLeaf, m_lLeafCount, "LeafCount")
OE_PROPERTY_OBJECT(bCAccChainLeaf)

OE_PROPERTY(bCAccGapBottom, m_fBottom, "Bottom")
OE_PROPERTY_OBJECT(bCAccGapBottom)
OE_PROPERTY_OBJECT(bCAccGapEmpty)
OE_PROPERTY(bCAccGapTop, m_fTop, "Top")
OE_PROPERTY_OBJECT(bCAccGapTop)

OE_PROPERTY(bCAccAllTypes, m_strString, "String")
OE_PROPERTY(bCAccAllTypes, m_strUnicode, "Unicode")
OE_PROPERTY(bCAccAllTypes, m_Guid, "Guid")
OE_PROPERTY(bCAccAllTypes, m_ObjectBase, "ObjectBase")
OE_PROPERTY(bCAccAllTypes, m_Embedded, "Embedded")
OE_PROPERTY(bCAccAllTypes, m_fFloat, "Float")
OE_PROPERTY(bCAccAllTypes, m_dDouble, "Double")
OE_PROPERTY(bCAccAllTypes, m_bBool, "Bool")
OE_PROPERTY(bCAccAllTypes, m_cChar, "Char")
OE_PROPERTY(bCAccAllTypes, m_scSignedChar, "SignedChar")
OE_PROPERTY(bCAccAllTypes, m_ucUnsignedChar, "UnsignedChar")
OE_PROPERTY(bCAccAllTypes, m_sShort, "Short")
OE_PROPERTY(bCAccAllTypes, m_usUnsignedShort, "UnsignedShort")
OE_PROPERTY(bCAccAllTypes, m_iInt, "Int")
OE_PROPERTY(bCAccAllTypes, m_uUnsignedInt, "UnsignedInt")
OE_PROPERTY(bCAccAllTypes, m_lLong, "Long")
OE_PROPERTY(bCAccAllTypes, m_ulUnsignedLong, "UnsignedLong")
OE_PROPERTY(bCAccAllTypes, m_llInt64, "Int64")
OE_PROPERTY(bCAccAllTypes, m_ullUnsignedInt64, "UnsignedInt64")
OE_PROPERTY(bCAccAllTypes, m_strAnimation, "Animation")
OE_PROPERTY(bCAccAllTypes, m_strScript, "Script")
OE_PROPERTY(bCAccAllTypes, m_strImage, "Image")
OE_PROPERTY(bCAccAllTypes, m_PlainContainer, "PlainContainer")
OE_PROPERTY_OBJECT(bCAccAllTypes)

// An enumeration property: the property type holds the table of entries.
namespace
{
    bCPropertyEnumTable * CreateColourTable()
    {
        bCPropertyEnumTable * pTable = new bCPropertyEnumTable;
        pTable->Add(new bCPropertyEnumValue("Red", bEAccColour_Red));
        pTable->Add(new bCPropertyEnumValue("Green", bEAccColour_Green));
        pTable->Add(new bCPropertyEnumValue("Blue", bEAccColour_Blue));
        return pTable;
    }

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
    bTPropertyType<bCAccAllTypes, bTPropertyContainer<bEAccColour>> s_ColourType(offsetof(bCAccAllTypes, m_Colour),
                                                                                 "Colour", "", "",
                                                                                 bEPropertyType_Normal, false,
                                                                                 CreateColourTable());
#pragma GCC diagnostic pop
} // namespace
