#ifndef OE_PO_PURESMARTPTR_H_INCLUDED
#define OE_PO_PURESMARTPTR_H_INCLUDED

// bTPOPureSmartPtr<CLASS>: a property object that owns and binds one native
// object of CLASS. The native object's count is 1 while bound; the property
// object's count governs both.

#include <vellmark/propertysystem/base/oe_classnamebase.h>
#include <vellmark/propertysystem/base/oe_objectrefbase.h>
#include <vellmark/propertysystem/objects/oe_propertyobjectbase.h>

#include <string>

OE_API void g_PurePtrFatalCreate(std::string const & a_strClassName);

template <typename CLASS> class OE_API bTPOPureSmartPtr : public bCPropertyObjectBase
{
public:
    bTPOPureSmartPtr() : m_pNative(nullptr) {}
    ~bTPOPureSmartPtr() override { ReleaseNative(); }

public:
    bCObjectRefBase * GetNativeObject() override { return m_pNative; }
    using bCPropertyObjectBase::GetNativeObject;
    CLASS * GetNative() { return m_pNative; }
    CLASS const * GetNative() const { return m_pNative; }

    unsigned short Read(bCIStream & a_Stream) override
    {
        if (!m_pNative)
            CreateNative(false);
        if (m_pNative)
            m_pNative->Read(a_Stream);
        return ms_uVersion;
    }
    void Write(bCOStream & a_Stream) override
    {
        if (m_pNative)
            m_pNative->Write(a_Stream);
    }
    bool AttachNativeObject(bCObjectRefBase * a_pNative) override
    {
        CLASS * pNative = a_pNative ? dynamic_cast<CLASS *>(a_pNative) : nullptr;
        if (!pNative)
            return false;
        bCObjectRefBase * pBound = m_pNative;
        BindNativeObject(pNative, pBound);
        m_pNative = static_cast<CLASS *>(pBound);
        return true;
    }
    void CopyFrom(bCPropertyObjectBase const & a_Source) override
    {
        if (!m_pNative)
            CreateNative(false);
        bCObjectRefBase const * pSource = a_Source.GetNativeObject();
        if (m_pNative && pSource)
            m_pNative->CopyFrom(*pSource);
    }

protected:
    void Destroy() override { ReleaseNative(); }
    void Create() override { CreateNative(IsRoot()); }

    // A root object gets no native object; any other a new, created CLASS
    // whose own count is 1 again after binding.
    void CreateNative(bool a_bRoot);
    void ReleaseNative()
    {
        bCObjectRefBase * pBound = m_pNative;
        ReleaseNativeObject(pBound);
        m_pNative = nullptr;
    }

private:
    CLASS * m_pNative;
};

#include <vellmark/propertysystem/factories/oe_propertyobjectsingleton.h>

template <typename CLASS> void bTPOPureSmartPtr<CLASS>::CreateNative(bool a_bRoot)
{
    ReleaseNative();
    if (a_bRoot)
    {
        bCPropertyObjectSingleton::GetInstance().EnableRegistration(this, false);
        bCPropertyObjectSingleton::GetInstance().EnableRegistration(this, true);
        return;
    }
    CLASS * pNative = new ("propertysystem\\base\\oe_po_puresmartptr", "bTPOPureSmartPtr::Create", nullptr, __LINE__)
        CLASS();
    bCObjectRefBase * pObjRefBase = pNative;
    if (!pObjRefBase)
        return g_PurePtrFatalCreate(bTTypeName<CLASS>::Get());
    pNative->Create();
    bCObjectRefBase * pBound = nullptr;
    BindNativeObject(pNative, pBound);
    m_pNative = pNative;
    DropBindingReference(pNative);
}

#endif
