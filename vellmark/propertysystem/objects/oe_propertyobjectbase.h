#ifndef OE_PROPERTYOBJECTBASE_H_INCLUDED
#define OE_PROPERTYOBJECTBASE_H_INCLUDED

// bCPropertyObjectBase: the reflective, persistent face of one native object
// (a bCObjectRefBase). Once bound, its count governs both objects: the native
// object forwards AddReference and ReleaseReference here, and the last
// release deletes the property object, which releases its native object.
//
// The flags word: bit 0 root, bit 1 persistable, bit 2 embedded, bits 3-26
// the reference count (wrapping at 2^24), bits 27-31 kept as they are.
//
// Stream form (version 83): unsigned 16-bit version, unsigned 32-bit size of
// the data block, the data block (WriteData of bTPropertyObject):
//   unsigned 16-bit property-data version 30, unsigned 32-bit count N, N
//   records (name, value type name, type version 30, unsigned 32-bit value
//   size, value), then the native object's own Write.
// Older object versions: 1 starts the data with a name string and a
// property identifier, 2..81 with a property identifier; property-data
// versions below 30 store no value type names.

#include <vellmark/kernel/oe_string.h>
#include <vellmark/kernel/oe_types.h>

#include <cstddef>
#include <cstdint>

class bCIStream;
class bCOStream;
class bCObjectRefBase;
class bCPropertyObjectTypeBase;

class OE_API bCPropertyObjectBase
{
public:
    static void * operator new(std::size_t a_uSize) noexcept;
    static void * operator new(std::size_t a_uSize, char const * a_pcText1, char const * a_pcText2,
                               char const * a_pcText3, int a_iLine) noexcept;
    static void operator delete(void * a_pPtr) noexcept;
    static void operator delete(void * a_pPtr, char const *, char const *, char const *, int) noexcept;

public:
    static constexpr unsigned short ms_uVersion = 83;             // written by Write
    static constexpr unsigned short ms_uLastIDVersion = 81;       // data starts with a property identifier
    static constexpr unsigned short ms_uFirstVersion = 1;         // data starts with a name and an identifier
    static constexpr unsigned short ms_uPropertyDataVersion = 30; // written by WriteData

public:
    bCPropertyObjectBase();                             // count 1, persistable
    explicit bCPropertyObjectBase(bCString const &);    // the same; the name is not kept
    bCPropertyObjectBase(bCPropertyObjectBase const &); // the same; copies nothing
    bCPropertyObjectBase & operator=(bCPropertyObjectBase const & a_Source); // CopyFrom

public:
    virtual bCObjectRefBase * GetNativeObject() = 0;
    virtual bCString const & GetClassName() const = 0;
    virtual bCString const & GetBaseClassName() const = 0;
    virtual bCString const & GetDescription() const = 0;
    virtual bCPropertyObjectTypeBase * GetObjectType() const = 0;
    virtual unsigned short Read(bCIStream & a_Stream); // the version word
    virtual void Write(bCOStream & a_Stream);          // the version word 83

protected:
    // Drops the leading fields of old versions; returns a_uVersion.
    virtual unsigned short ReadData(bCIStream & a_Stream, unsigned short a_uVersion);
    virtual void WriteData(bCOStream &) {}
    virtual void Destroy(); // clears root and embedded, sets persistable
    virtual void Create() {}

public:
    virtual bool AttachNativeObject(bCObjectRefBase * a_pNative) = 0;
    virtual unsigned long AddReference();     // the new count
    virtual unsigned long ReleaseReference(); // the new count; the last deletes the object

public:
    virtual bCPropertyObjectBase * DoClone() const; // refuses: only bTPropertyObject clones

public:
    virtual void CopyFrom(bCPropertyObjectBase const & a_Source); // the persistable flag
    virtual ~bCPropertyObjectBase();

public:
    bCObjectRefBase const * GetNativeObject() const { return const_cast<bCPropertyObjectBase *>(this)->GetNativeObject(); }
    unsigned long GetReferenceCount() const { return (m_uFlags & kCountMask) >> kCountShift; }
    bool IsRoot() const { return (m_uFlags & kRootFlag) != 0; }
    bool IsPersistable() const { return (m_uFlags & kPersistableFlag) != 0; }
    bool IsEmbedded() const { return (m_uFlags & kEmbeddedFlag) != 0; }
    unsigned short GetVersion() const { return ms_uVersion; }
    bCPropertyObjectTypeBase * GetTemplate() const { return GetObjectType(); }
    bCPropertyObjectBase * Clone() const { return DoClone(); }
    void CopyTo(bCPropertyObjectBase & a_Dest) const { a_Dest.CopyFrom(*this); }
    bCIStream & operator<<(bCIStream & a_Stream);
    bCOStream & operator>>(bCOStream & a_Stream);

protected:
    void ObjectPersistable(bool a_bPersistable) { SetFlag(kPersistableFlag, a_bPersistable); }
    void SetRoot(bool a_bRoot) { SetFlag(kRootFlag, a_bRoot); }
    void SetEmbedded(bool a_bEmbedded) { SetFlag(kEmbeddedFlag, a_bEmbedded); }
    void Invalidate(); // clears root and embedded, sets persistable

    // Takes a reference on the new native object, releases the current one and
    // binds the new one to this property object.
    void BindNativeObject(bCObjectRefBase * a_pNew, bCObjectRefBase *& a_pNative);
    // Destroys the native object when this was its last own reference, unbinds
    // it and releases it; the pointer is null afterwards.
    static void ReleaseNativeObject(bCObjectRefBase *& a_pNative);
    // Takes back the reference that binding a freshly created object added,
    // on the object's own count (a release would reach this object).
    static void DropBindingReference(bCObjectRefBase * a_pNative);

private:
    static constexpr uint32_t kRootFlag = 1u << 0;
    static constexpr uint32_t kPersistableFlag = 1u << 1;
    static constexpr uint32_t kEmbeddedFlag = 1u << 2;
    static constexpr unsigned kCountShift = 3;
    static constexpr uint32_t kCountMask = 0x00FFFFFFu << kCountShift;

    void SetReferenceCount(uint32_t a_uCount);
    void SetFlag(uint32_t a_uFlag, bool a_bSet) { m_uFlags = a_bSet ? (m_uFlags | a_uFlag) : (m_uFlags & ~a_uFlag); }

private:
    uint32_t m_uFlags;
};

OE_API bCIStream & operator>>(bCIStream & a_Stream, bCPropertyObjectBase & a_Object);
OE_API bCOStream & operator<<(bCOStream & a_Stream, bCPropertyObjectBase & a_Object);

#endif
