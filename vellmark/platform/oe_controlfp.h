#ifndef OE_CONTROLFP_H_INCLUDED
#define OE_CONTROLFP_H_INCLUDED

// The floating-point control word in the layout of the original runtime's
// control-word function, over the units of this machine: the x87 control word
// holds the exception masks, rounding, precision and infinity control, and
// SSE's MXCSR (where float code runs on x86-64) is kept in step with it: same
// masks and rounding, and its flush-to-zero bit is the denormal control.
// A set mask bit masks the exception. Both registers are per thread.

#include <vellmark/platform/oe_export.h>

inline constexpr unsigned long OE_MCW_EM = 0x0008001Ful; // exception masks
inline constexpr unsigned long OE_EM_INVALID = 0x00000010ul;
inline constexpr unsigned long OE_EM_DENORMAL = 0x00080000ul;
inline constexpr unsigned long OE_EM_ZERODIVIDE = 0x00000008ul;
inline constexpr unsigned long OE_EM_OVERFLOW = 0x00000004ul;
inline constexpr unsigned long OE_EM_UNDERFLOW = 0x00000002ul;
inline constexpr unsigned long OE_EM_INEXACT = 0x00000001ul;
inline constexpr unsigned long OE_MCW_RC = 0x00000300ul; // rounding
inline constexpr unsigned long OE_RC_NEAR = 0x00000000ul;
inline constexpr unsigned long OE_RC_DOWN = 0x00000100ul;
inline constexpr unsigned long OE_RC_UP = 0x00000200ul;
inline constexpr unsigned long OE_RC_CHOP = 0x00000300ul;
inline constexpr unsigned long OE_MCW_PC = 0x00030000ul; // precision
inline constexpr unsigned long OE_PC_64 = 0x00000000ul;
inline constexpr unsigned long OE_PC_53 = 0x00010000ul;
inline constexpr unsigned long OE_PC_24 = 0x00020000ul;
inline constexpr unsigned long OE_MCW_IC = 0x00040000ul; // infinity
inline constexpr unsigned long OE_IC_PROJECTIVE = 0x00000000ul;
inline constexpr unsigned long OE_IC_AFFINE = 0x00040000ul;
inline constexpr unsigned long OE_MCW_DN = 0x01000000ul; // denormal control
inline constexpr unsigned long OE_DN_SAVE = 0x00000000ul;
inline constexpr unsigned long OE_DN_FLUSH = 0x01000000ul;

// Writes the fields selected by a_uMask from a_uNew (mask 0 only reads) and
// returns the word as it then is. Bits outside the fields above are ignored.
OE_API unsigned long OEControlFP(unsigned long a_uNew, unsigned long a_uMask);

// Clears the pending exception flags of both units, so that unmasking an
// exception does not fault on a flag an earlier operation left behind.
OE_API void OEClearFPExceptions();

#endif
