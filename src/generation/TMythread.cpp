// The classic-generation worker thread.
#include "generation/TMythread.h"

#include "refdata/ReferenceDb.h"

TMythread::TMythread(qinghe::ClassicSettings settings, std::uint64_t run,
                     std::atomic<bool>& generationFlag, QObject* parent)
    : QThread(parent),
      m_stream(std::move(settings), run, generationFlag,
               [this](qinghe::NameBatch&& batch) { emit batchReady(batch); }) {
    qRegisterMetaType<qinghe::NameBatch>();
}

void TMythread::run() {
    m_stream.Run();
    // This thread's reference connections end with it.
    qinghe::CloseReferenceConnections();
}
