// The default images are reachable by their resource names and hold the
// built bytes.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>

#include "resources/orvandesk/images/DefaultImageResources.h"

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

TEST(OrvanDefaultImageResources, EmbeddedAsBuilt) {
    const QString built = QStringLiteral(ORVAN_BUILT_IMAGE_DIR);
    const QByteArray image = ReadAll(built + "/ORVANDATA_CFG1.bin");
    ASSERT_EQ(image.size(), 2048);
    for (const char* name : orvan::kDefaultImageResources) {
        EXPECT_EQ(ReadAll(QString::fromLatin1(name)), image) << name;
    }
    const QByteArray library = ReadAll(QString::fromLatin1(orvan::kDefaultPcMacroResource));
    EXPECT_EQ(library.size(), 27200);
    EXPECT_EQ(library, ReadAll(built + "/PCMacroData.bin"));
}

}  // namespace
