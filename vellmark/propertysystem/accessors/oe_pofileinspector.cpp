#include <vellmark/propertysystem/accessors/oe_pofileinspector.h>

#include <vellmark/kernel/oe_memorystream.h>
#include <vellmark/propertysystem/accessors/oe_accessorcreator.h>
#include <vellmark/propertysystem/accessors/oe_accessorproperty.h>
#include <vellmark/propertysystem/factories/oe_propertyobjectfactory.h>
#include <vellmark/propertysystem/factories/oe_propertyobjectsingleton.h>
#include <vellmark/propertysystem/objects/oe_propertyobjectbase.h>
#include <vellmark/propertysystem/persistence/oe_postream.h>
#include <vellmark/propertysystem/types/oe_propertyobjecttypebase.h>
#include <vellmark/propertysystem/types/oe_propertytypebase.h>

#include <cstdio>
#include <cstring>

namespace
{
    int const kMaxNesting = 64;
    unsigned short const kNoTypeNamesBefore = 30; // older property data stores no value type names
    unsigned short const kLastIDVersion = 81;     // object data up to this version starts with an identifier
    uint32_t const kPropertyIDSize = 20;
    uint32_t const kMinRecordSize = 2 + 2 + 2 + 4; // name, type name, type version, size

    // Reads little-endian fields inside [begin, end) and remembers the first
    // field that did not fit.
    class bCFieldReader
    {
    public:
        bCFieldReader(uint8_t const * a_pData, uint64_t a_u64Begin, uint64_t a_u64End, bSPOInspection & a_Inspection) :
            m_pData(a_pData), m_u64Position(a_u64Begin), m_u64End(a_u64End), m_Inspection(a_Inspection)
        {
        }

        uint64_t GetPosition() const { return m_u64Position; }
        uint64_t GetEnd() const { return m_u64End; }
        uint64_t GetRemaining() const { return m_u64End - m_u64Position; }
        bool IsDamaged() const { return m_Inspection.m_bDamaged; }

        bool Fail(char const * a_pcWhat) { return FailAt(m_u64Position, a_pcWhat); }
        bool FailAt(uint64_t a_u64Offset, std::string const & a_strWhat)
        {
            if (!m_Inspection.m_bDamaged)
            {
                m_Inspection.m_bDamaged = true;
                m_Inspection.m_u64DamageOffset = a_u64Offset;
                m_Inspection.m_strDamage = a_strWhat;
            }
            return false;
        }

        bool Skip(uint64_t a_u64Count, char const * a_pcWhat)
        {
            if (a_u64Count > GetRemaining())
                return Fail(a_pcWhat);
            m_u64Position += a_u64Count;
            return true;
        }
        template <typename T> bool Get(T & a_Value, char const * a_pcWhat)
        {
            if (sizeof(T) > GetRemaining())
                return Fail(a_pcWhat);
            a_Value = 0;
            for (size_t i = 0; i < sizeof(T); ++i)
                a_Value =
                    static_cast<T>(a_Value | static_cast<T>(static_cast<T>(m_pData[m_u64Position + i]) << (8 * i)));
            m_u64Position += sizeof(T);
            return true;
        }
        bool GetPlainString(std::string & a_strValue, char const * a_pcWhat)
        {
            uint64_t const u64Start = m_u64Position;
            uint16_t u16Count = 0;
            if (!Get(u16Count, a_pcWhat))
                return false;
            if (u16Count > GetRemaining())
                return FailAt(u64Start, std::string(a_pcWhat) + ": its length runs past the end");
            a_strValue.assign(reinterpret_cast<char const *>(m_pData + m_u64Position), u16Count);
            m_u64Position += u16Count;
            return true;
        }
        // A string of the body: an index into the file's table.
        bool GetTableString(std::string & a_strValue, char const * a_pcWhat)
        {
            if (m_Inspection.m_bPlainStrings)
                return GetPlainString(a_strValue, a_pcWhat);
            uint64_t const u64Start = m_u64Position;
            uint16_t u16Index = 0;
            if (!Get(u16Index, a_pcWhat))
                return false;
            if (u16Index >= m_Inspection.m_arrStrings.size())
                return FailAt(u64Start, std::string(a_pcWhat) + ": string index " + std::to_string(u16Index) +
                                            " is not in the table");
            a_strValue = m_Inspection.m_arrStrings[u16Index];
            return true;
        }
        // A reader for the next a_u32Size bytes, which this one then skips.
        bool Sub(uint32_t a_u32Size, char const * a_pcWhat, uint64_t & a_u64SubEnd)
        {
            if (a_u32Size > GetRemaining())
                return Fail(a_pcWhat);
            a_u64SubEnd = m_u64Position + a_u32Size;
            return true;
        }
        void MoveTo(uint64_t a_u64Position) { m_u64Position = a_u64Position; }
        uint8_t const * GetData() const { return m_pData; }
        bSPOInspection & GetInspection() { return m_Inspection; }

    private:
        uint8_t const * m_pData;
        uint64_t m_u64Position;
        uint64_t m_u64End;
        bSPOInspection & m_Inspection;
    };

    bool ParsePropertyObject(bCFieldReader & a_Reader, bSPOInspectedObject & a_Object, int a_iDepth);

    bCPropertyObjectTypeBase const * FindClass(std::string const & a_strClassName)
    {
        return bCPropertyObjectSingleton::GetInstance().FindTemplate(bCString(a_strClassName.c_str()));
    }

    bCPropertyTypeBase const * FindProperty(bCPropertyObjectTypeBase const * a_pClass, std::string const & a_strName)
    {
        if (!a_pClass || !a_pClass->GetObjectFactory() || !a_pClass->GetObjectFactory()->GetRootObject())
            return nullptr;
        bCAccessorProperty Property(bCAccessorPropertyObject(a_pClass->GetObjectFactory()->GetRootObject()));
        Property = Property[bCString(a_strName.c_str())];
        return Property.GetPropertyTypeObject();
    }

    void ClassifyProperty(bCPropertyObjectTypeBase const * a_pClass, bSPOInspectedProperty & a_Property,
                          bool a_bTypeNamesStored)
    {
        if (!a_pClass)
        {
            a_Property.m_eState = bEPOInspectedState_UnknownClass;
            return;
        }
        bCPropertyTypeBase const * pType = FindProperty(a_pClass, a_Property.m_strName);
        if (!pType)
            a_Property.m_eState = bEPOInspectedState_UnknownProperty;
        else if (a_bTypeNamesStored && a_Property.m_strValueTypeName != pType->GetValueTypeName().GetText())
        {
            a_Property.m_eState = bEPOInspectedState_ChangedType;
            a_Property.m_strRegisteredTypeName = pType->GetValueTypeName().GetText();
        }
        else
            a_Property.m_eState = bEPOInspectedState_Known;
    }

    // "bTPropertyObject<class bCFoo,class bCBar>" holds a bCFoo.
    std::string GetEmbeddedClassName(std::string const & a_strValueTypeName)
    {
        size_t uBegin = a_strValueTypeName.find('<');
        if (uBegin == std::string::npos)
            return std::string();
        ++uBegin;
        size_t const uBlank = a_strValueTypeName.find(' ', uBegin);
        size_t const uEnd = a_strValueTypeName.find_first_of(",>", uBegin);
        if (uBlank != std::string::npos && uBlank < uEnd)
            uBegin = uBlank + 1;
        return a_strValueTypeName.substr(uBegin, uEnd == std::string::npos ? std::string::npos : uEnd - uBegin);
    }

    // The stored size of the values whose stream form has a fixed size (a
    // string: its index; a bCMatrix3 streams its first element only); 0 for
    // the others.
    uint32_t GetFixedValueSize(std::string const & a_strValueTypeName)
    {
        struct bSFixedSize
        {
            char const * m_pcName;
            uint32_t m_u32Size;
        };
        static bSFixedSize const s_arrSizes[] = {
            {"bool", 1},      {"char", 1},       {"short", 2},     {"int", 4},       {"long", 4},
            {"float", 4},     {"double", 8},     {"__int64", 8},   {"bCString", 2},  {"bCGuid", 20},
            {"bCVector", 12}, {"bCVector4", 16}, {"bCMatrix", 64}, {"bCMatrix3", 4}, {"bCQuaternion", 16},
            {"bCBox", 24},    {"bCSphere", 16},
        };
        for (bSFixedSize const & Entry : s_arrSizes)
            if (a_strValueTypeName == Entry.m_pcName)
                return Entry.m_u32Size;
        return 0;
    }

    std::string GetHexBytes(uint8_t const * a_pBytes, uint32_t a_u32Size)
    {
        std::string strHex;
        for (uint32_t u = 0; u < a_u32Size && u < 16; ++u)
        {
            char arrByte[4];
            std::snprintf(arrByte, sizeof(arrByte), u == 0 ? "%02x" : " %02x", a_pBytes[u]);
            strHex += arrByte;
        }
        return a_u32Size > 16 ? strHex + " ..." : strHex;
    }

    bool ParseNestedValue(bCFieldReader & a_Reader, bSPOInspectedProperty & a_Property, uint64_t a_u64End, int a_iDepth)
    {
        if (a_Property.m_strValueTypeName.find("bTPropertyObject") == std::string::npos)
            return true;
        if (a_iDepth >= kMaxNesting)
            return a_Reader.Fail("property objects nested deeper than 64 levels");
        bCFieldReader Nested(a_Reader.GetData(), a_Reader.GetPosition(), a_u64End, a_Reader.GetInspection());
        a_Property.m_arrNested.emplace_back();
        bSPOInspectedObject & Object = a_Property.m_arrNested.back();
        Object.m_u64Offset = a_Reader.GetPosition();
        Object.m_strClassName = GetEmbeddedClassName(a_Property.m_strValueTypeName);
        Object.m_bKnownClass = FindClass(Object.m_strClassName) != nullptr;
        if (!ParsePropertyObject(Nested, Object, a_iDepth + 1))
            return false;
        if (Nested.GetPosition() != a_u64End)
            return a_Reader.FailAt(Nested.GetPosition(), "the nested object does not fill its value");
        return true;
    }

    bool ParseProperty(bCFieldReader & a_Reader, bSPOInspectedObject & a_Object,
                       bCPropertyObjectTypeBase const * a_pClass, int a_iDepth)
    {
        bSPOInspectedProperty Property;
        Property.m_u64Offset = a_Reader.GetPosition();
        bool const bTypeNamesStored = a_Object.m_uDataVersion >= kNoTypeNamesBefore;
        unsigned short uTypeVersion = 0;
        if (!a_Reader.GetTableString(Property.m_strName, "property name") ||
            (bTypeNamesStored && !a_Reader.GetTableString(Property.m_strValueTypeName, "value type name")) ||
            !a_Reader.Get(uTypeVersion, "property type version") || !a_Reader.Get(Property.m_u32Size, "value size"))
            return false;
        uint64_t u64ValueEnd = 0;
        if (!a_Reader.Sub(Property.m_u32Size, "the value runs past the end of its object", u64ValueEnd))
            return false;
        ClassifyProperty(a_pClass, Property, bTypeNamesStored);
        bool const bPlainString = a_Reader.GetInspection().m_bPlainStrings && Property.m_strValueTypeName == "bCString";
        uint32_t const u32Fixed = bPlainString ? 0 : GetFixedValueSize(Property.m_strValueTypeName);
        if (u32Fixed != 0 && u32Fixed != Property.m_u32Size)
            return a_Reader.FailAt(Property.m_u64Offset, "property '" + Property.m_strName + "' of value type " +
                                                             Property.m_strValueTypeName + " stores " +
                                                             std::to_string(Property.m_u32Size) + " bytes, not " +
                                                             std::to_string(u32Fixed));
        if (Property.m_eState != bEPOInspectedState_Known)
            Property.m_strBytes = GetHexBytes(a_Reader.GetData() + a_Reader.GetPosition(), Property.m_u32Size);
        if (!ParseNestedValue(a_Reader, Property, u64ValueEnd, a_iDepth))
            return false;
        a_Reader.MoveTo(u64ValueEnd);
        a_Object.m_arrProperties.push_back(std::move(Property));
        return true;
    }

    bool ParseLeadingFields(bCFieldReader & a_Reader, unsigned short a_uObjectVersion)
    {
        if (a_uObjectVersion == 1)
        {
            std::string strName;
            if (!a_Reader.GetTableString(strName, "object name"))
                return false;
        }
        return a_uObjectVersion > kLastIDVersion || a_Reader.Skip(kPropertyIDSize, "property identifier");
    }

    // The property-object form: version, data size, data block.
    bool ParsePropertyObject(bCFieldReader & a_Reader, bSPOInspectedObject & a_Object, int a_iDepth)
    {
        uint64_t u64DataEnd = 0;
        if (!a_Reader.Get(a_Object.m_uObjectVersion, "object version") ||
            !a_Reader.Get(a_Object.m_u32DataSize, "object data size") ||
            !a_Reader.Sub(a_Object.m_u32DataSize, "the object's data runs past the end", u64DataEnd))
            return false;
        bCFieldReader Data(a_Reader.GetData(), a_Reader.GetPosition(), u64DataEnd, a_Reader.GetInspection());
        uint32_t u32Count = 0;
        if (!ParseLeadingFields(Data, a_Object.m_uObjectVersion) ||
            !Data.Get(a_Object.m_uDataVersion, "property data version"))
            return false;
        if (a_Object.m_uDataVersion == 0)
            return Data.FailAt(Data.GetPosition() - 2, "property data version 0");
        if (!Data.Get(u32Count, "property count"))
            return false;
        if (u32Count > Data.GetRemaining() / kMinRecordSize)
            return Data.FailAt(Data.GetPosition() - 4, "property count " + std::to_string(u32Count) +
                                                           " is larger than the object's data can hold");
        bCPropertyObjectTypeBase const * pClass = a_Object.m_bKnownClass ? FindClass(a_Object.m_strClassName) : nullptr;
        for (uint32_t i = 0; i < u32Count; ++i)
            if (!ParseProperty(Data, a_Object, pClass, a_iDepth))
                return false;
        a_Object.m_u32NativeSize = static_cast<uint32_t>(Data.GetRemaining());
        a_Reader.MoveTo(u64DataEnd);
        return true;
    }

    // One record of the singleton registry: version, persistable flag, class
    // name, then the factory's header and the property object.
    bool ParseRecord(bCFieldReader & a_Reader, bSPOInspectedObject & a_Object)
    {
        unsigned short uVersion = 0, uFactoryVersion = 0, uObjectVersion = 0;
        uint8_t u8Persistable = 0, u8Root = 0;
        a_Object.m_u64Offset = a_Reader.GetPosition();
        if (!a_Reader.Get(uVersion, "record version") || !a_Reader.Get(u8Persistable, "persistable flag"))
            return false;
        a_Object.m_bPersistable = u8Persistable != 0;
        if (!a_Object.m_bPersistable)
            return true;
        if (!a_Reader.GetTableString(a_Object.m_strClassName, "class name") ||
            !a_Reader.Get(uFactoryVersion, "factory record version") || !a_Reader.Get(u8Root, "root flag") ||
            !a_Reader.Get(uObjectVersion, "factory object version"))
            return false;
        a_Object.m_bRoot = u8Root != 0;
        a_Object.m_bKnownClass = FindClass(a_Object.m_strClassName) != nullptr;
        return ParsePropertyObject(a_Reader, a_Object, 0);
    }

    bool ParseHeader(bCFieldReader & a_Reader, bSPOInspection & a_Inspection)
    {
        uint8_t u8TableVersion = 0;
        uint32_t u32Count = 0;
        if (!a_Reader.Get(a_Inspection.m_uFileVersion, "file version"))
            return false;
        if (a_Inspection.m_uFileVersion != 1)
            return a_Reader.FailAt(0, "file version " + std::to_string(a_Inspection.m_uFileVersion) + ", expected 1");
        if (!a_Reader.Get(u8TableVersion, "string table version") || !a_Reader.Get(u32Count, "string count"))
            return false;
        if (u32Count > a_Reader.GetRemaining() / 2)
            return a_Reader.FailAt(a_Reader.GetPosition() - 4,
                                   "string count " + std::to_string(u32Count) + " is larger than the file can hold");
        a_Inspection.m_arrStrings.resize(u32Count);
        for (std::string & strEntry : a_Inspection.m_arrStrings)
            if (!a_Reader.GetPlainString(strEntry, "string table entry"))
                return false;
        if (!a_Reader.Get(a_Inspection.m_u32BodySize, "body size"))
            return false;
        if (a_Inspection.m_u32BodySize > a_Reader.GetRemaining())
            return a_Reader.FailAt(a_Reader.GetPosition() - 4, "body size " +
                                                                   std::to_string(a_Inspection.m_u32BodySize) +
                                                                   " is larger than the rest of the file");
        a_Inspection.m_u64BodyOffset = a_Reader.GetPosition();
        a_Inspection.m_bPlainStrings = a_Inspection.m_arrStrings.empty();
        return true;
    }

    bool IsStored(bSPOInspectedObject const & a_Object, bCString const & a_strName)
    {
        for (bSPOInspectedProperty const & Property : a_Object.m_arrProperties)
            if (a_strName == Property.m_strName.c_str())
                return true;
        return false;
    }

    // The values of the stored properties, and the class's properties the
    // file lacks with the defaults they keep.
    void FillValues(bCPropertyObjectBase * a_pObject, bSPOInspectedObject & a_Object)
    {
        bCAccessorProperty const Object(a_pObject);
        for (bSPOInspectedProperty & Property : a_Object.m_arrProperties)
            if (Property.m_eState == bEPOInspectedState_Known)
            {
                Property.m_strValue = Object[bCString(Property.m_strName.c_str())].ConvertValueToString().GetText();
                Property.m_bHasValue = true;
            }
        for (bCAccessorProperty Walk(a_pObject); Walk.IsValid(); ++Walk)
        {
            if (IsStored(a_Object, Walk.GetPropertyName()))
                continue;
            bSPOInspectedProperty Missing;
            Missing.m_strName = Walk.GetPropertyName().GetText();
            Missing.m_strValueTypeName = Walk.GetPropertyType().GetText();
            Missing.m_eState = bEPOInspectedState_NotStored;
            Missing.m_strValue = Walk.ConvertValueToString().GetText();
            Missing.m_bHasValue = true;
            a_Object.m_arrProperties.push_back(std::move(Missing));
        }
        a_Object.m_bValuesRead = true;
    }

    void ReadObjectValues(bCPOStream & a_Body, bSPOInspectedObject & a_Object, uint64_t a_u64Begin, uint64_t a_u64End)
    {
        if (!a_Object.m_bKnownClass || !a_Object.m_bPersistable)
            return;
        a_Body.Seek(static_cast<long long>(a_u64Begin), bEStreamSeekMode_Begin);
        bCPropertyObjectBase * pObject = bCPropertyObjectSingleton::GetInstance().ReadNewObject(a_Body);
        if (!pObject)
            return;
        if (static_cast<uint64_t>(a_Body.GetPosition()) == a_u64End)
            FillValues(pObject, a_Object);
        pObject->ReleaseReference();
    }

    void ReadValues(uint8_t const * a_pData, size_t a_uSize, bSPOInspection & a_Inspection)
    {
        bCPOStream Body;
        if (!Body.IsMain())
        {
            a_Inspection.m_strNote = "values not read: another property-object stream is in use";
            return;
        }
        bCMemoryStream File;
        File.Write(a_pData, static_cast<unsigned long>(a_uSize));
        File.Seek(0, bEStreamSeekMode_Begin);
        if (!Body.ReadFile(File))
        {
            a_Inspection.m_strNote = "values not read: the library does not load this file";
            return;
        }
        if (a_Inspection.m_bPlainStrings)
            Body.ForceLegacyMode();
        // A damaged file's last object is incomplete: only those before it are read.
        size_t uSound = a_Inspection.m_arrObjects.size();
        if (a_Inspection.m_bDamaged && uSound > 0)
            --uSound;
        for (size_t i = 0; i < uSound; ++i)
        {
            uint64_t const u64End = i + 1 < a_Inspection.m_arrObjects.size()
                                        ? a_Inspection.m_arrObjects[i + 1].m_u64Offset
                                        : a_Inspection.m_u64BodyOffset + a_Inspection.m_u32BodySize;
            uint64_t const u64Base = a_Inspection.m_u64BodyOffset;
            ReadObjectValues(Body, a_Inspection.m_arrObjects[i], a_Inspection.m_arrObjects[i].m_u64Offset - u64Base,
                             u64End - u64Base);
        }
    }
} // namespace

bSPOInspection bCPOFileInspector::Inspect(void const * a_pData, size_t a_uSize)
{
    bSPOInspection Inspection;
    uint8_t const * pData = static_cast<uint8_t const *>(a_pData);
    bCFieldReader File(pData, 0, a_uSize, Inspection);
    if (!ParseHeader(File, Inspection))
        return Inspection;
    bCFieldReader Body(pData, Inspection.m_u64BodyOffset, Inspection.m_u64BodyOffset + Inspection.m_u32BodySize,
                       Inspection);
    while (Body.GetRemaining() > 0)
    {
        Inspection.m_arrObjects.emplace_back();
        if (!ParseRecord(Body, Inspection.m_arrObjects.back()))
            break; // the damaged object stays listed as far as it was sound
    }
    ReadValues(pData, a_uSize, Inspection);
    return Inspection;
}

char const * bCPOFileInspector::GetStateName(bEPOInspectedState a_eState)
{
    switch (a_eState)
    {
    case bEPOInspectedState_Known: return "known";
    case bEPOInspectedState_UnknownProperty: return "unknown property";
    case bEPOInspectedState_ChangedType: return "value type changed";
    case bEPOInspectedState_UnknownClass: return "unknown class";
    case bEPOInspectedState_NotStored: return "not stored";
    }
    return "";
}

namespace
{
    std::string Quote(std::string const & a_strText)
    {
        std::string strQuoted = "\"";
        for (unsigned char cChar : a_strText)
        {
            if (cChar == '"' || cChar == '\\')
                strQuoted += '\\';
            if (cChar < 0x20 || cChar == 0x7F)
            {
                char arrEscape[8];
                std::snprintf(arrEscape, sizeof(arrEscape), "\\x%02X", cChar);
                strQuoted += arrEscape;
            }
            else
                strQuoted += static_cast<char>(cChar);
        }
        return strQuoted + "\"";
    }

    void AppendObject(std::string & a_strText, bSPOInspectedObject const & a_Object, std::string const & a_strIndent);

    void AppendProperty(std::string & a_strText, bSPOInspectedProperty const & a_Property,
                        std::string const & a_strIndent)
    {
        a_strText += a_strIndent + a_Property.m_strName + " : " + a_Property.m_strValueTypeName;
        if (a_Property.m_bHasValue)
            a_strText += " = " + Quote(a_Property.m_strValue);
        if (a_Property.m_eState == bEPOInspectedState_NotStored)
            a_strText += "  (not stored: the class's default)";
        else if (a_Property.m_eState != bEPOInspectedState_Known || !a_Property.m_bHasValue)
        {
            a_strText += "  (" + std::string(bCPOFileInspector::GetStateName(a_Property.m_eState));
            if (!a_Property.m_strRegisteredTypeName.empty())
                a_strText += ", the class has " + a_Property.m_strRegisteredTypeName;
            a_strText += ", " + std::to_string(a_Property.m_u32Size) + " bytes";
            if (!a_Property.m_strBytes.empty())
                a_strText += ": " + a_Property.m_strBytes;
            a_strText += ")";
        }
        a_strText += "\n";
        for (bSPOInspectedObject const & Nested : a_Property.m_arrNested)
            AppendObject(a_strText, Nested, a_strIndent + "    ");
    }

    void AppendObject(std::string & a_strText, bSPOInspectedObject const & a_Object, std::string const & a_strIndent)
    {
        char arrLine[256];
        if (!a_Object.m_bPersistable)
        {
            std::snprintf(arrLine, sizeof(arrLine), "%sobject at offset %llu: not persistable, nothing stored\n",
                          a_strIndent.c_str(), static_cast<unsigned long long>(a_Object.m_u64Offset));
            a_strText += arrLine;
            return;
        }
        a_strText += a_strIndent + "object at offset " + std::to_string(a_Object.m_u64Offset) + ": class " +
                     a_Object.m_strClassName + (a_Object.m_bKnownClass ? "" : " (unknown class)") +
                     (a_Object.m_bRoot ? " (root)" : "");
        std::snprintf(arrLine, sizeof(arrLine),
                      ", version %u, property data version %u, %u bytes of data, %u bytes of native data\n",
                      a_Object.m_uObjectVersion, a_Object.m_uDataVersion, a_Object.m_u32DataSize,
                      a_Object.m_u32NativeSize);
        a_strText += arrLine;
        for (bSPOInspectedProperty const & Property : a_Object.m_arrProperties)
            AppendProperty(a_strText, Property, a_strIndent + "  ");
    }
} // namespace

std::string bCPOFileInspector::FormatText(bSPOInspection const & a_Inspection)
{
    std::string strText = "file version " + std::to_string(a_Inspection.m_uFileVersion) + ", " +
                          std::to_string(a_Inspection.m_arrStrings.size()) + " strings" +
                          (a_Inspection.m_bPlainStrings ? " (strings stored in place)" : "") + ", body of " +
                          std::to_string(a_Inspection.m_u32BodySize) + " bytes at offset " +
                          std::to_string(a_Inspection.m_u64BodyOffset) + "\n";
    for (size_t i = 0; i < a_Inspection.m_arrStrings.size(); ++i)
        strText += "  string " + std::to_string(i) + ": " + Quote(a_Inspection.m_arrStrings[i]) + "\n";
    for (bSPOInspectedObject const & Object : a_Inspection.m_arrObjects)
        AppendObject(strText, Object, "");
    if (!a_Inspection.m_strNote.empty())
        strText += a_Inspection.m_strNote + "\n";
    if (a_Inspection.m_bDamaged)
        strText += "damaged from offset " + std::to_string(a_Inspection.m_u64DamageOffset) + ": " +
                   a_Inspection.m_strDamage + "\n";
    return strText;
}
