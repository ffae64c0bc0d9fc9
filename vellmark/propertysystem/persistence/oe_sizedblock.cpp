#include <vellmark/propertysystem/persistence/oe_sizedblock.h>

#include <vellmark/kernel/oe_memorystream.h>
#include <vellmark/kernel/oe_stream.h>


namespace
{
    constexpr unsigned long kSkipPiece = 4096;

    bool CanPatch(bCIOStream & a_Stream)
    {
        return a_Stream.Seek(a_Stream.GetPosition(), bEStreamSeekMode_Begin);
    }
} // namespace

void g_WriteSizedBlock(bCOStream & a_Stream, bFWriteBlock a_funcWrite, void const * a_pContext)
{
    bCIOStream * pSeekable = dynamic_cast<bCIOStream *>(&a_Stream);
    if (pSeekable && CanPatch(*pSeekable))
    {
        long long const i64SizeAt = pSeekable->GetPosition();
        a_Stream.Write(static_cast<unsigned long>(0));
        long long const i64Start = pSeekable->GetPosition();
        a_funcWrite(a_Stream, a_pContext);
        long long const i64End = pSeekable->GetPosition();
        pSeekable->Seek(i64SizeAt, bEStreamSeekMode_Begin);
        a_Stream.Write(static_cast<unsigned long>(static_cast<uint32_t>(i64End - i64Start)));
        pSeekable->Seek(i64End, bEStreamSeekMode_Begin);
        return;
    }
    bCMemoryStream Block;
    a_funcWrite(Block, a_pContext);
    unsigned long const uSize = static_cast<unsigned long>(Block.GetSize());
    a_Stream.Write(uSize);
    Block.SetPosition(0, bEStreamSeekMode_Begin);
    if (uSize)
        a_Stream.Write(Block.GetBuffer(uSize), uSize);
}

unsigned long g_SkipBytes(bCIStream & a_Stream, unsigned long a_uSize, bCMemoryStream * a_pKeep)
{
    uint32_t const u32Size = static_cast<uint32_t>(a_uSize);
    if (bCMemoryStream * pMemory = dynamic_cast<bCMemoryStream *>(&a_Stream))
    {
        long long const i64Left = pMemory->GetSize() - pMemory->GetPosition();
        unsigned long const uTake = static_cast<unsigned long>(u32Size < i64Left ? u32Size : i64Left);
        if (a_pKeep && uTake)
            a_pKeep->Write(pMemory->GetBuffer(uTake), uTake); // GetBuffer moves the position
        else
            pMemory->Seek(pMemory->GetPosition() + static_cast<long long>(uTake), bEStreamSeekMode_Begin);
        return uTake;
    }
    char arrPiece[kSkipPiece];
    unsigned long uDone = 0;
    while (uDone < u32Size)
    {
        unsigned long const uWant = u32Size - uDone < kSkipPiece ? u32Size - uDone : kSkipPiece;
        unsigned long const uGot = a_Stream.Read(arrPiece, uWant);
        if (a_pKeep && uGot)
            a_pKeep->Write(arrPiece, uGot);
        uDone += uGot;
        if (uGot < uWant)
            break;
    }
    return uDone;
}

bool g_IsStreamExhausted(bCIStream & a_Stream)
{
    if (bCMemoryStream * pMemory = dynamic_cast<bCMemoryStream *>(&a_Stream))
        return pMemory->GetPosition() >= pMemory->GetSize();
    bCIOStream * pSeekable = dynamic_cast<bCIOStream *>(&a_Stream);
    if (!pSeekable)
        return false; // a plain input stream tells its end only by reads that come back short
    long long const i64Position = pSeekable->GetPosition();
    if (!pSeekable->Seek(0, bEStreamSeekMode_End))
        return false;
    long long const i64End = pSeekable->GetPosition();
    pSeekable->Seek(i64Position, bEStreamSeekMode_Begin);
    return i64Position >= i64End;
}
