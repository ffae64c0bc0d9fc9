#include <vellmark/propertysystem/persistence/oe_classlayout.h>

#include <vellmark/kernel/oe_memorystream.h>
#include <vellmark/kernel/oe_stream.h>
#include <vellmark/propertysystem/factories/oe_propertyobjectsingleton.h>
#include <vellmark/propertysystem/persistence/oe_sizedblock.h>
#include <vellmark/propertysystem/types/oe_propertyobjecttypebase.h>

namespace
{
    constexpr unsigned short kLayoutVersion = 1;
    constexpr unsigned short kClassVersion = 1;
    constexpr unsigned char kArrayVersion = 1;

    template <typename LAYOUT> uint32_t CountBound(bTObjArray<LAYOUT> const & a_arrLayouts)
    {
        uint32_t u32Count = 0;
        for (LAYOUT const & Layout : a_arrLayouts)
            u32Count += Layout.IsValid() ? 1 : 0;
        return u32Count;
    }

    // Passes the reads of a stream other than a memory stream through and
    // counts the bytes, noting a read that came back short: the only sign of
    // the end that a pipe, a socket or a stream that cannot seek gives. (A
    // memory stream tells its end; the string hook of a property-object stream
    // answers 0 for a bad index, which is no end.)
    class bCReadWatch : public bCIStream
    {
    public:
        explicit bCReadWatch(bCIStream & a_Stream) : m_Stream(a_Stream) {}
        using bCIStream::Read;
        unsigned long Read(bCString & a_strValue) override
        {
            return Note(m_Stream.Read(a_strValue), 1); // even an empty text brings its count
        }
        unsigned long Read(void * a_pBuffer, unsigned long a_uSize) override
        {
            return Note(m_Stream.Read(a_pBuffer, a_uSize), a_uSize);
        }
        bool EndSeen() const { return m_bEndSeen; }
        unsigned long long GetBytesRead() const { return m_u64BytesRead; }

    private:
        unsigned long Note(unsigned long a_uGot, unsigned long a_uWanted)
        {
            m_bEndSeen |= a_uGot < a_uWanted;
            m_u64BytesRead += a_uGot;
            return a_uGot;
        }

        bCIStream & m_Stream;
        bool m_bEndSeen = false;
        unsigned long long m_u64BytesRead = 0;
    };

    // Reads the count and the layouts; a count stops at the end of the input,
    // also of one that cannot tell its end before a read comes back short.
    // A layout of which not a byte was left is not added.
    template <typename LAYOUT> void ReadLayouts(bCIStream & a_Stream, bTObjArray<LAYOUT> & a_arrLayouts)
    {
        unsigned char uArrayVersion = 0;
        unsigned long uCount = 0;
        a_Stream.Read(uArrayVersion);
        if (a_Stream.Read(uCount) != 4)
            return;
        bCReadWatch Watch(a_Stream);
        bool const bPlain = dynamic_cast<bCMemoryStream *>(&a_Stream) == nullptr;
        bCIStream & Input = bPlain ? static_cast<bCIStream &>(Watch) : a_Stream;
        for (uint32_t u = 0; u < static_cast<uint32_t>(uCount) && !g_IsStreamExhausted(a_Stream) && !Watch.EndSeen();
             ++u)
        {
            int const iIndex = a_arrLayouts.AddNew();
            if (iIndex < 0)
                return;
            unsigned long long const u64Before = Watch.GetBytesRead();
            a_arrLayouts[iIndex].Read(Input);
            if (bPlain && Watch.GetBytesRead() == u64Before)
                a_arrLayouts.RemoveAt(iIndex);
        }
    }
} // namespace

bCClassLayout::bCClassLayout() : m_uClassVersion(kClassVersion), m_pClassType(nullptr) {}

bCClassLayout::bCClassLayout(bCClassLayout const & a_Source) : bCClassLayout()
{
    CopyFrom(a_Source);
}

bCClassLayout & bCClassLayout::operator=(bCClassLayout const & a_Source)
{
    CopyFrom(a_Source);
    return *this;
}

bCClassLayout::~bCClassLayout() {}

void bCClassLayout::Destroy()
{
    m_uClassVersion = kClassVersion;
    m_strClassName.Clear();
    m_arrPropertyLayouts.Destroy();
    m_pClassType = nullptr;
}

void bCClassLayout::Create()
{
    Destroy();
}

void bCClassLayout::CopyFrom(bCClassLayout const & a_Source)
{
    if (&a_Source == this)
        return;
    m_uClassVersion = a_Source.m_uClassVersion;
    m_strClassName = a_Source.m_strClassName;
    m_arrPropertyLayouts.CopyFrom(a_Source.m_arrPropertyLayouts);
    m_pClassType = a_Source.m_pClassType;
}

void bCClassLayout::AssignPropertyObjectType(bCPropertyObjectTypeBase const * a_pType)
{
    Create();
    if (!a_pType)
        return;
    m_pClassType = a_pType;
    m_strClassName = a_pType->GetClassName();
    m_uClassVersion = kClassVersion;
    FillLayout();
}

void bCClassLayout::FillLayout()
{
    if (!m_pClassType)
        return;
    m_arrPropertyLayouts.Clear();
    for (int i = 0; i < m_pClassType->GetPropertyTypeCount(); ++i)
    {
        int const iIndex = m_arrPropertyLayouts.AddNew();
        m_arrPropertyLayouts[iIndex].AssignPropertyType(m_pClassType->GetPropertyType(i));
    }
}

void bCClassLayout::Write(bCOStream & a_Stream)
{
    if (!m_pClassType)
        return;
    a_Stream.Write(kLayoutVersion);
    a_Stream.Write(m_strClassName);
    a_Stream.Write(m_uClassVersion);
    a_Stream.Write(kArrayVersion);
    a_Stream.Write(static_cast<unsigned long>(CountBound(m_arrPropertyLayouts)));
    for (int i = 0; i < m_arrPropertyLayouts.GetCount(); ++i)
        m_arrPropertyLayouts[i].Write(a_Stream);
}

unsigned short bCClassLayout::Read(bCIStream & a_Stream)
{
    Create();
    unsigned short uLayoutVersion = 0;
    a_Stream.Read(uLayoutVersion);
    a_Stream.Read(m_strClassName);
    a_Stream.Read(m_uClassVersion);
    ReadLayouts(a_Stream, m_arrPropertyLayouts);
    m_pClassType = bCPropertyObjectSingleton::GetInstance().FindTemplate(m_strClassName);
    return 1;
}

bCIStream & bCClassLayout::operator<<(bCIStream & a_Stream)
{
    Read(a_Stream);
    return a_Stream;
}

bCOStream & bCClassLayout::operator>>(bCOStream & a_Stream)
{
    Write(a_Stream);
    return a_Stream;
}

bCSetLayout::bCSetLayout() {}

bCSetLayout::bCSetLayout(bCSetLayout const & a_Source)
{
    CopyFrom(a_Source);
}

bCSetLayout & bCSetLayout::operator=(bCSetLayout const & a_Source)
{
    CopyFrom(a_Source);
    return *this;
}

bCSetLayout::~bCSetLayout() {}

void bCSetLayout::Destroy()
{
    m_arrClassLayouts.Destroy();
}

void bCSetLayout::Create()
{
    Destroy();
}

void bCSetLayout::CopyFrom(bCSetLayout const & a_Source)
{
    if (&a_Source != this)
        m_arrClassLayouts.CopyFrom(a_Source.m_arrClassLayouts);
}

void bCSetLayout::FillLayout()
{
    Create();
}

void bCSetLayout::AssignRegisteredClasses()
{
    Create();
    bCPropertyObjectSingleton const & Registry = bCPropertyObjectSingleton::GetInstance();
    for (auto It = Registry.BeginIterator(); It != Registry.EndIterator(); ++It)
    {
        if (!It.GetValue() || !It.GetValue()->GetObjectType())
            continue;
        int const iIndex = m_arrClassLayouts.AddNew();
        m_arrClassLayouts[iIndex].AssignPropertyObjectType(It.GetValue()->GetObjectType());
    }
}

void bCSetLayout::Write(bCOStream & a_Stream)
{
    a_Stream.Write(kLayoutVersion);
    a_Stream.Write(kArrayVersion);
    a_Stream.Write(static_cast<unsigned long>(CountBound(m_arrClassLayouts)));
    for (int i = 0; i < m_arrClassLayouts.GetCount(); ++i)
        m_arrClassLayouts[i].Write(a_Stream);
}

unsigned short bCSetLayout::Read(bCIStream & a_Stream)
{
    Create();
    unsigned short uVersion = 0;
    a_Stream.Read(uVersion);
    ReadLayouts(a_Stream, m_arrClassLayouts);
    return 1;
}

bCIStream & bCSetLayout::operator<<(bCIStream & a_Stream)
{
    Read(a_Stream);
    return a_Stream;
}

bCOStream & bCSetLayout::operator>>(bCOStream & a_Stream)
{
    Write(a_Stream);
    return a_Stream;
}
