#ifndef OE_VIEWERWINDOW_H_INCLUDED
#define OE_VIEWERWINDOW_H_INCLUDED

// The window services the output channel needs, for a desktop without
// windows: a local datagram socket in the abstract namespace whose address is
// a zero byte followed by the window title stands for a top-level window.
// Finding the window is connecting to that address; WM_COPYDATA and the
// broadcast of a registered message each become one datagram (layouts in
// oe_viewerprotocol.h). Sends are synchronous as on the original platform: a
// viewer that stops reading blocks the sender once its queue is full.

#include <vellmark/platform/oe_export.h>
#include <vellmark/platform/oe_udpsocket.h>

#include <cstdint>

typedef struct OEWindowHandle_ * HWND;
#define HWND_BROADCAST (reinterpret_cast<HWND>(static_cast<uintptr_t>(0xFFFF)))

enum : unsigned int
{
    WM_COPYDATA = 0x004A,
};

struct COPYDATASTRUCT
{
    uintptr_t dwData;
    unsigned long cbData;
    void * lpData;
};

// The window with this title (the class name is not used), or null.
OE_API HWND OEFindWindow(char const * a_pcClassName, char const * a_pcWindowName);
// Releases what a found window handle holds; the handle is invalid afterwards.
OE_API void OECloseWindowHandle(HWND a_hWindow);
// The process-wide id (0xC000 and up) of a message name; the same name gives the same id.
OE_API unsigned int OERegisterWindowMessage(char const * a_pcName);
// WM_COPYDATA (lParam: COPYDATASTRUCT *) to one window, or a registered message
// (lParam: an atom) to HWND_BROADCAST. 1 when delivered, 0 otherwise.
OE_API long OESendMessage(HWND a_hWindow, unsigned int a_uMessage, uintptr_t a_uWParam, intptr_t a_iLParam);

// Viewer side: binds the window's address (so that OEFindWindow finds it) and
// reports senders' process ids to OEReceive; OE_INVALID_SOCKET when taken.
OE_API OESOCKET OEOpenViewerWindow(char const * a_pcWindowName);

#endif
