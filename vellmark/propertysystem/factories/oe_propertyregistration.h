#ifndef OE_PROPERTYREGISTRATION_H_INCLUDED
#define OE_PROPERTYREGISTRATION_H_INCLUDED

// How a module declares a class with properties: once per class in its
// body, once per class and once per property in one source file.
//
//     // door.h
//     class bCDoor : public bCObjectRefBase
//     {
//         OE_PROPERTY_CLASS(bCDoor, bCObjectRefBase)
//     private:
//         float m_fAngle = 0.0f;
//         bCString m_strKey;
//     };
//
//     // door.cpp (one OE_PROPERTY per line; one file or several)
//     OE_PROPERTY(bCDoor, m_fAngle, "Angle")
//     OE_PROPERTY(bCDoor, m_strKey, "Key")
//     OE_PROPERTY_OBJECT(bCDoor)
//
// - OE_PROPERTY builds the static bTPropertyType<bCDoor, float> with the
//   member's offset, name and kind 2 during static initialisation; the
//   properties register in the order of the lines (the order of the file).
// - OE_PROPERTY_OBJECT builds the class's root object, which holds the
//   defaults: new objects by class name are its clones.
// - The base class named in OE_PROPERTY_CLASS is the one whose properties
//   follow the class's own; it is bCObjectRefBase at the root of a chain.

#include <vellmark/propertysystem/objects/oe_propertyobject.h>
#include <vellmark/propertysystem/types/oe_propertybaseclass.h>
#include <vellmark/propertysystem/types/oe_propertytype.h>

#include <cstddef>

#define OE_PROPERTY_OBJECT(CLASS)                                                                                      \
    static bTPropertyObject<CLASS, bTPropertyBaseClassOf<CLASS>::Type> s_RootPropertyObject_##CLASS(                   \
        bTPropertyObject<CLASS, bTPropertyBaseClassOf<CLASS>::Type>::ms_Root);

#define OE_PROPERTY(CLASS, MEMBER, NAME) OE_PROPERTY_KIND(CLASS, MEMBER, NAME, bEPropertyType_Normal)
#define OE_PROPERTY_KIND(CLASS, MEMBER, NAME, KIND) OE_PROPERTY_AT_LINE(CLASS, MEMBER, NAME, KIND, __LINE__)
#define OE_PROPERTY_AT_LINE(CLASS, MEMBER, NAME, KIND, LINE) OE_PROPERTY_DEFINE(CLASS, MEMBER, NAME, KIND, LINE)
// Each property's bTPropertyMember entry is a nested class of CLASS, so it may name private
// members; its tag lives in an unnamed namespace, so that properties of one
// class declared in several source files never meet.
#define OE_PROPERTY_DEFINE(CLASS, MEMBER, NAME, KIND, LINE)                                                            \
    namespace                                                                                                          \
    {                                                                                                                  \
        struct bSPropertyTag_##CLASS##_##LINE;                                                                         \
    }                                                                                                                  \
    template <> struct CLASS::bTPropertyMember<bSPropertyTag_##CLASS##_##LINE>                                         \
    {                                                                                                                  \
        using bTValue = decltype(CLASS::MEMBER);                                                                       \
        static unsigned long GetOffset()                                                                               \
        {                                                                                                              \
            _Pragma("GCC diagnostic push") _Pragma("GCC diagnostic ignored \"-Winvalid-offsetof\"") return offsetof(  \
                CLASS, MEMBER);                                                                                        \
            _Pragma("GCC diagnostic pop")                                                                              \
        }                                                                                                              \
    };                                                                                                                 \
    static bTPropertyType<CLASS, CLASS::bTPropertyMember<bSPropertyTag_##CLASS##_##LINE>::bTValue>                     \
        s_PropertyType_##CLASS##_##LINE(CLASS::bTPropertyMember<bSPropertyTag_##CLASS##_##LINE>::GetOffset(), NAME,    \
                                        KIND);

#endif
