#ifndef OE_PROPERTYVALUESTREAM_H_INCLUDED
#define OE_PROPERTYVALUESTREAM_H_INCLUDED

// bTPropertyValueStream<TYPE>: how a property value of TYPE is written and
// read. Objects (bCObjectBase, property objects) use their own public Write
// and Read; enumerations travel as 4 bytes; everything else uses the
// stream's operators. A module may give it its own version for a type of its own.

#include <vellmark/kernel/oe_stream.h>
#include <vellmark/propertysystem/base/oe_objectbase.h>
#include <vellmark/propertysystem/objects/oe_propertyobjectbase.h>

#include <type_traits>

template <typename TYPE> struct bTPropertyValueStream
{
    static void Write(bCOStream & a_Stream, TYPE const & a_Value)
    {
        if constexpr (std::is_base_of_v<bCObjectBase, TYPE> || std::is_base_of_v<bCPropertyObjectBase, TYPE>)
            const_cast<TYPE &>(a_Value).Write(a_Stream);
        else if constexpr (std::is_enum_v<TYPE>)
            a_Stream.Write(static_cast<long>(a_Value));
        else if constexpr (requires(TYPE const & a_Member, bCOStream & a_Target) { a_Member >> a_Target; })
            a_Value >> a_Stream; // value types that write themselves (the maths types)
        else
            a_Stream << a_Value;
    }
    static void Read(bCIStream & a_Stream, TYPE & a_Value)
    {
        if constexpr (std::is_base_of_v<bCObjectBase, TYPE> || std::is_base_of_v<bCPropertyObjectBase, TYPE>)
            a_Value.Read(a_Stream);
        else if constexpr (std::is_enum_v<TYPE>)
        {
            long lValue = static_cast<long>(a_Value);
            a_Stream.Read(lValue);
            a_Value = static_cast<TYPE>(lValue);
        }
        else if constexpr (requires(TYPE & a_Member, bCIStream & a_Source) { a_Member << a_Source; })
            a_Value << a_Stream;
        else
            a_Stream >> a_Value;
    }
};

#endif
