#pragma once
// A pop-up menu whose entries stand in columns of r rows, as a menu with
// column breaks does. The entries stay QActions: triggering one, by mouse or
// keyboard (arrows move within and across columns, Enter or Space choose,
// Esc closes), triggers the action. On a screen too small for the columns it
// takes fewer rows and more columns, and scrolls sideways when those are
// wider than the screen, so every entry can be reached.

#include <QList>
#include <QMenu>

class QGridLayout;
class QScreen;
class QScrollArea;
class QToolButton;
class QWidgetAction;

namespace quiverel {

class ColumnMenu : public QMenu {
    Q_OBJECT
public:
    explicit ColumnMenu(const QString& title, QWidget* parent = nullptr);

    // Lays the entries out again in columns of `rowsPerColumn` rows.
    void setEntries(const QList<QAction*>& entries, int rowsPerColumn);
    const QList<QAction*>& entries() const { return entries_; }
    // The rows per column asked for, and those shown on the last screen.
    int rowsPerColumn() const { return rows_; }
    int shownRowsPerColumn() const { return shownRows_; }
    // The button that shows entry `index` (for tests and keyboard focus).
    QToolButton* buttonAt(int index) const;
    // Scrolls entry `index` into view.
    void showEntry(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void fitToScreen();
    void placeButtons(int rows);
    void moveFocus(int from, int dx, int dy);
    QScreen* targetScreen() const;

    QWidgetAction* gridAction_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QWidget* grid_ = nullptr;
    QGridLayout* layout_ = nullptr;
    QList<QAction*> entries_;
    QList<QToolButton*> buttons_;
    int rows_ = 1;
    int shownRows_ = 1;
};

} // namespace quiverel
