#ifndef OE_FPUADMIN_H_INCLUDED
#define OE_FPUADMIN_H_INCLUDED

// The floating-point control word of the calling thread (layout and constants
// in platform/oe_controlfp.h). The first GetInstance sets the engine's
// default: every exception masked, 24-bit precision, round to nearest,
// projective infinity, denormals kept. Other threads keep their own words.

#include <vellmark/platform/oe_controlfp.h>
#include <vellmark/platform/oe_export.h>

#include <cstdint>

class OE_API bCFPUAdmin
{
public:
    static bCFPUAdmin & GetInstance();

public:
    bCFPUAdmin(); // runs Create
    // Refused: each ends the program with a fatal error.
    bCFPUAdmin(bCFPUAdmin const & a_Source);
    bCFPUAdmin & operator=(bCFPUAdmin const & a_Source);
    ~bCFPUAdmin() = default;

public:
    void Create();                    // saves the current word, then sets the default
    void ComputeDefaultControlWord(); // sets the default without saving
    void SaveCurrentControlWord();
    void RestoreSavedControlWord();
    void RestoreDefaultControlWord();
    void SetLowPrecision();  // 24-bit
    void SetMidPrecision();  // 53-bit
    void SetHighPrecision(); // 64-bit

    static unsigned long GetCurrentControlWord();
    static void SetControlWord(unsigned long a_uControlWord); // every field
    // True unmasks the exception (it is raised), after clearing pending
    // exception flags; false masks it.
    static void EnableOverflowExceptions(bool a_bEnable);
    static void EnableUnderflowExceptions(bool a_bEnable);
    static void EnableZeroDevideExceptions(bool a_bEnable);
    static void EnableInvalidFloatExceptions(bool a_bEnable);
    static void EnableDenormalFloatExceptions(bool a_bEnable);
    static void PrintStatus(); // the word's fields as messages of priority 1

private:
    void SetPrecision(unsigned long a_uPrecision);
    static void EnableExceptions(unsigned long a_uMaskBit, bool a_bEnable);

private:
    uint32_t m_u32SavedControlWord;
    uint32_t m_u32DefaultControlWord;
};

#endif
