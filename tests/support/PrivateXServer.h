#pragma once

#include <QProcess>
#include <QString>

// An X server of the test's own (Xvfb), on a display number the server picks, for what only a
// real display shows: window properties, the window manager's requests.
class PrivateXServer {
  public:
    PrivateXServer() {
        server_.start(QStringLiteral("Xvfb"),
                      {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                       QStringLiteral("0"), QStringLiteral("1280x800x24"),
                       QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        // The server writes its display number once it accepts connections.
        QByteArray number;
        while (!number.contains('\n') && server_.waitForReadyRead(30000))
            number += server_.readAllStandardOutput();
        if (number.contains('\n'))
            display_ = QLatin1Char(':') + QString::fromLatin1(number.trimmed());
    }
    ~PrivateXServer() {
        server_.terminate();
        server_.waitForFinished(10000);
    }
    PrivateXServer(const PrivateXServer&) = delete;
    PrivateXServer& operator=(const PrivateXServer&) = delete;

    // ":N", or empty when the server did not start.
    QString display() const { return display_; }

  private:
    QProcess server_;
    QString display_;
};
