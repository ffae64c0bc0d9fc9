#ifndef OE_MESSAGERECORDER_H_INCLUDED
#define OE_MESSAGERECORDER_H_INCLUDED

// Records the texts of every message delivered while it lives (one recorder at a time).

#include <vellmark/kernel/oe_message.h>

#include <mutex>
#include <string>
#include <vector>

class bCMessageRecorder
{
public:
    bCMessageRecorder()
    {
        Texts().clear();
        bCMessageAdmin::GetInstance().RegisterCallback(&Record, bEMessageCallbackPriority_Normal, 0);
    }
    ~bCMessageRecorder() { bCMessageAdmin::GetInstance().UnregisterCallback(&Record); }

    // Every recorded text, each followed by a line break.
    std::string GetAll() const
    {
        std::lock_guard<std::mutex> Lock(Mutex());
        std::string strAll;
        for (std::string const & strText : Texts())
            strAll += strText + "\n";
        return strAll;
    }

    // Every text recorded so far, as GetAll; the recorder starts empty again.
    std::string Take()
    {
        std::string strAll = GetAll();
        std::lock_guard<std::mutex> Lock(Mutex());
        Texts().clear();
        return strAll;
    }

private:
    static std::vector<std::string> & Texts()
    {
        static std::vector<std::string> s_arrTexts;
        return s_arrTexts;
    }
    static std::mutex & Mutex()
    {
        static std::mutex s_Mutex;
        return s_Mutex;
    }
    static bool Record(bEMessageTypes, char const * a_pcText, char const *, unsigned long, char const *, int, int)
    {
        std::lock_guard<std::mutex> Lock(Mutex());
        Texts().push_back(a_pcText ? a_pcText : "");
        return true;
    }
};

#endif
