#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>

class SettingsRow;

// Tells the user, in the interface language, once per spell of failures and without blocking the
// window, that settings cannot be saved for now; closes the message when saving works again.
class StorageNotice : public QObject {
    Q_OBJECT

  public:
    StorageNotice(SettingsRow& row, QWidget* window);

    // The message on screen, or null.
    QMessageBox* message() const { return message_; }

  private:
    void show(const QString& reason);
    void close();

    SettingsRow& row_;
    QWidget* window_;
    QPointer<QMessageBox> message_;
};
