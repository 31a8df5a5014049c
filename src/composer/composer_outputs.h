#pragma once
// The composer's output buttons: "Original" and "Compressed" in the zoom
// window, "Info", "Save pic" and "Print pic".

#include "app/context.h"

#include <QObject>

namespace quiverel {

class Form3;

class ComposerOutputs : public QObject {
    Q_OBJECT
public:
    // Connects the five buttons of `form` and enables them.
    ComposerOutputs(Context& ctx, Form3& form);

    void cmdOrig_Click();
    void cmdTx_Click();
    void cmdInfo_Click();
    void cmdSavepic_Click();
    void cmdPrintQsl_Click();

private:
    Context& ctx_;
    Form3& form_;
};

} // namespace quiverel
