#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <functional>
#include <memory>

namespace cvn::test {

// A small HTTP server on 127.0.0.1 for download tests: no test may need the internet.
// Each path may have its own answer; any other path gets the one set in Reply, Body
// and Location.
class TLocalHttpServer {
public:
    enum class TReply {
        Ok,        // 200 with Body
        NotFound,  // 404 with a short page
        Truncated, // 200 announcing more than Body, then the connection closes
        Silent,    // reads the request and never answers
        Endless,   // 200 without a length, then bytes for as long as the client reads
        Trickle,   // 200 announcing Body, then one byte of it every TrickleMilliseconds
        Redirect,  // 302 to Location
    };

    struct TAnswer {
        TReply Reply = TReply::Ok;
        QByteArray Body;
        QByteArray Location;
    };

    TReply Reply = TReply::Ok;
    QByteArray Body = "installer bytes";
    QByteArray Location;
    // Answers by path ("/corvane.exe.sig").
    QHash<QByteArray, TAnswer> Answers;
    int TrickleMilliseconds = 2000;
    // The request lines received ("GET /path HTTP/1.1").
    QList<QByteArray> Requests;
    // Runs when a request has arrived, before the answer goes out.
    std::function<void()> OnRequest;

    // Another loopback address (127.0.0.2) stands for a host elsewhere.
    explicit TLocalHttpServer(const QHostAddress& address = QHostAddress(QHostAddress::LocalHost)) {
        Server.listen(address, 0);
        QObject::connect(&Server, &QTcpServer::newConnection, [this] { Accept(); });
    }

    QString Url(const QString& path) const {
        return QStringLiteral("http://%1:%2%3")
            .arg(Server.serverAddress().toString())
            .arg(Server.serverPort())
            .arg(path);
    }

    // An address on 127.0.0.1 where nobody listens.
    static QString RefusedUrl() {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        const quint16 port = probe.serverPort();
        probe.close();
        return QStringLiteral("http://127.0.0.1:%1/corvane.exe").arg(port);
    }

private:
    void Accept() {
        while (QTcpSocket* socket = Server.nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::readyRead, socket,
                             [this, socket] { Read(socket); });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    }

    void Read(QTcpSocket* socket) {
        QByteArray& pending = Pending[socket];
        pending += socket->readAll();
        if (!pending.contains("\r\n\r\n")) {
            return;
        }
        const QByteArray line = pending.left(pending.indexOf("\r\n"));
        Requests << line;
        Pending.remove(socket);
        if (OnRequest) {
            OnRequest();
        }
        const QByteArray path = line.split(' ').value(1);
        const TAnswer answer = Answers.value(path, TAnswer{Reply, Body, Location});
        switch (answer.Reply) {
        case TReply::Ok:
            Send(socket, "200 OK", answer.Body, answer.Body.size());
            break;
        case TReply::NotFound:
            Send(socket, "404 Not Found", "<html>no such file</html>", 25);
            break;
        case TReply::Truncated:
            Send(socket, "200 OK", answer.Body, answer.Body.size() * 10);
            break;
        case TReply::Silent:
            return;
        case TReply::Endless:
            SendEndless(socket);
            return;
        case TReply::Trickle:
            SendTrickle(socket, answer.Body);
            return;
        case TReply::Redirect:
            socket->write("HTTP/1.1 302 Found\r\nLocation: " + answer.Location +
                          "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
            socket->flush();
            break;
        }
        socket->disconnectFromHost();
    }

    static QByteArray Headers(const char* status) {
        return QByteArray("HTTP/1.1 ") + status +
               "\r\nContent-Type: application/octet-stream\r\nConnection: close\r\n";
    }

    static void Send(QTcpSocket* socket, const char* status, const QByteArray& body,
                     qsizetype announced) {
        socket->write(Headers(status) + "Content-Length: " + QByteArray::number(announced) +
                      "\r\n\r\n" + body);
        socket->flush();
    }

    // Refills whatever the client has taken, until it goes.
    static void SendEndless(QTcpSocket* socket) {
        socket->write(Headers("200 OK") + "\r\n");
        const QByteArray chunk(64 * 1024, 'e');
        auto refill = [socket, chunk] {
            while (socket->state() == QAbstractSocket::ConnectedState &&
                   socket->bytesToWrite() < 4 * chunk.size() && socket->write(chunk) > 0) {
            }
        };
        QObject::connect(socket, &QTcpSocket::bytesWritten, socket, refill);
        refill();
    }

    void SendTrickle(QTcpSocket* socket, const QByteArray& body) const {
        socket->write(Headers("200 OK") + "Content-Length: " + QByteArray::number(body.size()) +
                      "\r\n\r\n");
        auto* timer = new QTimer(socket);
        auto sent = std::make_shared<qsizetype>(0);
        QObject::connect(timer, &QTimer::timeout, socket, [socket, timer, body, sent] {
            if (*sent < body.size()) {
                socket->write(body.mid(*sent, 1));
                ++*sent;
            } else {
                timer->stop();
                socket->disconnectFromHost();
            }
        });
        timer->start(TrickleMilliseconds);
    }

    QTcpServer Server;
    QHash<QTcpSocket*, QByteArray> Pending;
};

} // namespace cvn::test
