// The one worker thread of the program: the solver's searches run on it, one
// after another, each on its own copy of a table. The UI never waits for it:
// a job hands its answer back through the event loop, and a job whose flag is
// set stops at once.
#pragma once

#include <atomic>
#include <functional>
#include <memory>

class TSolverThread {
public:
    using TCancel = std::shared_ptr<std::atomic<bool>>;
    using TJob = std::function<void(const std::atomic<bool>& cancel)>;

    // Queues `job` behind the jobs before it; set the returned flag to cancel it.
    static TCancel Run(TJob job);
    // Runs `answer` on the UI thread's event loop (from a job).
    static void Answer(std::function<void()> answer);
    // Cancels every job and ends the thread (at the program's end; also
    // safe when it never started).
    static void Stop();
};
