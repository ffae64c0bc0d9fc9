#ifndef OE_TRACKEDNEW_H_INCLUDED
#define OE_TRACKEDNEW_H_INCLUDED

// Objects of the property system made with the tracked client new go back
// to the memory administration after their destructor, never to the global
// delete.

#include <vellmark/kernel/oe_basemem.h>

template <typename T> void g_DeleteTracked(T * a_pObject)
{
    if (!a_pObject)
        return;
    a_pObject->~T();
    bCMemoryAdmin::GetInstance().DeleteObject(a_pObject);
}

#endif
