#ifndef OE_SPYADMIN_H_INCLUDED
#define OE_SPYADMIN_H_INCLUDED

// The window-message channel: when a viewer window titled "[vLogView]" exists
// at creation, every message that passes the message filter goes to it line
// by line as "%s%d: %s" (type prefix, priority, line) in a WM_COPYDATA. A
// viewer that starts later is not noticed until Create runs again.

#include <vellmark/kernel/oe_criticalsection.h>
#include <vellmark/kernel/oe_message.h>
#include <vellmark/platform/oe_viewerwindow.h>

class OE_API bCSpyAdmin
{
public:
    static bCSpyAdmin & GetInstance();

public:
    // Refused: a message box says so and offers the debugger; the copy stays inactive.
    bCSpyAdmin(bCSpyAdmin const & a_Source);
    bCSpyAdmin & operator=(bCSpyAdmin const & a_Source);
    ~bCSpyAdmin();

public:
    void Create(); // registers the callback anew and looks for the viewer
    HWND GetSpyHandle() const { return m_hSpyWindow; }
    void * GetSpyMutex() const { return m_hSpyMutex; }
    bCCriticalSectionWin32 & GetCriticalSection() { return m_CriticalSection; }

protected:
    void Destroy(); // forgets window and mutex, unregisters the callback

private:
    bCSpyAdmin();
    static void DestroyInstance();
    static bool OnMessage(bEMessageTypes a_eType, char const * a_pcText, char const * a_pcText2,
                          unsigned long a_uUserData, char const * a_pcFile, int a_iLine, int a_iPriority);
    void SendCommand(unsigned int a_uMessage, char const * a_pcCommand);
    void SendLine(char const * a_pcPrefix, int a_iPriority, char const * a_pcLine);

private:
    bCCriticalSectionWin32 m_CriticalSection;
    HWND m_hSpyWindow;
    void * m_hSpyMutex;
};

#endif
