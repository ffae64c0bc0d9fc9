#ifndef OE_PROFILEMANAGER_H_INCLUDED
#define OE_PROFILEMANAGER_H_INCLUDED

// The process-wide hierarchical profiler. Callers bracket a region with
// StartProfile and StopProfile; nested regions become child nodes of the
// region they run in, below the root "Root". A region that starts itself
// again directly counts on the same node.
//
// Time stamps come from the processor's time-stamp counter where it is
// invariant, otherwise from the monotonic clock (platform/oe_timestampcounter.h).
// Not synchronised: one thread profiles at a time, and regions nest properly.
// StartProfile and StopProfile allocate only on the first entry into a region.

#include <vellmark/platform/oe_timestampcounter.h>
#include <vellmark/util/oe_profilenode.h>

class bCProfileIterator;

class OE_API bCProfileManager
{
public:
    static void StartProfile(bCString const & a_strName);
    static void StartProfile(char const * a_pcName); // the same without a temporary string
    static void StopProfile();                       // never moves above the root
    static void Reset();                             // counters, frame counter and the reset time
    static void IncrementFrameCounter();
    static int GetFrameCountSinceReset();
    static float GetTimeSinceReset(); // seconds
    static bCProfileIterator * CreateIterator(); // on the root; give it back with ReleaseIterator
    static void ReleaseIterator(bCProfileIterator * a_pIterator);
    static void EnableProfiling(bool a_bEnable);
    static bool IsProfilingEnabled();

    static bCProfileNode & AccessRoot();
    static bCProfileNode * GetCurrentNode();
    static unsigned long long GetTimeStamp() { return OEReadTimeStamp(); }
    // (later - earlier) as a signed count, divided by the counter frequency.
    static float GetSecondsBetween(unsigned long long a_u64Earlier, unsigned long long a_u64Later);

private:
    static void QueryCounterFrequency();

private:
    static bCProfileNode ms_Root;
    static bCProfileNode * ms_pCurrentNode;
    static bool ms_bProfilingEnabled;
    static int32_t ms_iFrameCounter;
    static uint64_t ms_u64ResetTime;
    static float ms_fCounterFrequency; // -1 until queried
};

// The first node named a_strName among the iterator's current child and its
// siblings, descending along first children: the iterator positioned on it,
// or null (also while profiling is disabled).
OE_API bCProfileIterator * g_funcGetChildByName(bCProfileIterator * a_pIterator, bCString const & a_strName);
// Sends one info message per child of the iterator's walk with the parent's
// and the child's totals, then descends into the first child and goes on;
// nothing while profiling is disabled.
OE_API void g_funcIterChilds(bCProfileIterator * a_pIterator);

// The pair runs around every profiled region: inline, so that a region costs
// little more than its two time stamps.
inline void bCProfileManager::StartProfile(bCString const & a_strName)
{
    bCProfileNode * pNode = ms_pCurrentNode;
    if (a_strName != pNode->GetName())
        ms_pCurrentNode = pNode = pNode->GetSubNode(a_strName);
    pNode->Call();
}

inline void bCProfileManager::StopProfile()
{
    bCProfileNode * pNode = ms_pCurrentNode;
    if (pNode->Return() && pNode->GetParent())
        ms_pCurrentNode = pNode->GetParent();
}

inline float bCProfileManager::GetSecondsBetween(unsigned long long a_u64Earlier, unsigned long long a_u64Later)
{
    if (ms_fCounterFrequency == -1.0f)
        QueryCounterFrequency();
    return static_cast<float>(static_cast<long long>(a_u64Later - a_u64Earlier)) / ms_fCounterFrequency;
}

inline void bCProfileNode::Call()
{
    ++m_iTotalCalls;
    if (m_iRecursionCounter++ == 0)
        m_u64StartTime = bCProfileManager::GetTimeStamp();
}

inline bool bCProfileNode::Return()
{
    if (--m_iRecursionCounter == 0 && m_iTotalCalls != 0)
        m_fTotalTime += bCProfileManager::GetSecondsBetween(m_u64StartTime, bCProfileManager::GetTimeStamp());
    return m_iRecursionCounter == 0;
}

// The iterator completes the interface of this header.
#include <vellmark/util/oe_profileiterator.h>

#endif
