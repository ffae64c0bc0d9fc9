// A save file across two builds of the module. The older build knew a crate
// class and a lamp without its wattage; it writes the file through the
// property-object stream. This build has a lamp with a wattage and no crate:
// it reads the file back (the crate is skipped by its size, the lamp keeps its
// default wattage) and prints it as the inspector does.
//
// The older build runs in a child process: there the crate class registers
// itself and the lamp's wattage is withdrawn, as that build's module would have
// declared them; this process never learns of the crate.

#include "demo_steps.h"

#include <vellmark/kernel/oe_memorystream.h>
#include <vellmark/propertysystem/accessors/oe_accessor_type.h>
#include <vellmark/propertysystem/accessors/oe_accessorcreator.h>
#include <vellmark/propertysystem/accessors/oe_pofileinspector.h>
#include <vellmark/propertysystem/factories/oe_propertyobjectsingleton.h>
#include <vellmark/propertysystem/factories/oe_propertyregistration.h>
#include <vellmark/propertysystem/persistence/oe_postream.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

// The lamp as this build declares it: the class body names its base class...
class bCDemoLamp : public bCObjectRefBase
{
    OE_PROPERTY_CLASS(bCDemoLamp, bCObjectRefBase)
public:
    float m_fBrightness = 1.0f;
    bCString m_strName = "lamp";
    bool m_bLit = false;
    long m_lWattage = 60; // new in this build
};

// ...and one source file registers its properties and its root object.
OE_PROPERTY(bCDemoLamp, m_fBrightness, "Brightness")
OE_PROPERTY(bCDemoLamp, m_strName, "Name")
OE_PROPERTY(bCDemoLamp, m_bLit, "Lit")
OE_PROPERTY(bCDemoLamp, m_lWattage, "Wattage")
OE_PROPERTY_OBJECT(bCDemoLamp)

// A class of the older build only.
class bCDemoCrate : public bCObjectRefBase
{
    OE_PROPERTY_CLASS(bCDemoCrate, bCObjectRefBase)
public:
    float m_fWeight = 10.0f;
    bCString m_strLabel = "crate";
};

namespace
{
    // What the older build's module declared, made on first call instead of
    // during static initialisation, so that only the older build has it.
    void DeclareOlderBuild()
    {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
        static bTPropertyType<bCDemoCrate, float> s_Weight(offsetof(bCDemoCrate, m_fWeight), "Weight",
                                                           bEPropertyType_Normal);
        static bTPropertyType<bCDemoCrate, bCString> s_Label(offsetof(bCDemoCrate, m_strLabel), "Label",
                                                             bEPropertyType_Normal);
#pragma GCC diagnostic pop
        static bTPropertyObject<bCDemoCrate, bCObjectRefBase> s_CrateRoot(
            bTPropertyObject<bCDemoCrate, bCObjectRefBase>::ms_Root);
        bCPropertyObjectTypeBase * pLamp = bCPropertyObjectSingleton::GetInstance().FindTemplate("bCDemoLamp");
        pLamp->UnregisterPropertyTemplate(pLamp->FindPropertyTemplate("Wattage"));
    }

    std::vector<char> GetBytes(bCMemoryStream & a_Stream)
    {
        std::vector<char> arrBytes(static_cast<size_t>(a_Stream.GetSize()));
        a_Stream.Seek(0, bEStreamSeekMode_Begin);
        a_Stream.Read(arrBytes.data(), static_cast<unsigned long>(arrBytes.size()));
        return arrBytes;
    }

    // The older build: a lit lamp and a crate, written to a file.
    void WriteAsOlderBuild(std::filesystem::path const & a_Path)
    {
        DeclareOlderBuild();
        bCAccessorCreator Lamp("bCDemoLamp"), Crate("bCDemoCrate");
        bCAccessorProperty LampProperties(Lamp);
        LampProperties["Brightness"].ConvertStringToValue("0.75");
        LampProperties["Name"].ConvertStringToValue("porch lamp");
        LampProperties["Lit"].ConvertStringToValue("true");
        bCAccessorProperty(Crate)["Weight"].ConvertStringToValue("2.5", bCAccessorProperty::eEOperandValue_Add);
        bCMemoryStream File;
        {
            bCPOStream Body;
            bCPOStream::DisableLegacyMode();
            bCPropertyObjectSingleton::GetInstance().WriteObject(Body, Lamp);
            bCPropertyObjectSingleton::GetInstance().WriteObject(Body, Crate);
            Body.WriteFile(File);
        }
        std::vector<char> const arrBytes = GetBytes(File);
        std::ofstream(a_Path, std::ios::binary).write(arrBytes.data(), static_cast<std::streamsize>(arrBytes.size()));
    }

    bool RunOlderBuild(std::filesystem::path const & a_Path)
    {
        std::fflush(stdout);
        pid_t const Child = fork();
        if (Child == 0)
        {
            WriteAsOlderBuild(a_Path);
            _exit(0);
        }
        int iStatus = -1;
        return Child > 0 && waitpid(Child, &iStatus, 0) == Child && WIFEXITED(iStatus) && WEXITSTATUS(iStatus) == 0;
    }

    void PrintObject(bCPropertyObjectBase * a_pObject)
    {
        std::printf("   %s\n", bCAccessorPropertyObject(a_pObject).GetPropertyObjectHeader().GetText());
        for (bCAccessorProperty Property(a_pObject); Property.IsValid(); ++Property)
            std::printf("     %s [%s] = %s\n", Property.GetPropertyName().GetText(),
                        Property.GetPropertyType().GetText(), Property.ConvertValueToString().GetText());
    }

    // This build reads every object it knows; the others are skipped by their size.
    void ReadAsThisBuild(std::vector<char> const & a_arrFile)
    {
        bCMemoryStream File;
        File.Write(a_arrFile.data(), static_cast<unsigned long>(a_arrFile.size()));
        File.Seek(0, bEStreamSeekMode_Begin);
        bCPOStream Body;
        if (!Body.ReadFile(File))
        {
            std::printf("   the file could not be loaded\n");
            return;
        }
        for (long long i64Before = -1; Body.GetPosition() < Body.GetSize() && Body.GetPosition() != i64Before;)
        {
            i64Before = Body.GetPosition();
            bCPropertyObjectBase * pObject = bCPropertyObjectSingleton::GetInstance().ReadNewObject(Body);
            if (!pObject)
            {
                std::printf("   (an object of a class this build does not know, skipped)\n");
                continue;
            }
            PrintObject(pObject);
            pObject->ReleaseReference(); // the reader's reference
        }
    }
} // namespace

void DemoProperties()
{
    std::printf("\n-- property objects: a save file of an older build, read by this one\n");
    std::filesystem::path const Path = std::filesystem::temp_directory_path() / "vellmark_demo_properties.sav";
    if (!RunOlderBuild(Path))
    {
        std::printf("   the older build could not write %s\n", Path.string().c_str());
        return;
    }
    std::ifstream In(Path, std::ios::binary);
    std::vector<char> const arrFile((std::istreambuf_iterator<char>(In)), std::istreambuf_iterator<char>());
    std::printf("   %s: %zu bytes\n", Path.string().c_str(), arrFile.size());
    ReadAsThisBuild(arrFile);
    std::printf("\n-- the same file as vellmark-inspect shows it\n%s",
                bCPOFileInspector::FormatText(bCPOFileInspector::Inspect(arrFile.data(), arrFile.size())).c_str());
    std::filesystem::remove(Path);
}
