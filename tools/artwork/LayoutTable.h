#pragma once

#include <QHash>
#include <QString>

namespace artwork {

// The few lines of the settings-table format the artwork needs: the key=value
// lines of one section, names compared without case, the later duplicate wins.
class LayoutTable {
public:
    bool load(const QString& path, const QString& section);
    int value(const QString& key) const;  // aborts on a missing key: the table is broken
    bool has(const QString& key) const { return values_.contains(key.toLower()); }
    int x(const QString& name) const { return value(name + "_X"); }
    int y(const QString& name) const { return value(name + "_Y"); }

private:
    QHash<QString, int> values_;
    QString path_;
};

}  // namespace artwork
