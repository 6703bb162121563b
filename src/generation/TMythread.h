// The classic-generation worker: runs one classic run on its own thread from a snapshot of
// the naming page and hands its batches to the window's thread by value, in order (queued
// signal), one batch ahead of the screen at most.
#pragma once

#include <QThread>
#include <atomic>
#include <cstdint>

#include "generation/ClassicStream.h"

Q_DECLARE_METATYPE(qinghe::NameBatch)

class TMythread : public QThread {
    Q_OBJECT
  public:
    TMythread(qinghe::ClassicSettings settings, std::uint64_t run,
              std::atomic<bool>& generationFlag, QObject* parent = nullptr);

    std::uint64_t RunNumber() const { return m_stream.RunNumber(); }
    // The window has shown the batch it received last.
    void BatchShown() { m_stream.BatchShown(); }
    // Clears the generation flag and wakes the worker if it waits for the window.
    void Stop() { m_stream.Stop(); }
    int PeakPending() const { return m_stream.PeakPending(); }

  signals:
    void batchReady(const qinghe::NameBatch& batch);

  protected:
    void run() override;

  private:
    qinghe::ClassicStream m_stream;
};
