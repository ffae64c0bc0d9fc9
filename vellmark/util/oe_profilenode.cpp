#include <vellmark/util/oe_profilenode.h>

#include <vellmark/kernel/oe_basemem.h>

#include <cstring>

void * bCProfileNode::operator new(std::size_t a_uSize) noexcept
{
    return OE_New(static_cast<unsigned long>(a_uSize), "bCProfileNode", "bCProfileNode", "util/oe_profilenode", 0);
}

void bCProfileNode::operator delete(void * a_pPtr) noexcept
{
    bCMemoryAdmin::GetInstance().DeleteObject(a_pPtr);
}

bCProfileNode::bCProfileNode(bCString const & a_strName, bCProfileNode * a_pParent)
    : m_strName(a_strName), m_iTotalCalls(0), m_fTotalTime(0.0f), m_u64StartTime(0), m_iRecursionCounter(0),
      m_pParent(a_pParent), m_pChild(nullptr), m_pSibling(nullptr)
{
}

bCProfileNode::bCProfileNode(bCProfileNode const & a_Source)
    : m_strName(a_Source.m_strName), m_iTotalCalls(a_Source.m_iTotalCalls), m_fTotalTime(a_Source.m_fTotalTime),
      m_u64StartTime(a_Source.m_u64StartTime), m_iRecursionCounter(a_Source.m_iRecursionCounter),
      m_pParent(a_Source.m_pParent), m_pChild(a_Source.m_pChild), m_pSibling(a_Source.m_pSibling)
{
}

// Siblings are destroyed in a loop: a region may have many children, and only
// the depth of the tree may cost stack.
bCProfileNode::~bCProfileNode()
{
    delete m_pChild;
    bCProfileNode * pSibling = m_pSibling;
    while (pSibling)
    {
        bCProfileNode * pNext = pSibling->m_pSibling;
        pSibling->m_pSibling = nullptr;
        delete pSibling;
        pSibling = pNext;
    }
}

bCProfileNode & bCProfileNode::operator=(bCProfileNode const & a_Source)
{
    m_strName = a_Source.m_strName;
    m_iTotalCalls = a_Source.m_iTotalCalls;
    m_fTotalTime = a_Source.m_fTotalTime;
    m_u64StartTime = a_Source.m_u64StartTime;
    m_iRecursionCounter = a_Source.m_iRecursionCounter;
    m_pParent = a_Source.m_pParent;
    m_pChild = a_Source.m_pChild;
    m_pSibling = a_Source.m_pSibling;
    return *this;
}

bCProfileNode * bCProfileNode::AddChild(bCString const & a_strName)
{
    bCProfileNode * pNode = new bCProfileNode(a_strName, this);
    if (!pNode)
        return this; // out of memory: the region counts on its parent
    pNode->m_pSibling = m_pChild;
    m_pChild = pNode;
    return pNode;
}

bCProfileNode * bCProfileNode::GetSubNode(char const * a_pcName)
{
    for (bCProfileNode * pChild = m_pChild; pChild; pChild = pChild->m_pSibling)
        if (std::strcmp(pChild->m_strName.GetText(), a_pcName) == 0)
            return pChild;
    return AddChild(bCString(a_pcName));
}

void bCProfileNode::Reset()
{
    for (bCProfileNode * pNode = this; pNode; pNode = pNode->m_pSibling)
    {
        pNode->m_iTotalCalls = 0;
        pNode->m_fTotalTime = 0.0f;
        if (pNode->m_pChild)
            pNode->m_pChild->Reset();
    }
}
