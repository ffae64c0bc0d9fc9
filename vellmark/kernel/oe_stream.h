#ifndef OE_STREAM_H_INCLUDED
#define OE_STREAM_H_INCLUDED

// bCIStream, bCOStream, bCIOStream: the typed layer of every stream.
//
// Conventions of the wire format:
// - A concrete stream supplies only the raw transfer (Read/Write of bytes);
//   every typed value is one raw transfer on top of it, in little-endian byte
//   order, unaligned, without tags or separators.
// - Widths: char types and bool 1 byte (bool 0 or 1; any non-zero byte reads
//   as true), short 2, long 4 (a write keeps the low 32 bits, a read sign- or
//   zero-extends), long long 8, float 4, double 8. int and unsigned int also
//   travel as 4 bytes, but each transfer warns: native integers are not meant
//   to be persisted.
// - bCString: unsigned 16-bit count, then the characters. bCUnicodeString:
//   unsigned 16-bit count of bytes, then the units. Longer texts are written
//   with the length cut to 16 bits and exactly that many characters.
// - Every typed operation returns the bytes actually transferred; a short read
//   leaves the rest of the destination as it was. Nothing else signals the end.
// - The string read and write are the first virtual operations (the string
//   hook): every bCString passing through an operator or a variant uses them.
// - A text literal goes through the bCString form, never through bool.
// - A derived stream that overrides the raw operations brings the typed ones
//   back into scope with using-declarations (OE_STREAM_USING_BASES).

#include <vellmark/kernel/oe_string.h>
#include <vellmark/kernel/oe_types.h>

#include <cstdint>

class bCUnicodeString;
class bCGuid;
class bCDateTime;
class bCVariant;

enum bEStreamSeekMode : int // 32-bit
{
    bEStreamSeekMode_Begin = 0,   // position = offset
    bEStreamSeekMode_Current = 1, // position = current + offset
    bEStreamSeekMode_End = 2,     // position = size - offset
};

class OE_API bCIStream
{
public:
    bCIStream() = default;
    bCIStream(bCIStream const &) {}
    bCIStream & operator=(bCIStream const &) { return *this; }

public:
    virtual unsigned long Read(bCString & a_strValue); // the string hook
    virtual unsigned long Read(void * a_pBuffer, unsigned long a_uSize);
    virtual ~bCIStream();

public:
    unsigned long Read(char & a_Value) { return Read(&a_Value, 1); }
    unsigned long Read(unsigned char & a_Value) { return Read(&a_Value, 1); }
    unsigned long Read(signed char & a_Value) { return Read(&a_Value, 1); }
    unsigned long Read(unsigned short & a_Value) { return Read(&a_Value, 2); }
    unsigned long Read(short & a_Value) { return Read(&a_Value, 2); }
    unsigned long Read(unsigned long & a_Value);
    unsigned long Read(long & a_Value);
    unsigned long Read(unsigned long long & a_Value) { return Read(&a_Value, 8); }
    unsigned long Read(long long & a_Value) { return Read(&a_Value, 8); }
    unsigned long Read(bool & a_Value);
    unsigned long Read(int & a_Value);          // warns
    unsigned long Read(unsigned int & a_Value); // warns
    unsigned long Read(float & a_Value) { return Read(&a_Value, 4); }
    unsigned long Read(double & a_Value) { return Read(&a_Value, 8); }
    unsigned long Read(bCUnicodeString & a_strValue); // odd byte counts keep whole units
    unsigned long Read(bCGuid & a_Value);
    unsigned long Read(bCDateTime & a_Value);
    unsigned long Read(bCVariant & a_Value); // releases an owned text first

    bCIStream & operator>>(char & a_Value) { return Read(a_Value), *this; }
    bCIStream & operator>>(unsigned char & a_Value) { return Read(a_Value), *this; }
    bCIStream & operator>>(signed char & a_Value) { return Read(a_Value), *this; }
    bCIStream & operator>>(unsigned short & a_Value) { return Read(a_Value), *this; }
    bCIStream & operator>>(short & a_Value) { return Read(a_Value), *this; }
    bCIStream & operator>>(unsigned long & a_Value) { return Read(a_Value), *this; }
    bCIStream & operator>>(long & a_Value) { return Read(a_Value), *this; }
    bCIStream & operator>>(unsigned long long & a_Value) { return Read(a_Value), *this; }
    bCIStream & operator>>(long long & a_Value) { return Read(a_Value), *this; }
    bCIStream & operator>>(bool & a_Value) { return Read(a_Value), *this; }
    bCIStream & operator>>(int & a_Value) { return Read(a_Value), *this; }
    bCIStream & operator>>(unsigned int & a_Value) { return Read(a_Value), *this; }
    bCIStream & operator>>(float & a_Value) { return Read(a_Value), *this; }
    bCIStream & operator>>(double & a_Value) { return Read(a_Value), *this; }
    bCIStream & operator>>(bCString & a_strValue) { return Read(a_strValue), *this; }
    bCIStream & operator>>(bCUnicodeString & a_strValue) { return Read(a_strValue), *this; }
    bCIStream & operator>>(bCGuid & a_Value) { return Read(a_Value), *this; }
    bCIStream & operator>>(bCDateTime & a_Value) { return Read(a_Value), *this; }
    bCIStream & operator>>(bCVariant & a_Value) { return Read(a_Value), *this; }

    // Up to a line feed or the end; carriage returns dropped; returns the bytes consumed.
    unsigned long ReadLine(bCString & a_strLine);
    unsigned long ReadLine(bCUnicodeString & a_strLine); // 2 bytes per unit consumed

protected:
    unsigned long ReadFallback(void * a_pBuffer, unsigned long a_uSize); // the base's report
    unsigned long ReadU32(uint32_t & a_u32Value);
};

class OE_API bCOStream
{
public:
    bCOStream() = default;
    bCOStream(bCOStream const &) {}
    bCOStream & operator=(bCOStream const &) { return *this; }

public:
    virtual unsigned long Write(bCString const & a_strValue); // the string hook
    virtual unsigned long Write(void const * a_pBuffer, unsigned long a_uSize);
    virtual ~bCOStream();

public:
    unsigned long Write(char a_Value) { return Write(&a_Value, 1); }
    unsigned long Write(unsigned char a_Value) { return Write(&a_Value, 1); }
    unsigned long Write(signed char a_Value) { return Write(&a_Value, 1); }
    unsigned long Write(unsigned short a_Value) { return Write(&a_Value, 2); }
    unsigned long Write(short a_Value) { return Write(&a_Value, 2); }
    unsigned long Write(unsigned long a_Value) { return WriteU32(static_cast<uint32_t>(a_Value)); }
    unsigned long Write(long a_Value) { return WriteU32(static_cast<uint32_t>(a_Value)); }
    unsigned long Write(unsigned long long a_Value) { return Write(&a_Value, 8); }
    unsigned long Write(long long a_Value) { return Write(&a_Value, 8); }
    unsigned long Write(bool a_Value);
    unsigned long Write(int a_Value);          // warns
    unsigned long Write(unsigned int a_Value); // warns
    unsigned long Write(float a_Value) { return Write(&a_Value, 4); }
    unsigned long Write(double a_Value) { return Write(&a_Value, 8); }
    unsigned long Write(char const * a_pcText) { return Write(bCString(a_pcText)); } // not the bool form
    unsigned long Write(bCUnicodeString const & a_strValue);
    unsigned long Write(bCGuid const & a_Value);
    unsigned long Write(bCDateTime const & a_Value);
    unsigned long Write(bCVariant const & a_Value);

    bCOStream & operator<<(char a_Value) { return Write(a_Value), *this; }
    bCOStream & operator<<(unsigned char a_Value) { return Write(a_Value), *this; }
    bCOStream & operator<<(signed char a_Value) { return Write(a_Value), *this; }
    bCOStream & operator<<(unsigned short a_Value) { return Write(a_Value), *this; }
    bCOStream & operator<<(short a_Value) { return Write(a_Value), *this; }
    bCOStream & operator<<(unsigned long a_Value) { return Write(a_Value), *this; }
    bCOStream & operator<<(long a_Value) { return Write(a_Value), *this; }
    bCOStream & operator<<(unsigned long long a_Value) { return Write(a_Value), *this; }
    bCOStream & operator<<(long long a_Value) { return Write(a_Value), *this; }
    bCOStream & operator<<(bool a_Value) { return Write(a_Value), *this; }
    bCOStream & operator<<(int a_Value) { return Write(a_Value), *this; }
    bCOStream & operator<<(unsigned int a_Value) { return Write(a_Value), *this; }
    bCOStream & operator<<(float a_Value) { return Write(a_Value), *this; }
    bCOStream & operator<<(double a_Value) { return Write(a_Value), *this; }
    bCOStream & operator<<(char const * a_pcText) { return Write(bCString(a_pcText)), *this; }
    bCOStream & operator<<(bCString const & a_strValue) { return Write(a_strValue), *this; }
    bCOStream & operator<<(bCUnicodeString const & a_strValue) { return Write(a_strValue), *this; }
    bCOStream & operator<<(bCGuid const & a_Value) { return Write(a_Value), *this; }
    bCOStream & operator<<(bCDateTime const & a_Value) { return Write(a_Value), *this; }
    bCOStream & operator<<(bCVariant const & a_Value) { return Write(a_Value), *this; }

    // The characters without count, then a line feed; returns the bytes written.
    unsigned long WriteLine(bCString const & a_strLine);

protected:
    unsigned long WriteFallback(void const * a_pBuffer, unsigned long a_uSize); // the base's report
    unsigned long WriteU32(uint32_t a_u32Value) { return Write(&a_u32Value, 4); }
};

class OE_API bCIOStream : public bCIStream, public bCOStream
{
public:
    bCIOStream() = default;
    bCIOStream(bCIOStream const & a_Source) : bCIStream(a_Source), bCOStream(a_Source) {}
    bCIOStream & operator=(bCIOStream const &) { return *this; }

public:
    virtual long long GetPosition() const = 0;
    virtual bool Seek(long long a_i64Offset, bEStreamSeekMode a_eMode) = 0;
    ~bCIOStream() override;

public:
    using bCIStream::Read;
    using bCOStream::Write;
};

// In a class derived from bCIOStream that overrides Read or Write of raw bytes.
#define OE_STREAM_USING_BASES(BASE)                                                                                    \
    using BASE::Read;                                                                                                  \
    using BASE::Write

// Free forms: the value stands on the left. value << stream reads, value >> stream writes.
#define OE_STREAM_FREE_OPERATORS(TYPE)                                                                                 \
    inline bCIStream & operator<<(TYPE & a_Value, bCIStream & a_Stream) { return a_Stream >> a_Value; }              \
    inline bCOStream & operator>>(TYPE a_Value, bCOStream & a_Stream) { return a_Stream << a_Value; }
#define OE_STREAM_FREE_OPERATORS_REF(TYPE)                                                                             \
    inline bCIStream & operator<<(TYPE & a_Value, bCIStream & a_Stream) { return a_Stream >> a_Value; }              \
    inline bCOStream & operator>>(TYPE const & a_Value, bCOStream & a_Stream) { return a_Stream << a_Value; }

OE_STREAM_FREE_OPERATORS(char)
OE_STREAM_FREE_OPERATORS(unsigned char)
OE_STREAM_FREE_OPERATORS(signed char)
OE_STREAM_FREE_OPERATORS(unsigned short)
OE_STREAM_FREE_OPERATORS(short)
OE_STREAM_FREE_OPERATORS(unsigned long)
OE_STREAM_FREE_OPERATORS(long)
OE_STREAM_FREE_OPERATORS(unsigned long long)
OE_STREAM_FREE_OPERATORS(long long)
OE_STREAM_FREE_OPERATORS(bool)
OE_STREAM_FREE_OPERATORS(int)
OE_STREAM_FREE_OPERATORS(unsigned int)
OE_STREAM_FREE_OPERATORS(float)
OE_STREAM_FREE_OPERATORS(double)
OE_STREAM_FREE_OPERATORS_REF(bCString)
OE_STREAM_FREE_OPERATORS_REF(bCUnicodeString)
OE_STREAM_FREE_OPERATORS_REF(bCGuid)
OE_STREAM_FREE_OPERATORS_REF(bCDateTime)
OE_STREAM_FREE_OPERATORS_REF(bCVariant)

inline bCOStream & operator>>(char const * a_pcText, bCOStream & a_Stream) { return a_Stream << a_pcText; }

#undef OE_STREAM_FREE_OPERATORS
#undef OE_STREAM_FREE_OPERATORS_REF

#endif
