#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <utility>

/// Work that other threads hand to one thread, done there in the order it
/// came: the watches' news for the thread that imports and prints.
class CTaskQueue {
public:
    /// Adds a task (from any thread).
    void Push(std::function<void()> task)
    {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_tasks.push_back(std::move(task));
        }
        m_added.notify_one();
    }

    /// Waits for the next task and takes it.
    std::function<void()> Next()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_added.wait(lock, [this] { return !m_tasks.empty(); });
        std::function<void()> task = std::move(m_tasks.front());
        m_tasks.pop_front();
        return task;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_added;
    std::deque<std::function<void()>> m_tasks;
};
