#ifndef OE_ASYMMETRICBARRIER_H_INCLUDED
#define OE_ASYMMETRICBARRIER_H_INCLUDED

// An asymmetric memory barrier: a thread that rarely needs to see what the
// other threads of the process wrote pays for a full barrier on every core
// that runs one of them, so that those threads get away with compiler barriers
// on their hot paths. Built on membarrier (private expedited), registered once
// for the process.
//
// Where the kernel lacks it, and in ThreadSanitizer builds (which cannot model
// it), the barrier is unavailable and its users take their ordinary road.

#include <vellmark/platform/oe_export.h>

// Whether OEAsymmetricBarrierHeavy may be relied upon. The first call
// registers the process; later calls are one load.
OE_API bool OEAsymmetricBarrierAvailable();

// The heavy side: returns after every running thread of the process passed a
// full memory barrier. Only to be called once OEAsymmetricBarrierAvailable()
// gave true.
OE_API void OEAsymmetricBarrierHeavy();

// Tests and diagnostics: the heavy barriers passed since the process started.
OE_API unsigned long long OEAsymmetricBarrierHeavyCount();

// Tests and diagnostics: makes the barrier report itself unavailable from now
// on (true) or look again (false).
OE_API void OEAsymmetricBarrierForceUnavailable(bool a_bForce);

// The light side: keeps the compiler from moving memory accesses across it.
inline void OEAsymmetricBarrierLight()
{
    __atomic_signal_fence(__ATOMIC_SEQ_CST);
}

#endif
