#ifndef OE_POSTREAM_H_INCLUDED
#define OE_POSTREAM_H_INCLUDED

// bCPOStream: a memory stream whose strings are 16-bit indices into one
// string table shared by every bCPOStream of the process while a main
// stream lives (the first one constructed while none exists).
//
// File form (WriteFile): unsigned 16-bit file version 1; unsigned 8-bit
// table version 1; unsigned 32-bit string count S; S strings in plain form;
// unsigned 32-bit body size B; the B body bytes.
// - Legacy mode (process-wide, true at start and whenever no main stream
//   lives) and a stream's forced legacy mode write strings in plain form.
//   DisableLegacyMode before writing, a successful ReadFile before reading.
// - Index 0xFFFF is "nothing read", so a table holds at most 65,535 strings;
//   a file that needs more is a fatal error, never written corrupt.
// - ReadFile takes nothing over (table, mode, body) unless the whole file
//   was there, and never allocates more than the input holds.
// - Only one thread at a time may write or read property-object files.

#include <vellmark/containers/oe_array.h>
#include <vellmark/containers/oe_map.h>
#include <vellmark/kernel/oe_memorystream.h>

class OE_API bCPOStream : public bCMemoryStream
{
public:
    using bCStringList = bTObjArray<bCString>;
    using bCStringMap = bTStringValMap<long>;

public:
    bCPOStream();
    ~bCPOStream() override;
    bCPOStream(bCPOStream const &) = delete;
    bCPOStream & operator=(bCPOStream const &) = delete;

public:
    OE_STREAM_USING_BASES(bCMemoryStream);
    unsigned long Write(bCString const & a_strValue) override; // an index (2), or the plain form
    unsigned long Read(bCString & a_strValue) override;        // 4 for an index read, 0 when out of range

    void Create();
    void Destroy();
    bool WriteFile(bCOStream & a_Out); // false unless main
    bool ReadFile(bCIStream & a_In);   // false unless main, or for a damaged file

    static bool IsInLegacyMode();
    static void DisableLegacyMode();
    bool IsForcedLegacyMode() const { return m_bForcedLegacy; }
    void ForceLegacyMode() { m_bForcedLegacy = true; }
    bool IsMain() const { return m_bMain; }
    void FakeMainPOStream(bool a_bMain) { m_bMain = a_bMain; }
    static void GetStringList(bCStringList *& a_pList, bCStringMap *& a_pMap);
    static void SetStringList(bCStringList * a_pList, bCStringMap * a_pMap);
    void ClearStringHeaderMap();

protected:
    void Invalidate() { m_bForcedLegacy = false; }

private:
    bool IsPlain() const;

private:
    bool m_bMain;
    bool m_bForcedLegacy;
};

#endif
