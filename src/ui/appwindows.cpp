#include "ui/appwindows.h"

#include "ui/mainwindow.h"
#include "ui/resources.h"
#include "ui/secondarywindows.h"

namespace vm {

AppWindows::AppWindows() = default;
AppWindows::AppWindows(AppWindows&&) noexcept = default;
AppWindows::~AppWindows() = default;

AppWindows createAppWindows(const ProgramPaths& paths)
{
    initResources();
    AppWindows w;
    w.main = std::make_unique<TFrmMain>(paths);
    QWidget* owner = w.main.get();
    w.aboutBox = new TAboutBox(owner);
    w.searchCsv = new TFrmSearchCSV(owner);
    w.settings = new TFrmSettings(owner);
    w.collection = new TFrmCollection(owner);
    w.filter = new TFrmFilter(owner);
    w.stat = new TFrmStat(owner);
    w.webBrowser = new TFrmWebBrowser(owner);
    w.backup = new TFrmBackup(owner);
    w.zugz = new TFrmZugz(owner);
    w.main->setDisplayWindow(w.webBrowser);
    return w;
}

} // namespace vm
