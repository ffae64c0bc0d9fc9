#ifndef OE_PROPERTYOBJECTTYPE_H_INCLUDED
#define OE_PROPERTYOBJECTTYPE_H_INCLUDED

// bTPropertyObjectType<CLASS, BASECLASS>: the type object of CLASS, one per
// process (GetStaticType, built on first use), with the class's factory.
// Its constructor registers it into the singleton registry.

#include <vellmark/propertysystem/base/oe_classnamebase.h>
#include <vellmark/propertysystem/factories/oe_propertyobjectfactory.h>
#include <vellmark/propertysystem/factories/oe_propertyobjectsingleton.h>
#include <vellmark/propertysystem/types/oe_propertyobjecttypebase.h>

OE_API void g_PropertyObjectTypeReadNotImplemented();
OE_API void g_PropertyObjectTypeWriteImproper();
OE_API void g_PropertyObjectTypeRefuseClone();
OE_API void g_PropertyObjectTypeRefuseCopy();

template <typename CLASS, typename BASECLASS> class OE_API bTPropertyObjectType : public bCPropertyObjectTypeBase
{
public:
    static bTPropertyObjectType & GetStaticType()
    {
        static bTPropertyObjectType s_Type;
        return s_Type;
    }

public:
    bCString const & GetClassName() const override { return g_GetValueTypeName<CLASS>(); }
    bCString const & GetBaseClassName() const override { return g_GetValueTypeName<BASECLASS>(); }
    bCPropertyObjectFactory const * GetObjectFactory() const override { return &m_Factory; }
    bCPropertyObjectFactory * GetObjectFactory() override { return &m_Factory; }
    unsigned short Read(bCIStream &) override
    {
        g_PropertyObjectTypeReadNotImplemented();
        return 1;
    }
    void Write(bCOStream &) override { g_PropertyObjectTypeWriteImproper(); }

public:
    bCPropertyObjectTypeBase * DoClone() const override
    {
        g_PropertyObjectTypeRefuseClone();
        return nullptr;
    }
    void CopyFrom(bCPropertyObjectTypeBase const & a_Source) override
    {
        g_PropertyObjectTypeRefuseCopy();
        CopyPersistableFlag(a_Source);
    }

public:
    ~bTPropertyObjectType() override {}

public:
    // Registers itself with the singleton; a later type of the same class name replaces it there.
    bTPropertyObjectType() : bCPropertyObjectTypeBase(true), m_Factory(g_GetValueTypeName<CLASS>())
    {
        bCPropertyObjectSingleton::GetInstance().RegisterTemplate(this);
    }

private:
    bCPropertyObjectFactory m_Factory;
};

#endif
