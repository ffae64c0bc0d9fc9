#include <vellmark/kernel/oe_enginedialogs.h>

#include <vellmark/kernel/oe_message.h>
#include <vellmark/platform/oe_messagebox.h>
#include <vellmark/platform/oe_module.h>

#include <cstdlib>
#include <cstring>

namespace
{
    constexpr char const * kModuleName = "vi3Rororas.dll";

    // The module named by VELLMARK_DIALOGS, else whatever the loader finds
    // by the module's name (libvi3Rororas.so on the search path, beside the
    // program, in the current folder).
    void * LoadDialogsModule()
    {
        char const * pcChosen = std::getenv("VELLMARK_DIALOGS");
        if (pcChosen && *pcChosen)
            return std::strcmp(pcChosen, "none") == 0 ? nullptr : OELoadModule(pcChosen);
        return OELoadModule(kModuleName);
    }

    template <typename FUNC> void Resolve(void * a_hModule, char const * a_pcName, FUNC & a_funcEntry)
    {
        a_funcEntry = reinterpret_cast<FUNC>(OEGetModuleProc(a_hModule, a_pcName));
    }
} // namespace

bCMorvek3EngineDialogs::bCDialogHandle::bCDialogHandle()
{
    Invalidate();
}

bCMorvek3EngineDialogs::bCDialogHandle::~bCDialogHandle()
{
    if (m_u16ReferenceCount == 0)
        return;
    OE_MESSAGEF_WARN("%s", "bCDialogHandle::~bCDialogHandle(oh) - warning: dialog handles left, but protected "
                           "destructor is called !");
    OEFreeModule(m_hModule);
    Invalidate();
}

void bCMorvek3EngineDialogs::bCDialogHandle::Invalidate()
{
    m_hModule = nullptr;
    m_u16ReferenceCount = 0;
    m_funcCreateErrorDialog = nullptr;
    m_funcDestroyErrorDialog = m_funcShowModalErrorDialog = nullptr;
    m_funcAddText = nullptr;
    m_funcGetErrorDialogState = nullptr;
    m_funcCreateMemoryDialog = m_funcDestroyMemoryDialog = m_funcShowModalMemoryDialog = nullptr;
    m_funcAddItemToMemoryOverview = nullptr;
    m_funcCreateFileNotUniqueDialog = m_funcDestroyFileNotUniqueDialog = m_funcShowModalFileNotUniqueDialog = nullptr;
}

void bCMorvek3EngineDialogs::bCDialogHandle::LoadEntries()
{
    Resolve(m_hModule, "CreateErrorDialog", m_funcCreateErrorDialog);
    Resolve(m_hModule, "DestroyErrorDialog", m_funcDestroyErrorDialog);
    Resolve(m_hModule, "ShowModalErrorDialog", m_funcShowModalErrorDialog);
    Resolve(m_hModule, "AddText", m_funcAddText);
    Resolve(m_hModule, "GetErrorDialogState", m_funcGetErrorDialogState);
    Resolve(m_hModule, "CreateMemoryDialog", m_funcCreateMemoryDialog);
    Resolve(m_hModule, "DestroyMemoryDialog", m_funcDestroyMemoryDialog);
    Resolve(m_hModule, "ShowModalMemoryDialog", m_funcShowModalMemoryDialog);
    Resolve(m_hModule, "AddItemToMemoryOverview", m_funcAddItemToMemoryOverview);
    Resolve(m_hModule, "CreateFileNotUniqueDialog", m_funcCreateFileNotUniqueDialog);
    Resolve(m_hModule, "DestroyFileNotUniqueDialog", m_funcDestroyFileNotUniqueDialog);
    Resolve(m_hModule, "ShowModalFileNotUniqueDialog", m_funcShowModalFileNotUniqueDialog);
}

unsigned short bCMorvek3EngineDialogs::bCDialogHandle::AddReference()
{
    if (m_u16ReferenceCount == 0)
    {
        m_hModule = LoadDialogsModule();
        if (m_hModule)
            LoadEntries();
        else
        {
            OEMessageBox("Fatal error detected, can\xC2\xB4t load vi3rorora resource dll, terminating process !",
                         "Fatal error", MB_OK);
            OE_MESSAGEF_WARN("%s - warning can\xC2\xB4t load dialog resource dll(%s)! Application and exception errors "
                             "with detailed report can\xC2\xB4t be listed ! ",
                             "bCMorvek3EngineDialogs::bCDialogHandle::AddReference", kModuleName);
        }
    }
    return ++m_u16ReferenceCount;
}

unsigned short bCMorvek3EngineDialogs::bCDialogHandle::ReleaseReference()
{
    if (m_u16ReferenceCount == 0)
        return 0;
    if (m_u16ReferenceCount > 1)
        return --m_u16ReferenceCount;
    OEFreeModule(m_hModule);
    Invalidate();
    return 0;
}

unsigned short bCMorvek3EngineDialogs::bCDialogHandle::GetReferenceCount() const
{
    return m_u16ReferenceCount;
}

bool bCMorvek3EngineDialogs::bCDialogHandle::CreateErrorDialog(bool a_bFatal)
{
    return m_funcCreateErrorDialog ? m_funcCreateErrorDialog(a_bFatal) : false;
}

bool bCMorvek3EngineDialogs::bCDialogHandle::DestroyErrorDialog()
{
    return m_funcDestroyErrorDialog ? m_funcDestroyErrorDialog() : false;
}

bool bCMorvek3EngineDialogs::bCDialogHandle::CreateMemoryDialog()
{
    return m_funcCreateMemoryDialog ? m_funcCreateMemoryDialog() : false;
}

bool bCMorvek3EngineDialogs::bCDialogHandle::DestroyMemoryDialog()
{
    return m_funcDestroyMemoryDialog ? m_funcDestroyMemoryDialog() : false;
}

bool bCMorvek3EngineDialogs::bCDialogHandle::CreateFileNotUniqueDialog()
{
    return m_funcCreateFileNotUniqueDialog ? m_funcCreateFileNotUniqueDialog() : false;
}

bool bCMorvek3EngineDialogs::bCDialogHandle::DestroyFileNotUniqueDialog()
{
    return m_funcDestroyFileNotUniqueDialog ? m_funcDestroyFileNotUniqueDialog() : false;
}

bool bCMorvek3EngineDialogs::bCDialogHandle::ShowModalErrorDialog()
{
    return m_funcShowModalErrorDialog ? m_funcShowModalErrorDialog() : true;
}

bool bCMorvek3EngineDialogs::bCDialogHandle::ShowModalMemoryDialog()
{
    return m_funcShowModalMemoryDialog ? m_funcShowModalMemoryDialog() : true;
}

bool bCMorvek3EngineDialogs::bCDialogHandle::ShowModalFileNotUniqueDialog()
{
    return m_funcShowModalFileNotUniqueDialog ? m_funcShowModalFileNotUniqueDialog() : true;
}

bool bCMorvek3EngineDialogs::bCDialogHandle::AddText(bEVI3RororasLogMessageType a_eType, char const * a_pcText)
{
    return m_funcAddText ? m_funcAddText(static_cast<int>(a_eType), a_pcText) : true;
}

void bCMorvek3EngineDialogs::bCDialogHandle::GetErrorDialogState(bool & a_bContinue, bool & a_bDebug)
{
    if (m_funcGetErrorDialogState)
        m_funcGetErrorDialogState(&a_bContinue, &a_bDebug);
}

void bCMorvek3EngineDialogs::bCDialogHandle::AddItemToMemoryOverview(bSAllocationItem const * a_pItem, bool a_bValid)
{
    if (m_funcAddItemToMemoryOverview)
        m_funcAddItemToMemoryOverview(a_pItem, a_bValid);
}

bCMorvek3EngineDialogs::bCMorvek3EngineDialogs() : m_bLoadedLib(false) {}

bCMorvek3EngineDialogs::~bCMorvek3EngineDialogs()
{
    if (IsLoaded() && m_bLoadedLib)
        UnloadVI3RororaLib();
}

bool bCMorvek3EngineDialogs::LoadVI3RororaLib(bool a_bFatal)
{
    bCDialogHandle & Handle = GetDialogHandle();
    Handle.AddReference();
    m_bLoadedLib = true;
    bool const bError = Handle.CreateErrorDialog(a_bFatal);
    bool const bMemory = Handle.CreateMemoryDialog();
    bool const bFile = Handle.CreateFileNotUniqueDialog();
    return bError && bMemory && bFile;
}

void bCMorvek3EngineDialogs::UnloadVI3RororaLib()
{
    bCDialogHandle & Handle = GetDialogHandle();
    Handle.DestroyMemoryDialog();
    Handle.DestroyErrorDialog();
    Handle.DestroyFileNotUniqueDialog();
    Handle.ReleaseReference();
    m_bLoadedLib = false;
}

bool bCMorvek3EngineDialogs::IsLoaded() const
{
    return GetDialogHandle().GetReferenceCount() != 0;
}

bCMorvek3EngineDialogs::bCDialogHandle & bCMorvek3EngineDialogs::GetDialogHandle()
{
    static bCDialogHandle s_Handle;
    return s_Handle;
}

bool bCMorvek3EngineDialogs::ShowModalMemoryDialog()
{
    return GetDialogHandle().ShowModalMemoryDialog();
}

void bCMorvek3EngineDialogs::AddItemToMemoryOverview(bSAllocationItem const * a_pItem, bool a_bValid)
{
    GetDialogHandle().AddItemToMemoryOverview(a_pItem, a_bValid);
}
