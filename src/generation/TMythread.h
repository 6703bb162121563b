// The classic-generation worker: runs one classic generation on its own thread from a
// snapshot of the naming page, and hands every row and high-scoring name to the window's
// thread by value, in order (queued signals).
#pragma once

#include <QThread>
#include <atomic>

#include "generation/ClassicGeneration.h"

class TMythread : public QThread {
    Q_OBJECT
public:
    TMythread(qinghe::ClassicSettings settings, const std::atomic<bool>& generationFlag,
              QObject* parent = nullptr);

signals:
    void firstName();
    void rowReady(const QString& row);
    void highScore(const QString& name);

protected:
    void run() override;

private:
    const qinghe::ClassicSettings m_settings;
    const std::atomic<bool>& m_flag;
};
