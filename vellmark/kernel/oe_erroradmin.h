#ifndef OE_ERRORADMIN_H_INCLUDED
#define OE_ERRORADMIN_H_INCLUDED

// The error administration: errors that end the program (fatal), faults that
// may let it continue, and exceptions caught by the crash filter.
//
// (Seam: the fatal and fault entry points only; reports, history, dialogs and
// dumps are completed with the error administration itself.)

#include <vellmark/kernel/oe_types.h>

class OE_API bCErrorAdmin
{
public:
    static bCErrorAdmin & GetInstance();

public:
    void CallFatalError(char const * a_pcMessage, char const * a_pcDetail, char const * a_pcFile, int a_iLine);
    void CallFatalError(char const * a_pcMessage, char const * a_pcFile, int a_iLine);
    void CallFaultError(char const * a_pcMessage, char const * a_pcDetail, char const * a_pcFile, int a_iLine);
    void CallFaultError(char const * a_pcMessage, char const * a_pcFile, int a_iLine);
};

#endif
