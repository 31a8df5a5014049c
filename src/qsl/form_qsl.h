#pragma once
// The QSL dialog "Input QSL info": the data of one contact and three colours.
// "Ok" stamps the card on the picture twice, at full size for the composite
// and at the canvas's size for the composer to show, and hands both back.

#include "app/context.h"
#include "qsl/qsl_card.h"

#include <QDialog>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace quiverel {

class UnitScale;

class formQSL : public QDialog {
    Q_OBJECT
public:
    formQSL(Context& ctx, const QslRequest& request, QWidget* opener = nullptr);

    // Form_Load, then modal until closed; the card when closed with "Ok".
    std::optional<QslResult> run();

    // Fills the fields, places the dialog over the composer and disables it.
    void Form_Load();
    void txtCall_Change();
    // Opens the picker for QSL colour 1, 2 or 3.
    void colourButton_Click(int target);
    void Timer1_Timer();
    void cmdOk_Click();

    // What a card stamped now would say.
    QslCardText cardText() const;
    const QImage& sample() const { return sample_; }
    const std::optional<QslResult>& result() const { return result_; }

    QGroupBox* frmQSL = nullptr;
    QLabel* lblCall = nullptr;
    QLineEdit* txtCall = nullptr;
    QLabel* lblNoSave = nullptr;
    QLabel* lblDate = nullptr;
    QLineEdit* txtDate = nullptr;
    QLabel* lblTime = nullptr;
    QLineEdit* txtTime = nullptr;
    QLabel* lblFreq = nullptr;
    QComboBox* cboFreq = nullptr;
    QLabel* lblMode = nullptr;
    QComboBox* cboMode = nullptr;
    QLabel* lblRSV = nullptr;
    QComboBox* cboRSV = nullptr;
    QLabel* picColors = nullptr;
    QPushButton* cmdBcolor = nullptr;
    QPushButton* cmdLColor = nullptr;
    QPushButton* cmdTColor = nullptr;
    QPushButton* cmdOk = nullptr;
    QTimer* Timer1 = nullptr;

protected:
    // Form unload: the frequency and mode are kept, the composer usable again.
    void done(int result) override;

private:
    void createControls();
    void placeControls();
    void DrawQslSample();

    Context& ctx_;
    QslRequest request_;
    QWidget* opener_;
    UnitScale* units_ = nullptr;
    QImage sample_;
    std::optional<QslResult> result_;
};

} // namespace quiverel
