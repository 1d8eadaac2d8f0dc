#include "app/SingleInstance.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>
#include <QWidget>

namespace cvn {

namespace {

constexpr int kWakeTimeoutMs = 3000;
const char kWakeMessage[] = "show\n";

QString CanonicalFolder(const QString& folder) {
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QDir(folder).absolutePath()) : canonical;
}

} // namespace

TSingleInstance::TSingleInstance(const QString& folder) : Folder(CanonicalFolder(folder)) {}

TSingleInstance::~TSingleInstance() {
    if (Server) {
        Server->close();
    }
}

QString TSingleInstance::ServerName(const QString& folder) {
    const QByteArray hash =
        QCryptographicHash::hash(CanonicalFolder(folder).toUtf8(), QCryptographicHash::Sha256);
    return QStringLiteral("corvane38-") + QString::fromLatin1(hash.toHex().left(24));
}

QString TSingleInstance::LockFileName(const QString& folder) {
    return CanonicalFolder(folder) + QStringLiteral("/corvane38.lock");
}

bool TSingleInstance::Claim() {
    Lock = std::make_unique<QLockFile>(LockFileName(Folder));
    // Never stale by age: the program runs for days. A lock whose program has ended
    // (its process is gone) is still taken over.
    Lock->setStaleLockTime(0);
    if (!Lock->tryLock(0)) {
        if (Lock->error() != QLockFile::LockFailedError) {
            // A folder that cannot hold the lock cannot hold our files either.
            Lock.reset();
            return true;
        }
        // The running program may be starting: its socket comes up after its lock.
        WakeRunningProgram();
        return false;
    }
    Server = std::make_unique<QLocalServer>();
    Server->setSocketOptions(QLocalServer::UserAccessOption);
    const QString name = ServerName(Folder);
    // A socket left by a program that was killed; we hold the lock, so it is stale.
    QLocalServer::removeServer(name);
    if (Server->listen(name)) {
        QObject::connect(Server.get(), &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket* socket = Server->nextPendingConnection()) {
                QObject::connect(socket, &QLocalSocket::disconnected, socket,
                                 &QObject::deleteLater);
                if (OnWakeUp) {
                    OnWakeUp();
                }
            }
        });
    }
    return true;
}

bool TSingleInstance::WakeRunningProgram() const {
    const QString name = ServerName(Folder);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kWakeTimeoutMs) {
        QLocalSocket socket;
        socket.connectToServer(name);
        if (socket.waitForConnected(500)) {
            socket.write(kWakeMessage);
            socket.waitForBytesWritten(500);
            socket.disconnectFromServer();
            return true;
        }
        QThread::msleep(100);
    }
    return false;
}

void BringToFront(QWidget* window) {
    if (!window) {
        return;
    }
    if (window->isMinimized()) {
        window->showNormal();
    }
    window->raise();
    window->activateWindow();
    // A modal dialog in front of it is what the user must see first.
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != window) {
        modal->raise();
        modal->activateWindow();
    }
}

} // namespace cvn
