// Drives a random sequence of bCString operations and checks each result
// against a std::string model. Snapshots (copies that share buffers) must keep
// their texts whatever happens to the strings they were copied from.

#include <vellmark/kernel/oe_string.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace
{
    class bCReader
    {
    public:
        bCReader(uint8_t const * a_pData, size_t a_uSize) : m_pData(a_pData), m_uSize(a_uSize) {}
        bool AtEnd() const { return m_uPos >= m_uSize; }
        uint8_t Byte() { return m_uPos < m_uSize ? m_pData[m_uPos++] : 0; }
        int Small() { return static_cast<int>(Byte() % 40) - 4; } // mostly in range, sometimes not
        std::string Bytes(size_t a_uMax)
        {
            size_t uCount = std::min<size_t>(Byte() % (a_uMax + 1), m_uSize - std::min(m_uPos, m_uSize));
            std::string strResult(reinterpret_cast<char const *>(m_pData + m_uPos), uCount);
            m_uPos += uCount;
            return strResult;
        }
        // A text without zero bytes, as the zero-terminated members take it.
        std::string Text(size_t a_uMax)
        {
            std::string strResult = Bytes(a_uMax);
            strResult.erase(std::remove(strResult.begin(), strResult.end(), '\0'), strResult.end());
            return strResult;
        }

    private:
        uint8_t const * m_pData;
        size_t m_uSize;
        size_t m_uPos = 0;
    };

    void Check(bool a_bCondition)
    {
        if (!a_bCondition)
            std::abort();
    }

    bool Same(bCString const & a_strText, std::string const & a_strModel)
    {
        return a_strText.GetLength() == static_cast<int>(a_strModel.size()) &&
               std::memcmp(a_strText.GetText(), a_strModel.data(), a_strModel.size()) == 0 &&
               a_strText.GetText()[a_strModel.size()] == 0;
    }

    std::string ZeroTerminated(std::string const & a_strModel, size_t a_uStart)
    {
        return std::string(a_strModel.c_str() + a_uStart);
    }

    int Sign(int a_iValue)
    {
        return (a_iValue > 0) - (a_iValue < 0);
    }

    bool IsSpace(char a_cChar)
    {
        return a_cChar == ' ' || (a_cChar >= '\t' && a_cChar <= '\r');
    }

    void ReplaceAll(std::string & a_strModel, std::string const & a_strOld, std::string const & a_strNew,
                    int & a_iCount)
    {
        a_iCount = 0;
        for (size_t uPos = a_strModel.find(a_strOld); uPos != std::string::npos;
             uPos = a_strModel.find(a_strOld, uPos + a_strNew.size()))
        {
            a_strModel.replace(uPos, a_strOld.size(), a_strNew);
            ++a_iCount;
        }
    }

    void Search(bCReader & a_Reader, bCString const & a_strText, std::string const & a_strModel)
    {
        int const iLength = static_cast<int>(a_strModel.size());
        int const iStart = a_Reader.Small();
        char const cChar = static_cast<char>(a_Reader.Byte() % 8 + 'a');
        std::string const strFind = a_Reader.Text(3);
        // Whole forms walk the stored length.
        int iExpected = -1;
        if (iLength && iStart >= 0 && iStart <= iLength)
        {
            size_t uHit = std::string(a_strModel.c_str(), a_strModel.size() + 1).find(cChar, iStart);
            iExpected = uHit == std::string::npos ? -1 : static_cast<int>(uHit);
        }
        Check(a_strText.Find(cChar, iStart, true) == iExpected);
        iExpected = -1;
        if (iStart >= 0 && iStart <= iLength - static_cast<int>(strFind.size()))
            iExpected = static_cast<int>(a_strModel.find(strFind, iStart));
        Check(a_strText.Find(strFind.c_str(), iStart, true) == iExpected);
        // Zero-terminated forms stop at the first zero byte.
        iExpected = -1;
        if (iStart >= 0 && iStart < iLength)
        {
            size_t uHit = ZeroTerminated(a_strModel, iStart).find(strFind);
            iExpected = uHit == std::string::npos ? -1 : static_cast<int>(uHit) + iStart;
        }
        Check(a_strText.Find(strFind.c_str(), iStart, false) == iExpected);
        Check(a_strText.Contains(strFind.c_str(), iStart) == (iExpected >= 0));
    }

    void Extract(bCReader & a_Reader, bCString const & a_strText, std::string const & a_strModel)
    {
        int const iLength = static_cast<int>(a_strModel.size());
        int const iCount = a_Reader.Small();
        int const iStart = a_Reader.Small();
        std::string strLeft = iCount < 0 ? ZeroTerminated(a_strModel, 0) : a_strModel.substr(0, iCount);
        Check(Same(a_strText.Left(iCount), strLeft));
        std::string strRight =
            iCount < 0 ? ZeroTerminated(a_strModel, 0) : a_strModel.substr(iLength - std::min(iCount, iLength));
        Check(Same(a_strText.Right(iCount), strRight));
        std::string strMid = a_strModel;
        if (iLength && iStart >= 0 && iCount >= 0)
            strMid = iStart > iLength ? std::string() : a_strModel.substr(iStart, iCount);
        Check(Same(a_strText.Mid(iStart, iCount), strMid));
    }

    void Compare(bCString const & a_strLeft, std::string const & a_strLeftModel, bCString const & a_strRight,
                 std::string const & a_strRightModel)
    {
        int const iExpected = Sign(std::string_view(a_strLeftModel).compare(a_strRightModel));
        Check(a_strLeft.Compare(a_strRight) == iExpected);
        Check((a_strLeft == a_strRight) == (iExpected == 0));
        Check((a_strLeft < a_strRight) == (iExpected < 0));
        std::string strLower = a_strLeftModel, strRightLower = a_strRightModel;
        for (std::string * pModel : {&strLower, &strRightLower})
            for (char & cChar : *pModel)
                if (cChar >= 'A' && cChar <= 'Z')
                    cChar = static_cast<char>(cChar + 32);
        Check(Sign(a_strLeft.CompareNoCase(a_strRight)) == Sign(std::string_view(strLower).compare(strRightLower)));
        Check(a_strLeft.CompareNoCaseFast(a_strRight) == (strLower == strRightLower));
    }

    void Modify(bCReader & a_Reader, uint8_t a_u8Op, bCString & a_strText, std::string & a_strModel)
    {
        int const iLength = static_cast<int>(a_strModel.size());
        switch (a_u8Op)
        {
        case 0: {
            std::string const strBytes = a_Reader.Bytes(12);
            a_strText = bCString(strBytes.data(), static_cast<int>(strBytes.size()));
            a_strModel = strBytes;
            break;
        }
        case 1: {
            char const cChar = static_cast<char>(a_Reader.Byte());
            a_strText += cChar;
            a_strModel += cChar;
            break;
        }
        case 2: {
            std::string const strText = a_Reader.Text(6);
            a_strText += strText.c_str();
            a_strModel += strText;
            break;
        }
        case 3: {
            int const iIndex = a_Reader.Small();
            std::string const strText = a_Reader.Text(4);
            int const iAt = iLength == 0 ? 0 : std::clamp(iIndex, 0, iLength);
            Check(a_strText.Insert(iIndex, strText.c_str()) == iLength + static_cast<int>(strText.size()));
            a_strModel.insert(static_cast<size_t>(iAt), strText);
            break;
        }
        case 4: {
            int const iIndex = a_Reader.Small(), iCount = a_Reader.Small();
            if (iIndex < 0 || iCount < 0)
                break; // the caller's duty
            if (iCount > 0 && iIndex < iLength)
                a_strModel.erase(static_cast<size_t>(iIndex), static_cast<size_t>(iCount));
            Check(a_strText.Delete(iIndex, iCount) == static_cast<int>(a_strModel.size()));
            break;
        }
        case 5: {
            char const cOld = static_cast<char>(a_Reader.Byte() % 4),
                       cNew = static_cast<char>(a_Reader.Byte() % 4 + 'a');
            int const iCount =
                cOld == cNew ? 0 : static_cast<int>(std::count(a_strModel.begin(), a_strModel.end(), cOld));
            std::replace(a_strModel.begin(), a_strModel.end(), cOld, cNew);
            Check(a_strText.Replace(cOld, cNew) == iCount);
            break;
        }
        case 6: {
            std::string const strOld = a_Reader.Text(2), strNew = a_Reader.Text(3);
            int iCount = 0;
            if (!strOld.empty())
                ReplaceAll(a_strModel, strOld, strNew, iCount);
            Check(a_strText.Replace(strOld.c_str(), strNew.c_str()) == iCount);
            break;
        }
        case 7: {
            char const cChar = static_cast<char>(a_Reader.Byte() % 4);
            int const iCount = static_cast<int>(std::count(a_strModel.begin(), a_strModel.end(), cChar));
            a_strModel.erase(std::remove(a_strModel.begin(), a_strModel.end(), cChar), a_strModel.end());
            Check(a_strText.Remove(cChar) == iCount);
            break;
        }
        case 8: {
            bool const bLeft = a_Reader.Byte() & 1, bRight = a_Reader.Byte() & 1;
            size_t uStart = 0, uEnd = a_strModel.size();
            while (bLeft && uStart < uEnd && IsSpace(a_strModel[uStart]))
                ++uStart;
            while (bRight && uEnd > uStart && IsSpace(a_strModel[uEnd - 1]))
                --uEnd;
            a_strModel = a_strModel.substr(uStart, uEnd - uStart);
            a_strText.Trim(bLeft, bRight);
            break;
        }
        case 9: {
            bool const bUpper = a_Reader.Byte() & 1;
            for (char & cChar : a_strModel)
                if (bUpper && cChar >= 'a' && cChar <= 'z')
                    cChar = static_cast<char>(cChar - 32);
                else if (!bUpper && cChar >= 'A' && cChar <= 'Z')
                    cChar = static_cast<char>(cChar + 32);
            bUpper ? a_strText.ToUpper() : a_strText.ToLower();
            break;
        }
        case 10:
            std::reverse(a_strModel.begin(), a_strModel.end());
            a_strText.MakeReverse();
            break;
        case 11: {
            std::string const strText = a_Reader.Text(8);
            a_strText.Format("<%s>", strText.c_str());
            a_strModel = "<" + strText + ">";
            break;
        }
        case 12:
            if (iLength)
            {
                int const iIndex = a_Reader.Byte() % iLength;
                char const cChar = static_cast<char>(a_Reader.Byte());
                a_strText.SetAt(iIndex, cChar);
                a_strModel[static_cast<size_t>(iIndex)] = cChar;
            }
            break;
        case 13: {
            std::string const strSet = a_Reader.Text(2);
            size_t uStart = a_strModel.find_first_not_of(strSet);
            a_strModel = uStart == std::string::npos ? std::string() : a_strModel.substr(uStart);
            a_strText.TrimLeft(strSet.c_str());
            break;
        }
        default: {
            int const iCount = a_Reader.Small();
            std::string const strText = a_Reader.Text(6);
            a_strText.SetText(strText.c_str(), iCount);
            a_strModel = iCount < 1 ? std::string() : strText.substr(0, static_cast<size_t>(iCount));
            break;
        }
        }
    }
} // namespace

extern "C" int LLVMFuzzerTestOneInput(uint8_t const * a_pData, size_t a_uSize)
{
    bCReader Reader(a_pData, a_uSize);
    bCString astrTexts[2];
    std::string astrModels[2];
    bCString strSnapshot;
    std::string strSnapshotModel;
    while (!Reader.AtEnd())
    {
        // Self-appends double the text: keep it small enough to stay quick.
        for (int i = 0; i < 2; ++i)
            if (astrModels[i].size() > 4096)
            {
                astrTexts[i].Clear();
                astrModels[i].clear();
            }
        uint8_t const u8Op = Reader.Byte();
        int const iWhich = (u8Op >> 7) & 1;
        bCString & strText = astrTexts[iWhich];
        std::string & strModel = astrModels[iWhich];
        switch (u8Op & 0x7F)
        {
        case 100: Search(Reader, strText, strModel); break;
        case 101: Extract(Reader, strText, strModel); break;
        case 102: Compare(strText, strModel, astrTexts[!iWhich], astrModels[!iWhich]); break;
        case 103:
            strSnapshot = strText;
            strSnapshotModel = strModel;
            break;
        case 104:
            astrTexts[!iWhich] = strText;
            astrModels[!iWhich] = strModel;
            break;
        case 105:
            astrTexts[!iWhich] += strText;
            astrModels[!iWhich] += strModel;
            // Appending always builds a buffer of its own, also onto an empty string.
            Check(strText.IsEmpty() || astrTexts[!iWhich].GetText() != strText.GetText());
            break;
        default: Modify(Reader, static_cast<uint8_t>((u8Op & 0x7F) % 15), strText, strModel); break;
        }
        Check(Same(strText, strModel));
        Check(Same(strSnapshot, strSnapshotModel));
        Check(Same(astrTexts[!iWhich], astrModels[!iWhich]));
    }
    return 0;
}
