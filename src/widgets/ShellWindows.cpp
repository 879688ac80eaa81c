#include "widgets/ShellWindows.h"

#include "canvas/CanvasModel.h"
#include "dialogs/ConfigDialog.h"
#include "document/DocumentLifecycle.h"
#include "shell/BrowserDiscovery.h"
#include "shell/ConfigOptions.h"
#include "shell/ShellState.h"
#include "widgets/AboutWindow.h"
#include "widgets/CommandBar.h"
#include "widgets/EditorSession.h"
#include "widgets/IconSet.h"
#include "widgets/MainWindow.h"
#include "widgets/SidePane.h"
#include "widgets/SplashWindow.h"

#include <QCoreApplication>

namespace areamaker {

namespace {

// The main menu's items of the commands opened here.
constexpr int HelpItem = 31;
constexpr int AboutItem = 33;
constexpr int OptionsItem = 8;
constexpr int BrowserItem = 5;

} // namespace

ShellWindows::ShellWindows(const Parts &parts, const SessionPorts &ports)
    : mParts(parts), mPorts(ports), mHelp(mViewer, ports.files, ports.messages),
      mPreview({parts.shell, parts.document, parts.lifecycle, ports.messages, ports.launcher})
{
}

void ShellWindows::connectCommands(CommandBar &bar)
{
    bar.setCommand({BrowserItem}, {"3"}, [this] { mPreview.Preview(); });
    bar.setCommand({OptionsItem}, {"19"}, [this] { showOptions(); });
    bar.setCommand({HelpItem}, {"20"}, [this] { mHelp.HHDisplayContents(); });
    bar.setCommand({AboutItem}, {}, [this] { showAbout(); });
}

void ShellWindows::useGuideIn(const std::string &programFolder)
{
    mHelp.setProgramFolder(programFolder);
    mHelp.CHMFile(programFolder + HTMLHelp::GuideFile);
}

void ShellWindows::showSplash()
{
    if (!splashEnabled)
        return;
    SplashWindow splash;
    splash.run();
}

void ShellWindows::showOptions()
{
    BrowserDiscovery browsers(mPorts.browsers, mPorts.files, mPorts.messages);
    ConfigOptions options({mParts.shell, mParts.recent, mParts.window.commandBar(), mParts.window,
                           *this, mPorts.messages, mPorts.dialogs, mPorts.store, browsers});
    ConfigDialog dialog(options, IconSet::icon(IconSet::Browser), &mParts.window);
    dialog.setWindowIcon(IconSet::icon(IconSet::Settings));
    dialog.exec();
}

void ShellWindows::showAbout()
{
    AboutWindow about(&mParts.window);
    about.exec();
}

void ShellWindows::optionsApplied()
{
    mParts.lifecycle.setNewNoBorder(mParts.shell.Settings.NewNoBorder);
    mParts.window.DimensionForm();
    mParts.window.sidePane().update();
}

void ShellWindows::RedrawCanvas()
{
    mParts.canvas.RedrawCanvas();
}

void ShellWindows::startRedrawTimer()
{
    mParts.window.startRedrawTimer();
}

void ShellWindows::endProgram()
{
    // No exit sequence: neither the settings nor the document are written.
    mParts.window.closeRequested = nullptr;
    mViewer.closeAll();
    QCoreApplication::exit(0);
}

} // namespace areamaker
