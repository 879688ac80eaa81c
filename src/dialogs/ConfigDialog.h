#pragma once

#include "ResLoader.h"

#include <QDialog>
#include <QIcon>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace areamaker {

class ConfigOptions;

// The options dialog "Configuration des paramètres": shows the working copies of its rules
// and hands every change back to them.
class ConfigDialog : public QDialog
{
    Q_OBJECT

public:
    // `otherBrowser` pictures a browser of no known kind.
    ConfigDialog(ConfigOptions &options, const QIcon &otherBrowser, QWidget *parent = nullptr);

    QTabWidget *tstConfig() const { return mTabs; }
    QComboBox *cboElement() const { return mElement; }
    QComboBox *cboColor() const { return mColour; }
    QComboBox *cboEpaisseur() const { return mWidth; }
    QLineEdit *txtNavPath() const { return mNavPath; }
    QLabel *lblNavDesc() const { return mNavDesc; }
    QPushButton *cmdApply() const { return mApply; }

    void done(int result) override;

private:
    QWidget *buildGeneralPage();
    QWidget *buildColoursPage();
    QWidget *buildBrowserFrame();
    QWidget *buildColourFrame();
    QWidget *buildRegistersFrame();
    QCheckBox *checkBox(const char *caption, bool &setting);
    void showElement(int element);
    void showNavigator(const QString &path);

    ConfigOptions &mOptions;
    ResLoader mResources;
    QIcon mOtherBrowser;
    QTabWidget *mTabs;
    QLineEdit *mNavPath = nullptr;
    QLabel *mNavDesc = nullptr;
    QLabel *mNavPicture = nullptr;
    QComboBox *mElement = nullptr;
    QComboBox *mColour = nullptr;
    QComboBox *mWidth = nullptr;
    QLabel *mWidthLabel = nullptr;
    QPushButton *mApply = nullptr;
};

} // namespace areamaker
