// Property objects: a file of 100,000 objects of 8 properties written and
// read through the property-object stream, the records in the class's own
// order against a file whose records are stored in another order (read by
// name lookup after the first disagreement); a property found by name and
// read through its type against a direct member access; FindTemplate among
// 1,000 registered classes against a std::unordered_map of the same names.

#include <vellmark/propertysystem/factories/oe_propertyregistration.h>
#include <vellmark/propertysystem/objects/oe_propertyenumerator.h>
#include <vellmark/propertysystem/persistence/oe_postream.h>

#include <benchmark/benchmark.h>

#include <string>
#include <unordered_map>
#include <vector>

OE_OBJECT_HIDES_VIRTUALS_BEGIN

class bCBenchObject : public bCObjectRefBase
{
    OE_PROPERTY_CLASS(bCBenchObject, bCObjectRefBase)
public:
    long m_lA = 1;
    float m_fB = 2.0f;
    bool m_bC = true;
    bCString m_strD = "text";
    short m_sE = 5;
    double m_dF = 6.0;
    long long m_i64G = 7;
    unsigned long m_uH = 8;
};

// The same properties registered in another order: its files, renamed to
// bCBenchObject, store the records in an order that bCBenchObject does not have.
class bCBenchShuffled : public bCObjectRefBase
{
    OE_PROPERTY_CLASS(bCBenchShuffled, bCObjectRefBase)
public:
    long m_lA = 1;
    float m_fB = 2.0f;
    bool m_bC = true;
    bCString m_strD = "text";
    short m_sE = 5;
    double m_dF = 6.0;
    long long m_i64G = 7;
    unsigned long m_uH = 8;
};

OE_OBJECT_HIDES_VIRTUALS_END

OE_PROPERTY(bCBenchObject, m_lA, "A")
OE_PROPERTY(bCBenchObject, m_fB, "B")
OE_PROPERTY(bCBenchObject, m_bC, "C")
OE_PROPERTY(bCBenchObject, m_strD, "D")
OE_PROPERTY(bCBenchObject, m_sE, "E")
OE_PROPERTY(bCBenchObject, m_dF, "F")
OE_PROPERTY(bCBenchObject, m_i64G, "G")
OE_PROPERTY(bCBenchObject, m_uH, "H")
OE_PROPERTY_OBJECT(bCBenchObject)
OE_PROPERTY(bCBenchShuffled, m_uH, "H")
OE_PROPERTY(bCBenchShuffled, m_dF, "F")
OE_PROPERTY(bCBenchShuffled, m_lA, "A")
OE_PROPERTY(bCBenchShuffled, m_strD, "D")
OE_PROPERTY(bCBenchShuffled, m_i64G, "G")
OE_PROPERTY(bCBenchShuffled, m_bC, "C")
OE_PROPERTY(bCBenchShuffled, m_sE, "E")
OE_PROPERTY(bCBenchShuffled, m_fB, "B")
OE_PROPERTY_OBJECT(bCBenchShuffled)

namespace
{
    constexpr int kObjects = 100000;
    constexpr int kProperties = 8;

    bCPropertyObjectSingleton & Registry()
    {
        return bCPropertyObjectSingleton::GetInstance();
    }

    // A file of kObjects objects of a_pcClass, stored under the name bCBenchObject.
    bCMemoryStream MakeFile(char const * a_pcClass)
    {
        bCMemoryStream File;
        bCPOStream Main;
        bCPOStream::DisableLegacyMode();
        bCPropertyObjectBase * pObject = Registry().QueryNewObject(a_pcClass);
        for (int i = 0; i < kObjects; ++i)
            Registry().WriteObject(Main, pObject);
        pObject->ReleaseReference();
        bCPOStream::bCStringList * pList = nullptr;
        bCPOStream::bCStringMap * pMap = nullptr;
        bCPOStream::GetStringList(pList, pMap);
        (*pList)[0] = "bCBenchObject"; // the class name is the first string of the table
        Main.WriteFile(File);
        return File;
    }

    void BM_WriteFile(benchmark::State & a_State)
    {
        bCPropertyObjectBase * pObject = Registry().QueryNewObject("bCBenchObject");
        for (auto _ : a_State)
        {
            bCMemoryStream File;
            bCPOStream Main;
            bCPOStream::DisableLegacyMode();
            for (int i = 0; i < kObjects; ++i)
                Registry().WriteObject(Main, pObject);
            Main.WriteFile(File);
            benchmark::DoNotOptimize(File.GetSize());
        }
        pObject->ReleaseReference();
        a_State.counters["properties/s"] =
            benchmark::Counter(double(kObjects) * kProperties * double(a_State.iterations()), benchmark::Counter::kIsRate);
    }

    void ReadFile(benchmark::State & a_State, char const * a_pcWrittenAs)
    {
        bCMemoryStream const File = MakeFile(a_pcWrittenAs);
        for (auto _ : a_State)
        {
            bCMemoryStream Input(File);
            Input.SetPosition(0, bEStreamSeekMode_Begin);
            bCPOStream Main;
            Main.ReadFile(Input);
            for (int i = 0; i < kObjects; ++i)
                if (bCPropertyObjectBase * pObject = Registry().ReadNewObject(Main))
                    pObject->ReleaseReference();
        }
        a_State.counters["properties/s"] =
            benchmark::Counter(double(kObjects) * kProperties * double(a_State.iterations()), benchmark::Counter::kIsRate);
    }

    void BM_ReadFileStoredOrder(benchmark::State & a_State)
    {
        ReadFile(a_State, "bCBenchObject");
    }

    void BM_ReadFileShuffledOrder(benchmark::State & a_State)
    {
        ReadFile(a_State, "bCBenchShuffled");
    }

    void BM_PropertyByName(benchmark::State & a_State)
    {
        bCPropertyObjectBase * pObject = Registry().QueryNewObject("bCBenchObject");
        bCString const strName = "H";
        for (auto _ : a_State)
        {
            auto * pType = static_cast<bTPropertyTypeOnly<unsigned long> *>(
                bCPropertyEnumerator::Resolve(pObject->GetObjectType(), strName));
            benchmark::DoNotOptimize(*pType->ProperyGetter(pObject));
        }
        pObject->ReleaseReference();
    }

    void BM_PropertyDirectMember(benchmark::State & a_State)
    {
        bCPropertyObjectBase * pObject = Registry().QueryNewObject("bCBenchObject");
        bCBenchObject * pNative = static_cast<bCBenchObject *>(pObject->GetNativeObject());
        for (auto _ : a_State)
        {
            benchmark::DoNotOptimize(pNative);
            benchmark::DoNotOptimize(pNative->m_uH);
        }
        pObject->ReleaseReference();
    }

    // A class type object of a given name, for filling the registry.
    class bCBenchClassType : public bCPropertyObjectTypeBase
    {
    public:
        explicit bCBenchClassType(bCString const & a_strName) : bCPropertyObjectTypeBase(true), m_strName(a_strName)
        {
            Registry().RegisterTemplate(this);
        }
        bCString const & GetClassName() const override { return m_strName; }
        bCString const & GetBaseClassName() const override { return m_strBase; }
        bCPropertyObjectFactory const * GetObjectFactory() const override { return &m_Factory; }
        bCPropertyObjectFactory * GetObjectFactory() override { return &m_Factory; }

    private:
        bCString m_strName;
        bCString m_strBase = "bCObjectRefBase";
        bCPropertyObjectFactory m_Factory;
    };

    std::vector<bCString> & ClassNames()
    {
        static std::vector<bCString> s_arrNames;
        static std::vector<bCBenchClassType *> s_arrTypes;
        if (s_arrNames.empty())
            for (int i = 0; i < 1000; ++i)
            {
                s_arrNames.push_back(bCString::GetFormattedString("bCBenchClass%04d", i));
                s_arrTypes.push_back(new bCBenchClassType(s_arrNames.back()));
            }
        return s_arrNames;
    }

    void BM_FindTemplate1000(benchmark::State & a_State)
    {
        std::vector<bCString> const & arrNames = ClassNames();
        size_t i = 0;
        for (auto _ : a_State)
        {
            benchmark::DoNotOptimize(Registry().FindTemplate(arrNames[i]));
            i = (i + 1) % arrNames.size();
        }
    }

    void BM_UnorderedMap1000(benchmark::State & a_State)
    {
        std::vector<bCString> const & arrNames = ClassNames();
        std::unordered_map<std::string, void const *> mapTypes;
        for (bCString const & strName : arrNames)
            mapTypes[strName.GetText()] = Registry().FindTemplate(strName);
        size_t i = 0;
        for (auto _ : a_State)
        {
            bCString const & strName = arrNames[i];
            benchmark::DoNotOptimize(mapTypes.find(std::string(strName.GetText(), strName.GetLength())));
            i = (i + 1) % arrNames.size();
        }
    }
} // namespace

BENCHMARK(BM_WriteFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadFileStoredOrder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadFileShuffledOrder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PropertyByName);
BENCHMARK(BM_PropertyDirectMember);
BENCHMARK(BM_FindTemplate1000);
BENCHMARK(BM_UnorderedMap1000);
