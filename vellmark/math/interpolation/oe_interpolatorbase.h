#ifndef OE_INTERPOLATORBASE_H_INCLUDED
#define OE_INTERPOLATORBASE_H_INCLUDED

// Interpolators evaluate a key-framed track at an arbitrary time.
//
// Conventions of the interpolators:
// - A track is two parallel arrays owned by the key framer data: ascending key
//   times (float) and key values (float or bCMotion). The key framer data
//   attaches an interpolator to them and sets its frame range; the interpolator
//   keeps the current time, the current value and what its method precomputes.
// - Calling order: construct, attach and set the range, optionally
//   SetParameters, ReBuild; then SetTime and Update as often as needed. After
//   the keys change, ReBuild again.
// - Nothing throws: an invalid interpolator reports a warning and keeps its
//   value (Update) or presets it from the keys (ReBuild).
// - The spline methods treat a bCMotion as seven independent floats (the
//   quaternion is neither kept on the unit sphere nor renormalised); only the
//   linear method turns the rotation as a rotation (slerp).
// - The eight virtual operations keep the same slot order in every class.

#include <vellmark/kernel/oe_stream.h>
#include <vellmark/platform/oe_export.h>

#include <cstddef>
#include <cstdint>

enum bEInterpolator : int // persisted as 32 bits
{
    bEInterpolator_None = 0, // the base's type before a method sets its own
    bEInterpolator_Linear = 1,
    bEInterpolator_CutmullRom = 2,
    bEInterpolator_Hermite = 3,
    bEInterpolator_KochanekBartels = 4,
};

class OE_API bCInterpolatorBase
{
public:
    // Interpolators live on the memory administration's heap, like every object of the library.
    static void * operator new(std::size_t a_uSize) noexcept;
    static void operator delete(void * a_pPtr) noexcept;

public:
    bCInterpolatorBase();
    bCInterpolatorBase(bCInterpolatorBase const & a_Source); // copies nothing and warns

public:
    virtual bool IsValid() const = 0;
    virtual void * AccessParameters() = 0;                      // the method's per-key parameter array, or null
    virtual void SetParameters(void const * a_pParameters) = 0; // an array of the same method's parameters
    virtual void ReBuild() = 0;
    virtual void Update() = 0;
    virtual void Read(bCIStream & a_Stream) = 0;
    virtual void Write(bCOStream & a_Stream) = 0;
    virtual void SetTime(float a_fTime) = 0;
    virtual ~bCInterpolatorBase();

public:
    bCInterpolatorBase & operator=(bCInterpolatorBase const & a_Source); // copies nothing and warns
    bCIStream & operator<<(bCIStream & a_Stream);
    bCOStream & operator>>(bCOStream & a_Stream);

    bEInterpolator GetType() const { return m_eType; }
    void GetType(bEInterpolator & a_eType) const { a_eType = m_eType; }
    int GetFrameBegin() const { return m_iFrameBegin; }
    void GetFrameBegin(int & a_iFrameBegin) const { a_iFrameBegin = m_iFrameBegin; }
    int GetFrameEnd() const { return m_iFrameEnd; }
    void GetFrameEnd(int & a_iFrameEnd) const { a_iFrameEnd = m_iFrameEnd; }
    int GetFrameCount() const { return m_iFrameEnd - m_iFrameBegin + 1; }
    void GetFrameCount(int & a_iFrameCount) const { a_iFrameCount = GetFrameCount(); }
    void SetFrameBegin(int a_iFrameBegin) { m_iFrameBegin = a_iFrameBegin; }
    void SetFrameEnd(int a_iFrameEnd) { m_iFrameEnd = a_iFrameEnd; }

protected:
    void SetType(bEInterpolator a_eType) { m_eType = a_eType; }
    bEInterpolator & AccessType() { return m_eType; }
    int32_t & AccessFrameBegin() { return m_iFrameBegin; }
    int32_t & AccessFrameEnd() { return m_iFrameEnd; }

private:
    bEInterpolator m_eType;
    int32_t m_iFrameBegin; // first key covered, -1 before the key framer data sets it
    int32_t m_iFrameEnd;   // last key covered, -1 before the key framer data sets it
};

#endif
