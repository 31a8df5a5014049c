#include "composer/frame_panel.h"

#include "app/unit_scale.h"
#include "composer/frame_drawing.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

namespace quiverel {

QImage frameSample(bool solid) {
    QImage sample(40, 30, QImage::Format_RGB32);
    sample.fill(QColor(200, 220, 240));
    FrameSettings f;
    f.width = 5;
    f.solid = solid;
    DrawFrameFullSize(sample, f, 1.0);
    return sample;
}

FramePanel makeFramePanel(QWidget* parent, UnitScale& units) {
    FramePanel f;
    f.Frame1 = new QGroupBox(QStringLiteral("Frame"), parent);
    f.Frame1->setObjectName(QStringLiteral("Frame1"));
    f.Frame1->setAutoFillBackground(true); // it covers the button column
    f.Option1 = new QRadioButton(QStringLiteral("Gradient"), f.Frame1);
    f.Option2 = new QRadioButton(QStringLiteral("Solid"), f.Frame1);
    f.imgF1 = new QLabel(f.Frame1);
    f.imgF2 = new QLabel(f.Frame1);
    f.imgF1->setPixmap(QPixmap::fromImage(frameSample(false)));
    f.imgF2->setPixmap(QPixmap::fromImage(frameSample(true)));
    f.Label3 = new QLabel(QStringLiteral("Frame width"), f.Frame1);
    f.Slider1 = new QSlider(Qt::Horizontal, f.Frame1);
    f.Slider1->setRange(1, 25);
    f.Slider1->setSingleStep(1);
    f.Slider1->setPageStep(5);
    f.Slider1->setAccessibleName(QStringLiteral("Frame width"));
    f.cmdColor = new QPushButton(QStringLiteral("Color"), f.Frame1);
    f.cmdOkFrame = new QPushButton(QStringLiteral("Ok"), f.Frame1);
    f.Option1->setObjectName(QStringLiteral("Option1"));
    f.Option2->setObjectName(QStringLiteral("Option2"));
    f.imgF1->setObjectName(QStringLiteral("imgF1"));
    f.imgF2->setObjectName(QStringLiteral("imgF2"));
    f.Label3->setObjectName(QStringLiteral("Label3"));
    f.Slider1->setObjectName(QStringLiteral("Slider1"));
    f.cmdColor->setObjectName(QStringLiteral("cmdColor"));
    f.cmdOkFrame->setObjectName(QStringLiteral("cmdOkFrame"));

    auto* grid = new QGridLayout(f.Frame1);
    grid->addWidget(f.Option1, 0, 0);
    grid->addWidget(f.imgF1, 0, 1);
    grid->addWidget(f.Option2, 1, 0);
    grid->addWidget(f.imgF2, 1, 1);
    grid->addWidget(f.Label3, 2, 0, 1, 2);
    grid->addWidget(f.Slider1, 3, 0, 1, 2);
    grid->addWidget(f.cmdColor, 4, 0, 1, 2);
    grid->setRowStretch(5, 1);
    grid->addWidget(f.cmdOkFrame, 6, 0, 1, 2);

    // From cmdQSL down to cmdSaveQsl.
    units.place(f.Frame1, QRectF(565, 34, 150, 320));
    f.Frame1->hide();
    return f;
}

} // namespace quiverel
