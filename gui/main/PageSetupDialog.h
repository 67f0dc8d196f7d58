// The page-setup dialog ("ページ設定"): the printer, its paper and orientation, and the four margins in
// millimetres, which are disabled when the settings do not use margins.
#pragma once

#include <QDialog>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "settings/PageSetupExchange.h"
#include "spool/CupsDestination.h"
#include "spool/PrinterSelection.h"

class QButtonGroup;
class QComboBox;
class QDoubleSpinBox;
class QRadioButton;

namespace vantolex {

// What the dialog asks of the spooler.
struct PageSetupSpooler
{
    std::function<std::vector<PrinterMedia>(const PrinterSelection&)> mediaList;
    std::function<std::optional<std::string>(const PrinterSelection&)> defaultMedia;
};

class PageSetupDialog : public QDialog
{
    Q_OBJECT

public:
    // Opened on `printer` among `destinations` (none: the first destination) with `margins`.
    PageSetupDialog(std::vector<PrinterSelection> destinations, std::optional<PrinterSelection> printer,
                    const PageSetupMargins& margins, PageSetupSpooler spooler, QWidget* parent = nullptr);

    // The printer as the dialog leaves it: the destination picked (with the options it had when it is the one
    // the dialog opened on), its paper as the "media" option, the orientation. None without any destination.
    std::optional<PrinterSelection> printer() const;
    // The margins in hundredths of a millimetre; as given when they are disabled.
    PageSetupMargins margins() const;

private:
    void fillPaperCombo();

    std::vector<PrinterSelection> m_destinations;
    std::optional<PrinterSelection> m_opened;
    PageSetupMargins m_margins;
    PageSetupSpooler m_spooler;
    std::vector<PrinterMedia> m_media;
    QComboBox* m_printerCombo = nullptr;
    QComboBox* m_paperCombo = nullptr;
    QRadioButton* m_portrait = nullptr;
    QRadioButton* m_landscape = nullptr;
    QDoubleSpinBox* m_left = nullptr;
    QDoubleSpinBox* m_right = nullptr;
    QDoubleSpinBox* m_top = nullptr;
    QDoubleSpinBox* m_bottom = nullptr;
};

} // namespace vantolex
