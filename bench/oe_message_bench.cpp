// OE_MESSAGEF_WARN dropped by the filter, delivered to one callback and
// delivered through the datagram channel, beside the floor: snprintf into a
// buffer plus one indirect call.

#include <vellmark/kernel/oe_message.h>
#include <vellmark/kernel/oe_spieadmin.h>
#include <vellmark/platform/oe_udpsocket.h>
#include <vellmark/platform/oe_viewerprotocol.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace
{
    namespace fs = std::filesystem;

    long g_lDelivered = 0;

    bool CountingCallback(bEMessageTypes, char const * a_pcText, char const *, unsigned long, char const *, int, int)
    {
        g_lDelivered += a_pcText[0];
        return true;
    }

    bool (*volatile g_funcIndirect)(bEMessageTypes, char const *, char const *, unsigned long, char const *, int,
                                    int) = &CountingCallback;

    void BM_Snprintf_PlusIndirectCall(benchmark::State & a_State)
    {
        char carrBuffer[1401];
        int i = 0;
        for (auto _ : a_State)
        {
            std::snprintf(carrBuffer, sizeof(carrBuffer), "value %d of %s", ++i, "bench");
            g_funcIndirect(bEMessageTypes_Warn, carrBuffer, nullptr, 0, nullptr, -1, 5);
        }
        benchmark::DoNotOptimize(g_lDelivered);
        a_State.SetItemsProcessed(a_State.iterations());
    }
    BENCHMARK(BM_Snprintf_PlusIndirectCall);

    void BM_OE_MESSAGEF_WARN_DroppedByFilter(benchmark::State & a_State)
    {
        bCMessageAdmin & Admin = bCMessageAdmin::GetInstance();
        Admin.SetFilterType(bEMessageFilterTypes_Warn);
        int i = 0;
        for (auto _ : a_State)
            benchmark::DoNotOptimize(OE_MESSAGEF_WARN("value %d of %s", ++i, "bench"));
        Admin.SetFilterType(bEMessageFilterTypes_Ok);
        a_State.SetItemsProcessed(a_State.iterations());
    }
    BENCHMARK(BM_OE_MESSAGEF_WARN_DroppedByFilter);

    void BM_OE_MESSAGEF_WARN_ToOneCallback(benchmark::State & a_State)
    {
        bCMessageAdmin & Admin = bCMessageAdmin::GetInstance();
        Admin.RegisterCallback(&CountingCallback, bEMessageCallbackPriority_Low, 0);
        int i = 0;
        for (auto _ : a_State)
            OE_MESSAGEF_WARN("value %d of %s", ++i, "bench");
        Admin.UnregisterCallback(&CountingCallback);
        benchmark::DoNotOptimize(g_lDelivered);
        a_State.SetItemsProcessed(a_State.iterations());
    }
    BENCHMARK(BM_OE_MESSAGEF_WARN_ToOneCallback);

    // The channel looks for its marker file when created: create it anew in a
    // folder that holds one, with a socket bound on the port so that no
    // port-unreachable reports come back.
    void BM_OE_MESSAGEF_WARN_ThroughDatagramChannel(benchmark::State & a_State)
    {
        OESOCKET const Receiver = OEBindDatagramSocket(OE_LOG_ADDRESS, OE_LOG_PORT);
        fs::path const Previous = fs::current_path();
        fs::path const Folder = fs::temp_directory_path() / "vellmark-message-bench";
        fs::create_directories(Folder);
        std::ofstream(Folder / "vLogFile.txt") << "marker";
        bCSpieAdmin::GetInstance();
        fs::current_path(Folder);
        bCSpieAdmin::GetInstance().Create();
        fs::current_path(Previous);
        fs::remove_all(Folder);
        int i = 0;
        for (auto _ : a_State)
            OE_MESSAGEF_WARN("value %d of %s", ++i, "bench");
        bCSpieAdmin::GetInstance().Create(); // no marker here: goodbye, disabled
        OECloseSocket(Receiver);
        a_State.SetItemsProcessed(a_State.iterations());
        if (Receiver == OE_INVALID_SOCKET)
            a_State.SetLabel("port 4711 in use by another listener");
    }
    BENCHMARK(BM_OE_MESSAGEF_WARN_ThroughDatagramChannel);
} // namespace
