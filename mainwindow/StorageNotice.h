#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>

class SettingsRow;
class StorageHealth;

// Tells the user, in the interface language, once per spell of failures and without blocking the
// window, that settings cannot be saved for now to the file `file`; closes the message when
// saving works again. `row` gives the interface language.
class StorageNotice : public QObject {
    Q_OBJECT

  public:
    StorageNotice(StorageHealth& health, QString file, const SettingsRow& row, QWidget* window);

    // The message on screen, or null.
    QMessageBox* message() const { return message_; }

  private:
    void show(const QString& reason);
    void close();

    QString file_;
    const SettingsRow& row_;
    QWidget* window_;
    QPointer<QMessageBox> message_;
};
