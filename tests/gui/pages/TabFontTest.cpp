// The フォント page over a catalogue of known faces: vertical writing adds and drops the "@", the language
// list never repeats, a face that is not there falls back to the first, and no face means no description.
#include <QCheckBox>
#include <QComboBox>
#include <QtTest>

#include "gui/pages/TabFont.h"
#include "render/fonts/FontCatalogue.h"
#include "settings/PrintSettings.h"

namespace vantolex {

namespace {

std::unique_ptr<FontCatalogue> catalogue(bool withFixedPitch = true)
{
    std::vector<InstalledFace> faces;
    if (withFixedPitch) {
        faces.push_back({ u"等幅明朝", { u"等幅明朝" }, { u"欧文", u"日本語" }, true, true });
        faces.push_back({ u"等幅ゴシック", { u"等幅ゴシック" }, { u"欧文", u"日本語" }, true, true });
    }
    faces.push_back({ u"可変明朝", { u"可変明朝" }, { u"欧文", u"日本語" }, false, true });
    faces.push_back({ u"Latin Sans", { u"Latin Sans" }, { u"欧文" }, false, false });
    return std::make_unique<FontCatalogue>(std::move(faces));
}

PrintSettings font(std::u16string language, std::u16string face, bool vertical = false, bool proportional = false)
{
    PrintSettings settings;
    settings.language = std::move(language);
    settings.fontName = std::move(face);
    settings.vertical = vertical;
    settings.proportional = proportional;
    return settings;
}

QStringList items(const QComboBox* combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

} // namespace

class TabFontTest : public QObject
{
    Q_OBJECT

private slots:
    void verticalWritingSwitchesTheSameFace();
    void theProportionalBoxTwiceRepeatsNoLanguage();
    void aMissingFaceFallsBackToTheFirst();
    void noFaceStoresNoDescription();
};

void TabFontTest::verticalWritingSwitchesTheSameFace()
{
    TabFont page(nullptr, catalogue());
    page.loadFrom(font(u"日本語", u"等幅明朝"));
    auto* face = page.findChild<QComboBox*>(QStringLiteral("faceCombo"));
    auto* vertical = page.findChild<QCheckBox*>(QStringLiteral("verticalCheck"));
    QCOMPARE(face->currentText(), QString::fromUtf16(u"等幅明朝"));
    vertical->click();
    QCOMPARE(face->currentText(), QString::fromUtf16(u"@等幅明朝"));
    PrintSettings stored;
    page.storeTo(stored);
    QCOMPARE(stored.vertical, true);
    QVERIFY(stored.fontName == u"@等幅明朝");
    QVERIFY(stored.fontDescriptor && stored.fontDescriptor->faceName == u"@等幅明朝");
    vertical->click();
    QCOMPARE(face->currentText(), QString::fromUtf16(u"等幅明朝"));
}

void TabFontTest::theProportionalBoxTwiceRepeatsNoLanguage()
{
    TabFont page(nullptr, catalogue());
    page.loadFrom(font(u"日本語", u"等幅ゴシック"));
    auto* language = page.findChild<QComboBox*>(QStringLiteral("languageCombo"));
    const QStringList before = items(language);
    QCOMPARE(before, QStringList({ QString::fromUtf16(u"欧文"), QString::fromUtf16(u"日本語") }));
    auto* proportional = page.findChild<QCheckBox*>(QStringLiteral("proportionalCheck"));
    proportional->click();
    QCOMPARE(items(page.findChild<QComboBox*>(QStringLiteral("faceCombo"))),
             QStringList({ QString::fromUtf16(u"可変明朝") }));
    proportional->click();
    QCOMPARE(items(language), before);
    QCOMPARE(language->currentText(), QString::fromUtf16(u"日本語"));
    QCOMPARE(page.findChild<QComboBox*>(QStringLiteral("faceCombo"))->currentText(),
             QString::fromUtf16(u"等幅ゴシック"));
}

void TabFontTest::aMissingFaceFallsBackToTheFirst()
{
    TabFont page(nullptr, catalogue());
    page.loadFrom(font(u"日本語", u"ない書体"));
    PrintSettings stored;
    page.storeTo(stored);
    QVERIFY(stored.fontName == u"等幅ゴシック"); // the first of the sorted list
    QVERIFY(stored.language == u"日本語");
}

void TabFontTest::noFaceStoresNoDescription()
{
    TabFont page(nullptr, catalogue(false));
    page.loadFrom(font(u"日本語", u"等幅明朝"));
    PrintSettings stored;
    page.storeTo(stored);
    QVERIFY(stored.fontName.empty());
    QVERIFY(!stored.fontDescriptor.has_value());
}

} // namespace vantolex

QTEST_MAIN(vantolex::TabFontTest)
#include "TabFontTest.moc"
