#include "app/HelpGuide.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#ifndef KESTRANE_DATA_DIR
#define KESTRANE_DATA_DIR "/usr/local/share/kestrane"
#endif
#ifndef KESTRANE_SOURCE_DOCS_DIR
#define KESTRANE_SOURCE_DOCS_DIR ""
#endif

QString UserGuidePath()
{
    for (const QString& candidate : {QStringLiteral(KESTRANE_DATA_DIR "/docs/index.html"),
                                     QStringLiteral(KESTRANE_SOURCE_DOCS_DIR "/index.html")}) {
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return {};
}

bool OpenUserGuide()
{
    const QString path = UserGuidePath();
    return !path.isEmpty() && QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
