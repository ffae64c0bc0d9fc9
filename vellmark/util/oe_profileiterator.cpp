#include <vellmark/util/oe_profileiterator.h>

#include <vellmark/kernel/oe_basemem.h>

void * bCProfileIterator::operator new(std::size_t a_uSize) noexcept
{
    return OE_New(static_cast<unsigned long>(a_uSize), "bCProfileIterator", "bCProfileIterator",
                  "util/oe_profileiterator", 0);
}

void bCProfileIterator::operator delete(void * a_pPtr) noexcept
{
    bCMemoryAdmin::GetInstance().DeleteObject(a_pPtr);
}

bCProfileIterator::bCProfileIterator(bCProfileNode * a_pStart)
    : m_pCurrentParent(a_pStart), m_pCurrentChild(a_pStart->GetChild())
{
}

bCProfileIterator & bCProfileIterator::operator=(bCProfileIterator const & a_Source)
{
    m_pCurrentParent = a_Source.m_pCurrentParent;
    m_pCurrentChild = a_Source.m_pCurrentChild;
    return *this;
}

void bCProfileIterator::First()
{
    m_pCurrentChild = m_pCurrentParent->GetChild();
}

void bCProfileIterator::Next()
{
    m_pCurrentChild = m_pCurrentChild->GetSibling();
}

bool bCProfileIterator::IsDone() const
{
    return m_pCurrentChild == nullptr;
}

void bCProfileIterator::EnterChild(int a_iIndex)
{
    m_pCurrentChild = m_pCurrentParent->GetChild();
    for (; m_pCurrentChild && a_iIndex > 0; --a_iIndex)
        m_pCurrentChild = m_pCurrentChild->GetSibling();
    if (!m_pCurrentChild)
        return;
    m_pCurrentParent = m_pCurrentChild;
    m_pCurrentChild = m_pCurrentParent->GetChild();
}

void bCProfileIterator::EnterParent()
{
    if (m_pCurrentParent->GetParent())
        m_pCurrentParent = m_pCurrentParent->GetParent();
    m_pCurrentChild = m_pCurrentParent->GetChild();
}

bCString const & bCProfileIterator::GetCurrentName() const
{
    return m_pCurrentChild->GetName();
}

int bCProfileIterator::GetCurrentTotalCalls() const
{
    return m_pCurrentChild->GetTotalCalls();
}

float bCProfileIterator::GetCurrentTotalTime() const
{
    return m_pCurrentChild->GetTotalTime();
}

bCString const & bCProfileIterator::GetCurrentParentName() const
{
    return m_pCurrentParent->GetName();
}

int bCProfileIterator::GetCurrentParentTotalCalls() const
{
    return m_pCurrentParent->GetTotalCalls();
}

float bCProfileIterator::GetCurrentParentTotalTime() const
{
    return m_pCurrentParent->GetTotalTime();
}
