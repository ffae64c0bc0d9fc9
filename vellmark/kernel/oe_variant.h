#ifndef OE_VARIANT_H_INCLUDED
#define OE_VARIANT_H_INCLUDED

// A tagged value of one of fourteen fundamental types or an owned 8-bit text.
//
// The value is an 8-byte union; construction and Init zero all 8 bytes (long is
// 64-bit here). The text type owns a copy allocated from the memory
// administration; two variants never share a text. The typed getters read the
// union as the asked type whatever the variant's type is.

#include <vellmark/kernel/oe_types.h>

class OE_API bCVariant
{
public:
    enum bEType : int // 32-bit, as persisted
    {
        bEType_None = 0,
        bEType_U8 = 1,
        bEType_I8 = 2,
        bEType_U16 = 3,
        bEType_I16 = 4,
        bEType_U32 = 5,
        bEType_I32 = 6,
        bEType_Int = 7,
        bEType_U64 = 8,
        bEType_I64 = 9,
        bEType_Bool = 10,
        bEType_Float = 11,
        bEType_Double = 12,
        bEType_VoidPointer = 13,
        bEType_String = 14,
    };

    union bUType {
        unsigned char m_u8Value;
        signed char m_i8Value;
        unsigned short m_u16Value;
        short m_i16Value;
        unsigned long m_u32Value;
        long m_i32Value;
        int m_iValue;
        unsigned long long m_u64Value;
        long long m_i64Value;
        bool m_bValue;
        float m_fValue;
        double m_dValue;
        void * m_pValue;
        char * m_pcValue;
    };

public:
    bCVariant();
    bCVariant(unsigned char const & a_Value);
    bCVariant(signed char const & a_Value);
    bCVariant(unsigned short const & a_Value);
    bCVariant(short const & a_Value);
    bCVariant(unsigned long const & a_Value);
    bCVariant(long const & a_Value);
    bCVariant(int const & a_Value);
    bCVariant(unsigned long long const & a_Value);
    bCVariant(long long const & a_Value);
    bCVariant(bool const & a_Value);
    bCVariant(float const & a_Value);
    bCVariant(double const & a_Value);
    bCVariant(void * const & a_Value);
    bCVariant(void const * const & a_Value);
    bCVariant(char * const & a_pcText); // copies the text
    bCVariant(char const * const & a_pcText);
    bCVariant(bCVariant const & a_Source);
    ~bCVariant();

public:
    void Init();  // type None, value zero; frees nothing
    void Clear(); // frees an owned text; type None

public:
    void SetData(unsigned char a_Value);
    void SetData(signed char a_Value);
    void SetData(unsigned short a_Value);
    void SetData(short a_Value);
    void SetData(unsigned long a_Value);
    void SetData(long a_Value);
    void SetData(int a_Value);
    void SetData(unsigned long long a_Value);
    void SetData(long long a_Value);
    void SetData(bool a_Value);
    void SetData(float a_Value);
    void SetData(double a_Value);
    void SetData(void const * a_Value);
    void SetData(char const * a_pcText); // a copy; null leaves the variant cleared
    bCVariant & operator=(unsigned char const & a_Value);
    bCVariant & operator=(signed char const & a_Value);
    bCVariant & operator=(unsigned short const & a_Value);
    bCVariant & operator=(short const & a_Value);
    bCVariant & operator=(unsigned long const & a_Value);
    bCVariant & operator=(long const & a_Value);
    bCVariant & operator=(int const & a_Value);
    bCVariant & operator=(unsigned long long const & a_Value);
    bCVariant & operator=(long long const & a_Value);
    bCVariant & operator=(bool const & a_Value);
    bCVariant & operator=(float const & a_Value);
    bCVariant & operator=(double const & a_Value);
    bCVariant & operator=(void * const & a_Value);
    bCVariant & operator=(void const * const & a_Value);
    bCVariant & operator=(char * const & a_pcText);
    bCVariant & operator=(char const * const & a_pcText);

public:
    // Raw access: no clearing, no copying of text.
    bEType const & GetType() const;
    bEType & AccessType();
    void GetType(bEType & a_eType) const;
    void SetType(bEType const & a_eType);
    bUType const & GetData() const;
    bUType & AccessData();
    void GetData(bUType & a_Data) const;
    void SetData(bUType const & a_Data);

public:
    unsigned char const & GetU8() const;
    signed char const & GetI8() const;
    unsigned short const & GetU16() const;
    short const & GetI16() const;
    unsigned long const & GetU32() const;
    long const & GetI32() const;
    unsigned long long const & GetU64() const;
    long long const & GetI64() const;
    bool const & GetBool() const;
    int const & GetInt() const;
    float const & GetFloat() const;
    double const & GetDouble() const;
    void * const & GetVoidPointer() const;
    char * const & GetString() const;
    void GetData(unsigned char & a_Value) const;
    void GetData(signed char & a_Value) const;
    void GetData(unsigned short & a_Value) const;
    void GetData(short & a_Value) const;
    void GetData(unsigned long & a_Value) const;
    void GetData(long & a_Value) const;
    void GetData(int & a_Value) const;
    void GetData(unsigned long long & a_Value) const;
    void GetData(long long & a_Value) const;
    void GetData(bool & a_Value) const;
    void GetData(float & a_Value) const;
    void GetData(double & a_Value) const;
    void GetData(void *& a_Value) const;
    void GetData(char *& a_pcValue) const;

public:
    void CopyFrom(bCVariant const & a_Source);
    void CopyTo(bCVariant & a_Dest) const;
    bCVariant & operator=(bCVariant const & a_Source);

private:
    static bool IsKnownType(bEType a_eType);
    static void ReportInvalidType();

private:
    bEType m_eType;
    bUType m_Data;
};

#endif
