#pragma once
// Simple toolbar pictures drawn with GDI: each is drawn in colour when the
// button is enabled and in grey when it is not.
#include "ui/Controls.h"

namespace ui::glyphs {

SpeedButton::Painter Build();      // a list with a plus
SpeedButton::Painter Analyze();    // a magnifying glass
SpeedButton::Painter Clear();      // a red cross
SpeedButton::Painter Report();     // a page with a bold line
SpeedButton::Painter Table();      // a sheet of cells
SpeedButton::Painter About();      // a question mark
SpeedButton::Painter Export();     // an arrow leaving a page
SpeedButton::Painter Tool();       // a page with lines
SpeedButton::Painter Compare();    // two pages side by side
SpeedButton::Painter Display();    // a monitor
SpeedButton::Painter Quit();       // a door with an arrow
// The Reporting Tool's commands.
SpeedButton::Painter Cut();          // scissors
SpeedButton::Painter Copy();         // two overlapping pages
SpeedButton::Painter Paste();        // a clipboard with a page
SpeedButton::Painter Font();         // a large and a small letter
SpeedButton::Painter AlignLeft();    // lines flush left
SpeedButton::Painter AlignCenter();  // lines centred
SpeedButton::Painter AlignRight();   // lines flush right
SpeedButton::Painter Open();         // an open folder
SpeedButton::Painter Save();         // a diskette
SpeedButton::Painter Print();        // a printer
SpeedButton::Painter Exit();         // a door, as Quit, in green
SpeedButton::Painter Letters(const char* text, COLORREF color);  // short text

}  // namespace ui::glyphs
