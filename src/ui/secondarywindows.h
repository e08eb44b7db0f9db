#pragma once

#include <QDialog>

namespace vm {

// A window besides the main window: created once at start-up, hidden (never
// destroyed) when closed, so it keeps its contents for the next showing.
class SecondaryWindow : public QDialog {
    Q_OBJECT
public:
    SecondaryWindow(const char* objectName, const QString& caption, QWidget* parent);
};

class TAboutBox : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent);
};

class TFrmSearchCSV : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TFrmSearchCSV(QWidget* parent);
};

class TFrmSettings : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TFrmSettings(QWidget* parent);
};

class TFrmCollection : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TFrmCollection(QWidget* parent);
};

class TFrmFilter : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TFrmFilter(QWidget* parent);
};

class TFrmStat : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TFrmStat(QWidget* parent);
};

// The display window: shows a file or an address above the other windows,
// without blocking them.
class TFrmWebBrowser : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TFrmWebBrowser(QWidget* parent);
};

class TFrmBackup : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TFrmBackup(QWidget* parent);
};

class TFrmZugz : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TFrmZugz(QWidget* parent);
};

} // namespace vm
