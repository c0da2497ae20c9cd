#include "tools/artwork/LayoutTable.h"

#include <QFile>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>

namespace artwork {

bool LayoutTable::load(const QString& path, const QString& section) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    path_ = path;
    values_.clear();
    bool inSection = false;
    const QString wanted = section.toLower();
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString line = QString::fromLatin1(raw).trimmed();
        if (line.isEmpty() || line.startsWith(';')) continue;
        if (line.startsWith('[') && line.endsWith(']')) {
            inSection = line.mid(1, line.size() - 2).trimmed().toLower() == wanted;
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (!inSection || eq < 0) continue;
        bool ok = false;
        const int v = line.mid(eq + 1).trimmed().toInt(&ok);
        if (ok) values_.insert(line.left(eq).trimmed().toLower(), v);
    }
    return !values_.isEmpty();
}

int LayoutTable::value(const QString& key) const {
    const auto it = values_.constFind(key.toLower());
    if (it == values_.constEnd()) {
        std::fprintf(stderr, "artwork: %s lacks the key %s\n", qPrintable(path_), qPrintable(key));
        std::exit(2);
    }
    return *it;
}

}  // namespace artwork
