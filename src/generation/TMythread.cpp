// The classic-generation worker thread.
#include "generation/TMythread.h"

#include "refdata/ReferenceDb.h"

TMythread::TMythread(qinghe::ClassicSettings settings, const std::atomic<bool>& generationFlag,
                     QObject* parent)
    : QThread(parent), m_settings(std::move(settings)), m_flag(generationFlag) {}

void TMythread::run() {
    bool first = true;
    qinghe::ClassicSink sink;
    sink.name = [&](const std::string&) {
        if (first) emit firstName();
        first = false;
    };
    sink.row = [this](const std::string& row) { emit rowReady(QString::fromStdString(row)); };
    sink.highScore = [this](const std::string& name) { emit highScore(QString::fromStdString(name)); };
    qinghe::RunClassicGeneration(m_settings, m_flag, sink);
    // This thread's reference connections end with it.
    qinghe::CloseReferenceConnections();
}
