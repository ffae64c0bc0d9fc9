#ifndef OE_ACCESSOR_TYPE_H_INCLUDED
#define OE_ACCESSOR_TYPE_H_INCLUDED

// bTAccessorType<T>: typed access to the current property of a
// bCAccessorProperty whose property type is a bTPropertyTypeOnly<T> (checked
// by run-time type when the accessor is made).
//
// GetValue of an accessor that is not valid is a fatal error; SetValue sets
// through the property type (with change notification) and does nothing when
// the accessor is not valid.

#include <vellmark/kernel/oe_erroradmin.h>
#include <vellmark/propertysystem/accessors/oe_accessorproperty.h>
#include <vellmark/propertysystem/types/oe_propertytype.h>

template <typename T> class bTAccessorType : public bCAccessorProperty
{
public:
    bTAccessorType(bCAccessorProperty const & a_Property) :
        bCAccessorProperty(a_Property), m_bValid(false), m_pCheckedType(nullptr), m_pTypedType(nullptr)
    {
        m_bValid = GetTypedPropertyType() != nullptr;
    }

public:
    bool IsValid() const { return m_bValid; }
    T const & GetValue() const;
    T & GetValue();
    void SetValue(T const & a_Value);

private:
    // The current property's type as a bTPropertyTypeOnly<T>, or null; the
    // run-time check is made again only after the accessor has moved.
    bTPropertyTypeOnly<T> * GetTypedPropertyType() const
    {
        bCPropertyTypeBase const * pType = GetPropertyTypeObject();
        if (pType != m_pCheckedType)
        {
            m_pCheckedType = pType;
            m_pTypedType = dynamic_cast<bTPropertyTypeOnly<T> *>(const_cast<bCPropertyTypeBase *>(pType));
        }
        return m_pTypedType;
    }
    // Reports the fatal error; the stand-in value is reached only when a test
    // hook lets the program go on after it.
    static T & ReportInvalid()
    {
        bCErrorAdmin::GetInstance().CallFatalError(" bTAccessorType::GetValue - accessor is not valid !",
                                                   "OEFalse == (OETrue == this->IsValid())",
                                                   "propertysystem\\accessors\\oe_accessor_type", 149);
        static T s_StandIn{};
        return s_StandIn;
    }

private:
    bool m_bValid;
    mutable bCPropertyTypeBase const * m_pCheckedType;
    mutable bTPropertyTypeOnly<T> * m_pTypedType;
};

// A root object has no native object and so no value: that too is fatal.
template <typename T> T const & bTAccessorType<T>::GetValue() const
{
    bTPropertyTypeOnly<T> const * pType = m_bValid ? GetTypedPropertyType() : nullptr;
    T const * pValue = pType ? pType->ProperyGetter(GetPropertyObject()) : nullptr;
    return pValue ? *pValue : ReportInvalid();
}

template <typename T> T & bTAccessorType<T>::GetValue()
{
    bTPropertyTypeOnly<T> * pType = m_bValid ? GetTypedPropertyType() : nullptr;
    T * pValue = pType ? pType->PropertyAccessor(GetPropertyObject()) : nullptr;
    return pValue ? *pValue : ReportInvalid();
}

template <typename T> void bTAccessorType<T>::SetValue(T const & a_Value)
{
    if (bTPropertyTypeOnly<T> * pType = m_bValid ? GetTypedPropertyType() : nullptr)
        pType->SetPropertyValue(GetPropertyObject(), a_Value);
}

#endif
