#ifndef OE_OBJECTBASE_H_INCLUDED
#define OE_OBJECTBASE_H_INCLUDED

// bCObjectBase: the root of every engine object that is created, destroyed,
// copied, versioned and streamed.
//
// - Its reference count is trivial: one reference, and the first release
//   deletes the object. bCObjectRefBase adds a real count.
// - Stream form: an unsigned 16-bit version (1), nothing else. Read takes the
//   version and ignores it, so any version is accepted; a short stream leaves
//   nothing behind but is not an error either.
// - Memory: objects live in blocks of the memory administration
//   (NewObject / DeleteObject), through the class-level new and delete below,
//   so that a release can hand the storage back there.
// - The order of the virtual operations is part of the interface: derived
//   classes of other modules rely on it. Do not reorder.

#include <vellmark/kernel/oe_result.h>
#include <vellmark/kernel/oe_types.h>

#include <cstddef>

class bCIStream;
class bCOStream;

class OE_API bCObjectBase
{
public:
    static void * operator new(std::size_t a_uSize) noexcept;
    static void * operator new(std::size_t a_uSize, char const * a_pcText1, char const * a_pcText2,
                               char const * a_pcText3, int a_iLine) noexcept; // client new with its site
    static void * operator new(std::size_t, void * a_pPlace) noexcept { return a_pPlace; }
    static void * operator new[](std::size_t a_uSize) noexcept;
    static void operator delete(void * a_pPtr) noexcept;
    static void operator delete(void * a_pPtr, char const *, char const *, char const *, int) noexcept;
    static void operator delete(void *, void *) noexcept {}
    static void operator delete[](void * a_pPtr) noexcept;

public:
    bCObjectBase() {}
    bCObjectBase(bCObjectBase const &) {}
    bCObjectBase & operator=(bCObjectBase const & a_Source); // CopyFrom

public:
    virtual unsigned short GetVersion() const;    // 1
    virtual bool IsValid() const;                 // true
    virtual bEResult Write(bCOStream & a_Stream); // the version word 1

private:
    // Reached only by mistake through a constant object: reports and writes nothing.
    virtual bool Write(bCOStream & a_Stream) const;

public:
    virtual bEResult Read(bCIStream & a_Stream); // takes the version word, any value

protected:
    virtual void Destroy();

public:
    virtual bEResult Create();
    virtual bEResult CopyFrom(bCObjectBase const & a_Source); // copies nothing
    virtual unsigned long AddReference();                     // 1
    virtual unsigned long ReleaseReference();                 // deletes the object; 0
    virtual unsigned long GetReferenceCount();                // 1
    virtual unsigned long GetProfileLastTicksFirst() const;   // 0
    virtual unsigned long GetProfileLastTicksSecond() const;  // 0
    virtual unsigned long GetProfileLastTicksThird() const;   // 0
    virtual ~bCObjectBase();

public:
    bCIStream & operator<<(bCIStream & a_Stream); // reads
    bCOStream & operator>>(bCOStream & a_Stream); // writes

protected:
    void CopyTo(bCObjectBase & a_Dest) const { a_Dest.CopyFrom(*this); }
    void Invalidate() {}
};

OE_API bCIStream & operator>>(bCIStream & a_Stream, bCObjectBase & a_Object); // reads
OE_API bCOStream & operator<<(bCOStream & a_Stream, bCObjectBase & a_Object); // writes

// A derived class that overrides the public Write hides the private constant
// one on purpose; these keep that hiding from being reported in every class.
#define OE_OBJECT_HIDES_VIRTUALS_BEGIN                                                                                 \
    _Pragma("GCC diagnostic push") _Pragma("GCC diagnostic ignored \"-Woverloaded-virtual\"")
#define OE_OBJECT_HIDES_VIRTUALS_END _Pragma("GCC diagnostic pop")

#endif
