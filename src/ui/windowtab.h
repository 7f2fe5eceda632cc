#pragma once

#include <vector>

#include <QString>

namespace plenara {

// One tab of the main window as the window lays it out: where it stands, its page's object
// name (by which the last tab is remembered between runs), its caption, the window size it
// was designed for and its help page. A new tab is one more row of windowTabs().
struct WindowTab {
    int index;               // the tab:: constant
    const char* objectName;  // of the page widget
    const char16_t* caption; // shown on the tab
    int widthTwips;          // designed window size, 15 twips to a pixel at 96 dots per inch
    int heightTwips;
    int helpContext;             // the page F1 shows when the focus is on no control of its own
    bool workingSurface = false; // never shown: the surfaces of printing and screen shots
};

// Every tab of the main window in tab order.
const std::vector<WindowTab>& windowTabs();

// The row of a tab index; null when there is none.
const WindowTab* windowTab(int index);

// The row of a page's object name; null when there is none.
const WindowTab* windowTabNamed(const QString& objectName);

} // namespace plenara
