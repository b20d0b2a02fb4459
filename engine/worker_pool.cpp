#include "engine/worker_pool.h"

#include <pthread.h>
#include <sched.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdlib>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

namespace {

int Cores() {
  const unsigned cores = std::thread::hardware_concurrency();
  return cores == 0 ? 1 : static_cast<int>(std::min(cores, 256u));
}

// KAVO_ENGINE_THREADS as a positive count, else 0.
int ThreadsFromEnvironment() {
  const char* text = std::getenv("KAVO_ENGINE_THREADS");
  if (text == nullptr) return 0;
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || value < 1) return 0;
  return static_cast<int>(std::min<long>(value, 256));
}

class Pool {
 public:
  static Pool& Instance() {
    static Pool pool;
    return pool;
  }

  ~Pool() {
    const std::lock_guard<std::mutex> run(run_);
    StopWorkers();
  }

  void SetThreads(int count) {
    const std::lock_guard<std::mutex> run(run_);
    StopWorkers();
    requested_.store(std::max(count, 0), std::memory_order_relaxed);
  }

  int Threads() const {
    int count = requested_.load(std::memory_order_relaxed);
    if (count == 0) count = fromEnvironment_;
    if (count == 0) count = cores_;
    return std::clamp(count, 1, cores_);
  }

  void Run(int count, int threads, PoolTask task, void* context) {
    if (count > 1 && threads > 1) {
      const std::unique_lock<std::mutex> run(run_, std::try_to_lock);
      if (run.owns_lock()) {
        AddWorkers(std::min(threads, Threads()) - 1);
        const int use = std::min(threads, static_cast<int>(workers_.size()) + 1);
        if (use > 1) {
          RunShared(count, use, task, context);
          return;
        }
      }
    }
    for (int i = 0; i < count; ++i) task(context, i, 0);
  }

 private:
  Pool() = default;

  // Under run_: up to `count` workers, unless the system refuses a thread (the calculations then
  // go on with those there are).
  void AddWorkers(int count) {
    if (failed_ || static_cast<int>(workers_.size()) >= count) return;
    workers_.reserve(static_cast<size_t>(Threads()));
    try {
      // A new worker counts from the calls made so far (generation_ changes only under run_,
      // held here), so it joins the next call however late its thread starts.
      while (static_cast<int>(workers_.size()) < count)
        workers_.emplace_back([this, seen = generation_] { Work(seen); });
    } catch (const std::system_error&) {
      failed_ = true;
    }
  }

  // Under run_.
  void StopWorkers() {
    {
      const std::lock_guard<std::mutex> lock(m_);
      stop_ = true;
    }
    wake_.notify_all();
    for (std::thread& t : workers_) t.join();
    workers_.clear();
    {
      const std::lock_guard<std::mutex> lock(m_);
      stop_ = false;
    }
    failed_ = false;
  }

  // Under run_: the calling thread and use - 1 workers take the tasks. A task that throws, on
  // any thread, ends the taking; the call returns by the first exception once no task of it
  // runs any more (the context may live on the stack being unwound).
  void RunShared(int count, int use, PoolTask task, void* context) {
    {
      const std::lock_guard<std::mutex> lock(m_);
      task_ = task;
      context_ = context;
      count_ = count;
      // The first task stays with the calling thread (the largest, when the caller puts it
      // first), whatever worker wakes first.
      next_.store(1, std::memory_order_relaxed);
      slots_ = use;
      joined_ = 0;
      open_ = true;
      ++generation_;
    }
    // One worker is woken here, and each that joins wakes the next: a busy machine then lets
    // the calling thread go on with its task rather than handing its core to every worker.
    wake_.notify_one();
    try {
      task(context, 0, 0);
    } catch (...) {
      Fail();
    }
    TakeTasks(0);
    // Every task is taken; wait for the workers still running theirs. A worker that has not
    // joined by now finds the call closed and stays asleep.
    std::unique_lock<std::mutex> lock(m_);
    open_ = false;
    done_.wait(lock, [this] { return busy_ == 0; });
    const std::exception_ptr error = std::exchange(error_, nullptr);
    lock.unlock();
    if (error) std::rethrow_exception(error);
  }

  void TakeTasks(int slot) {
    try {
      for (;;) {
        const int i = next_.fetch_add(1, std::memory_order_relaxed);
        if (i >= count_) return;
        task_(context_, i, slot);
      }
    } catch (...) {
      Fail();
    }
  }

  // In a catch block: no task is taken any more, and the first exception is kept for the caller.
  void Fail() {
    next_.store(count_, std::memory_order_relaxed);
    const std::lock_guard<std::mutex> lock(m_);
    if (!error_) error_ = std::current_exception();
  }

  // A worker takes the slot of its place among those joining the call.
  void Work(unsigned seen) {
    // A woken worker must not take the core of the thread that woke it (which goes on with
    // the largest task): batch threads do not preempt on waking.
    const sched_param param{};
    pthread_setschedparam(pthread_self(), SCHED_BATCH, &param);
    std::unique_lock<std::mutex> lock(m_);
    for (;;) {
      wake_.wait(lock, [&] {
        return stop_ || (open_ && generation_ != seen && joined_ < slots_ - 1);
      });
      if (stop_) return;
      seen = generation_;
      const int slot = ++joined_;
      ++busy_;
      const bool more = joined_ < slots_ - 1;
      lock.unlock();
      if (more) wake_.notify_one();
      TakeTasks(slot);
      lock.lock();
      if (--busy_ == 0) done_.notify_one();
    }
  }

  // Read once, when the pool is first used.
  const int cores_ = Cores();
  const int fromEnvironment_ = ThreadsFromEnvironment();

  std::mutex run_;  // one call on the workers at a time; guards workers_ and failed_
  std::vector<std::thread> workers_;
  bool failed_ = false;
  std::atomic<int> requested_{0};

  std::mutex m_;  // guards what follows, except next_
  std::condition_variable wake_;
  std::condition_variable done_;
  bool stop_ = false;
  bool open_ = false;  // a call is taking workers
  unsigned generation_ = 0;
  int slots_ = 0;   // threads of the current call, the calling one included
  int joined_ = 0;  // workers that joined the current call
  int busy_ = 0;    // workers still inside it
  PoolTask task_ = nullptr;
  void* context_ = nullptr;
  int count_ = 0;
  std::exception_ptr error_;  // the first exception a task of the current call threw
  std::atomic<int> next_{0};  // the next task to take
};

}  // namespace

void SetEngineThreads(int count) { Pool::Instance().SetThreads(count); }

int EngineThreads() { return Pool::Instance().Threads(); }

void RunTasks(int count, int threads, PoolTask task, void* context) {
  Pool::Instance().Run(count, threads, task, context);
}
