#include "SolverThread.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace {

struct TWorker {
    std::mutex Lock;
    std::condition_variable Wake;
    std::deque<std::pair<TSolverThread::TJob, TSolverThread::TCancel>> Jobs;
    TSolverThread::TCancel Current;
    bool Stopping = false;
    std::thread Thread;

    void Loop() {
        for (;;) {
            std::pair<TSolverThread::TJob, TSolverThread::TCancel> job;
            {
                std::unique_lock<std::mutex> hold(Lock);
                Wake.wait(hold, [this] { return Stopping || !Jobs.empty(); });
                if (Stopping) return;
                job = std::move(Jobs.front());
                Jobs.pop_front();
                Current = job.second;
            }
            if (!job.second->load()) job.first(*job.second);
            std::lock_guard<std::mutex> hold(Lock);
            Current.reset();
        }
    }
};

TWorker* worker = nullptr;
std::mutex workerLock;

void StopAtExit() { TSolverThread::Stop(); }

} // namespace

TSolverThread::TCancel TSolverThread::Run(TJob job) {
    TCancel cancel = std::make_shared<std::atomic<bool>>(false);
    std::lock_guard<std::mutex> guard(workerLock);
    if (worker == nullptr) {
        worker = new TWorker;
        worker->Thread = std::thread([w = worker] { w->Loop(); });
        // The thread ends before the application object goes.
        qAddPostRoutine(StopAtExit);
    }
    {
        std::lock_guard<std::mutex> hold(worker->Lock);
        worker->Jobs.emplace_back(std::move(job), cancel);
    }
    worker->Wake.notify_one();
    return cancel;
}

void TSolverThread::Answer(std::function<void()> answer) {
    if (QCoreApplication* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, std::move(answer), Qt::QueuedConnection);
}

void TSolverThread::Stop() {
    std::lock_guard<std::mutex> guard(workerLock);
    if (worker == nullptr) return;
    {
        std::lock_guard<std::mutex> hold(worker->Lock);
        worker->Stopping = true;
        for (auto& job : worker->Jobs) job.second->store(true);
        if (worker->Current) worker->Current->store(true);
    }
    worker->Wake.notify_one();
    worker->Thread.join();
    delete worker;
    worker = nullptr;
}
