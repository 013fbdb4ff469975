#pragma once

#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

namespace plenwick::testing_support {

// A small HTTP server on 127.0.0.1 for the tests, which can also misbehave.
class TestHttpServer {
public:
    enum class Mode {
        Answer,     // status and body, then close
        Stall,      // read the request and never answer
        CloseEarly, // promise more body than is sent, then close
        Hold,       // answer only when release() is called
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
        for (const auto& [socket, path] : std::as_const(m_held)) {
            if (socket)
                answer(socket, m_routes.value(path));
        }
        m_held.clear();
    }

private:
    void readRequest(QTcpSocket* socket)
    {
        QByteArray& request = m_pending[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n"))
            return;
        const QString path = QString::fromLatin1(request.split(' ').value(1));
        m_pending.remove(socket);
        ++m_requests[path];

        const Route response = m_routes.value(path, Route{404, "not here"});
        switch (response.mode) {
        case Mode::Answer: answer(socket, response); break;
        case Mode::Stall: break;
        case Mode::CloseEarly:
            socket->write("HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(response.body.size() + 500) +
                          "\r\n\r\n" + response.body);
            socket->flush();
            socket->disconnectFromHost();
            break;
        case Mode::Hold: m_held.append({QPointer<QTcpSocket>(socket), path}); break;
        }
    }

    static void answer(QTcpSocket* socket, const Route& response)
    {
        socket->write("HTTP/1.1 " + QByteArray::number(response.status) + " Test\r\nContent-Length: " +
                      QByteArray::number(response.body.size()) + "\r\nConnection: close\r\n\r\n" + response.body);
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QHash<QString, Route> m_routes;
    QHash<QString, int> m_requests;
    QHash<QTcpSocket*, QByteArray> m_pending;
    QList<std::pair<QPointer<QTcpSocket>, QString>> m_held;
};

} // namespace plenwick::testing_support
