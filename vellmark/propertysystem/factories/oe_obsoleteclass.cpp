#include <vellmark/propertysystem/factories/oe_obsoleteclass.h>

#include <vellmark/kernel/oe_string.h>

bCString const g_strRootPropertyObject_Postfix = "_Root";
