#pragma once

#include <QSet>
#include <QString>
#include <optional>

namespace vastrel::catalogue {

// The check marks and the current row of a list, saved by key before the list is rebuilt,
// so that rows with the same key get their mark back. Without a current key no row becomes
// current again.
class SavedChecks
{
public:
    void add(const QString& key, bool checked)
    {
        if (checked)
            m_checked.insert(key);
    }
    void setCurrent(const QString& key) { m_current = key; }

    bool wasChecked(const QString& key) const { return m_checked.contains(key); }
    // Nothing was checked and no row was current: restoring would change nothing.
    bool isEmpty() const { return m_checked.isEmpty() && !m_current; }
    bool isCurrent(const QString& key) const { return m_current == key; }

private:
    QSet<QString> m_checked;
    std::optional<QString> m_current;
};

} // namespace vastrel::catalogue
