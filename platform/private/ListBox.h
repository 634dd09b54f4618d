// The list box of the dialogs: one line selected at most, and the keyboard
// caret and the selection are one, as in the list boxes the dialogs are
// modelled on. The toolkit's list can leave its current line unselected (the
// first line once the list gets the focus, or after Ctrl+Space); a key that
// lands there would then select nothing.
#pragma once

#include <QListWidget>
#include <functional>

namespace platform::detail {

class ListBox : public QListWidget {
public:
    explicit ListBox(QWidget* parent);

    // Every line this many pixels high (0: the font's own height).
    void SetItemHeight(int pixels);
    int ItemHeight() const { return itemHeight_; }
    // The width in pixels the list can be scrolled across, however short its
    // lines (0: the longest line's width).
    void SetHorizontalExtent(int pixels);
    int HorizontalExtent() const { return extent_; }
    // Called when the Delete key goes down on the list (a held key once).
    std::function<void()> onDeleteKey;
    // Called when F9 goes down on the list (a held key once).
    std::function<void()> onF9Key;

protected:
    // Home, End, the arrows, Page Up and Page Down select the line they land
    // on, even the one the caret already rests on; Left and Right move like
    // Up and Down, since the list has one column.
    void keyPressEvent(QKeyEvent* event) override;
    // Ctrl never unselects the caret's line (click or Space).
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

private:
    void UpdateUniformSizes();

    int itemHeight_ = 0;
    int extent_ = 0;
};

} // namespace platform::detail
