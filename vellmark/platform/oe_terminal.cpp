#include <vellmark/platform/oe_terminal.h>

#include <unistd.h>

bool OEIsTerminal(int a_iFileDescriptor)
{
    return isatty(a_iFileDescriptor) == 1;
}
