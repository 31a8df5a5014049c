#pragma once
// The help window as the main window opens it: the English text table read,
// a GUI scale of 1, a host that counts restarts and re-captionings.

#include "support/test_context.h"
#include "tools/frm_help.h"

#include <QStringList>
#include <memory>

namespace quiverel::test {

struct HelpContext : TestContext {
    HelpContext();

    // A help window on `page`, loaded and shown.
    std::unique_ptr<frmHelp> open(HelpPage page);
    // Setup.ini's items as written, read back (quotes removed).
    QStringList setupLines() const;

    HelpHost host();
    int restarts = 0;
    int recaptions = 0;
    std::optional<QPoint> mainTwips = QPoint(1500, 3000);
};

} // namespace quiverel::test
