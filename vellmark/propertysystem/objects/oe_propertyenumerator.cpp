#include <vellmark/propertysystem/objects/oe_propertyenumerator.h>

#include <vellmark/propertysystem/factories/oe_propertyobjectfactory.h>
#include <vellmark/propertysystem/factories/oe_propertyobjectsingleton.h>
#include <vellmark/propertysystem/types/oe_propertyobjecttypebase.h>
#include <vellmark/propertysystem/types/oe_propertytypebase.h>

namespace
{
    // An accessor stands only on a class that has a root object.
    bCPropertyObjectTypeBase const * StandOn(bCPropertyObjectTypeBase const * a_pClassType)
    {
        if (!a_pClassType || !a_pClassType->GetObjectFactory() || !a_pClassType->GetObjectFactory()->GetRootObject())
            return nullptr;
        return a_pClassType;
    }
} // namespace

bCPropertyEnumerator::bCPropertyEnumerator(bCPropertyObjectTypeBase const * a_pClassType) :
    m_pClassType(StandOn(a_pClassType)), m_iIndex(0)
{
}

bool bCPropertyEnumerator::IsValid() const
{
    return m_pClassType && m_iIndex < m_pClassType->GetPropertyTypeCount();
}

bCPropertyTypeBase * bCPropertyEnumerator::GetPropertyType() const
{
    return IsValid() ? m_pClassType->GetPropertyType(m_iIndex) : nullptr;
}

bool bCPropertyEnumerator::Next()
{
    if (!m_pClassType)
        return false;
    if (++m_iIndex >= m_pClassType->GetPropertyTypeCount())
    {
        m_iIndex = 0;
        m_pClassType = StandOn(GetBaseClassType(m_pClassType));
    }
    return IsValid();
}

bCPropertyObjectTypeBase const * bCPropertyEnumerator::GetBaseClassType(bCPropertyObjectTypeBase const * a_pClassType)
{
    if (!a_pClassType || a_pClassType->GetBaseClassName() == "bCObjectRefBase")
        return nullptr;
    return bCPropertyObjectSingleton::GetInstance().FindTemplate(a_pClassType->GetBaseClassName());
}

bCPropertyTypeBase * bCPropertyEnumerator::Resolve(bCPropertyObjectTypeBase const * a_pClassType,
                                                   bCString const & a_strName)
{
    for (bCPropertyEnumerator It(a_pClassType); It.IsValid(); It.Next())
        if (It.GetPropertyType()->GetPropertyName() == a_strName)
            return It.GetPropertyType();
    return nullptr;
}
