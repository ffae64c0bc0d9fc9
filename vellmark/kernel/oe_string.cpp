#include <vellmark/kernel/oe_string.h>

bCString g_strDefault;

bCString::bCString() :
    m_pcText(nullptr)
{
}

bCString::~bCString() = default;

bool bCString::IsEmpty() const
{
    return true;
}

int bCString::GetLength() const
{
    return 0;
}

char const * bCString::GetText() const
{
    return "";
}

void bCString::Clear()
{
}
