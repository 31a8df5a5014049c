#pragma once
// The main window's controls, by their names, made and placed on the client
// area. The window connects them to its handlers.

#include "app/main_layout.h"

class QLabel;
class QPushButton;
class QTabBar;
class QWidget;

namespace quiverel {

class ThumbnailGrid;
class UnitScale;

struct MainControls {
    QTabBar* Tabs = nullptr;
    ThumbnailGrid* pic2 = nullptr;
    QPushButton* ckBack = nullptr;
    QPushButton* ckNext = nullptr;
    QLabel* lblPics = nullptr;
    QLabel* lblSize = nullptr;
    QLabel* lblInfo = nullptr;
    QLabel* picFaulty = nullptr;
    QPushButton* cmdRestart = nullptr;

    void setupControls(QWidget* client);
    // Places and sizes the controls for the layout (pic2's cells excepted).
    void placeControls(UnitScale& units, const MainLayout& layout);
};

} // namespace quiverel
