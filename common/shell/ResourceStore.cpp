#include "common/shell/ResourceStore.h"

#include <QBuffer>
#include <QDir>
#include <QFile>

namespace shell {

ResourceStore::ResourceStore(const QString& root, StartupProblems* problems) : problems_(problems) {
    const QDir dir(root);
    for (const QFileInfo& info : dir.entryInfoList(QDir::Files | QDir::NoDotAndDotDot)) {
        paths_.insert(Key(info.fileName()), info.absoluteFilePath());
    }
}

bool ResourceStore::contains(const QString& name) const {
    const QString key = Key(name);
    return inserted_.contains(key) || paths_.contains(key);
}

void ResourceStore::report(const QString& name) const {
    if (problems_ != nullptr) problems_->missingResource(name.toStdString());
}

std::optional<QByteArray> ResourceStore::data(const QString& name) const {
    const QString key = Key(name);
    if (auto it = inserted_.constFind(key); it != inserted_.constEnd()) return *it;
    if (auto it = paths_.constFind(key); it != paths_.constEnd()) {
        QFile file(*it);
        if (file.open(QIODevice::ReadOnly)) return file.readAll();
    }
    report(name);
    return std::nullopt;
}

QPixmap ResourceStore::image(const QString& name) const {
    const QString key = Key(name);
    if (auto it = pictures_.constFind(key); it != pictures_.constEnd()) return *it;
    QPixmap picture;
    if (inserted_.contains(key) || paths_.contains(key)) {
        auto bytes = data(name);
        if (bytes && picture.loadFromData(*bytes, "PNG")) {
            pictures_.insert(key, picture);
            return picture;
        }
        if (problems_ != nullptr) problems_->unreadablePicture(name.toStdString());
        return {};
    }
    report(name);
    return {};
}

void ResourceStore::insert(const QString& name, const QByteArray& bytes) {
    const QString key = Key(name);
    inserted_.insert(key, bytes);
    pictures_.remove(key);
}

void ResourceStore::insertImage(const QString& name, const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    insert(name, bytes);
}

}  // namespace shell
