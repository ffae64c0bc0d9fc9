#ifndef OE_PROFILEITERATOR_H_INCLUDED
#define OE_PROFILEITERATOR_H_INCLUDED

// Walks the profile tree for display: a parent node and the child it is on
// (null when the walk along the parent's children is done).

#include <vellmark/util/oe_profilenode.h>

class OE_API bCProfileIterator
{
public:
    static void * operator new(std::size_t a_uSize) noexcept;
    static void operator delete(void * a_pPtr) noexcept;

public:
    bCProfileIterator(bCProfileNode * a_pStart); // on the first child of a_pStart
    bCProfileIterator & operator=(bCProfileIterator const & a_Source);

public:
    void First();
    void Next();
    bool IsDone() const;
    void EnterChild(int a_iIndex); // an index past the last child leaves the parent and ends the walk
    void EnterParent();            // the root stays the root

    bCString const & GetCurrentName() const;
    int GetCurrentTotalCalls() const;
    float GetCurrentTotalTime() const;
    bCString const & GetCurrentParentName() const;
    int GetCurrentParentTotalCalls() const;
    float GetCurrentParentTotalTime() const;

private:
    bCProfileNode * m_pCurrentParent;
    bCProfileNode * m_pCurrentChild;
};

#endif
