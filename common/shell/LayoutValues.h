#pragma once
// Values of the layout table of the active language that other parts of the
// window read after the layout pass.

#include <cstdint>

namespace shell {

// A colour as the tables give it: red + 256 * green + 65536 * blue.
using ColourRef = uint32_t;

struct LayoutValues {
    int btnSpaceF = 0;  // label inset from the left edge of a page-strip picture
    int btnSpaceB = 0;  // and from its right edge
    int dpiOrientation = 1;
    int macroNameHeight = 20;                 // row height of every macro list
    bool mainEnabled = true;                  // Btn_B1: key set 1 button
    bool switchEnabled = true;                // Btn_B2: key set 2 button
    bool fixedEnabled = false;                // Btn_B3: key set 3 button
    bool comboKey8Enabled = false;            // the gun-key combination option
    ColourRef colourDSelected = 0x0000FF;     // text of a DPI level in use
    ColourRef colourDNotSelected = 0xFFFFFF;  // text of a level not in use
    ColourRef colourGText = 0xFFFFFF;         // key menu entries
    ColourRef colourGSF = 0xFFFFFF;           // text of the menu entry under the mouse
    ColourRef colourGSP = 0x855301;           // background of the menu entry under the mouse
    ColourRef colourF = 0xFFFFFF;             // macro page texts
    ColourRef colourFListBack = 0x1F1F1F;
    ColourRef colourFListBorder = 0;
    ColourRef colourFFont = 0xFFFFFF;  // delay and insert groups, macro list menus
    ColourRef colourFBack = 0;
    int sizeF = 9;
    int sizeJ = 9;  // also the text size of the combination-key dialog
};

}  // namespace shell
