#include <vellmark/propertysystem/objects/oe_po_puresmartptr.h>

#include <vellmark/kernel/oe_erroradmin.h>

void g_PurePtrFatalCreate(std::string const & a_strClassName)
{
    std::string const strMessage = "bTPOPureSmartPtr<" + a_strClassName +
                                   ">::Create - dynamic_cast<bCObjectRefBase*> objecttype isn´t derived from "
                                   "bCObjectRefBase !";
    bCErrorAdmin::GetInstance().CallFatalError(strMessage.c_str(), "OEFalse == (NULL != pObjRefBase)",
                                               "propertysystem\\base\\oe_po_puresmartptr", 208);
}
