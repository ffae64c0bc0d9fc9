#ifndef OE_PROPERTYCONTAINER_H_INCLUDED
#define OE_PROPERTYCONTAINER_H_INCLUDED

// bTPropertyContainer<E>: the wrapper in which an enumeration property keeps
// its value, an object (bCObjectBase) whose only data is the value as a
// 32-bit integer. The enumeration accessor reaches the value through the
// untyped bCPropertyContainerBase.
//
// Stream form: unsigned 16-bit version 1, then the value as 4 bytes.

#include <vellmark/propertysystem/base/oe_objectbase.h>

#include <cstdint>

OE_OBJECT_HIDES_VIRTUALS_BEGIN

class OE_API bCPropertyContainerBase : public bCObjectBase
{
public:
    bCPropertyContainerBase() : m_i32Value(0) {}
    explicit bCPropertyContainerBase(long a_lValue) : m_i32Value(static_cast<int32_t>(a_lValue)) {}
    bCPropertyContainerBase(bCPropertyContainerBase const &) = default;
    bCPropertyContainerBase & operator=(bCPropertyContainerBase const & a_Source);

public:
    long GetValue() const { return m_i32Value; }
    void SetValue(long a_lValue) { m_i32Value = static_cast<int32_t>(a_lValue); }

    bEResult Write(bCOStream & a_Stream) override;             // version 1, the value
    bEResult Read(bCIStream & a_Stream) override;              // any version, the value
    bEResult CopyFrom(bCObjectBase const & a_Source) override; // the value of another container

private:
    int32_t m_i32Value;
};

template <typename E> class bTPropertyContainer : public bCPropertyContainerBase
{
public:
    bTPropertyContainer() = default;
    bTPropertyContainer(E a_eValue) : bCPropertyContainerBase(static_cast<long>(a_eValue)) {}
    bTPropertyContainer & operator=(E a_eValue)
    {
        SetValue(static_cast<long>(a_eValue));
        return *this;
    }
    operator E() const { return static_cast<E>(GetValue()); }
};

OE_OBJECT_HIDES_VIRTUALS_END

#endif
