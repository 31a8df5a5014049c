#include "mainwindow/main_controls.h"

#include "app/unit_scale.h"
#include "catalogue/thumbnail_grid.h"

#include <QLabel>
#include <QPushButton>
#include <QTabBar>

namespace quiverel {

void MainControls::setupControls(QWidget* client) {
    Tabs = new QTabBar(client);
    Tabs->setObjectName(QStringLiteral("Tabs"));
    Tabs->setExpanding(false);
    Tabs->setUsesScrollButtons(true);
    pic2 = new ThumbnailGrid(client);
    pic2->setObjectName(QStringLiteral("pic2"));

    ckBack = new QPushButton(QStringLiteral("Back"), client);
    ckNext = new QPushButton(QStringLiteral("Next"), client);
    for (QPushButton* b : {ckBack, ckNext}) {
        b->setCheckable(true);
        b->setFocusPolicy(Qt::NoFocus);
        QPalette p = b->palette();
        p.setColor(QPalette::Button, QColor(49, 106, 197));
        p.setColor(QPalette::ButtonText, Qt::white);
        b->setPalette(p);
        b->setAutoFillBackground(true);
    }
    ckBack->setObjectName(QStringLiteral("ckBack"));
    ckNext->setObjectName(QStringLiteral("ckNext"));

    lblPics = new QLabel(client);
    lblSize = new QLabel(client);
    lblInfo = new QLabel(client);
    lblPics->setObjectName(QStringLiteral("lblPics"));
    lblSize->setObjectName(QStringLiteral("lblSize"));
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    picFaulty = new QLabel(pic2);
    picFaulty->setObjectName(QStringLiteral("picFaulty"));
    picFaulty->hide();

    cmdRestart = new QPushButton(QStringLiteral("Restart"), client);
    cmdRestart->setObjectName(QStringLiteral("cmdRestart"));
    cmdRestart->hide(); // pressed by the setup dialog, never by the user
}

void MainControls::placeControls(UnitScale& units, const MainLayout& layout) {
    units.place(ckNext, ckNextRect(layout));
    units.place(ckBack, ckBackRect(layout));
    units.place(Tabs, tabsRect(layout));
    units.place(pic2, layout.pic2);
    units.place(lblPics, layout.lblPics);
    units.place(lblSize, layout.lblSize);
    units.place(lblInfo, layout.lblInfo);
    units.setFontPoints(ckNext, 9);
    units.setFontPoints(ckBack, 9);
    units.setFontPoints(Tabs, 9);
    units.setFontPoints(lblPics, 10);
    units.setFontPoints(lblSize, 10);
    units.setFontPoints(lblInfo, layout.lblInfoFontSize);
}

} // namespace quiverel
