#pragma once

#include <QApplication>
#include <QPointer>

namespace velnar::app {

class CMainDialog;

// The application object, one per process. It runs the main window modally,
// and its command route takes one command only: the standard help command,
// which F1 gives anywhere in the main window and its pages, goes to the main
// window's help window.
class CSignEditorApp : public QApplication {
    Q_OBJECT

public:
    static constexpr int kHelpCommand = 57670;

    CSignEditorApp(int& argc, char** argv);

    // Makes `window` the main window and runs it modally; when it closes,
    // the program ends, whatever the window's result.
    int Run(CMainDialog& window);
    void SetMainWindow(CMainDialog* window) { m_mainWnd = window; }

    // True when the command was taken.
    bool OnCmdMsg(int command);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnHelp();

    QPointer<CMainDialog> m_mainWnd;
};

}  // namespace velnar::app
