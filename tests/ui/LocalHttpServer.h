#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>

#include <functional>

namespace cvn::test {

// A small HTTP server on 127.0.0.1 for download tests: no test may need the internet.
// It answers every request the same way, as set in Reply.
class TLocalHttpServer {
public:
    enum class TReply {
        Ok,        // 200 with Body
        NotFound,  // 404 with a short page
        Truncated, // 200 announcing more than Body, then the connection closes
        Silent,    // reads the request and never answers
    };

    TReply Reply = TReply::Ok;
    QByteArray Body = "installer bytes";
    // The request lines received ("GET /path HTTP/1.1").
    QList<QByteArray> Requests;
    // Runs when a request has arrived, before the answer goes out.
    std::function<void()> OnRequest;

    TLocalHttpServer() {
        Server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&Server, &QTcpServer::newConnection, [this] { Accept(); });
    }

    QString Url(const QString& path) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(Server.serverPort()).arg(path);
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
        Requests << pending.left(pending.indexOf("\r\n"));
        Pending.remove(socket);
        if (OnRequest) {
            OnRequest();
        }
        switch (Reply) {
        case TReply::Ok:
            Send(socket, "200 OK", Body, Body.size());
            break;
        case TReply::NotFound:
            Send(socket, "404 Not Found", "<html>no such file</html>", 25);
            break;
        case TReply::Truncated:
            Send(socket, "200 OK", Body, Body.size() * 10);
            break;
        case TReply::Silent:
            return;
        }
        socket->disconnectFromHost();
    }

    static void Send(QTcpSocket* socket, const char* status, const QByteArray& body,
                     qsizetype announced) {
        socket->write(QByteArray("HTTP/1.1 ") + status +
                      "\r\nContent-Type: " + "application/octet-stream\r\nContent-Length: " +
                      QByteArray::number(announced) + "\r\nConnection: close\r\n\r\n" + body);
        socket->flush();
    }

    QTcpServer Server;
    QHash<QTcpSocket*, QByteArray> Pending;
};

} // namespace cvn::test
