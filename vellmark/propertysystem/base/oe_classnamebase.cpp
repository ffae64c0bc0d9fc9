#include <vellmark/propertysystem/base/oe_classnamebase.h>

#include <cstdlib>
#include <cstring>
#include <cxxabi.h>

bCString bCClassNameBase::UnMangle(char const * a_pcName)
{
    if (!a_pcName)
        return bCString();
    char const * pcBlank = std::strchr(a_pcName, ' ');
    return bCString(pcBlank ? pcBlank + 1 : a_pcName);
}

std::string bCClassNameBase::GetBareTypeName(std::type_info const & a_Info)
{
    int iStatus = 0;
    char * pcDemangled = abi::__cxa_demangle(a_Info.name(), nullptr, nullptr, &iStatus);
    std::string strName = (iStatus == 0 && pcDemangled) ? pcDemangled : a_Info.name();
    std::free(pcDemangled);
    for (std::string::size_type uAt; (uAt = strName.find("(anonymous namespace)::")) != std::string::npos;)
        strName.erase(uAt, 23); // would put a blank into the name
    std::string::size_type const uTemplate = strName.find('<');
    if (uTemplate != std::string::npos)
        strName.erase(uTemplate);
    return strName;
}
