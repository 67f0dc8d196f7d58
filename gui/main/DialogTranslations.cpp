#include "gui/main/DialogTranslations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace vantolex {

DialogTranslations::DialogTranslations(const QStringList& folders)
{
    m_qtLoaded = m_qt.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (m_qtLoaded)
        QCoreApplication::installTranslator(&m_qt);
    for (const QString& folder : folders) {
        if (m_own.load(QLatin1String(ownTranslationName), folder)) {
            m_ownLoaded = true;
            break;
        }
    }
    // Installed last, so asked first.
    if (m_ownLoaded)
        QCoreApplication::installTranslator(&m_own);
}

DialogTranslations::~DialogTranslations()
{
    if (m_ownLoaded)
        QCoreApplication::removeTranslator(&m_own);
    if (m_qtLoaded)
        QCoreApplication::removeTranslator(&m_qt);
}

QStringList ownTranslationFolders()
{
    const QDir program(QCoreApplication::applicationDirPath());
    return { QDir::cleanPath(program.filePath(QStringLiteral("../share/vantolex"))), program.path() };
}

} // namespace vantolex
