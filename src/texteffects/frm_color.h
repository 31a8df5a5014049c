#pragma once
// The colour picker "Quiverel Color Picker": one palette, a sample and "Ok".
// It serves the text effects dialog (frmColor) and the QSL dialog (Form7):
// the request says which and the picker target. The QSL one is modal, the
// text effects one modeless; "Ok" gives the sample's colour and stores QSL
// colours itself, any other close gives nothing and leaves every colour as it was.

#include "app/context.h"
#include "texteffects/text_effects_result.h"

#include <QDialog>
#include <functional>
#include <optional>

class QLabel;
class QPushButton;

namespace quiverel {

class UnitScale;

class frmColor : public QDialog {
    Q_OBJECT
public:
    frmColor(Context& ctx, const ColourPickRequest& request, QWidget* opener = nullptr);

    // Form_Load, then modal until closed; the colour when closed with "Ok".
    std::optional<QColor> run();
    // The text effects picker: loaded and shown over `opener` without
    // blocking it (even when the opener is itself modal); `picked` gets the
    // colour of "Ok". The picker goes away when it closes or with its opener.
    static frmColor* openModeless(Context& ctx, const ColourPickRequest& request, QWidget* opener,
                                  std::function<void(QColor)> picked);

    // Sizes and places the picker over its opener and draws the palette; the
    // QSL picker disables its opener until it closes. Showing is the caller's.
    void Form_Load();
    // A press on the palette at a pixel of `p`.
    void p_MouseDown(QPoint pixel);
    void cmdOk_Click();

    QColor sample() const { return sample_; }
    std::optional<QColor> chosen() const { return chosen_; }

    QLabel* p = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* cmdOk = nullptr;

protected:
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void setSample(const QColor& colour);
    void drawPalette();

    Context& ctx_;
    ColourPickRequest request_;
    QWidget* opener_;
    UnitScale* units_ = nullptr;
    QImage palette_;
    QColor sample_;
    std::optional<QColor> chosen_;
};

} // namespace quiverel
