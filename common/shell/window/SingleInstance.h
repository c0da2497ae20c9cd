#pragma once
// Only one instance of a program runs per user. The first start listens on a
// local socket named after the main window's caption; a later start connects,
// asks the first to restore and raise its window, and ends.

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace shell {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& caption, QObject* parent = nullptr);

    // The per-user socket name for a window caption.
    static QString SocketName(const QString& caption);

    // True when another instance answered and was asked to show its window:
    // this process should end without a window.
    bool activateRunning(int timeoutMs = 1000);
    // Starts listening; false when the name could not be taken.
    bool listen();

signals:
    // Another start asked for the window.
    void activationRequested();

private:
    QString name_;
    QLocalServer server_;
};

}  // namespace shell
