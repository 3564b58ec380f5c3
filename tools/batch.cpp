#include "tools/batch.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <exception>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace tavrin::tools {
namespace {

class ProgressLine {
  public:
    ProgressLine(bool shown, std::size_t total) : shown_(shown), total_(total) {}

    void Show(std::size_t done) {
        if (shown_) {
            std::fprintf(stderr, "\r%zu of %zu sources", done, total_);
            std::fflush(stderr);
            visible_ = true;
        }
    }

    // Before anything else goes to stderr or the run ends.
    void Clear() {
        if (visible_) {
            std::fputs("\r\033[K", stderr);
            visible_ = false;
        }
    }

  private:
    bool shown_;
    std::size_t total_;
    bool visible_ = false;
};

}  // namespace

void RunInOrder(std::size_t count, const std::function<SourceReport(std::size_t)>& work,
                const std::function<void(SourceReport&)>& deliver, bool progress) {
    std::vector<std::optional<SourceReport>> results(count);
    std::mutex mutex;
    std::condition_variable finished;
    std::atomic<std::size_t> next{0};

    // Each worker opens its own sources: engine objects are not shared.
    const auto worker = [&] {
        for (std::size_t i = next++; i < count; i = next++) {
            SourceReport report;
            try {
                report = work(i);
            } catch (const std::exception& error) {
                report.errors = std::string("tavrin-extract: ") + error.what() + "\n";
                report.failed = 1;
            }
            std::lock_guard lock(mutex);
            results[i] = std::move(report);
            finished.notify_one();
        }
    };
    const std::size_t threads =
        std::min<std::size_t>(count, std::max(1u, std::thread::hardware_concurrency()));
    std::vector<std::jthread> pool;
    for (std::size_t t = 0; t < threads; ++t) {
        pool.emplace_back(worker);
    }

    ProgressLine line(progress && count > 1, count);
    for (std::size_t i = 0; i < count; ++i) {
        std::unique_lock lock(mutex);
        finished.wait(lock, [&] { return results[i].has_value(); });
        SourceReport report = std::move(*results[i]);
        results[i].reset();
        lock.unlock();
        line.Clear();
        deliver(report);
        line.Show(i + 1);
    }
    line.Clear();
}

}  // namespace tavrin::tools
