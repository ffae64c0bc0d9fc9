#ifndef OE_PROPERTYBASECLASS_H_INCLUDED
#define OE_PROPERTYBASECLASS_H_INCLUDED

// bTPropertyBaseClassOf<CLASS>::Type: the base class under which CLASS
// registers its properties. OE_PROPERTY_CLASS (oe_propertyregistration.h)
// in the class body provides it; a class without any such declaration in its
// chain stands directly on bCObjectRefBase. A class that forgets the macro
// below one that has it would inherit its base's answer, which the check
// refuses. A module may also give the trait its own answer for a class.

#include <type_traits>

class bCObjectRefBase;

template <typename CLASS, typename = void> struct bTPropertyBaseClassOfDeclared
{
    using Type = bCObjectRefBase;
};

template <typename CLASS>
struct bTPropertyBaseClassOfDeclared<CLASS, std::void_t<typename CLASS::bTPropertyClass>>
{
    static_assert(std::is_same_v<typename CLASS::bTPropertyClass, CLASS>,
                  "the class needs OE_PROPERTY_CLASS(CLASS, BASECLASS) in its body");
    using Type = typename CLASS::bTPropertyBaseClass;
};

template <typename CLASS> struct bTPropertyBaseClassOf : bTPropertyBaseClassOfDeclared<CLASS>
{
};

// In the body of every class with properties (it leaves the access public):
//     class bCDoor : public bCObjectRefBase
//     {
//         OE_PROPERTY_CLASS(bCDoor, bCObjectRefBase)
//         ...
// The member template is where OE_PROPERTY reaches the class's private members.
#define OE_PROPERTY_CLASS(CLASS, BASECLASS)                                                                            \
public:                                                                                                                \
    using bTPropertyClass = CLASS;                                                                                     \
    using bTPropertyBaseClass = BASECLASS;                                                                             \
    template <typename TAG> struct bTPropertyMember;

#endif
