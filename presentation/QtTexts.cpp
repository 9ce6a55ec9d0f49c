#include "QtTexts.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace {

QLocale localeOf(UiLanguage language) {
    switch (language) {
        case UiLanguage::Arabic:
            return QLocale(QLocale::Arabic);
        case UiLanguage::Kurdish:
            return QLocale(QLocale::CentralKurdish);
        case UiLanguage::English:
            break;
    }
    return QLocale(QLocale::English);
}

}  // namespace

void showQtTextsIn(UiLanguage language) {
    static QTranslator translator;
    // An Arabic translation asks for right-to-left; the windows lay themselves out.
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    QCoreApplication::removeTranslator(&translator);
    if (translator.load(localeOf(language), u"qt"_s, u"_"_s,
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&translator);
}
