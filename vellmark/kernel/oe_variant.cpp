#include <vellmark/kernel/oe_variant.h>
#include <vellmark/kernel/oe_basemem.h>
#include <vellmark/kernel/oe_message.h>

#include <cstring>

static_assert(sizeof(bCVariant::bUType) == 8, "the variant's value is 8 bytes");

namespace
{
    char * CopyText(char const * a_pcText)
    {
        std::size_t uSize = std::strlen(a_pcText) + 1;
        char * pcCopy = static_cast<char *>(bCMemoryAdmin::GetInstance().Malloc(uSize, nullptr, nullptr, -1));
        std::memcpy(pcCopy, a_pcText, uSize);
        return pcCopy;
    }
} // namespace

bCVariant::bCVariant()
{
    Init();
}

#define OE_VARIANT_TYPED(TYPE, ENUM, MEMBER, GETTER)                                                                   \
    bCVariant::bCVariant(TYPE const & a_Value)                                                                         \
    {                                                                                                                  \
        Init();                                                                                                        \
        SetData(a_Value);                                                                                              \
    }                                                                                                                  \
    void bCVariant::SetData(TYPE a_Value)                                                                              \
    {                                                                                                                  \
        Clear();                                                                                                       \
        m_Data.MEMBER = a_Value;                                                                                       \
        m_eType = ENUM;                                                                                                \
    }                                                                                                                  \
    bCVariant & bCVariant::operator=(TYPE const & a_Value)                                                             \
    {                                                                                                                  \
        SetData(a_Value);                                                                                              \
        return *this;                                                                                                  \
    }                                                                                                                  \
    TYPE const & bCVariant::GETTER() const                                                                             \
    {                                                                                                                  \
        return m_Data.MEMBER;                                                                                          \
    }                                                                                                                  \
    void bCVariant::GetData(TYPE & a_Value) const                                                                      \
    {                                                                                                                  \
        a_Value = m_Data.MEMBER;                                                                                       \
    }

OE_VARIANT_TYPED(unsigned char, bEType_U8, m_u8Value, GetU8)
OE_VARIANT_TYPED(signed char, bEType_I8, m_i8Value, GetI8)
OE_VARIANT_TYPED(unsigned short, bEType_U16, m_u16Value, GetU16)
OE_VARIANT_TYPED(short, bEType_I16, m_i16Value, GetI16)
OE_VARIANT_TYPED(unsigned long, bEType_U32, m_u32Value, GetU32)
OE_VARIANT_TYPED(long, bEType_I32, m_i32Value, GetI32)
OE_VARIANT_TYPED(int, bEType_Int, m_iValue, GetInt)
OE_VARIANT_TYPED(unsigned long long, bEType_U64, m_u64Value, GetU64)
OE_VARIANT_TYPED(long long, bEType_I64, m_i64Value, GetI64)
OE_VARIANT_TYPED(bool, bEType_Bool, m_bValue, GetBool)
OE_VARIANT_TYPED(float, bEType_Float, m_fValue, GetFloat)
OE_VARIANT_TYPED(double, bEType_Double, m_dValue, GetDouble)

#undef OE_VARIANT_TYPED

// The held types are void * and char *; the const forms take pointers to constants and text literals.
bCVariant::bCVariant(void * const & a_Value)
{
    Init();
    SetData(static_cast<void const *>(a_Value));
}

bCVariant::bCVariant(char * const & a_pcText)
{
    Init();
    SetData(static_cast<char const *>(a_pcText));
}

bCVariant::bCVariant(void const * const & a_Value)
{
    Init();
    SetData(a_Value);
}

bCVariant::bCVariant(char const * const & a_pcText)
{
    Init();
    SetData(a_pcText);
}

bCVariant::bCVariant(bCVariant const & a_Source)
{
    Init();
    CopyFrom(a_Source);
}

bCVariant::~bCVariant()
{
    Clear();
}

void bCVariant::Init()
{
    m_eType = bEType_None;
    m_Data.m_u64Value = 0;
}

void bCVariant::Clear()
{
    if (m_eType == bEType_String)
        bCMemoryAdmin::GetInstance().Free(m_Data.m_pcValue);
    else if (!IsKnownType(m_eType))
        ReportInvalidType();
    m_eType = bEType_None;
}

void bCVariant::SetData(void const * a_Value)
{
    Clear();
    m_Data.m_pValue = const_cast<void *>(a_Value);
    m_eType = bEType_VoidPointer;
}

void bCVariant::SetData(char const * a_pcText)
{
    // The copy comes first: the text may be this variant's own.
    char * pcCopy = a_pcText ? CopyText(a_pcText) : nullptr;
    Clear();
    if (!pcCopy)
        return;
    m_Data.m_pcValue = pcCopy;
    m_eType = bEType_String;
}

bCVariant & bCVariant::operator=(void * const & a_Value)
{
    SetData(static_cast<void const *>(a_Value));
    return *this;
}

bCVariant & bCVariant::operator=(char * const & a_pcText)
{
    SetData(static_cast<char const *>(a_pcText));
    return *this;
}

bCVariant & bCVariant::operator=(void const * const & a_Value)
{
    SetData(a_Value);
    return *this;
}

bCVariant & bCVariant::operator=(char const * const & a_pcText)
{
    SetData(a_pcText);
    return *this;
}

bCVariant::bEType const & bCVariant::GetType() const
{
    return m_eType;
}

bCVariant::bEType & bCVariant::AccessType()
{
    return m_eType;
}

void bCVariant::GetType(bEType & a_eType) const
{
    a_eType = m_eType;
}

void bCVariant::SetType(bEType const & a_eType)
{
    m_eType = a_eType;
}

bCVariant::bUType const & bCVariant::GetData() const
{
    return m_Data;
}

bCVariant::bUType & bCVariant::AccessData()
{
    return m_Data;
}

void bCVariant::GetData(bUType & a_Data) const
{
    a_Data = m_Data;
}

void bCVariant::SetData(bUType const & a_Data)
{
    m_Data = a_Data;
}

void * const & bCVariant::GetVoidPointer() const
{
    return m_Data.m_pValue;
}

char * const & bCVariant::GetString() const
{
    return m_Data.m_pcValue;
}

void bCVariant::GetData(void *& a_Value) const
{
    a_Value = m_Data.m_pValue;
}

void bCVariant::GetData(char *& a_pcValue) const
{
    a_pcValue = m_Data.m_pcValue;
}

void bCVariant::CopyFrom(bCVariant const & a_Source)
{
    if (this == &a_Source)
        return;
    bUType const & Data = a_Source.m_Data;
    switch (a_Source.m_eType)
    {
    case bEType_None: Clear(); break;
    case bEType_U8: SetData(Data.m_u8Value); break;
    case bEType_I8: SetData(Data.m_i8Value); break;
    case bEType_U16: SetData(Data.m_u16Value); break;
    case bEType_I16: SetData(Data.m_i16Value); break;
    case bEType_U32: SetData(Data.m_u32Value); break;
    case bEType_I32: SetData(Data.m_i32Value); break;
    case bEType_Int: SetData(Data.m_iValue); break;
    case bEType_U64: SetData(Data.m_u64Value); break;
    case bEType_I64: SetData(Data.m_i64Value); break;
    case bEType_Bool: SetData(Data.m_bValue); break;
    case bEType_Float: SetData(Data.m_fValue); break;
    case bEType_Double: SetData(Data.m_dValue); break;
    case bEType_VoidPointer: SetData(static_cast<void const *>(Data.m_pValue)); break;
    case bEType_String: SetData(static_cast<char const *>(Data.m_pcValue)); break;
    default: ReportInvalidType(); break;
    }
}

void bCVariant::CopyTo(bCVariant & a_Dest) const
{
    a_Dest.CopyFrom(*this);
}

bCVariant & bCVariant::operator=(bCVariant const & a_Source)
{
    CopyFrom(a_Source);
    return *this;
}

bool bCVariant::IsKnownType(bEType a_eType)
{
    return a_eType >= bEType_None && a_eType <= bEType_String;
}

void bCVariant::ReportInvalidType()
{
    OE_MESSAGEF_WARN("The method %s detected an improper usage! \nHint:%s ", "bCVariant::Clear",
                     "Invalid enumeration!");
}
