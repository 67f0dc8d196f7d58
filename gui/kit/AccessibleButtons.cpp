#include "gui/kit/AccessibleButtons.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QKeySequence>
#include <QRadioButton>

#include "gui/kit/QtText.h"

namespace vantolex {

namespace {

class ClickingCheckButton : public QAccessibleWidget
{
public:
    ClickingCheckButton(QAbstractButton* button, QAccessible::Role role)
        : QAccessibleWidget(button, role)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = button()->isChecked();
        return state;
    }

    QString text(QAccessible::Text kind) const override
    {
        // The button's own name before anything around it: QAccessibleWidget would name a button in a group box
        // by the group's title.
        if (kind == QAccessible::Name) {
            if (!button()->accessibleName().isEmpty())
                return button()->accessibleName();
            if (const QString caption = withoutMnemonic(button()->text()); !caption.isEmpty())
                return caption;
        }
        QString text = QAccessibleWidget::text(kind);
        if (!text.isEmpty())
            return text;
        if (kind == QAccessible::Accelerator)
            return QKeySequence::mnemonic(button()->text()).toString(QKeySequence::NativeText);
        return text;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (button()->isEnabled())
            names << toggleAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override
    {
        if (name == toggleAction() || name == pressAction())
            button()->click(); // does nothing on a disabled button
        else
            QAccessibleWidget::doAction(name);
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(object()); }
};

// Qt owns the interfaces it asks its factories for.
QAccessibleInterface* clickingCheckButtonFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("QCheckBox"))
        return new ClickingCheckButton(static_cast<QCheckBox*>(object), QAccessible::CheckBox);
    if (className == QLatin1String("QRadioButton"))
        return new ClickingCheckButton(static_cast<QRadioButton*>(object), QAccessible::RadioButton);
    return nullptr;
}

} // namespace

void installClickingCheckButtons()
{
    QAccessible::installFactory(clickingCheckButtonFactory);
}

} // namespace vantolex
