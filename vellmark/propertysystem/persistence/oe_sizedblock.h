#ifndef OE_SIZEDBLOCK_H_INCLUDED
#define OE_SIZEDBLOCK_H_INCLUDED

// Nested blocks of the property-object form: an unsigned 32-bit byte count,
// then the bytes, so that a reader can skip what it does not understand.
//
// - g_WriteSizedBlock writes the count and the block. On a seekable stream
//   (memory and property-object streams included) it writes a placeholder
//   and patches it; other streams get the block through a temporary memory
//   stream. The bytes are the same either way.
// - g_SkipBytes drops (or keeps) a_uSize bytes, reading in pieces so that no
//   buffer grows beyond what the input actually holds.
// - g_IsStreamExhausted: true when a memory or seekable stream has no byte
//   left, so that a count read from a damaged file stops at the end of the
//   input. Readers of plain input streams also stop at a read that comes back
//   empty.

#include <vellmark/kernel/oe_types.h>

class bCIStream;
class bCOStream;
class bCMemoryStream;

typedef void (*bFWriteBlock)(bCOStream & a_Stream, void const * a_pContext);

OE_API void g_WriteSizedBlock(bCOStream & a_Stream, bFWriteBlock a_funcWrite, void const * a_pContext);
OE_API unsigned long g_SkipBytes(bCIStream & a_Stream, unsigned long a_uSize, bCMemoryStream * a_pKeep = nullptr);
OE_API bool g_IsStreamExhausted(bCIStream & a_Stream);

template <typename F> void g_WriteSizedBlock(bCOStream & a_Stream, F const & a_Write)
{
    g_WriteSizedBlock(
        a_Stream, [](bCOStream & a_Target, void const * a_pContext) { (*static_cast<F const *>(a_pContext))(a_Target); },
        &a_Write);
}

#endif
