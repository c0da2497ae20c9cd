#pragma once

#include <QString>
#include <array>

namespace artwork {

// Words printed into the page pictures of one skin set. The captions of the
// controls themselves come from the language tables at run time.
struct Words {
    QString pointer, speed, doubleClick, scroll, slow, fast, acceleration, oneScreen;
    QString reportRate, hertz;
    QString dpiLevels, current, level, value;
    QString fireKeys, fireKey, count, interval, hold;
    QString effect;
    std::array<QString, 6> effects;
    QString stepTime, stepFast, stepSlow, colourTable;
    QString library, events, inMouse, options;
};

const Words& englishWords();
const Words& russianWords();

}  // namespace artwork
