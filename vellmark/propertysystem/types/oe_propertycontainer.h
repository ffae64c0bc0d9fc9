#ifndef OE_PROPERTYCONTAINER_H_INCLUDED
#define OE_PROPERTYCONTAINER_H_INCLUDED

// bTPropertyContainer<E>: the wrapper in which an enumeration property keeps
// its value: after the table of virtual operations, the value as a 32-bit
// integer. Stream form: unsigned 16-bit version 1, then the value, 4 bytes.
// Its value type name reads "bTPropertyContainer<enum bEFoo>".

#include <vellmark/kernel/oe_stream.h>
#include <vellmark/propertysystem/base/oe_objectbase.h>

#include <cstdint>

OE_OBJECT_HIDES_VIRTUALS_BEGIN

template <typename E> class bTPropertyContainer : public bCObjectBase
{
public:
    bTPropertyContainer() : m_i32Value(0) {}
    bTPropertyContainer(E a_eValue) : m_i32Value(static_cast<int32_t>(a_eValue)) {}
    bTPropertyContainer(bTPropertyContainer const & a_Source) : bCObjectBase(a_Source), m_i32Value(a_Source.m_i32Value) {}
    bTPropertyContainer & operator=(bTPropertyContainer const & a_Source)
    {
        m_i32Value = a_Source.m_i32Value;
        return *this;
    }

public:
    E GetValue() const { return static_cast<E>(m_i32Value); }
    void SetValue(E a_eValue) { m_i32Value = static_cast<int32_t>(a_eValue); }
    long GetInteger() const { return m_i32Value; }
    void SetInteger(long a_lValue) { m_i32Value = static_cast<int32_t>(a_lValue); }
    operator E() const { return GetValue(); }

    bEResult Write(bCOStream & a_Stream) override
    {
        a_Stream.Write(static_cast<unsigned short>(1));
        a_Stream.Write(static_cast<long>(m_i32Value));
        return bEResult_Ok;
    }
    bEResult Read(bCIStream & a_Stream) override
    {
        unsigned short uVersion = 0;
        long lValue = m_i32Value;
        a_Stream.Read(uVersion);
        a_Stream.Read(lValue);
        m_i32Value = static_cast<int32_t>(lValue);
        return bEResult_Ok;
    }
    bEResult CopyFrom(bCObjectBase const & a_Source) override
    {
        if (bTPropertyContainer const * pSource = dynamic_cast<bTPropertyContainer const *>(&a_Source))
            m_i32Value = pSource->m_i32Value;
        return bEResult_Ok;
    }

private:
    int32_t m_i32Value;
};

OE_OBJECT_HIDES_VIRTUALS_END

#endif
