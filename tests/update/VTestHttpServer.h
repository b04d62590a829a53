// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QTcpServer>

class QTcpSocket;

// A loopback HTTP/1.1 server that plays every way a web server can answer, well or badly.
class VTestHttpServer : public QObject
{
    Q_OBJECT

public:
    enum class Mode
    {
        Normal,        // status, Content-Length, body
        NoLength,      // body ends when the connection closes
        CutOff,        // announces twice the body, sends the body, closes
        Stall,         // announces twice the body, sends the body, then says nothing more
        Silent,        // reads the request and never answers
        Hangup,        // closes the connection without a word
        Trickle,       // headers, then one byte every 100 ms, forever
        Endless,       // no length, data as fast as the client takes it, until it hangs up
        Huge,          // Content-Length of 1 GiB, made up as fast as the client takes it
        Chunked,       // chunked transfer with its closing chunk
        ChunkedCutOff, // chunked transfer of the first half, then closes
    };
    struct Route
    {
        int status = 200;
        QByteArray body;
        Mode mode = Mode::Normal;
    };

    explicit VTestHttpServer(QObject* pParent = nullptr);

    void setRoute(const QString& path, const Route& route);
    QString url(const QString& path) const;

    int requestCount(const QString& path) const { return m_requests.value(path); }
    // A header of the latest request for path, name in lower case.
    QByteArray lastHeader(const QString& path, const QByteArray& name) const;
    // Bytes written for path, summed over all its requests.
    qint64 bytesSent(const QString& path) const { return m_bytesSent.value(path); }

private:
    void onNewConnection();
    void onReadyRead(QTcpSocket* pSocket);
    void respond(QTcpSocket* pSocket, const QString& path, const Route& route);

    QTcpServer m_server;
    QHash<QString, Route> m_routes;
    QHash<QString, int> m_requests;
    QHash<QString, QHash<QByteArray, QByteArray>> m_headers;
    QHash<QString, qint64> m_bytesSent;
};
