#include <vellmark/propertysystem/accessors/oe_accessorcreator.h>

#include <vellmark/kernel/oe_erroradmin.h>
#include <vellmark/propertysystem/factories/oe_propertyobjectsingleton.h>
#include <vellmark/propertysystem/objects/oe_propertyobjectbase.h>
#include <vellmark/propertysystem/types/oe_propertyobjecttypebase.h>

namespace
{
    char const * const kNoBaseClass = "bCObjectRefBase";
}

bCAccessorCreator::bCAccessorCreator() : m_pInstance(nullptr) {}

bCAccessorCreator::bCAccessorCreator(bCString const & a_strClassName) : m_pInstance(nullptr)
{
    Adopt(bCPropertyObjectSingleton::GetInstance().QueryNewObject(a_strClassName));
}

bCAccessorCreator::bCAccessorCreator(bCPropertyID const &, bCString const * a_pstrClassName) : m_pInstance(nullptr)
{
    if (a_pstrClassName)
        Adopt(bCPropertyObjectSingleton::GetInstance().QueryNewObject(*a_pstrClassName));
}

bCAccessorCreator::bCAccessorCreator(bCPropertyObjectBase * a_pInstance) : m_pInstance(nullptr)
{
    SetInstance(a_pInstance);
}

bCAccessorCreator::bCAccessorCreator(bCAccessorCreator const & a_Source) : m_pInstance(nullptr)
{
    SetInstance(a_Source.m_pInstance);
}

bCAccessorCreator & bCAccessorCreator::operator=(bCAccessorCreator const & a_Source)
{
    CopyFrom(a_Source);
    return *this;
}

bCAccessorCreator::~bCAccessorCreator()
{
    if (!bCErrorAdmin::GetInstance().IsInPanicState())
        Release();
}

void bCAccessorCreator::CopyFrom(bCAccessorCreator const & a_Source)
{
    SetInstance(a_Source.m_pInstance);
}

void bCAccessorCreator::CopyTo(bCAccessorCreator & a_Dest) const
{
    a_Dest.CopyFrom(*this);
}

void bCAccessorCreator::SetInstance(bCPropertyObjectBase * a_pInstance)
{
    if (a_pInstance) // first, so that a_pInstance == m_pInstance survives
        a_pInstance->AddReference();
    Release();
    m_pInstance = a_pInstance;
}

void bCAccessorCreator::Invalidate()
{
    m_pInstance = nullptr;
}

bCPropertyObjectFactory * bCAccessorCreator::GetObjectFactory()
{
    bCPropertyObjectTypeBase * pType = m_pInstance ? m_pInstance->GetObjectType() : nullptr;
    return pType ? pType->GetObjectFactory() : nullptr;
}

bCPropertyObjectFactory const * bCAccessorCreator::GetObjectFactory() const
{
    return const_cast<bCAccessorCreator *>(this)->GetObjectFactory();
}

bCAccessorCreator bCAccessorCreator::Clone() const
{
    bCAccessorCreator Clone;
    if (!m_pInstance)
        return Clone;
    Clone.Adopt(bCPropertyObjectSingleton::GetInstance().QueryNewObject(m_pInstance->GetClassName()));
    if (Clone.m_pInstance)
        *Clone.m_pInstance = *m_pInstance;
    return Clone;
}

bool bCAccessorCreator::HasBaseClass() const
{
    return m_pInstance && m_pInstance->GetBaseClassName() != kNoBaseClass;
}

bCAccessorCreator bCAccessorCreator::QueryBaseClass() const
{
    if (!HasBaseClass())
        return bCAccessorCreator();
    return bCAccessorCreator(m_pInstance->GetBaseClassName());
}

void bCAccessorCreator::Adopt(bCPropertyObjectBase * a_pInstance)
{
    Release();
    m_pInstance = a_pInstance;
}

void bCAccessorCreator::Release()
{
    bCPropertyObjectBase * pInstance = m_pInstance;
    m_pInstance = nullptr;
    if (pInstance)
        pInstance->ReleaseReference();
}
