#pragma once

#include "check/CheckFinding.h"

#include <QDockWidget>

#include <functional>
#include <vector>

class QTreeWidget;

namespace areamaker {

// The panel under the picture that lists the page checker's findings; a double click on one
// hands it to `activated`.
class CheckPanel : public QDockWidget
{
    Q_OBJECT

public:
    explicit CheckPanel(QWidget *parent);

    void showFindings(const std::vector<CheckFinding> &findings);
    // A page that could not be checked: the reason takes the list's place.
    void showFailure(const std::string &reason);
    QTreeWidget *list() const { return mList; }

    std::function<void(const CheckFinding &)> activated;

private:
    void showRow(const QStringList &cells);
    // Shows the panel; the first time, about six findings high, so that the picture and the
    // property grid keep most of the window.
    void present();

    QTreeWidget *mList;
    std::vector<CheckFinding> mFindings;
    bool mSized = false;
};

} // namespace areamaker
