#ifndef OE_PROPERTYOBJECT_H_INCLUDED
#define OE_PROPERTYOBJECT_H_INCLUDED

// bTPropertyObject<CLASS, BASECLASS>: the property object of CLASS. It
// creates, clones and copies its native object and property values, and
// writes and reads the versioned form described in oe_propertyobjectbase.h:
// records are matched by name (in stored order while it agrees with the
// class, then by lookup), unknown ones are skipped by their size, and a
// known property whose value type changed goes to the native object's
// NotifyPropertyDeprecated as raw bytes.
//
// A root object (constructed with bTPropertyObject::ms_Root) holds the
// class's defaults and has no native object; new objects are its clones.

#include <vellmark/kernel/oe_stream.h>
#include <vellmark/propertysystem/objects/oe_po_puresmartptr.h>
#include <vellmark/propertysystem/persistence/oe_sizedblock.h>
#include <vellmark/propertysystem/types/oe_propertyobjecttype.h>

#include <type_traits>

class bCObsoleteClass;

// The untyped steps shared by every bTPropertyObject. ReadData reads the
// property records only; the native object's own data follows them.
OE_API void g_PropertyObjectWriteData(bCOStream & a_Stream, bCPropertyObjectBase & a_Object);
OE_API unsigned short g_PropertyObjectReadData(bCIStream & a_Stream, bCPropertyObjectBase & a_Object);
OE_API void g_PropertyObjectCopyValues(bCPropertyObjectBase & a_Dest, bCPropertyObjectBase const & a_Source);
OE_API void g_PropertyObjectInitializeValues(bCPropertyObjectBase & a_Object);
// Counts nested object reads on this thread; false (with a warning) past 64 levels.
OE_API bool g_PropertyObjectEnterRead();
OE_API void g_PropertyObjectLeaveRead();

struct bSPropertyObjectRootTag
{
};

template <typename CLASS, typename BASECLASS> class OE_API bTPropertyObject : public bTPOPureSmartPtr<CLASS>
{
    using bTBase = bTPOPureSmartPtr<CLASS>;

public:
    using bTClassType = bTPropertyObjectType<CLASS, BASECLASS>;
    static constexpr bSPropertyObjectRootTag ms_Root{};

public:
    bTPropertyObject() : m_pClassType(&bTClassType::GetStaticType())
    {
        this->SetEmbedded(false);
        CreateObject(false);
    }
    explicit bTPropertyObject(bSPropertyObjectRootTag) : m_pClassType(&bTClassType::GetStaticType())
    {
        this->SetEmbedded(false);
        CreateObject(true);
    }
    bTPropertyObject(bTPropertyObject const & a_Source) : bTPropertyObject() { CopyFrom(a_Source); }
    bTPropertyObject & operator=(bTPropertyObject const & a_Source)
    {
        if (&a_Source != this)
            CopyFrom(a_Source);
        return *this;
    }
    ~bTPropertyObject() override { DestroyObject(); }

public:
    bCString const & GetClassName() const override { return m_pClassType->GetClassName(); }
    bCString const & GetBaseClassName() const override { return m_pClassType->GetBaseClassName(); }
    bCString const & GetDescription() const override { return m_pClassType->GetDescription(); }
    bCPropertyObjectTypeBase * GetObjectType() const override { return m_pClassType; }

    unsigned short Read(bCIStream & a_Stream) override
    {
        unsigned short const uVersion = bCPropertyObjectBase::Read(a_Stream);
        unsigned long uSize = 0;
        a_Stream.Read(uSize);
        if (std::is_same_v<CLASS, bCObsoleteClass> || !g_PropertyObjectEnterRead())
        {
            g_SkipBytes(a_Stream, uSize);
            return uVersion;
        }
        ReadData(a_Stream, uVersion);
        g_PropertyObjectLeaveRead();
        return uVersion;
    }
    // The version word, then the data block through WriteData, which a derived class may extend.
    void Write(bCOStream & a_Stream) override
    {
        bCPropertyObjectBase::Write(a_Stream);
        g_WriteSizedBlock(a_Stream, [this](bCOStream & a_Block) { WriteData(a_Block); });
    }
    void CopyFrom(bCPropertyObjectBase const & a_Source) override
    {
        bCPropertyObjectBase::CopyFrom(a_Source);
        g_PropertyObjectCopyValues(*this, a_Source);
        bTBase::CopyFrom(a_Source);
    }

protected:
    unsigned short ReadData(bCIStream & a_Stream, unsigned short a_uVersion) override
    {
        bCPropertyObjectBase::ReadData(a_Stream, a_uVersion);
        unsigned short const uDataVersion = g_PropertyObjectReadData(a_Stream, *this);
        if (uDataVersion == 0) // only where a fatal hook let execution continue
            return uDataVersion;
        if (!this->GetNativeObject())
            Create();
        if (bCObjectRefBase * pNative = this->GetNativeObject())
            pNative->Read(a_Stream);
        return uDataVersion;
    }
    void WriteData(bCOStream & a_Stream) override
    {
        bCPropertyObjectBase::WriteData(a_Stream);
        g_PropertyObjectWriteData(a_Stream, *this);
    }
    void Destroy() override { DestroyObject(); }
    void Create() override { CreateObject(false); }

public:
    bCPropertyObjectBase * DoClone() const override
    {
        bTPropertyObject * pClone =
            new ("propertysystem\\objects\\oe_propertyobject", "bTPropertyObject::DoClone", nullptr, __LINE__)
                bTPropertyObject();
        if (pClone && !this->IsRoot())
            pClone->CopyFrom(*this);
        return pClone;
    }

private:
    friend class bCPropertyObjectBase;
    // The creation step: root flag, native object, factory, initial values.
    void CreateObject(bool a_bRoot)
    {
        this->SetRoot(a_bRoot);
        this->CreateNative(a_bRoot);
        m_pClassType->GetObjectFactory()->RegisterPropertyObject(this);
        if (a_bRoot)
            return;
        g_PropertyObjectInitializeValues(*this);
        if (bCObjectRefBase * pNative = this->GetNativeObject())
            pNative->PostInitializeProperties();
    }
    void DestroyObject()
    {
        m_pClassType->GetObjectFactory()->UnregisterPropertyObject(this);
        this->ReleaseNative();
        bCPropertyObjectBase::Destroy();
    }

private:
    bTClassType * m_pClassType;
};

#endif
