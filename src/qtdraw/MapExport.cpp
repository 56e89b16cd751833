#include "qtdraw/MapExport.h"

#include <QImageWriter>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace {

constexpr int kPdfDpi = 96;

bool WritePdf(const QImage& picture, QSaveFile& file)
{
    QPdfWriter writer(&file);
    writer.setResolution(kPdfDpi);
    const QSizeF points(picture.width() * 72.0 / kPdfDpi, picture.height() * 72.0 / kPdfDpi);
    writer.setPageLayout(QPageLayout(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch),
                                     QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    writer.setCreator(QStringLiteral("Kestrane"));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    painter.drawImage(QRect(0, 0, picture.width(), picture.height()), picture);
    return painter.end();
}

} // namespace

MapFileKind MapFileKindOf(const QString& path)
{
    return path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive) ? MapFileKind::Pdf : MapFileKind::Png;
}

bool ExportMapPicture(const QImage& picture, const QString& path, QString& error)
{
    if (picture.isNull()) {
        error = QStringLiteral("the map picture is empty");
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    bool written = false;
    if (MapFileKindOf(path) == MapFileKind::Pdf) {
        written = WritePdf(picture, file);
        if (!written)
            error = QStringLiteral("the PDF could not be made");
    } else {
        QImageWriter writer(&file, "png");
        written = writer.write(picture);
        if (!written)
            error = writer.errorString();
    }
    if (!written) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}
