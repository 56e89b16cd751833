#include "SampleGame.h"

#include "model/KestraneDoc.h"

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

bool CKestrelSession::SaveAs(const QString& name)
{
    app.Prompts().saveAnswers.push_back(app.Path(name));
    app.Run(Cmd::FileSaveAs);
    return doc && QFileInfo(app.Path(name)).isFile() && !doc->IsModified();
}

QString Current(const CKestraneDoc& doc)
{
    return doc.GetCurrentSeason() ? QString::fromStdString(doc.GetCurrentSeason()->m_strSeason) : QString();
}

CKestrelSession::CKestrelSession(const CAppFixture::Presets& presets, size_t count)
    : app(presets), doc(app.NewStandardGame())
{
    if (!doc)
        return;
    const auto mails = kestrel::Mails();
    for (size_t i = 0; i < mails.size() && i < count; ++i)
        app.ImportReport(QString::fromStdString(mails[i].string()));
}
