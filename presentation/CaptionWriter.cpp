#include "CaptionWriter.h"

#include <QAction>
#include <QMenu>

#include "Quran1.h"
#include "RecordGrid.h"
#include "Surat1.h"

namespace {

void write(Quran1& window, CaptionTarget target, const QString& text) {
    switch (target) {
        case CaptionTarget::Quran1:
            return window.setWindowTitle(text);
        case CaptionTarget::File:
            return window.File->setTitle(text);
        case CaptionTarget::Surat:
            return window.Surat->setText(text);
        case CaptionTarget::Copy:
            return window.Copy->setTitle(text);
        case CaptionTarget::CopyA:
            return window.CopyA->setText(text);
        case CaptionTarget::CopyAA:
            return window.CopyAA->setText(text);
        case CaptionTarget::CopyAE:
            return window.CopyAE->setText(text);
        case CaptionTarget::CopyAK:
            return window.CopyAK->setText(text);
        case CaptionTarget::Reset1:
            return window.Reset1->setText(text);
        case CaptionTarget::End1:
            return window.End1->setText(text);
        case CaptionTarget::Lang:
            return window.Lang->setTitle(text);
        case CaptionTarget::Help1:
            return window.Help1->setTitle(text);
        case CaptionTarget::Command3:
            return window.Command3->setText(text);
        case CaptionTarget::Web3:
            return window.Web3->setTitle(text);
        case CaptionTarget::Web1:
            return window.Web1->setText(text);
        case CaptionTarget::Web2:
            return window.Web2->setText(text);
        case CaptionTarget::Command1:
            return window.Command1->setText(text);
        case CaptionTarget::Command2:
            return window.Command2->setText(text);
        case CaptionTarget::Command14:
            return window.Command14->setText(text);
        case CaptionTarget::Command4:
            return window.Command4->setText(text);
        case CaptionTarget::Command8:
            return window.Command8->setText(text);
        case CaptionTarget::Command7:
            return window.Command7->setText(text);
        case CaptionTarget::Command6:
            return window.Command6->setText(text);
        case CaptionTarget::Command5:
            return window.Command5->setText(text);
        case CaptionTarget::Command9:
            return window.Command9->setText(text);
        case CaptionTarget::Command10:
            return window.Command10->setText(text);
        case CaptionTarget::Command11:
            return window.Command11->setText(text);
        case CaptionTarget::Check0:
            return window.Check0->setText(text);
        case CaptionTarget::Check1:
            return window.Check1->setText(text);
        case CaptionTarget::Check2:
            return window.Check2->setText(text);
        case CaptionTarget::Check3:
            return window.Check3->setText(text);
        case CaptionTarget::Frame1:
            return window.Frame1->setTitle(text);
        case CaptionTarget::Frame2:
            return window.Frame2->setTitle(text);
        case CaptionTarget::Frame5:
            return window.Frame5->setTitle(text);
        case CaptionTarget::Frame4:
            return window.Frame4->setTitle(text);
        case CaptionTarget::Frame3:
            return window.Frame3->setTitle(text);
        case CaptionTarget::DBGrid1:
            return window.DBGrid1->setCaption(text);
        case CaptionTarget::DBGrid2:
            return window.DBGrid2->setCaption(text);
        case CaptionTarget::Text8:
            return window.Text8->setText(text);
        case CaptionTarget::Text6:
            window.Text6 = text;
            return;
        default:
            return;  // a caption of the surah copy window
    }
}

void write(Surat1& window, CaptionTarget target, const QString& text) {
    switch (target) {
        case CaptionTarget::Surat1:
            return window.setWindowTitle(text);
        case CaptionTarget::Surat1Frame1:
            return window.Frame1->setTitle(text);
        case CaptionTarget::Surat1Frame2:
            return window.Frame2->setTitle(text);
        case CaptionTarget::Surat1Check11:
            return window.Check11->setText(text);
        case CaptionTarget::Surat1Check12:
            return window.Check12->setText(text);
        case CaptionTarget::Surat1Check13:
            return window.Check13->setText(text);
        case CaptionTarget::Surat1Check14:
            return window.Check14->setText(text);
        case CaptionTarget::Surat1Check15:
            return window.Check15->setText(text);
        case CaptionTarget::Surat1La1:
            return window.La1->setText(text);
        case CaptionTarget::Surat1La2:
            return window.La2->setText(text);
        case CaptionTarget::Surat1Command4:
            return window.Command4->setText(text);
        case CaptionTarget::Surat1Command5:
            return window.Command5->setText(text);
        case CaptionTarget::Surat1Command1:
            return window.Command1->setText(text);
        default:
            return;  // a caption of the main window
    }
}

bool isSurahCopyCaption(CaptionTarget target) {
    return target >= CaptionTarget::Surat1;
}

}  // namespace

void writeCaptions(Quran1& window, const std::vector<Caption>& captions) {
    for (const Caption& caption : captions) {
        if (isSurahCopyCaption(caption.target))
            write(*window.surat1(), caption.target, caption.text);
        else
            write(window, caption.target, caption.text);
    }
}

void writeSurahCopyCaptions(Surat1& window, const std::vector<Caption>& captions) {
    for (const Caption& caption : captions) {
        if (isSurahCopyCaption(caption.target))
            write(window, caption.target, caption.text);
    }
}
