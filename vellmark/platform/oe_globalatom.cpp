#include <vellmark/platform/oe_globalatom.h>

#include <cstring>
#include <map>
#include <mutex>
#include <string>

namespace
{
    constexpr unsigned int kFirstAtom = 0xC000;
    constexpr unsigned int kLastAtom = 0xFFFF;

    struct bSAtomEntry
    {
        std::string m_strName;
        unsigned long m_uUses;
    };

    struct bSAtomTable
    {
        std::mutex m_Lock;
        std::map<ATOM, bSAtomEntry> m_mapAtoms;
    };

    bSAtomTable & Table()
    {
        static bSAtomTable s_Table;
        return s_Table;
    }

    ATOM FreeAtom(bSAtomTable & a_Table)
    {
        for (unsigned int u = kFirstAtom; u <= kLastAtom; ++u)
            if (!a_Table.m_mapAtoms.count(static_cast<ATOM>(u)))
                return static_cast<ATOM>(u);
        return 0;
    }
} // namespace

ATOM OEGlobalAddAtom(char const * a_pcName)
{
    if (!a_pcName || !*a_pcName)
        return 0;
    bSAtomTable & T = Table();
    std::lock_guard<std::mutex> Guard(T.m_Lock);
    for (auto & [Atom, Entry] : T.m_mapAtoms)
        if (Entry.m_strName == a_pcName)
        {
            ++Entry.m_uUses;
            return Atom;
        }
    ATOM const Atom = FreeAtom(T);
    if (Atom)
        T.m_mapAtoms[Atom] = bSAtomEntry{a_pcName, 1};
    return Atom;
}

ATOM OEGlobalDeleteAtom(ATOM a_Atom)
{
    bSAtomTable & T = Table();
    std::lock_guard<std::mutex> Guard(T.m_Lock);
    auto It = T.m_mapAtoms.find(a_Atom);
    if (It == T.m_mapAtoms.end())
        return a_Atom;
    if (--It->second.m_uUses == 0)
        T.m_mapAtoms.erase(It);
    return 0;
}

unsigned int OEGlobalGetAtomName(ATOM a_Atom, char * a_pcBuffer, int a_iSize)
{
    if (!a_pcBuffer || a_iSize <= 0)
        return 0;
    bSAtomTable & T = Table();
    std::lock_guard<std::mutex> Guard(T.m_Lock);
    auto It = T.m_mapAtoms.find(a_Atom);
    if (It == T.m_mapAtoms.end())
    {
        a_pcBuffer[0] = 0;
        return 0;
    }
    std::size_t const uLength = std::min(It->second.m_strName.size(), static_cast<std::size_t>(a_iSize - 1));
    std::memcpy(a_pcBuffer, It->second.m_strName.data(), uLength);
    a_pcBuffer[uLength] = 0;
    return static_cast<unsigned int>(uLength);
}
