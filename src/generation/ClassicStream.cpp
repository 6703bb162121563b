// Batches of a classic run, with one batch of back-pressure between worker and display.
#include "generation/ClassicStream.h"

#include <algorithm>
#include <utility>

namespace qinghe {

namespace {

NameBatch EmptyBatch(std::uint64_t run, bool last = false) {
    NameBatch batch;
    batch.run = run;
    batch.last = last;
    return batch;
}

}  // namespace

ClassicStream::ClassicStream(ClassicSettings settings, std::uint64_t run, std::atomic<bool>& flag,
                             Deliver deliver, StreamLimits limits)
    : m_settings(std::move(settings)),
      m_run(run),
      m_flag(flag),
      m_deliver(std::move(deliver)),
      m_limits(limits) {}

void ClassicStream::Run() {
    m_batch = EmptyBatch(m_run);
    m_batchStart = std::chrono::steady_clock::now();
    ClassicSink sink;
    sink.name = [this](const GeneratedName&) { ++m_batch.names; };
    sink.highScore = [this](const GeneratedName& name) { m_batch.highScores.push_back(name); };
    // A batch closes only after a whole row, so rows and high scores cover the same names.
    sink.row = [this](const std::string& row) {
        m_batch.rows.push_back(row);
        if (m_batch.names >= m_limits.batchNames ||
            std::chrono::steady_clock::now() - m_batchStart >= m_limits.batchTime)
            Flush(false);
    };
    RunClassicGeneration(m_settings, m_flag, sink);
    Flush(true);
}

bool ClassicStream::WaitForDisplay() {
    std::unique_lock lock(m_mutex);
    m_shown.wait(lock, [this] { return m_pending == 0 || !m_flag.load(); });
    if (!m_flag.load()) return false;
    m_pending = 1;
    m_peak = std::max(m_peak, m_pending);
    return true;
}

void ClassicStream::Flush(bool last) {
    NameBatch batch = std::exchange(m_batch, EmptyBatch(m_run));
    m_batchStart = std::chrono::steady_clock::now();
    if (!WaitForDisplay()) {
        // Stopped: nothing gathered after the stop is shown; the display still learns
        // that the run is over.
        if (last) m_deliver(EmptyBatch(m_run, true));
        return;
    }
    batch.last = last;
    m_deliver(std::move(batch));
}

void ClassicStream::BatchShown() {
    {
        std::lock_guard lock(m_mutex);
        m_pending = 0;
    }
    m_shown.notify_all();
}

void ClassicStream::Stop() {
    {
        std::lock_guard lock(m_mutex);
        m_flag = false;
    }
    m_shown.notify_all();
}

int ClassicStream::PeakPending() const {
    std::lock_guard lock(m_mutex);
    return m_peak;
}

}  // namespace qinghe
