#include "app/OrdersSelection.h"

#include <algorithm>

void COrdersSelection::Begin(int line)
{
    m_anchor = std::max(0, line);
    m_caret = *m_anchor;
}

void COrdersSelection::Extend(int line)
{
    if (m_anchor)
        m_caret = std::max(0, line);
}

void COrdersSelection::SelectAll(int count)
{
    if (count <= 0) {
        Clear();
        return;
    }
    m_anchor = 0;
    m_caret = count - 1;
}

void COrdersSelection::Clear()
{
    m_anchor.reset();
    m_caret = 0;
}

bool COrdersSelection::Contains(int line) const
{
    return m_anchor && line >= First() && line <= Last();
}

int COrdersSelection::First() const
{
    return m_anchor ? std::min(*m_anchor, m_caret) : 0;
}

int COrdersSelection::Last() const
{
    return m_anchor ? std::max(*m_anchor, m_caret) : -1;
}

QString COrdersSelection::Text(const QStringList& lines) const
{
    if (!m_anchor)
        return {};
    const int last = std::min(Last(), int(lines.size()) - 1);
    QStringList picked;
    for (int i = First(); i <= last; ++i)
        picked << lines[i];
    return picked.join(QLatin1Char('\n'));
}
