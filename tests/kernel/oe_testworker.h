#ifndef OE_TESTWORKER_H_INCLUDED
#define OE_TESTWORKER_H_INCLUDED

// Bounded waiting for the thread tests: no test may hang on a broken lock.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace oetest
{
    inline constexpr int g_iBoundMilliseconds = 10000;

    // Polls until the predicate holds; false when the bound passes first.
    template <typename Predicate> bool WaitFor(Predicate a_Predicate, int a_iMilliseconds = g_iBoundMilliseconds)
    {
        auto const Deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(a_iMilliseconds);
        while (!a_Predicate())
        {
            if (std::chrono::steady_clock::now() > Deadline)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return true;
    }

    // Gives another thread a moment to (wrongly) get past a lock; a check after it can only miss a
    // bug, never report one falsely.
    inline void Moment()
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
    }

    // A function on a thread of its own. Everything it touches must outlive it or be shared: a
    // worker that does not finish in time is left behind, detached.
    class Worker
    {
    public:
        explicit Worker(std::function<void()> a_Function) : m_pFinished(std::make_shared<std::atomic<bool>>(false))
        {
            m_Thread = std::thread([a_Function, pFinished = m_pFinished] {
                a_Function();
                *pFinished = true;
            });
        }
        ~Worker()
        {
            if (!Join())
                m_Thread.detach();
        }
        // True when the function finished within the time.
        bool Join(int a_iMilliseconds = g_iBoundMilliseconds)
        {
            if (m_Thread.joinable() && !WaitFor([this] { return m_pFinished->load(); }, a_iMilliseconds))
                return false;
            if (m_Thread.joinable())
                m_Thread.join();
            return true;
        }

    private:
        std::shared_ptr<std::atomic<bool>> m_pFinished;
        std::thread m_Thread;
    };
    // A thread that runs the steps it is given one after the other, so that a test can script
    // what several threads do. Steps must not outlive what they touch: a thread left stuck at the
    // end is detached.
    class Actor
    {
    public:
        Actor() : m_pState(std::make_shared<State>()), m_Worker([pState = m_pState] { pState->Loop(); }) {}
        ~Actor()
        {
            Post([pState = m_pState] { pState->m_bStop = true; });
        }
        void Post(std::function<void()> a_Step)
        {
            std::lock_guard<std::mutex> Lock(m_pState->m_Mutex);
            m_pState->m_Steps.push_back(std::move(a_Step));
            m_pState->m_Changed.notify_all();
        }
        // True when every step posted so far has finished within the time.
        bool WaitIdle(int a_iMilliseconds = g_iBoundMilliseconds)
        {
            std::unique_lock<std::mutex> Lock(m_pState->m_Mutex);
            return m_pState->m_Changed.wait_for(Lock, std::chrono::milliseconds(a_iMilliseconds),
                                                [this] { return m_pState->m_Steps.empty(); });
        }
        bool Run(std::function<void()> a_Step, int a_iMilliseconds = g_iBoundMilliseconds)
        {
            Post(std::move(a_Step));
            return WaitIdle(a_iMilliseconds);
        }

    private:
        // A step stays in the queue while it runs: the queue is empty only when the actor is idle.
        struct State
        {
            std::mutex m_Mutex;
            std::condition_variable m_Changed;
            std::deque<std::function<void()>> m_Steps;
            bool m_bStop = false; // written by the actor's own last step
            void Loop()
            {
                std::unique_lock<std::mutex> Lock(m_Mutex);
                while (!m_bStop)
                {
                    m_Changed.wait(Lock, [this] { return !m_Steps.empty(); });
                    std::function<void()> & Step = m_Steps.front(); // stays valid: others only append
                    Lock.unlock();
                    Step();
                    Lock.lock();
                    m_Steps.pop_front();
                    m_Changed.notify_all();
                }
            }
        };
        std::shared_ptr<State> m_pState;
        Worker m_Worker;
    };
} // namespace oetest

#endif
