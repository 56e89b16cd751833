#include "app/UiPrompts.h"

#include "app/MailSourceDialog.h"

#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>

std::optional<QString> CUiPrompts::ChooseOpenFile(QWidget* parent, const QString& caption, const QString& folder,
                                                  const QString& filter)
{
    QFileDialog dialog(parent, caption, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front();
}

std::optional<QStringList> CUiPrompts::ChooseMailSources(QWidget* parent, const QString& folder)
{
    CMailSourceDialog dialog(parent);
    dialog.setDirectory(folder);
    if (dialog.exec() != QDialog::Accepted || dialog.Chosen().isEmpty())
        return std::nullopt;
    return dialog.Chosen();
}

std::optional<QString> CUiPrompts::ChooseSaveFile(QWidget* parent, const QString& caption, const QString& suggested,
                                                  const QString& filter, const QString& defaultSuffix,
                                                  const QString& folder)
{
    QFileDialog dialog(parent, caption, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front();
}

QMessageBox::StandardButton CUiPrompts::AskSaveChanges(QWidget* parent, const QString& name)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Kestrane"), QStringLiteral("Save changes to %1?").arg(name),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void CUiPrompts::ShowMessage(QWidget* parent, const QString& text, MessageIcon icon)
{
    QMessageBox::Icon kind = QMessageBox::NoIcon;
    if (icon == MessageIcon::Exclamation)
        kind = QMessageBox::Warning;
    else if (icon == MessageIcon::Information)
        kind = QMessageBox::Information;
    QMessageBox box(kind, QStringLiteral("Kestrane"), text, QMessageBox::Ok, parent);
    box.exec();
}

bool CUiPrompts::AskToContinue(QWidget* parent, const QString& text, const QString& question,
                               const QString& acceptLabel)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Kestrane"), text, QMessageBox::NoButton, parent);
    box.setInformativeText(question);
    QPushButton* accept = box.addButton(acceptLabel, QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(accept);
    box.exec();
    return box.clickedButton() == accept;
}

std::optional<int> CUiPrompts::ChooseFromMenu(QWidget* parent, QPoint globalPos, const QStringList& items)
{
    QMenu menu(parent);
    for (int i = 0; i < items.size(); ++i)
        menu.addAction(items[i])->setData(i);
    const QAction* chosen = menu.exec(globalPos);
    return chosen ? std::optional<int>(chosen->data().toInt()) : std::nullopt;
}

bool CUiPrompts::RunDialog(QDialog& dialog)
{
    return dialog.exec() == QDialog::Accepted;
}
