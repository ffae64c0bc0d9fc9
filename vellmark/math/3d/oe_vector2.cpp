#include <vellmark/math/3d/oe_vector2.h>

#include <vellmark/kernel/oe_message.h>
#include <vellmark/kernel/oe_stream.h>

namespace
{
    void ReportCrossProductMissing()
    {
        OE_MESSAGEF_WARN("The method  %s was called, but has not yet been implemented!", "bCVector2::SetCrossProduct");
    }
} // namespace

bCVector2 bCVector2::CrossProduct(bCVector2 const & a_vecA, bCVector2 const & a_vecB)
{
    bCVector2 vecResult(0.0f, 0.0f);
    vecResult.SetCrossProduct(a_vecA, a_vecB);
    return vecResult;
}

bCVector2 & bCVector2::SetCrossProduct(bCVector2 const &, bCVector2 const &)
{
    ReportCrossProductMissing();
    return *this;
}

bCVector2 & bCVector2::CrossProduct(bCVector2 const & a_vecOther)
{
    return SetCrossProduct(*this, a_vecOther);
}

bCVector2 bCVector2::GetCrossProduct(bCVector2 const & a_vecOther) const
{
    bCVector2 vecResult(*this);
    vecResult.SetCrossProduct(*this, a_vecOther);
    return vecResult;
}

bCOStream & bCVector2::operator>>(bCOStream & a_Stream) const
{
    a_Stream.Write(m_fCoordinates, sizeof(m_fCoordinates));
    return a_Stream;
}

bCIStream & bCVector2::operator<<(bCIStream & a_Stream)
{
    a_Stream.Read(m_fCoordinates, sizeof(m_fCoordinates));
    return a_Stream;
}
