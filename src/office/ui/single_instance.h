#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace bunrako {

// Lets one copy of the program run per user. The first copy listens on a
// local socket; a later copy finds it there, asks it to come to the front
// and ends.
class SingleInstance : public QObject {
    Q_OBJECT
  public:
    explicit SingleInstance(QString serverName, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this is the first copy (it now listens). False when another
    // copy answered; it has been asked to come to the front.
    bool start();

    // The per-user name of the program's socket.
    static QString defaultServerName();

  signals:
    // Another copy was started and ended itself.
    void activationRequested();

  private:
    bool askRunningCopy();
    bool listen();
    void onNewConnection();

    QString m_serverName;
    QLocalServer* m_server = nullptr;
};

}  // namespace bunrako
