#include "gui/main/PageSetupDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

#include "gui/kit/DialogUnits.h"
#include "gui/kit/QtText.h"
#include "gui/main/MainDialogMessages.h"
#include "settings/PrintSettings.h"

namespace vantolex {

namespace {

constexpr const char* mediaOption = "media";

QString destinationName(const PrinterSelection& printer)
{
    QString name = QString::fromStdString(printer.destination);
    if (!printer.instance.empty())
        name += u'/' + QString::fromStdString(printer.instance);
    return name;
}

std::optional<std::string> mediaOf(const PrinterSelection& printer)
{
    for (const auto& [name, value] : printer.options) {
        if (name == mediaOption)
            return value;
    }
    return std::nullopt;
}

QDoubleSpinBox* marginSpin(QWidget* parent, int hundredths, bool enabled, const char* name)
{
    auto* spin = new QDoubleSpinBox(parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setDecimals(2);
    spin->setRange(0.0, maxMarginMillimetres); // the most that the margins page holds
    spin->setValue(hundredths / 100.0);
    spin->setEnabled(enabled);
    return spin;
}

int hundredthsOf(const QDoubleSpinBox& spin)
{
    return static_cast<int>(std::lround(spin.value() * 100.0));
}

} // namespace

PageSetupDialog::PageSetupDialog(std::vector<PrinterSelection> destinations, std::optional<PrinterSelection> printer,
                                 const PageSetupMargins& margins, PageSetupSpooler spooler, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_destinations(std::move(destinations))
    , m_opened(std::move(printer))
    , m_margins(margins)
    , m_spooler(std::move(spooler))
{
    setWindowTitle(toQString(mainText::pageSetupCaption));
    setFont(dialogFont());

    m_printerCombo = new QComboBox(this);
    m_printerCombo->setObjectName(QStringLiteral("printerCombo"));
    for (const PrinterSelection& destination : m_destinations)
        m_printerCombo->addItem(destinationName(destination));
    if (m_destinations.empty())
        m_printerCombo->addItem(toQString(mainText::pageSetupNoPrinter));
    m_paperCombo = new QComboBox(this);
    m_paperCombo->setObjectName(QStringLiteral("paperCombo"));

    auto* form = new QFormLayout;
    form->addRow(toQString(mainText::pageSetupPrinter), m_printerCombo);
    form->addRow(toQString(mainText::pageSetupPaper), m_paperCombo);

    auto* orientation = new QGroupBox(toQString(mainText::pageSetupOrientation), this);
    m_portrait = new QRadioButton(toQString(mainText::pageSetupPortrait), orientation);
    m_portrait->setObjectName(QStringLiteral("portraitRadio"));
    m_landscape = new QRadioButton(toQString(mainText::pageSetupLandscape), orientation);
    m_landscape->setObjectName(QStringLiteral("landscapeRadio"));
    auto* orientationLayout = new QVBoxLayout(orientation);
    orientationLayout->addWidget(m_portrait);
    orientationLayout->addWidget(m_landscape);
    (m_opened && m_opened->landscape ? m_landscape : m_portrait)->setChecked(true);

    auto* marginBox = new QGroupBox(toQString(mainText::pageSetupMargins), this);
    m_left = marginSpin(marginBox, margins.left, margins.enabled, "marginLeftSpin");
    m_right = marginSpin(marginBox, margins.right, margins.enabled, "marginRightSpin");
    m_top = marginSpin(marginBox, margins.top, margins.enabled, "marginTopSpin");
    m_bottom = marginSpin(marginBox, margins.bottom, margins.enabled, "marginBottomSpin");
    for (QDoubleSpinBox* spin : { m_left, m_right, m_top, m_bottom })
        spin->setMinimum(margins.minimum / 100.0);
    auto* marginLayout = new QGridLayout(marginBox);
    const auto addMargin = [&](std::u16string_view text, QDoubleSpinBox* spin, int row, int column) {
        auto* label = new QLabel(toQString(text), marginBox);
        label->setBuddy(spin);
        marginLayout->addWidget(label, row, column * 2);
        marginLayout->addWidget(spin, row, column * 2 + 1);
    };
    addMargin(mainText::pageSetupLeft, m_left, 0, 0);
    addMargin(mainText::pageSetupRight, m_right, 0, 1);
    addMargin(mainText::pageSetupTop, m_top, 1, 0);
    addMargin(mainText::pageSetupBottom, m_bottom, 1, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* middle = new QHBoxLayout;
    middle->addWidget(orientation);
    middle->addWidget(marginBox, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(middle);
    layout->addWidget(buttons);

    int selected = 0;
    if (m_opened) {
        for (std::size_t i = 0; i < m_destinations.size(); ++i) {
            if (m_destinations[i].destination == m_opened->destination
                && m_destinations[i].instance == m_opened->instance)
                selected = static_cast<int>(i);
        }
    }
    m_printerCombo->setCurrentIndex(selected);
    fillPaperCombo();
    connect(m_printerCombo, &QComboBox::currentIndexChanged, this, [this] { fillPaperCombo(); });
}

void PageSetupDialog::fillPaperCombo()
{
    m_paperCombo->clear();
    m_media.clear();
    const int index = m_printerCombo->currentIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= m_destinations.size())
        return;
    const PrinterSelection& destination = m_destinations[static_cast<std::size_t>(index)];
    const bool opened
        = m_opened && m_opened->destination == destination.destination && m_opened->instance == destination.instance;
    std::optional<std::string> wanted = opened ? mediaOf(*m_opened) : std::nullopt;
    if (!wanted && m_spooler.defaultMedia)
        wanted = m_spooler.defaultMedia(destination);
    if (m_spooler.mediaList)
        m_media = m_spooler.mediaList(destination);
    for (const PrinterMedia& media : m_media)
        m_paperCombo->addItem(QString::fromStdString(media.displayName));
    for (std::size_t i = 0; i < m_media.size(); ++i) {
        if (wanted && m_media[i].name == *wanted)
            m_paperCombo->setCurrentIndex(static_cast<int>(i));
    }
}

std::optional<PrinterSelection> PageSetupDialog::printer() const
{
    const int index = m_printerCombo->currentIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= m_destinations.size())
        return std::nullopt;
    PrinterSelection printer = m_destinations[static_cast<std::size_t>(index)];
    if (m_opened && m_opened->destination == printer.destination && m_opened->instance == printer.instance)
        printer = *m_opened;
    printer.landscape = m_landscape->isChecked();
    const int paper = m_paperCombo->currentIndex();
    if (paper >= 0 && static_cast<std::size_t>(paper) < m_media.size()) {
        std::erase_if(printer.options, [](const auto& option) { return option.first == mediaOption; });
        printer.options.emplace_back(mediaOption, m_media[static_cast<std::size_t>(paper)].name);
    }
    return printer;
}

PageSetupMargins PageSetupDialog::margins() const
{
    if (!m_margins.enabled)
        return m_margins;
    PageSetupMargins margins = m_margins;
    margins.left = hundredthsOf(*m_left);
    margins.right = hundredthsOf(*m_right);
    margins.top = hundredthsOf(*m_top);
    margins.bottom = hundredthsOf(*m_bottom);
    return margins;
}

} // namespace vantolex
