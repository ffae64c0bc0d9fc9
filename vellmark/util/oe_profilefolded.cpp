#include <vellmark/util/oe_profilefolded.h>

#include <vellmark/kernel/oe_stream.h>
#include <vellmark/util/oe_profilemanager.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace
{
    void AppendName(std::string & a_strPath, bCString const & a_strName)
    {
        char const * pcText = a_strName.GetText();
        for (int i = 0, iLength = a_strName.GetLength(); i < iLength; ++i)
        {
            char const c = pcText[i];
            a_strPath += (c == ';' || c == ' ' || c == '\t' || c == '\n' || c == '\r') ? '_' : c;
        }
    }

    long long GetExclusiveMicroseconds(bCProfileNode const & a_Node)
    {
        double dSeconds = a_Node.GetTotalTime();
        for (bCProfileNode const * pChild = a_Node.GetChild(); pChild; pChild = pChild->GetSibling())
            dSeconds -= pChild->GetTotalTime();
        return dSeconds > 0.0 ? std::llround(dSeconds * 1.0e6) : 0;
    }

    // Depth first without recursion: a deep tree must not cost stack.
    std::string ComposeFoldedStacks()
    {
        struct bSPending
        {
            bCProfileNode const * m_pNode;
            size_t m_uPathLength;
        };
        std::string strText, strPath;
        std::vector<bSPending> arrPending{{&bCProfileManager::AccessRoot(), 0}};
        std::vector<bCProfileNode const *> arrChildren;
        while (!arrPending.empty())
        {
            bSPending const Pending = arrPending.back();
            arrPending.pop_back();
            strPath.resize(Pending.m_uPathLength);
            if (!strPath.empty())
                strPath += ';';
            AppendName(strPath, Pending.m_pNode->GetName());
            strText += strPath;
            strText += ' ';
            strText += std::to_string(GetExclusiveMicroseconds(*Pending.m_pNode));
            strText += '\n';
            arrChildren.clear();
            for (bCProfileNode const * pChild = Pending.m_pNode->GetChild(); pChild; pChild = pChild->GetSibling())
                arrChildren.push_back(pChild);
            for (size_t i = arrChildren.size(); i-- > 0;)
                arrPending.push_back({arrChildren[i], strPath.size()});
        }
        return strText;
    }
} // namespace

bCString g_funcGetFoldedStacks()
{
    std::string const strText = ComposeFoldedStacks();
    return bCString(strText.data(), static_cast<int>(strText.size()));
}

void g_funcWriteFoldedStacks(bCOStream & a_Stream)
{
    std::string const strText = ComposeFoldedStacks();
    if (!strText.empty())
        a_Stream.Write(strText.data(), static_cast<unsigned long>(strText.size()));
}

bool g_funcWriteFoldedStacks(char const * a_pcFileName)
{
    std::FILE * pFile = a_pcFileName ? std::fopen(a_pcFileName, "wb") : nullptr;
    if (!pFile)
        return false;
    std::string const strText = ComposeFoldedStacks();
    bool const bWritten = std::fwrite(strText.data(), 1, strText.size(), pFile) == strText.size();
    return std::fclose(pFile) == 0 && bWritten;
}
