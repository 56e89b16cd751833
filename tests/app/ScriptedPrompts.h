#pragma once

#include "app/UiPrompts.h"

#include <QDialog>
#include <QString>

#include <deque>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

/// Answers every question from a script and records what was asked, so the
/// real windows run in tests without a modal dialog ever opening.
class CScriptedPrompts : public CUiPrompts {
public:
    struct Message {
        QString text;
        MessageIcon icon;
    };

    std::optional<QString> ChooseOpenFile(QWidget*, const QString& caption, const QString& folder,
                                          const QString& filter) override
    {
        openRequests.push_back({caption, folder, filter});
        return NextFile(openAnswers);
    }

    std::optional<QStringList> ChooseMailSources(QWidget*, const QString& folder) override
    {
        mailSourceFolders.push_back(folder);
        if (mailSourceAnswers.empty() || mailSourceAnswers.front().isEmpty()) {
            if (!mailSourceAnswers.empty())
                mailSourceAnswers.pop_front();
            return std::nullopt;
        }
        const QStringList answer = mailSourceAnswers.front();
        mailSourceAnswers.pop_front();
        return answer;
    }

    std::optional<QString> ChooseSaveFile(QWidget*, const QString&, const QString& suggested, const QString& filter,
                                          const QString& defaultSuffix, const QString& folder = QString()) override
    {
        saveRequests.push_back({suggested, filter, defaultSuffix, folder});
        return NextFile(saveAnswers);
    }

    QMessageBox::StandardButton AskSaveChanges(QWidget*, const QString& name) override
    {
        saveQuestions.push_back(name);
        if (saveChangesAnswers.empty())
            return QMessageBox::Cancel;
        auto answer = saveChangesAnswers.front();
        saveChangesAnswers.pop_front();
        return answer;
    }

    void ShowMessage(QWidget*, const QString& text, MessageIcon icon) override { messages.push_back({text, icon}); }

    bool AskToContinue(QWidget*, const QString& text, const QString& question, const QString& acceptLabel) override
    {
        questions.push_back({text, question, acceptLabel});
        if (continueAnswers.empty())
            return false;
        const bool answer = continueAnswers.front();
        continueAnswers.pop_front();
        return answer;
    }

    std::optional<int> ChooseFromMenu(QWidget*, QPoint, const QStringList& items) override
    {
        menus.push_back(items);
        if (menuAnswers.empty())
            return std::nullopt;
        const qsizetype chosen = items.indexOf(menuAnswers.front());
        menuAnswers.pop_front();
        return chosen < 0 ? std::nullopt : std::optional<int>(int(chosen));
    }

    bool RunDialog(QDialog& dialog) override
    {
        dialogTitles.push_back(dialog.windowTitle());
        return dialogHook ? dialogHook(dialog) : false;
    }

    struct OpenRequest {
        QString caption;
        QString folder;
        QString filter;
    };
    struct Question {
        QString text;
        QString question;
        QString acceptLabel;
    };
    struct SaveRequest {
        QString suggested;
        QString filter;
        QString defaultSuffix;
        QString folder;
    };

    /// Answers in turn; a null QString cancels the dialog.
    std::deque<QString> openAnswers;
    std::deque<QString> saveAnswers;
    /// Mail sources chosen in turn; an empty list cancels the dialog.
    std::deque<QStringList> mailSourceAnswers;
    std::deque<QMessageBox::StandardButton> saveChangesAnswers;
    /// Answers to AskToContinue in turn; none left means Cancel.
    std::deque<bool> continueAnswers;
    /// Menu items chosen in turn, by their text; one not offered, or none
    /// left, closes the menu without a choice.
    std::deque<QString> menuAnswers;
    /// Called with each modal dialog; its result is whether it was accepted.
    std::function<bool(QDialog&)> dialogHook;

    std::vector<OpenRequest> openRequests;
    std::vector<QString> mailSourceFolders;
    std::vector<SaveRequest> saveRequests;
    std::vector<QString> saveQuestions;
    std::vector<Message> messages;
    std::vector<Question> questions;
    std::vector<QString> dialogTitles;
    std::vector<QStringList> menus;

private:
    // The next file answer in turn; none left, or a null one, cancels.
    static std::optional<QString> NextFile(std::deque<QString>& answers)
    {
        if (answers.empty())
            return std::nullopt;
        const QString answer = answers.front();
        answers.pop_front();
        return answer.isNull() ? std::nullopt : std::optional<QString>(answer);
    }
};
