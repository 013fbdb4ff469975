#pragma once

#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
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
        Trickle,    // status at once, then the body one byte every 20 ms
        Endless,    // status, then the body over and over, as fast as it goes, without end
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

    // Bytes handed to the network by the endless answers so far.
    qint64 served() const { return m_served; }

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
        case Mode::Trickle: trickle(socket, response); break;
        case Mode::Endless: endless(socket, response); break;
        }
    }

    static void answer(QTcpSocket* socket, const Route& response)
    {
        socket->write(answerOf(response));
        socket->disconnectFromHost();
    }

    static void trickle(QTcpSocket* socket, const Route& response)
    {
        socket->write(answerOf({response.status, {}})
                          .replace("Length: 0", "Length: " + QByteArray::number(response.body.size())));
        auto* timer = new QTimer(socket);
        QObject::connect(timer, &QTimer::timeout, socket, [socket, bytes = response.body, at = 0]() mutable {
            socket->write(bytes.mid(at++, 1));
            if (at == bytes.size())
                socket->disconnectFromHost();
        });
        timer->start(20);
    }

    // Keeps a little waiting in the socket, topped up whenever it is sent.
    void endless(QTcpSocket* socket, const Route& response)
    {
        socket->write("HTTP/1.1 " + QByteArray::number(response.status) + " Test\r\nConnection: close\r\n\r\n");
        const QByteArray chunk = response.body.repeated(64 * 1024 / response.body.size() + 1);
        QObject::connect(socket, &QTcpSocket::bytesWritten, socket, [this, socket, chunk](qint64 sent) {
            m_served += sent;
            if (socket->bytesToWrite() < chunk.size())
                socket->write(chunk);
        });
    }

    static QByteArray answerOf(const Route& response)
    {
        return "HTTP/1.1 " + QByteArray::number(response.status) +
               " Test\r\nContent-Length: " + QByteArray::number(response.body.size()) +
               "\r\nConnection: close\r\n\r\n" + response.body;
    }

    QTcpServer m_server;
    qint64 m_served = 0;
    QHash<QString, Route> m_routes;
    QHash<QString, int> m_requests;
    QHash<QTcpSocket*, QByteArray> m_pending;
    QList<std::pair<QPointer<QTcpSocket>, QString>> m_held;
};

} // namespace plenwick::testing_support
