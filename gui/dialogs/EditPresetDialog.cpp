#include "gui/dialogs/EditPresetDialog.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "base/Utf16.h"
#include "gui/dialogs/ConfirmNameDialog.h"
#include "gui/dialogs/DialogMessages.h"
#include "gui/dialogs/PresetCombo.h"
#include "gui/dialogs/SettingsRowList.h"
#include "gui/kit/DialogUnits.h"
#include "gui/kit/MessageBox.h"
#include "gui/kit/QtText.h"
#include "settings/SettingsFileBytes.h"
#include "settings/SettingsStore.h"

namespace vantolex {

namespace {

QPushButton* plainButton(std::u16string_view text, const char* objectName, QWidget* parent)
{
    auto* button = new QPushButton(toQString(text), parent);
    button->setObjectName(QString::fromLatin1(objectName));
    // No button takes Enter in this dialog.
    button->setAutoDefault(false);
    return button;
}

} // namespace

EditPresetDialog::EditPresetDialog(SettingsStore& store, QWidget* parent)
    : QDialog(parent)
    , m_store(store)
{
    setWindowTitle(toQString(dialogText::editPresetsTitle));
    setFont(dialogFont());
    const DialogUnits units(font());

    m_rows = createSettingsRowList(this, 75, 150);
    m_rows->setObjectName(QStringLiteral("settingsList"));
    m_rows->setMinimumSize(75 + 150 + 4, units.y(184)); // 21 rows and the header

    m_nameEdit = new QLineEdit(this);
    m_nameEdit->setObjectName(QStringLiteral("nameEdit"));
    QPushButton* addButton = plainButton(dialogText::addButton, "addButton", this);
    auto* addGroup = new QGroupBox(toQString(dialogText::addGroup), this);
    auto* addRow = new QHBoxLayout(addGroup);
    addRow->addWidget(m_nameEdit, 1);
    addRow->addWidget(addButton);

    m_deleteCombo = new QComboBox(this);
    m_deleteCombo->setObjectName(QStringLiteral("deleteCombo"));
    m_deleteCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_deleteCombo->setMinimumContentsLength(12);
    QPushButton* deleteButton = plainButton(dialogText::deleteButton, "deleteButton", this);
    auto* deleteGroup = new QGroupBox(toQString(dialogText::deleteGroup), this);
    auto* deleteRow = new QHBoxLayout(deleteGroup);
    deleteRow->addWidget(m_deleteCombo, 1);
    deleteRow->addWidget(deleteButton);

    QPushButton* closeButton = plainButton(dialogText::closeButton, "closeButton", this);

    auto* side = new QVBoxLayout;
    side->addWidget(addGroup);
    side->addWidget(deleteGroup);
    side->addStretch(1);
    side->addWidget(closeButton, 0, Qt::AlignRight);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_rows, 1);
    layout->addLayout(side);

    connect(addButton, &QPushButton::clicked, this, &EditPresetDialog::addPreset);
    connect(deleteButton, &QPushButton::clicked, this, &EditPresetDialog::deletePreset);
    connect(closeButton, &QPushButton::clicked, this, &EditPresetDialog::reject);
    // The user's choice only: filling the list must not show a preset.
    connect(m_deleteCombo, &QComboBox::activated, this, &EditPresetDialog::presetChosen);

    showSettings(m_store.currentSettings);
    fillPresetCombo(*m_deleteCombo, m_store);
}

void EditPresetDialog::showSettings(const PrintSettings& settings)
{
    m_shownSettings = settings;
    showSettingsRows(*m_rows, settingsRows(m_shownSettings));
}

void EditPresetDialog::presetChosen(int index)
{
    if (index >= 0 && static_cast<std::size_t>(index) < m_store.presets().size())
        showSettings(m_store.presets()[static_cast<std::size_t>(index)].settings);
}

void EditPresetDialog::addPreset()
{
    const std::u16string name(trimWhiteSpace(toU16(m_nameEdit->text())));
    if (name.empty()) {
        MessageBox::warning(this, dialogText::emptyPresetName);
        return;
    }
    // A name the settings file cannot hold would make every later save fail.
    if (!storableInSettingsFile(name)) {
        MessageBox::warning(this, dialogText::unstorablePresetName);
        return;
    }
    std::u16string message;
    if (!validate(message, m_shownSettings)) {
        MessageBox::warning(this, message);
        return;
    }
    // A preset holds what the settings file holds: no face description, which the font page makes anew
    // from the face name whenever settings are loaded into it.
    PrintSettings settings = m_shownSettings;
    settings.fontDescriptor.reset();
    if (!m_store.findPreset(name)) {
        m_store.addPreset(name, settings);
    } else {
        switch (ConfirmNameDialog(name, this).exec()) {
        case ConfirmNameDialog::Add:
            m_store.addPreset(name, settings);
            break;
        case ConfirmNameDialog::Update:
            m_store.updatePreset(name, settings);
            break;
        default:
            return;
        }
    }
    presetsChanged();
    m_nameEdit->clear();
}

void EditPresetDialog::deletePreset()
{
    const int index = m_deleteCombo->currentIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= m_store.presets().size()) {
        MessageBox::warning(this, dialogText::noPresetToDelete);
        return;
    }
    if (MessageBox::question(this, dialogText::confirmDeletePreset) != QMessageBox::Yes)
        return;
    m_store.removePreset(index);
    showSettings(m_store.currentSettings);
    presetsChanged();
}

void EditPresetDialog::presetsChanged()
{
    m_modified = true;
    fillPresetCombo(*m_deleteCombo, m_store);
}

void EditPresetDialog::reject()
{
    done(m_modified ? Modified : Unchanged);
}

void EditPresetDialog::keyPressEvent(QKeyEvent* event)
{
    // Enter does nothing in this dialog.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return;
    QDialog::keyPressEvent(event);
}

} // namespace vantolex
