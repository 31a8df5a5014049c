#pragma once
// Form8: the small window of the transmit size and resolution, with the
// time a transmission of that size takes.

#include "app/context.h"
#include "app/windows.h"

#include <QPointer>
#include <QWidget>

class QLabel;

namespace quiverel {

class SizeControls;
class UnitScale;

class Form8 : public QWidget {
    Q_OBJECT
public:
    // `opener` (the main window) is disabled while this window is open.
    Form8(Context& ctx, const SizeRequest& request, QWidget* opener);

    // Lays the window out over the opener, fills it from the request and shows it.
    void Form_Load();

    QLabel* lblTxTime = nullptr;
    SizeControls* sizes = nullptr;

Q_SIGNALS:
    // The sliders changed the sizes; they count at once, while the window is open.
    void sizesChanged(const SizeResult& sizes);
    // A size was settled: the main window's selected thumbnail loses its highlight.
    void thumbnailHighlightCleared();
    // The window closed; the opener is enabled again and its size label is due.
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void refreshTxTime();

    Context& ctx_;
    SizeRequest request_;
    QPointer<QWidget> opener_;
    UnitScale* units_ = nullptr;
};

} // namespace quiverel
