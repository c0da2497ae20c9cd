// artwork_gen: draws every skin picture of orvandesk and saves them as PNG.
//   artwork_gen <output dir> <ORG table> <ORG1 table>
// The layout table decides where printed words and bar slots go, so pictures
// and controls stay in line when the layout changes.
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <cstdio>

#include "tools/artwork/Art.h"

namespace {

// Carlito (fonts-crosextra-carlito) is metric-compatible with the tables'
// caption font and covers Latin and Cyrillic, so printed words match the
// captions. Loading the files directly keeps the pictures the same whatever
// else is installed.
void loadFonts() {
    const QString dir = QStringLiteral("/usr/share/fonts/truetype/crosextra/");
    for (const char* f : {"Carlito-Regular.ttf", "Carlito-Bold.ttf"}) {
        if (QFontDatabase::addApplicationFont(dir + QLatin1String(f)) < 0)
            std::fprintf(stderr, "artwork: %s not found, using the system's sans font\n", f);
    }
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: artwork_gen <output dir> <ORG> <ORG1>\n");
        return 1;
    }
    loadFonts();
    artwork::Layout l;
    if (!l.org.load(QString::fromLocal8Bit(argv[2]), "org") ||
        !l.page.load(QString::fromLocal8Bit(argv[3]), "org1")) {
        std::fprintf(stderr, "artwork: cannot read the tables\n");
        return 1;
    }
    artwork::setLayout(std::move(l));

    artwork::Pictures pictures;
    artwork::addPagePictures(pictures, "L1_", artwork::englishWords());
    artwork::addPagePictures(pictures, "L2_", artwork::russianWords());
    artwork::addPlaceholderSet(pictures, "L3_");
    artwork::addWindowPictures(pictures);
    artwork::addControlPictures(pictures);
    artwork::addGunPictures(pictures);

    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(".")) return 1;
    for (const artwork::Picture& pic : pictures) {
        if (!pic.image.save(out.filePath(pic.name + ".png"), "PNG")) {
            std::fprintf(stderr, "artwork: cannot write %s\n", qPrintable(pic.name));
            return 1;
        }
    }
    return 0;
}
