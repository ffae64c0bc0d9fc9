#ifndef OE_PROFILENODE_H_INCLUDED
#define OE_PROFILENODE_H_INCLUDED

// One region of the profile tree: its name, how often it was entered and the
// seconds spent inside it. Children hang off the first child (the most
// recently created one) through the sibling chain. A node owns its first
// child and its sibling chain and destroys them with itself; a copy shares the
// tree pointers of its source, so only one of the two may be destroyed while
// the tree is still in use.

#include <vellmark/kernel/oe_basemem.h>
#include <vellmark/kernel/oe_string.h>
#include <vellmark/platform/oe_export.h>

#include <cstddef>
#include <cstdint>

class OE_API bCProfileNode
{
public:
    // Nodes live in the memory administration.
    static void * operator new(std::size_t a_uSize) noexcept;
    static void operator delete(void * a_pPtr) noexcept;

public:
    bCProfileNode(bCString const & a_strName, bCProfileNode * a_pParent);
    bCProfileNode(bCProfileNode const & a_Source); // shares the tree
    ~bCProfileNode();
    bCProfileNode & operator=(bCProfileNode const & a_Source); // shares the tree

public:
    bCProfileNode * GetSubNode(bCString const & a_strName); // the child of that name, made on first use
    bCProfileNode * GetSubNode(char const * a_pcName);
    void Call();
    bool Return(); // true when the outermost entry ended
    void Reset();  // counters of this node, its siblings and all their descendants

    bCProfileNode * GetParent() const { return m_pParent; }
    bCProfileNode * GetSibling() const { return m_pSibling; }
    bCProfileNode * GetChild() const { return m_pChild; }
    bCString const & GetName() const { return m_strName; }
    int GetTotalCalls() const { return m_iTotalCalls; }
    float GetTotalTime() const { return m_fTotalTime; } // seconds
    int GetRecursionCounter() const { return m_iRecursionCounter; }

private:
    bCProfileNode * AddChild(bCString const & a_strName); // the new first child

private:
    bCString m_strName;
    int32_t m_iTotalCalls;
    float m_fTotalTime;
    uint64_t m_u64StartTime;
    int32_t m_iRecursionCounter;
    bCProfileNode * m_pParent;
    bCProfileNode * m_pChild;
    bCProfileNode * m_pSibling;
};

// GetSubNode (the search), Call and Return are inline: they run on every
// profiled region. Call and Return need the manager's time base and follow
// its class.
inline bCProfileNode * bCProfileNode::GetSubNode(bCString const & a_strName)
{
    for (bCProfileNode * pChild = m_pChild; pChild; pChild = pChild->m_pSibling)
        if (pChild->m_strName == a_strName)
            return pChild;
    return AddChild(a_strName);
}

#include <vellmark/util/oe_profilemanager.h>

#endif
