#pragma once

#include "model/Services.h"

#include <QMessageBox>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <optional>

class QDialog;
class QWidget;

/// Every modal question the program asks: file choices, the save prompt,
/// message boxes and dialogs. Tests replace it with scripted answers so that
/// the real windows run without anyone at the keyboard.
class CUiPrompts {
public:
    virtual ~CUiPrompts() = default;

    /// A file to open; filter in Qt's form ("Text Files (*.txt);;...").
    virtual std::optional<QString> ChooseOpenFile(QWidget* parent, const QString& caption, const QString& folder,
                                                  const QString& filter);
    /// Mail to import: one or more files, or one Maildir folder, starting in
    /// folder; nullopt when the user cancels.
    virtual std::optional<QStringList> ChooseMailSources(QWidget* parent, const QString& folder);
    /// A file to save to; defaultSuffix is added when the name has none.
    /// A suggested bare name is offered in folder (when given).
    virtual std::optional<QString> ChooseSaveFile(QWidget* parent, const QString& caption, const QString& suggested,
                                                  const QString& filter, const QString& defaultSuffix,
                                                  const QString& folder = QString());
    /// "Save changes to %1?": Yes, No or Cancel.
    virtual QMessageBox::StandardButton AskSaveChanges(QWidget* parent, const QString& name);
    /// A message box with an OK button and the icon kind.
    virtual void ShowMessage(QWidget* parent, const QString& text, MessageIcon icon);
    /// A message with a way on: text, then question under it, and the buttons
    /// acceptLabel and "Cancel"; true when acceptLabel was chosen.
    virtual bool AskToContinue(QWidget* parent, const QString& text, const QString& question,
                               const QString& acceptLabel);
    /// A pop-up menu of items at globalPos; the index chosen, nullopt when
    /// the menu was closed without a choice.
    virtual std::optional<int> ChooseFromMenu(QWidget* parent, QPoint globalPos, const QStringList& items);
    /// Runs a modal dialog; true when it was accepted.
    virtual bool RunDialog(QDialog& dialog);
};
