#include <vellmark/propertysystem/accessors/oe_accessorenum.h>

#include <vellmark/propertysystem/accessors/oe_accessorproperty.h>
#include <vellmark/propertysystem/types/oe_propertycontainer.h>
#include <vellmark/propertysystem/types/oe_propertytypebase.h>

namespace
{
    // The wrapper of an enumeration property inside the accessed object, or null.
    bCPropertyContainerBase * GetWrapper(bCAccessorProperty & a_Property)
    {
        bCPropertyTypeBase * pType = a_Property.GetPropertyTypeObject();
        bCPropertyObjectBase * pObject = a_Property.GetPropertyObject();
        if (!pType || !pObject)
            return nullptr;
        return static_cast<bCPropertyContainerBase *>(pType->GetValuePointer(pObject));
    }
} // namespace

bCAccessorEnum::bCAccessorEnum(bCAccessorProperty & a_Property) : m_Property(a_Property), m_bIsEnum(a_Property.IsEnum())
{
}

int bCAccessorEnum::GetTypeCount() const
{
    bCPropertyTypeBase const * pType = m_bIsEnum ? m_Property.GetPropertyTypeObject() : nullptr;
    return pType ? pType->GetEnumCount() : -1;
}

bCString const & bCAccessorEnum::GetEnumTypeString(int a_iIndex) const
{
    bCPropertyTypeBase const * pType = m_bIsEnum ? m_Property.GetPropertyTypeObject() : nullptr;
    bCPropertyEnumEntry const * pEntry = pType ? pType->GetEnumEntry(a_iIndex) : nullptr;
    return pEntry ? pEntry->GetEnumName() : g_strDefault;
}

int bCAccessorEnum::GetEnumTypeInt(int a_iIndex) const
{
    bCPropertyTypeBase const * pType = m_bIsEnum ? m_Property.GetPropertyTypeObject() : nullptr;
    bCPropertyEnumEntry const * pEntry = pType ? pType->GetEnumEntry(a_iIndex) : nullptr;
    return pEntry ? static_cast<int>(pEntry->GetEnumValue()) : -1;
}

int bCAccessorEnum::GetValue() const
{
    bCPropertyContainerBase const * pWrapper = m_bIsEnum ? GetWrapper(m_Property) : nullptr;
    return pWrapper ? static_cast<int>(pWrapper->GetValue()) : -1;
}

void bCAccessorEnum::SetValue(int a_iValue)
{
    if (bCPropertyContainerBase * pWrapper = m_bIsEnum ? GetWrapper(m_Property) : nullptr)
        pWrapper->SetValue(a_iValue);
}
