#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>

class SettingsRow;

// Tells the user, once per spell of failures and without blocking the window, that settings
// cannot be saved for now; closes the message when saving works again.
class StorageNotice : public QObject {
    Q_OBJECT

  public:
    StorageNotice(SettingsRow& row, QWidget* window);

    // The message on screen, or null.
    QMessageBox* message() const { return message_; }

  private:
    void show(const QString& reason);
    void close();

    QWidget* window_;
    QPointer<QMessageBox> message_;
};
