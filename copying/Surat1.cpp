#include "Surat1.h"

#include "SurahCatalogue.h"

using namespace Qt::StringLiterals;

Surat1::Surat1(QWidget* owner) : QWidget(owner, Qt::Dialog) {
    setObjectName(u"Surat1"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"كؤبى كردني سوورةت"_s);
    setFixedSize(520, 360);
    Combo1 = new QComboBox(this);
    Combo3 = new QComboBox(this);
    Label1 = new QLabel(u"Label1"_s, this);
    Combo1->setObjectName(u"Combo1"_s);
    Combo3->setObjectName(u"Combo3"_s);
    Label1->setObjectName(u"Label1"_s);
    Combo1->setGeometry(200, 40, 300, 28);
    Combo3->setGeometry(200, 120, 300, 28);
    Label1->setGeometry(8, 330, 60, 20);
    Frame1 = new QGroupBox(u"خيارات النسخ الأية"_s, this);
    Frame2 = new QGroupBox(u"خيارات النسخ السورة"_s, this);
    Check11 = new QLabel(this);
    Check12 = new QLabel(u"تفسير عربي"_s, this);
    Check13 = new QLabel(u"تفسير كوردي"_s, this);
    Check14 = new QLabel(u"تفسير إنجليزي"_s, this);
    Check15 = new QLabel(this);
    La1 = new QLabel(this);
    La2 = new QLabel(this);
    Command4 = new QPushButton(u"بدء النسخ"_s, this);
    Command5 = new QPushButton(u"وقف"_s, this);
    Command1 = new QPushButton(u"إلغاء"_s, this);
    for (QComboBox* surahs : {Combo1, Combo3}) {
        surahs->addItems(SurahCatalogue::instance().itemTexts());
        surahs->setCurrentIndex(-1);
    }
    Form_Load();
}

void Surat1::Form_Load() {
    Skin1.SkinWindow(this);
}
