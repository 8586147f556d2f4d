// SIGTERM, SIGINT and SIGHUP (a logout, `kill`, Ctrl+C in the terminal that
// started the program) reach the event loop as a callback, so that the
// memory image is saved before the process ends, even in the middle of a run.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace ulvora {

class TerminationSignals final : public QObject {
    Q_OBJECT

  public:
    // Only one instance may exist: the signal handlers write to its pipe.
    explicit TerminationSignals(std::function<void()> onSignal);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

  private:
    std::function<void()> onSignal_;
    int pipe_[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace ulvora
