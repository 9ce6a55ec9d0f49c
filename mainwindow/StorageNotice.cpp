#include "StorageNotice.h"

#include "SettingsRow.h"

using namespace Qt::StringLiterals;

StorageNotice::StorageNotice(SettingsRow& row, QWidget* window) : QObject(window), window_(window) {
    connect(&row, &SettingsRow::storageFailed, this, &StorageNotice::show);
    connect(&row, &SettingsRow::storageRecovered, this, &StorageNotice::close);
}

void StorageNotice::show(const QString& reason) {
    if (message_)
        return;
    message_ = new QMessageBox(
        QMessageBox::Warning, u"Zephyrane"_s,
        u"Your settings cannot be saved at the moment: the file Data/Quran.MDB cannot be "
        "written (it may be read-only, or in use by another program).\n\n"
        "Your changes stay in effect while Zephyrane runs, and are saved as soon as the file "
        "can be written again."_s,
        QMessageBox::Ok, window_);
    message_->setDetailedText(reason);
    message_->setAttribute(Qt::WA_DeleteOnClose);
    message_->setWindowModality(Qt::NonModal);
    message_->show();
}

void StorageNotice::close() {
    if (message_)
        message_->close();
}
