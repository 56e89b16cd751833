#pragma once

#include "model/Services.h"

#include <string>
#include <utility>
#include <vector>

/// Collects the messages of a paint, which must not open a modal box while
/// the window is painting; Flush hands them on once the paint is over.
class CDeferredMessages : public IUserMessages {
public:
    void ShowMessage(std::string_view text, MessageIcon icon) override
    {
        m_pending.emplace_back(std::string(text), icon);
    }
    bool Empty() const { return m_pending.empty(); }
    /// Passes every collected message to target, in order, after the
    /// current event has been handled.
    void FlushLater(IUserMessages& target);

private:
    std::vector<std::pair<std::string, MessageIcon>> m_pending;
};
