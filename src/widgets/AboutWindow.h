#pragma once

#include "ResLoader.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace areamaker {

// The about window: the product's banner, version and contact lines.
class AboutWindow : public QDialog
{
    Q_OBJECT

public:
    explicit AboutWindow(QWidget *parent = nullptr);

    QLabel *versionLabel() const { return mVersion; }
    QPushButton *cmdOK() const { return mOk; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *mVersion;
    QPushButton *mOk;
    ResLoader mResources;
};

} // namespace areamaker
