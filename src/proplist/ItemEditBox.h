#pragma once

#include <QLineEdit>

// The in-place edit box of a text item; it reports focus changes and the keys that end editing.
class ItemEditBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit ItemEditBox(QWidget *parent = nullptr);

signals:
    void focusGained();
    void focusLost();
    void escapePressed();
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};
