// Property access by name through an accessor beside direct member access:
// reading and setting a float, the first and the last of eight properties
// spread over a three-level class chain, typed and as text; and an accessor
// resolved once and then used again, the way an editor keeps one.

#include <vellmark/propertysystem/accessors/oe_accessor_type.h>
#include <vellmark/propertysystem/accessors/oe_accessorcreator.h>
#include <vellmark/propertysystem/accessors/oe_accessorproperty.h>
#include <vellmark/propertysystem/factories/oe_propertyregistration.h>

#include <benchmark/benchmark.h>

class bCBenchBase : public bCObjectRefBase
{
    OE_PROPERTY_CLASS(bCBenchBase, bCObjectRefBase)
public:
    float m_fBase0 = 0, m_fBase1 = 0, m_fLast = 0;
};

class bCBenchMiddle : public bCBenchBase
{
    OE_PROPERTY_CLASS(bCBenchMiddle, bCBenchBase)
public:
    float m_fMiddle0 = 0, m_fMiddle1 = 0, m_fMiddle2 = 0;
};

class bCBenchLeaf : public bCBenchMiddle
{
    OE_PROPERTY_CLASS(bCBenchLeaf, bCBenchMiddle)
public:
    float m_fFirst = 0, m_fLeaf1 = 0;
};

OE_PROPERTY(bCBenchBase, m_fBase0, "Base0")
OE_PROPERTY(bCBenchBase, m_fBase1, "Base1")
OE_PROPERTY(bCBenchBase, m_fLast, "Last")
OE_PROPERTY_OBJECT(bCBenchBase)
OE_PROPERTY(bCBenchMiddle, m_fMiddle0, "Middle0")
OE_PROPERTY(bCBenchMiddle, m_fMiddle1, "Middle1")
OE_PROPERTY(bCBenchMiddle, m_fMiddle2, "Middle2")
OE_PROPERTY_OBJECT(bCBenchMiddle)
OE_PROPERTY(bCBenchLeaf, m_fFirst, "First")
OE_PROPERTY(bCBenchLeaf, m_fLeaf1, "Leaf1")
OE_PROPERTY_OBJECT(bCBenchLeaf)

namespace
{
    struct bSLeaf
    {
        bSLeaf() : m_Object("bCBenchLeaf"), m_pNative(static_cast<bCBenchLeaf *>(m_Object->GetNativeObject())) {}
        bCAccessorCreator m_Object;
        bCBenchLeaf * m_pNative;
    };

    void DirectGet(benchmark::State & a_State)
    {
        bSLeaf Leaf;
        bCBenchLeaf * pNative = Leaf.m_pNative;
        for (auto _ : a_State)
        {
            benchmark::DoNotOptimize(pNative);
            benchmark::DoNotOptimize(pNative->m_fLast);
        }
    }

    void DirectSet(benchmark::State & a_State)
    {
        bSLeaf Leaf;
        bCBenchLeaf * pNative = Leaf.m_pNative;
        float fValue = 0;
        for (auto _ : a_State)
        {
            benchmark::DoNotOptimize(pNative);
            pNative->m_fLast = fValue;
            fValue += 1;
            benchmark::ClobberMemory();
        }
    }

    // a_State.range(0): 0 the leaf's first property, 1 the base's last (the eighth).
    char const * PropertyName(benchmark::State const & a_State)
    {
        return a_State.range(0) == 0 ? "First" : "Last";
    }

    void AccessorGetByName(benchmark::State & a_State)
    {
        bSLeaf Leaf;
        bCString const strName(PropertyName(a_State));
        for (auto _ : a_State)
        {
            bTAccessorType<float> const Value(bCAccessorProperty(Leaf.m_Object)[strName]);
            benchmark::DoNotOptimize(Value.GetValue());
        }
    }

    void AccessorSetByName(benchmark::State & a_State)
    {
        bSLeaf Leaf;
        bCString const strName(PropertyName(a_State));
        float fValue = 0;
        for (auto _ : a_State)
        {
            bTAccessorType<float> Value(bCAccessorProperty(Leaf.m_Object)[strName]);
            Value.SetValue(fValue);
            fValue += 1;
        }
        benchmark::DoNotOptimize(Leaf.m_pNative->m_fLast);
    }

    void AccessorSetResolvedOnce(benchmark::State & a_State)
    {
        bSLeaf Leaf;
        bTAccessorType<float> Value(bCAccessorProperty(Leaf.m_Object)[PropertyName(a_State)]);
        float fValue = 0;
        for (auto _ : a_State)
        {
            Value.SetValue(fValue);
            fValue += 1;
        }
        benchmark::DoNotOptimize(Leaf.m_pNative->m_fLast);
    }

    void AccessorTextByName(benchmark::State & a_State)
    {
        bSLeaf Leaf;
        bCString const strName(PropertyName(a_State));
        bCString const strText("2.5");
        for (auto _ : a_State)
        {
            bCAccessorProperty Property = bCAccessorProperty(Leaf.m_Object)[strName];
            Property.ConvertStringToValue(strText, bCAccessorProperty::eEOperandValue_Add);
            benchmark::DoNotOptimize(Property.ConvertValueToString().GetText());
        }
    }
} // namespace

BENCHMARK(DirectGet);
BENCHMARK(DirectSet);
BENCHMARK(AccessorGetByName)->Arg(0)->Arg(1);
BENCHMARK(AccessorSetByName)->Arg(0)->Arg(1);
BENCHMARK(AccessorSetResolvedOnce)->Arg(1);
BENCHMARK(AccessorTextByName)->Arg(0)->Arg(1);
