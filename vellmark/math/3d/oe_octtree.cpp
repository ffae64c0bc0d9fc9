#include <vellmark/math/3d/oe_octtree.h>

#include <vellmark/kernel/oe_basemem.h>
#include <vellmark/kernel/oe_erroradmin.h>
#include <vellmark/math/3d/oe_plane.h>

#include <atomic>
#include <cmath>
#include <cstdint>
#include <new>

// One node: its box, the size threshold for storing entries here, the parent,
// eight children by octant and ten entry slots filled from slot 0.
class bCOctTreeNode
{
public:
    static int const s_iSlotCount = 10;

public:
    static bCOctTreeNode * New(bCBox const & a_Box, bCOctTreeNode * a_pParent);
    static void Delete(bCOctTreeNode * a_pNode);

    bCOctTreeNode(bCBox const & a_Box, bCOctTreeNode * a_pParent);
    ~bCOctTreeNode(); // children first; entries left behind are fatal

    bCVector GetCenter() const { return (m_Box.GetMin() + m_Box.GetMax()) * 0.5f; }
    bool Overlaps(bCBox const & a_Box) const;
    bCOctTreeNode * AccessChild(int a_iOctant); // creates a missing child

    void Insert(bCOctTreeEntryBase * a_pEntry);
    void Remove(bCOctTreeEntryBase * a_pEntry);
    bool Prune(); // true when nothing below and in this node holds an entry

private:
    void GoDown(bCOctTreeEntryBase * a_pEntry);
    bool TryEvict(bCOctTreeEntryBase * a_pEntry, uint64_t a_u64Cells);

public:
    bCBox m_Box;
    uint16_t m_u16Threshold;
    bCOctTreeNode * m_pParent;
    bCOctTreeNode * m_arrChildren[8];
    bCOctTreeEntryBase * m_arrEntries[s_iSlotCount];
};

// The root is shared by the copies of a tree.
struct bSOctTreeRoot
{
    bCOctTreeNode * m_pNode;
    long m_iUseCount;
};

namespace
{
    char const * const g_pcModule = "math/3d/oe_octtree";
    int const g_iFatalLine = 953;
    // Doubling a float box more often than this reaches infinity anyway.
    int const g_iMaxGrowthSteps = 256;
    // Cell counts are only compared; this bound keeps their product exact.
    double const g_dMaxAxisCells = 1048576.0;
    unsigned int const g_arrLowerOctants[3] = {0x55, 0x33, 0x0F};
    unsigned int const g_arrUpperOctants[3] = {0xAA, 0xCC, 0xF0};

    // The order of the children that the box and point traversals take: set by
    // the last ordered plane traversal, as o XOR s.
    std::atomic<int> g_iChildOrder{0};

    unsigned int GetOctantMask(bCBox const & a_Box, bCVector const & a_vecCenter)
    {
        unsigned int uMask = 0xFF;
        for (int i = 0; i < 3; ++i)
        {
            if (a_vecCenter[i] > a_Box.GetMax()[i])
                uMask &= g_arrLowerOctants[i];
            if (a_Box.GetMin()[i] >= a_vecCenter[i])
                uMask &= g_arrUpperOctants[i];
        }
        return uMask;
    }

    // How many cells of (node size times factor) the box covers, per axis multiplied.
    uint64_t GetCellCount(bCBox const & a_Box, bCBox const & a_NodeBox, float a_fFactor)
    {
        uint64_t u64Count = 1;
        for (int i = 0; i < 3; ++i)
        {
            float const fCell = (a_NodeBox.GetMax()[i] - a_NodeBox.GetMin()[i]) * a_fFactor;
            double dCells = 1.0;
            if (fCell > 0.0f)
            {
                double const dFirst = std::floor((a_Box.GetMin()[i] - a_NodeBox.GetMin()[i]) / fCell);
                double const dLast = std::floor((a_Box.GetMax()[i] - a_NodeBox.GetMin()[i]) / fCell);
                dCells = dLast - dFirst + 1.0;
                if (!(dCells >= 1.0))
                    dCells = 1.0;
                if (dCells > g_dMaxAxisCells)
                    dCells = g_dMaxAxisCells;
            }
            u64Count *= static_cast<uint64_t>(dCells);
        }
        return u64Count;
    }

    bCBox GetOctantBox(bCBox const & a_Box, bCVector const & a_vecCenter, int a_iOctant)
    {
        bCVector vecMin = a_Box.GetMin();
        bCVector vecMax = a_Box.GetMax();
        for (int i = 0; i < 3; ++i)
        {
            if (a_iOctant & (1 << i))
                vecMin[i] = a_vecCenter[i];
            else
                vecMax[i] = a_vecCenter[i];
        }
        return bCBox(vecMin, vecMax);
    }
}

bCOctTreeNode * bCOctTreeNode::New(bCBox const & a_Box, bCOctTreeNode * a_pParent)
{
    void * pMemory = bCMemoryAdmin::GetInstance().Malloc(sizeof(bCOctTreeNode), "bCOctTreeNode", __FILE__, __LINE__);
    if (!pMemory)
        return nullptr;
    return new (pMemory) bCOctTreeNode(a_Box, a_pParent);
}

void bCOctTreeNode::Delete(bCOctTreeNode * a_pNode)
{
    a_pNode->~bCOctTreeNode();
    bCMemoryAdmin::GetInstance().Free(a_pNode);
}

bCOctTreeNode::bCOctTreeNode(bCBox const & a_Box, bCOctTreeNode * a_pParent)
    : m_Box(a_Box), m_u16Threshold(0), m_pParent(a_pParent), m_arrChildren(), m_arrEntries()
{
}

bCOctTreeNode::~bCOctTreeNode()
{
    for (bCOctTreeNode * pChild : m_arrChildren)
        if (pChild)
            Delete(pChild);
    if (m_arrEntries[0])
        bCErrorAdmin::GetInstance().CallFatalError("OctTree deleted, but had still entries!",
                                                   "bCOctTreeNode::~bCOctTreeNode()", g_pcModule, g_iFatalLine);
    if (m_pParent)
        for (bCOctTreeNode *& pSibling : m_pParent->m_arrChildren)
            if (pSibling == this)
                pSibling = nullptr;
}

bool bCOctTreeNode::Overlaps(bCBox const & a_Box) const
{
    for (int i = 0; i < 3; ++i)
        if (!(a_Box.GetMin()[i] <= m_Box.GetMax()[i] && m_Box.GetMin()[i] < a_Box.GetMax()[i]))
            return false;
    return true;
}

bCOctTreeNode * bCOctTreeNode::AccessChild(int a_iOctant)
{
    if (!m_arrChildren[a_iOctant])
        m_arrChildren[a_iOctant] = New(GetOctantBox(m_Box, GetCenter(), a_iOctant), this);
    return m_arrChildren[a_iOctant];
}

void bCOctTreeNode::Insert(bCOctTreeEntryBase * a_pEntry)
{
    uint64_t const u64Cells = GetCellCount(a_pEntry->GetBoundingBox(), m_Box, 0.25f);
    if (u64Cells > m_u16Threshold)
    {
        // Small entries go below while the diagonal children exist to take them.
        bool const bDiagonalChildren = m_arrChildren[0] && m_arrChildren[3] && m_arrChildren[5] && m_arrChildren[6];
        if (u64Cells <= 2 && bDiagonalChildren)
            return GoDown(a_pEntry);
        for (bCOctTreeEntryBase *& pSlot : m_arrEntries)
        {
            if (!pSlot)
            {
                pSlot = a_pEntry;
                return;
            }
        }
        if (m_u16Threshold == 0 && TryEvict(a_pEntry, u64Cells))
            return;
    }
    GoDown(a_pEntry);
}

// A full node makes room for a larger entry by sending down its stored entry
// that covers the fewest half-node cells, if that is not more than the new one's.
bool bCOctTreeNode::TryEvict(bCOctTreeEntryBase * a_pEntry, uint64_t a_u64Cells)
{
    int iVictim = -1;
    uint64_t u64Best = a_u64Cells + 1;
    for (int iSlot = s_iSlotCount - 1; iSlot >= 0; --iSlot)
    {
        uint64_t const u64Cells = GetCellCount(m_arrEntries[iSlot]->GetBoundingBox(), m_Box, 0.5f);
        if (u64Cells < u64Best)
        {
            u64Best = u64Cells;
            iVictim = iSlot;
        }
    }
    if (iVictim < 0)
        return false;
    bCOctTreeEntryBase * pEvicted = m_arrEntries[iVictim];
    m_arrEntries[iVictim] = a_pEntry;
    m_u16Threshold = static_cast<uint16_t>(a_u64Cells < 0xFFFF ? a_u64Cells : 0xFFFF);
    GoDown(pEvicted);
    return true;
}

void bCOctTreeNode::GoDown(bCOctTreeEntryBase * a_pEntry)
{
    unsigned int const uMask = GetOctantMask(a_pEntry->GetBoundingBox(), GetCenter());
    for (int iOctant = 7; iOctant >= 0; --iOctant)
    {
        if (!(uMask & (1u << iOctant)))
            continue;
        if (bCOctTreeNode * pChild = AccessChild(iOctant))
            pChild->Insert(a_pEntry);
    }
}

// Searches this node and every child that insertion could have reached: the
// children in the entry's octant mask, and any child whose closed box meets the
// entry's (an old root below a grown one may hold entries the mask misses).
void bCOctTreeNode::Remove(bCOctTreeEntryBase * a_pEntry)
{
    int iLast = -1;
    int iFound = -1;
    for (int iSlot = 0; iSlot < s_iSlotCount && m_arrEntries[iSlot]; ++iSlot)
    {
        iLast = iSlot;
        if (m_arrEntries[iSlot] == a_pEntry)
            iFound = iSlot;
    }
    if (iFound >= 0)
    {
        m_arrEntries[iFound] = m_arrEntries[iLast];
        m_arrEntries[iLast] = nullptr;
        m_u16Threshold = 0;
    }
    bCBox const & Box = a_pEntry->GetBoundingBox();
    unsigned int const uMask = GetOctantMask(Box, GetCenter());
    for (int iOctant = 0; iOctant < 8; ++iOctant)
    {
        bCOctTreeNode * pChild = m_arrChildren[iOctant];
        if (pChild && ((uMask & (1u << iOctant)) || pChild->m_Box.Intersects(Box)))
            pChild->Remove(a_pEntry);
    }
}

bool bCOctTreeNode::Prune()
{
    bool bEmpty = m_arrEntries[0] == nullptr;
    for (bCOctTreeNode * pChild : m_arrChildren)
    {
        if (!pChild)
            continue;
        if (pChild->Prune())
            Delete(pChild);
        else
            bEmpty = false;
    }
    return bEmpty;
}

namespace
{
    typedef void (*FOffer)(bCOctTreeEntryBase * a_pEntry, void * a_pContext);

    // The state of one traversal: the callbacks, the second node test (planes
    // or none) and, for the box and point forms, the query box.
    struct bSTraversal
    {
        FOffer m_funcOffer;
        void * m_pContext;
        bCOctTree::FCullingCallback m_funcCulling; // null: the default, which accepts everything
        bCPlane const * m_pPlanes;
        int m_iPlaneCount;
        bool m_bPlaneForm;
        bCBox m_Query;
        int m_iOrder;

        // The first test that rejects a box wins; a test that accepts the whole
        // box is dropped for what lies inside it.
        bool Passes(bCBox const & a_Box, bool & a_bCulling, bool & a_bPlanes) const
        {
            if (a_bCulling)
            {
                bCOctTree::bEOctTreeCull const enuResult = m_funcCulling(a_Box);
                if (enuResult == bCOctTree::bEOctTreeCull_Outside)
                    return false;
                if (enuResult == bCOctTree::bEOctTreeCull_Inside)
                    a_bCulling = false;
            }
            if (a_bPlanes)
            {
                bCOctTree::bEOctTreeCull const enuResult = bCOctTree::CullBox(a_Box, m_pPlanes, m_iPlaneCount);
                if (enuResult == bCOctTree::bEOctTreeCull_Outside)
                    return false;
                if (enuResult == bCOctTree::bEOctTreeCull_Inside)
                    a_bPlanes = false;
            }
            return true;
        }

        void OfferEntries(bCOctTreeNode const * a_pNode, bool a_bCulling, bool a_bPlanes) const
        {
            for (bCOctTreeEntryBase * pEntry : a_pNode->m_arrEntries)
            {
                if (!pEntry)
                    break;
                bCBox const & Box = pEntry->GetBoundingBox();
                bool bCulling = a_bCulling, bPlanes = a_bPlanes;
                if (!Passes(Box, bCulling, bPlanes))
                    continue;
                if (!m_bPlaneForm && !m_Query.Intersects(Box))
                    continue;
                m_funcOffer(pEntry, m_pContext);
            }
        }

        void Visit(bCOctTreeNode const * a_pNode, bool a_bCulling, bool a_bPlanes) const
        {
            if (!Passes(a_pNode->m_Box, a_bCulling, a_bPlanes))
                return;
            OfferEntries(a_pNode, a_bCulling, a_bPlanes);
            unsigned int const uMask = m_bPlaneForm ? 0xFFu : GetOctantMask(m_Query, a_pNode->GetCenter());
            for (int o = 0; o < 8; ++o)
            {
                int const iOctant = o ^ m_iOrder;
                bCOctTreeNode const * pChild = a_pNode->m_arrChildren[iOctant];
                if (pChild && (uMask & (1u << iOctant)))
                    Visit(pChild, a_bCulling, a_bPlanes);
            }
        }
    };

    void OfferToCallback(bCOctTreeEntryBase * a_pEntry, void * a_pContext)
    {
        (*static_cast<bCOctTree::FTraverseCallback const *>(a_pContext))(a_pEntry);
    }

    bool HasOwnCulling(bCOctTree::FCullingCallback a_funcCulling)
    {
        return a_funcCulling && a_funcCulling != &bCOctTree::DefaultCulling;
    }
}

bCOctTreeEntryBase::bCOctTreeEntryBase() : m_BoundingBox(), m_pOctTree(nullptr), m_pNextTouched(nullptr)
{
}

bCOctTreeEntryBase::bCOctTreeEntryBase(bCBox const & a_Box)
    : m_BoundingBox(a_Box), m_pOctTree(nullptr), m_pNextTouched(nullptr)
{
}

bCOctTreeEntryBase::bCOctTreeEntryBase(bCOctTreeEntryBase const & a_Source)
    : m_BoundingBox(a_Source.m_BoundingBox), m_pOctTree(nullptr), m_pNextTouched(nullptr)
{
}

bCOctTreeEntryBase & bCOctTreeEntryBase::operator=(bCOctTreeEntryBase const & a_Source)
{
    if (!m_pOctTree)
        m_BoundingBox = a_Source.m_BoundingBox;
    return *this;
}

void bCOctTreeEntryBase::SetBoundingBox(bCBox const & a_Box)
{
    if (!m_pOctTree)
        m_BoundingBox = a_Box;
}

bCOctTree::bCOctTree(bCBox const & a_RootBox)
    : m_pRoot(nullptr), m_funcTouch(nullptr), m_funcCulling(&bCOctTree::DefaultCulling)
{
    void * pMemory = bCMemoryAdmin::GetInstance().Malloc(sizeof(bSOctTreeRoot), "bCOctTree", __FILE__, __LINE__);
    m_pRoot = new (pMemory) bSOctTreeRoot{bCOctTreeNode::New(a_RootBox, nullptr), 1};
}

bCOctTree::bCOctTree(bCOctTree const & a_Source)
    : m_pRoot(a_Source.m_pRoot), m_funcTouch(a_Source.m_funcTouch), m_funcCulling(a_Source.m_funcCulling)
{
    ++m_pRoot->m_iUseCount;
}

bCOctTree & bCOctTree::operator=(bCOctTree const & a_Source)
{
    if (m_pRoot != a_Source.m_pRoot)
    {
        ++a_Source.m_pRoot->m_iUseCount;
        Release();
        m_pRoot = a_Source.m_pRoot;
    }
    m_funcTouch = a_Source.m_funcTouch;
    m_funcCulling = a_Source.m_funcCulling;
    return *this;
}

bCOctTree::~bCOctTree()
{
    Release();
}

void bCOctTree::Release()
{
    if (--m_pRoot->m_iUseCount > 0)
        return;
    bCOctTreeNode::Delete(m_pRoot->m_pNode);
    bCMemoryAdmin::GetInstance().Free(m_pRoot);
    m_pRoot = nullptr;
}

bCBox const & bCOctTree::GetRootBox() const
{
    return m_pRoot->m_pNode->m_Box;
}

bCOctTree::bEOctTreeCull bCOctTree::DefaultCulling(bCBox const &)
{
    return bEOctTreeCull_Inside;
}

bCOctTree::bEOctTreeCull bCOctTree::CullBox(bCBox const & a_Box, bCPlane const * a_pPlanes, int a_iCount)
{
    bCVector const vecCenter = a_Box.GetCenter();
    bCVector const vecExtent = a_Box.GetMagnitude();
    int iResult = bEOctTreeCull_Inside;
    for (int i = 0; i < a_iCount; ++i)
    {
        bCVector const & vecNormal = a_pPlanes[i].GetNormal();
        float const fDistance = a_pPlanes[i].ClassifyPoint(vecCenter);
        float const fRadius = 0.5f * (std::fabs(vecNormal[0] * vecExtent[0]) + std::fabs(vecNormal[1] * vecExtent[1]) +
                                      std::fabs(vecNormal[2] * vecExtent[2]));
        int const iPlane = fDistance - fRadius > 0.0f ? 3 : (fDistance + fRadius > 0.0f ? 1 : 0);
        iResult &= iPlane;
    }
    return static_cast<bEOctTreeCull>(iResult);
}

bCOctTree::FTouchCallback bCOctTree::SetTouchCallback(FTouchCallback a_funcCallback)
{
    FTouchCallback const funcPrevious = m_funcTouch;
    m_funcTouch = a_funcCallback;
    return funcPrevious;
}

bCOctTree::FCullingCallback bCOctTree::SetCullingCallback(FCullingCallback a_funcCallback)
{
    FCullingCallback const funcPrevious = m_funcCulling;
    m_funcCulling = a_funcCallback ? a_funcCallback : &bCOctTree::DefaultCulling;
    return funcPrevious;
}

void bCOctTree::ExpandBox(bool a_bNegativeX, bool a_bNegativeY, bool a_bNegativeZ)
{
    bCOctTreeNode * pOldRoot = m_pRoot->m_pNode;
    bool const arrNegative[3] = {a_bNegativeX, a_bNegativeY, a_bNegativeZ};
    bCVector vecMin = pOldRoot->m_Box.GetMin();
    bCVector vecMax = pOldRoot->m_Box.GetMax();
    int iOctant = 0;
    for (int i = 0; i < 3; ++i)
    {
        float fSize = vecMax[i] - vecMin[i];
        if (!(fSize > 0.0f))
            fSize = 1.0f; // a flat root could never grow on this axis
        if (arrNegative[i])
        {
            vecMin[i] -= fSize;
            iOctant |= 1 << i; // the old root is the upper half
        }
        else
            vecMax[i] += fSize;
    }
    bCOctTreeNode * pNewRoot = bCOctTreeNode::New(bCBox(vecMin, vecMax), nullptr);
    if (!pNewRoot)
        return;
    pNewRoot->m_arrChildren[iOctant] = pOldRoot;
    pOldRoot->m_pParent = pNewRoot;
    m_pRoot->m_pNode = pNewRoot;
}

void bCOctTree::IncludeBox(bCBox const & a_Box)
{
    for (int iStep = 0; iStep < g_iMaxGrowthSteps; ++iStep)
    {
        bCBox const & RootBox = GetRootBox();
        if (RootBox.Contains(a_Box))
            return;
        ExpandBox(a_Box.GetMin()[0] < RootBox.GetMin()[0], a_Box.GetMin()[1] < RootBox.GetMin()[1],
                  a_Box.GetMin()[2] < RootBox.GetMin()[2]);
    }
}

namespace
{
    struct bSTouchReport
    {
        bCOctTree::FTouchCallback m_funcTouch;
        bCOctTreeEntryBase * m_pEntry; // also ends the chain of reported entries
        bCOctTreeEntryBase * m_pChain;
        bool m_bAdded;
    };
}

// Reports each entry that the entry's box reaches once; reported entries are
// chained through their link, which is cleared again at the end.
void bCOctTree::ReportTouches(bCOctTreeEntryBase * a_pEntry, bool a_bAdded) const
{
    if (!m_funcTouch)
        return;
    bSTouchReport Report{m_funcTouch, a_pEntry, a_pEntry, a_bAdded};
    auto funcOffer = [](bCOctTreeEntryBase * a_pOther, void * a_pContext) {
        bSTouchReport & State = *static_cast<bSTouchReport *>(a_pContext);
        if (a_pOther == State.m_pEntry || a_pOther->m_pNextTouched)
            return;
        State.m_funcTouch(a_pOther, State.m_pEntry, State.m_bAdded);
        a_pOther->m_pNextTouched = State.m_pChain;
        State.m_pChain = a_pOther;
    };
    bCBox const & Box = a_pEntry->GetBoundingBox();
    if (m_pRoot->m_pNode->Overlaps(Box))
    {
        bSTraversal Traversal{funcOffer, &Report, nullptr, nullptr, 0, false, Box, g_iChildOrder.load()};
        Traversal.Visit(m_pRoot->m_pNode, false, false);
    }
    while (Report.m_pChain != a_pEntry)
    {
        bCOctTreeEntryBase * pNext = Report.m_pChain->m_pNextTouched;
        Report.m_pChain->m_pNextTouched = nullptr;
        Report.m_pChain = pNext;
    }
}

bool bCOctTree::AddEntry(bCOctTreeEntryBase * a_pEntry)
{
    if (!a_pEntry || a_pEntry->m_pOctTree)
        return false;
    IncludeBox(a_pEntry->GetBoundingBox());
    a_pEntry->m_pOctTree = this;
    ReportTouches(a_pEntry, true);
    bCOctTreeNode * pRoot = m_pRoot->m_pNode;
    if (pRoot->Overlaps(a_pEntry->GetBoundingBox()))
        pRoot->Insert(a_pEntry);
    return true;
}

bool bCOctTree::RemoveEntry(bCOctTreeEntryBase * a_pEntry)
{
    if (!a_pEntry || !a_pEntry->m_pOctTree)
        return false;
    a_pEntry->m_pOctTree = nullptr;
    ReportTouches(a_pEntry, false);
    m_pRoot->m_pNode->Remove(a_pEntry);
    return true;
}

// Taken out under its old box and filed again under the new one; the touch
// callback hears about the entries at the new place.
bool bCOctTree::MoveEntry(bCOctTreeEntryBase * a_pEntry, bCBox const & a_NewBox)
{
    if (!a_pEntry || !a_pEntry->m_pOctTree)
        return false;
    IncludeBox(a_NewBox);
    bCOctTreeNode * pRoot = m_pRoot->m_pNode;
    pRoot->Remove(a_pEntry);
    a_pEntry->m_BoundingBox = a_NewBox;
    ReportTouches(a_pEntry, true);
    if (pRoot->Overlaps(a_NewBox))
        pRoot->Insert(a_pEntry);
    return true;
}

void bCOctTree::Traverse(FTraverseCallback a_funcCallback, bCBox const & a_Box) const
{
    bCOctTreeNode const * pRoot = m_pRoot->m_pNode;
    if (!a_funcCallback || !pRoot->Overlaps(a_Box))
        return;
    bSTraversal Traversal{&OfferToCallback, const_cast<FTraverseCallback *>(&a_funcCallback), m_funcCulling, nullptr, 0, false,
                          a_Box, g_iChildOrder.load()};
    Traversal.Visit(pRoot, HasOwnCulling(m_funcCulling), false);
}

void bCOctTree::Traverse(FTraverseCallback a_funcCallback, bCVector const & a_vecPoint) const
{
    Traverse(a_funcCallback, bCBox(a_vecPoint, a_vecPoint));
}

void bCOctTree::Traverse(FTraverseCallback a_funcCallback, bCPlane const * a_pPlanes, int a_iCount) const
{
    if (!a_funcCallback)
        return;
    bSTraversal Traversal{&OfferToCallback, const_cast<FTraverseCallback *>(&a_funcCallback), m_funcCulling, a_pPlanes, a_iCount,
                          true, bCBox(), g_iChildOrder.load()};
    Traversal.Visit(m_pRoot->m_pNode, HasOwnCulling(m_funcCulling), a_iCount > 0);
}

void bCOctTree::Traverse(FTraverseCallback a_funcCallback, bCPlane const * a_pPlanes, int a_iCount,
                         bCPlane const & a_OrderPlane) const
{
    bCVector const & vecNormal = a_OrderPlane.GetNormal();
    g_iChildOrder.store((vecNormal[0] < 0.0f ? 1 : 0) + (vecNormal[1] < 0.0f ? 2 : 0) + (vecNormal[2] < 0.0f ? 4 : 0));
    Traverse(a_funcCallback, a_pPlanes, a_iCount);
}

void bCOctTree::CleanUp()
{
    m_pRoot->m_pNode->Prune();
}
