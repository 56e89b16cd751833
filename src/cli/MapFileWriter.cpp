#include "cli/MapFileWriter.h"

#include "qtdraw/GameAnimation.h"
#include "qtdraw/MapDrawing.h"
#include "qtdraw/MapExport.h"

#include <QFile>
#include <QGuiApplication>

#include <cstdio>

namespace {

// The platform's start-up notes (a missing runtime folder and the like) are
// no concern of a command-line user; real failures still reach standard error.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        fprintf(stderr, "kestrane-cli: %s\n", qPrintable(text));
}

// Captions and PDF pages need fonts, and fonts a GUI application. The
// command line needs no display for them: without a platform chosen it
// draws offscreen.
void EnsureGuiApplication()
{
    static int argc = 1;
    static char name[] = "kestrane-cli";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietQtMessages);
    static QGuiApplication app(argc, argv);
}

QSize SizeOf(const CMapFileRequest& request)
{
    return request.width > 0 && request.height > 0 ? QSize(request.width, request.height) : QSize();
}

} // namespace

bool WriteMapFile(CKestraneDoc& doc, const CMapFileRequest& request, const std::string& path, std::string& error)
{
    EnsureGuiApplication();
    CRenderOptions render;
    render.m_bMaskedCopy = request.maskedCopy;
    const QImage picture =
        RenderMapPicture(doc, request.settings, SizeOf(request), {request.smooth, request.orders}, render);
    QString reason;
    if (!ExportMapPicture(picture, QFile::decodeName(path.c_str()), reason)) {
        error = reason.toStdString();
        return false;
    }
    return true;
}

bool WriteAnimationFile(CKestraneDoc& doc, const CMapFileRequest& request, const std::string& path,
                        std::string& error)
{
    EnsureGuiApplication();
    CAnimationRequest animation;
    animation.settings = request.settings;
    animation.draw = {request.smooth, request.orders};
    animation.mapSize = SizeOf(request);
    animation.delay = request.delay;
    return WriteGameAnimation(doc, animation, path, {}, error) == AnimationOutcome::Written;
}
