// A classic run handed to a display on another thread: the names are gathered into whole
// rows of six and passed on in batches (every 200 names or 50 ms, whichever comes first),
// never more than one batch ahead of what the display has shown, each stamped with its run.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "generation/ClassicGeneration.h"

namespace qinghe {

// One hand-over: the rows and the high-scoring names of the same stretch of the run, so
// that both lists always show the same prefix of it.
struct NameBatch {
    std::uint64_t run = 0;
    std::vector<std::string> rows;          // padded rows of six (the run's last may be shorter)
    std::vector<GeneratedName> highScores;  // the names of these rows that reach the threshold
    int names = 0;
    bool last = false;  // the run's final batch; empty when the run was stopped
};

struct StreamLimits {
    int batchNames = 200;
    std::chrono::milliseconds batchTime{50};
};

class ClassicStream {
  public:
    // `deliver` runs on the worker thread and must hand the batch over without waiting
    // for it to be shown; the display answers with BatchShown().
    using Deliver = std::function<void(NameBatch&&)>;

    ClassicStream(ClassicSettings settings, std::uint64_t run, std::atomic<bool>& flag,
                  Deliver deliver, StreamLimits limits = {});

    // The worker's part: one classic run, ending with a batch marked last.
    void Run();
    // The display's part: the batch handed over last is on screen.
    void BatchShown();
    // Any thread: clears the flag; a worker waiting for the display wakes at once. What it
    // has gathered but not handed over is dropped.
    void Stop();

    std::uint64_t RunNumber() const { return m_run; }
    // Most batches handed over and not yet shown at one time (at most 1).
    int PeakPending() const;

  private:
    // Waits until the display has shown the previous batch; false when the run was stopped.
    bool WaitForDisplay();
    void Flush(bool last);

    const ClassicSettings m_settings;
    const std::uint64_t m_run;
    std::atomic<bool>& m_flag;
    const Deliver m_deliver;
    const StreamLimits m_limits;

    NameBatch m_batch;
    std::chrono::steady_clock::time_point m_batchStart;

    mutable std::mutex m_mutex;
    std::condition_variable m_shown;
    int m_pending = 0;  // [0, 1]
    int m_peak = 0;
};

}  // namespace qinghe
