#pragma once

#include "common/programpaths.h"

#include <memory>

namespace vm {

class TFrmMain;
class TAboutBox;
class TFrmSearchCSV;
class TFrmSettings;
class TFrmCollection;
class TFrmFilter;
class TFrmStat;
class TFrmWebBrowser;
class TFrmBackup;
class TFrmZugz;

// The program's ten windows, created once in a fixed order with the main
// window first. The secondary windows are owned by the main window.
struct AppWindows {
    std::unique_ptr<TFrmMain> main;
    TAboutBox* aboutBox = nullptr;
    TFrmSearchCSV* searchCsv = nullptr;
    TFrmSettings* settings = nullptr;
    TFrmCollection* collection = nullptr;
    TFrmFilter* filter = nullptr;
    TFrmStat* stat = nullptr;
    TFrmWebBrowser* webBrowser = nullptr;
    TFrmBackup* backup = nullptr;
    TFrmZugz* zugz = nullptr;

    AppWindows();
    AppWindows(AppWindows&&) noexcept;
    ~AppWindows();
};

AppWindows createAppWindows(const ProgramPaths& paths);

} // namespace vm
