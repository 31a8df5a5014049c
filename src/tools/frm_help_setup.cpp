// frmHelp: the setup page.

#include "tools/frm_help.h"

#include "app/setup_ini.h"
#include "app/unit_scale.h"
#include "tools/setup_confirm.h"
#include "tools/setup_fields.h"
#include "tools/setup_mug_shot.h"

#include <QBuffer>
#include <QButtonGroup>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <type_traits>

namespace quiverel {

namespace {

template <typename W> W* named(QWidget* parent, const char* name, const QString& caption = {}) {
    auto* w = new W(parent);
    w->setObjectName(QLatin1String(name));
    if constexpr (std::is_base_of_v<QLabel, W> || std::is_base_of_v<QAbstractButton, W>) {
        if (!caption.isEmpty()) w->setText(caption);
    }
    return w;
}

} // namespace

void frmHelp::createSetupPage() {
    frmSetup = createPage("frmSetup", setupUnits_);
    QWidget* page = frmSetup;
    lblMsg1 = named<QLabel>(page, "lblMsg1", QStringLiteral("Msg1"));
    txtWinDRM = named<QLineEdit>(page, "txtWinDRM");
    txtWinDRM->setAccessibleName(QStringLiteral("WinDRM folder"));
    cmd2 = named<QPushButton>(page, "cmd2");
    lblMsg5 = named<QLabel>(page, "lblMsg5", QStringLiteral("Msg5"));
    txtCall = named<QLineEdit>(page, "txtCall");
    txtCall->setAccessibleName(QStringLiteral("Call sign"));
    lblMsg6 = named<QLabel>(page, "lblMsg6", QStringLiteral("Msg6"));
    lblMsg6->setWordWrap(true);
    optYes = named<QRadioButton>(page, "optYes");
    optNo = named<QRadioButton>(page, "optNo");
    frThumbs = named<QFrame>(page, "frThumbs");
    frThumbs->setFrameShape(QFrame::Box);
    Label1 = named<QLabel>(page, "Label1", QStringLiteral("Folder to display at startup."));
    Combo1 = named<QComboBox>(page, "Combo1");
    Combo1->setAccessibleName(QStringLiteral("Folder to display at startup."));
    lblMsg2 = named<QLabel>(page, "lblMsg2", QStringLiteral("Msg2"));
    lblMsg2->setWordWrap(true);
    lblMsg2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    imgPix = named<QLabel>(page, "imgPix");
    imgPix->setAccessibleName(QStringLiteral("Mug shot"));
    imgPix->setScaledContents(true);
    cmdPic = named<QPushButton>(page, "cmdPic");
    cmdOkSetup = named<QPushButton>(page, "cmdOkSetup");

    // The yes/no pair and the grid sizes are separate choices.
    auto* prefix = new QButtonGroup(page);
    prefix->addButton(optYes);
    prefix->addButton(optNo);
    thumbUnits_ = new UnitScale(frThumbs, QSizeF(230, 60));
    lblThumbs = named<QLabel>(frThumbs, "lblThumbs", QStringLiteral("Number of thumbnails"));
    opt12 = named<QRadioButton>(frThumbs, "opt12", QStringLiteral("3x4"));
    opt20 = named<QRadioButton>(frThumbs, "opt20", QStringLiteral("4x5"));
    opt30 = named<QRadioButton>(frThumbs, "opt30", QStringLiteral("5x6"));
    thumbUnits_->place(lblThumbs, QRectF(8, 4, 214, 20));
    thumbUnits_->place(opt12, QRectF(8, 30, 70, 22));
    thumbUnits_->place(opt20, QRectF(80, 30, 70, 22));
    thumbUnits_->place(opt30, QRectF(152, 30, 70, 22));
    for (QWidget* w : {static_cast<QWidget*>(lblThumbs), static_cast<QWidget*>(opt12),
                       static_cast<QWidget*>(opt20), static_cast<QWidget*>(opt30)})
        thumbUnits_->setFontPoints(w, 9);

    const std::pair<QWidget*, QRectF> places[] = {
        {lblMsg1, QRectF(20, 16, 430, 20)},   {txtWinDRM, QRectF(20, 38, 330, 24)},
        {cmd2, QRectF(360, 38, 90, 24)},      {lblMsg5, QRectF(20, 78, 250, 20)},
        {txtCall, QRectF(20, 100, 150, 24)},  {lblMsg6, QRectF(20, 134, 250, 36)},
        {optYes, QRectF(20, 172, 90, 22)},    {optNo, QRectF(120, 172, 90, 22)},
        {frThumbs, QRectF(20, 204, 230, 60)}, {Label1, QRectF(20, 276, 250, 20)},
        {Combo1, QRectF(20, 298, 230, 24)},   {lblMsg2, QRectF(290, 78, 170, 40)},
        {cmdPic, QRectF(345, 214, 90, 24)},   {cmdOkSetup, QRectF(190, 350, 90, 30)},
    };
    for (const auto& [w, rect] : places) {
        setupUnits_->place(w, rect);
        setupUnits_->setFontPoints(w, 9);
    }

    connect(cmd2, &QPushButton::clicked, this, &frmHelp::cmd2_Click);
    connect(cmdPic, &QPushButton::clicked, this, &frmHelp::cmdPic_Click);
    connect(cmdOkSetup, &QPushButton::clicked, this, &frmHelp::cmdOkSetup_Click);
    connect(Combo1, &QComboBox::activated, this, &frmHelp::Combo1_Click);
    connect(txtCall, &QLineEdit::textEdited, this, &frmHelp::txtCall_Edited);
    connect(txtCall, &QLineEdit::textChanged, this, &frmHelp::txtCall_Change);
}

void frmHelp::prepareSetupFields() {
    const Settings& s = state_.settings;
    txtCall->setText(s.callSign);
    (s.callSignPrefix == u"Y" ? optYes : optNo)->setChecked(true);
    opt12->setChecked(s.thumbsPerPage == 12);
    opt20->setChecked(s.thumbsPerPage == 20);
    opt30->setChecked(s.thumbsPerPage == 30);
}

void frmHelp::txtCall_Edited(const QString& text) {
    const QString typed = typedCallSign(text);
    if (typed != text) txtCall->setText(typed);
}

void frmHelp::txtCall_Change(const QString& text) {
    const QString fixed = slashedZeros(text);
    if (fixed == text) return;
    txtCall->setText(fixed);
    txtCall->setCursorPosition(int(fixed.size()));
}

void frmHelp::cmdJP2_Click() {
    setWindowTitle(state_.text[13]);
    showOnly(frmSetup);
    showMugShot();
    lblMsg1->setText(state_.text[16]);
    lblMsg2->setText(state_.text[98]);
    lblMsg5->setText(state_.text[17]);
    lblMsg6->setText(state_.text[20]);
    optYes->setText(state_.text[18]);
    optNo->setText(state_.text[19]);
    txtWinDRM->setText(state_.settings.winDrmFolder);

    Combo1->clear();
    const QList<FolderRow>& rows = state_.folders.rows;
    for (const FolderRow& r : rows)
        Combo1->addItem(r.caption);
    int shown = -1;
    for (int i = 0; i < rows.size(); ++i)
        if (rows[i].path == state_.settings.startupFolder) shown = i;
    Combo1->setCurrentIndex(shown);
}

void frmHelp::showMugShot() {
    imgPix->hide();
    imgPix->clear();
    const std::optional<QByteArray> bytes = mugShotBytes(ctx_.appFolder);
    if (!bytes) return;
    QBuffer buffer;
    buffer.setData(*bytes);
    QImageReader reader(&buffer);
    reader.setAllocationLimit(256);
    const QSize natural = reader.size();
    const QRectF twips = mugPreviewTwips(QSizeF(natural) * 15);
    if (twips.isEmpty()) return;
    const QRectF units(twips.topLeft() / 15, twips.size() / 15);
    // Decoded at the size it is shown, so a huge picture costs no more.
    reader.setScaledSize((units.size() * guiScale()).toSize().expandedTo(QSize(1, 1)));
    const QImage picture = reader.read();
    if (picture.isNull()) return;
    imgPix->setPixmap(QPixmap::fromImage(picture));
    setupUnits_->place(imgPix, units);
    imgPix->show();
}

void frmHelp::cmd2_Click() {
    const QString chosen = ctx_.prompts.folder(this, state_.text[25], state_.folders.targetFolder);
    if (chosen.isEmpty()) return;
    state_.folders.targetFolder = chosen;
    txtWinDRM->setText(chosen.endsWith(u'/') ? chosen : chosen + u'/');
}

void frmHelp::cmdPic_Click() {
    const QString chosen = ctx_.prompts.openFile(
        this, state_.text[95], state_.folders.lastDialogFolder,
        QStringLiteral("Graphic Files (*.bmp *.gif *.jpg *.BMP *.GIF *.JPG)"));
    if (!chosen.contains(u'/')) {
        // No picture chosen: the program has no mug shot from now on.
        imgPix->clear();
        imgPix->hide();
        QFile::remove(mugShotPath(ctx_.appFolder));
        return;
    }
    state_.folders.lastDialogFolder = folderOfFile(chosen);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const std::optional<QString> failure = copyMugShot(chosen, ctx_.appFolder);
    QGuiApplication::restoreOverrideCursor();
    if (failure)
        ctx_.prompts.tell(this, QStringLiteral("The mug shot could not be made from\n") + chosen +
                                    u'\n' + *failure);
    showMugShot();
}

void frmHelp::Combo1_Click(int index) {
    if (index < 0) return;
    state_.settings.startupFolder = startupFolderFor(state_.folders.rows, Combo1->itemText(index),
                                                     state_.settings.startupFolder);
}

void frmHelp::cmdOkSetup_Click() {
    SetupEntries entries;
    entries.thumbsChoice = thumbsChoice(opt12->isChecked(), opt20->isChecked(), opt30->isChecked());
    entries.callSign = txtCall->text();
    entries.prefixYes = optYes->isChecked();
    entries.winDrmText = txtWinDRM->text();
    const std::optional<QPoint> twips =
        host_.mainWindowTwips ? host_.mainWindowTwips() : std::optional<QPoint>();
    const SetupOutcome outcome = confirmSetup(state_, entries, twips);
    switch (outcome.result) {
    case SetupResult::NotWritten:
        ctx_.prompts.tell(this,
                          settingsNotSavedMessage({state_.iniFile(QStringLiteral("Setup.ini"))}));
        return;
    case SetupResult::FolderMissing:
        ctx_.prompts.tell(this, missingFolderMessage(state_.text, outcome.winDrmFolder));
        Form_Load();
        return;
    case SetupResult::Done:
    case SetupResult::Restart:
        break;
    }
    if (outcome.txMissing)
        ctx_.prompts.tell(this, QStringLiteral("The TX folder could not be made:\n") +
                                    state_.transmit.txFolder);
    frmSetup->hide();
    frHelp->hide();
    if (host_.mainWindow) host_.mainWindow->show();
    // The restart may wait on a folder scan: the window is closed first and
    // nothing of it is touched afterwards.
    const std::function<void()> restart =
        outcome.result == SetupResult::Restart ? host_.restart : std::function<void()>();
    close();
    if (restart) restart();
}

} // namespace quiverel
