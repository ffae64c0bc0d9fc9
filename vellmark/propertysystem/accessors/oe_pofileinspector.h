#ifndef OE_POFILEINSPECTOR_H_INCLUDED
#define OE_POFILEINSPECTOR_H_INCLUDED

// bCPOFileInspector: what a property-object file holds, for people and tools.
//
// - The file's own structure is walked byte by byte: the string table, then
//   the body as a sequence of object records of the singleton registry (its
//   strings indices into the table, or in place when the table is empty, as a
//   stream in legacy mode writes them). Every
//   object and property is listed by name, value type and size, whether the
//   running program knows its class or not, and nested property objects
//   stored as values are walked the same way (at most 64 levels).
// - Objects of known classes whose record is sound are then read through the
//   registry, and each known property's value is shown through the property
//   accessors' text conversion; properties the class has but the file lacks
//   are listed with their default values.
// - A damaged file never ends the walk in a crash: the inspection stops at
//   the first field that does not fit and says where that is and why.
//   Objects before it are listed in full.
// - Reading values needs the main property-object stream: while another one
//   exists, the structure is listed without values.

#include <vellmark/kernel/oe_types.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

enum bEPOInspectedState : int
{
    bEPOInspectedState_Known = 0,           // read into the class's property
    bEPOInspectedState_UnknownProperty = 1, // the class has no property of that name
    bEPOInspectedState_ChangedType = 2,     // the class's property has another value type
    bEPOInspectedState_UnknownClass = 3,    // the class is not registered
    bEPOInspectedState_NotStored = 4,       // the class has it, the file does not: the default value
};

struct bSPOInspectedObject;

struct bSPOInspectedProperty
{
    std::string m_strName;
    std::string m_strValueTypeName;
    std::string m_strRegisteredTypeName; // the class's own value type, when it differs
    bEPOInspectedState m_eState = bEPOInspectedState_Known;
    uint64_t m_u64Offset = 0; // of the record in the file
    uint32_t m_u32Size = 0;   // of the stored value
    bool m_bHasValue = false;
    std::string m_strValue;                       // the accessors' text of the value
    std::string m_strBytes;                       // the first 16 stored bytes in hex, when not known
    std::vector<bSPOInspectedObject> m_arrNested; // a property object stored as the value
};

struct bSPOInspectedObject
{
    uint64_t m_u64Offset = 0; // of the record in the file
    std::string m_strClassName;
    bool m_bKnownClass = false;
    bool m_bPersistable = true;
    bool m_bRoot = false;
    unsigned short m_uObjectVersion = 0;
    unsigned short m_uDataVersion = 0;
    uint32_t m_u32DataSize = 0;
    uint32_t m_u32NativeSize = 0; // the native object's own bytes after the properties
    bool m_bValuesRead = false;
    std::vector<bSPOInspectedProperty> m_arrProperties;
};

struct bSPOInspection
{
    unsigned short m_uFileVersion = 0;
    std::vector<std::string> m_arrStrings;
    bool m_bPlainStrings = false; // an empty table: the body holds its strings in place (legacy form)
    uint32_t m_u32BodySize = 0;
    uint64_t m_u64BodyOffset = 0;
    std::vector<bSPOInspectedObject> m_arrObjects;
    bool m_bDamaged = false;
    uint64_t m_u64DamageOffset = 0;
    std::string m_strDamage;
    std::string m_strNote; // why values are missing, when they are
};

class OE_API bCPOFileInspector
{
public:
    static bSPOInspection Inspect(void const * a_pData, size_t a_uSize);
    static std::string FormatText(bSPOInspection const & a_Inspection);
    static char const * GetStateName(bEPOInspectedState a_eState);
};

#endif
