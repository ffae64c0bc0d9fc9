#ifndef OE_ACCESSORVALUETEXT_H_INCLUDED
#define OE_ACCESSORVALUETEXT_H_INCLUDED

// The text forms of property values as the property accessors show and parse
// them, apart from the accessors so that each rule can be checked alone.
//
// - Detail type: which known value type a value type name stands for, compared
//   in table order without regard to letter case, except the two "contains"
//   rows (embedded property objects, property containers), which are
//   case-sensitive.
// - Float lists (vectors, matrices, box, sphere, quaternion): the components in
//   memory order as "{ a, b, ... }" through bCStringConverter. Parsing writes
//   the parsed floats into the leading components; the others keep their
//   values, surplus floats are ignored. Operand 0 sets; the vector forms also
//   add (1) and subtract (2); every other operand changes nothing.
// - Numbers: "%f" for float and double; "%d" for the integers of the original
//   platform's 32 bits (char, short, int, long), the value taken in its own
//   signedness and then shown as a 32-bit int as that format does; the full
//   decimal value for the 64-bit integers. A parsed number N combines with the
//   value V by the operand: 0 sets N, 1 V + N, 2 V - N, 3 V * N, 4 V / N, in
//   the arithmetic of C with wrap-around instead of overflow; other operands
//   and an integer division by zero keep the value. Float division follows IEEE.

#include <vellmark/kernel/oe_string.h>
#include <vellmark/kernel/oe_types.h>

#include <cstring>
#include <limits>
#include <type_traits>

enum bEPropertyTypeDetail : int
{
    bEPropertyTypeDetail_Other = 0,
    bEPropertyTypeDetail_String = 1,
    bEPropertyTypeDetail_UnicodeString = 2,
    bEPropertyTypeDetail_Guid = 3,
    bEPropertyTypeDetail_Vector = 4,
    bEPropertyTypeDetail_Vector4 = 5,
    bEPropertyTypeDetail_Matrix = 6,
    bEPropertyTypeDetail_Matrix3 = 7,
    bEPropertyTypeDetail_Box = 8,
    bEPropertyTypeDetail_Sphere = 9,
    bEPropertyTypeDetail_Quaternion = 10,
    bEPropertyTypeDetail_ObjectBase = 11,
    bEPropertyTypeDetail_PropertyObject = 12,
    bEPropertyTypeDetail_Float = 13,
    bEPropertyTypeDetail_Double = 14,
    bEPropertyTypeDetail_Bool = 15,
    bEPropertyTypeDetail_Char = 16,
    bEPropertyTypeDetail_Int64 = 17,
    bEPropertyTypeDetail_Long = 18,
    bEPropertyTypeDetail_Short = 19,
    bEPropertyTypeDetail_Int = 20,
    bEPropertyTypeDetail_PropertyContainer = 21,
};

class OE_API bCAccessorValueText
{
public:
    static bEPropertyTypeDetail GetDetailType(bCString const & a_strValueTypeName);

    // "{ a, b, ... }"; no components give "".
    static bCString FloatsToText(float const * a_pfComponents, int a_iCount);
    // False (nothing changed) when the text is no float list or the operand
    // does nothing for this kind of value.
    static bool TextToFloats(bCString const & a_strText, float * a_pfComponents, int a_iCount, int a_iOperand,
                             bool a_bAddSubtract);

    // A value type made of floats only, in memory order.
    template <typename T> static bCString ValueToText(T const & a_Value);
    template <typename T>
    static bool TextToValue(bCString const & a_strText, T & a_Value, int a_iOperand, bool a_bAddSubtract);

    template <typename T> static bCString NumberToText(T a_Value);
    // False when the operand leaves the value as it is.
    template <typename T, typename N> static bool Combine(T & a_Value, N a_Number, int a_iOperand);

private:
    template <typename T> static constexpr int FloatCount()
    {
        static_assert(std::is_trivially_copyable_v<T> && sizeof(T) % sizeof(float) == 0, "a value of floats only");
        return static_cast<int>(sizeof(T) / sizeof(float));
    }
    static bCString FormatFloat(double a_dValue);
    static bCString FormatInt(int a_iValue);
    static bCString FormatInt64(long long a_i64Value);
    static bCString FormatUInt64(unsigned long long a_u64Value);
};

template <typename T> bCString bCAccessorValueText::ValueToText(T const & a_Value)
{
    float arrComponents[FloatCount<T>()];
    std::memcpy(arrComponents, &a_Value, sizeof(T));
    return FloatsToText(arrComponents, FloatCount<T>());
}

template <typename T>
bool bCAccessorValueText::TextToValue(bCString const & a_strText, T & a_Value, int a_iOperand, bool a_bAddSubtract)
{
    float arrComponents[FloatCount<T>()];
    std::memcpy(arrComponents, &a_Value, sizeof(T));
    if (!TextToFloats(a_strText, arrComponents, FloatCount<T>(), a_iOperand, a_bAddSubtract))
        return false;
    std::memcpy(static_cast<void *>(&a_Value), arrComponents, sizeof(T));
    return true;
}

template <typename T> bCString bCAccessorValueText::NumberToText(T a_Value)
{
    if constexpr (std::is_floating_point_v<T>)
        return FormatFloat(static_cast<double>(a_Value));
    else if constexpr (sizeof(T) == sizeof(long long) && !std::is_same_v<std::remove_cv_t<T>, long> &&
                       !std::is_same_v<std::remove_cv_t<T>, unsigned long>)
    {
        if constexpr (std::is_signed_v<T>)
            return FormatInt64(static_cast<long long>(a_Value));
        else
            return FormatUInt64(static_cast<unsigned long long>(a_Value));
    }
    else // long is 32 bits on the original platform: shown by its low 32 bits like the others
        return FormatInt(static_cast<int>(a_Value));
}

template <typename T, typename N> bool bCAccessorValueText::Combine(T & a_Value, N a_Number, int a_iOperand)
{
    if constexpr (std::is_floating_point_v<T>)
    {
        T const Number = static_cast<T>(a_Number);
        switch (a_iOperand)
        {
        case 0: a_Value = Number; return true;
        case 1: a_Value = a_Value + Number; return true;
        case 2: a_Value = a_Value - Number; return true;
        case 3: a_Value = a_Value * Number; return true;
        case 4: a_Value = a_Value / Number; return true;
        default: return false;
        }
    }
    else
    {
        // The common type of C's arithmetic; the unsigned twin wraps instead of overflowing.
        using C = decltype(a_Value + a_Number);
        using U = std::make_unsigned_t<C>;
        C const Value = static_cast<C>(a_Value), Number = static_cast<C>(a_Number);
        C Result;
        switch (a_iOperand)
        {
        case 0: Result = Number; break;
        case 1: Result = static_cast<C>(static_cast<U>(Value) + static_cast<U>(Number)); break;
        case 2: Result = static_cast<C>(static_cast<U>(Value) - static_cast<U>(Number)); break;
        case 3: Result = static_cast<C>(static_cast<U>(Value) * static_cast<U>(Number)); break;
        case 4:
            if (Number == 0)
                return false;
            if constexpr (std::is_signed_v<C>)
                if (Number == -1) // the smallest value divided by -1 wraps to itself
                {
                    Result = static_cast<C>(U(0) - static_cast<U>(Value));
                    break;
                }
            Result = Value / Number;
            break;
        default: return false;
        }
        a_Value = static_cast<T>(Result);
        return true;
    }
}

#endif
