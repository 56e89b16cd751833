#include "app/HelpGuide.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef KESTRANE_DATA_DIR
#define KESTRANE_DATA_DIR "/usr/local/share/kestrane"
#endif
#ifndef KESTRANE_SOURCE_DOCS_DIR
#define KESTRANE_SOURCE_DOCS_DIR ""
#endif

QStringList UserGuideCandidates()
{
    QStringList candidates{QStringLiteral(KESTRANE_DATA_DIR "/docs/index.html")};
    const QString beside =
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/kestrane/docs/index.html"));
    if (!candidates.contains(beside))
        candidates << beside;
    if (QStringLiteral(KESTRANE_SOURCE_DOCS_DIR) != QString())
        candidates << QStringLiteral(KESTRANE_SOURCE_DOCS_DIR "/index.html");
    return candidates;
}

QString UserGuidePath()
{
    for (const QString& candidate : UserGuideCandidates())
        if (QFileInfo(candidate).isFile())
            return candidate;
    return {};
}

QString MissingGuideMessage()
{
    QStringList places;
    for (const QString& candidate : UserGuideCandidates())
        places << QDir::toNativeSeparators(candidate);
    return QStringLiteral("The user guide was not found. It was looked for in:\n") + places.join(QLatin1Char('\n'));
}
