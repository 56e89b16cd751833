#include "SampleGame.h"

#include <QFileInfo>

#ifndef KESTRANE_SAMPLE_GAME
#define KESTRANE_SAMPLE_GAME ""
#endif

QString SampleGamePath()
{
    return QStringLiteral(KESTRANE_SAMPLE_GAME);
}

CAppFixture::Presets SampleSettings(int initials, int centres)
{
    return {{"Settings/InstallDir", QStringLiteral(KESTRANE_SOURCE_DIR "/data")},
            {"Settings/Initials", initials},
            {"Settings/SCDisplay", centres}};
}

CKestraneDoc* OpenSampleGame(CAppFixture& app)
{
    if (!QFileInfo(SampleGamePath()).isFile())
        return nullptr;
    return app.Frame().Docs().OpenDocumentFile(SampleGamePath());
}
