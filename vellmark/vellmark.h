#ifndef VELLMARK_H_INCLUDED
#define VELLMARK_H_INCLUDED

// Every public header of the library.

#include <vellmark/platform/oe_export.h>
#include <vellmark/platform/oe_asymmetricbarrier.h>
#include <vellmark/platform/oe_debugger.h>
#include <vellmark/platform/oe_globalatom.h>
#include <vellmark/platform/oe_memprobe.h>
#include <vellmark/platform/oe_messagebox.h>
#include <vellmark/platform/oe_minidump.h>
#include <vellmark/platform/oe_wintypes.h>
#include <vellmark/platform/oe_random.h>
#include <vellmark/platform/oe_guidtext.h>
#include <vellmark/platform/oe_time.h>
#include <vellmark/platform/oe_minidump.h>
#include <vellmark/platform/oe_mutexhandle.h>
#include <vellmark/platform/oe_terminal.h>
#include <vellmark/platform/oe_udpsocket.h>
#include <vellmark/platform/oe_viewerprotocol.h>
#include <vellmark/platform/oe_viewerwindow.h>
#include <vellmark/platform/oe_module.h>
#include <vellmark/platform/oe_modules.h>
#include <vellmark/platform/oe_signals.h>
#include <vellmark/platform/oe_stackwalk.h>
#include <vellmark/platform/oe_systeminfo.h>
#include <vellmark/platform/oe_versioninfo.h>
#include <vellmark/platform/oe_heap.h>
#include <vellmark/platform/oe_virtualmem.h>
#include <vellmark/kernel/oe_posixfile.h>
#include <vellmark/kernel/oe_posixfilesystem.h>
#include <vellmark/platform/oe_threading.h>

#include <vellmark/kernel/oe_types.h>
#include <vellmark/kernel/oe_basemem.h>
#include <vellmark/kernel/oe_criticalsection.h>
#include <vellmark/kernel/oe_dllmain.h>
#include <vellmark/kernel/oe_enginedialogs.h>
#include <vellmark/kernel/oe_erroradmin.h>
#include <vellmark/kernel/oe_mempool.h>
#include <vellmark/kernel/oe_message.h>
#include <vellmark/kernel/oe_spieadmin.h>
#include <vellmark/kernel/oe_spyadmin.h>
#include <vellmark/kernel/oe_string.h>
#include <vellmark/kernel/oe_unicodestring.h>
#include <vellmark/kernel/oe_guid.h>
#include <vellmark/kernel/oe_variant.h>
#include <vellmark/kernel/oe_datetime.h>
#include <vellmark/kernel/oe_version.h>
#include <vellmark/kernel/oe_validatemem.h>
#include <vellmark/kernel/oe_stream.h>
#include <vellmark/kernel/oe_memorystream.h>
#include <vellmark/kernel/oe_nullstream.h>
#include <vellmark/kernel/oe_mapstream.h>
#include <vellmark/kernel/oe_file.h>
#include <vellmark/kernel/oe_filesystem.h>
#include <vellmark/kernel/oe_commandline.h>

#include <vellmark/containers/oe_array.h>
#include <vellmark/containers/oe_arraybase.h>
#include <vellmark/containers/oe_hash.h>
#include <vellmark/containers/oe_hashmap.h>
#include <vellmark/containers/oe_map.h>
#include <vellmark/containers/oe_smallarray.h>
#include <vellmark/containers/oe_sort.h>
#include <vellmark/kernel/oe_eventwin32.h>
#include <vellmark/kernel/oe_multireadexclusivewrite.h>
#include <vellmark/kernel/oe_thread.h>
#include <vellmark/kernel/oe_result.h>
#include <vellmark/kernel/oe_eventobject.h>
#include <vellmark/kernel/oe_fpuadmin.h>
#include <vellmark/kernel/oe_timer.h>
#include <vellmark/kernel/oe_clock.h>

#include <vellmark/propertysystem/base/oe_objectbase.h>
#include <vellmark/propertysystem/base/oe_objectrefbase.h>
#include <vellmark/propertysystem/base/oe_threadobjectrefbase.h>
#include <vellmark/propertysystem/objects/oe_propertyobjectbase.h>

#include <vellmark/crashhandler/BSUFunctions.h>
#include <vellmark/crashhandler/CrashHandler.h>
#include <vellmark/crashhandler/DiagAssert.h>
#include <vellmark/crashhandler/GetLoadedModules.h>

#include <vellmark/util/oe_bitfield.h>
#include <vellmark/util/oe_trackbitfield.h>
#include <vellmark/util/oe_profilenode.h>
#include <vellmark/util/oe_profileiterator.h>
#include <vellmark/util/oe_profilemanager.h>
#include <vellmark/util/oe_profilefolded.h>

#endif
