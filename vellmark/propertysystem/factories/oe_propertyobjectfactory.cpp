#include <vellmark/propertysystem/factories/oe_propertyobjectfactory.h>

#include <vellmark/kernel/oe_erroradmin.h>
#include <vellmark/kernel/oe_message.h>
#include <vellmark/kernel/oe_stream.h>
#include <vellmark/propertysystem/factories/oe_obsoleteclass.h>
#include <vellmark/propertysystem/factories/oe_propertyobjectsingleton.h>
#include <vellmark/propertysystem/objects/oe_propertyobject.h>
#include <vellmark/propertysystem/persistence/oe_sizedblock.h>
#include <vellmark/propertysystem/types/oe_propertytypebase.h>

#include <cstdint>
#include <cstdio>

namespace
{
    constexpr unsigned short kRecordVersion = 1;
    constexpr unsigned short kFactoryVersion = 1;

    // Skips an object's property-object form by its stored size.
    bCPropertyObjectBase & GetSkipObject()
    {
        static bTPropertyObject<bCObsoleteClass, bCObjectRefBase> s_Object;
        return s_Object;
    }

    // False when the stream ended before the header.
    bool ReadRecordHeader(bCIStream & a_Stream, bool & a_bRoot)
    {
        unsigned short uRecordVersion = 0, uObjectVersion = 0;
        a_bRoot = false;
        bool const bRead = a_Stream.Read(uRecordVersion) != 0;
        a_Stream.Read(a_bRoot);
        a_Stream.Read(uObjectVersion);
        return bRead;
    }

    // Reads one record after its header; false at the end of a plain stream.
    template <typename F> bool ReadRecords(bCIStream & a_Stream, F const & a_ReadRecord)
    {
        unsigned short uVersion = 0;
        unsigned long uCount = 0;
        a_Stream.Read(uVersion);
        a_Stream.Read(uCount);
        for (uint32_t u = 0; u < static_cast<uint32_t>(uCount) && !g_IsStreamExhausted(a_Stream); ++u)
        {
            bool bRoot = false;
            if (!ReadRecordHeader(a_Stream, bRoot))
                return false;
            a_ReadRecord(bRoot);
        }
        return true;
    }
} // namespace

bCPropertyObjectFactory::bCPropertyObjectFactory() : m_uFactoryVersion(kFactoryVersion), m_strClassName("n/a") {}

bCPropertyObjectFactory::bCPropertyObjectFactory(bCString const & a_strClassName) :
    m_uFactoryVersion(kFactoryVersion), m_strClassName(a_strClassName)
{
}

bCPropertyObjectFactory::bCPropertyObjectFactory(bCPropertyObjectFactory const &) :
    m_uFactoryVersion(kFactoryVersion), m_strClassName("n/a")
{
    g_PropertySystemImproperUsage("bCPropertyObjectFactory::bCPropertyObjectFactory(a_Source)",
                                  g_pcPropertyCopyConstructorHint);
}

bCPropertyObjectFactory::~bCPropertyObjectFactory()
{
    m_arrObjects.Destroy();
}

bool bCPropertyObjectFactory::RegisterPropertyObject(bCPropertyObjectBase const * a_pObject)
{
    if (!a_pObject)
        return false;
    if (!bCPropertyObjectSingleton::GetInstance().IsRegistrationEnabled() || !a_pObject->IsRoot())
        return true;
    bCPropertyObjectBase * pObject = const_cast<bCPropertyObjectBase *>(a_pObject);
    if (!m_arrObjects.IsEmpty() && !m_arrObjects[0]->IsRoot())
    {
        bCPropertyObjectBase * pFirst = m_arrObjects[0];
        m_arrObjects.RemoveAt(0);
        m_arrObjects.Add(pFirst);
    }
    else if (!m_arrObjects.IsEmpty())
    {
        bCPropertyObjectBase const * pOld = m_arrObjects[0];
        char arrMessage[1024]; // formatted locally: the shared empty string stays empty
        std::snprintf(arrMessage, sizeof(arrMessage),
                      "bCPropertyObjectFactory::RegisterPropertyObject - can not insert new root object: "
                      "%s[0x%08lx]\nRoot-Object: %s[0x%08lx] already exists",
                      a_pObject->GetClassName().GetText(), static_cast<unsigned long>(reinterpret_cast<uintptr_t>(a_pObject)),
                      pOld->GetClassName().GetText(), static_cast<unsigned long>(reinterpret_cast<uintptr_t>(pOld)));
        bCErrorAdmin::GetInstance().CallFatalError(arrMessage, "propertysystem\\factories\\oe_propertyobjectfactory",
                                                   274);
    }
    m_arrObjects.InsertAt(0, pObject);
    return true;
}

bool bCPropertyObjectFactory::UnregisterPropertyObject(bCPropertyObjectBase const * a_pObject)
{
    if (!a_pObject)
        return false;
    int const iIndex = GetPropertyObjectIndex(*a_pObject);
    if (iIndex < 0)
        return false;
    m_arrObjects.RemoveAt(iIndex);
    return true;
}

bCPropertyObjectBase * bCPropertyObjectFactory::GetRootObject() const
{
    if (m_arrObjects.IsEmpty() || !m_arrObjects[0]->IsRoot())
        return nullptr;
    return m_arrObjects[0];
}

int bCPropertyObjectFactory::GetPropertyObjectIndex(bCPropertyObjectBase const & a_Object) const
{
    for (int i = m_arrObjects.GetCount() - 1; i >= 0; --i)
        if (m_arrObjects[i] == &a_Object)
            return i;
    return -1;
}

bCPropertyObjectBase * bCPropertyObjectFactory::CloneObjectInstance() const
{
    bCPropertyObjectBase * pRoot = GetRootObject();
    if (!pRoot)
    {
        bCMessageAdmin::GetInstance().OnMessage(
            bEMessageTypes_Warn, "bCPropertyObjectFactory::CloneObjectInstance - can´t find rootobject for factoryclass: ",
            nullptr, nullptr, -1, 5);
        return nullptr;
    }
    return pRoot->Clone();
}

void bCPropertyObjectFactory::WriteObject(bCOStream & a_Stream, bCPropertyObjectBase * a_pObject)
{
    a_Stream.Write(kRecordVersion);
    a_Stream.Write(a_pObject->IsRoot());
    a_Stream.Write(a_pObject->GetVersion());
    a_pObject->Write(a_Stream);
}

bool bCPropertyObjectFactory::ReadObject(bCIStream & a_Stream, bCPropertyObjectBase & a_Target)
{
    bool bRoot = false;
    ReadRecordHeader(a_Stream, bRoot);
    a_Target.Read(a_Stream);
    return true;
}

bCPropertyObjectBase * bCPropertyObjectFactory::ReadNewObject(bCIStream & a_Stream)
{
    bool bRoot = false;
    ReadRecordHeader(a_Stream, bRoot);
    bCPropertyObjectBase * pObject = CloneObjectInstance();
    if (!pObject)
    {
        GetSkipObject().Read(a_Stream);
        return nullptr;
    }
    pObject->Read(a_Stream);
    return pObject;
}

unsigned short bCPropertyObjectFactory::ReadSkipObject(bCIStream & a_Stream)
{
    bool bRoot = false;
    ReadRecordHeader(a_Stream, bRoot);
    GetSkipObject().Read(a_Stream);
    return 1;
}

void bCPropertyObjectFactory::Write(bCOStream & a_Stream)
{
    a_Stream.Write(m_uFactoryVersion);
    uint32_t u32Count = 0;
    for (bCPropertyObjectBase * pObject : m_arrObjects)
        if (pObject->IsPersistable() && !pObject->IsRoot() && !pObject->IsEmbedded())
            ++u32Count;
    a_Stream.Write(static_cast<unsigned long>(u32Count));
    for (bCPropertyObjectBase * pObject : m_arrObjects)
        if (pObject->IsPersistable() && !pObject->IsRoot() && !pObject->IsEmbedded())
            WriteObject(a_Stream, pObject);
}

unsigned short bCPropertyObjectFactory::Read(bCIStream & a_Stream)
{
    ReadRecords(a_Stream, [&](bool a_bRoot) {
        // A record of a root object only brings the root's values up to date: its clone is
        // released again. Any other clone lives on with its one reference; only root objects
        // stay with a factory, so whoever the read object announces itself to owns it.
        bCPropertyObjectBase * pObject = CloneObjectInstance();
        if (!pObject)
            return static_cast<void>(GetSkipObject().Read(a_Stream));
        pObject->Read(a_Stream);
        if (a_bRoot)
            pObject->ReleaseReference();
    });
    return 1;
}

unsigned short bCPropertyObjectFactory::ReadSkip(bCIStream & a_Stream)
{
    ReadRecords(a_Stream, [&](bool) { GetSkipObject().Read(a_Stream); });
    return 1;
}

bCOStream & bCPropertyObjectFactory::operator>>(bCOStream & a_Stream)
{
    Write(a_Stream);
    return a_Stream;
}

bCIStream & bCPropertyObjectFactory::operator<<(bCIStream & a_Stream)
{
    Read(a_Stream);
    return a_Stream;
}

bCOStream & operator<<(bCOStream & a_Stream, bCPropertyObjectFactory & a_Factory)
{
    a_Factory.Write(a_Stream);
    return a_Stream;
}

bCIStream & operator>>(bCIStream & a_Stream, bCPropertyObjectFactory & a_Factory)
{
    a_Factory.Read(a_Stream);
    return a_Stream;
}

void bCPropertyObjectFactory::SearchPropertyObjects(bTAutoPtrArray<bCPropertyObjectBase *> &, bCString const &)
{
    OE_MESSAGEF_WARN("The obsolete method %s was called! %s", "bCPropertyObjectFactory::SearchPropertyObjects",
                     "Removed");
}

bCPropertyObjectFactory * bCPropertyObjectFactory::DoClone() const
{
    g_PropertySystemImproperUsage("bCPropertyObjectFactory::DoClone", g_pcPropertyCloneHint);
    return nullptr;
}
