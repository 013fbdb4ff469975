#pragma once

#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
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
        return QUrl("http://127.0.0.1:" + QString::number(m_server.serverPort()) + path);
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
        // No length: the body ends when the connection does.
        socket->write("HTTP/1.1 " + QByteArray::number(response.status) + " Test\r\nConnection: close\r\n\r\n" +
                      response.body);
        if (response.mode == Mode::Endless) // the body again whenever the last was sent: a little always waits
            QObject::connect(socket, &QTcpSocket::bytesWritten, socket,
                             [socket, body = response.body] { socket->write(body); });
        else
            socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QHash<QString, Route> m_routes;
    QHash<QString, int> m_requests;
    QList<std::pair<QPointer<QTcpSocket>, QString>> m_held;
};

} // namespace plenwick::testing_support
