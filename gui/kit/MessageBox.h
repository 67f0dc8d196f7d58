// Every message box of the program goes through here: the captions and icons of the program's three kinds,
// the text shown exactly as given (plain text, never rich text), and a seam through which widget tests see
// and answer the boxes instead of a person.
#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>

#include <string_view>

class QWidget;

namespace vantolex {

class MessageBox
{
public:
    // A box shown (or, in headless mode, answered without a window).
    struct Record
    {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString caption;
        QString text;
        QMessageBox::StandardButtons buttons;
        QWidget* owner = nullptr;
    };

    // A modal box owned by `owner` (null: application modal). Returns the button pressed; Escape and the
    // close box give the box's cancel button (or its only button).
    static QMessageBox::StandardButton show(QWidget* owner, QMessageBox::Icon icon, const QString& caption,
                                            const QString& text, QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                            QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

    // "警告 [Vantolex]", exclamation icon, OK: a warning or a refusal.
    static void warning(QWidget* owner, std::u16string_view text);
    // "エラー [Vantolex]", stop icon, OK: the environment failed.
    static void error(QWidget* owner, std::u16string_view text);
    // "確認 [Vantolex]", question icon, with `buttons` (Yes and No unless told otherwise).
    static QMessageBox::StandardButton question(QWidget* owner, std::u16string_view text,
                                                QMessageBox::StandardButtons buttons
                                                = QMessageBox::Yes | QMessageBox::No,
                                                QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

    // Tests: from now on no box opens a window. Each is recorded (records()) and answered with the next
    // queued answer (setNextAnswer), else with its default button, else with its first button.
    static void setHeadless(bool headless);
    // Tests: the answer to the next box, queued behind earlier ones.
    static void setNextAnswer(QMessageBox::StandardButton answer);
    // Tests: the boxes recorded in headless mode, oldest first; takeRecords() also forgets them.
    static const QList<Record>& records();
    static QList<Record> takeRecords();
};

} // namespace vantolex
