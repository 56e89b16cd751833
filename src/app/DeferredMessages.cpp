#include "app/DeferredMessages.h"

#include <QTimer>

void CDeferredMessages::FlushLater(IUserMessages& target)
{
    if (m_pending.empty())
        return;
    auto pending = std::move(m_pending);
    m_pending.clear();
    QTimer::singleShot(0, [&target, pending = std::move(pending)] {
        for (const auto& [text, icon] : pending)
            target.ShowMessage(text, icon);
    });
}
