#include <vellmark/kernel/oe_file.h>

#include <vellmark/kernel/oe_message.h>

namespace
{
    void ReportNotSupplied(char const * a_pcOperation)
    {
        OE_MESSAGEF_WARN("The method  %s was called, but has not yet been implemented!", a_pcOperation);
    }
}

bCFile::~bCFile() = default;

long long bCFile::GetPosition() const
{
    ReportNotSupplied("[virtual] bCFile::GetPosition -> Pure virtual function call!");
    return -1;
}

bool bCFile::IsValid() const
{
    ReportNotSupplied("[virtual] bCFile::IsValid -> Pure virtual function call!");
    return false;
}

bool bCFile::IsOpen() const
{
    ReportNotSupplied("[virtual] bCFile::IsOpen -> Pure virtual function call!");
    return false;
}

long long bCFile::GetLength() const
{
    ReportNotSupplied("[virtual] bCFile::GetLength -> Pure virtual function call!");
    return -1;
}

bool bCFile::Open(bCString const &, bEFileCreationMode)
{
    ReportNotSupplied("[virtual] bCFile::Open -> Pure virtual function call!");
    return false;
}

bool bCFile::Close()
{
    ReportNotSupplied("[virtual] bCFile::Close -> Pure virtual function call!");
    return false;
}

bool bCFile::Seek(long long, bEStreamSeekMode) const
{
    ReportNotSupplied("[virtual] bCFile::Seek -> Pure virtual function call!");
    return false;
}
