#ifndef OE_ENGINEDIALOGS_H_INCLUDED
#define OE_ENGINEDIALOGS_H_INCLUDED

// The engine's dialogs, shown by the dialogs module "vi3Rororas.dll" loaded at
// run time through its twelve entry points (looked up by their plain names).
//
// The module is found through the environment variable VELLMARK_DIALOGS (a
// path, or "none" for no dialogs), else by its name (libvi3Rororas.so on the
// usual search path, beside the program, in the current folder). Without it
// the library warns and runs on: shows and AddText succeed at once, the state
// flags stay false, so a fault ends the process like a fatal error.
//
// bCMorvek3EngineDialogs is a small object made on the stack wherever dialogs
// are used; the module itself is held by the one reference-counted
// bCDialogHandle of the process.

#include <vellmark/kernel/oe_types.h>

struct bSAllocationItem;

// Line kinds passed to AddText.
enum bEVI3RororasLogMessageType : int
{
    bEVI3RororasLogMessageType_Error = 1,     // header and position lines of an error
    bEVI3RororasLogMessageType_History = 2,   // message history lines
    bEVI3RororasLogMessageType_Memory = 3,    // memory statistics lines
    bEVI3RororasLogMessageType_Assertion = 4, // assertion text and call-stack lines
};

class OE_API bCMorvek3EngineDialogs
{
public:
    class OE_API bCDialogHandle
    {
    public:
        bCDialogHandle();
        ~bCDialogHandle();
        bCDialogHandle(bCDialogHandle const &) = delete;
        bCDialogHandle & operator=(bCDialogHandle const &) = delete;

    public:
        unsigned short AddReference();     // loads the module on the first reference
        unsigned short ReleaseReference(); // frees it with the last one
        unsigned short GetReferenceCount() const;

        // Absent entries: create and destroy give false, shows and AddText
        // true, the other two do nothing.
        bool CreateErrorDialog(bool a_bFatal);
        bool DestroyErrorDialog();
        bool CreateMemoryDialog();
        bool DestroyMemoryDialog();
        bool CreateFileNotUniqueDialog();
        bool DestroyFileNotUniqueDialog();
        bool ShowModalErrorDialog();
        bool ShowModalMemoryDialog();
        bool ShowModalFileNotUniqueDialog();
        bool AddText(bEVI3RororasLogMessageType a_eType, char const * a_pcText);
        void GetErrorDialogState(bool & a_bContinue, bool & a_bDebug);
        void AddItemToMemoryOverview(bSAllocationItem const * a_pItem, bool a_bValid);

    private:
        typedef bool (*bFCreateErrorDialog)(bool);
        typedef bool (*bFDialogCall)();
        typedef bool (*bFAddText)(int, char const *); // the kind travels as a plain int
        typedef void (*bFGetErrorDialogState)(bool *, bool *);
        typedef void (*bFAddItemToMemoryOverview)(bSAllocationItem const *, bool);

        void LoadEntries();
        void Invalidate();

        void * m_hModule;
        unsigned short m_u16ReferenceCount;
        bFCreateErrorDialog m_funcCreateErrorDialog;
        bFDialogCall m_funcDestroyErrorDialog;
        bFDialogCall m_funcShowModalErrorDialog;
        bFAddText m_funcAddText;
        bFGetErrorDialogState m_funcGetErrorDialogState;
        bFDialogCall m_funcCreateMemoryDialog;
        bFDialogCall m_funcDestroyMemoryDialog;
        bFDialogCall m_funcShowModalMemoryDialog;
        bFAddItemToMemoryOverview m_funcAddItemToMemoryOverview;
        bFDialogCall m_funcCreateFileNotUniqueDialog;
        bFDialogCall m_funcDestroyFileNotUniqueDialog;
        bFDialogCall m_funcShowModalFileNotUniqueDialog;
    };

public:
    bCMorvek3EngineDialogs();
    ~bCMorvek3EngineDialogs();

public:
    // Takes a reference and creates the three dialogs; true when all three were made.
    bool LoadVI3RororaLib(bool a_bFatal);
    void UnloadVI3RororaLib();
    bool IsLoaded() const; // the module has references
    static bCDialogHandle & GetDialogHandle();

    bool ShowModalMemoryDialog();
    void AddItemToMemoryOverview(bSAllocationItem const * a_pItem, bool a_bValid);

private:
    bool m_bLoadedLib;
};

typedef bCMorvek3EngineDialogs::bCDialogHandle bCDialogHandle;

#endif
