#ifndef OE_CLASSNAMEBASE_H_INCLUDED
#define OE_CLASSNAMEBASE_H_INCLUDED

// Class and value type names as the property-object files spell them.
//
// - bTTypeName<T>::Get() is the run-time type name: "float", "int",
//   "__int64", "unsigned short" for fundamental types, "class bCFoo" for
//   classes, "enum bEFoo" for enumerations, and for class templates
//   "class bTFoo<enum bEBar,float>" (arguments spelled the same way, no blank
//   after a comma). A type declared as struct whose name must read
//   "struct X" declares so with OE_TYPENAME_STRUCT(X).
// - bCClassNameBase::UnMangle keeps what follows the first blank, so classes
//   give their bare name and "unsigned short" gives "short".
// These names are part of the file format: never change them for a stored type.

#include <vellmark/kernel/oe_string.h>
#include <vellmark/kernel/oe_types.h>

#include <string>
#include <type_traits>
#include <typeinfo>

class OE_API bCClassNameBase
{
public:
    bCClassNameBase & operator=(bCClassNameBase const &) { return *this; }
    static bCString UnMangle(char const * a_pcName);
    // The demangled name of a type_info without template arguments.
    static std::string GetBareTypeName(std::type_info const & a_Info);
};

template <typename T> struct bTTypeNameKeyword
{
    static char const * Get() { return std::is_enum_v<T> ? "enum " : std::is_class_v<T> ? "class " : ""; }
};

#define OE_TYPENAME_STRUCT(TYPE)                                                                                       \
    template <> struct bTTypeNameKeyword<TYPE>                                                                         \
    {                                                                                                                  \
        static char const * Get() { return "struct "; }                                                                \
    };

template <typename T> struct bTTypeName
{
    static std::string Get() { return bTTypeNameKeyword<T>::Get() + bCClassNameBase::GetBareTypeName(typeid(T)); }
};

template <typename T> struct bTTypeName<T *>
{
    static std::string Get() { return bTTypeName<T>::Get() + " *"; }
};

template <template <typename...> class TT, typename... ARGS> struct bTTypeName<TT<ARGS...>>
{
    static std::string Get()
    {
        std::string strName = bTTypeNameKeyword<TT<ARGS...>>::Get();
        strName += bCClassNameBase::GetBareTypeName(typeid(TT<ARGS...>));
        strName += '<';
        bool bFirst = true;
        ((strName += (bFirst ? "" : ","), strName += bTTypeName<ARGS>::Get(), bFirst = false), ...);
        strName += '>';
        return strName;
    }
};

#define OE_TYPENAME_FIXED(TYPE, NAME)                                                                                  \
    template <> struct bTTypeName<TYPE>                                                                                \
    {                                                                                                                  \
        static std::string Get() { return NAME; }                                                                      \
    };

OE_TYPENAME_FIXED(bool, "bool")
OE_TYPENAME_FIXED(char, "char")
OE_TYPENAME_FIXED(signed char, "signed char")
OE_TYPENAME_FIXED(unsigned char, "unsigned char")
OE_TYPENAME_FIXED(short, "short")
OE_TYPENAME_FIXED(unsigned short, "unsigned short")
OE_TYPENAME_FIXED(int, "int")
OE_TYPENAME_FIXED(unsigned int, "unsigned int")
OE_TYPENAME_FIXED(long, "long")
OE_TYPENAME_FIXED(unsigned long, "unsigned long")
OE_TYPENAME_FIXED(long long, "__int64")
OE_TYPENAME_FIXED(unsigned long long, "unsigned __int64")
OE_TYPENAME_FIXED(float, "float")
OE_TYPENAME_FIXED(double, "double")
OE_TYPENAME_FIXED(long double, "long double")
OE_TYPENAME_FIXED(char16_t, "wchar_t")
OE_TYPENAME_FIXED(void, "void")

#undef OE_TYPENAME_FIXED

// The value type name of T: UnMangle of its run-time type name, made once.
template <typename T> bCString const & g_GetValueTypeName()
{
    static bCString const s_strName = bCClassNameBase::UnMangle(bTTypeName<T>::Get().c_str());
    return s_strName;
}

#endif
