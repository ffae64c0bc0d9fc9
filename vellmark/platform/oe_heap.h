#ifndef OE_HEAP_H_INCLUDED
#define OE_HEAP_H_INCLUDED

// The heap library beneath the memory pool, by the nine roles the pool calls.
//
// Blocks come from mimalloc, or from the C runtime when the library is built
// with the system allocator. Blocks of OE_HEAP_LARGE_BLOCK bytes and more are
// mapped pages of their own: resizing such a block remaps it, so that a buffer
// grown a kilobyte at a time never copies (the address may move).
//
// The pool roles are bookkeeping: there is one heap per process, a pool handle
// only names it. Every block is 16-byte aligned.
//
// For tests: OEHeapInjectFailure makes allocations fail on purpose, to walk
// the out-of-memory paths of every layer above.

#include <vellmark/platform/oe_export.h>

#include <atomic>
#include <cstddef>

// Exported, yet bound inside the library: the library's own calls of these hot
// functions go straight to them instead of through the symbol table.
#ifndef OE_BOUND_LOCALLY
#if defined(OE_BUILDING_VELLMARK)
#define OE_BOUND_LOCALLY __attribute__((visibility("protected")))
#else
#define OE_BOUND_LOCALLY OE_API
#endif
#endif

inline constexpr std::size_t OE_HEAP_LARGE_BLOCK = std::size_t(1) << 20;

// The heap's direct road, for the memory administration's inline requests:
// a size below m_uDirectBelow (never below 16: smaller requests ask for 16,
// so that the block is aligned) may go straight to m_funcAllocate, and while
// m_uSpecialBlocks is 0 any block may go straight to m_funcFree. Everything
// else takes the roles below. m_uDirectBelow is 0 while failures are injected;
// m_uSpecialBlocks counts the live mapped large blocks and the pool's big block
// while it is in use.
struct bSHeapDirect
{
    void * (*m_funcAllocate)(std::size_t);
    void (*m_funcFree)(void *);
    std::atomic<std::size_t> m_uDirectBelow;
    std::atomic<std::size_t> m_uSpecialBlocks;
};
extern OE_API bSHeapDirect g_OEHeapDirect;
inline constexpr std::size_t OE_HEAP_MIN_REQUEST = 16;

// A request on the direct road; the caller has checked m_uDirectBelow.
inline void * OEHeapAllocateDirect(std::size_t a_uSize)
{
    return g_OEHeapDirect.m_funcAllocate(a_uSize < OE_HEAP_MIN_REQUEST ? OE_HEAP_MIN_REQUEST : a_uSize);
}

OE_API void OEHeapRegister();                                               // role 4
OE_API void * OEHeapCreatePool(unsigned long a_uFlags);                     // role 10
OE_API void OEHeapSetSmallBlockSize(void * a_pPool, unsigned long a_uSize); // role 23
OE_BOUND_LOCALLY void * OEHeapAllocate(void * a_pPool, std::size_t a_uSize,
                                       unsigned long a_uFlags); // role 70; null when out of memory
OE_BOUND_LOCALLY void OEHeapFree(void * a_pBlock);              // role 72; null does nothing
OE_BOUND_LOCALLY void * OEHeapResize(void * a_pBlock, std::size_t a_uSize,
                                     unsigned long a_uFlags);   // role 74; null when it cannot
OE_BOUND_LOCALLY std::size_t OEHeapSize(void const * a_pBlock); // role 77; usable bytes
OE_API void OEHeapDestroyPool(void * a_pPool);                  // role 15
OE_API void OEHeapUnregister();                                 // role 6

// The process heap and its low-fragmentation switch: nothing to do here, the
// heap beneath is built for that already.
OE_API void * OEHeapGetProcessHeap();
OE_API bool OEHeapSetCompatibility(void * a_pHeap, unsigned long a_uMode);

// Allocation number a_uNth from now (1 = the next) and the a_uCount - 1 after it
// fail. Every allocate and every resize counts as one allocation.
// OEHeapInjectFailure(0, 0) turns injection off.
OE_API void OEHeapInjectFailure(unsigned long a_uNth, unsigned long a_uCount = ~0ul);
OE_API void OEHeapStopFailures();

#endif
