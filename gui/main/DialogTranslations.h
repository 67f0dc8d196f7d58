// The Japanese texts of Qt's own dialogs (print, printer properties, page setup, files): Qt's translation
// qtbase_ja, and after it our own for the texts it leaves in English.
#pragma once

#include <QString>
#include <QTranslator>

namespace vantolex {

// The name of our own translation file, without ".qm".
inline constexpr const char* ownTranslationName = "vantolex_qt_ja";

class DialogTranslations
{
public:
    // Installs both translations in the application; a missing file leaves its texts as they were. Our own
    // file is looked for in `folders` in order (see ownTranslationFolders).
    explicit DialogTranslations(const QStringList& folders);
    DialogTranslations(const DialogTranslations&) = delete;
    DialogTranslations& operator=(const DialogTranslations&) = delete;
    ~DialogTranslations();

    bool ownLoaded() const noexcept { return m_ownLoaded; }

private:
    QTranslator m_qt;
    QTranslator m_own;
    bool m_qtLoaded = false;
    bool m_ownLoaded = false;
};

// Where the program finds its own translation: beside its data when installed (../share/vantolex beside the
// program's folder), else beside the program (a build tree).
QStringList ownTranslationFolders();

} // namespace vantolex
