#include "tools/artwork/Words.h"

namespace artwork {

const Words& englishWords() {
    static const Words w{"Pointer",
                         "Pointer speed",
                         "Double-click speed",
                         "Wheel scroll lines",
                         "Slow",
                         "Fast",
                         "Pointer acceleration",
                         "Scroll one screen",
                         "Report rate",
                         "Hz",
                         "DPI levels",
                         "Current",
                         "Level",
                         "Value",
                         "Fire keys",
                         "Fire key",
                         "Count",
                         "Interval, ms",
                         "Hold",
                         "Lighting effect",
                         {"Off", "Random", "Sequence", "Fixed", "Blend", "DPI breath"},
                         "Step time",
                         "5 ms",
                         "50 ms",
                         "Colour table",
                         "Macro library",
                         "Events",
                         "In mouse",
                         "Options"};
    return w;
}

const Words& russianWords() {
    static const Words w{QString::fromUtf8("Указатель"),
                         QString::fromUtf8("Скорость указателя"),
                         QString::fromUtf8("Скорость двойного щелчка"),
                         QString::fromUtf8("Прокрутка колеса, строк"),
                         QString::fromUtf8("Медленно"),
                         QString::fromUtf8("Быстро"),
                         QString::fromUtf8("Ускорение указателя"),
                         QString::fromUtf8("Прокрутка на экран"),
                         QString::fromUtf8("Частота опроса"),
                         QString::fromUtf8("Гц"),
                         QString::fromUtf8("Уровни DPI"),
                         QString::fromUtf8("Текущий"),
                         QString::fromUtf8("Уровень"),
                         QString::fromUtf8("Значение"),
                         QString::fromUtf8("Автоогонь"),
                         QString::fromUtf8("Клавиша"),
                         QString::fromUtf8("Выстрелы"),
                         QString::fromUtf8("Интервал, мс"),
                         QString::fromUtf8("Удерж."),
                         QString::fromUtf8("Эффект подсветки"),
                         {QString::fromUtf8("Выкл."), QString::fromUtf8("Случайный"),
                          QString::fromUtf8("Последовательный"), QString::fromUtf8("Постоянный"),
                          QString::fromUtf8("Переливы"), QString::fromUtf8("Дыхание DPI")},
                         QString::fromUtf8("Шаг эффекта"),
                         QString::fromUtf8("5 мс"),
                         QString::fromUtf8("50 мс"),
                         QString::fromUtf8("Таблица цветов"),
                         QString::fromUtf8("Библиотека"),
                         QString::fromUtf8("События"),
                         QString::fromUtf8("В мыши"),
                         QString::fromUtf8("Параметры")};
    return w;
}

}  // namespace artwork
