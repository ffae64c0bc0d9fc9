#include <vellmark/util/oe_profilemanager.h>

#include <vellmark/kernel/oe_message.h>

#include <cstdio>
#include <cstring>

// The root first: the reset time is taken when it is made.
bCProfileNode bCProfileManager::ms_Root(bCString("Root"), nullptr);
bCProfileNode * bCProfileManager::ms_pCurrentNode = &bCProfileManager::ms_Root;
bool bCProfileManager::ms_bProfilingEnabled = true;
int32_t bCProfileManager::ms_iFrameCounter = 0;
uint64_t bCProfileManager::ms_u64ResetTime = bCProfileManager::GetTimeStamp();
float bCProfileManager::ms_fCounterFrequency = -1.0f;

void bCProfileManager::StartProfile(char const * a_pcName)
{
    if (!a_pcName)
        a_pcName = ""; // as the empty text of the string form
    if (std::strcmp(a_pcName, ms_pCurrentNode->GetName().GetText()) != 0)
        ms_pCurrentNode = ms_pCurrentNode->GetSubNode(a_pcName);
    ms_pCurrentNode->Call();
}

void bCProfileManager::Reset()
{
    ms_Root.Reset();
    ms_iFrameCounter = 0;
    ms_u64ResetTime = GetTimeStamp();
}

void bCProfileManager::IncrementFrameCounter()
{
    ++ms_iFrameCounter;
}

int bCProfileManager::GetFrameCountSinceReset()
{
    return ms_iFrameCounter;
}

float bCProfileManager::GetTimeSinceReset()
{
    return GetSecondsBetween(ms_u64ResetTime, GetTimeStamp());
}

bCProfileIterator * bCProfileManager::CreateIterator()
{
    return new bCProfileIterator(&ms_Root);
}

void bCProfileManager::ReleaseIterator(bCProfileIterator * a_pIterator)
{
    delete a_pIterator;
}

void bCProfileManager::EnableProfiling(bool a_bEnable)
{
    ms_bProfilingEnabled = a_bEnable;
}

bool bCProfileManager::IsProfilingEnabled()
{
    return ms_bProfilingEnabled;
}

bCProfileNode & bCProfileManager::AccessRoot()
{
    return ms_Root;
}

bCProfileNode * bCProfileManager::GetCurrentNode()
{
    return ms_pCurrentNode;
}

void bCProfileManager::QueryCounterFrequency()
{
    ms_fCounterFrequency = static_cast<float>(OEGetTimeStampFrequency());
}

bCProfileIterator * g_funcGetChildByName(bCProfileIterator * a_pIterator, bCString const & a_strName)
{
    if (!a_pIterator)
        return nullptr;
    // Entering child 0 starts from the parent's first child, so an iterator
    // moved past its last child still descends.
    while (bCProfileManager::IsProfilingEnabled())
    {
        for (; !a_pIterator->IsDone(); a_pIterator->Next())
            if (a_pIterator->GetCurrentName() == a_strName)
                return a_pIterator;
        a_pIterator->EnterChild(0);
        if (a_pIterator->IsDone())
            return nullptr;
    }
    return nullptr;
}

void g_funcIterChilds(bCProfileIterator * a_pIterator)
{
    if (!a_pIterator || !bCProfileManager::IsProfilingEnabled())
        return;
    // Each level descends into the first child (also from an iterator moved
    // past its last child); a loop instead of the recursion keeps deep trees
    // off the stack.
    do
    {
        for (; !a_pIterator->IsDone(); a_pIterator->Next())
        {
            char arrLine[1024];
            std::snprintf(arrLine, sizeof(arrLine), "[Parent]: '%s' <T:%f, C:%d>  ---> [Child]: '%s', <T:%f, C:%d> \n",
                          a_pIterator->GetCurrentParentName().GetText(),
                          static_cast<double>(a_pIterator->GetCurrentParentTotalTime()),
                          a_pIterator->GetCurrentParentTotalCalls(), a_pIterator->GetCurrentName().GetText(),
                          static_cast<double>(a_pIterator->GetCurrentTotalTime()), a_pIterator->GetCurrentTotalCalls());
            OE_MESSAGE_INFO(g_iDefaultMessagePriority, arrLine);
        }
        a_pIterator->EnterChild(0);
    } while (!a_pIterator->IsDone());
}
