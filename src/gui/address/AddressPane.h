#pragma once

#include "settings/Settings.h"
#include "shell/MainLayout.h"
#include "storage/AddrSet.h"

#include <QObject>

#include <array>
#include <optional>
#include <unordered_set>
#include <vector>

class AddressListModel;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QTreeView;
class QKeyEvent;
class QMouseEvent;
class PaneHost;
struct Services;

// The left half of the main window: the filtered, sorted address list, the one-contact full
// view, the pane's buttons and its mouse and keyboard handling.
class AddressPane final : public QObject {
    Q_OBJECT
public:
    AddressPane(PaneHost& host, Services& services, QWidget* paneParent, QWidget* buttonBarParent);

    // What a contact dragged from the list carries: its id in decimal.
    static constexpr const char* kContactMimeType = "application/x-trevik-contact-id";

    QTreeView* AddressView;
    QFrame* AddressFull;
    std::array<QLabel*, 9> fullValues{}; // Name, Home, Work, Fax, Mobile, Email, web, Addr, misc
    QPushButton* AddrPrev;
    QPushButton* AddrNext;
    QWidget* AdrButtonBar;
    QPushButton* AddrNew;
    QPushButton* AddrEdit;
    QPushButton* AddrDelete;
    QPushButton* AddrSearch;
    QPushButton* AddrView;
    QMenu* AddrViewMenu;

    // Refills the list from the address file; true when the filter is not empty and found a
    // contact, which is then selected and focused.
    bool RefillAddressList(const QString& filter);
    // Shows the contact of a row in the full view; -1 empties it.
    void ShowAddressFull(int row);
    // Sets the stored column widths when they changed since they were last set, and refreshes
    // the pane.
    void ApplyAddressColumns();
    // Places the list, the full view and the buttons where the window's layout puts them.
    void applyLayout(const trevik::MainLayout& layout);
    void SortBy(int column);

    // Where the list stands: its selected and current contacts and the first one shown.
    struct ListPlace {
        std::unordered_set<std::int32_t> selectedIds;
        std::int32_t currentId = -1;
        std::int32_t topId = -1;
    };
    ListPlace place() const;
    // Selects the kept contacts that are still listed (when any is) and shows the kept first
    // one at the top again.
    void restorePlace(const ListPlace& place);
    void AddressViewColumnClick(int column);

    void AddrFullClick();
    void AddrListClick();
    void AddrNextClick();
    void AddrPrevClick();
    void AddrDeleteClick();
    void AddrViewClick();
    void SelectAll();
    // Selects the listed contact with this id alone and gives the list the focus.
    void SelectContact(std::int32_t id);

    int firstSelectedRow() const;
    // The selected contacts from the first listed to the last.
    std::vector<trevik::Contact> selectedContacts() const;
    // Selects the row alone, scrolls to it and gives the list the focus.
    void SelectRow(int row);
    const trevik::Contact& contactAt(int row) const;
    // The contact the keyboard focus is on, or null.
    const trevik::Contact* focusedContact() const;
    int rowCount() const;
    trevik::AddressColumnWidths columnWidths() const;
    bool fullViewShown() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildList(QWidget* parent);
    void buildFullView(QWidget* parent);
    void buildButtons(QWidget* parent);
    void AddressViewKeyDown(QKeyEvent* event, bool& handled);
    void AddressViewMouseMove(QMouseEvent* event);
    void popUpContextMenu(const QPoint& globalPos);
    void selectOnly(int row);
    void reselect(const ListPlace& place);

    PaneHost& host_;
    Services& services_;
    AddressListModel* model_;
    std::optional<trevik::AddressColumnWidths> appliedWidths_;
};
