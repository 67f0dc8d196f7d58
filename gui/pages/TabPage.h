// A page of the main dialog's tab control: puts a PrintSettings into its controls and takes it back.
//
// Enter on a page does nothing (it would otherwise press the main dialog's 印刷); Escape goes on to the main
// dialog, whose cancel closes it. Controls are placed in dialog units of the dialog font.
#pragma once

#include <QLabel>
#include <QWidget>

#include "gui/kit/DialogUnits.h"

class QAbstractButton;
class QLineEdit;

namespace vantolex {

struct PrintSettings;

class TabPage : public QWidget
{
    Q_OBJECT

public:
    explicit TabPage(QWidget* parent = nullptr);

    // Once, right after the page is made: text limits, ranges, initial enabled states.
    virtual void initControls() { }
    // Every field the page shows, into its controls.
    virtual void loadFrom(const PrintSettings& settings) = 0;
    // Every field the page shows, from its controls; other fields untouched.
    virtual void storeTo(PrintSettings& settings) const = 0;

protected:
    void keyPressEvent(QKeyEvent* event) override;

    // `widget` placed at x, y, width, height in dialog units.
    template <typename Widget> Widget* place(Widget* widget, int x, int y, int width, int height)
    {
        widget->setGeometry(m_units.rect(x, y, width, height));
        return widget;
    }
    // A number edit: digits only, at most `maxLength` characters (0: no limit), no drops.
    QLineEdit* numberEdit(int maxLength = 0);
    // A single-line edit that takes no drops (a dropped file belongs to the main dialog).
    QLineEdit* textEdit();

private:
    DialogUnits m_units;
};

// The number in a number edit: signed decimal; empty or unreadable gives 0.
int numberOf(const QLineEdit& edit);
// Writes `value` into a number edit, signed.
void setNumber(QLineEdit& edit, int value);

// A label that clicks its button when it is clicked, and gives its mnemonic to its buddy.
class ClickableLabel : public QLabel
{
    Q_OBJECT

public:
    ClickableLabel(const QString& text, QAbstractButton* button, QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QAbstractButton* m_button;
};

} // namespace vantolex
