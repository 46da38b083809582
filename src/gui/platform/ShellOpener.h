#pragma once

#include <QUrl>

// Hands links and files to the desktop (mail program, browser, document viewer). Never
// goes through a shell command line.
class ShellOpener {
public:
    virtual ~ShellOpener() = default;
    virtual bool open(const QUrl& url) = 0;
};

class DesktopShellOpener final : public ShellOpener {
public:
    bool open(const QUrl& url) override;
};
