#ifndef OE_PROPERTYOBJECTBASE_H_INCLUDED
#define OE_PROPERTYOBJECTBASE_H_INCLUDED

// bCPropertyObjectBase: the reflective, persistent face of one native object
// (a bCObjectRefBase). Once bound, its count governs both objects: the native
// object forwards AddReference and ReleaseReference here, and the last
// release deletes the property object, which releases its native object.
//
// The flags word: bit 0 root, bit 1 persistable, bit 2 embedded, bits 3-26
// the reference count (wrapping at 2^24), bits 27-31 kept as they are.

#include <vellmark/kernel/oe_types.h>

#include <cstddef>
#include <cstdint>

class bCObjectRefBase;

class OE_API bCPropertyObjectBase
{
public:
    static void * operator new(std::size_t a_uSize) noexcept;
    static void * operator new(std::size_t a_uSize, char const * a_pcText1, char const * a_pcText2,
                               char const * a_pcText3, int a_iLine) noexcept;
    static void operator delete(void * a_pPtr) noexcept;
    static void operator delete(void * a_pPtr, char const *, char const *, char const *, int) noexcept;

public:
    bCPropertyObjectBase();                             // count 1, persistable
    bCPropertyObjectBase(bCPropertyObjectBase const &); // the same; copies nothing
    bCPropertyObjectBase & operator=(bCPropertyObjectBase const &) = delete;

public:
    virtual unsigned long AddReference();     // the new count
    virtual unsigned long ReleaseReference(); // the new count; the last deletes the object
    virtual ~bCPropertyObjectBase();

public:
    unsigned long GetReferenceCount() const { return (m_uFlags & kCountMask) >> kCountShift; }
    bool IsRoot() const { return (m_uFlags & kRootFlag) != 0; }
    bool IsPersistable() const { return (m_uFlags & kPersistableFlag) != 0; }
    bool IsEmbedded() const { return (m_uFlags & kEmbeddedFlag) != 0; }

protected:
    // Takes a reference on the new native object, releases the current one and
    // binds the new one to this property object.
    void BindNativeObject(bCObjectRefBase * a_pNew, bCObjectRefBase *& a_pNative);
    // Destroys the native object when this was its last own reference, unbinds
    // it and releases it; the pointer is null afterwards.
    static void ReleaseNativeObject(bCObjectRefBase *& a_pNative);

private:
    static constexpr uint32_t kRootFlag = 1u << 0;
    static constexpr uint32_t kPersistableFlag = 1u << 1;
    static constexpr uint32_t kEmbeddedFlag = 1u << 2;
    static constexpr unsigned kCountShift = 3;
    static constexpr uint32_t kCountMask = 0x00FFFFFFu << kCountShift;

    void SetReferenceCount(uint32_t a_uCount);

private:
    uint32_t m_uFlags;
};

#endif
