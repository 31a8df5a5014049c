// Every window's accessible tree as a screen reader meets it: no name is an
// internal control name, and no shown, enabled control one can operate and no
// shown picture is nameless (a hidden page gets its captions when it opens).

#include "catalogue/frm_splash.h"
#include "composer/form3.h"
#include "composer/form8.h"
#include "imaging/picture_file.h"
#include "mainwindow/form1.h"
#include "mainwindow/frm_tool_tip.h"
#include "options/form5.h"
#include "options_fixture.h"
#include "qsl/form_qsl.h"
#include "renamereplace/form6.h"
#include "support/test_context.h"
#include "texteffects/frm_color.h"
#include "texteffects/frm_text.h"
#include "tools/form10.h"
#include "tools/form9.h"
#include "tools/frm_help.h"
#include "tools/frm_search.h"
#include "viewer/form2.h"
#include "viewer/form4.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QGroupBox>
#include <QRegularExpression>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace quiverel;

namespace {

// A picture of the current folder, a TX folder, the English texts and a help text.
struct WalkContext : test::TestContext {
    WalkContext() : TestContext(test::TestConverter::InProcess) {
        readTextTable();
        state.settings.guiScale = 1.0;
        state.settings.languageName = QStringLiteral("English");
        state.transmit.txFolder = app.path() + QStringLiteral("/TX");
        QDir().mkpath(state.transmit.txFolder);
        QDir().mkpath(rx());
        app.write(QStringLiteral("Help.txt"), "[English]\r\nFirst help line\r\n*****\r\n");
        test::writePicture(rx() + QStringLiteral("a.png"), picture);
        CurrentPicture& cur = state.current;
        cur.folder = rx();
        cur.fileName = QStringLiteral("a.png");
        cur.baseName = QStringLiteral("a");
        cur.extension = QStringLiteral(".PNG");
        state.catalogue.rows = {
            CatalogueRow{QStringLiteral("2024-05-01 10:20:30"), cur.fileName, 0}};
        state.catalogue.pictureCache = {picture.scaled(112, 84)};
        state.catalogue.currentPage = 1;
        state.catalogue.pageCount = 1;
        state.catalogue.selectedIndex = 0;
        cur.picture = picture;
        cur.width = picture.width();
        cur.height = picture.height();
    }
    QString rx() const { return app.path() + QStringLiteral("/rx/"); }
    ComposerRequest composerRequest() const { return {.picture = currentPictureRef(state, 0)}; }
    OptionsRequest optionsRequest() const {
        return test::pictureRequest(rx(), QStringLiteral("a.png"), picture.scaled(112, 84));
    }

    QImage picture = test::plainPicture(QSize(320, 240));
    QWidget opener; // stands for the main window or the composer
};

using Build = std::function<QWidget*(WalkContext&)>;

struct WindowCase {
    const char* name;
    Build build;
};

template <typename W> W* loaded(W* w) {
    w->Form_Load();
    w->show();
    return w;
}

frmHelp* helpPage(WalkContext& c, HelpPage page) {
    auto* help = new frmHelp(c.ctx, HelpHost{&c.opener, [] { return QPoint(0, 0); }, [] {}, [] {}});
    help->Form_Load();
    help->showPage(page);
    return help;
}

const WindowCase kWindows[] = {
    {"Form1", [](WalkContext& c) { return loaded(new Form1(c.ctx)); }},
    {"Form2",
     [](WalkContext& c) {
         return loaded(new Form2(c.ctx, {c.rx(), "a.png"}));
     }},
    {"Form4",
     [](WalkContext& c) {
         auto* zoom = new Form4(c.ctx);
         zoom->setCaption(QStringLiteral("a.png"));
         zoom->setPicture(c.picture);
         zoom->show();
         return static_cast<QWidget*>(zoom);
     }},
    {"Form3",
     [](WalkContext& c) {
         return static_cast<QWidget*>(Form3::open(c.ctx, c.composerRequest(), nullptr));
     }},
    {"Form3Frames",
     [](WalkContext& c) {
         Form3* composer = Form3::open(c.ctx, c.composerRequest(), nullptr);
         composer->cmdFrame_Click();
         return static_cast<QWidget*>(composer);
     }},
    {"Form8",
     [](WalkContext& c) {
         return loaded(new Form8(c.ctx, sizeRequestOf(c.ctx.state.settings), &c.opener));
     }},
    {"frmText",
     [](WalkContext& c) {
         return loaded(new frmText(c.ctx, [](int, QColor, ColourPicked) { return nullptr; }));
     }},
    {"frmColor",
     [](WalkContext& c) {
         return loaded(new frmColor(c.ctx, {ColourPicker::TextEffects, 0, Qt::red}, &c.opener));
     }},
    {"Form7",
     [](WalkContext& c) {
         return loaded(new frmColor(c.ctx, {ColourPicker::Qsl, 1, Qt::blue}, &c.opener));
     }},
    {"formQSL",
     [](WalkContext& c) {
         return loaded(new formQSL(c.ctx, {c.picture, QSizeF(640, 480), QSize(320, 240)}));
     }},
    {"Form6",
     [](WalkContext& c) {
         ClashRequest r;
         r.fileName = QStringLiteral("a.png");
         r.targetFolder = c.app.path() + QStringLiteral("/");
         r.sourceFolder = c.rx();
         r.sourceRow = 0;
         r.sourceSize = c.picture.size();
         r.sourcePicture = c.picture;
         r.targetPicture = c.picture;
         return loaded(new Form6(c.ctx, r));
     }},
    {"Form5",
     [](WalkContext& c) {
         Form5* panel = loaded(new Form5(c.ctx, c.optionsRequest()));
         for (QWidget* frame :
              {static_cast<QWidget*>(panel->frmRename), static_cast<QWidget*>(panel->frmConv),
               static_cast<QWidget*>(panel->frmWall), panel->ftpArea})
             if (frame) frame->show();
         return static_cast<QWidget*>(panel);
     }},
    {"frmSearch", [](WalkContext& c) { return loaded(new frmSearch(c.ctx, nullptr)); }},
    {"frmHelpHelp", [](WalkContext& c) { return helpPage(c, HelpPage::Help); }},
    {"frmHelpSetup", [](WalkContext& c) { return helpPage(c, HelpPage::Setup); }},
    {"frmHelpLanguages", [](WalkContext& c) { return helpPage(c, HelpPage::Languages); }},
    {"frmHelpAbout", [](WalkContext& c) { return helpPage(c, HelpPage::About); }},
    {"Form9", [](WalkContext& c) { return loaded(new Form9(c.ctx, nullptr)); }},
    {"Form10", [](WalkContext& c) { return loaded(new Form10(c.ctx, nullptr)); }},
    {"frmSplash",
     [](WalkContext& c) {
         auto* splash = new frmSplash(&c.opener);
         splash->showProgress(QStringLiteral("Reading"), QStringLiteral("a.png"), 10, 3);
         return static_cast<QWidget*>(splash);
     }},
    {"frmToolTip",
     [](WalkContext& c) {
         auto* tip = new frmToolTip(&c.opener, 1.0);
         tip->setText(QStringLiteral("a.png  320 x 240"));
         tip->show();
         return static_cast<QWidget*>(tip);
     }},
};

// A name only a programmer would give: a control's type prefix run into a
// capital or digit (lblCall, cmdOk2), or a form's or a default control's name.
bool looksLikeControlName(const QString& name) {
    static const QRegularExpression control(QStringLiteral(
        R"(^(?:(?:lbl|txt|cmd|pic|opt|ck|chk|sli|cbo|lst|img|fr|frm|mnu|Image|Timer)[A-Z0-9]\w*)"
        R"(|(?:Form|Label|Text|Command|Picture|List|Combo|Check|Option|Slider|Frame|Image|Timer)\d+))"
        R"((?:\(\d+\)|\[\d+\]|_\d+)?$)"));
    return control.match(name.trimmed()).hasMatch();
}

bool operable(QAccessible::Role role) {
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::EditableText:
    case QAccessible::ComboBox:
    case QAccessible::Slider:
    case QAccessible::SpinBox:
        return true;
    default:
        return false;
    }
}

QString describe(QAccessibleInterface* node) {
    QString path;
    for (QAccessibleInterface* n = node; n; n = n->parent()) {
        QObject* o = n->object();
        const QString part = o && !o->objectName().isEmpty() ? o->objectName()
                             : o ? QString::fromLatin1(o->metaObject()->className())
                                 : QStringLiteral("?");
        path.prepend(u'/' + part);
        if (o && o->isWidgetType() && static_cast<QWidget*>(o)->isWindow()) break;
    }
    return path;
}

void walk(QAccessibleInterface* node, QStringList& faults, int depth = 0) {
    if (!node || !node->isValid() || depth > 40) return;
    const QString name = node->text(QAccessible::Name);
    const QAccessible::State state = node->state();
    if (looksLikeControlName(name))
        faults << describe(node) + QStringLiteral(" is called \"") + name + u'"';
    else if (name.trimmed().isEmpty() &&
             (operable(node->role()) || node->role() == QAccessible::Graphic) && !state.disabled &&
             !state.invisible)
        faults << describe(node) + QStringLiteral(" (role 0x") + QString::number(node->role(), 16) +
                      QStringLiteral(") has no name");
    for (int i = 0; i < node->childCount(); ++i)
        walk(node->child(i), faults, depth + 1);
}

TEST(ControlNames, AreToldFromCaptions) {
    for (const char* name : {"lblFreq", "frmQSL", "cmdOk", "Image1", "Form6", "txtCall", "Text1",
                             "lblOpt(3)", "mnuFile"})
        EXPECT_TRUE(looksLikeControlName(QString::fromLatin1(name))) << name;
    for (const char* name : {"Mhz", "Call sign", "Ok", "Preview", "Form", "Options", "frame",
                             "Text", "Image 1", "Optimise"})
        EXPECT_FALSE(looksLikeControlName(QString::fromLatin1(name))) << name;
}

void PrintTo(const WindowCase& c, std::ostream* os) {
    *os << c.name;
}

class AccessibleNames : public ::testing::TestWithParam<WindowCase> {};

TEST_P(AccessibleNames, NoControlNamesAndEveryOperableControlIsNamed) {
    WalkContext c;
    std::unique_ptr<QWidget> window(GetParam().build(c));
    ASSERT_TRUE(window);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    QApplication::processEvents();

    QStringList faults;
    walk(QAccessible::queryAccessibleInterface(window.get()), faults);
    EXPECT_TRUE(faults.isEmpty()) << faults.join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Windows, AccessibleNames, ::testing::ValuesIn(kWindows),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
