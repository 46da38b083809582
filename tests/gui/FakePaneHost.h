#pragma once

#include "host/PaneHost.h"
#include "platform/DataFilesWatcher.h"

#include <QPoint>
#include <QString>
#include <QUrl>
#include <QWidget>

#include <functional>
#include <vector>

// A window for a pane under test alone: it records what the pane asks of it, and a test
// that needs the panes shown again after a change says how with `onRefresh`.
class FakePaneHost final : public PaneHost {
public:
    struct EditorCall {
        int mode = 0;
        FindState findState;
    };
    struct MenuCall {
        Pane pane = Pane::Calendar;
        QPoint globalPos;
    };

    FakePaneHost() : files(&window) { window.resize(900, 600); }

    ViewState& viewState() override { return view; }
    QWidget* dialogParent() override { return &window; }
    DataFilesWatcher& dataFiles() override { return files; }
    std::int32_t installationUid() const override { return uid; }

    QString findText() const override { return find; }
    void focusFind() override { ++findFocused; }
    void startFind(const QString& text) override {
        find = text;
        ++findFocused;
    }

    void openEditor(int mode) override { editors.push_back({mode, view.findState}); }
    void openEditorFor(Pane pane, FindMatch match, int mode) override {
        FindMatch& half = pane == Pane::Address ? view.findState.address : view.findState.calendar;
        const FindMatch saved = half;
        half = match;
        openEditor(mode);
        half = saved;
    }

    void refresh(Change what) override {
        refreshes.push_back(what);
        if (onRefresh) {
            onRefresh(what);
        }
    }
    void selectContact(std::int32_t id) override { selectedContacts.push_back(id); }
    void showContextMenu(Pane pane, const QPoint& globalPos) override {
        menus.push_back({pane, globalPos});
    }
    void layOut() override { ++layouts; }
    void bringToFront() override { ++broughtToFront; }
    bool openLink(const QUrl& url, const QString&) override {
        links.push_back(url);
        return true;
    }

    QWidget window;
    DataFilesWatcher files;
    ViewState view;
    std::int32_t uid = 1;
    QString find;
    int findFocused = 0;
    std::vector<EditorCall> editors;
    std::vector<Change> refreshes;
    std::function<void(Change)> onRefresh;
    std::vector<std::int32_t> selectedContacts;
    std::vector<MenuCall> menus;
    int layouts = 0;
    int broughtToFront = 0;
    std::vector<QUrl> links;
};
