#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM and SIGINT into a Qt signal on the UI thread, so that the program can close in
// order (saving what open windows hold) instead of dying where it stands. One per process.
class TTerminationSignals : public QObject {
    Q_OBJECT
  public:
    explicit TTerminationSignals(QObject* parent = nullptr);
    ~TTerminationSignals() override;

  signals:
    void terminationRequested();

  private:
    QSocketNotifier* notifier_ = nullptr;
};
