#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "PunctualTimer.h"
#include "Skin.h"
#include "SurahCopyText.h"
#include "SurahReader.h"

class Copy1;

// The surah copy window: builds the text of a range of verses, one verse per tick, and hands
// it to the copy window. Created hidden on first reference; closing it is Cancel and unloads
// it. Choosing a surah here also makes it the main window's surah.
class Surat1 : public QDialog {
    Q_OBJECT

  public:
    // Over `owner`, the main window, whose surah reading it follows through `reader`.
    Surat1(QWidget* owner, SurahReader& reader);

    // Both ends of the range on the surah at `index` of the surah list.
    void chooseRange(int index);
    // Empties the hidden label the main window clears on entering reading mode.
    void clearHiddenLabel();

    // Handlers, public so that the main window and tests can run them by name.
    void Combo1_Click();  // from-surah selection
    void Combo3_Click();  // to-surah selection
    void Combo2_Click();  // from-verse selection
    void Combo4_Click();  // to-verse selection
    void Check1_Click();  // select all
    void UpdateSelectAll();
    void Command4_Click();  // Start
    void Command5_Click();  // Stop
    void Command1_Click();  // Cancel
    void Command2_Click();  // one verse back in the main window
    void Command3_Click();  // one verse forward in the main window
    void Timer1_Timer();    // set-up
    void Timer2_Timer();    // copy step

    // The copy window, created on first reference.
    Copy1* copy1();

    QComboBox* Combo1 = nullptr;                          // from-surah
    QComboBox* Combo2 = nullptr;                          // from-verse
    QComboBox* Combo3 = nullptr;                          // to-surah
    QComboBox* Combo4 = nullptr;                          // to-verse
    QLabel *SkinLabel1 = nullptr, *SkinLabel2 = nullptr;  // verse counts of the two surahs
    QLabel* SkinLabel3 = nullptr;
    QLineEdit* Te1 = nullptr;  // progress in percent
    QLabel* Label1 = nullptr;
    QCheckBox* Check5 = nullptr;  // line option
    QCheckBox* Check4 = nullptr;  // Arabic explanation
    QCheckBox* Check3 = nullptr;  // Kurdish explanation
    QCheckBox* Check2 = nullptr;  // English explanation
    QCheckBox* Check1 = nullptr;  // all three explanations, grey for some
    QPushButton *Command2 = nullptr, *Command3 = nullptr;
    // Controls whose captions follow the interface language.
    QGroupBox *Frame1 = nullptr, *Frame2 = nullptr;
    QLabel *Check11 = nullptr, *Check12 = nullptr, *Check13 = nullptr, *Check14 = nullptr,
           *Check15 = nullptr, *La1 = nullptr, *La2 = nullptr;
    QPushButton *Command4 = nullptr, *Command5 = nullptr, *Command1 = nullptr;

    // Hidden fields: the ordinals of the range's first and last verses.
    QString Text1 = QStringLiteral("0");
    QString Text2 = QStringLiteral("0");

    // One-shot steps: a positive interval arms the timer, its tick runs the step.
    PunctualTimer Timer1, Timer2;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

  private:
    void createControls();
    void layOutControls();
    void connectHandlers();
    void Form_Load();
    qint64 takeSurah(const QComboBox* surah, QLabel* count, QComboBox* verses);
    SurahCopyChoices choices() const;
    void showCopy(const QString& text);
    // Start, the step buttons, the range selectors and the option boxes.
    void enableChoices(bool enabled);

    SurahReader& main_;
    Skin Skin1{SkinKind::SurahCopy};
    SurahCopyText copy_;
    // The first ordinals of the two chosen surahs, which the verse selectors count from.
    qint64 fromSurahStart_ = 0;
    qint64 toSurahStart_ = 0;
    QPointer<Copy1> copy1_;
};
