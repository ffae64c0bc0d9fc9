// Prints a property-object file: its string table, every object with its
// class and versions, and every property with its value type and value; the
// classes and properties this program does not know by name and size.
//
//   vellmark-inspect [--json] FILE
//
// Exit code: 0 for a sound file, 1 for a damaged one (the output says where
// the damage starts), 2 when the file cannot be read or the arguments are wrong.

#include <vellmark/propertysystem/accessors/oe_pofileinspector.h>

#include <nlohmann/json.hpp>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace
{
    nlohmann::json ObjectToJson(bSPOInspectedObject const & a_Object);

    nlohmann::json PropertyToJson(bSPOInspectedProperty const & a_Property)
    {
        nlohmann::json Property = {
            {"name", a_Property.m_strName},
            {"valueType", a_Property.m_strValueTypeName},
            {"state", bCPOFileInspector::GetStateName(a_Property.m_eState)},
        };
        if (a_Property.m_eState != bEPOInspectedState_NotStored)
        {
            Property["offset"] = a_Property.m_u64Offset;
            Property["size"] = a_Property.m_u32Size;
        }
        if (!a_Property.m_strRegisteredTypeName.empty())
            Property["registeredValueType"] = a_Property.m_strRegisteredTypeName;
        if (a_Property.m_bHasValue)
            Property["value"] = a_Property.m_strValue;
        if (!a_Property.m_strBytes.empty())
            Property["bytes"] = a_Property.m_strBytes;
        if (!a_Property.m_arrNested.empty())
        {
            nlohmann::json Nested = nlohmann::json::array();
            for (bSPOInspectedObject const & Object : a_Property.m_arrNested)
                Nested.push_back(ObjectToJson(Object));
            Property["objects"] = Nested;
        }
        return Property;
    }

    nlohmann::json ObjectToJson(bSPOInspectedObject const & a_Object)
    {
        nlohmann::json Object = {
            {"offset", a_Object.m_u64Offset},
            {"persistable", a_Object.m_bPersistable},
        };
        if (!a_Object.m_bPersistable)
            return Object;
        Object["class"] = a_Object.m_strClassName;
        Object["knownClass"] = a_Object.m_bKnownClass;
        Object["root"] = a_Object.m_bRoot;
        Object["version"] = a_Object.m_uObjectVersion;
        Object["dataVersion"] = a_Object.m_uDataVersion;
        Object["dataSize"] = a_Object.m_u32DataSize;
        Object["nativeSize"] = a_Object.m_u32NativeSize;
        Object["valuesRead"] = a_Object.m_bValuesRead;
        nlohmann::json Properties = nlohmann::json::array();
        for (bSPOInspectedProperty const & Property : a_Object.m_arrProperties)
            Properties.push_back(PropertyToJson(Property));
        Object["properties"] = Properties;
        return Object;
    }

    nlohmann::json InspectionToJson(std::string const & a_strFile, bSPOInspection const & a_Inspection)
    {
        nlohmann::json Objects = nlohmann::json::array();
        for (bSPOInspectedObject const & Object : a_Inspection.m_arrObjects)
            Objects.push_back(ObjectToJson(Object));
        nlohmann::json File = {
            {"file", a_strFile},
            {"fileVersion", a_Inspection.m_uFileVersion},
            {"strings", a_Inspection.m_arrStrings},
            {"bodyOffset", a_Inspection.m_u64BodyOffset},
            {"bodySize", a_Inspection.m_u32BodySize},
            {"objects", Objects},
            {"damaged", a_Inspection.m_bDamaged},
        };
        if (a_Inspection.m_bDamaged)
            File["damage"] = {{"offset", a_Inspection.m_u64DamageOffset}, {"reason", a_Inspection.m_strDamage}};
        if (!a_Inspection.m_strNote.empty())
            File["note"] = a_Inspection.m_strNote;
        return File;
    }

    bool ReadWholeFile(char const * a_pcPath, std::vector<char> & a_arrBytes)
    {
        std::ifstream File(a_pcPath, std::ios::binary);
        if (!File)
            return false;
        a_arrBytes.assign(std::istreambuf_iterator<char>(File), std::istreambuf_iterator<char>());
        return !File.bad();
    }
} // namespace

int main(int a_iArgCount, char ** a_ppcArgs)
{
    bool bJson = false;
    std::vector<char const *> arrFiles;
    for (int i = 1; i < a_iArgCount; ++i)
    {
        if (std::strcmp(a_ppcArgs[i], "--json") == 0)
            bJson = true;
        else
            arrFiles.push_back(a_ppcArgs[i]);
    }
    char const * pcPath = arrFiles.size() == 1 ? arrFiles[0] : nullptr;
    if (!pcPath)
    {
        std::fprintf(stderr, "usage: vellmark-inspect [--json] FILE\n");
        return 2;
    }
    std::vector<char> arrBytes;
    if (!ReadWholeFile(pcPath, arrBytes))
    {
        std::fprintf(stderr, "vellmark-inspect: cannot read %s\n", pcPath);
        return 2;
    }
    bSPOInspection const Inspection = bCPOFileInspector::Inspect(arrBytes.data(), arrBytes.size());
    if (bJson)
        std::printf(
            "%s\n",
            InspectionToJson(pcPath, Inspection).dump(2, ' ', false, nlohmann::json::error_handler_t::replace).c_str());
    else
        std::printf("%s: %s", pcPath, bCPOFileInspector::FormatText(Inspection).c_str());
    return Inspection.m_bDamaged ? 1 : 0;
}
