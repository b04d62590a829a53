// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VTestHttpServer.h"

#include <QTcpSocket>
#include <QTimer>

VTestHttpServer::VTestHttpServer(QObject* pParent) : QObject(pParent), m_server(this)
{
    m_server.listen(QHostAddress::LocalHost);
    connect(&m_server, &QTcpServer::newConnection, this, &VTestHttpServer::onNewConnection);
}

void VTestHttpServer::setRoute(const QString& path, const Route& route)
{
    m_routes.insert(path, route);
}

QString VTestHttpServer::url(const QString& path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
}

QByteArray VTestHttpServer::lastHeader(const QString& path, const QByteArray& name) const
{
    return m_headers.value(path).value(name);
}

void VTestHttpServer::onNewConnection()
{
    while (QTcpSocket* pSocket = m_server.nextPendingConnection()) {
        connect(pSocket, &QTcpSocket::readyRead, this, [this, pSocket] { onReadyRead(pSocket); });
        connect(pSocket, &QTcpSocket::disconnected, pSocket, &QObject::deleteLater);
    }
}

void VTestHttpServer::onReadyRead(QTcpSocket* pSocket)
{
    QByteArray request = pSocket->property("request").toByteArray() + pSocket->readAll();
    pSocket->setProperty("request", request);
    const qsizetype end = request.indexOf("\r\n\r\n");
    if (end < 0 || pSocket->property("answered").toBool())
        return;
    pSocket->setProperty("answered", true);

    const QList<QByteArray> lines = request.left(end).split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    const QString path = QString::fromLatin1(requestLine.value(1));
    QHash<QByteArray, QByteArray> headers;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines.at(i).indexOf(':');
        if (colon > 0)
            headers.insert(lines.at(i).left(colon).trimmed().toLower(),
                           lines.at(i).mid(colon + 1).trimmed());
    }
    m_requests[path] += 1;
    m_headers.insert(path, headers);

    const auto route = m_routes.constFind(path);
    respond(pSocket, path,
            route == m_routes.constEnd() ? Route{404, "not here", Mode::Normal} : *route);
}

void VTestHttpServer::respond(QTcpSocket* pSocket, const QString& path, const Route& route)
{
    const auto send = [this, pSocket, path](const QByteArray& bytes) {
        m_bytesSent[path] += bytes.size();
        pSocket->write(bytes);
    };
    QByteArray head = "HTTP/1.1 " + QByteArray::number(route.status) +
                      (route.status < 400 ? " OK" : " Failed") + "\r\nConnection: close\r\n";

    switch (route.mode) {
    case Mode::Silent:
        return;
    case Mode::Hangup:
        pSocket->disconnectFromHost();
        return;
    case Mode::Normal:
        send(head + "Content-Length: " + QByteArray::number(route.body.size()) + "\r\n\r\n" +
             route.body);
        pSocket->disconnectFromHost();
        return;
    case Mode::NoLength:
        send(head + "\r\n" + route.body);
        pSocket->disconnectFromHost();
        return;
    case Mode::CutOff:
    case Mode::Stall:
        send(head + "Content-Length: " + QByteArray::number(route.body.size() * 2) + "\r\n\r\n" +
             route.body);
        if (route.mode == Mode::CutOff)
            pSocket->disconnectFromHost();
        return;
    case Mode::Chunked:
    case Mode::ChunkedCutOff: {
        const qsizetype half = route.body.size() / 2;
        const auto chunk = [](const QByteArray& bytes) {
            return QByteArray::number(bytes.size(), 16) + "\r\n" + bytes + "\r\n";
        };
        QByteArray bytes =
            head + "Transfer-Encoding: chunked\r\n\r\n" + chunk(route.body.left(half));
        if (route.mode == Mode::Chunked)
            bytes += chunk(route.body.mid(half)) + "0\r\n\r\n";
        send(bytes);
        pSocket->disconnectFromHost();
        return;
    }
    case Mode::Trickle: {
        send(head + "\r\n");
        auto* pTimer = new QTimer(pSocket);
        connect(pTimer, &QTimer::timeout, pSocket, [send] { send("<"); });
        pTimer->start(100);
        return;
    }
    case Mode::Endless:
    case Mode::Huge: {
        send(head + (route.mode == Mode::Huge ? "Content-Length: 1073741824\r\n\r\n" : "\r\n"));
        const QByteArray chunk(64 * 1024, 'x');
        // Bounded all the same, so a client that never stops reading cannot fill the disk.
        const auto end = m_bytesSent.value(path) + (route.mode == Mode::Huge ? 1 << 30 : 256 << 20);
        connect(pSocket, &QTcpSocket::bytesWritten, pSocket, [=] {
            if (pSocket->bytesToWrite() < chunk.size() && m_bytesSent.value(path) < end)
                send(chunk);
        });
        send(chunk);
        return;
    }
    }
}
