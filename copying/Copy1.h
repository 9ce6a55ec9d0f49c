#pragma once

#include <QComboBox>
#include <QDialog>
#include <QScrollBar>

#include "ExactCopyEdit.h"
#include "Skin.h"

// The copy window: shows the text a surah copy built, in a size and alignment of the user's
// choice, for reading and copying with the field's own commands. Every copy meets a fresh
// window; closing it unloads it.
class Copy1 : public QDialog {
    Q_OBJECT

  public:
    // `verseFont` is the main window's verse font name, read once by the load.
    explicit Copy1(const QString& verseFont, QWidget* parent = nullptr);

    void Combo1_Click();
    void HScroll1_Change();

    ExactCopyEdit* Text1 = nullptr;  // the text
    QComboBox* Combo1 = nullptr;     // point size
    QScrollBar* HScroll1 = nullptr;  // alignment: left, centred, right

  signals:
    // The user closed the window; it is about to be unloaded.
    void unloaded();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

  private:
    void Form_Load(const QString& verseFont);
    void setFontFamily(const QString& family);

    Skin Skin1{SkinKind::Green};
};
