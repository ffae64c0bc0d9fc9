#include <vellmark/kernel/oe_enginedialogs.h>

// Seam: no dialogs module yet; every show succeeds without showing anything.

bCMorvek3EngineDialogs::bCMorvek3EngineDialogs() :
    m_bLoadedLib(false)
{
}

bCMorvek3EngineDialogs::~bCMorvek3EngineDialogs() = default;

bool bCMorvek3EngineDialogs::LoadVI3RororaLib(bool)
{
    m_bLoadedLib = true;
    return false;
}

void bCMorvek3EngineDialogs::UnloadVI3RororaLib()
{
    m_bLoadedLib = false;
}

bool bCMorvek3EngineDialogs::IsLoaded() const
{
    return false;
}

bool bCMorvek3EngineDialogs::ShowModalMemoryDialog()
{
    return true;
}

void bCMorvek3EngineDialogs::AddItemToMemoryOverview(bSAllocationItem const *, bool)
{
}
