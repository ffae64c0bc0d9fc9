#ifndef OE_ENGINEDIALOGS_H_INCLUDED
#define OE_ENGINEDIALOGS_H_INCLUDED

// The engine's dialogs, shown by a module loaded at run time.
//
// (Seam: the members the memory administration's leak report uses; the
// dialogs are completed with the error administration.)

#include <vellmark/kernel/oe_types.h>

struct bSAllocationItem;

class OE_API bCMorvek3EngineDialogs
{
public:
    bCMorvek3EngineDialogs();
    ~bCMorvek3EngineDialogs();

public:
    bool LoadVI3RororaLib(bool a_bFatal);
    void UnloadVI3RororaLib();
    bool IsLoaded() const;
    bool ShowModalMemoryDialog();
    void AddItemToMemoryOverview(bSAllocationItem const * a_pItem, bool a_bValid);

private:
    bool m_bLoadedLib;
};

#endif
