#pragma once

#include "mailbox/ImportSummaryText.h"
#include "model/Services.h"

#include <string>
#include <utility>
#include <vector>

/// Records every message and close request, for tests to assert on.
class CRecordingServices : public IAppServices {
public:
    struct Message {
        std::string text;
        MessageIcon icon;
        friend bool operator==(const Message&, const Message&) = default;
    };

    explicit CRecordingServices(std::string installDir = ".") : m_installDir(std::move(installDir)) {}

    void ShowMessage(std::string_view text, MessageIcon icon) override { messages.push_back({std::string(text), icon}); }
    std::string GetInstallDir() const override { return m_installDir; }
    void CloseMainWindow() override { ++closeRequests; }
    /// Recorded as one message: the summary as the summary dialog first shows it.
    void ShowImportSummary(const CBatchSummary& summary) override
    {
        messages.push_back({ImportSummaryText(summary, {}, SummaryDetail::Grouped), MessageIcon::None});
    }

    void SetInstallDir(std::string dir) { m_installDir = std::move(dir); }
    /// The texts only, in order.
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const auto& m : messages)
            texts.push_back(m.text);
        return texts;
    }
    void Clear() { messages.clear(); closeRequests = 0; }

    std::vector<Message> messages;
    int closeRequests = 0;

private:
    std::string m_installDir;
};
