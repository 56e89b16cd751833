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
        if (openAnswers.empty())
            return std::nullopt;
        const QString answer = openAnswers.front();
        openAnswers.pop_front();
        if (answer.isNull())
            return std::nullopt;
        return answer;
    }

    std::optional<QString> ChooseSaveFile(QWidget*, const QString&, const QString& suggested, const QString& filter,
                                          const QString& defaultSuffix) override
    {
        saveRequests.push_back({suggested, filter, defaultSuffix});
        if (saveAnswers.empty())
            return std::nullopt;
        const QString answer = saveAnswers.front();
        saveAnswers.pop_front();
        if (answer.isNull())
            return std::nullopt;
        return answer;
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
    struct SaveRequest {
        QString suggested;
        QString filter;
        QString defaultSuffix;
    };

    /// Answers in turn; a null QString cancels the dialog.
    std::deque<QString> openAnswers;
    std::deque<QString> saveAnswers;
    std::deque<QMessageBox::StandardButton> saveChangesAnswers;
    /// Called with each modal dialog; its result is whether it was accepted.
    std::function<bool(QDialog&)> dialogHook;

    std::vector<OpenRequest> openRequests;
    std::vector<SaveRequest> saveRequests;
    std::vector<QString> saveQuestions;
    std::vector<Message> messages;
    std::vector<QString> dialogTitles;
};
