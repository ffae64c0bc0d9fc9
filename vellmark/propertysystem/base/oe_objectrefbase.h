#ifndef OE_OBJECTREFBASE_H_INCLUDED
#define OE_OBJECTREFBASE_H_INCLUDED

// bCObjectRefBase: an object with an intrusive reference count, a created
// flag and the link to the property object that describes and persists it.
//
// - The reference word: bit 31 is the created flag, bits 0-30 the count. A
//   change of one never touches the other; the count wraps at 2^31.
// - A new object holds one reference and is not created (IsValid false).
//   The release that finds a count of 1 or 0 deletes the object; its storage
//   goes back to the memory administration.
// - While a property object is bound, it owns the count of both: AddReference
//   and ReleaseReference forward to it and leave the own count alone.
// - Counting is neither atomic nor locked: one thread at a time, or under a
//   lock the caller holds.
// - Property setters bracket a change with NotifyPropertyValueChangedEnterEx
//   and ...ExitEx; a derived class reacts in the OnNotify... operations.

#include <vellmark/propertysystem/base/oe_objectbase.h>

#include <cstdint>

class bCMemoryStream;
class bCPropertyObjectBase;
class bCString;

OE_OBJECT_HIDES_VIRTUALS_BEGIN

class OE_API bCObjectRefBase : public bCObjectBase
{
public:
    bCObjectRefBase();
    bCObjectRefBase(bCObjectRefBase const & a_Source);             // copies nothing
    bCObjectRefBase & operator=(bCObjectRefBase const & a_Source); // CopyFrom, then pointer and whole word

public:
    unsigned short GetVersion() const override; // 1
    bool IsValid() const override;              // the created flag
    bEResult Write(bCOStream & a_Stream) override;
    bEResult Read(bCIStream & a_Stream) override;
    void Destroy() override; // clears the created flag of a created object; the count stays
    bEResult Create() override;
    unsigned long AddReference() override;
    unsigned long ReleaseReference() override;
    ~bCObjectRefBase() override;

public:
    virtual bool IsVirtualReferencingEnabled() const; // true
    virtual bEResult PostInitializeProperties();

private:
    virtual unsigned long NotifyPropertyValueChangedEnter(char const * a_pcName); // 0xFFFFFFFF
    virtual unsigned long NotifyPropertyValueChangedExit(char const * a_pcName);  // 0xFFFFFFFF

public:
    virtual bool OnNotifyPropertyValueChangedEnterEx(char const * a_pcName, bool a_bFlag); // true
    virtual bool OnNotifyPropertyValueChangedExitEx(char const * a_pcName, bool a_bFlag);  // true
    // A stored property whose value type changed: its raw bytes, positioned at 0.
    virtual void NotifyPropertyDeprecated(bCString const & a_strClassName, bCString const & a_strPropertyName,
                                          bCMemoryStream & a_Data, unsigned short a_uVersion);
    virtual bool NotifyPropertyValueChangedEnterEx(char const * a_pcName, bool a_bFlag); // the On... result
    virtual bool NotifyPropertyValueChangedExitEx(char const * a_pcName, bool a_bFlag);  // the On... result

public:
    // Not virtual: through a bCObjectBase the count still reads 1.
    unsigned long GetReferenceCount() const { return m_uReferenceWord & kCountMask; }
    bCPropertyObjectBase * GetPropertyObject() { return m_pPropertyObject; }
    bCPropertyObjectBase const * GetPropertyObject() const { return m_pPropertyObject; }

protected:
    void SetPropertyObject(bCPropertyObjectBase const * a_pPropertyObject);
    void Invalidate(); // pointer and whole reference word to 0
    // The overridden AddReference / ReleaseReference when virtual referencing
    // is enabled, else those of this class.
    unsigned long AddVirtualReference();
    unsigned long ReleaseVirtualReference();

private:
    friend class bCPropertyObjectBase; // binds and unbinds its native object

    static constexpr uint32_t kCreatedFlag = 0x80000000u;
    static constexpr uint32_t kCountMask = 0x7FFFFFFFu;

private:
    bCPropertyObjectBase * m_pPropertyObject;
    uint32_t m_uReferenceWord;
};

OE_OBJECT_HIDES_VIRTUALS_END

#endif
