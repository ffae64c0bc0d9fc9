#ifndef OE_OCTTREE_H_INCLUDED
#define OE_OCTTREE_H_INCLUDED

// bCOctTree: a dynamic oct tree over axis-aligned boxes that files caller-owned
// entries (objects derived from bCOctTreeEntryBase) and answers traversals by
// box, point and plane list.
//
// - Nodes have eight children, indexed by octant o = x + 2y + 4z (bit set for
//   the upper half along that axis), and ten entry slots filled from slot 0.
// - An entry is stored in the node where its size suits the node (measured in
//   cells of a quarter of the node per axis); entries that straddle a node's
//   centre go down into every child they overlap, so one entry may sit in
//   several nodes and a traversal may offer it more than once.
// - The root grows (doubling) until it contains every entry that is added or moved.
// - The tree never owns entries. Destroying a tree whose nodes still hold
//   entries is a fatal error; remove every entry first.
// - Copies of a tree share its root, which the last copy destroyed deletes.
// - Not synchronised: one thread at a time. Traversal state lives per call.

#include <vellmark/math/3d/oe_box.h>

class bCOctTree;
class bCOctTreeNode;
class bCPlane;
struct bSOctTreeRoot;

class OE_API bCOctTreeEntryBase
{
public:
    bCOctTreeEntryBase(); // the invalid box, in no tree
    explicit bCOctTreeEntryBase(bCBox const & a_Box);
    bCOctTreeEntryBase(bCOctTreeEntryBase const & a_Source); // copies the box only
    bCOctTreeEntryBase & operator=(bCOctTreeEntryBase const & a_Source);
    ~bCOctTreeEntryBase() = default;

public:
    bCBox const & GetBoundingBox() const { return m_BoundingBox; }
    void SetBoundingBox(bCBox const & a_Box); // outside a tree only; a filed entry moves through MoveEntry
    bCOctTree * GetOctTree() const { return m_pOctTree; }
    bool IsInOctTree() const { return m_pOctTree != nullptr; }

private:
    friend class bCOctTree;

    bCBox m_BoundingBox;
    bCOctTree * m_pOctTree;            // the tree the entry is filed in
    bCOctTreeEntryBase * m_pNextTouched; // chains the entries already reported during a traversal
};

class OE_API bCOctTree
{
public:
    enum bEOctTreeCull : int // 32-bit
    {
        bEOctTreeCull_Outside = 0,   // rejected
        bEOctTreeCull_Intersect = 1, // partly inside: keep asking below
        bEOctTreeCull_Inside = 3     // wholly inside: everything below is accepted
    };
    typedef void (*FTouchCallback)(bCOctTreeEntryBase * a_pExisting, bCOctTreeEntryBase * a_pOther, bool a_bAdded);
    typedef bEOctTreeCull (*FCullingCallback)(bCBox const & a_Box);
    typedef void (*FTraverseCallback)(bCOctTreeEntryBase * a_pEntry);

public:
    explicit bCOctTree(bCBox const & a_RootBox);
    bCOctTree(bCOctTree const & a_Source); // shares the root
    bCOctTree & operator=(bCOctTree const & a_Source);
    ~bCOctTree();

public:
    bool AddEntry(bCOctTreeEntryBase * a_pEntry); // false for null or an entry already in a tree
    bool RemoveEntry(bCOctTreeEntryBase * a_pEntry); // false for an entry in no tree
    bool MoveEntry(bCOctTreeEntryBase * a_pEntry, bCBox const & a_NewBox);
    void IncludeBox(bCBox const & a_Box); // grows the root until it contains the box

    void Traverse(FTraverseCallback a_funcCallback, bCBox const & a_Box) const;
    void Traverse(FTraverseCallback a_funcCallback, bCVector const & a_vecPoint) const;
    void Traverse(FTraverseCallback a_funcCallback, bCPlane const * a_pPlanes, int a_iCount) const;
    // Children are visited from the one lowest along the plane's normal to the highest.
    void Traverse(FTraverseCallback a_funcCallback, bCPlane const * a_pPlanes, int a_iCount,
                  bCPlane const & a_OrderPlane) const;

    FTouchCallback SetTouchCallback(FTouchCallback a_funcCallback);       // returns the previous one
    FCullingCallback SetCullingCallback(FCullingCallback a_funcCallback); // null restores the default
    FTouchCallback GetTouchCallback() const { return m_funcTouch; }
    FCullingCallback GetCullingCallback() const { return m_funcCulling; }
    bCBox const & GetRootBox() const;

    void CleanUp(); // deletes every subtree that holds no entries
    void Check() const {}

    static bEOctTreeCull DefaultCulling(bCBox const & a_Box); // always inside
    // A box against planes whose inside is normal . p + distance > 0; no planes: inside.
    static bEOctTreeCull CullBox(bCBox const & a_Box, bCPlane const * a_pPlanes, int a_iCount);

private:
    void ExpandBox(bool a_bNegativeX, bool a_bNegativeY, bool a_bNegativeZ); // one growth step
    void ReportTouches(bCOctTreeEntryBase * a_pEntry, bool a_bAdded) const;
    void Release();

private:
    bSOctTreeRoot * m_pRoot;
    FTouchCallback m_funcTouch;
    FCullingCallback m_funcCulling;
};

#endif
