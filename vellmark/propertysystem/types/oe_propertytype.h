#ifndef OE_PROPERTYTYPE_H_INCLUDED
#define OE_PROPERTYTYPE_H_INCLUDED

// bTPropertyTypeOnly<TYPE>: the typed face of a property type that knows its
// value type but not its class (what typed accessors test for).
// bTPropertyType<CLASS, TYPE>: one property of CLASS, a TYPE member at a
// byte offset inside the native object. Constructing it registers it into
// the type object of CLASS (under the base class that CLASS names in
// OE_PROPERTY_CLASS). Setting a value notifies the native object before and
// after (flag false; reading from a stream passes true).

#include <vellmark/kernel/oe_erroradmin.h>
#include <vellmark/propertysystem/base/oe_classnamebase.h>
#include <vellmark/propertysystem/base/oe_objectrefbase.h>
#include <vellmark/propertysystem/objects/oe_propertyobjectbase.h>
#include <vellmark/propertysystem/persistence/oe_sizedblock.h>
#include <vellmark/propertysystem/types/oe_propertybaseclass.h>
#include <vellmark/propertysystem/types/oe_propertyobjecttype.h>
#include <vellmark/propertysystem/types/oe_propertytypebase.h>
#include <vellmark/propertysystem/types/oe_propertyvaluestream.h>

#include <type_traits>

class bCObsoleteClass;

// Shared, untyped steps of every bTPropertyType.
OE_API void g_PropertyTypeRefuseClone();
OE_API void g_PropertyTypeRefuseCopy();
OE_API void g_PropertyTypeFatalGetter();
OE_API void g_PropertyTypeFatalAccessor();
OE_API void g_PropertyTypeFatalWrite();
OE_API void g_PropertyTypeNotify(bCPropertyObjectBase * a_pObject, bCString const & a_strName, bool a_bEnter,
                                 bool a_bFromStream);
OE_API void g_PropertyTypeSkip(bCIStream & a_Stream, bCPropertyObjectBase * a_pObject, bCString const & a_strName,
                               bCString const & a_strValueTypeName, bool a_bKnown);

template <typename TYPE> class OE_API bTPropertyTypeOnly : public bCPropertyTypeBase
{
public:
    virtual void SetPropertyValue(bCPropertyObjectBase * a_pObject, TYPE const & a_Value) = 0;
    virtual TYPE const * ProperyGetter(bCPropertyObjectBase const * a_pObject) const = 0; // null object: fatal
    virtual TYPE * PropertyAccessor(bCPropertyObjectBase * a_pObject) = 0;               // null object: fatal
    using bCPropertyTypeBase::SetPropertyValue;
    void SetPropertyValue(bCPropertyObjectBase * a_pObject, TYPE const * a_pValue) // nothing when either is null
    {
        SetPropertyValue(a_pObject, static_cast<void const *>(a_pValue));
    }

protected:
    using bCPropertyTypeBase::bCPropertyTypeBase;
};

template <typename CLASS, typename TYPE> class OE_API bTPropertyType : public bTPropertyTypeOnly<TYPE>
{
public:
    using bTOwner = bTPropertyObjectType<CLASS, typename bTPropertyBaseClassOf<CLASS>::Type>;

public:
    bTPropertyType(unsigned long a_uOffset, bCString const & a_strName, bEPropertyType a_eType) :
        bTPropertyTypeOnly<TYPE>(a_strName, a_eType), m_pOwner(&bTOwner::GetStaticType()), m_uOffset(a_uOffset),
        m_pEnumTable(nullptr)
    {
        Create();
    }
    // Takes the table over (it is freed with the type).
    bTPropertyType(unsigned long a_uOffset, bCString const & a_strName, bCString const & a_strCategory,
                   bCString const & a_strDescription, bEPropertyType a_eType, bool a_bReadOnly,
                   bCPropertyEnumTable * a_pEnumTable) :
        bTPropertyTypeOnly<TYPE>(a_strName, a_strCategory, a_strDescription, a_eType, a_bReadOnly),
        m_pOwner(&bTOwner::GetStaticType()), m_uOffset(a_uOffset), m_pEnumTable(nullptr)
    {
        Create();
        m_pEnumTable = a_pEnumTable;
    }
    ~bTPropertyType() override { Destroy(); }

public:
    unsigned long GetValueOffset() const override { return m_uOffset; }
    unsigned long GetValueSize() const override { return sizeof(TYPE); }
    bCString const & GetOwnerClassName() const override { return m_pOwner->GetClassName(); }
    bCString const & GetValueTypeName() const override { return g_GetValueTypeName<TYPE>(); }
    bCPropertyObjectTypeBase * GetObjectType() const override { return m_pOwner; }
    void InitializeValue(bCPropertyObjectBase * a_pObject) override
    {
        if constexpr (std::is_base_of_v<bCObjectBase, TYPE>)
            if (TYPE * pValue = Member(a_pObject))
                pValue->Create();
    }
    bool IsEnum() const override { return m_pEnumTable != nullptr; }
    int GetEnumCount() const override { return m_pEnumTable ? m_pEnumTable->GetCount() : -1; }
    bCPropertyEnumEntry const * GetEnumEntry(int a_iIndex) const override
    {
        if (!m_pEnumTable || a_iIndex < 0 || a_iIndex >= m_pEnumTable->GetCount())
            return nullptr;
        return (*m_pEnumTable)[a_iIndex];
    }
    void SetPropertyValue(bCPropertyObjectBase * a_pObject, void const * a_pValue) override
    {
        if (a_pObject && a_pValue)
            Assign(a_pObject, *static_cast<TYPE const *>(a_pValue));
    }
    void SetPropertyValue(bCPropertyObjectBase * a_pObject, TYPE const & a_Value) override
    {
        if (a_pObject)
            Assign(a_pObject, a_Value);
    }
    void const * GetValuePointer(bCPropertyObjectBase const * a_pObject) const override
    {
        return Member(const_cast<bCPropertyObjectBase *>(a_pObject));
    }
    void * GetValuePointer(bCPropertyObjectBase * a_pObject) override { return Member(a_pObject); }
    TYPE const * ProperyGetter(bCPropertyObjectBase const * a_pObject) const override
    {
        if (!a_pObject)
            g_PropertyTypeFatalGetter();
        return Member(const_cast<bCPropertyObjectBase *>(a_pObject));
    }
    TYPE * PropertyAccessor(bCPropertyObjectBase * a_pObject) override
    {
        if (!a_pObject)
            g_PropertyTypeFatalAccessor();
        return Member(a_pObject);
    }
    bool CopyPropertyValue(bCPropertyObjectBase * a_pDest, bCPropertyObjectBase const * a_pSource) override
    {
        if constexpr (std::is_same_v<TYPE, bCObsoleteClass>)
            return false;
        else
        {
            TYPE const * pSource = a_pDest ? Member(const_cast<bCPropertyObjectBase *>(a_pSource)) : nullptr;
            if (!pSource || !Member(a_pDest))
                return false;
            SetPropertyValue(a_pDest, *pSource);
            return true;
        }
    }
    void PropertyWrite(bCOStream & a_Stream, bCPropertyObjectBase const * a_pSource) override
    {
        if (!a_pSource)
            return g_PropertyTypeFatalWrite();
        this->Write(a_Stream);
        TYPE const * pValue = PropertyAccessor(const_cast<bCPropertyObjectBase *>(a_pSource));
        if constexpr (std::is_same_v<TYPE, bCObsoleteClass>)
            g_WriteSizedBlock(a_Stream, [](bCOStream &) {});
        else if (pValue)
            g_WriteSizedBlock(a_Stream,
                              [pValue](bCOStream & a_Target) { bTPropertyValueStream<TYPE>::Write(a_Target, *pValue); });
        else
            g_WriteSizedBlock(a_Stream, [](bCOStream &) {});
    }
    void PropertyRead(bCIStream & a_Stream, bCPropertyObjectBase * a_pObject) override
    {
        unsigned short uVersion = 0;
        unsigned long uSize = 0;
        a_Stream.Read(uVersion);
        a_Stream.Read(uSize);
        TYPE * pValue = Member(a_pObject);
        g_PropertyTypeNotify(a_pObject, this->GetPropertyName(), true, true);
        bool bRead = false;
        if constexpr (!std::is_same_v<TYPE, bCObsoleteClass>)
            if (pValue)
            {
                bTPropertyValueStream<TYPE>::Read(a_Stream, *pValue);
                bRead = true;
            }
        if (!bRead) // nothing to read into (a root object): the value is passed over by its size
            g_SkipBytes(a_Stream, uSize);
        g_PropertyTypeNotify(a_pObject, this->GetPropertyName(), false, true);
    }
    void PropertySkip(bCIStream & a_Stream, bCPropertyObjectBase * a_pObject, bCString const & a_strName,
                      bCString const & a_strValueTypeName, bool a_bKnown) override
    {
        g_PropertyTypeSkip(a_Stream, a_pObject, a_strName, a_strValueTypeName, a_bKnown);
    }
    void Destroy() override
    {
        bCPropertyTypeBase::Destroy();
        delete m_pEnumTable;
        m_pEnumTable = nullptr;
        m_pOwner->UnregisterPropertyTemplate(this);
    }
    void Create() override
    {
        bCPropertyTypeBase::Create();
        m_pOwner->RegisterPropertyTemplate(this);
    }

public:
    bCPropertyTypeBase * DoClone() const override
    {
        g_PropertyTypeRefuseClone();
        return nullptr;
    }
    void CopyFrom(bCPropertyTypeBase const &) override { g_PropertyTypeRefuseCopy(); }

private:
    // The member inside the object's native object, or null.
    TYPE * Member(bCPropertyObjectBase * a_pObject) const
    {
        if (!a_pObject)
            return nullptr;
        bCObjectRefBase * pNative = a_pObject->GetNativeObject();
        if (!pNative)
            return nullptr;
        return reinterpret_cast<TYPE *>(reinterpret_cast<char *>(static_cast<CLASS *>(pNative)) + m_uOffset);
    }
    void Assign(bCPropertyObjectBase * a_pObject, TYPE const & a_Value)
    {
        TYPE * pValue = Member(a_pObject);
        if (!pValue)
            return;
        g_PropertyTypeNotify(a_pObject, this->GetPropertyName(), true, false);
        if constexpr (!std::is_same_v<TYPE, bCObsoleteClass>)
            *pValue = a_Value;
        g_PropertyTypeNotify(a_pObject, this->GetPropertyName(), false, false);
    }

private:
    bTOwner * m_pOwner;
    uint32_t m_uOffset;
    bCPropertyEnumTable * m_pEnumTable;
};

#endif
