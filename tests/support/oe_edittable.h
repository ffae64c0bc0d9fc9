#ifndef OE_EDITTABLE_H_INCLUDED
#define OE_EDITTABLE_H_INCLUDED

// Tables of string edits: the text a string starts from (empty: a default-constructed string),
// the edit, what the edit returns and the stored units after it.

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>

template <class TString, class TChar> struct TStringEdit
{
    std::basic_string<TChar> m_strStart;
    std::function<int(TString &)> m_funcEdit;
    int m_iResult;
    std::basic_string<TChar> m_strAfter;
};

template <class TString, class TChar> std::basic_string<TChar> StoredUnits(TString const & a_strText)
{
    return std::basic_string<TChar>(a_strText.GetText(), static_cast<size_t>(a_strText.GetLength()));
}

template <class TString, class TChar> void CheckStringEdits(std::initializer_list<TStringEdit<TString, TChar>> a_Edits)
{
    int iRow = 0;
    for (TStringEdit<TString, TChar> const & Edit : a_Edits)
    {
        SCOPED_TRACE("row " + std::to_string(iRow++));
        TString strText;
        if (!Edit.m_strStart.empty())
            strText = TString(Edit.m_strStart.data(), static_cast<int>(Edit.m_strStart.size()));
        EXPECT_EQ(Edit.m_funcEdit(strText), Edit.m_iResult);
        EXPECT_EQ((StoredUnits<TString, TChar>(strText)), Edit.m_strAfter);
    }
}

#endif
