#ifndef OE_POFILETESTSUPPORT_H_INCLUDED
#define OE_POFILETESTSUPPORT_H_INCLUDED

// Writes property-object files for the inspector tests and compares what the
// inspector shows with what the accessors show.

#include <vellmark/kernel/oe_memorystream.h>
#include <vellmark/propertysystem/accessors/oe_accessorproperty.h>
#include <vellmark/propertysystem/accessors/oe_pofileinspector.h>
#include <vellmark/propertysystem/factories/oe_propertyobjectsingleton.h>
#include <vellmark/propertysystem/persistence/oe_postream.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

// A file of the objects; with a string table, or in legacy mode with the strings in place.
inline std::vector<unsigned char> WritePOFile(std::initializer_list<bCPropertyObjectBase *> a_arrObjects,
                                              bool a_bPlainStrings = false)
{
    bCMemoryStream File;
    {
        bCPOStream Body;
        if (!a_bPlainStrings)
            bCPOStream::DisableLegacyMode();
        for (bCPropertyObjectBase * pObject : a_arrObjects)
            bCPropertyObjectSingleton::GetInstance().WriteObject(Body, pObject);
        Body.WriteFile(File);
    }
    std::vector<unsigned char> arrBytes(static_cast<size_t>(File.GetSize()));
    File.Seek(0, bEStreamSeekMode_Begin);
    File.Read(arrBytes.data(), static_cast<unsigned long>(arrBytes.size()));
    return arrBytes;
}

inline bSPOInspection InspectPOFile(std::vector<unsigned char> const & a_arrFile)
{
    return bCPOFileInspector::Inspect(a_arrFile.data(), a_arrFile.size());
}

// Every property of the inspected object shows the text the accessor shows.
inline void ExpectValuesAsTheAccessorsShow(bSPOInspectedObject const & a_Inspected, bCPropertyObjectBase * a_pObject)
{
    ASSERT_TRUE(a_Inspected.m_bValuesRead);
    for (bSPOInspectedProperty const & Property : a_Inspected.m_arrProperties)
    {
        SCOPED_TRACE(Property.m_strName);
        EXPECT_EQ(Property.m_eState, bEPOInspectedState_Known);
        EXPECT_EQ(Property.m_strValue,
                  bCAccessorProperty(a_pObject)[Property.m_strName.c_str()].ConvertValueToString().GetText());
    }
}

#endif
