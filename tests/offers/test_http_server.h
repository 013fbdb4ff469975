#pragma once

#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

#include <utility>

namespace plenwick::testing_support {

// A small HTTP server on 127.0.0.1 for the tests, which can also misbehave.
class TestHttpServer {
public:
    enum class Mode {
        Answer,  // status and body, then close
        Stall,   // read the request and never answer
        Hold,    // answer only when release() is called
        Trickle, // status at once, then the body one byte every 20 ms, never closing
        Endless, // status, then the body over and over, as fast as it goes, without end
    };

    struct Route {
        int status = 200;
        QByteArray body;
        Mode mode = Mode::Answer;
    };

    TestHttpServer()
    {
        m_server.listen(QHostAddress::LocalHost);
        QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection())
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { readRequest(socket); });
        });
    }

    void route(const QString& path, const Route& response) { m_routes.insert(path, response); }

    QUrl url(const QString& path = {}) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path));
    }

    int requests(const QString& path) const { return m_requests.value(path); }

    // Answers the requests that were held back.
    void release()
    {
        for (const auto& [socket, path] : std::exchange(m_held, {}))
            if (socket)
                answer(socket, m_routes.value(path));
    }

private:
    void readRequest(QTcpSocket* socket)
    {
        // The request stays waiting in the socket until its head is whole.
        if (!socket->peek(1 << 16).contains("\r\n\r\n"))
            return;
        const QString path = QString::fromLatin1(socket->readAll().split(' ').value(1));
        ++m_requests[path];
        const Route response = m_routes.value(path, Route{404, "not here"});
        if (response.mode == Mode::Hold)
            m_held.append({socket, path});
        else if (response.mode != Mode::Stall)
            answer(socket, response);
    }

    void answer(QTcpSocket* socket, const Route& response)
    {
        // Without a length, the body ends when the connection does.
        const QByteArray lengthLine = "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
        socket->write("HTTP/1.1 " + QByteArray::number(response.status) + " Test\r\nConnection: close\r\n" +
                      (response.mode == Mode::Endless ? QByteArray() : lengthLine) + "\r\n");
        if (response.mode == Mode::Trickle) {
            auto* timer = new QTimer(socket);
            QObject::connect(timer, &QTimer::timeout, socket,
                             [socket, body = response.body, at = 0]() mutable { socket->write(body.mid(at++, 1)); });
            timer->start(20);
        } else if (response.mode == Mode::Endless) {
            // The body again whenever the last was sent: a little always waits in the socket.
            QObject::connect(socket, &QTcpSocket::bytesWritten, socket,
                             [socket, body = response.body] { socket->write(body); });
        } else {
            socket->write(response.body);
            socket->disconnectFromHost();
        }
    }

    QTcpServer m_server;
    QHash<QString, Route> m_routes;
    QHash<QString, int> m_requests;
    QList<std::pair<QPointer<QTcpSocket>, QString>> m_held;
};

} // namespace plenwick::testing_support
