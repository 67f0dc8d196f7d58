// The print dialog and page setup on a private spooler, checked on the jobs the spooler received: every choice
// the print dialog offers is in the job's attributes, the page ranges are not offered, a cancelled dialog
// leaves the printer, and the paper is the queue's own until page setup chooses another.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include <cups/cups.h>

#include <functional>
#include <map>

#include "app/ApplicationPrinter.h"
#include "gui/main/ApplicationPrinterDialogs.h"
#include "gui/main/DialogTranslations.h"
#include "spool/CupsPrinterServices.h"
#include "support/PrivateCupsd.h"

namespace vantolex {

namespace {

using test::PrivateCupsd;
using DialogStep = std::function<void(QDialog&)>;

// The job attributes the spooler holds for job `jobId`, each value as one string ("a,b" for several).
std::map<std::string, std::string> jobAttributes(int jobId)
{
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    const std::string uri = "ipp://localhost/jobs/" + std::to_string(jobId);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri.c_str());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/jobs/");
    std::map<std::string, std::string> attributes;
    for (ipp_attribute_t* attribute = ippFirstAttribute(response); attribute; attribute = ippNextAttribute(response)) {
        if (!ippGetName(attribute) || ippGetGroupTag(attribute) != IPP_TAG_JOB)
            continue;
        char value[1024];
        ippAttributeString(attribute, value, sizeof value);
        attributes[ippGetName(attribute)] = value;
    }
    ippDelete(response);
    return attributes;
}

// Runs `step` on the modal dialog that opens next, once it is shown.
void onNextDialog(DialogStep step)
{
    QTimer::singleShot(0, [step = std::move(step)] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        step(*dialog);
    });
}

template <typename Widget> Widget& child(QObject& dialog, const char* name)
{
    auto* widget = dialog.findChild<Widget*>(QLatin1String(name));
    if (!widget)
        qFatal("no %s in %s", name, dialog.metaObject()->className());
    return *widget;
}

void confirm(QDialog& dialog)
{
    child<QDialogButtonBox>(dialog, "").button(QDialogButtonBox::Ok)->click();
}

void choosePrinter(QDialog& dialog, const char* printer)
{
    auto& printers = child<QComboBox>(dialog, "printers");
    printers.setCurrentIndex(printers.findText(QLatin1String(printer)));
}

// Opens the printer's properties from the print dialog, runs `step` on them and confirms them.
void inProperties(QDialog& dialog, DialogStep step)
{
    onNextDialog([step = std::move(step)](QDialog& properties) {
        step(properties);
        properties.accept();
    });
    child<QPushButton>(dialog, "properties").click();
}

// One page printed on `device`; the id of the job the spooler received on `printer`.
int printOnePage(Device& device, PrivateCupsd& cupsd, const char* printer)
{
    if (device.startDoc(u"一頁 - Vantolex") <= 0 || device.startPage() <= 0 || device.endPage() <= 0
        || device.endDoc() <= 0)
        return 0;
    const std::vector<test::SpooledJob> jobs = cupsd.jobs(printer);
    return jobs.empty() ? 0 : jobs.back().id;
}

// The texts a person reads on `root` and its visible children that hold Latin letters and no Japanese: labels,
// buttons, group titles, tabs and list entries; not the printer's own names and places, nor file names.
QStringList englishTexts(QWidget& root)
{
    // A word of two Latin letters or more, not the "OK" Japanese dialogs also show; no Japanese.
    const auto english = [](const QString& text) {
        if (text == QStringLiteral("OK"))
            return false;
        int run = 0;
        bool word = false;
        for (QChar c : text) {
            if (c.unicode() >= 0x3000)
                return false;
            run = c.unicode() < 0x80 && c.isLetter() ? run + 1 : 0;
            word = word || run >= 2;
        }
        return word;
    };
    static const QStringList dataWidgets { "printers", "location", "type", "filename", "pageSizeCombo", "paperSource" };
    QStringList found;
    const auto look = [&](QWidget& widget, const QString& text) {
        QString shown = text;
        shown.remove(u'&');
        if (english(shown))
            found.append(QString::fromLatin1(widget.metaObject()->className()) + u' ' + widget.objectName()
                         + QStringLiteral(": ") + shown);
    };
    for (QWidget* widget : root.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&root) || dataWidgets.contains(widget->objectName()))
            continue;
        if (auto* label = qobject_cast<QLabel*>(widget))
            look(*widget, label->text());
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            look(*widget, button->text());
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            look(*widget, group->title());
        else if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                look(*widget, tabs->tabText(i));
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            for (int i = 0; i < combo->count(); ++i)
                look(*widget, combo->itemText(i));
        }
    }
    return found;
}

} // namespace

class PrintDialogSpoolerTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void everyOfferedChoiceIsInTheJob_data();
    void everyOfferedChoiceIsInTheJob();
    void pageRangesAreNotOffered();
    void aCancelledDialogLeavesThePrinter();
    void theQueuesPaperUntilPageSetupChoosesAnother();
    void theDialogsSpeakJapanese();

private:
    PrivateCupsd m_cupsd;
    std::unique_ptr<CupsPrinterServices> m_services;
    std::unique_ptr<ApplicationPrinter> m_chosen;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<ApplicationPrinterDialogs> m_dialogs;
};

void PrintDialogSpoolerTest::initTestCase()
{
    const std::string why = m_cupsd.start();
    if (!why.empty())
        QSKIP(("no private spooler: " + why).c_str());
    qputenv("LPDEST", PrivateCupsd::office); // the default destination of this user
}

void PrintDialogSpoolerTest::init()
{
    m_services = std::make_unique<CupsPrinterServices>(systemClock());
    m_chosen = std::make_unique<ApplicationPrinter>(*m_services);
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    m_dialogs = std::make_unique<ApplicationPrinterDialogs>(*m_chosen, *m_services, *m_printer, systemClock());
}

void PrintDialogSpoolerTest::cleanup()
{
    m_dialogs.reset();
    m_printer.reset();
    m_chosen.reset();
    m_services.reset();
}

void PrintDialogSpoolerTest::everyOfferedChoiceIsInTheJob_data()
{
    QTest::addColumn<DialogStep>("choose");
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<QString>("value");
    const auto onMain = [](auto change) { return DialogStep(change); };
    const auto onProperties
        = [](auto change) { return DialogStep([change](QDialog& dialog) { inProperties(dialog, change); }); };
    QTest::newRow("odd pages") << onMain([](QDialog& d) { child<QComboBox>(d, "pageSetCombo").setCurrentIndex(1); })
                               << "page-set"
                               << "odd";
    QTest::newRow("copies") << onMain([](QDialog& d) { child<QSpinBox>(d, "copies").setValue(3); }) << "copies"
                            << "3";
    QTest::newRow("last page first") << onMain([](QDialog& d) { child<QCheckBox>(d, "reverse").setChecked(true); })
                                     << "outputorder"
                                     << "reverse";
    QTest::newRow("long-edge binding") << onMain([](QDialog& d) { child<QRadioButton>(d, "duplexLong").click(); })
                                       << "sides"
                                       << "two-sided-long-edge";
    QTest::newRow("two pages per sheet") << onProperties([](QDialog& p) {
        child<QComboBox>(p, "pagesPerSheetCombo").setCurrentIndex(1);
    }) << "number-up"
                                         << "2";
    QTest::newRow("pages per sheet from the top") << onProperties([](QDialog& p) {
        child<QComboBox>(p, "pagesPerSheetCombo").setCurrentIndex(1);
        child<QComboBox>(p, "pagesPerSheetLayoutCombo").setCurrentIndex(6);
    }) << "number-up-layout"
                                                  << "tblr";
    QTest::newRow("banner at the start") << onProperties([](QDialog& p) {
        child<QComboBox>(p, "startBannerPageCombo").setCurrentIndex(1);
    }) << "job-sheets"
                                         << "standard,none";
    QTest::newRow("priority") << onProperties([](QDialog& p) { child<QSpinBox>(p, "jobPrioritySpinBox").setValue(80); })
                              << "job-priority"
                              << "80";
    QTest::newRow("held") << onProperties([](QDialog& p) { child<QComboBox>(p, "jobHoldComboBox").setCurrentIndex(1); })
                          << "job-hold-until"
                          << "indefinite";
    QTest::newRow("billing") << onProperties([](QDialog& p) {
        child<QLineEdit>(p, "jobBillingLineEdit").setText(QStringLiteral("経理"));
    }) << "job-billing"
                             << "経理";
}

void PrintDialogSpoolerTest::everyOfferedChoiceIsInTheJob()
{
    QFETCH(DialogStep, choose);
    QFETCH(QString, attribute);
    QFETCH(QString, value);
    onNextDialog([choose](QDialog& dialog) {
        choose(dialog);
        confirm(dialog);
    });
    const std::unique_ptr<Device> device = m_dialogs->runPrintDialog(nullptr);
    QVERIFY(device != nullptr);
    const int job = printOnePage(*device, m_cupsd, PrivateCupsd::office);
    QVERIFY(job > 0);
    const std::map<std::string, std::string> attributes = jobAttributes(job);
    const auto found = attributes.find(attribute.toStdString());
    QVERIFY2(found != attributes.end(), qPrintable(attribute));
    QCOMPARE(QString::fromStdString(found->second), value);
}

void PrintDialogSpoolerTest::pageRangesAreNotOffered()
{
    bool checked = false;
    onNextDialog([&](QDialog& dialog) {
        QVERIFY(child<QRadioButton>(dialog, "printAll").isChecked());
        for (const char* range : { "printRange", "from", "to", "pagesRadioButton", "pagesLineEdit" })
            QVERIFY2(!child<QWidget>(dialog, range).isEnabled(), range);
        choosePrinter(dialog, PrivateCupsd::jis); // another printer enables them again in Qt
        QVERIFY(!child<QRadioButton>(dialog, "pagesRadioButton").isEnabled());
        inProperties(dialog, [&](QDialog& properties) {
            for (const char* uncarried : { "topMargin", "leftMargin", "reverseLandscape", "reversePortrait" })
                QVERIFY2(!child<QWidget>(properties, uncarried).isEnabled(), uncarried);
            checked = true;
        });
        dialog.reject();
    });
    QVERIFY(m_dialogs->runPrintDialog(nullptr) == nullptr);
    QVERIFY(checked);
}

void PrintDialogSpoolerTest::aCancelledDialogLeavesThePrinter()
{
    onNextDialog([](QDialog& dialog) {
        choosePrinter(dialog, PrivateCupsd::jis);
        dialog.reject();
    });
    QVERIFY(m_dialogs->runPrintDialog(nullptr) == nullptr);
    QVERIFY(!m_chosen->chosenPrinter().has_value());

    QString opened;
    onNextDialog([&](QDialog& dialog) {
        opened = child<QComboBox>(dialog, "printers").currentText();
        dialog.reject();
    });
    QVERIFY(m_dialogs->runPrintDialog(nullptr) == nullptr);
    QCOMPARE(opened, QString::fromLatin1(PrivateCupsd::office));
    const std::unique_ptr<Device> preview = m_dialogs->printerDevice();
    QVERIFY(preview != nullptr);
    QCOMPARE(m_chosen->chosenPrinter()->destination, std::string(PrivateCupsd::office));
}

void PrintDialogSpoolerTest::theQueuesPaperUntilPageSetupChoosesAnother()
{
    // The first preview: the default queue's A4 less its 10 mm margins, though Letter is listed first.
    std::unique_ptr<Device> preview = m_dialogs->printerDevice();
    QVERIFY(preview != nullptr);
    QCOMPARE(preview->capabilities(), (DeviceCaps { 4488, 6543, 600, 600 }));

    // A print on it first, so that the print dialog has set its printer up once.
    onNextDialog(confirm);
    std::unique_ptr<Device> device = m_dialogs->runPrintDialog(nullptr);
    QVERIFY(device != nullptr);
    int job = printOnePage(*device, m_cupsd, PrivateCupsd::office);
    QVERIFY(job > 0);
    QCOMPARE(QString::fromStdString(jobAttributes(job)["media"]), QStringLiteral("iso_a4_210x297mm"));

    QString paperShown;
    onNextDialog([&](QDialog& dialog) {
        paperShown = child<QComboBox>(dialog, "paperCombo").currentText();
        auto& paper = child<QComboBox>(dialog, "paperCombo");
        paper.setCurrentIndex(paper.findText(QStringLiteral("B5"), Qt::MatchStartsWith));
        dialog.accept();
    });
    PageSetupMargins margins;
    QVERIFY(m_dialogs->runPageSetup(nullptr, margins));
    QVERIFY2(paperShown.startsWith(QStringLiteral("A4")), qPrintable(paperShown));

    // JIS B5 (182 × 257 mm) less 5 mm margins, in the preview and in the job.
    preview = m_dialogs->printerDevice();
    QCOMPARE(preview->capabilities(), (DeviceCaps { 4062, 5834, 600, 600 }));
    onNextDialog(confirm);
    device = m_dialogs->runPrintDialog(nullptr);
    QVERIFY(device != nullptr);
    QCOMPARE(device->capabilities(), (DeviceCaps { 4062, 5834, 600, 600 }));
    job = printOnePage(*device, m_cupsd, PrivateCupsd::office);
    QVERIFY(job > 0);
    QCOMPARE(QString::fromStdString(jobAttributes(job)["media"]), QStringLiteral("jis_b5_182x257mm"));
}

void PrintDialogSpoolerTest::theDialogsSpeakJapanese()
{
    const DialogTranslations translations(QStringList { QStringLiteral(VANTOLEX_TRANSLATION_DIR) });
    QVERIFY(translations.ownLoaded());
    QStringList english;
    onNextDialog([&](QDialog& dialog) {
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->text().contains(u">>")) // the options, shown
                button->click();
        }
        english += englishTexts(dialog);
        inProperties(dialog, [&](QDialog& properties) {
            auto& tabs = child<QTabWidget>(properties, "tabs");
            for (int i = 0; i < tabs.count(); ++i) {
                tabs.setCurrentIndex(i);
                english += englishTexts(properties);
            }
        });
        dialog.reject();
    });
    QVERIFY(m_dialogs->runPrintDialog(nullptr) == nullptr);
    english.removeDuplicates();
    QVERIFY2(english.isEmpty(), qPrintable(english.join(u'\n')));
}

} // namespace vantolex

QTEST_MAIN(vantolex::PrintDialogSpoolerTest)
#include "PrintDialogSpoolerTest.moc"
