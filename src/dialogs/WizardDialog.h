#pragma once

#include "ResLoader.h"
#include "shell/WizardForm.h"

#include <QDialog>

#include <array>

class QAbstractButton;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTreeWidget;
class QVBoxLayout;

namespace areamaker {

class PreviewFrame;
class SelectAllOnFocus;

// The new image map assistant: four panels, one per step, with Previous, Next, Cancel and
// Help below them. Its rules are those of the form it shows.
class WizardDialog : public QDialog
{
    Q_OBJECT

public:
    WizardDialog(WizardForm &form, QWidget *parent = nullptr);

    // Shows the form's current step and the state of every control.
    void GUIWiz();

    void reject() override;
    void done(int result) override;

private:
    // A step's panel with its caption at the top, added to the steps; its layout.
    QVBoxLayout *addCaptionedPanel(int step);
    void addPagePanel();
    void addImagePanel();
    void addMapPanel();
    QWidget *finishedPanel();
    QWidget *buttonRow();
    QLabel *captionLabel(const QString &name);
    QPushButton *browseButton(const char *name);
    QLineEdit *lineBox(const char *name);
    void fillImageList();
    void follow(const WizardForm::Outcome &outcome);

    WizardForm &mForm;
    ResLoader mResources;
    SelectAllOnFocus *mSelectAll;
    QStackedWidget *mSteps = nullptr;
    std::array<QLabel *, 4> mCaptions{};
    QRadioButton *mCreate = nullptr;
    QRadioButton *mOpen = nullptr;
    QGroupBox *mPageFrame = nullptr;
    QLineEdit *mPage = nullptr;
    QTreeWidget *mList = nullptr;
    QGroupBox *mImageFrame = nullptr;
    QLineEdit *mImage = nullptr;
    QPushButton *mImageBrowse = nullptr;
    PreviewFrame *mPreview = nullptr;
    QLineEdit *mName = nullptr;
    QLineEdit *mUrl = nullptr;
    QCheckBox *mAuto = nullptr;
    QPushButton *mBack = nullptr;
    QPushButton *mNext = nullptr;
    QPushButton *mCancel = nullptr;
    QPushButton *mHelp = nullptr;
};

} // namespace areamaker
