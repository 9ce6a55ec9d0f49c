#include "StorageNotice.h"
#include "Schema.h"

#include "CaptionSets.h"
#include "SettingsRow.h"
#include "StorageHealth.h"

using namespace Qt::StringLiterals;

namespace {

// The file name is kept left to right inside the right-to-left texts.
QString noticeText(UiLanguage language, const QString& file) {
    switch (language) {
        case UiLanguage::Arabic:
            return u"لا يمكن حفظ إعداداتك الآن: تتعذّر الكتابة في الملف \u200E%1\u200E "
                   "(قد يكون للقراءة فقط، أو يستخدمه برنامج آخر).\n\n"
                   "تبقى تغييراتك سارية ما دام البرنامج يعمل، وتُحفظ حالما تصبح الكتابة في "
                   "الملف ممكنة."_s.arg(file);
        case UiLanguage::Kurdish:
            return u"ئێستا ناتوانرێت ڕێکخستنەکانت پاشەکەوت بکرێن: ناتوانرێت لە فایلی "
                   "\u200E%1\u200E بنووسرێت (لەوانەیە تەنها بۆ خوێندنەوە بێت، یان "
                   "بەرنامەیەکی تر بەکاری بهێنێت).\n\n"
                   "گۆڕانکارییەکانت تا بەرنامەکە کار بکات دەمێننەوە، و هەر کە نووسین لە "
                   "فایلەکەدا بکرێت پاشەکەوت دەکرێن."_s.arg(file);
        case UiLanguage::English:
            break;
    }
    return u"Your settings cannot be saved at the moment: the file %1 cannot be "
           "written (it may be read-only, or in use by another program).\n\n"
           "Your changes stay in effect while Zephyrane runs, and are saved as soon as the file "
           "can be written again."_s.arg(file);
}

}  // namespace

StorageNotice::StorageNotice(StorageHealth& health, QString file, const SettingsRow& row,
                             QWidget* window)
    : QObject(window), file_(std::move(file)), row_(row), window_(window) {
    connect(&health, &StorageHealth::storageFailed, this, &StorageNotice::show);
    connect(&health, &StorageHealth::storageRecovered, this, &StorageNotice::close);
}

void StorageNotice::show(const QString& reason) {
    if (message_)
        return;
    // In the interface language the reader chose, even when that choice is what failed to save.
    const UiLanguage language =
        languageStoredAs(row_.value(schema::kLanguage)).value_or(UiLanguage::English);
    message_ = new QMessageBox(QMessageBox::Warning, u"Zephyrane"_s, noticeText(language, file_),
                               QMessageBox::Ok, window_);
    message_->setLayoutDirection(language == UiLanguage::English ? Qt::LeftToRight
                                                                 : Qt::RightToLeft);
    message_->setDetailedText(reason);
    message_->setAttribute(Qt::WA_DeleteOnClose);
    message_->setWindowModality(Qt::NonModal);
    // The reader may be typing: the keys go on reaching the window, not the message.
    message_->setAttribute(Qt::WA_ShowWithoutActivating);
    message_->show();
}

void StorageNotice::close() {
    if (message_)
        message_->close();
}
