#include <vellmark/kernel/oe_memorystream.h>
#include <vellmark/propertysystem/accessors/oe_accessor_type.h>
#include <vellmark/propertysystem/accessors/oe_accessorcreator.h>
#include <vellmark/propertysystem/accessors/oe_pofileinspector.h>
#include <vellmark/propertysystem/factories/oe_propertyobjectsingleton.h>
#include <vellmark/propertysystem/persistence/oe_postream.h>

#include "propertysystem/accessors/oe_accessortestclasses.h"
#include "propertysystem/accessors/oe_pofiletestsupport.h"
#include "propertysystem/oe_propertybytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
    // A file of a leaf (LeafCount 42, BaseValue 0.5) and a gap top object.
    std::vector<unsigned char> WriteTestFile()
    {
        bCAccessorCreator Leaf("bCAccChainLeaf"), Top("bCAccGapTop");
        bTAccessorType<long>{bCAccessorProperty(Leaf)["LeafCount"]}.SetValue(42);
        bTAccessorType<float>{bCAccessorProperty(Leaf)["BaseValue"]}.SetValue(0.5f);
        return WritePOFile({Leaf, Top});
    }

    // Replaces a text of the file by another of the same length.
    void Patch(std::vector<unsigned char> & a_arrFile, std::string const & a_strOld, std::string const & a_strNew)
    {
        auto It = std::search(a_arrFile.begin(), a_arrFile.end(), a_strOld.begin(), a_strOld.end());
        ASSERT_NE(It, a_arrFile.end()) << a_strOld;
        std::copy(a_strNew.begin(), a_strNew.end(), It);
    }

    // The property of that name; an empty one, and a failure, when there is none.
    bSPOInspectedProperty const * FindProperty(bSPOInspectedObject const & a_Object, std::string const & a_strName)
    {
        static bSPOInspectedProperty const s_None;
        for (bSPOInspectedProperty const & Property : a_Object.m_arrProperties)
            if (Property.m_strName == a_strName)
                return &Property;
        ADD_FAILURE() << "no property " << a_strName;
        return &s_None;
    }
} // namespace

TEST(bCPOFileInspector, AccessorObjectsRoundTripAndTheInspectorNamesUnknowns)
{
    bCAccessorCreator Leaf("bCAccChainLeaf");
    bTAccessorType<long>{bCAccessorProperty(Leaf)["LeafCount"]}.SetValue(9);
    bCMemoryStream Stream;
    bCAccessorPropertyObject(Leaf).Write(Stream);
    bCAccessorPropertyObject().Write(Stream);
    // Version, object present, the record's version; an empty accessor writes version and "no object".
    std::string const strBytes = GetContent(Stream);
    EXPECT_EQ(strBytes.substr(0, 5) + strBytes.substr(strBytes.size() - 3),
              bCBytes().U16(1).U8(1).U16(1).U16(1).U8(0).Get());
    Stream.Seek(0, bEStreamSeekMode_Begin);
    bCAccessorPropertyObject Read;
    EXPECT_EQ(Read.Read(Stream), 1);
    EXPECT_EQ(Read.GetPropertyObject()->GetReferenceCount(), 1ul);
    EXPECT_STREQ(bCAccessorProperty(Read)["LeafCount"].ConvertValueToString().GetText(), "9");
    bCAccessorPropertyObject Empty;
    EXPECT_EQ(Empty.Read(Stream), 1);
    EXPECT_FALSE(Empty.HasPropertyObject());
    EXPECT_EQ(Stream.GetPosition(), Stream.GetSize());

    // The operators give the same bytes; a constant accessor can be written.
    bCAccessorPropertyObject const Constant(Leaf);
    bCMemoryStream ByOperators;
    ByOperators << Constant;
    Constant >> ByOperators;
    bCAccessorPropertyObject().Write(ByOperators);
    std::string const strOne = strBytes.substr(0, strBytes.size() - 3);
    EXPECT_EQ(GetContent(ByOperators), strOne + strOne + bCBytes().U16(1).U8(0).Get());
    ByOperators.Seek(0, bEStreamSeekMode_Begin);
    bCAccessorPropertyObject ReadByOperator;
    ByOperators >> ReadByOperator;
    EXPECT_STREQ(bCAccessorProperty(ReadByOperator)["LeafCount"].ConvertValueToString().GetText(), "9");

    // The inspector names unknown classes, properties and changed types.
    std::vector<unsigned char> arrFile = WriteTestFile();
    Patch(arrFile, "bCAccGapTop", "bCAccGapTip"); // a class this program does not know
    Patch(arrFile, "LeafFlag", "LeafFlog");       // a property the class does not have
    Patch(arrFile, "float", "xloat");             // a value type the class's property does not have
    bSPOInspection const Inspection = InspectPOFile(arrFile);
    EXPECT_FALSE(Inspection.m_bDamaged) << Inspection.m_strDamage;
    ASSERT_EQ(Inspection.m_arrObjects.size(), 2u);
    bSPOInspectedObject const & Inspected = Inspection.m_arrObjects[0];
    EXPECT_EQ(FindProperty(Inspected, "LeafFlog")->m_eState, bEPOInspectedState_UnknownProperty);
    EXPECT_EQ(FindProperty(Inspected, "LeafFlog")->m_strBytes, "01");
    EXPECT_EQ(FindProperty(Inspected, "BaseValue")->m_eState, bEPOInspectedState_ChangedType);
    EXPECT_EQ(FindProperty(Inspected, "BaseValue")->m_strValue, ""); // stored, but not as a float
    // The class's properties the file no longer holds keep their defaults.
    EXPECT_EQ(FindProperty(Inspected, "LeafFlag")->m_eState, bEPOInspectedState_NotStored);
    EXPECT_EQ(FindProperty(Inspected, "LeafFlag")->m_strValue, "true");
    EXPECT_EQ(FindProperty(Inspected, "BaseValue")->m_strRegisteredTypeName, "float");

    bSPOInspectedObject const & Tip = Inspection.m_arrObjects[1];
    EXPECT_FALSE(Tip.m_bKnownClass);
    ASSERT_EQ(Tip.m_arrProperties.size(), 1u);
    EXPECT_EQ(Tip.m_arrProperties[0].m_eState, bEPOInspectedState_UnknownClass);
    EXPECT_EQ(Tip.m_arrProperties[0].m_strBytes, "00 00 00 40"); // 2.0f
    EXPECT_NE(bCPOFileInspector::FormatText(Inspection).find("class bCAccGapTip (unknown class)"), std::string::npos);
}


TEST(bCPOFileInspector, SaysWhereATruncatedFileEndsAndCraftedDamageStarts)
{
    std::vector<unsigned char> const arrFile = WriteTestFile();
    for (size_t uSize = 0; uSize < arrFile.size(); ++uSize)
    {
        SCOPED_TRACE(uSize);
        std::vector<unsigned char> const arrCut(arrFile.begin(), arrFile.begin() + static_cast<long>(uSize));
        bSPOInspection const Inspection = bCPOFileInspector::Inspect(arrCut.data(), arrCut.size());
        EXPECT_TRUE(Inspection.m_bDamaged);
        EXPECT_LE(Inspection.m_u64DamageOffset, uSize);
        EXPECT_NE(bCPOFileInspector::FormatText(Inspection).find("damaged from offset"), std::string::npos);
    }

    // Crafted damage: where it starts.
    uint64_t const u64Body = InspectPOFile(arrFile).m_u64BodyOffset;
    struct bSRow
    {
        char const * m_pcWhat;
        size_t m_uOffset; // from the start of the body, or of the file where marked
        bool m_bFromFile;
        std::vector<unsigned char> m_arrBytes;
        char const * m_pcReason;
        uint64_t m_u64Damage; // expected offset, from the same start
    };
    std::vector<bSRow> const arrRows = {
        {"file version", 0, true, {2, 0}, "file version 2", 0},
        {"string count", 3, true, {0xFF, 0xFF, 0xFF, 0x7F}, "string count", 3},
        {"class name index", 3, false, {0x40, 0x00}, "string index 64", 3},
        {"property count above the records' room", 18, false, {20, 0, 0, 0}, "property count 20 is larger", 18},
    };
    for (bSRow const & Row : arrRows)
    {
        SCOPED_TRACE(Row.m_pcWhat);
        std::vector<unsigned char> arrDamaged = arrFile;
        size_t const uBase = Row.m_bFromFile ? 0 : static_cast<size_t>(u64Body);
        std::copy(Row.m_arrBytes.begin(), Row.m_arrBytes.end(),
                  arrDamaged.begin() + static_cast<long>(uBase + Row.m_uOffset));
        bSPOInspection const Inspection = bCPOFileInspector::Inspect(arrDamaged.data(), arrDamaged.size());
        EXPECT_TRUE(Inspection.m_bDamaged);
        EXPECT_NE(Inspection.m_strDamage.find(Row.m_pcReason), std::string::npos) << Inspection.m_strDamage;
        EXPECT_EQ(Inspection.m_u64DamageOffset, uBase + Row.m_u64Damage);
    }

    // Every value type and nested objects.
    bCAccessorCreator Object("bCAccAllTypes");
    bCAccessorProperty(Object)["Colour"].ConvertStringToValue("4");
    for (bool bPlainStrings : {false, true}) // with a string table, or in legacy mode with the strings in place
    {
        SCOPED_TRACE(bPlainStrings);
        bSPOInspection const Inspection = InspectPOFile(WritePOFile({Object}, bPlainStrings));
        ASSERT_FALSE(Inspection.m_bDamaged) << Inspection.m_strDamage; // every stored size fits its value type
        EXPECT_EQ(Inspection.m_bPlainStrings, bPlainStrings);
        ASSERT_EQ(Inspection.m_arrObjects.size(), 1u);
        bSPOInspectedObject const & Read = Inspection.m_arrObjects[0];
        EXPECT_EQ(Read.m_uObjectVersion, 83);
        EXPECT_EQ(Read.m_uDataVersion, 30);
        EXPECT_EQ(Read.m_u32NativeSize, 2u);
        ExpectValuesAsTheAccessorsShow(Read, Object);
        EXPECT_EQ(FindProperty(Read, "Colour")->m_strValue, "4 : Blue");
        bSPOInspectedProperty const * pEmbedded = FindProperty(Read, "Embedded");
        ASSERT_EQ(pEmbedded->m_arrNested.size(), 1u);
        EXPECT_EQ(pEmbedded->m_arrNested[0].m_strClassName, "bCAccChainBase");
        EXPECT_EQ(pEmbedded->m_arrNested[0].m_arrProperties.size(), 1u);
        std::string const strText = bCPOFileInspector::FormatText(Inspection);
        EXPECT_NE(strText.find("Int : int = \"100\""), std::string::npos) << strText;
        EXPECT_EQ(strText.find("damaged"), std::string::npos);
    }
    EXPECT_TRUE(bCPOStream::IsInLegacyMode()); // nothing of the inspection stays behind
}
