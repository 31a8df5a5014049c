// frmHelp: the language page.

#include "tools/frm_help.h"

#include "app/setup_ini.h"
#include "app/unit_scale.h"
#include "tools/language_apply.h"
#include "tools/language_list.h"
#include "util/text_file.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace quiverel {

namespace {

// Not translated: it is about the translations.
const char* const kNotice =
    "The translations were made with an online translation service and may be\n"
    "wrong or confusing. If you would like to correct them, the\n"
    "directions are in the ReadMe.txt file.\n"
    "If you make corrections, please e-mail a copy of the Language.ini\n"
    "and the Help.txt files to me so I can distribute them.\n"
    "Thank You";

constexpr double kOptionLeft = 20;
constexpr double kOptionTop = 20;
constexpr double kOptionWidth = 130;
constexpr double kOptionHeight = 20;
constexpr double kOptionGap = 2; // 30 twips

} // namespace

void frmHelp::createLanguagePage() {
    frmLanguage = createPage("frmLanguage", languageUnits_);
    lblLang = new QLabel(frmLanguage);
    lblLang->setObjectName(QStringLiteral("lblLang"));
    lblLang->setWordWrap(true);
    lblLang->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    languageUnits_->place(lblLang, QRectF(20, 220, 440, 110));
    languageUnits_->setFontPoints(lblLang, 8);

    cmdClosed = new QPushButton(frmLanguage);
    cmdClosed->setObjectName(QStringLiteral("cmdClosed"));
    languageUnits_->place(cmdClosed, QRectF(190, 350, 90, 30));
    languageUnits_->setFontPoints(cmdClosed, 9);
    connect(cmdClosed, &QPushButton::clicked, this, &frmHelp::cmdClosed_Click);

    auto* first = new QRadioButton(QStringLiteral("English"), frmLanguage);
    first->setObjectName(QStringLiteral("optLang0"));
    languageUnits_->place(first, QRectF(kOptionLeft, kOptionTop, kOptionWidth, kOptionHeight));
    languageUnits_->setFontPoints(first, 9);
    connect(first, &QRadioButton::clicked, this, [this] { optLang_Click(0); });
    optLang.append(first);
}

void frmHelp::cmdLanguage_Click() {
    setWindowTitle(state_.text[12]);
    showOnly(frmLanguage);
    lblLang->setText(QString::fromLatin1(kNotice));
    // The list is read once per window.
    if (optLang.size() > 1) return;

    QStringList names = languageList(readTextLines(state_.iniFile(QStringLiteral("Language.ini"))));
    if (names.isEmpty()) names.append(state_.settings.languageName);
    optLang[0]->setText(names[0]);
    double top = kOptionTop;
    for (int k = 1; k < names.size(); ++k) {
        top += kOptionHeight + kOptionGap;
        auto* option = new QRadioButton(names[k], frmLanguage);
        option->setObjectName(QStringLiteral("optLang%1").arg(k));
        languageUnits_->place(option, QRectF(kOptionLeft, top, kOptionWidth, kOptionHeight));
        languageUnits_->setFontPoints(option, 9);
        connect(option, &QRadioButton::clicked, this, [this, k] { optLang_Click(k); });
        option->show();
        optLang.append(option);
    }
    const int selected = languageIndex(names, state_.settings.languageName);
    if (selected >= 0) optLang[selected]->setChecked(true);
}

void frmHelp::optLang_Click(int index) {
    if (index < 0 || index >= optLang.size()) return;
    state_.settings.languageName = optLang[index]->text();
}

void frmHelp::cmdClosed_Click() {
    const std::optional<QPoint> twips =
        host_.mainWindowTwips ? host_.mainWindowTwips() : std::optional<QPoint>();
    const LanguageChange change = applyLanguage(state_, twips);
    if (host_.reapplyCaptions) host_.reapplyCaptions();
    if (!change.written)
        ctx_.prompts.tell(this,
                          settingsNotSavedMessage({state_.iniFile(QStringLiteral("Setup.ini"))}));
    if (!change.reloaded) ctx_.prompts.tell(this, languageNotFoundMessage(state_));
    close();
}

} // namespace quiverel
