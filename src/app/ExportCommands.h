#pragma once

#include "app/CommandGroup.h"

#include <QString>

#include <optional>

class CKestraneDoc;
class QDialog;

/// File, Export Map and Export Animation: the map on show as a picture at
/// the size chosen, and every season as one animated GIF, each with the
/// view's display settings. The dialogs belong to window.
class CExportCommands : public CCommandGroup {
    Q_OBJECT
public:
    using CCommandGroup::CCommandGroup;

    /// The map on show as PNG or PDF, at the size chosen.
    void OnExportMap(CKestraneDoc& doc);
    /// Every season as one animated GIF, behind a progress dialog that can
    /// cancel between seasons.
    void OnExportAnimation(CKestraneDoc& doc);

private:
    /// The export's options dialog, then the file to write (the dialog's
    /// title captions both); nullopt when either was cancelled.
    std::optional<QString> ChooseTarget(QDialog& options, const QString& suggested, const QString& filter,
                                        const QString& suffix);

};
