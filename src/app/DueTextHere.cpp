#include "app/DueTextHere.h"

#include "app/TextConv.h"
#include "views/OrdersDueText.h"

#include <QDateTime>

QString DueTextHere(const CPhaseDue& due, std::chrono::sys_seconds now)
{
    const auto at = due.deadlineTime.value_or(now);
    const std::chrono::seconds offset(QDateTime::fromSecsSinceEpoch(at.time_since_epoch().count()).offsetFromUtc());
    return FromDocText(OrdersDueText(due, now, offset));
}
