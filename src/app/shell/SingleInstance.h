// SingleInstance: one running program per desktop user. A later start finds the first through
// a local socket named for the user, asks it to come forward, and ends.
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace orvanta::app {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // The socket name of this desktop user's program.
    static QString DefaultName();

    explicit SingleInstance(QString name, QObject* parent = nullptr);
    // True when a running instance answered; it has been asked to come forward.
    bool AskRunningInstance();
    // Waits for later starts; false when the name cannot be taken.
    bool Listen();

signals:
    // A later start asked this instance to come forward.
    void Activated();

private:
    QString m_name;
    QLocalServer* m_server = nullptr;
};

}  // namespace orvanta::app
