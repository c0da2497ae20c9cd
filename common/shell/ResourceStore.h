#pragma once
// A program's resources: Qt resources under one prefix (":/res" in the
// programs) with the resource name as alias, looked up without regard to case.
// PNG pictures are decoded once and kept. Asking for a name that is not there
// records it in the start-up problems, so a build that lacks a picture or a
// table stops with a message naming it.

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <optional>

#include "common/shell/StartupProblems.h"

namespace shell {

class ResourceStore {
public:
    explicit ResourceStore(const QString& root = QStringLiteral(":/res"),
                           StartupProblems* problems = nullptr);

    void setProblems(StartupProblems* problems) { problems_ = problems; }

    bool contains(const QString& name) const;
    // Raw bytes of a resource; nothing (and a recorded problem) when it is absent.
    std::optional<QByteArray> data(const QString& name) const;
    // A picture; a null pixmap (and a recorded problem) when it is absent or
    // not a readable PNG.
    QPixmap image(const QString& name) const;

    // Adds or replaces a resource in memory (generated resources, tests).
    void insert(const QString& name, const QByteArray& bytes);
    void insertImage(const QString& name, const QImage& image);

private:
    static QString Key(const QString& name) { return name.toLower(); }
    void report(const QString& name) const;

    QHash<QString, QString> paths_;        // lower-case name -> resource path
    QHash<QString, QByteArray> inserted_;  // lower-case name -> bytes
    mutable QHash<QString, QPixmap> pictures_;
    StartupProblems* problems_;
};

}  // namespace shell
