#pragma once

#include "host/ViewState.h"

#include <cstdint>

class DataFilesWatcher;
class QPoint;
class QPushButton;
class QString;
class QUrl;
class QWidget;

// What changed, so that the window shows it again in the panes; the flags combine.
enum class Change : unsigned {
    // Contacts (or the columns they show in): both panes look for the find text again.
    Contacts = 1u << 0,
    // Entries, the view or its date: the grid is built again, laid out and shown from its
    // top row. Done before a Contacts refresh given in the same call.
    Calendar = 1u << 1,
    // With Calendar: the grid looks for the find text again once it is built.
    CalendarFind = 1u << 2,
};

constexpr Change operator|(Change a, Change b) {
    return Change(unsigned(a) | unsigned(b));
}

constexpr bool has(Change set, Change flag) {
    return (unsigned(set) & unsigned(flag)) != 0;
}

// What a pane, a dialog or a desk tool asks of the window it sits in. The window implements
// it; tests of a pane alone give it a fake.
class PaneHost {
public:
    virtual ~PaneHost() = default;

    virtual ViewState& viewState() = 0;
    // The parent of the messages and dialogs a pane shows.
    virtual QWidget* dialogParent() = 0;
    virtual DataFilesWatcher& dataFiles() = 0;
    // The UID new records carry; 0 while it could not be stored.
    virtual std::int32_t installationUid() const = 0;

    // The find box.
    virtual QString findText() const = 0;
    virtual void focusFind() = 0;
    // Puts `text` into the find box (which then filters) and gives it the focus, with the
    // cursor after the text.
    virtual void startFind(const QString& text) = 0;

    // Opens the entry editor in one of its modes (see EditorSetup.h) with the view state's
    // find matches as they stand.
    virtual void openEditor(int mode) = 0;
    // As the pane buttons and double-clicks do: one half of the find matches set for the call.
    virtual void openEditorFor(Pane pane, FindMatch match, int mode) = 0;

    virtual void refresh(Change what) = 0;
    // Selects the listed contact with this id alone and gives the address list the focus.
    virtual void selectContact(std::int32_t id) = 0;
    // The window's shared context menu, set up for `pane`, at a screen position.
    virtual void showContextMenu(Pane pane, const QPoint& globalPos) = 0;
    // Places the panes again after their content changed size (rows, bars).
    virtual void layOut() = 0;
    virtual void bringToFront() = 0;
    // Hands a link to the desktop; when nothing there opens it, says so with `shown`.
    virtual bool openLink(const QUrl& url, const QString& shown) = 0;

    // Bold marks the pane button the find box's result makes the default.
    static void SetDefaultButton(QPushButton* button, bool bold);
};
