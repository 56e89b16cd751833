#include "app/WorkerProgress.h"

#include "app/WindowPlacement.h"

#include <QProgressDialog>

std::unique_ptr<QProgressDialog> WorkerProgress(QWidget& owner, const QString& title, const QString& label,
                                                std::shared_ptr<std::atomic<bool>> cancelled)
{
    auto progress = std::make_unique<QProgressDialog>(label, QStringLiteral("Cancel"), 0, 0, &owner);
    progress->setWindowTitle(title);
    KeepTitleWhole(*progress);
    progress->setWindowModality(Qt::ApplicationModal);
    progress->setMinimumDuration(300);
    progress->setValue(0);
    QObject::connect(progress.get(), &QProgressDialog::canceled, [cancelled] { *cancelled = true; });
    QObject::connect(progress.get(), &QDialog::rejected, [cancelled] { *cancelled = true; });
    return progress;
}
