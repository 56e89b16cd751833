#pragma once

#include <QString>
#include <QStringList>

#include <optional>

/// The lines the user has selected in the orders pane: whole lines, from the
/// line where the mouse went down to the line it was dragged to, in either
/// direction. Lines are counted from 0 in the order the pane draws them.
class COrdersSelection {
public:
    /// Starts a selection at line (a click).
    void Begin(int line);
    /// Moves the selection's free end to line (a drag); nothing without Begin.
    void Extend(int line);
    /// Selects lines 0 to count - 1; nothing when count is 0.
    void SelectAll(int count);
    void Clear();

    bool IsEmpty() const { return !m_anchor; }
    /// Whether line lies in the selection.
    bool Contains(int line) const;
    /// The first and last selected line; meaningful unless IsEmpty.
    int First() const;
    int Last() const;
    /// The selected entries of lines joined by line feeds; lines past the end
    /// of lines (a season that shrank) are left out.
    QString Text(const QStringList& lines) const;

private:
    std::optional<int> m_anchor;
    int m_caret = 0;
};
