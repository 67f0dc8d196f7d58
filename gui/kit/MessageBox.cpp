#include "gui/kit/MessageBox.h"

#include <deque>

#include "gui/kit/KitMessages.h"
#include "gui/kit/QtText.h"

namespace vantolex {

namespace {

struct Seam
{
    bool headless = false;
    std::deque<QMessageBox::StandardButton> answers;
    QList<MessageBox::Record> records;
};

Seam& seam()
{
    static Seam instance;
    return instance;
}

QMessageBox::StandardButton firstButton(QMessageBox::StandardButtons buttons)
{
    for (unsigned bit = QMessageBox::FirstButton; bit <= QMessageBox::LastButton; bit <<= 1) {
        if (buttons.testFlag(static_cast<QMessageBox::StandardButton>(bit)))
            return static_cast<QMessageBox::StandardButton>(bit);
    }
    return QMessageBox::NoButton;
}

} // namespace

QMessageBox::StandardButton MessageBox::show(QWidget* owner, QMessageBox::Icon icon, const QString& caption,
                                             const QString& text, QMessageBox::StandardButtons buttons,
                                             QMessageBox::StandardButton defaultButton)
{
    Seam& test = seam();
    if (test.headless) {
        test.records.append({ icon, caption, text, buttons, owner });
        if (!test.answers.empty()) {
            const QMessageBox::StandardButton answer = test.answers.front();
            test.answers.pop_front();
            return answer;
        }
        return defaultButton != QMessageBox::NoButton ? defaultButton : firstButton(buttons);
    }
    QMessageBox box(icon, caption, text, buttons, owner);
    // A path may hold "<" or "&": never let the box guess rich text.
    box.setTextFormat(Qt::PlainText);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    box.exec();
    const QMessageBox::StandardButton pressed = box.standardButton(box.clickedButton());
    return pressed != QMessageBox::NoButton ? pressed : QMessageBox::Cancel;
}

void MessageBox::warning(QWidget* owner, std::u16string_view text)
{
    show(owner, QMessageBox::Warning, toQString(kitText::warningCaption), toQString(text));
}

void MessageBox::error(QWidget* owner, std::u16string_view text)
{
    show(owner, QMessageBox::Critical, toQString(kitText::errorCaption), toQString(text));
}

QMessageBox::StandardButton MessageBox::question(QWidget* owner, std::u16string_view text,
                                                 QMessageBox::StandardButtons buttons,
                                                 QMessageBox::StandardButton defaultButton)
{
    return show(owner, QMessageBox::Question, toQString(kitText::confirmCaption), toQString(text), buttons,
                defaultButton);
}

void MessageBox::setHeadless(bool headless)
{
    seam().headless = headless;
}

void MessageBox::setNextAnswer(QMessageBox::StandardButton answer)
{
    seam().answers.push_back(answer);
}

const QList<MessageBox::Record>& MessageBox::records()
{
    return seam().records;
}

QList<MessageBox::Record> MessageBox::takeRecords()
{
    QList<Record> taken;
    taken.swap(seam().records);
    return taken;
}

} // namespace vantolex
