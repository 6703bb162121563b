// The batched hand-over of a classic run from a worker thread to a display thread: the
// same names as a run on one thread, whole rows with their high scores, one batch ahead at
// most, a prompt stop that shows nothing gathered after it, on the real reference files.
#include <gtest/gtest.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "generation/ClassicStream.h"
#include "refdata/ReferenceDb.h"
#include "refdata/TestFixture.h"

namespace qinghe {
namespace {

// The display's side: batches arrive from the worker and are taken one at a time.
class Display {
  public:
    void Deliver(NameBatch&& batch) {
        {
            std::lock_guard lock(m_mutex);
            m_queue.push_back(std::move(batch));
            m_maxQueued = std::max(m_maxQueued, m_queue.size());
        }
        m_arrived.notify_one();
    }
    NameBatch Take() {
        std::unique_lock lock(m_mutex);
        m_arrived.wait(lock, [this] { return !m_queue.empty(); });
        NameBatch batch = std::move(m_queue.front());
        m_queue.pop_front();
        return batch;
    }
    std::size_t MaxQueued() {
        std::lock_guard lock(m_mutex);
        return m_maxQueued;
    }

  private:
    std::mutex m_mutex;
    std::condition_variable m_arrived;
    std::deque<NameBatch> m_queue;
    std::size_t m_maxQueued = 0;
};

// What a run on one thread gives, for comparison.
struct Sequential {
    std::vector<std::string> rows;
    std::vector<GeneratedName> highScores;
};

class ClassicStreamTest : public ::testing::Test {
  protected:
    ClassicSettings Settings(const std::string& surname, bool boy = true) {
        ClassicSettings s = AutomaticSettings(surname, boy, true);
        s.highScoreText = "90";
        return s;
    }
    static Sequential RunOnOneThread(const ClassicSettings& s) {
        Sequential out;
        std::atomic<bool> flag{true};
        ClassicSink sink;
        sink.row = [&](const std::string& r) { out.rows.push_back(r); };
        sink.highScore = [&](const GeneratedName& n) { out.highScores.push_back(n); };
        RunClassicGeneration(s, flag, sink);
        return out;
    }
    test::ScopedProgramFolder m_folder{QINGHE_BIN_DIR};
};

int NamesInRow(const std::string& row) {
    int names = 0;
    for (std::size_t at = 0; (at = row.find('(', at)) != std::string::npos; ++at) ++names;
    return names;
}

TEST_F(ClassicStreamTest, ShowsTheRunOfOneThreadInWholeRows) {
    const ClassicSettings s = Settings("李", false);
    const Sequential expected = RunOnOneThread(s);
    ASSERT_GT(expected.rows.size(), 100u);

    std::atomic<bool> flag{true};
    Display display;
    ClassicStream stream(s, 7, flag, [&](NameBatch&& b) { display.Deliver(std::move(b)); });
    std::thread worker([&] {
        stream.Run();
        CloseReferenceConnections();
    });
    Sequential shown;
    int batches = 0;
    for (bool last = false; !last;) {
        const NameBatch b = display.Take();
        last = b.last;
        ++batches;
        EXPECT_EQ(b.run, 7u);
        int names = 0;
        for (const std::string& row : b.rows) names += NamesInRow(row);
        EXPECT_EQ(names, b.names);
        // Whole rows only, but for the run's last; no more than a row past the count limit.
        if (!b.last) {
            EXPECT_EQ(b.names % 6, 0) << b.names;
        }
        EXPECT_LE(b.names, 200 + 5);
        // The high scores belong to this batch's rows.
        for (const GeneratedName& high : b.highScores) {
            bool inRows = false;
            for (const std::string& row : b.rows)
                inRows |= row.find(high.Text()) != std::string::npos;
            EXPECT_TRUE(inRows) << high.Text();
        }
        shown.rows.insert(shown.rows.end(), b.rows.begin(), b.rows.end());
        shown.highScores.insert(shown.highScores.end(), b.highScores.begin(), b.highScores.end());
        stream.BatchShown();
    }
    worker.join();
    EXPECT_EQ(shown.rows, expected.rows);
    EXPECT_EQ(shown.highScores, expected.highScores);
    EXPECT_GT(batches, 10);
    // Never a second batch before the first was shown.
    EXPECT_EQ(stream.PeakPending(), 1);
    EXPECT_EQ(display.MaxQueued(), 1u);
}

TEST_F(ClassicStreamTest, BatchesCloseOnTimeOrCount) {
    const ClassicSettings s = Settings("王");
    for (const StreamLimits limits : {StreamLimits{12, std::chrono::hours(1)},
                                      StreamLimits{1 << 30, std::chrono::milliseconds(0)}}) {
        std::atomic<bool> flag{true};
        Display display;
        ClassicStream stream(
            s, 1, flag, [&](NameBatch&& b) { display.Deliver(std::move(b)); }, limits);
        std::thread worker([&] {
            stream.Run();
            CloseReferenceConnections();
        });
        const int expected = limits.batchNames == 12 ? 12 : 6;
        for (int i = 0; i < 20; ++i) {
            const NameBatch b = display.Take();
            ASSERT_FALSE(b.last);
            EXPECT_EQ(b.names, expected);
            EXPECT_EQ(static_cast<int>(b.rows.size()), expected / 6);
            stream.BatchShown();
        }
        stream.Stop();
        while (!display.Take().last) {
        }
        worker.join();
    }
}

TEST_F(ClassicStreamTest, StopShowsAtMostOneFurtherBatch) {
    // Stopped while the display is busy with a batch, and while the worker waits for the
    // display: either way nothing gathered after the stop arrives, and the run ends with an
    // empty last batch.
    for (const bool showBeforeStop : {true, false}) {
        std::atomic<bool> flag{true};
        Display display;
        ClassicStream stream(Settings("张"), 3, flag,
                             [&](NameBatch&& b) { display.Deliver(std::move(b)); });
        std::thread worker([&] {
            stream.Run();
            CloseReferenceConnections();
        });
        for (int i = 0; i < 3; ++i) {
            ASSERT_FALSE(display.Take().last);
            stream.BatchShown();
        }
        const NameBatch atStop = display.Take();
        if (showBeforeStop) stream.BatchShown();
        stream.Stop();
        EXPECT_FALSE(flag.load());
        int furtherWithNames = 0;
        NameBatch b;
        do {
            b = display.Take();
            if (b.names > 0) ++furtherWithNames;
            EXPECT_EQ(b.run, 3u);
        } while (!b.last);
        worker.join();
        EXPECT_LE(furtherWithNames, showBeforeStop ? 1 : 0);
        EXPECT_EQ(b.names, 0);
        EXPECT_TRUE(b.rows.empty());
        EXPECT_TRUE(b.highScores.empty());
    }
}

}  // namespace
}  // namespace qinghe
