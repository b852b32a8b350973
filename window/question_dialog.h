// A yes-or-no question without icon: はい is the default button, and only the two buttons close it
// (Escape and the title bar's close do nothing).
#pragma once

#include <QDialog>

class QPushButton;

class QuestionDialog : public QDialog {
    Q_OBJECT
public:
    QuestionDialog(const QString& prompt, const QString& title, QWidget* parent = nullptr);

    QPushButton* yesButton() const { return m_yes; }
    QPushButton* noButton() const { return m_no; }

    void reject() override; // Escape and the close control land here

private:
    QPushButton* m_yes = nullptr;
    QPushButton* m_no = nullptr;
};
