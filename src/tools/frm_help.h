#pragma once
// frmHelp: one window with four pages, each a frame over the whole window:
// the help text, the about page, the setup page and the language page.

#include "app/context.h"
#include "tools/help_host.h"

#include <QDialog>
#include <QList>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace quiverel {

class UnitScale;

class frmHelp : public QDialog {
    Q_OBJECT
public:
    frmHelp(Context& ctx, HelpHost host, QWidget* parent = nullptr);

    // Size, place, captions, the setup fields and the help text; shows the
    // help page and the window.
    void Form_Load();
    // The page the opener asked for, as if its button were pressed.
    void showPage(HelpPage page);

    void cmdAbout_Click();
    void cmdJP2_Click();
    void cmdLanguage_Click();
    void cmdClose_Click();

    // The setup page.
    void cmd2_Click();
    void cmdPic_Click();
    void Combo1_Click(int index);
    void cmdOkSetup_Click();

    // The language page.
    void optLang_Click(int index);
    void cmdClosed_Click();

    // Pages.
    QFrame* frHelp = nullptr;
    QFrame* frAbout = nullptr;
    QFrame* frmSetup = nullptr;
    QFrame* frmLanguage = nullptr;

    // Help page.
    QPlainTextEdit* txtHelp = nullptr;
    QPushButton* cmdJP2 = nullptr;
    QPushButton* cmdLanguage = nullptr;
    QPushButton* cmdClose = nullptr;
    QPushButton* cmdAbout = nullptr;

    // About page.
    QLabel* imgAbout = nullptr;
    QLabel* lblQuiverel = nullptr;
    QLabel* lblMe = nullptr;
    QLabel* lblIrfan = nullptr;

    // Setup page.
    QLabel* lblMsg1 = nullptr;
    QLineEdit* txtWinDRM = nullptr;
    QPushButton* cmd2 = nullptr;
    QLabel* lblMsg5 = nullptr;
    QLineEdit* txtCall = nullptr;
    QLabel* lblMsg6 = nullptr;
    QRadioButton* optYes = nullptr;
    QRadioButton* optNo = nullptr;
    QFrame* frThumbs = nullptr;
    QLabel* lblThumbs = nullptr;
    QRadioButton* opt12 = nullptr;
    QRadioButton* opt20 = nullptr;
    QRadioButton* opt30 = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QLabel* lblMsg2 = nullptr;
    QLabel* imgPix = nullptr;
    QPushButton* cmdPic = nullptr;
    QPushButton* cmdOkSetup = nullptr;

    // Language page.
    QLabel* lblLang = nullptr;
    QList<QRadioButton*> optLang;
    QPushButton* cmdClosed = nullptr;

private:
    void createHelpPage();
    void createAboutPage();
    void createSetupPage();
    void createLanguagePage();
    QFrame* createPage(const char* name, UnitScale*& units);
    void showOnly(QFrame* page);
    void prepareSetupFields();
    void fillHelpText();
    void showMugShot();
    void txtCall_Edited(const QString& text);
    void txtCall_Change(const QString& text);
    double guiScale() const;

    Context& ctx_;
    AppState& state_;
    HelpHost host_;
    UnitScale* units_ = nullptr;
    UnitScale* helpUnits_ = nullptr;
    UnitScale* aboutUnits_ = nullptr;
    UnitScale* setupUnits_ = nullptr;
    UnitScale* thumbUnits_ = nullptr;
    UnitScale* languageUnits_ = nullptr;
};

} // namespace quiverel
