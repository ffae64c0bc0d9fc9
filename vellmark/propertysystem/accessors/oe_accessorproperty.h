#ifndef OE_ACCESSORPROPERTY_H_INCLUDED
#define OE_ACCESSORPROPERTY_H_INCLUDED

// bCAccessorProperty: a position in the property list of a class, walking the
// whole inheritance chain.
//
// - Enumeration order: the own class's properties in registration order, then
//   those of the base class, nearest first. The walk ends at bCObjectRefBase or
//   at the first class of the chain without properties of its own, and name
//   or identifier lookups stop at the same place. Property objects write, read
//   and copy their properties in exactly this order.
// - Valid while it stands on a class and the index is below that class's
//   property count; a failed lookup leaves the index at 0xFFFFFFFF.
// - Text conversion by the value type's detail (bEPropertyTypeDetail, see
//   oe_accessorvaluetext.h). Values are set through bTAccessorType<T>::SetValue,
//   so the native object sees the change notifications. Without an object the
//   text is "" and nothing is set.

#include <vellmark/propertysystem/base/oe_propertyid.h>
#include <vellmark/propertysystem/accessors/oe_accessorpropertyobject.h>
#include <vellmark/propertysystem/accessors/oe_accessorvaluetext.h>

#include <cstdint>

class bCPropertyID;
class bCPropertyTypeBase;

class OE_API bCAccessorProperty
{
public:
    // How a parsed number N combines with the value V.
    enum eEOperandValue : int
    {
        eEOperandValue_Set = 0,      // N
        eEOperandValue_Add = 1,      // V + N
        eEOperandValue_Subtract = 2, // V - N
        eEOperandValue_Multiply = 3, // V * N
        eEOperandValue_Divide = 4,   // V / N
    };

public:
    bCAccessorProperty();
    bCAccessorProperty(bCAccessorProperty const & a_Source);
    bCAccessorProperty(bCAccessorPropertyObject const & a_Accessor); // the first property of its class
    bCAccessorProperty(bCAccessorCreator const & a_Creator);
    bCAccessorProperty(bCPropertyObjectBase * a_pObject);
    bCAccessorProperty(bCPropertyObjectBase const * a_pObject);
    bCAccessorProperty(bCObjectRefBase * a_pNativeObject);
    bCAccessorProperty(bCAccessorCreator const & a_Creator, bCString const & a_strPropertyName);
    bCAccessorProperty(bCObjectRefBase * a_pNativeObject, bCString const & a_strPropertyName);
    bCAccessorProperty(bCAccessorCreator const & a_Creator, bCPropertyID const & a_PropertyID);
    bCAccessorProperty & operator=(bCAccessorProperty const & a_Source);
    ~bCAccessorProperty();

public:
    void CopyFrom(bCAccessorProperty const & a_Source);
    void CopyTo(bCAccessorProperty & a_Dest) const;
    void Invalidate(); // back to the first property

    bCAccessorProperty operator[](bCString const & a_strPropertyName);
    bCAccessorProperty operator[](bCString const & a_strPropertyName) const;

    bool IsValid() const;
    bool Compare(bCAccessorProperty const & a_Other) const; // same index, equal accessor objects
    bool operator==(bCAccessorProperty const & a_Other) const { return Compare(a_Other); }
    bool operator!=(bCAccessorProperty const & a_Other) const { return !Compare(a_Other); }

    bCAccessorPropertyObject & GetAccessorPropertyObject() { return m_AccessorPropertyObject; }
    bCAccessorPropertyObject const & GetAccessorPropertyObject() const { return m_AccessorPropertyObject; }
    uint32_t GetIndex() const { return m_u32Index; }
    bCString GetClassName() const; // of the class the accessor stands on

    // The current property; "", false or null when invalid.
    bCPropertyTypeBase * GetPropertyTypeObject();
    bCPropertyTypeBase const * GetPropertyTypeObject() const;
    bCString GetPropertyName() const;
    bCString GetPropertyDescription() const;
    bCString GetPropertyCategory() const;
    bool IsPropertyReadOnly() const;
    bCPropertyID GetPropertyID() const;
    bCString GetPropertyType() const; // the value type name
    bool IsEnum() const;
    bCPropertyObjectBase * GetPropertyObject() // null when invalid
    {
        return IsValid() ? m_AccessorPropertyObject.GetPropertyObject() : nullptr;
    }
    bCPropertyObjectBase const * GetPropertyObject() const
    {
        return IsValid() ? m_AccessorPropertyObject.GetPropertyObject() : nullptr;
    }

    bCString GetPropertyHeader() const; // "<class>::<property>"
    void DumpOutputDebugString() const;

    bool operator++();    // advances; the result is IsValid()
    bool operator++(int); // the same

    bEPropertyTypeDetail GetPropertyValueDetailType() const;
    bCString ConvertValueToString() const;
    void ConvertStringToValue(bCString const & a_strValue, eEOperandValue a_eOperand = eEOperandValue_Set);

protected:
    bool Iterate();
    bool ResolveProperty(bCString const & a_strPropertyName);
    bool ResolveProperty(bCPropertyID const & a_PropertyID);

private:
    template <typename FMatch> bool ResolveBy(FMatch a_Match);
    uint32_t GetClassPropertyCount() const; // of the class the accessor stands on
    // Conversions of the detail types that need a wider view of the value.
    bCString ConvertOtherToString() const;
    bCString ConvertIntegerToString(bEPropertyTypeDetail a_eDetail) const;
    bCString ConvertEmbeddedToString() const;
    bCString ConvertContainerToString() const;
    void ConvertStringToOther(bCString const & a_strValue);
    void ConvertStringToInteger(bEPropertyTypeDetail a_eDetail, bCString const & a_strValue, int a_iOperand);
    void ConvertStringToContainer(bCString const & a_strValue);
    void RefuseObjectBase(char const * a_pcMethod) const;

private:
    bCAccessorPropertyObject m_AccessorPropertyObject;
    uint32_t m_u32Index;
};

#endif
